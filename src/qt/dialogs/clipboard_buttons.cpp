#include "qt/dialogs/clipboard_buttons.h"

#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

namespace {

void Send(QWidget& dialog, int control, int button) {
    if (control == 0) return;
    const QString name = QString::number(control);
    if (auto* line = dialog.findChild<QLineEdit*>(name)) {
        switch (button) {
            case data::kCopyButton:
                line->copy();
                break;
            case data::kCutButton:
                line->cut();
                break;
            case data::kPasteButton:
                line->paste();
                break;
            case data::kUndoButton:
                line->undo();
                break;
        }
    } else if (auto* text = dialog.findChild<QPlainTextEdit*>(name)) {
        switch (button) {
            case data::kCopyButton:
                text->copy();
                break;
            case data::kCutButton:
                text->cut();
                break;
            case data::kPasteButton:
                text->paste();
                break;
            case data::kUndoButton:
                text->undo();
                break;
        }
    }
}

}  // namespace

void AddClipboardButtons(QWidget& dialog, QBoxLayout& row, const data::ClipboardTarget& target) {
    struct Button {
        int id;
        const char* label;
    };
    static constexpr Button kButtons[] = {{data::kCopyButton, "コピー"},
                                          {data::kCutButton, "切り取り"},
                                          {data::kPasteButton, "張り付け"},
                                          {data::kUndoButton, "アンドゥ"}};
    for (const Button& b : kButtons) {
        const QByteArray name = QByteArray::number(b.id);
        QPushButton* button = NewButton(dialog, b.label, name.constData());
        row.addWidget(button);
        QObject::connect(button, &QPushButton::clicked, &dialog,
                         [&dialog, &target, id = b.id] { Send(dialog, target.Control(), id); });
    }
}

void ReportChanges(QLineEdit& box, data::ClipboardTarget& target) {
    const int id = box.objectName().toInt();
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&target, id] { target.Changed(id); });
}

void ReportChanges(QPlainTextEdit& box, data::ClipboardTarget& target) {
    const int id = box.objectName().toInt();
    QObject::connect(&box, &QPlainTextEdit::textChanged, &box,
                     [&target, id] { target.Changed(id); });
}

}  // namespace korvo::qt
