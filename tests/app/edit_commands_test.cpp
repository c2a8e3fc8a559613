// The edit menu through the main window procedure: the data file editor on the
// current series and on a new file, the header editor, and the correction the
// load offers for a faulty record. The user's file is compared after each.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_ids.h"
#include "app/menu_resource.h"
#include "app/shell_fixture.h"
#include "data/data.h"

namespace korvo::app {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using test::ReadFile;
using test::Shell;

// A daily file of `bars` weekdays from 4 January 2016.
std::string DailyFile(int bars) {
    std::string text = "< test data >\n210\nSMALL\nSMALL\nYen\n9999\n2016 1 1\n";
    int written = 0;
    for (int day = 0; written < bars; ++day) {
        const int weekday = (day + 1) % 7;  // 4 January 2016 was a Monday
        if (weekday >= 5) continue;
        const int month = 1 + day / 28;
        const int dom = 1 + day % 28;
        const int price = 1000 + written;
        text += " 2016 " + std::to_string(month) + " " + std::to_string(dom) + " " +
                std::to_string(price) + " " + std::to_string(price + 10) + " " +
                std::to_string(price - 10) + " " + std::to_string(price + 5) + " " +
                std::to_string(5000 + written) + "\n";
        ++written;
    }
    return text;
}

struct EditShell : Shell {
    // Opens the file through the file dialog and paints once (the load).
    void Open(const fs::path& file) {
        prompts.QueueFile(file.string());
        controller->Command(kCmdOpenFile);
        Paint();
        prompts.Clear();
    }
};

TEST(EditCommands, EditingTheSeriesReloadsTheWorkingCopyAndLeavesTheUsersFile) {
    EditShell shell;
    const std::string user = DailyFile(60);
    const fs::path file = shell.dir.Write("small.stk", user);
    shell.Open(file);
    ASSERT_EQ(shell.state->series.barCount, 60);

    // Cancelled: the chart as it was, no reload, no repaint.
    const std::size_t repaints = shell.view.invalidations.size();
    shell.controller->Command(kCmdEditCurrentFile);
    EXPECT_EQ(shell.view.dialogsRun, 1);
    EXPECT_FALSE(shell.state->shell.needsReload);
    EXPECT_EQ(shell.view.invalidations.size(), repaints);
    EXPECT_EQ(shell.state->viewMode, kViewChart);

    shell.view.dataFileEditor = [&](data::DataFileEditor& editor) {
        data::EditorFields f = editor.Fields();
        // The newest bar's close (the last tab-separated price) goes up to its high.
        const std::size_t tab = f.data.rfind('\t', f.data.find('\r'));
        f.data.replace(tab + 1, 9, "     1069");
        shell.prompts.QueueAnswer(Answer::Ok);
        return editor.Save(f) == data::EditorSave::Saved;
    };
    shell.controller->Command(kCmdEditCurrentFile);
    EXPECT_TRUE(shell.state->shell.needsReload);
    EXPECT_EQ(shell.state->viewMode, kViewChart);
    shell.Paint();
    EXPECT_EQ(shell.state->series.barCount, 60);
    EXPECT_EQ(shell.state->series.close[59], 1069.0f);
    EXPECT_EQ(shell.state->series.close[58], 1063.0f);
    EXPECT_EQ(ReadFile(file), user);
    EXPECT_EQ(shell.state->series.dataPath, file.string());
}

TEST(EditCommands, RefusedInThePlotStartModeAndHandedToTheTextEditorFrom261Bars) {
    EditShell shell;
    shell.OpenSample();
    shell.prompts.Clear();
    shell.state->dataState.plotStartMode = true;
    shell.controller->Command(kCmdEditCurrentFile);
    ASSERT_EQ(shell.prompts.Messages().size(), 1u);
    EXPECT_EQ(shell.prompts.Messages()[0].text, "プロット開始（表示）モードを解除してください！");
    EXPECT_EQ(shell.prompts.Messages()[0].caption, "メッセージ");
    EXPECT_EQ(shell.view.dialogsRun, 0);
    EXPECT_FALSE(fs::exists(shell.dir / "KORVO.EDT"));

    // The sample has more bars than the box lists: OK starts the text editor on it.
    shell.state->dataState.plotStartMode = false;
    ASSERT_GE(shell.state->series.barCount, 261);
    shell.launcher.knownPrograms = {"/usr/bin/gedit"};
    for (const Answer answer : {Answer::Cancel, Answer::Ok}) {
        shell.prompts.QueueAnswer(answer);
        shell.controller->Command(kCmdEditCurrentFile);
    }
    EXPECT_EQ(shell.view.dialogsRun, 0);
    ASSERT_EQ(shell.launcher.starts.size(), 1u);
    EXPECT_EQ(shell.launcher.starts[0].arguments, std::vector<std::string>{shell.SamplePath()});
    EXPECT_TRUE(shell.state->shell.editPending);
    EXPECT_FALSE(shell.state->shell.needsReload);
    // Choosing a file settles it.
    shell.Open(shell.SamplePath());
    EXPECT_FALSE(shell.state->shell.editPending);
}

TEST(EditCommands, ANewFileFromTheOpeningScreenIsSavedAndShown) {
    EditShell shell;
    ASSERT_EQ(shell.view.Menu(), kOpenMenuName);
    const fs::path target = shell.dir / "NEW01.stk";
    int modeDuringDialog = -1;
    // Cancelled: the opening screen again.
    shell.view.dataFileEditor = [&](data::DataFileEditor&) {
        modeDuringDialog = shell.state->viewMode;
        return false;
    };
    shell.controller->Command(kCmdNewFile);
    EXPECT_EQ(modeDuringDialog, kViewBlank);
    EXPECT_EQ(shell.state->viewMode, kViewOpeningScreen);
    EXPECT_EQ(shell.view.Menu(), kOpenMenuName);

    shell.view.dataFileEditor = [&](data::DataFileEditor& editor) {
        EXPECT_TRUE(editor.NewFileMode());
        data::EditorFields f = editor.Fields();
        f.title = "New Co";
        f.subtitle = "NEW";
        f.code = "1";
        f.data =
            "2024 12 2 10 11 9 10 100\r\n2024 12 3 10 11 9 10 100\r\n"
            "2024 12 4 10 11 9 10 100\r\n2024 12 5 10 11 9 10 100\r\n"
            "2024 12 6 10 11 9.5 10.5 100\r\n";
        shell.prompts.QueueAnswer(Answer::Ok);
        shell.prompts.QueueAnswer(Answer::Ok);
        shell.prompts.QueueFile(target.string());
        return editor.Save(f) == data::EditorSave::Saved;
    };
    shell.controller->Command(kCmdNewFile);
    EXPECT_EQ(shell.state->viewMode, kViewChart);
    EXPECT_EQ(shell.view.Menu(), kChartMenuName);
    EXPECT_TRUE(shell.state->shell.needsReload);
    EXPECT_EQ(shell.state->series.dataPath, target.string());
    shell.Paint();
    EXPECT_EQ(shell.state->series.barCount, 5);
    EXPECT_EQ(shell.state->series.title, "New Co");
    EXPECT_EQ(shell.controller->LastRender().result, chart::kRenderDrawn);
}

TEST(EditCommands, TheHeaderEditorCreatesTheFileTheImportsAskFor) {
    EditShell shell;
    const fs::path target = shell.dir / "HDR01.stk";
    shell.view.headerEditor = [&](data::HeaderEditor& editor) {
        data::HeaderFields f = editor.Initial();
        f.title = "Header Only";
        f.subtitle = "HDR";
        f.code = "x1";
        shell.prompts.QueueAnswer(Answer::Ok);
        shell.prompts.QueueAnswer(Answer::Ok);
        shell.prompts.QueueFile(target.string());
        return editor.Accept(f) == data::HeaderSave::Created;
    };
    EXPECT_EQ(shell.controller->CreateHeaderFile(), target.string());
    EXPECT_NE(ReadFile(target).find("\n210\n\nHeader_Only\nHDR\n\n..\nX1\n2024 12  1 \n"),
              std::string::npos);
    shell.view.headerEditor = nullptr;
    EXPECT_EQ(shell.controller->CreateHeaderFile(), std::nullopt);
    shell.controller->Command(kCmdHeaderEditor);
    EXPECT_EQ(shell.view.dialogsRun, 3);
}

TEST(EditCommands, TheLoadOffersTheCorrectionDialogForAFaultyRecord) {
    EditShell shell;
    std::string user = DailyFile(10);
    // The fifth record's high lies below its low.
    const std::string bad = " 2016 1 8 1004 990 994 1009 5004\n";
    const std::size_t at = user.find(" 2016 1 8 ");
    user.replace(at, user.find('\n', at) + 1 - at, bad);
    const fs::path file = shell.dir.Write("faulty.stk", user);
    std::vector<data::RecordCorrection::Fields> shown;
    shell.view.recordCorrection = [&](data::RecordCorrection& dialog) {
        shown.push_back(dialog.Initial());
        data::RecordCorrection::Fields f = dialog.Initial();
        f[4] = "1014";  // high
        return dialog.Accept(f).has_value();
    };
    shell.prompts.QueueAnswer(Answer::Yes);
    shell.Open(file);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (data::RecordCorrection::Fields{"2016", "1", "8", "1004", "990", "994",
                                                        "1009", "5004"}));
    const data::PriceSeries& s = shell.state->series;
    ASSERT_EQ(s.barCount, 10);
    EXPECT_EQ(s.high[4], 1014.0f);
    EXPECT_EQ(s.low[4], 994.0f);
    EXPECT_EQ(ReadFile(file), user);
}

}  // namespace
}  // namespace korvo::app
