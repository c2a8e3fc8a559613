// Dialog11: the display start year (two digits) and month. What OK does is
// view::DisplayStartDialog's; this class only lays out the controls, each
// named after its control id. Kept in the header so it needs no build step of
// its own.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>

#include "qt/dialogs/dialog_layout.h"
#include "view/display_start_dialog.h"

namespace korvo::qt {

class DisplayStartQDialog : public QDialog {
  public:
    using Logic = view::DisplayStartDialog;

    explicit DisplayStartQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, Logic::kName, Logic::kTitle);
        auto* grid = new QGridLayout(this);
        const Logic::Fields current = logic_.Current();
        year_ = AddLabelledBox(*grid, 0, Logic::kYearLabel, Logic::kYearControl, current.year);
        month_ = AddLabelledBox(*grid, 1, Logic::kMonthLabel, Logic::kMonthControl, current.month);
        const OkCancel buttons = NewOkCancel(*this);
        grid->addWidget(buttons.ok, 2, 0);
        grid->addWidget(buttons.cancel, 2, 1);
    }

    void accept() override {
        if (!logic_.Accept({year_->text().toStdString(), month_->text().toStdString()}))
            return;  // the message was shown; the dialog stays
        QDialog::accept();
    }

  private:
    Logic& logic_;
    QLineEdit* year_ = nullptr;
    QLineEdit* month_ = nullptr;
};

}  // namespace korvo::qt
