// FILEREGIST: the portfolio picker. What the buttons do is
// lists::PortfolioPicker's; this class only lays out the controls, each named
// after its control id, and passes on what the user types.
#pragma once

#include <QButtonGroup>
#include <QDialog>

#include "lists/portfolio_picker.h"
#include "qt/dialogs/list_rows_layout.h"

namespace korvo::qt {

class PortfolioPickerQDialog : public QDialog {
  public:
    using Logic = lists::PortfolioPicker;

    // The logic has been opened (its rows filled) by the caller.
    explicit PortfolioPickerQDialog(Logic& logic, QWidget* parent = nullptr);

    // OK: closes only when the row chosen names a data file.
    void accept() override;

  private:
    Logic& logic_;
    ListRowControls rows_;
};

}  // namespace korvo::qt
