// The portfolio picker and the scan through a list.
#include <gtest/gtest.h>

#include "lists/lists_fixture.h"

namespace korvo::lists::testing {
namespace {

using PickerAndScan = ListsFixture;

TEST_F(PickerAndScan, PickerShowsTheListAndTakesThePathOfTheRowChosen) {
    dir.Write("UPDATE2.usr", "3\n7203 /d/toyota.stk\n?? ??\nIBM /d/i%20b%20m.stk\n");
    const std::string bytes = ListBytes(1);
    int pickedRow = 2;
    PortfolioPicker picker(pickedRow, ListPath(1), prompts);
    picker.Open();
    EXPECT_EQ(picker.PickedRow(), 2);
    EXPECT_EQ(picker.Rows()[1], PortfolioEntry{});
    EXPECT_EQ(picker.Rows()[2].path, "/d/i b m.stk");
    ASSERT_TRUE(picker.Accept());
    EXPECT_EQ(picker.ChosenPath(), "/d/i b m.stk");

    // A row without a file keeps the picker open; the row chosen is kept for next time.
    picker.Pick(1);
    EXPECT_FALSE(picker.Accept());
    EXPECT_EQ(pickedRow, 1);
    prompts.QueueFile("/d/new.stk");
    ASSERT_TRUE(picker.Browse(1));
    ASSERT_TRUE(picker.Accept());
    EXPECT_EQ(picker.ChosenPath(), "/d/new.stk");
    picker.Clear();
    EXPECT_FALSE(picker.Accept());
    // The picker never writes the list.
    EXPECT_EQ(ListBytes(1), bytes);
    EXPECT_EQ(PortfolioPicker::RadioControl(0), 120);
    EXPECT_EQ(PortfolioPicker::RadioControl(8), 128);
    EXPECT_EQ(PortfolioPicker::RadioControl(9), 130);
    EXPECT_EQ(PortfolioPicker::RadioControl(19), 140);
}

TEST_F(PickerAndScan, PickerOfAListWithTooManyEntriesHasNoRows) {
    std::string bytes = "21\n";
    for (int i = 0; i < 21; ++i)
        bytes += "C" + std::to_string(i) + " /p" + std::to_string(i) + ".stk\n";
    dir.Write("UPDATE.usr", bytes);
    int pickedRow = 40;
    PortfolioPicker picker(pickedRow, ListPath(0), prompts);
    picker.Open();
    for (const PortfolioEntry& row : picker.Rows())
        EXPECT_EQ(row, PortfolioEntry{});
    EXPECT_EQ(picker.PickedRow(), 0);
    EXPECT_FALSE(picker.Accept());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "UPDATE.usr のデータが壊れています！");
}

TEST_F(PickerAndScan, ThreeEntriesForwardAndBackWithTheirMessages) {
    WriteList(2, {{"A", "/a.stk"}, {"B", "/b.stk"}, {"C", "/c.stk"}});
    ScanPosition scan;
    struct Step {
        char move;  // s start, n next, p previous
        bool found;
        const char* path;
        int index;
        const char* message;
    };
    const Step steps[] = {
        {'s', true, "/a.stk", 0, nullptr},
        {'n', true, "/b.stk", 1, nullptr},
        {'n', true, "/c.stk", 2, nullptr},
        {'n', false, "", 2, "データファイル完了"},
        {'n', false, "", 2, "データファイル完了"},
        // Past the end the scan stays on the third, so "▲" goes to the second.
        {'p', true, "/b.stk", 1, nullptr},
        {'p', true, "/a.stk", 0, nullptr},
        {'p', true, "/a.stk", 0, "データファイル初頭　"},
        {'n', true, "/b.stk", 1, nullptr},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(1, s.move) + " to " + std::to_string(s.index));
        prompts.Clear();
        const ScanStep step = s.move == 's'   ? StartScan(scan, 2, dir.Path())
                              : s.move == 'n' ? NextScanFile(scan, dir.Path(), prompts)
                                              : PreviousScanFile(scan, dir.Path(), prompts);
        EXPECT_EQ(step.found, s.found);
        EXPECT_EQ(step.path, s.path);
        EXPECT_EQ(scan.index, s.index);
        EXPECT_EQ(scan.listFile, "UPDATE3.usr");
        if (s.message) {
            ASSERT_EQ(prompts.Messages().size(), 1u);
            EXPECT_EQ(prompts.Messages()[0].text, s.message);
            EXPECT_EQ(prompts.Messages()[0].caption, "メッセージ");
        } else {
            EXPECT_TRUE(prompts.Messages().empty());
        }
    }
}

TEST_F(PickerAndScan, AScanOfAMissingOrEmptyListFindsNothingQuietly) {
    ScanPosition scan;
    EXPECT_FALSE(StartScan(scan, 0, dir.Path()).found);
    EXPECT_FALSE(NextScanFile(scan, dir.Path(), prompts).found);
    EXPECT_EQ(scan.index, 0);
    EXPECT_TRUE(prompts.Messages().empty());
    WriteList(0, {});
    EXPECT_FALSE(StartScan(scan, 0, dir.Path()).found);
    EXPECT_FALSE(NextScanFile(scan, dir.Path(), prompts).found);
    EXPECT_EQ(Texts(), std::vector<std::string>{"データファイル完了"});
}

}  // namespace
}  // namespace korvo::lists::testing
