// MULTICHART: the files of the multi-chart and the overlap mode. What the
// buttons do is lists::MultiChartDialog's; this class only lays out the
// controls, each named after its control id.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <array>

#include "lists/multi_chart_dialog.h"

namespace korvo::qt {

class MultiChartQDialog : public QDialog {
  public:
    using Logic = lists::MultiChartDialog;

    explicit MultiChartQDialog(Logic& logic, QWidget* parent = nullptr);

    // OK: closes only when a first file is given.
    void accept() override;

  private:
    void TakeTyped();

    Logic& logic_;
    std::array<QLineEdit*, lists::kMaxMultiChartFiles> paths_{};
    QCheckBox* overlap_ = nullptr;
};

}  // namespace korvo::qt
