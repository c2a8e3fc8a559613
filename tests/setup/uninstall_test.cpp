#include "setup/uninstall.h"

#include <gtest/gtest.h>

#include "setup/fake_menu.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;

class UninstallTest : public ::testing::Test {
  protected:
    UninstallTest() : folder_(dir_.Path() / "korvo") {
        fs::create_directory(folder_);
        for (const char* name : {"korvo", "korvo.ips", "Manual_m.htm", "uninstal", "korvosetup"})
            dir_.Write(std::string("korvo/") + name, name);
        dir_.Write("korvo/files80.dld",
                   "3\nkorvo_ korvo\nkorvo.ips_ korvo.ips\nManual_m.htm_ Manual_m.htm\n");
    }

    korvo::test::TempDir dir_;
    fs::path folder_;
};

TEST_F(UninstallTest, RemovesTheGroupAndTheInstalledFilesAndThenTheEmptyFolder) {
    test::FakeMenu menu(true);
    const UninstallResult result = Uninstall(folder_, &menu);
    EXPECT_EQ(menu.executed, std::vector<std::string>{"[DeleteGroup(Orvane 8.0)]"});
    EXPECT_EQ(result.filesRemoved, 6);
    EXPECT_TRUE(result.folderRemoved);
    EXPECT_FALSE(fs::exists(folder_));
}

TEST_F(UninstallTest, TheUsersOwnFilesAndFoldersStay) {
    dir_.Write("korvo/toyota.stk", "the user's data");
    dir_.Write("korvo/Manual_m.htm_", "an archive an aborted installation left");
    fs::create_directory(folder_ / "korvo.ips_");  // not a file: not removed
    const UninstallResult result = Uninstall(folder_, nullptr);
    EXPECT_EQ(result.filesRemoved, 7);
    EXPECT_FALSE(result.folderRemoved);
    EXPECT_EQ(korvo::test::ReadFile(folder_ / "toyota.stk"), "the user's data");
    EXPECT_TRUE(fs::is_directory(folder_ / "korvo.ips_"));
    EXPECT_FALSE(fs::exists(folder_ / "korvo"));
    EXPECT_FALSE(fs::exists(folder_ / "files80.dld"));
}

TEST_F(UninstallTest, AMenuSystemThatDoesNotAnswerIsLeftAlone) {
    test::FakeMenu silent(false);
    EXPECT_TRUE(Uninstall(folder_, &silent).folderRemoved);
    EXPECT_TRUE(silent.executed.empty());
}

}  // namespace
}  // namespace korvo::setup
