#include "qt/main_window.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "app/command_ids.h"
#include "app/menu_resource.h"
#include "app/settings_file.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/scripted_prompts.h"
#include "qt/hint_window.h"
#include "qt/menu_builder.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::qt {
namespace {

namespace fs = std::filesystem;

// Counts the keys that reach a window.
class KeyCounter : public QObject {
  public:
    int keys = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) ++keys;
        return false;
    }
};

// A program folder with the shipped settings and the sample data file.
struct Program {
    Program() {
        test::CopyShippedFiles(dir.Path());
        state = std::make_unique<app::ProgramState>();
        settingsRead = app::ReadStartSettings(*state, dir.Path()) == 0;
    }
    void Trigger(MainWindow& window, int id) {
        const QList<QAction*> actions = window.Menu().Actions(id);
        ASSERT_FALSE(actions.isEmpty()) << id;
        ASSERT_TRUE(actions.first()->isEnabled()) << id;
        actions.first()->trigger();
        QApplication::processEvents();
        window.PaintPending();
    }

    test::TempDir dir;
    std::unique_ptr<app::ProgramState> state;
    bool settingsRead = false;
    platform::ScriptedPrompts prompts;
    platform::RecordingLauncher launcher;
    platform::FixedClock clock{platform::CivilDate{2024, 12, 20}};
};

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(MainWindow, OpensTheSampleSwitchesToWeeklyAndBackAndCleansUpOnClose) {
    Program p;
    ASSERT_TRUE(p.settingsRead);
    const std::string sample = test::ReadFile(p.dir / "sample.stk");
    auto window =
        std::make_unique<MainWindow>(*p.state, p.prompts, p.launcher, p.clock, p.dir.Path());
    const QString title = window->windowTitle();
    // "Orvane(Korvo ﾁｬｰﾄ)", 25 blanks, the maker's name.
    EXPECT_TRUE(title.startsWith(QString::fromUtf8("Orvane(Korvo ﾁｬｰﾄ)") + QString(25, ' ')));
    EXPECT_FALSE(title.startsWith(QString::fromUtf8("Orvane(Korvo ﾁｬｰﾄ)") + QString(26, ' ')));
    EXPECT_TRUE(title.endsWith("Korvo Software Works"));
    EXPECT_EQ(window->objectName(), "ProgName");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->Surface().cursor().shape(), Qt::BitmapCursor);

    window->show();
    QApplication::processEvents();
    window->PaintPending();
    EXPECT_EQ(window->Menu().MenuName(), app::kOpenMenuName);
    // The opening screen's teal fills the corner.
    EXPECT_EQ(Pixel(window->Frame(), 2, 2), 0x004040u);
    const QList<QScrollBar*> bars = window->findChildren<QScrollBar*>();
    ASSERT_EQ(bars.size(), 2);
    for (QScrollBar* bar : bars)
        EXPECT_FALSE(bar->isVisible());

    p.prompts.QueueFile((p.dir / "sample.stk").string());
    p.Trigger(*window, app::kCmdOpenFile);
    EXPECT_EQ(window->Menu().MenuName(), app::kChartMenuName);
    EXPECT_EQ(p.state->series.fileTypeId, 210);
    EXPECT_GT(p.state->series.barCount, 100);
    EXPECT_TRUE(window->Menu().IsChecked(app::kCmdVolumeRatio));
    EXPECT_FALSE(window->Menu().IsEnabled(app::kCmdPrint));
    EXPECT_TRUE(window->Menu().IsEnabled(app::kCmdWeekly));
    for (QScrollBar* bar : bars)
        EXPECT_TRUE(bar->isVisible());
    const QImage daily = window->grab().toImage();
    ASSERT_FALSE(daily.isNull());
    // The price panel's navy shows somewhere in the middle of the chart.
    bool navy = false;
    for (int x = 0; x < window->Frame().width() && !navy; x += 7)
        navy = Pixel(window->Frame(), x, window->Frame().height() / 4) == 0x000080u;
    EXPECT_TRUE(navy);

    // The progress bar of long operations sits at the foot of the client area:
    // an empty white frame when it starts again, then the navy part.
    const int bottom = window->Frame().height();
    WindowProgress progress(*window);
    progress.ShowProgress(0, 100);
    EXPECT_EQ(Pixel(window->Frame(), 400, bottom - 12), 0xFFFFFFu);
    progress.ShowProgress(50, 100);
    EXPECT_EQ(Pixel(window->Frame(), 340, bottom - 10), 0x000080u);
    EXPECT_EQ(Pixel(window->Frame(), 400, bottom - 12), 0xFFFFFFu);

    const float h = p.state->view.horizontalScale;
    p.prompts.QueueAnswer(platform::Answer::No);
    p.Trigger(*window, app::kCmdWeekly);
    EXPECT_EQ(p.state->series.fileTypeId, 212);
    EXPECT_EQ(p.state->view.horizontalScale, 1.0f);
    EXPECT_TRUE(window->Menu().IsEnabled(app::kCmdBackToDaily));
    p.Trigger(*window, app::kCmdBackToDaily);
    EXPECT_EQ(p.state->series.fileTypeId, 210);
    EXPECT_EQ(p.state->view.horizontalScale, h);
    EXPECT_FALSE(window->Menu().IsEnabled(app::kCmdBackToDaily));

    fs::remove(p.dir / "korvo.ips");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(window->Controller().Destroyed());
    window.reset();
    app::CleanUpWorkFiles(*p.state);
    ASSERT_TRUE(fs::exists(p.dir / "korvo.ips"));
    const auto reread = std::make_unique<app::ProgramState>();
    ASSERT_EQ(app::ReadSettings(*reread, p.dir / "korvo.ips"), 0);
    EXPECT_EQ(reread->series.dataPath, (p.dir / "sample.stk").string());
    for (const char* name : app::kWorkFileNames)
        EXPECT_FALSE(fs::exists(p.dir / name)) << name;
    EXPECT_EQ(test::ReadFile(p.dir / "sample.stk"), sample);
    EXPECT_TRUE(p.prompts.Messages().size() == 1u);  // the weekly save question only
}

