#include "setup/installer.h"

#include "setup/install_files.h"
#include "setup/setup_texts.h"

namespace korvo::setup {

namespace {

// The files, with the wait cursor shown for as long as they take.
int InstallWithBusyCursor(SetupView& view, const std::filesystem::path& root,
                          platform::Prompts& prompts) {
    view.ShowBusy(true);
    const int result = CreateFolderAndInstallFiles(root, prompts);
    view.ShowBusy(false);
    return result;
}

bool AskForTheInstallationDrive(platform::Prompts& prompts) {
    return prompts.ShowMessage(kAskForDrive, kInstallErrorCaption, platform::Buttons::OkCancel,
                               platform::Icon::None) == platform::Answer::Ok;
}

}  // namespace

InstallOutcome RunInstallation(SetupView& view, platform::Prompts& prompts,
                               GroupConversation& conversation) {
    std::filesystem::path root;
    for (;;) {
        const auto chosen = view.AskDrive();
        if (!chosen) return InstallOutcome::Cancelled;
        root = *chosen;
        const int result = InstallWithBusyCursor(view, root, prompts);
        if (result > 0) break;
        if (result == kFileListNotFound) {
            if (AskForTheInstallationDrive(prompts)) continue;
            return InstallOutcome::Cancelled;
        }
        prompts.ShowMessage(kInstallAborted, kInstallErrorCaption, platform::Buttons::Ok,
                            platform::Icon::Stop);
        return InstallOutcome::Stopped;
    }
    conversation.CreateProgramGroup(InstallationFolder(root).string());
    prompts.ShowMessage(kCompletion, kCompletionCaption, platform::Buttons::Ok,
                        platform::Icon::Information);
    return InstallOutcome::Finished;
}

}  // namespace korvo::setup
