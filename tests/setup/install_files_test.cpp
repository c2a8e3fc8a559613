#include "setup/install_files.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompts.h"
#include "setup/setup_texts.h"
#include "setup/szdd_compress.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;
using korvo::test::ReadFile;

const std::string kProgram = std::string(
                                 "\x7f"
                                 "ELF\x02\x01\x01",
                                 7) +
                             std::string(500, '\0');
const std::string kSettings = "16777215 0 255\r\n";
const std::string kPage = "<html><body>ヘルプ</body></html>\n";

// A root with the distribution folder korvo on it, as a user places it.
class InstallFilesTest : public ::testing::Test {
  protected:
    InstallFilesTest() : root_(dir_.Path()), folder_(root_ / "korvo") {
        fs::create_directory(folder_);
    }

    void Place(const std::string& name, const std::string& bytes) {
        dir_.Write("korvo/" + name, bytes);
    }
    void PlaceArchive(const std::string& name, const std::string& contents) {
        Place(name, SzddCompress(contents));
    }
    void PlaceStandardSet(const std::string& list) {
        PlaceArchive("korvo_", kProgram);
        PlaceArchive("korvo.ips_", kSettings);
        Place("Manual_m.htm_", kPage);  // an archive may also be stored plain
        Place("files80.dld", list);
    }
    bool Exists(const std::string& name) const { return fs::exists(folder_ / name); }
    int Install() { return CreateFolderAndInstallFiles(root_, prompts_); }
    void ExpectOneMessage(const std::string& text, const std::string& caption,
                          platform::Icon icon = platform::Icon::None) {
        ASSERT_EQ(prompts_.Messages().size(), 1u);
        EXPECT_EQ(prompts_.Messages()[0].text, text);
        EXPECT_EQ(prompts_.Messages()[0].caption, caption);
        EXPECT_EQ(prompts_.Messages()[0].icon, icon);
    }

    korvo::test::TempDir dir_;
    fs::path root_;
    fs::path folder_;
    platform::ScriptedPrompts prompts_;
};

const char* kStandardList = "3\nkorvo_ korvo\nkorvo.ips_ korvo.ips\nManual_m.htm_ Manual_m.htm\n";

TEST_F(InstallFilesTest, AnExistingFolderIsReusedAndEveryArchiveExpandedAndDeleted) {
    PlaceStandardSet(kStandardList);
    Place("mydata.stk", "the user's own file");
    EXPECT_EQ(Install(), 1);
    EXPECT_TRUE(prompts_.Messages().empty());
    EXPECT_EQ(ReadFile(folder_ / "korvo"), kProgram);
    EXPECT_EQ(ReadFile(folder_ / "korvo.ips"), kSettings);
    EXPECT_EQ(ReadFile(folder_ / "Manual_m.htm"), kPage);
    for (const char* archive : {"korvo_", "korvo.ips_", "Manual_m.htm_"})
        EXPECT_FALSE(Exists(archive)) << archive;
    EXPECT_TRUE(Exists("files80.dld"));
    EXPECT_EQ(ReadFile(folder_ / "mydata.stk"), "the user's own file");
}

TEST_F(InstallFilesTest, ProgramsBecomeRunnableAndOtherFilesDoNot) {
    PlaceStandardSet(kStandardList);
    PlaceArchive("uninstal_", "#!/bin/sh\nexit 0\n");
    Place(
        "files80.dld",
        "4\nkorvo_ korvo\nkorvo.ips_ korvo.ips\nManual_m.htm_ Manual_m.htm\nuninstal_ uninstal\n");
    ASSERT_EQ(Install(), 1);
    const auto runnable = [&](const char* name) {
        return (fs::status(folder_ / name).permissions() & fs::perms::owner_exec) !=
               fs::perms::none;
    };
    EXPECT_TRUE(runnable("korvo"));
    EXPECT_TRUE(runnable("uninstal"));
    EXPECT_FALSE(runnable("korvo.ips"));
    EXPECT_FALSE(runnable("Manual_m.htm"));
}

TEST_F(InstallFilesTest, TheHelpPagesOfEarlierVersionsAreRemoved) {
    PlaceStandardSet(kStandardList);
    for (const char* page : {"manuEg_c.htm", "manuEg_f.htm", "manuEg_m.htm", "manuEg_q.htm",
                             "manuEg_s.htm", "purchase.htm"})
        Place(page, "old");
    Place("manuEg_x.htm", "not one of them");
    EXPECT_EQ(Install(), 1);
    for (const char* page : {"manuEg_c.htm", "manuEg_f.htm", "manuEg_m.htm", "manuEg_q.htm",
                             "manuEg_s.htm", "purchase.htm"})
        EXPECT_FALSE(Exists(page)) << page;
    EXPECT_TRUE(Exists("manuEg_x.htm"));
}

TEST_F(InstallFilesTest, AMissingFolderIsCreatedBeforeTheListIsLookedFor) {
    fs::remove(folder_);
    EXPECT_EQ(Install(), kFileListNotFound);
    EXPECT_TRUE(fs::is_directory(folder_));
    ExpectOneMessage(kFileListMissing, kFileListMissingCaption);
}

