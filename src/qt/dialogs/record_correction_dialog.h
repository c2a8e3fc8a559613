// DATACORREC: one faulty record of a load, corrected by the user. What OK
// checks is data::RecordCorrection's; this class only lays out the controls,
// each named after its control id. Kept in the header so it needs no build
// step of its own.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <array>

#include "data/record_correction.h"
#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

class RecordCorrectionQDialog : public QDialog {
  public:
    using Logic = data::RecordCorrection;

    explicit RecordCorrectionQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, Logic::kName, Logic::kTitle);
        auto* grid = new QGridLayout(this);
        static constexpr const char* kLabels[Logic::kFieldCount] = {
            "年", "月", "日", "始値", "高値", "安値", "終値", "出来高"};
        for (int i = 0; i < Logic::kFieldCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            boxes_[at] = AddLabelledBox(*grid, i, kLabels[i], Logic::kFirstControl + i,
                                        logic_.Initial()[at]);
            boxes_[at]->setMaxLength(static_cast<int>(Logic::kMaxNumberText));
        }
        const OkCancel buttons = NewOkCancel(*this);
        grid->addWidget(buttons.ok, Logic::kFieldCount, 0);
        grid->addWidget(buttons.cancel, Logic::kFieldCount, 1);
    }

    void accept() override {
        if (!logic_.Accept(Texts(boxes_))) return;  // the message was shown; the dialog stays
        QDialog::accept();
    }

  private:
    Logic& logic_;
    std::array<QLineEdit*, Logic::kFieldCount> boxes_{};
};

}  // namespace korvo::qt
