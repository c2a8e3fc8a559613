// DIALOG51: the text of the annotation about to be placed, with the phrases
// kept earlier under it, and its four check boxes. What the controls do is
// annotate::AnnotationTextDialog's; this class only lays them out, each named
// after its control id. Kept in the header so it needs no build step of its own.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <map>

#include "annotate/annotation_text_dialog.h"
#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

class AnnotationTextQDialog : public QDialog {
  public:
    using Logic = annotate::AnnotationTextDialog;

    explicit AnnotationTextQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, Logic::kName, Logic::kTitle);
        // 300 by 120 dialog units.
        setMinimumSize(450, 210);
        auto* grid = new QGridLayout(this);
        grid->addWidget(new QLabel(QString::fromUtf8(Logic::kTextLabel), this), 0, 0, 1, 4);
        text_ = new QComboBox(this);
        text_->setObjectName(QString::number(Logic::kTextControl));
        text_->setEditable(true);
        text_->setInsertPolicy(QComboBox::NoInsert);
        for (const std::string& phrase : logic_.Phrases())
            text_->addItem(QString::fromStdString(phrase));
        text_->setEditText(QString::fromStdString(logic_.InitialText()));
        text_->lineEdit()->setMaxLength(127);
        grid->addWidget(text_, 1, 0, 1, 4);
        int column = 0;
        for (const Logic::CheckBox& box : Logic::kCheckBoxes) {
            auto* check = new QCheckBox(QString::fromUtf8(box.label), this);
            check->setObjectName(QString::number(box.control));
            check->setChecked(logic_.InitiallyChecked(box.control));
            grid->addWidget(check, 2, column++);
            checks_[box.control] = check;
        }
        grid->addWidget(new QLabel(QString::fromUtf8(Logic::kNote), this), 3, 0, 1, 4);
        const OkCancel buttons = NewOkCancel(*this);
        grid->addWidget(buttons.ok, 4, 2);
        grid->addWidget(buttons.cancel, 4, 3);
        // A line alone carries no text: the box is emptied.
        connect(checks_[Logic::kLineOnlyControl], &QCheckBox::clicked, this,
                [this] { text_->setEditText(QString()); });
    }

    void accept() override {
        Logic::Choices choices;
        choices.text = text_->currentText().toStdString();
        choices.withArrow = checks_[Logic::kArrowControl]->isChecked();
        choices.centred = checks_[Logic::kCentreControl]->isChecked();
        choices.lineOnly = checks_[Logic::kLineOnlyControl]->isChecked();
        choices.savePhrase = checks_[Logic::kSavePhraseControl]->isChecked();
        if (!logic_.Accept(choices)) return;  // stays open after the message
        QDialog::accept();
    }

  private:
    Logic& logic_;
    QComboBox* text_ = nullptr;
    std::map<int, QCheckBox*> checks_;
};

}  // namespace korvo::qt