TEST_F(InstallFilesTest, ADoubledFolderStopsBeforeAnythingIsTouched) {
    PlaceStandardSet(kStandardList);
    fs::create_directory(folder_ / "korvo");
    EXPECT_EQ(Install(), -1);
    ExpectOneMessage(kDoubledFolder, kErrorCaption);
    EXPECT_TRUE(Exists("korvo_"));
    EXPECT_FALSE(Exists("korvo.ips"));
}

TEST_F(InstallFilesTest, AFolderThatCannotBeMadeStops) {
    fs::remove(folder_);
    dir_.Write("korvo", "a file where the folder should be");
    EXPECT_EQ(Install(), -1);
    ExpectOneMessage(kFolderNotCreated, kErrorCaption);
    EXPECT_EQ(ReadFile(root_ / "korvo"), "a file where the folder should be");
}

TEST_F(InstallFilesTest, AMissingRootStopsWithoutAMessage) {
    EXPECT_EQ(CreateFolderAndInstallFiles(root_ / "gone", prompts_), -1);
    EXPECT_TRUE(prompts_.Messages().empty());
    EXPECT_FALSE(fs::exists(root_ / "gone"));
}

TEST_F(InstallFilesTest, ACountLargerThanTheEntriesStopsAfterTheEarlierOnesAreInstalled) {
    PlaceStandardSet("5\nkorvo_ korvo\nkorvo.ips_ korvo.ips\nManual_m.htm_ Manual_m.htm\n");
    EXPECT_EQ(Install(), -1);
    ExpectOneMessage(FillIn(kFileDamaged, "files80.dld"), kInstallErrorCaption,
                     platform::Icon::Stop);
    EXPECT_EQ(ReadFile(folder_ / "korvo"), kProgram);
    EXPECT_EQ(ReadFile(folder_ / "korvo.ips"), kSettings);
    EXPECT_EQ(ReadFile(folder_ / "Manual_m.htm"), kPage);
    EXPECT_FALSE(Exists("korvo_"));
}

TEST_F(InstallFilesTest, AnArchiveThatCannotBeExpandedStopsAndIsKept) {
    struct Case {
        const char* what;
        bool placeDamaged;  // false: the archive is missing altogether
    };
    for (const Case c : {Case{"damaged", true}, Case{"missing", false}}) {
        SCOPED_TRACE(c.what);
        prompts_.Clear();
        fs::remove_all(folder_);
        fs::create_directory(folder_);
        PlaceStandardSet(kStandardList);
        const std::string packed = SzddCompress(kSettings + std::string(2000, 'x'));
        const std::string truncated = packed.substr(0, packed.size() - 5);
        fs::remove(folder_ / "korvo.ips_");
        if (c.placeDamaged) Place("korvo.ips_", truncated);
        EXPECT_EQ(Install(), -1);
        ExpectOneMessage(FillIn(kFileDamaged, "korvo.ips_"), kInstallErrorCaption,
                         platform::Icon::Stop);
        EXPECT_EQ(ReadFile(folder_ / "korvo"), kProgram);  // the one before it
        EXPECT_FALSE(Exists("korvo.ips"));                 // no half-written file
        EXPECT_EQ(Exists("korvo.ips_"), c.placeDamaged);
        if (c.placeDamaged) {
            EXPECT_EQ(ReadFile(folder_ / "korvo.ips_"), truncated);
        }
        EXPECT_TRUE(Exists("Manual_m.htm_"));  // the one after it untouched
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()),
                  c.placeDamaged ? 4 : 3);  // no temporary files left behind
    }
}

TEST_F(InstallFilesTest, ANameReachingOutOfTheFolderStopsTheList) {
    PlaceStandardSet("2\nkorvo_ korvo\nkorvo.ips_ ../korvo.ips\n");
    EXPECT_EQ(Install(), -1);
    ExpectOneMessage(FillIn(kFileDamaged, "files80.dld"), kInstallErrorCaption,
                     platform::Icon::Stop);
    EXPECT_FALSE(fs::exists(root_ / "korvo.ips"));
    EXPECT_TRUE(Exists("korvo.ips_"));
}

TEST_F(InstallFilesTest, AnEntryThatIsItsOwnFinalFileIsExpandedInPlaceAndKept) {
    PlaceArchive("sample.stk", "compressed in place");
    Place("files80.dld", "1\nsample.stk sample.stk\n");
    EXPECT_EQ(Install(), 1);
    EXPECT_EQ(ReadFile(folder_ / "sample.stk"), "compressed in place");
}

TEST_F(InstallFilesTest, TheUsersSettingsSurviveAReinstallation) {
    PlaceStandardSet(kStandardList);
    Place("korvo.ips", "the user's colours");
    Place("korvo", "an older program");
    EXPECT_EQ(Install(), 1);
    EXPECT_EQ(ReadFile(folder_ / "korvo.ips"), "the user's colours");
    EXPECT_EQ(ReadFile(folder_ / "korvo"), kProgram);
    EXPECT_FALSE(Exists("korvo.ips_"));
}

}  // namespace
}  // namespace korvo::setup
