#include "setup/unattended.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/scripted_prompts.h"
#include "setup/fake_volumes.h"
#include "setup/setup_texts.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;

class UnattendedTest : public ::testing::Test {
  protected:
    UnattendedTest() : root_(fs::canonical(dir_.Path())) {
        fs::create_directories(root_ / "korvo");
        dir_.Write("korvo/korvo.ips_", "settings");
        dir_.Write("korvo/files80.dld", "1\nkorvo.ips_ korvo.ips\n");
        volumes_.Mount("/dev/sda1", "/", "ext4");
        environment_.home = root_.string();
        environment_.currentDirectory = root_ / "korvo";
    }

    korvo::test::TempDir dir_;
    fs::path root_;
    test::FakeVolumes volumes_;
    SetupEnvironment environment_;
};

TEST_F(UnattendedTest, InstallsIntoTheRootAndMakesTheGroupInTheGivenHome) {
    std::ostringstream messages;
    EXPECT_EQ(RunUnattended(root_, environment_, volumes_, messages), 0);
    EXPECT_EQ(messages.str(), "[インストール終了] " + std::string(kCompletion) + "\n");
    EXPECT_TRUE(fs::exists(root_ / "korvo" / "korvo.ips"));
    EXPECT_TRUE(fs::exists(root_ / ".local/share/desktop-directories/orvane-8-0.directory"));
    EXPECT_TRUE(fs::exists(root_ / ".config/menus/applications-merged/orvane-8-0.menu"));
}

TEST_F(UnattendedTest, ARefusedDriveEndsTheRunWithTheRefusalPrinted) {
    volumes_.Mount("/dev/sr0", root_.string(), "iso9660");
    std::ostringstream messages;
    EXPECT_EQ(RunUnattended(root_, environment_, volumes_, messages), 1);
    EXPECT_EQ(messages.str(), "[警告] ハードデイスクタイプが違います!\n");
    EXPECT_FALSE(fs::exists(root_ / "korvo" / "korvo.ips"));
}

TEST_F(UnattendedTest, WithNoPlaceForMenusTheUserIsToldAndTheInstallationFinishes) {
    environment_.home.reset();
    std::ostringstream messages;
    EXPECT_EQ(RunUnattended(root_, environment_, volumes_, messages), 0);
    EXPECT_EQ(messages.str(),
              "[メッセージ]  プログラムアイコンメニューが生成されませんでした。\n"
              "[インストール終了] " +
                  std::string(kCompletion) + "\n");
    EXPECT_TRUE(fs::exists(root_ / "korvo" / "korvo.ips"));
    EXPECT_FALSE(fs::exists(root_ / ".local"));
}

TEST_F(UnattendedTest, WithAMenuSystemThatDoesNotAnswerTheInstallationFinishesSilently) {
    dir_.Write("data-home", "a file where the data folder would be");
    environment_.dataHome = (root_ / "data-home").string();
    std::ostringstream messages;
    EXPECT_EQ(RunUnattended(root_, environment_, volumes_, messages), 0);
    EXPECT_EQ(messages.str(), "[インストール終了] " + std::string(kCompletion) + "\n");
    EXPECT_FALSE(fs::exists(root_ / ".config/menus"));
}

}  // namespace
}  // namespace korvo::setup
