// RCIPARAMDLG: the RCI period with its spin arrows and the data set it ranks.
// What the controls do is indicators::RciParamDialog's; this class only lays
// them out, each named after its control id. Kept in the header so it needs
// no build step of its own.
#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "indicators/rci_param_dialog.h"
#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

class RciParamQDialog : public QDialog {
  public:
    using Logic = indicators::RciParamDialog;

    explicit RciParamQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, "RCIPARAMDLG", Logic::kTitle);
        auto* grid = new QGridLayout(this);
        period_ = NewBox(*this, Logic::kPeriodControl, logic_.Current());
        grid->addWidget(period_, 0, 0);
        auto* up = new QToolButton(this);
        up->setObjectName("801up");
        up->setArrowType(Qt::UpArrow);
        auto* down = new QToolButton(this);
        down->setObjectName("801down");
        down->setArrowType(Qt::DownArrow);
        grid->addWidget(up, 0, 1);
        grid->addWidget(down, 0, 2);

        auto* box = new QGroupBox(QString::fromUtf8(Logic::kDataSetGroup), this);
        auto* column = new QVBoxLayout(box);
        auto* group = new QButtonGroup(this);
        for (std::size_t i = 0; i < Logic::kDataSetLabels.size(); ++i) {
            const int id = Logic::kFirstDataSetControl + static_cast<int>(i);
            auto* radio = new QRadioButton(QString::fromUtf8(Logic::kDataSetLabels[i]), box);
            radio->setObjectName(QString::number(id));
            radio->setChecked(id == logic_.CheckedControl());
            group->addButton(radio, id);
            column->addWidget(radio);
        }
        grid->addWidget(box, 1, 0, 1, 3);

        const OkCancel buttons = NewOkCancel(*this);
        grid->addWidget(buttons.ok, 2, 0);
        grid->addWidget(buttons.cancel, 2, 1, 1, 2);

        connect(up, &QToolButton::clicked, this, [this] { StepBy(1); });
        connect(down, &QToolButton::clicked, this, [this] { StepBy(-1); });
        connect(group, &QButtonGroup::idClicked, this,
                [this](int id) { logic_.SelectDataSet(id); });
    }

    void accept() override {
        if (!logic_.Accept(period_->text().toStdString())) return;  // stays open after the warning
        QDialog::accept();
    }

  private:
    void StepBy(int delta) {
        period_->setText(QString::fromStdString(logic_.Step(period_->text().toStdString(), delta)));
    }

    Logic& logic_;
    QLineEdit* period_ = nullptr;
};

}  // namespace korvo::qt
