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

namespace korvo::qt {

class MomentumParamQDialog : public QDialog {
  public:
    using Logic = indicators::MomentumParamDialog;

    explicit MomentumParamQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        setObjectName("MOMENTUMPARAMDLG");
        setWindowTitle(QString::fromUtf8(Logic::kTitle));
        setModal(true);
        auto* grid = new QGridLayout(this);
        for (int i = 0; i < Logic::kFieldCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            grid->addWidget(new QLabel(QString::fromUtf8(Logic::kLabels[at]), this), i, 0);
            fields_[at] = new QLineEdit(this);
            fields_[at]->setObjectName(QString::number(Logic::kFirstControl + i));
            grid->addWidget(fields_[at], i, 1, 1, 2);
        }
        Fill(logic_.Current());
        auto* standard = new QPushButton(QString::fromUtf8(Logic::kStandardButton), this);
        standard->setObjectName("standard");
        standard->setAutoDefault(false);
        auto* ok = new QPushButton("OK", this);
        ok->setObjectName("1");
        ok->setDefault(true);
        auto* cancel = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
        cancel->setObjectName("2");
        cancel->setAutoDefault(false);
        const int row = Logic::kFieldCount;
        grid->addWidget(standard, row, 0);
        grid->addWidget(ok, row, 1);
        grid->addWidget(cancel, row, 2);
        connect(standard, &QPushButton::clicked, this, [this] { Fill(logic_.Standard()); });
        connect(ok, &QPushButton::clicked, this, [this] { accept(); });
        connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    }

    void accept() override {
        Logic::Fields typed;
        for (std::size_t i = 0; i < typed.size(); ++i)
            typed[i] = fields_[i]->text().toStdString();
        if (!logic_.Accept(typed)) return;  // the message was shown; the dialog stays
        QDialog::accept();
    }

  private:
    void Fill(const Logic::Fields& values) {
        for (std::size_t i = 0; i < values.size(); ++i)
            fields_[i]->setText(QString::fromStdString(values[i]));
    }

    Logic& logic_;
    std::array<QLineEdit*, Logic::kFieldCount> fields_{};
};

}  // namespace korvo::qt
