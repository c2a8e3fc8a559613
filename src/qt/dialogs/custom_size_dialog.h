// Dialog6: the custom size in percent. What OK does is
// view::CustomSizeDialog's; this class only lays out the controls, each named
// after its control id. Kept in the header so it needs no build step of its own.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "qt/dialogs/dialog_layout.h"
#include "view/custom_size_dialog.h"

namespace korvo::qt {

class CustomSizeQDialog : public QDialog {
  public:
    using Logic = view::CustomSizeDialog;

    explicit CustomSizeQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, Logic::kName, Logic::kTitle);
        auto* grid = new QGridLayout(this);
        const Logic::Fields current = logic_.Current();
        width_ = AddBox(*grid, 0, Logic::kWidthLabel, Logic::kWidthControl, current.width);
        height_ = AddBox(*grid, 1, Logic::kHeightLabel, Logic::kHeightControl, current.height);
        const OkCancel buttons = NewOkCancel(*this);
        grid->addWidget(buttons.ok, 2, 0);
        grid->addWidget(buttons.cancel, 2, 1, 1, 2);
    }

    void accept() override {
        if (!logic_.Accept({width_->text().toStdString(), height_->text().toStdString()}))
            return;  // the warning was shown; the dialog stays
        QDialog::accept();
    }

  private:
    QLineEdit* AddBox(QGridLayout& grid, int row, const char* label, int id,
                      const std::string& text) {
        QLineEdit* box = AddLabelledBox(grid, row, label, id, text);
        box->setMaxLength(static_cast<int>(Logic::kBoxChars));
        grid.addWidget(new QLabel("%", this), row, 2);
        return box;
    }

    Logic& logic_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
};

}  // namespace korvo::qt
