// MOMENTUMPARAMDLG: the periods of moving-average lines 1 and 2 by chart
// period. What the buttons do is indicators::MomentumParamDialog's; this
// class only lays out the controls, each named after its control id. It is
// kept in the header so it needs no build step of its own.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "indicators/momentum_param_dialog.h"
#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

class MomentumParamQDialog : public QDialog {
  public:
    using Logic = indicators::MomentumParamDialog;

    explicit MomentumParamQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, "MOMENTUMPARAMDLG", Logic::kTitle);
        auto* grid = new QGridLayout(this);
        for (int i = 0; i < Logic::kFieldCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            grid->addWidget(new QLabel(QString::fromUtf8(Logic::kLabels[at]), this), i, 0);
            fields_[at] = NewBox(*this, Logic::kFirstControl + i);
            grid->addWidget(fields_[at], i, 1, 1, 2);
        }
        SetTexts(fields_, logic_.Current());
        auto* standard = NewButton(*this, Logic::kStandardButton, "standard");
        const OkCancel buttons = NewOkCancel(*this);
        const int row = Logic::kFieldCount;
        grid->addWidget(standard, row, 0);
        grid->addWidget(buttons.ok, row, 1);
        grid->addWidget(buttons.cancel, row, 2);
        connect(standard, &QPushButton::clicked, this,
                [this] { SetTexts(fields_, logic_.Standard()); });
    }

    void accept() override {
        if (!logic_.Accept(Texts(fields_))) return;  // the message was shown; the dialog stays
        QDialog::accept();
    }

  private:
    Logic& logic_;
    std::array<QLineEdit*, Logic::kFieldCount> fields_{};
};

}  // namespace korvo::qt
