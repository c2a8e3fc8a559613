#include "qt/brick_window.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace korvo::qt {

using BrickLogic = altcharts::BrickWindow;

BrickQWindow::BrickQWindow(const altcharts::ChartWindowContext& context,
                           const chart::ChartGeometry& mainGeometry, QWidget* parent)
    : ChartQWindow(std::make_unique<BrickLogic>(context), mainGeometry, parent) {
    auto* labels = new QButtonGroup(this);
    auto* kinds = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i)
        AddRadio(*labels, BrickLogic::kFirstLabels + i, BrickLogic::kLabelTexts[i], 40 + 26 * i);
    AddRadio(*kinds, BrickLogic::kPercentMode, BrickLogic::kPercentModeText, 160);
    AddRadio(*kinds, BrickLogic::kAmountMode, BrickLogic::kAmountModeText, 190);
    const auto fields = Brick().Open();
    if (!fields) return;  // refused: the owner deletes the window unseen
    QLineEdit* percent = AddBox(BrickLogic::kPercentBox, fields->percent, 160);
    QLineEdit* amount = AddBox(BrickLogic::kAmountBox, fields->amount, 190);
    QPushButton* redraw = AddButton(BrickLogic::kRedraw, BrickLogic::kRedrawText, 235);
    labels->button(Brick().CheckedLabels())->setChecked(true);
    kinds->button(Brick().CheckedAmountKind())->setChecked(true);

    connect(labels, &QButtonGroup::idClicked, this, [this](int id) {
        if (Brick().ChooseLabels(id)) Invalidate();
    });
    connect(kinds, &QButtonGroup::idClicked, this,
            [this](int id) { Brick().ChooseAmountKind(id); });
    connect(redraw, &QPushButton::clicked, this, [this, percent, amount] {
        if (Brick().Redraw({percent->text().toStdString(), amount->text().toStdString()}))
            Invalidate();
    });
}

}  // namespace korvo::qt