TEST(MainWindow, KeysForTheHintsWindowNeverReachTheMainWindow) {
    Program p;
    MainWindow window(*p.state, p.prompts, p.launcher, p.clock, p.dir.Path());
    window.show();
    QApplication::processEvents();
    KeyCounter counter;
    window.installEventFilter(&counter);
    window.Surface().installEventFilter(&counter);

    p.Trigger(window, app::kCmdHints);
    const int handle = p.state->shell.modeless.Handle(0);
    ASSERT_NE(handle, 0);
    auto* hints = qobject_cast<HintWindow*>(window.ModelessWindow(handle));
    ASSERT_NE(hints, nullptr);
    EXPECT_EQ(hints->Pager().ShownTopic(), app::kHintOpeningTopic);
    QTest::keyClick(hints, Qt::Key_Tab);
    QTest::keyClick(hints, Qt::Key_Space);  // presses the focused button
    QTest::keyClick(hints, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(counter.keys, 0);
    EXPECT_FALSE(p.state->shell.modeless.IsOpen(0));
    EXPECT_EQ(window.ModelessWindow(handle), nullptr);
    window.close();
}

TEST(MainWindow, AFileNamedOnTheCommandLineIsNotOpened) {
    Program p;
    const std::string command =
        "cd '" + p.dir.Path().string() +
        "' && QT_QPA_PLATFORM=offscreen timeout -s TERM 4 '" KORVO_PROGRAM_PATH
        "' sample.stk > out.txt 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 124);  // still running on the opening screen when stopped
    EXPECT_FALSE(fs::exists(p.dir / "korvo.TMP"));
    EXPECT_FALSE(fs::exists(p.dir / "filename.chr"));
}

TEST(MainWindow, WithoutSettingsFileTheProgramEndsAtOnceWithMinusOne) {
    test::TempDir dir;
    const std::string command =
        "cd '" + dir.Path().string() + "' && '" KORVO_PROGRAM_PATH "' --anything > out.txt 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 255);
    EXPECT_EQ(test::ReadFile(dir / "out.txt"), "");
    EXPECT_FALSE(fs::exists(dir / "korvo.ips"));
}

}  // namespace
}  // namespace korvo::qt
