// PARAMETR_TABLE: the periods of every indicator. What the buttons do is
// indicators::ParameterTableDialog's; this class only lays out the controls,
// each named after its control id. Kept in the header so it needs no build
// step of its own.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "indicators/parameter_table_dialog.h"
#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

class ParameterTableQDialog : public QDialog {
  public:
    using Logic = indicators::ParameterTableDialog;

    explicit ParameterTableQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, "PARAMETR_TABLE", Logic::kTitle);
        auto* grid = new QGridLayout(this);
        grid->addWidget(new QLabel(QString::fromUtf8(Logic::kCaption), this), 0, 0, 1, 4);
        // Two columns of label and field.
        constexpr int kRows = (Logic::kFieldCount + 1) / 2;
        for (int i = 0; i < Logic::kFieldCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const int row = 1 + i % kRows;
            const int column = 2 * (i / kRows);
            grid->addWidget(new QLabel(QString::fromUtf8(Logic::kLabels[at]), this), row, column);
            fields_[at] = NewBox(*this, Logic::kFirstControl + i);
            grid->addWidget(fields_[at], row, column + 1);
        }
        SetTexts(fields_, logic_.Current());
        auto* standard = NewButton(*this, Logic::kStandardButton, "standard");
        const OkCancel buttons = NewOkCancel(*this);
        grid->addWidget(standard, kRows + 1, 0);
        grid->addWidget(buttons.ok, kRows + 1, 2);
        grid->addWidget(buttons.cancel, kRows + 1, 3);
        connect(standard, &QPushButton::clicked, this,
                [this] { SetTexts(fields_, logic_.Standard()); });
    }

    void accept() override {
        logic_.Accept(Texts(fields_));
        QDialog::accept();
    }

  private:
    Logic& logic_;
    std::array<QLineEdit*, Logic::kFieldCount> fields_{};
};

}  // namespace korvo::qt
