#include "setup/desktop_menu.h"

#include <gtest/gtest.h>

#include "setup/desktop_entry.h"
#include "setup/group_command.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;
using korvo::test::ReadFile;

// An installed folder and the user's menu folders, in one scratch home.
class DesktopMenuTest : public ::testing::Test {
  protected:
    DesktopMenuTest() : home_(dir_.Path()), folder_(home_ / "My korvo") {
        fs::create_directories(folder_);
        WriteProgram("korvo");
        WriteProgram("uninstal");
        dir_.Write("My korvo/korvo.png", "png");
        dir_.Write("My korvo/Manual_m.htm", "<html></html>");
    }

    void WriteProgram(const std::string& name) {
        dir_.Write("My korvo/" + name, "#!/bin/sh\n");
        fs::permissions(folder_ / name, fs::perms::owner_all);
    }
    MenuPlaces Places() const { return *MenuPlacesFrom(nullptr, nullptr, home_.c_str()); }
    fs::path Applications() const { return Places().applications; }

    korvo::test::TempDir dir_;
    fs::path home_;
    fs::path folder_;
};

TEST_F(DesktopMenuTest, TheGroupBecomesASubmenuWithOneEntryPerItem) {
    FreedesktopMenu menu(Places());
    ASSERT_TRUE(menu.Answers());
    EXPECT_TRUE(menu.Execute(BuildGroupCommand(folder_.string())));

    const std::string f = folder_.string();
    EXPECT_EQ(ReadFile(Applications() / "orvane-8-0-korvo.desktop"),
              "[Desktop Entry]\nType=Application\nName=Korvo ﾁｬｰﾄ\n"
              "Exec=\"" +
                  f + "/korvo\"\nPath=" + f + "\nIcon=" + f +
                  "/korvo.png\n"
                  "Terminal=false\nCategories=X-Orvane-8-0;\n");
    EXPECT_EQ(ReadFile(Applications() / "orvane-8-0-manual-m.desktop"),
              "[Desktop Entry]\nType=Application\nName=ﾍﾙﾌﾟQ&A\n"
              "Exec=xdg-open \"" +
                  f + "/Manual_m.htm\"\nPath=" + f +
                  "\nIcon=text-html\n"
                  "Terminal=false\nCategories=X-Orvane-8-0;\n");
    EXPECT_NE(ReadFile(Applications() / "orvane-8-0-uninstal.desktop")
                  .find("Name=Uninstall\nExec=\"" + f + "/uninstal\"\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile(home_ / ".local/share/desktop-directories/orvane-8-0.directory"),
              "[Desktop Entry]\nType=Directory\nName=Orvane 8.0\n");
    const std::string merged =
        ReadFile(home_ / ".config/menus/applications-merged/orvane-8-0.menu");
    EXPECT_NE(merged.find("<Name>Orvane 8.0</Name>"), std::string::npos);
    EXPECT_NE(merged.find("<Directory>orvane-8-0.directory</Directory>"), std::string::npos);
    EXPECT_NE(merged.find("<Category>X-Orvane-8-0</Category>"), std::string::npos);
}

TEST_F(DesktopMenuTest, DeletingTheGroupRemovesOnlyItsOwnEntries) {
    FreedesktopMenu menu(Places());
    ASSERT_TRUE(menu.Answers());
    dir_.Write(".local/share/applications/orvane-8-0-old.desktop", "from an older installation");
    dir_.Write(".local/share/applications/other.desktop", "someone else's");
    dir_.Write(".local/share/applications/orvane-8-0-notes.txt", "not an entry");
    EXPECT_TRUE(menu.Execute(BuildGroupCommand(folder_.string())));
    EXPECT_FALSE(fs::exists(Applications() / "orvane-8-0-old.desktop"));
    EXPECT_TRUE(fs::exists(Applications() / "other.desktop"));
    EXPECT_TRUE(fs::exists(Applications() / "orvane-8-0-notes.txt"));

    EXPECT_TRUE(menu.Execute("[DeleteGroup(Orvane 8.0)]"));
    EXPECT_FALSE(fs::exists(Applications() / "orvane-8-0-korvo.desktop"));
    EXPECT_FALSE(fs::exists(home_ / ".config/menus/applications-merged/orvane-8-0.menu"));
    EXPECT_TRUE(fs::exists(Applications() / "other.desktop"));
}

TEST_F(DesktopMenuTest, AnItemWhoseFileIsMissingIsLeftOutAndTheRestIsMade) {
    fs::remove(folder_ / "uninstal");
    FreedesktopMenu menu(Places());
    ASSERT_TRUE(menu.Answers());
    EXPECT_FALSE(menu.Execute(BuildGroupCommand(folder_.string())));
    EXPECT_TRUE(fs::exists(Applications() / "orvane-8-0-korvo.desktop"));
    EXPECT_TRUE(fs::exists(Applications() / "orvane-8-0-manual-m.desktop"));
    EXPECT_FALSE(fs::exists(Applications() / "orvane-8-0-uninstal.desktop"));
}

TEST_F(DesktopMenuTest, ItemsNeedAGroupAndUnknownCommandsAreRefused) {
    FreedesktopMenu menu(Places());
    ASSERT_TRUE(menu.Answers());
    EXPECT_FALSE(menu.Execute("[AddItem(" + folder_.string() + "\\korvo.exe, Korvo)]"));
    EXPECT_FALSE(menu.Execute("[Reload()]"));
    EXPECT_TRUE(fs::is_empty(Applications()));
}

TEST_F(DesktopMenuTest, NoMenuSystemAnswersWhereNoEntryCanBeWritten) {
    dir_.Write("blocked", "a file where the data folder would be");
    FreedesktopMenu menu(*MenuPlacesFrom((home_ / "blocked").c_str(), nullptr, home_.c_str()));
    EXPECT_FALSE(menu.Answers());
}

TEST_F(DesktopMenuTest, ItemFilesAreFoundWhateverTheCaseAndWithoutExe) {
    const std::string f = folder_.string();
    struct Case {
        std::string commandLine;
        std::string found;  // empty: none
    };
    const Case cases[] = {
        {f + "\\korvo.exe", f + "/korvo"},
        {f + "\\KORVO.EXE", f + "/korvo"},
        {f + "\\manual_m.htm", f + "/Manual_m.htm"},
        {f + "\\uninstal.exe", f + "/uninstal"},
        {f + "/korvo.png", f + "/korvo.png"},
        {f + "\\missing.exe", ""},
        {f + "\\", ""},
        {"relative\\korvo.exe", ""},
        {f + "/nowhere\\korvo.exe", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(ResolveItemFile(c.commandLine).value_or(fs::path()).string(), c.found);
    }
}

TEST(MenuPlaces, TheXdgFoldersWinOverHomeWhenTheyAreAbsolute) {
    struct Case {
        const char* dataHome;
        const char* configHome;
        const char* home;
        const char* applications;  // nullptr: no places
        const char* merged;
    };
    const Case cases[] = {
        {nullptr, nullptr, "/h", "/h/.local/share/applications",
         "/h/.config/menus/applications-merged"},
        {"/d", "/c", "/h", "/d/applications", "/c/menus/applications-merged"},
        {"rel", "", "/h", "/h/.local/share/applications", "/h/.config/menus/applications-merged"},
        {"/d", "/c", nullptr, "/d/applications", "/c/menus/applications-merged"},
        {"/d", nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, "relative", nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.home ? c.home : "(no home)") + " " +
                     (c.dataHome ? c.dataHome : "-"));
        const auto places = MenuPlacesFrom(c.dataHome, c.configHome, c.home);
        ASSERT_EQ(places.has_value(), c.applications != nullptr);
        if (!places) continue;
        EXPECT_EQ(places->applications, c.applications);
        EXPECT_EQ(places->mergedMenus, c.merged);
    }
}

TEST(DesktopEntry, CommandArgumentsAndValuesAreQuotedAndEscaped) {
    struct Case {
        const char* argument;
        const char* quoted;
    };
    const Case cases[] = {
        {"/opt/korvo/korvo", "/opt/korvo/korvo"},
        {"/home/a b/korvo", "\"/home/a b/korvo\""},
        {"/x/it's", "\"/x/it's\""},
        {"/x/say \"hi\"", "\"/x/say \\\"hi\\\"\""},
        {"/x/$HOME/`id`", "\"/x/\\$HOME/\\`id\\`\""},
        {"/x/back\\slash", "\"/x/back\\\\slash\""},
        {"/x/100%", "/x/100%%"},
        {"", "\"\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QuoteExecArgument(c.argument), c.quoted) << c.argument;
    EXPECT_EQ(EscapeValue("a\\b\nc\td\re"), "a\\\\b\\nc\\td\\re");
    // A backslash in a quoted argument ends up as four in the file.
    DesktopItem item{"N", {"/x\\y"}, "", "", "X-G"};
    EXPECT_NE(DesktopEntryText(item).find("Exec=\"/x\\\\\\\\y\"\n"), std::string::npos);
    EXPECT_EQ(GroupId("Orvane 8.0"), "orvane-8-0");
    EXPECT_EQ(GroupCategory("Orvane 8.0"), "X-Orvane-8-0");
    EXPECT_NE(MergedMenuText("A & <B>").find("<Name>A &amp; &lt;B&gt;</Name>"), std::string::npos);
}

}  // namespace
}  // namespace korvo::setup
