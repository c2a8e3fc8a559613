#include "setup/group_command.h"

#include <gtest/gtest.h>

namespace korvo::setup {
namespace {

TEST(GroupCommand, TheExecuteStringNamesTheFolderInAllThreeItems) {
    EXPECT_EQ(BuildGroupCommand("/home/user/korvo"),
              "[DeleteGroup(Orvane 8.0)][CreateGroup(Orvane 8.0)][ShowGroup(Orvane 8.0, 6)]"
              "[AddItem(/home/user/korvo\\korvo.exe, Korvo ﾁｬｰﾄ)]"
              "[AddItem(/home/user/korvo\\manual_m.htm, ﾍﾙﾌﾟQ&A)]"
              "[AddItem(/home/user/korvo\\uninstal.exe, Uninstall)]");
}

TEST(GroupCommand, AFolderOfAnyLengthIsKeptWhole) {
    const std::string folder = "/" + std::string(1200, 'd') + "/korvo";
    const auto commands = ParseGroupCommands(BuildGroupCommand(folder));
    ASSERT_EQ(commands.size(), 6u);
    EXPECT_EQ(commands[5].args[0], folder + "\\uninstal.exe");
}

TEST(GroupCommand, ReadsEachCommandWithItsArguments) {
    for (const char* folder : {"/home/user/korvo", "/home/a, b/korvo", "/mnt/x)]y/korvo",
                               "/mnt/[disk] (2)/korvo", "/home/user/My Files/korvo"}) {
        SCOPED_TRACE(folder);
        const std::string f = folder;
        const std::vector<GroupCommand> expected = {
            {"DeleteGroup", {"Orvane 8.0"}},
            {"CreateGroup", {"Orvane 8.0"}},
            {"ShowGroup", {"Orvane 8.0", "6"}},
            {"AddItem", {f + "\\korvo.exe", "Korvo ﾁｬｰﾄ"}},
            {"AddItem", {f + "\\manual_m.htm", "ﾍﾙﾌﾟQ&A"}},
            {"AddItem", {f + "\\uninstal.exe", "Uninstall"}},
        };
        EXPECT_EQ(ParseGroupCommands(BuildGroupCommand(f)), expected);
    }
}

TEST(GroupCommand, QuotedArgumentsAndBlanksBetweenCommandsAreReadAsAShellWould) {
    EXPECT_EQ(ParseGroupCommands(" [AddItem(\"/a b\\x.exe\", \"Name\")]  [ShowGroup( G ,1 )] "),
              (std::vector<GroupCommand>{{"AddItem", {"/a b\\x.exe", "Name"}},
                                         {"ShowGroup", {"G", "1"}}}));
    EXPECT_TRUE(ParseGroupCommands("").empty());
    EXPECT_TRUE(ParseGroupCommands("[CreateGroup(unclosed").empty());
}

}  // namespace
}  // namespace korvo::setup
