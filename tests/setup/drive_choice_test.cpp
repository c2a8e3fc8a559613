#include "setup/drive_choice.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompts.h"
#include "setup/fake_volumes.h"
#include "setup/setup_texts.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;

// A machine with a home folder on the system disk, a second disk, the three
// free-space edge cases, and one of each kind of disk that is refused.
class DriveChoiceTest : public ::testing::Test {
  protected:
    DriveChoiceTest() : root_(fs::canonical(dir_.Path())) {
        for (const char* name :
             {"home", "data", "exact", "short", "big", "cdrom", "nas", "stick", "ram", "data/sub"})
            fs::create_directories(root_ / name);
        volumes_.Mount("/dev/sda1", "/", "ext4");
        volumes_.Mount("/dev/sdb1", At("data"), "ext4");
        volumes_.Mount("/dev/sr0", At("cdrom"), "iso9660");
        volumes_.Mount("nas:/volume1", At("nas"), "nfs4");
        volumes_.Mount("/dev/sdc1", At("stick"), "vfat");
        volumes_.MarkRemovable("/dev/sdc1");
        volumes_.Mount("tmpfs", At("ram"), "tmpfs");
        volumes_.Mount("/dev/sdd1", At("exact"), "ext4", {234375, 128});  // 30 000 000 bytes
        volumes_.Mount("/dev/sdd2", At("short"), "ext4", {934375, 32});   // 29 900 000 bytes
        volumes_.Mount("/dev/sdd3", At("big"), "xfs", {1051017, 4096});   // 2^32 + 10 MB
    }

    std::string At(const char* name) const { return (root_ / name).string(); }
    DriveChoice Choice(const std::string& currentDirectory) {
        return DriveChoice(volumes_, prompts_, root_ / "home", currentDirectory);
    }

    korvo::test::TempDir dir_;
    fs::path root_;
    test::FakeVolumes volumes_;
    platform::ScriptedPrompts prompts_;
};

TEST_F(DriveChoiceTest, OffersTheFixedDisksWithTheHomeFolderAsItsDisksRoot) {
    const DriveChoice choice = Choice(At("data") + "/korvo");
    EXPECT_EQ(choice.Choices(), (std::vector<std::string>{At("home"), At("data"), At("exact"),
                                                          At("short"), At("big")}));
    EXPECT_EQ(choice.InitialText(), At("data"));
    EXPECT_EQ(Choice(At("home") + "/korvo").InitialText(), At("home"));
    EXPECT_EQ(Choice("/usr/local").InitialText(), At("home"));
}

TEST_F(DriveChoiceTest, OkAcceptsOnlyAnExistingFixedDiskWithThirtyMegabytesFree) {
    struct Case {
        std::string typed;
        std::string root;  // accepted root, empty when refused
        std::string message;
        std::string caption;
    };
    const std::string wrongType = kWrongDiskType;
    const Case cases[] = {
        {At("exact"), At("exact"), "", ""},
        {At("big"), At("big"), "", ""},
        {At("short"), "", kDiskFull, kErrorCaption},
        {At("cdrom"), "", wrongType, kWrongDiskTypeCaption},
        {At("nas"), "", wrongType, kWrongDiskTypeCaption},
        {At("stick"), "", wrongType, kWrongDiskTypeCaption},
        {At("ram"), "", wrongType, kWrongDiskTypeCaption},
        {At("nowhere"), "", FillIn(kDriveMissing, At("nowhere")), kDriveMissingCaption},
        {"", "", "指定したコピー先ドライブ   が存在しません。 \n", kDriveMissingCaption},
        {"data", "", FillIn(kDriveMissing, "data"), kDriveMissingCaption},
        {"  " + At("data") + " ", At("data"), "", ""},
        {At("data/sub"), At("data/sub"), "", ""},
        {"~", At("home"), "", ""},
        {"~/", At("home"), "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        prompts_.Clear();
        DriveChoice choice = Choice(At("data"));
        const auto root = choice.Accept(c.typed);
        EXPECT_EQ(root.value_or(fs::path()).string(), c.root);
        if (c.message.empty()) {
            EXPECT_TRUE(prompts_.Messages().empty());
        } else {
            ASSERT_EQ(prompts_.Messages().size(), 1u);
            EXPECT_EQ(prompts_.Messages()[0].text, c.message);
            EXPECT_EQ(prompts_.Messages()[0].caption, c.caption);
            EXPECT_EQ(prompts_.Messages()[0].buttons, platform::Buttons::Ok);
        }
    }
}

TEST_F(DriveChoiceTest, AFolderOnNoMountedFileSystemIsTheWrongDiskType) {
    test::FakeVolumes bare;
    bare.Mount("/dev/sdb1", At("data"), "ext4");
    DriveChoice choice(bare, prompts_, fs::path(), At("data"));
    EXPECT_FALSE(choice.Accept(At("home")).has_value());
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, kWrongDiskType);
    EXPECT_EQ(choice.Choices(), std::vector<std::string>{At("data")});
}

}  // namespace
}  // namespace korvo::setup
