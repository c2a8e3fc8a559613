// The drive dialog: the installation root chosen among the fixed disks, or
// typed; its OK button runs the checks of the dialog's logic.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <filesystem>
#include <optional>

#include "setup/drive_choice.h"

namespace korvo::setup {

class DriveDialog : public QDialog {
    Q_OBJECT
  public:
    DriveDialog(DriveChoice& choice, QWidget* parent);

    // The root accepted by OK.
    const std::optional<std::filesystem::path>& Chosen() const { return chosen_; }

  public slots:
    void accept() override;

  private:
    DriveChoice& choice_;
    QComboBox* drives_;
    std::optional<std::filesystem::path> chosen_;
};

}  // namespace korvo::setup
