#include "setup/window/qt_setup_view.h"

#include <QGuiApplication>

#include "setup/window/drive_dialog.h"

namespace korvo::setup {

std::optional<std::filesystem::path> QtSetupView::AskDrive() {
    DriveChoice choice = session_.MakeDriveChoice(prompts_);
    DriveDialog dialog(choice, owner_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

void QtSetupView::ShowBusy(bool busy) {
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace korvo::setup
