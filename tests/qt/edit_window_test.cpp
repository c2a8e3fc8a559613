// Editing the current series through the real data file editor over the main
// window: the chart reloads from the edited working copy, and the user's own
// file stays byte for byte as it was.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/command_ids.h"
#include "app/settings_file.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/scripted_prompts.h"
#include "qt/main_window.h"
#include "qt/menu_builder.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::qt {
namespace {

namespace fs = std::filesystem;
using platform::Answer;

// Sixty bars of 2016, closes rising from 1005 to 1064.
std::string SmallFile() {
    std::string text = "< edited in the editor >\n210\nSMALL\nSMALL\nYen\n9999\n2016 1 1\n";
    for (int i = 0; i < 60; ++i) {
        const int price = 1000 + i;
        text += " 2016 " + std::to_string(1 + i / 20) + " " + std::to_string(1 + i % 20) + " " +
                std::to_string(price) + " " + std::to_string(price + 10) + " " +
                std::to_string(price - 10) + " " + std::to_string(price + 5) + " " +
                std::to_string(5000 + i) + "\n";
    }
    return text;
}

struct Program {
    Program() {
        test::CopyShippedFiles(dir.Path());
        state = std::make_unique<app::ProgramState>();
        app::ReadStartSettings(*state, dir.Path());
        window = std::make_unique<MainWindow>(*state, prompts, launcher, clock, dir.Path());
        window->show();
        Settle();
    }
    void Trigger(int id) {
        const QList<QAction*> actions = window->Menu().Actions(id);
        ASSERT_FALSE(actions.isEmpty()) << id;
        ASSERT_TRUE(actions.first()->isEnabled()) << id;
        actions.first()->trigger();
        Settle();
    }
    void Settle() {
        QApplication::processEvents();
        window->PaintPending();
    }
    // Runs `work` on the dialog named `name` once the command has opened it.
    void WhenOpen(const char* name, std::function<void(QDialog&)> work) {
        QTimer::singleShot(0, window.get(), [this, name, work] {
            QDialog* dialog = window->findChild<QDialog*>(name);
            ASSERT_NE(dialog, nullptr) << name;
            ASSERT_TRUE(dialog->isVisible());
            work(*dialog);
        });
    }

    test::TempDir dir;
    std::unique_ptr<app::ProgramState> state;
    platform::ScriptedPrompts prompts;
    platform::RecordingLauncher launcher;
    platform::FixedClock clock{platform::CivilDate{2024, 12, 20}};
    std::unique_ptr<MainWindow> window;
};

QPushButton* ButtonLabelled(QDialog& dialog, const char* id, const char* label) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>(id))
        if (button->text() == QString::fromUtf8(label)) return button;
    return nullptr;
}

TEST(EditWindow, TheEditedSeriesIsDrawnFromTheWorkingCopyAndTheUsersFileStaysAsItWas) {
    Program p;
    const std::string user = SmallFile();
    const fs::path file = p.dir.Write("small.stk", user);
    p.prompts.QueueFile(file.string());
    p.Trigger(app::kCmdOpenFile);
    ASSERT_EQ(p.state->series.barCount, 60);
    ASSERT_EQ(p.state->series.rawMaxHigh, 1069.0f);
    const std::string before = test::ReadFile(p.dir / "korvo.TMP");
    const QImage chartBefore = p.window->Frame().copy();

    // The newest bar jumps to 1500 in the editor's box, and the edit is saved.
    bool edited = false;
    p.WhenOpen("DIALOG4", [&](QDialog& dialog) {
        auto* box = dialog.findChild<QPlainTextEdit*>("820");
        ASSERT_NE(box, nullptr);
        QString text = box->toPlainText();
        const QString newest = text.section('\n', 0, 0);
        ASSERT_TRUE(newest.startsWith("2016\t 3\t20\t"));
        text.replace(newest, "2016\t 3\t20\t1059\t1500\t1049\t1500\t5059");
        box->setPlainText(text);
        p.prompts.QueueAnswer(Answer::Ok);  // "編集を終了します！"
        QPushButton* save = ButtonLabelled(dialog, "1", "保存");
        ASSERT_NE(save, nullptr);
        save->click();
        edited = true;
    });
    p.Trigger(app::kCmdEditCurrentFile);
    ASSERT_TRUE(edited);
    EXPECT_EQ(p.window->findChild<QDialog*>("DIALOG4"), nullptr);
    ASSERT_EQ(p.prompts.Messages().size(), 1u);
    EXPECT_EQ(p.prompts.Messages()[0].text, "編集を終了します！");

    // The chart was loaded again from the edited copy.
    const data::PriceSeries& s = p.state->series;
    EXPECT_FALSE(p.state->shell.needsReload);
    ASSERT_EQ(s.barCount, 60);
    EXPECT_EQ(s.close[59], 1500.0f);
    EXPECT_EQ(s.rawMaxHigh, 1500.0f);
    EXPECT_EQ(s.close[58], 1063.0f);
    EXPECT_EQ(s.dataPath, file.string());
    EXPECT_NE(p.window->Frame(), chartBefore);
    EXPECT_EQ(test::ReadFile(p.dir / "KORVOOLD.DAT"), before);
    EXPECT_NE(test::ReadFile(p.dir / "korvo.TMP"), before);
    EXPECT_EQ(test::ReadFile(file), user);

    // Cancelled: nothing is written and the chart stays.
    const std::string copy = test::ReadFile(p.dir / "korvo.TMP");
    p.WhenOpen("DIALOG4", [](QDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>("820")->setPlainText("2016 3 20 1 2 1 2 3");
        dialog.findChild<QPushButton*>("2")->click();
    });
    p.Trigger(app::kCmdEditCurrentFile);
    EXPECT_EQ(test::ReadFile(p.dir / "korvo.TMP"), copy);
    EXPECT_EQ(s.close[59], 1500.0f);
    EXPECT_EQ(test::ReadFile(file), user);

    // At exit the editor's work file goes with the working copy.
    p.window->close();
    app::CleanUpWorkFiles(*p.state);
    EXPECT_FALSE(fs::exists(p.dir / "KORVO.EDT"));
    EXPECT_FALSE(fs::exists(p.dir / "korvo.TMP"));
    EXPECT_EQ(test::ReadFile(file), user);
}

}  // namespace
}  // namespace korvo::qt
