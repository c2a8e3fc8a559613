// The commands of the portfolio lists through the main window procedure:
// pickers, scans with their pop-up, the group file editor, the multi-chart
// and the data list window.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/main_controller.h"
#include "app/menu_resource.h"
#include "app/shell_fixture.h"
#include "data/data_fixture.h"
#include "lists/lists.h"

namespace korvo::app {
namespace {

using platform::CallKind;
using test::Shell;

class ListCommands : public ::testing::Test {
  protected:
    // A daily file of `records` weekdays from the sample's display start.
    std::string DataFile(const std::string& name, const std::string& title, int records = 240,
                         int year = 2024) {
        using data::testing::Heading;
        using data::testing::Stk;
        using data::testing::WeekdayLines;
        const std::string start = std::to_string(year) + " 1 2";
        return shell.dir
            .Write(name, Stk(Heading(210, start, title), WeekdayLines(year, 1, 2, records)))
            .string();
    }
    void Run(int command) {
        shell.controller->Command(command);
        shell.Paint();
    }
    const std::string& Title() const { return shell.state->series.title; }
    // The title of each title box painted ("AAA [1234](日足)"), in order. A box
    // writes its text twice (shadow, then text): one entry per box.
    std::vector<std::string> TitleBoxes(const std::vector<platform::CanvasCall>& calls) const {
        std::vector<std::string> boxes;
        int texts = 0;
        for (const auto& call : calls)
            if (call.kind == CallKind::Text && call.text.find("](日足)") != std::string::npos &&
                texts++ % 2 == 0)
                boxes.push_back(call.text.substr(0, call.text.find(' ')));
        return boxes;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : shell.prompts.Messages())
            texts.push_back(m.text);
        return texts;
    }

