#include "qt/dialogs/data_file_editor_dialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "qt/dialogs/clipboard_buttons.h"
#include "qt/dialogs/comment_editor_dialog.h"
#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

namespace {

using Logic = data::DataFileEditor;

struct BoxRow {
    int id;
    const char* label;
};
// In the order of DataFileEditorQDialog::boxes_.
constexpr BoxRow kBoxes[7] = {
    {Logic::kFileTypeControl, "ID"},      {Logic::kTitleControl, "ｸﾞﾗﾌﾀｲﾄﾙ"},
    {Logic::kSubtitleControl, "ｻﾌﾞﾀｲﾄﾙ"}, {Logic::kUnitControl, "単位"},
    {Logic::kCodeControl, "市場･ｺｰﾄﾞ"},   {Logic::kStartYearControl, "開始年"},
    {Logic::kStartMonthControl, "開始月"}};

// The box shows line breaks as new lines; the editor's text ends them with CR LF.
QString ForBox(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string FromBox(const QString& text) {
    QString crlf = text;
    return crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

// Characters as the box counts them: a line break is two.
qsizetype BoxLength(const QString& text) {
    return text.size() + text.count('\n');
}

}  // namespace

DataFileEditorQDialog::DataFileEditorQDialog(Logic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    SetUpDialog(*this, Logic::kName, Logic::kTitle);
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    column->addLayout(grid);  // first, so the boxes know their dialog
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = AddLabelledBox(*grid, static_cast<int>(i), kBoxes[i].label, kBoxes[i].id);
        ReportChanges(*boxes_[i], logic_.Clipboard());
    }
    grid->addWidget(new QLabel(QString::fromUtf8("210(日) 212(週) 214(月)"), this), 0, 2);
    boxes_[1]->setMinimumWidth(320);

    column->addWidget(new QLabel(
        QString::fromUtf8("ﾃﾞｰﾀﾎﾞｯｸｽ内      改行: CTL-ﾘﾀｰﾝ         ﾀﾌﾞ: CTL-TAB"), this));
    data_ = new QPlainTextEdit(this);
    data_->setObjectName(QString::number(Logic::kDataControl));
    data_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    data_->setLineWrapMode(QPlainTextEdit::NoWrap);
    data_->setTabChangesFocus(true);
    data_->setMinimumSize(640, 360);
    data_->installEventFilter(this);
    column->addWidget(data_);

    auto* row = new QHBoxLayout;
    const OkCancel buttons = NewOkCancel(*this);
    buttons.cancel->setText(QString::fromUtf8("取消"));
    QPushButton* save = NewButton(*this, "保存", "1");
    QPushButton* comment = NewButton(*this, "備考欄", "9204");
    QPushButton* fresh = NewButton(*this, "新規作成", "9203");
    for (QPushButton* button : {buttons.ok, save, buttons.cancel, comment, fresh})
        row->addWidget(button);
    AddClipboardButtons(*this, *row, logic_.Clipboard());
    column->addLayout(row);

    connect(save, &QPushButton::clicked, this, [this] { accept(); });
    connect(comment, &QPushButton::clicked, this, [this] { EditComment(); });
    connect(fresh, &QPushButton::clicked, this, [this] { StartNewFile(); });
    Fill(logic_.Fields());
    // Connected after the fill: only the user's changes name the clipboard's box.
    ReportChanges(*data_, logic_.Clipboard());
    connect(data_, &QPlainTextEdit::textChanged, this, [this] { KeepWithinLimit(); });
}

void DataFileEditorQDialog::Fill(const data::EditorFields& f) {
    const std::array<const std::string*, 7> texts = {
        &f.fileTypeId, &f.title, &f.subtitle, &f.unit, &f.code, &f.startYear, &f.startMonth};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setText(QString::fromStdString(*texts[i]));
    const QSignalBlocker quiet(data_);
    data_->setPlainText(ForBox(f.data));
}

data::EditorFields DataFileEditorQDialog::Typed() const {
    data::EditorFields f;
    std::string* texts[7] = {&f.fileTypeId, &f.title,     &f.subtitle,  &f.unit,
                             &f.code,       &f.startYear, &f.startMonth};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        *texts[i] = boxes_[i]->text().toStdString();
    f.data = FromBox(data_->toPlainText());
    return f;
}

// The box takes no more than the editor allows: a change past it is undone.
void DataFileEditorQDialog::KeepWithinLimit() {
    if (limiting_) return;
    if (BoxLength(data_->toPlainText()) <= static_cast<qsizetype>(logic_.TextLimit())) return;
    limiting_ = true;
    data_->undo();
    limiting_ = false;
    QApplication::beep();
}

bool DataFileEditorQDialog::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+Return starts a new line and Ctrl+Tab types a tab in the data box,
    // as the hint above it says; Tab alone moves to the next control.
    if (watched == data_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                data_->insertPlainText(QStringLiteral("\n"));
                return true;
            }
            if (key->key() == Qt::Key_Tab) {
                data_->insertPlainText(QStringLiteral("\t"));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DataFileEditorQDialog::EditComment() {
    data::CommentEditor comment = logic_.Comment();
    CommentEditorQDialog dialog(comment, this);
    dialog.exec();
}

void DataFileEditorQDialog::StartNewFile() {
    logic_.StartNewFile();
    Fill(logic_.Fields());
}

void DataFileEditorQDialog::accept() {
    switch (logic_.Save(Typed())) {
        case data::EditorSave::StayOpen:
            return;  // the message was shown
        case data::EditorSave::Saved:
            QDialog::accept();
            return;
        case data::EditorSave::Closed:
            QDialog::reject();
            return;
    }
}

void DataFileEditorQDialog::reject() {
    logic_.Cancel();
    QDialog::reject();
}

}  // namespace korvo::qt
