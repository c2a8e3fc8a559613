// DIALOGCMNT: the header block of the current file as free text. What OK
// stores is data::CommentEditor's; this class only lays out the controls, each
// named after its control id. Kept in the header so it needs no build step of
// its own.
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "data/comment_editor.h"
#include "qt/dialogs/clipboard_buttons.h"
#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

class CommentEditorQDialog : public QDialog {
  public:
    using Logic = data::CommentEditor;

    explicit CommentEditorQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, Logic::kName, Logic::kTitle);
        auto* column = new QVBoxLayout(this);
        text_ = new QPlainTextEdit(this);
        text_->setObjectName(QString::number(Logic::kTextControl));
        // The block is kept with its own line breaks; the box shows them as new lines.
        text_->setPlainText(QString::fromStdString(logic_.Initial()).remove('\r'));
        text_->setMinimumSize(480, 240);
        ReportChanges(*text_, logic_.Clipboard());
        column->addWidget(text_);

        auto* row = new QHBoxLayout;
        const OkCancel buttons = NewOkCancel(*this);
        QPushButton* save = NewButton(*this, "保存", "1");
        connect(save, &QPushButton::clicked, this, [this] { accept(); });
        row->addWidget(buttons.ok);
        row->addWidget(save);
        row->addWidget(buttons.cancel);
        AddClipboardButtons(*this, *row, logic_.Clipboard());
        column->addLayout(row);
    }

    QPlainTextEdit& Text() { return *text_; }

    void accept() override {
        logic_.Accept(text_->toPlainText().toStdString());
        QDialog::accept();
    }

  private:
    Logic& logic_;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace korvo::qt
