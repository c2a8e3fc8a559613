#include "qt/dialogs/multi_chart_dialog.h"

#include <QGridLayout>
#include <QLabel>

#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

MultiChartQDialog::MultiChartQDialog(Logic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    SetUpDialog(*this, Logic::kName, Logic::kTitle);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8(Logic::kPathLabel), this), 0, 0);
    for (int k = 0; k < lists::kMaxMultiChartFiles; ++k) {
        const auto at = static_cast<std::size_t>(k);
        paths_[at] = NewBox(*this, Logic::kFirstPathControl + k, logic_.Files()[at]);
        paths_[at]->setMaxLength(static_cast<int>(lists::kMaxPathChars));
        paths_[at]->setMinimumWidth(420);
        const std::string name = std::to_string(Logic::kFirstBrowseControl + k);
        QPushButton* browse = NewButton(*this, Logic::kBrowseLabel, name.c_str());
        grid->addWidget(paths_[at], k + 1, 0);
        grid->addWidget(browse, k + 1, 1);
        connect(browse, &QPushButton::clicked, this, [this, k, at] {
            TakeTyped();
            if (logic_.Browse(k)) paths_[at]->setText(QString::fromStdString(logic_.Files()[at]));
        });
    }
    overlap_ = new QCheckBox(QString::fromUtf8(Logic::kOverlapLabel), this);
    overlap_->setObjectName(QString::number(Logic::kOverlapControl));
    overlap_->setChecked(logic_.Overlap());
    grid->addWidget(overlap_, 4, 0);
    const OkCancel buttons = NewOkCancel(*this);
    grid->addWidget(buttons.ok, 5, 0, Qt::AlignRight);
    grid->addWidget(buttons.cancel, 5, 1);
}

void MultiChartQDialog::TakeTyped() {
    for (int k = 0; k < lists::kMaxMultiChartFiles; ++k)
        logic_.SetPath(k, paths_[static_cast<std::size_t>(k)]->text().toStdString());
    logic_.SetOverlap(overlap_->isChecked());
}

void MultiChartQDialog::accept() {
    TakeTyped();
    if (logic_.Accept()) QDialog::accept();
}

}  // namespace korvo::qt
