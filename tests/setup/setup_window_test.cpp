#include "setup/window/setup_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenuBar>

#include "platform/scripted_prompts.h"
#include "setup/fake_volumes.h"
#include "setup/setup_texts.h"
#include "setup/window/drive_dialog.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;

class SetupWindowTest : public ::testing::Test {
  protected:
    SetupWindowTest() : root_(fs::canonical(dir_.Path())) {
        fs::create_directories(root_ / "disk");
        fs::create_directories(root_ / "cdrom");
        volumes_.Mount("/dev/sda1", "/", "ext4");
        volumes_.Mount("/dev/sdb1", (root_ / "disk").string(), "ext4");
        volumes_.Mount("/dev/sr0", (root_ / "cdrom").string(), "iso9660");
        environment_.home = root_.string();
        environment_.currentDirectory = root_ / "disk";
    }

    korvo::test::TempDir dir_;
    fs::path root_;
    test::FakeVolumes volumes_;
    SetupEnvironment environment_;
    platform::ScriptedPrompts prompts_;
};

TEST_F(SetupWindowTest, TheWindowCarriesItsCaptionAndTheTwoCommandsOfMenu1) {
    SetupSession session(environment_, volumes_, prompts_);
    SetupWindow window(session, prompts_);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Korvo インストールプログラム"));
    const QList<QAction*> actions = window.menuBar()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->objectName(), "301");
    EXPECT_EQ(actions[0]->text(), QString::fromUtf8(kMenuCancel));
    EXPECT_EQ(actions[1]->objectName(), "121");
    EXPECT_EQ(actions[1]->text(), QString::fromUtf8(kMenuInstall));
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(SetupWindowTest, TheDriveDialogStaysOpenUntilAnAcceptableDriveIsGiven) {
    SetupSession session(environment_, volumes_, prompts_);
    DriveChoice choice = session.MakeDriveChoice(prompts_);
    DriveDialog dialog(choice, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("インストールドライブの確認"));
    auto* drives = dialog.findChild<QComboBox*>("130");
    ASSERT_NE(drives, nullptr);
    ASSERT_EQ(drives->count(), 2);
    EXPECT_EQ(drives->itemText(0).toStdString(), root_.string());
    EXPECT_EQ(drives->itemText(1).toStdString(), (root_ / "disk").string());
    EXPECT_EQ(drives->currentText().toStdString(), (root_ / "disk").string());

    drives->setEditText(QString::fromStdString((root_ / "cdrom").string()));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.Chosen().has_value());
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].caption, "警告");

    drives->setCurrentIndex(0);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Chosen(), root_);
}

}  // namespace
}  // namespace korvo::setup