    Shell shell;
};

TEST_F(ListCommands, AScanOfThreeRunsForwardAndBackWithItsMessagesAndPopUp) {
    ASSERT_TRUE(
        lists::WritePortfolioList(shell.dir / "UPDATE2.usr", {{"A", DataFile("a.stk", "AAA")},
                                                              {"B", DataFile("b b.stk", "BBB")},
                                                              {"C", DataFile("c.stk", "CCC")}}));
    const platform::Point popup{shell.view.client.width - 20, 2};
    struct Step {
        int command;
        const char* title;
        const char* message;
        bool popup;
    };
    const Step steps[] = {
        {kCmdScan2, "AAA", nullptr, true},
        {kCmdScanNext, "BBB", nullptr, true},
        {kCmdScanNext, "CCC", nullptr, true},
        {kCmdScanNext, "CCC", "データファイル完了", false},
        {kCmdScanPrevious, "BBB", nullptr, true},
        {kCmdScanPrevious, "AAA", nullptr, true},
        {kCmdScanPrevious, "AAA", "データファイル初頭　", true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::to_string(s.command) + " " + s.title);
        shell.prompts.Clear();
        shell.view.scanPopups.clear();
        Run(s.command);
        EXPECT_EQ(Title(), s.title);
        EXPECT_TRUE(shell.state->shell.scanMode);
        EXPECT_EQ(Texts(),
                  s.message ? std::vector<std::string>{s.message} : std::vector<std::string>{});
        EXPECT_EQ(shell.view.scanPopups,
                  s.popup ? std::vector<platform::Point>{popup} : std::vector<platform::Point>{});
    }
    // A left click brings the pop-up back at the next paint.
    shell.view.scanPopups.clear();
    shell.controller->LeftButtonUp();
    shell.Paint();
    EXPECT_EQ(shell.view.scanPopups.size(), 1u);

    // A file picked from a portfolio ends the scan; its pop-up items do nothing then.
    ASSERT_TRUE(
        lists::WritePortfolioList(shell.dir / "UPDATE.usr", {{"X", DataFile("x.stk", "XXX")}}));
    shell.view.portfolioPicker = [](lists::PortfolioPicker& picker) { return picker.Accept(); };
    Run(kCmdPortfolio1);
    EXPECT_EQ(Title(), "XXX");
    EXPECT_FALSE(shell.state->shell.scanMode);
    shell.view.scanPopups.clear();
    shell.controller->LeftButtonUp();
    Run(kCmdScanNext);
    EXPECT_EQ(Title(), "XXX");
    EXPECT_TRUE(shell.view.scanPopups.empty());
}

TEST_F(ListCommands, PickerOpensTheRowChosenAndCancelChangesNothing) {
    ASSERT_TRUE(lists::WritePortfolioList(
        shell.dir / "UPDATE3.usr",
        {{"A", DataFile("a.stk", "AAA")}, {"B", DataFile("My Data.stk", "BBB")}}));
    int shown = -1;
    shell.view.portfolioPicker = [&](lists::PortfolioPicker& picker) {
        shown = picker.PickedRow();
        picker.Pick(1);
        return picker.Accept();
    };
    Run(kCmdPortfolio3);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(Title(), "BBB");
    EXPECT_EQ(shell.view.Menu(), kChartMenuName);
    EXPECT_EQ(shell.state->lists.pickedRow, 1);

    const std::size_t repaints = shell.view.invalidations.size();
    shell.view.portfolioPicker = nullptr;
    shell.controller->Command(kCmdPortfolio3);
    EXPECT_EQ(shell.view.invalidations.size(), repaints);
    EXPECT_EQ(shell.state->series.dataPath, (shell.dir / "My Data.stk").string());
}

TEST_F(ListCommands, GroupFileEditorSavesOnOkAndCancelWritesNothing) {
    shell.view.groupFileDialog = [](lists::GroupFileDialog& dialog) {
        dialog.EditCode(0, "ibm");
        dialog.EditPath(0, "/us/i b m.stk");
        return dialog.Accept();
    };
    shell.controller->Command(kCmdGroupFile);
    EXPECT_EQ(test::ReadFile(shell.dir / "UPDATE.usr"), "1\nIBM   /us/i%20b%20m.stk \n");
    ASSERT_EQ(shell.state->lists.group.Count(), 1);
    EXPECT_EQ(shell.state->lists.group.entries[0].path, "/us/i b m.stk");

    shell.view.groupFileDialog = [](lists::GroupFileDialog& dialog) {
        dialog.EditCode(0, "X");
        return false;
    };
    const std::size_t repaints = shell.view.invalidations.size();
    shell.controller->Command(kCmdGroupFile);
    EXPECT_EQ(test::ReadFile(shell.dir / "UPDATE.usr"), "1\nIBM   /us/i%20b%20m.stk \n");
    EXPECT_EQ(shell.view.invalidations.size(), repaints);
}

TEST_F(ListCommands, MultiChartWithTheSecondFileEmptyDrawsTwoChartsOfTheirOwnFiles) {
    shell.OpenSample();
    const float vertical = shell.state->view.verticalScale;
    const std::string a = DataFile("a.stk", "AAA");
    const std::string c = DataFile("c.stk", "CCC", 200);
    shell.view.multiChartDialog = [&](lists::MultiChartDialog& dialog) {
        EXPECT_FLOAT_EQ(shell.state->view.verticalScale, 0.5f);
        dialog.SetPath(0, a);
        dialog.SetPath(2, c);
        return dialog.Accept();
    };
    shell.controller->Command(kCmdMultiChart);
    EXPECT_EQ(shell.view.Menu(), kMultiChartMenuName);
    EXPECT_TRUE(shell.state->shell.multiChartMode);
    EXPECT_FLOAT_EQ(shell.state->view.verticalScale, 0.5f);
    EXPECT_EQ(shell.state->lists.multiChart.count, 2);
    EXPECT_EQ(shell.state->series.previousDataPath, shell.SamplePath());

    const auto calls = shell.Paint();
    EXPECT_EQ(shell.controller->LastRender().result, chart::kRenderDrawn);
    EXPECT_EQ(shell.controller->LastRender().pagesDrawn, 3);
    // The hidden page 0 shows the first file, then pages 1 and 2.
    EXPECT_EQ(TitleBoxes(calls), (std::vector<std::string>{"AAA", "AAA", "CCC"}));
    EXPECT_EQ(Title(), "CCC");
    EXPECT_EQ(shell.state->series.dataPath, c);
    EXPECT_TRUE(shell.prompts.Messages().empty());
    // Repainting loads the pages again.
    EXPECT_EQ(TitleBoxes(shell.Paint()), (std::vector<std::string>{"CCC", "AAA", "CCC"}));

    // A size command acts as on the chart menu; a file opened on its own
    // leaves the multi-chart with the candlesticks checked.
    shell.controller->Command(3467);
    EXPECT_FLOAT_EQ(shell.state->view.horizontalScale, 1.0f);
    shell.prompts.QueueFile(shell.SamplePath());
    Run(kCmdOpenFile);
    EXPECT_EQ(shell.view.Menu(), kChartMenuName);
    EXPECT_FALSE(shell.state->chart.multiChart);
    EXPECT_TRUE(shell.view.Checked(kCmdCandlestick));
    EXPECT_EQ(shell.controller->LastRender().pagesDrawn, 1);
    // The vertical size stays at what the multi-chart set.
    EXPECT_FLOAT_EQ(shell.state->view.verticalScale, 0.5f);
    EXPECT_NE(vertical, 0.5f);
}

TEST_F(ListCommands, OverlapDrawsThreeLinesAtOneAndAHalfAndCancelRestores) {
    shell.OpenSample();
    const float vertical = shell.state->view.verticalScale;
    const std::string files[] = {DataFile("a.stk", "AAA"), DataFile("b.stk", "BBB"),
                                 DataFile("c.stk", "CCC")};
    shell.view.multiChartDialog = [](lists::MultiChartDialog&) { return false; };
    const std::size_t repaints = shell.view.invalidations.size();
    shell.controller->Command(kCmdMultiChart);
    EXPECT_FLOAT_EQ(shell.state->view.verticalScale, vertical);
    EXPECT_FALSE(shell.state->shell.multiChartMode);
    EXPECT_FALSE(shell.state->chart.multiChart);
    EXPECT_EQ(shell.view.Menu(), kChartMenuName);
    EXPECT_EQ(shell.view.invalidations.size(), repaints);

    shell.view.multiChartDialog = [&](lists::MultiChartDialog& dialog) {
        for (int k = 0; k < 3; ++k)
            dialog.SetPath(k, files[k]);
        dialog.SetOverlap(true);
        return dialog.Accept();
    };
    shell.controller->Command(kCmdMultiChart);
    EXPECT_FLOAT_EQ(shell.state->view.verticalScale, 1.5f);
    EXPECT_TRUE(shell.view.Checked(kCmdLineGraph));
    EXPECT_FALSE(shell.view.Checked(kCmdCandlestick));
    const auto calls = shell.Paint();
    EXPECT_EQ(shell.controller->LastRender().pagesDrawn, 4);
    // Each page's title stands in white at the end of its line, none in a title box.
    int titles = 0;
    for (const auto& call : calls)
        if (call.kind == CallKind::Text &&
            (call.text == "AAA" || call.text == "BBB" || call.text == "CCC")) {
            EXPECT_EQ(call.textColour, 0xFFFFFFu);
            ++titles;
        }
    EXPECT_EQ(titles, 4);
    EXPECT_TRUE(TitleBoxes(calls).empty());
}

TEST_F(ListCommands, AFirstFileThatCannotBeCopiedAsksForAFileInstead) {
    shell.OpenSample();
    const float vertical = shell.state->view.verticalScale;
    shell.view.multiChartDialog = [&](lists::MultiChartDialog& dialog) {
        dialog.SetPath(0, (shell.dir / "gone.stk").string());
        return dialog.Accept();
    };
    shell.prompts.QueueFile(std::nullopt);
    shell.controller->Command(kCmdMultiChart);
    EXPECT_EQ(shell.prompts.FileRequests().size(), 2u);  // the sample's, then this one
    EXPECT_FALSE(shell.state->shell.multiChartMode);
    EXPECT_FALSE(shell.state->chart.multiChart);
    EXPECT_FLOAT_EQ(shell.state->view.verticalScale, vertical);
    EXPECT_EQ(shell.view.Menu(), kChartMenuName);
    EXPECT_EQ(shell.state->series.dataPath, shell.SamplePath());
}

TEST_F(ListCommands, DataListNeedsDataAndSharesTheHintsSlot) {
    shell.controller->Command(kCmdListTable);
    EXPECT_TRUE(shell.view.dataLists.empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{"ﾃﾞｰﾀﾌｧｲﾙを先に選んでください"});
    EXPECT_FALSE(shell.state->shell.modeless.IsOpen(0));

    shell.OpenSample();
    shell.controller->Command(kCmdHints);
    shell.controller->Command(kCmdListTable);
    ASSERT_EQ(shell.view.dataLists.size(), 1u);
    const lists::DataListText& list = shell.view.dataLists[0];
    EXPECT_EQ(list.title, shell.state->series.title);
    EXPECT_EQ(list.lineCount, shell.state->series.barCount);
    EXPECT_EQ(list.lines.substr(0, 12), " 2025/12/30\t");
    const int handle = shell.state->shell.modeless.Handle(0);
    EXPECT_EQ(handle, shell.view.nextHandle - 1);
    EXPECT_EQ(shell.view.cursors.back(), CursorKind::Line);

    // The multi-chart closes the window of the first slot.
    shell.view.multiChartDialog = [](lists::MultiChartDialog&) { return false; };
    shell.controller->Command(kCmdMultiChart);
    ASSERT_FALSE(shell.view.closed.empty());
    EXPECT_EQ(shell.view.closed.back(), handle);
}

}  // namespace
}  // namespace korvo::app
