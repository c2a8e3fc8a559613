#include "qt/dialogs/portfolio_picker_dialog.h"

#include <QGridLayout>
#include <QRadioButton>

#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

PortfolioPickerQDialog::PortfolioPickerQDialog(Logic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    SetUpDialog(*this, Logic::kName, Logic::kTitle);
    auto* grid = new QGridLayout(this);
    auto* picks = new QButtonGroup(this);
    for (int row = 0; row < lists::kMaxPortfolioEntries; ++row) {
        auto* radio = new QRadioButton(this);
        radio->setObjectName(QString::number(Logic::RadioControl(row)));
        picks->addButton(radio, row);
        grid->addWidget(radio, row + 1, 0);
    }
    picks->button(logic_.PickedRow())->setChecked(true);
    connect(picks, &QButtonGroup::idClicked, this, [this](int row) { logic_.Pick(row); });

    rows_ =
        AddListRows(*grid, 1,
                    {Logic::kFirstCodeControl, Logic::kFirstPathControl, Logic::kFirstBrowseControl,
                     Logic::kCodeColumn, Logic::kPathColumn, Logic::kBrowseLabel});
    ShowListRows(rows_, logic_.Rows());
    ConnectListRows(rows_,
                    {[this](int row, const std::string& text) { logic_.EditCode(row, text); },
                     [this](int row, const std::string& text) { logic_.EditPath(row, text); },
                     [this](int row) { return logic_.Browse(row); }},
                    [this]() -> const lists::ListRows& { return logic_.Rows(); });

    auto* clear = NewButton(*this, Logic::kClearLabel, "9299");
    const OkCancel buttons = NewOkCancel(*this);
    grid->addWidget(clear, 1, 4);
    grid->addWidget(buttons.ok, 3, 4);
    grid->addWidget(buttons.cancel, 4, 4);
    connect(clear, &QPushButton::clicked, this, [this] {
        logic_.Clear();
        ShowListRows(rows_, logic_.Rows());
    });
}

void PortfolioPickerQDialog::accept() {
    if (logic_.Accept()) QDialog::accept();
}

}  // namespace korvo::qt
