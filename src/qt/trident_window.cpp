#include "qt/trident_window.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

namespace korvo::qt {

using TridentLogic = altcharts::TridentWindow;

TridentQWindow::TridentQWindow(const altcharts::ChartWindowContext& context,
                               const chart::ChartGeometry& mainGeometry, QWidget* parent)
    : ChartQWindow(std::make_unique<TridentLogic>(context), mainGeometry, parent) {
    QPushButton* redraw = AddButton(TridentLogic::kRedraw, TridentLogic::kRedrawText, 40);
    auto* labels = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i)
        AddRadio(*labels, TridentLogic::kFirstLabels + i, TridentLogic::kLabelTexts[i],
                 85 + 26 * i);
    Trident().Open();
    labels->button(Trident().CheckedLabels())->setChecked(true);

    connect(redraw, &QPushButton::clicked, this, [this] { Invalidate(); });
    connect(labels, &QButtonGroup::idClicked, this, [this](int id) {
        if (Trident().ChooseLabels(id)) Invalidate();
    });
}

}  // namespace korvo::qt
