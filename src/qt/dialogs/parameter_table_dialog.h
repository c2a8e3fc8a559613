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

namespace korvo::qt {

class ParameterTableQDialog : public QDialog {
  public:
    using Logic = indicators::ParameterTableDialog;

    explicit ParameterTableQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        setObjectName("PARAMETR_TABLE");
        setWindowTitle(QString::fromUtf8(Logic::kTitle));
        setModal(true);
        auto* grid = new QGridLayout(this);
        grid->addWidget(new QLabel(QString::fromUtf8(Logic::kCaption), this), 0, 0, 1, 4);
        // Two columns of label and field.
        constexpr int kRows = (Logic::kFieldCount + 1) / 2;
        for (int i = 0; i < Logic::kFieldCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const int row = 1 + i % kRows;
            const int column = 2 * (i / kRows);
            grid->addWidget(new QLabel(QString::fromUtf8(Logic::kLabels[at]), this), row, column);
            fields_[at] = new QLineEdit(this);
            fields_[at]->setObjectName(QString::number(Logic::kFirstControl + i));
            grid->addWidget(fields_[at], row, column + 1);
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
        grid->addWidget(standard, kRows + 1, 0);
        grid->addWidget(ok, kRows + 1, 2);
        grid->addWidget(cancel, kRows + 1, 3);
        connect(standard, &QPushButton::clicked, this, [this] { Fill(logic_.Standard()); });
        connect(ok, &QPushButton::clicked, this, [this] { accept(); });
        connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    }

    void accept() override {
        Logic::Fields typed;
        for (std::size_t i = 0; i < typed.size(); ++i)
            typed[i] = fields_[i]->text().toStdString();
        logic_.Accept(typed);
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
