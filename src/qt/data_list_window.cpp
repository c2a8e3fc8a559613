#include "qt/data_list_window.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

DataListQWindow::DataListQWindow(const lists::DataListText& list, QWidget* parent)
    : QDialog(parent) {
    setObjectName(Logic::kName);
    setWindowTitle(QString::fromUtf8(Logic::kTitle));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    QLineEdit* title = NewBox(*this, Logic::kTitleControl, list.title);
    title->setReadOnly(true);
    grid->addWidget(title, 0, 0, 1, 2);
    auto* table = new QPlainTextEdit(this);
    table->setObjectName(QString::number(Logic::kListControl));
    table->setReadOnly(true);
    table->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A fixed pitch keeps the columns under each other.
    table->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    table->setTabStopDistance(table->fontMetrics().horizontalAdvance(' ') * 10);
    // The lines end in CR LF; the box wants plain line breaks.
    table->setPlainText(QString::fromStdString(list.lines).remove('\r'));
    table->moveCursor(QTextCursor::Start);
    table->setMinimumSize(860, 480);
    grid->addWidget(table, 1, 0, 1, 2);
    const OkCancel buttons = NewOkCancel(*this);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    grid->addLayout(row, 2, 0, 1, 2);
}

void DataListQWindow::done(int result) {
    // The slot is emptied once, however the window goes.
    if (!closedSent_) {
        closedSent_ = true;
        emit closed();
    }
    QDialog::done(result);
}

}  // namespace korvo::qt
