// Dialog4A: the header of a new, empty data file. What OK checks and writes
// is data::HeaderEditor's; this class only lays out the controls, each named
// after its control id. Kept in the header so it needs no build step of its own.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>

#include "data/header_editor.h"
#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

class HeaderEditorQDialog : public QDialog {
  public:
    using Logic = data::HeaderEditor;

    explicit HeaderEditorQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, Logic::kName, Logic::kTitle);
        auto* grid = new QGridLayout(this);
        const data::HeaderFields f = logic_.Initial();
        id_ = AddLabelledBox(*grid, 0, "ID", 801, f.fileTypeId);
        id_->setReadOnly(true);  // the file always gets 210
        title_ = AddLabelledBox(*grid, 1, "ﾀｲﾄﾙ", 802, f.title);
        subtitle_ = AddLabelledBox(*grid, 2, "ｻﾌﾞﾀｲﾄﾙ", 803, f.subtitle);
        unit_ = AddLabelledBox(*grid, 3, "単位", 810, f.unit);
        code_ = AddLabelledBox(*grid, 4, "市場･ｺｰﾄﾞ", 811, f.code);
        year_ = AddLabelledBox(*grid, 5, "開始年", 804, f.startYear);
        month_ = AddLabelledBox(*grid, 6, "開始月", 805, f.startMonth);
        title_->setMinimumWidth(280);
        const OkCancel buttons = NewOkCancel(*this);
        buttons.cancel->setText(QString::fromUtf8("取消"));
        grid->addWidget(buttons.ok, 7, 0);
        grid->addWidget(buttons.cancel, 7, 1);
    }

    void accept() override {
        const data::HeaderFields f{id_->text().toStdString(),       title_->text().toStdString(),
                                   subtitle_->text().toStdString(), unit_->text().toStdString(),
                                   code_->text().toStdString(),     year_->text().toStdString(),
                                   month_->text().toStdString()};
        switch (logic_.Accept(f)) {
            case data::HeaderSave::StayOpen:
                return;  // the message was shown
            case data::HeaderSave::Created:
                QDialog::accept();
                return;
            case data::HeaderSave::Cancelled:
                QDialog::reject();
                return;
        }
    }

  private:
    Logic& logic_;
    QLineEdit* id_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* subtitle_ = nullptr;
    QLineEdit* unit_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLineEdit* month_ = nullptr;
};

}  // namespace korvo::qt
