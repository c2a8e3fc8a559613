#include "setup/installer.h"

#include <gtest/gtest.h>

#include <deque>

#include "platform/scripted_prompts.h"
#include "setup/fake_menu.h"
#include "setup/group_command.h"
#include "setup/setup_texts.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;
using platform::Answer;

// The drive dialog answered from a queue: a root, or nullopt for Cancel.
class QueuedView : public SetupView {
  public:
    std::optional<fs::path> AskDrive() override {
        ++asked;
        if (answers.empty()) return std::nullopt;
        auto next = answers.front();
        answers.pop_front();
        return next;
    }
    void ShowBusy(bool busy) override { busyChanges.push_back(busy); }

    std::deque<std::optional<fs::path>> answers;
    int asked = 0;
    std::vector<bool> busyChanges;
};

class InstallerTest : public ::testing::Test {
  protected:
    InstallerTest() : withFiles_(dir_.Path() / "disk"), withoutFiles_(dir_.Path() / "other") {
        fs::create_directories(withFiles_ / "korvo");
        fs::create_directories(withoutFiles_);
        dir_.Write("disk/korvo/korvo.ips_", "settings");
        dir_.Write("disk/korvo/files80.dld", "1\nkorvo.ips_ korvo.ips\n");
    }

    InstallOutcome Run(MenuService* menu) {
        GroupConversation conversation(menu);
        return RunInstallation(view_, prompts_, conversation);
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& m : prompts_.Messages())
            captions.push_back(m.caption);
        return captions;
    }

    korvo::test::TempDir dir_;
    fs::path withFiles_;
    fs::path withoutFiles_;
    QueuedView view_;
    platform::ScriptedPrompts prompts_;
};

TEST_F(InstallerTest, AFinishedInstallationSendsTheGroupAndShowsTheCompletionBox) {
    test::FakeMenu menu(true);
    view_.answers = {withFiles_};
    EXPECT_EQ(Run(&menu), InstallOutcome::Finished);
    EXPECT_TRUE(fs::exists(withFiles_ / "korvo" / "korvo.ips"));
    ASSERT_EQ(menu.executed.size(), 1u);
    EXPECT_EQ(menu.executed[0], BuildGroupCommand((withFiles_ / "korvo").string()));
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, kCompletion);
    EXPECT_EQ(prompts_.Messages()[0].caption, "インストール終了");
    EXPECT_EQ(view_.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(InstallerTest, WithNoMenuSystemAnsweringTheInstallationStillFinishes) {
    for (bool noMenuAtAll : {false, true}) {
        SCOPED_TRACE(noMenuAtAll ? "no menu system" : "a menu system that does not answer");
        prompts_.Clear();
        fs::remove(withFiles_ / "korvo" / "korvo.ips");
        dir_.Write("disk/korvo/korvo.ips_", "settings");
        test::FakeMenu silent(false);
        view_.answers = {withFiles_};
        EXPECT_EQ(Run(noMenuAtAll ? nullptr : &silent), InstallOutcome::Finished);
        EXPECT_TRUE(silent.executed.empty());
        EXPECT_TRUE(fs::exists(withFiles_ / "korvo" / "korvo.ips"));
        EXPECT_EQ(Captions(), std::vector<std::string>{"インストール終了"});
    }
}

TEST_F(InstallerTest, WithoutAFileListTheDriveIsAskedForAgain) {
    test::FakeMenu menu(true);
    view_.answers = {withoutFiles_, withFiles_};
    prompts_.QueueAnswer(Answer::Ok);
    EXPECT_EQ(Run(&menu), InstallOutcome::Finished);
    EXPECT_EQ(view_.asked, 2);
    ASSERT_EQ(prompts_.Messages().size(), 3u);
    EXPECT_EQ(prompts_.Messages()[0].text, kFileListMissing);
    EXPECT_EQ(prompts_.Messages()[1].text, kAskForDrive);
    EXPECT_EQ(prompts_.Messages()[1].caption, kInstallErrorCaption);
    EXPECT_EQ(prompts_.Messages()[1].buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(prompts_.Messages()[2].caption, kCompletionCaption);
    ASSERT_EQ(menu.executed.size(), 1u);
    EXPECT_NE(menu.executed[0].find((withFiles_ / "korvo").string() + "\\korvo.exe"),
              std::string::npos);
}

TEST_F(InstallerTest, CancellingTheQuestionOrTheDriveDialogEndsWithoutAGroup) {
    test::FakeMenu menu(true);
    view_.answers = {withoutFiles_};
    prompts_.QueueAnswer(Answer::Cancel);
    EXPECT_EQ(Run(&menu), InstallOutcome::Cancelled);
    EXPECT_EQ(view_.asked, 1);
    EXPECT_EQ(Captions(),
              (std::vector<std::string>{kFileListMissingCaption, kInstallErrorCaption}));

    prompts_.Clear();
    view_.answers = {std::nullopt};
    EXPECT_EQ(Run(&menu), InstallOutcome::Cancelled);
    EXPECT_TRUE(prompts_.Messages().empty());
    EXPECT_TRUE(menu.executed.empty());
}

TEST_F(InstallerTest, AnyOtherFailureShowsTheAbortMessageAndEnds) {
    test::FakeMenu menu(true);
    fs::create_directory(withFiles_ / "korvo" / "korvo");
    view_.answers = {withFiles_, withFiles_};
    EXPECT_EQ(Run(&menu), InstallOutcome::Stopped);
    EXPECT_EQ(view_.asked, 1);
    ASSERT_EQ(prompts_.Messages().size(), 2u);
    EXPECT_EQ(prompts_.Messages()[0].text, kDoubledFolder);
    EXPECT_EQ(prompts_.Messages()[1].text,
              "インストール中止またはインストールファイルがありません。\n"
              "確認の後インストールを始めから行ってください！");
    EXPECT_EQ(prompts_.Messages()[1].caption, "インストールエラー");
    EXPECT_EQ(prompts_.Messages()[1].icon, platform::Icon::Stop);
    EXPECT_TRUE(menu.executed.empty());
}

}  // namespace
}  // namespace korvo::setup
