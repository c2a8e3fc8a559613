#include "qt/step_window.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace korvo::qt {

using StepLogic = altcharts::StepWindow;

StepQWindow::StepQWindow(const altcharts::ChartWindowContext& context,
                         const chart::ChartGeometry& mainGeometry, QWidget* parent)
    : ChartQWindow(std::make_unique<StepLogic>(context), mainGeometry, parent) {
    auto* labels = new QButtonGroup(this);
    auto* kinds = new QButtonGroup(this);
    AddRadio(*labels, StepLogic::kPriceLabels, StepLogic::kPriceLabelsText, 40);
    AddRadio(*labels, StepLogic::kSwitchLabels, StepLogic::kSwitchLabelsText, 66);
    AddRadio(*kinds, StepLogic::kPercentMode, StepLogic::kPercentModeText, 110);
    AddRadio(*kinds, StepLogic::kAmountMode, StepLogic::kAmountModeText, 140);
    const altcharts::AmountFields fields = Step().Open();
    QLineEdit* percent = AddBox(StepLogic::kPercentBox, fields.percent, 110);
    QLineEdit* amount = AddBox(StepLogic::kAmountBox, fields.amount, 140);
    QPushButton* redraw = AddButton(StepLogic::kRedraw, StepLogic::kRedrawText, 185);
    labels->button(Step().CheckedLabels())->setChecked(true);
    kinds->button(Step().CheckedAmountKind())->setChecked(true);

    connect(labels, &QButtonGroup::idClicked, this, [this](int id) {
        if (Step().ChooseLabels(id)) Invalidate();
    });
    connect(kinds, &QButtonGroup::idClicked, this, [this](int id) { Step().ChooseAmountKind(id); });
    connect(redraw, &QPushButton::clicked, this, [this, percent, amount] {
        if (Step().Redraw({percent->text().toStdString(), amount->text().toStdString()}))
            Invalidate();
    });
}

}  // namespace korvo::qt
