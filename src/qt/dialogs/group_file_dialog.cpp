#include "qt/dialogs/group_file_dialog.h"

#include <QGridLayout>
#include <QRadioButton>

#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

GroupFileQDialog::GroupFileQDialog(Logic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
    SetUpDialog(*this, Logic::kName, Logic::kTitle);
    auto* grid = new QGridLayout(this);
    rows_ =
        AddListRows(*grid, 0,
                    {Logic::kFirstCodeControl, Logic::kFirstPathControl, Logic::kFirstBrowseControl,
                     Logic::kCodeColumn, Logic::kPathColumn, Logic::kBrowseLabel});
    ShowListRows(rows_, logic_.Rows());
    ConnectListRows(rows_,
                    {[this](int row, const std::string& text) { logic_.EditCode(row, text); },
                     [this](int row, const std::string& text) { logic_.EditPath(row, text); },
                     [this](int row) { return logic_.Browse(row); }},
                    [this]() -> const lists::ListRows& { return logic_.Rows(); });

    listGroup_ = new QButtonGroup(this);
    for (int list = 0; list < lists::kPortfolioCount; ++list) {
        auto* radio = new QRadioButton(QString::fromUtf8(Logic::kListLabels[list]), this);
        radio->setObjectName(QString::number(Logic::kFirstListControl + list));
        listGroup_->addButton(radio, list);
        grid->addWidget(radio, 1 + list, 3);
    }
    listGroup_->button(logic_.ListShown())->setChecked(true);
    connect(listGroup_, &QButtonGroup::idClicked, this, [this](int list) { ChooseList(list); });

    auto* update = NewButton(*this, Logic::kUpdateLabel, "9298");
    auto* clear = NewButton(*this, Logic::kClearLabel, "9299");
    const OkCancel buttons = NewOkCancel(*this);
    grid->addWidget(update, 5, 3);
    grid->addWidget(clear, 6, 3);
    grid->addWidget(buttons.ok, 8, 3);
    grid->addWidget(buttons.cancel, 9, 3);
    connect(update, &QPushButton::clicked, this, [this] { logic_.Update(); });
    connect(clear, &QPushButton::clicked, this, [this] {
        logic_.Clear();
        ShowListRows(rows_, logic_.Rows());
    });
}

void GroupFileQDialog::ChooseList(int list) {
    // A refused save keeps the list shown: its radio button goes back on.
    logic_.ChooseList(list);
    listGroup_->button(logic_.ListShown())->setChecked(true);
    ShowListRows(rows_, logic_.Rows());
}

void GroupFileQDialog::accept() {
    if (logic_.Accept()) QDialog::accept();
}

}  // namespace korvo::qt
