#include "setup/unattended.h"

#include <ostream>

#include "platform/scripted_prompts.h"
#include "setup/installer.h"

namespace korvo::setup {

namespace {

// The drive dialog as a user answers it who types `root` and presses OK once.
class AnsweredDriveView : public SetupView {
  public:
    AnsweredDriveView(DriveChoice choice, std::filesystem::path root)
        : choice_(std::move(choice)), root_(std::move(root)) {}

    std::optional<std::filesystem::path> AskDrive() override {
        if (asked_) return std::nullopt;
        asked_ = true;
        return choice_.Accept(root_.string());
    }
    void ShowBusy(bool) override {}

  private:
    DriveChoice choice_;
    std::filesystem::path root_;
    bool asked_ = false;
};

}  // namespace

int RunUnattended(const std::filesystem::path& root, const SetupEnvironment& environment,
                  VolumeQueries& volumes, std::ostream& messages) {
    platform::ScriptedPrompts prompts;
    prompts.OnMessage([&messages](const platform::RecordedMessage& m) {
        messages << '[' << m.caption << "] " << m.text << '\n';
    });
    SetupSession session(environment, volumes, prompts);
    AnsweredDriveView view(session.MakeDriveChoice(prompts), root);
    const InstallOutcome outcome = RunInstallation(view, prompts, session.Conversation());
    return outcome == InstallOutcome::Finished ? 0 : 1;
}

}  // namespace korvo::setup
