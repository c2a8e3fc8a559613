// The group file editor as the user works it: the save checks in row order,
// switching lists, and what reaches the file and the group tables.
#include <gtest/gtest.h>

#include "lists/lists_fixture.h"
#include "support/file_size_limit.h"

namespace korvo::lists::testing {
namespace {

class GroupFileDialogTest : public ListsFixture {
  protected:
    GroupFileDialog Opened() {
        GroupFileDialog dialog(lists, dir.Path(), prompts);
        dialog.Open();
        return dialog;
    }
};

TEST_F(GroupFileDialogTest, OpensOnTheListShownLastWithItsRows) {
    WriteList(1, {{"7203", "/d/toyota.stk"}, {"6758", "/d/My Data/sony.stk"}});
    for (int shown : {1, 7, -1}) {
        SCOPED_TRACE(shown);
        lists.listShown = shown;
        GroupFileDialog dialog = Opened();
        if (shown == 1) {
            EXPECT_EQ(dialog.ListShown(), 1);
            EXPECT_EQ(dialog.Rows()[1], (PortfolioEntry{"6758", "/d/My Data/sony.stk"}));
            EXPECT_TRUE(dialog.Rows()[2].code.empty());
        } else {
            // Not a list: the first, which has no file yet, so the rows stay empty.
            EXPECT_EQ(dialog.ListShown(), 0);
            EXPECT_EQ(dialog.Rows()[0], PortfolioEntry{});
        }
        EXPECT_FALSE(dialog.Changed());
    }
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(GroupFileDialogTest, ARowWithOnlyOneItemStopsTheSaveAndWritesNothing) {
    const std::vector<PortfolioEntry> before = {{"A", "/a.stk"}, {"B", "/b.stk"}};
    struct Case {
        const char* name;
        PortfolioEntry row2;
        std::string text;
    };
    const Case cases[] = {
        {"code without path", {"9984", ""}, "2 行目　9984  ファイル名が未記入です！"},
        {"path without code", {"", "/d/x.stk"}, "2 行目　/d/x.stk 銘柄コードが未記入です！"},
        {"item too long",
         {std::string(64, 'C'), "/d/x.stk"},
         std::string("2 行目　").append(64, 'C').append(" 文字数が多すぎます！")},
        {"no shift-jis form",
         {"E", "/d/\xF0\x9F\x98\x80.stk"},
         "2 行目　E 使用できない文字があります！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteList(0, before);
        const std::string bytes = ListBytes(0);
        lists.group.entries = {{"G", "/g.stk"}};
        prompts.Clear();
        GroupFileDialog dialog = Opened();
        dialog.EditCode(1, c.row2.code);
        dialog.EditPath(1, c.row2.path);
        // A later faulty row is not reached: the first fault stops the walk.
        dialog.EditCode(5, "LATER");
        EXPECT_FALSE(dialog.Accept());
        ASSERT_EQ(prompts.Messages().size(), 1u);
        EXPECT_EQ(prompts.Messages()[0].caption, "警告");
        EXPECT_EQ(prompts.Messages()[0].text, c.text);
        EXPECT_EQ(ListBytes(0), bytes);
        EXPECT_EQ(lists.group.entries, (std::vector<PortfolioEntry>{{"G", "/g.stk"}}));
        EXPECT_TRUE(dialog.Changed());
    }
}

TEST_F(GroupFileDialogTest, OkWritesTheFilledRowsInOrderInUpperCaseAsTheGroup) {
    GroupFileDialog dialog = Opened();
    dialog.EditCode(0, "ibm");
    dialog.EditPath(0, "/us/ibm.stk");
    dialog.EditCode(3, "7203");
    dialog.EditPath(3, "/jp/My Data/toyota.stk");
    prompts.QueueFile("/jp/sony.stk");
    dialog.EditCode(19, "6758");
    EXPECT_TRUE(dialog.Browse(19));
    ASSERT_TRUE(dialog.Accept());
    const std::vector<PortfolioEntry> want = {
        {"IBM", "/us/ibm.stk"}, {"7203", "/jp/My Data/toyota.stk"}, {"6758", "/jp/sony.stk"}};
    EXPECT_EQ(ListBytes(0),
              "3\nIBM   /us/ibm.stk \n7203   /jp/My%20Data/toyota.stk \n"
              "6758   /jp/sony.stk \n");
    EXPECT_EQ(lists.group.entries, want);
    EXPECT_EQ(lists.group.Count(), 3);
    ASSERT_EQ(prompts.FileRequests().size(), 1u);
    EXPECT_EQ(prompts.FileRequests()[0].filters[0].label, "Data Files(*.stk)");
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(GroupFileDialogTest, SwitchingListsAfterAnEditSavesTheFirstListFirst) {
    WriteList(0, {{"A", "/a.stk"}});
    WriteList(1, {{"B", "/b.stk"}, {"C", "/c.stk"}});
    GroupFileDialog dialog = Opened();
    dialog.EditCode(1, "new");
    dialog.EditPath(1, "/new.stk");
    ASSERT_TRUE(dialog.ChooseList(1));
    EXPECT_EQ(ListBytes(0), "2\nA   /a.stk \nNEW   /new.stk \n");
    EXPECT_EQ(lists.group.entries,
              (std::vector<PortfolioEntry>{{"A", "/a.stk"}, {"NEW", "/new.stk"}}));
    EXPECT_EQ(lists.listShown, 1);
    EXPECT_EQ(dialog.Rows()[1], (PortfolioEntry{"C", "/c.stk"}));
    EXPECT_FALSE(dialog.Changed());

    // Without a change nothing is written on the way to the third list, and
    // "更新" counts as a change.
    const std::string second = ListBytes(1);
    ASSERT_TRUE(dialog.ChooseList(2));
    EXPECT_EQ(ListBytes(1), second);
    EXPECT_FALSE(std::filesystem::exists(ListPath(2)));
    dialog.Update();
    ASSERT_TRUE(dialog.ChooseList(0));
    EXPECT_EQ(ListBytes(2), "0\n");
    EXPECT_TRUE(lists.group.entries.empty());
}

TEST_F(GroupFileDialogTest, ARefusedSaveKeepsTheListShownAndCancelWritesNothing) {
    WriteList(0, {{"A", "/a.stk"}});
    const std::string first = ListBytes(0);
    GroupFileDialog dialog = Opened();
    dialog.EditCode(0, "");
    EXPECT_FALSE(dialog.ChooseList(2));
    EXPECT_EQ(lists.listShown, 0);
    EXPECT_EQ(dialog.Rows()[0].path, "/a.stk");
    EXPECT_EQ(ListBytes(0), first);
    EXPECT_FALSE(std::filesystem::exists(ListPath(2)));
    // "ｸﾘｱ" empties the rows; only a save would write them.
    dialog.Clear();
    EXPECT_EQ(dialog.Rows()[0], PortfolioEntry{});
    EXPECT_EQ(ListBytes(0), first);
}

TEST_F(GroupFileDialogTest, AListThatCannotBeWrittenIsReportedAndLeftWhole) {
    WriteList(0, {{"OLD", "/old.stk"}});
    const std::string old = ListBytes(0);
    GroupFileDialog dialog = Opened();
    for (int row = 0; row < kMaxPortfolioEntries; ++row) {
        dialog.EditCode(row, std::string("C").append(std::to_string(row)));
        dialog.EditPath(row, std::string("/").append(200, 'p'));
    }
    {
        korvo::test::FileSizeLimit limit(512);
        EXPECT_FALSE(dialog.Accept());
    }
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "ファイルの保存できません");
    EXPECT_EQ(prompts.Messages()[0].caption, "エラーメッセージ(F002)");
    EXPECT_EQ(ListBytes(0), old);
    EXPECT_TRUE(lists.group.entries.empty());
}

TEST_F(GroupFileDialogTest, ADamagedListIsShownAsFarAsItGoesWithAWarning) {
    dir.Write("UPDATE.usr", "3\nA /a.stk\nB");
    GroupFileDialog dialog = Opened();
    EXPECT_EQ(dialog.Rows()[0], (PortfolioEntry{"A", "/a.stk"}));
    EXPECT_EQ(dialog.Rows()[1], PortfolioEntry{});
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "UPDATE.usr のデータが壊れています！");
    EXPECT_EQ(prompts.Messages()[0].caption, "警告メッセージ");
}

}  // namespace
}  // namespace korvo::lists::testing
