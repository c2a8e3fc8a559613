// The step, brick and trident windows on the screen: opened by their
// commands over the sample chart, their controls, their paint, their
// refusals, scrolling and closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "app/command_ids.h"
#include "app/main_controller.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/scripted_prompts.h"
#include "qt/chart_window.h"
#include "qt/main_window.h"
#include "qt/menu_builder.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::qt {
namespace {

// The program with the sample chart on the screen.
struct Program {
    Program() {
        test::CopyShippedFiles(dir.Path());
        state = std::make_unique<app::ProgramState>();
        app::ReadStartSettings(*state, dir.Path());
        window = std::make_unique<MainWindow>(*state, prompts, launcher, clock, dir.Path());
        window->show();
        prompts.QueueFile((dir / "sample.stk").string());
        Trigger(app::kCmdOpenFile);
    }
    void Trigger(int id) {
        const QList<QAction*> actions = window->Menu().Actions(id);
        ASSERT_FALSE(actions.isEmpty()) << id;
        ASSERT_TRUE(actions.first()->isEnabled()) << id;
        actions.first()->trigger();
        QApplication::processEvents();
        window->PaintPending();
    }
    // The chart window in a modeless slot, painted.
    ChartQWindow* Open(int id, std::size_t slot) {
        Trigger(id);
        auto* chart =
            qobject_cast<ChartQWindow*>(window->ModelessWindow(state->shell.modeless.Handle(slot)));
        if (chart) chart->PaintPending();
        return chart;
    }

    test::TempDir dir;
    std::unique_ptr<app::ProgramState> state;
    platform::ScriptedPrompts prompts;
    platform::RecordingLauncher launcher;
    platform::FixedClock clock{platform::CivilDate{2026, 1, 10}};
    std::unique_ptr<MainWindow> window;
};

template <class T>
T* Control(QWidget& window, int id) {
    return window.findChild<T*>(QString::number(id));
}

// Pixels of a colour inside the plot frame.
int CountIn(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 40; y < image.height() - 10; ++y)
        for (int x = 30; x < 540; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == colour) ++count;
    return count;
}

void DeleteLaterNow() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ChartWindows, StepWindowOpensOverTheChartRedrawsAndClosesOnEscape) {
    Program p;
    ChartQWindow* window = p.Open(app::kCmdStepChart, 1);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "STEPDLG");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("      ｽﾃｯﾌﾟﾁｬｰﾄ "));
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(p.state->altChartWindows.stepOpen);
    const struct {
        int id;
        const char* text;
        bool checked;
    } radios[] = {{120, "価格(月日)", true},
                  {122, "転換点", false},
                  {124, "定率", true},
                  {125, "定額", false}};
    for (const auto& r : radios) {
        QRadioButton* radio = Control<QRadioButton>(*window, r.id);
        ASSERT_NE(radio, nullptr) << r.id;
        EXPECT_EQ(radio->text(), QString::fromUtf8(r.text));
        EXPECT_EQ(radio->isChecked(), r.checked) << r.id;
        // Right of the plot, clear of the chart.
        EXPECT_GE(radio->geometry().left(), 550) << r.id;
    }
    EXPECT_EQ(Control<QLineEdit>(*window, 801)->text(), "3.0");
    EXPECT_EQ(Control<QLineEdit>(*window, 802)->text(), "0.50");
    ASSERT_NE(Control<QPushButton>(*window, 9201), nullptr);

    // The plot in dark grey with the red (yin) and green (yang) line.
    const QImage& frame = window->Frame();
    ASSERT_EQ(frame.size(), QSize(740, 600));
    EXPECT_EQ(frame.pixel(300, 60) & 0xFFFFFF, 0x404040u);
    EXPECT_GT(CountIn(frame, 0xFF0000), 100);
    EXPECT_GT(CountIn(frame, 0x00FF00), 100);
    EXPECT_TRUE(std::filesystem::exists(p.dir / "bs.stp"));
    EXPECT_TRUE(p.state->shell.signalWritten.IsWritten(indicators::SignalFile::Step));

    const QImage atThree = frame.copy();
    // A refused rate keeps the old one and draws nothing new.
    Control<QLineEdit>(*window, 801)->setText("0");
    Control<QPushButton>(*window, 9201)->click();
    ASSERT_EQ(p.prompts.Messages().size(), 1u);
    EXPECT_EQ(p.prompts.Messages()[0].text, "設定率 要修正！");
    EXPECT_FLOAT_EQ(p.state->altCharts.stepPercent, 3.0f);
    Control<QLineEdit>(*window, 801)->setText("6");
    Control<QPushButton>(*window, 9201)->click();
    window->PaintPending();
    EXPECT_FLOAT_EQ(p.state->altCharts.stepPercent, 6.0f);
    EXPECT_NE(window->Frame(), atThree);
    Control<QRadioButton>(*window, 122)->click();
    EXPECT_EQ(p.state->altChartModes.stepLabelMode, 3);

    // A page right moves the chart 20 pixels.
    window->HorizontalBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
    window->PaintPending();
    EXPECT_EQ(window->Logic().Position().x, 20);
    EXPECT_EQ(window->HorizontalBar().value(), 20);

    QPointer<ChartQWindow> alive = window;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window, &escape);
    DeleteLaterNow();
    EXPECT_TRUE(alive.isNull());
    EXPECT_FALSE(p.state->altChartWindows.stepOpen);
    EXPECT_FALSE(p.state->shell.modeless.IsOpen(1));
}

TEST(ChartWindows, BrickWindowOpensUnlessTheChartFallsMoreThan200Bricks) {
    Program p;
    ChartQWindow* window = p.Open(app::kCmdBrickChart, 2);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "BRICKDLG");
    EXPECT_TRUE(p.state->altChartWindows.brickOpen);
    const char* labels[] = {"月日 1", "月日 2", "価格 1", "価格 2"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Control<QRadioButton>(*window, 120 + i)->text(), QString::fromUtf8(labels[i]));
    EXPECT_TRUE(Control<QRadioButton>(*window, 120)->isChecked());
    EXPECT_GT(CountIn(window->Frame(), 0x00FF00), 100);
    EXPECT_GT(CountIn(window->Frame(), 0xFF0000), 100);
    // Enter is OK: the window goes.
    QTest::keyClick(window, Qt::Key_Return);
    DeleteLaterNow();
    EXPECT_FALSE(p.state->altChartWindows.brickOpen);
    EXPECT_FALSE(p.state->shell.modeless.IsOpen(2));

    // A brick of 0.2 % makes hundreds of falling bricks out of the sample's two years.
    p.state->altCharts.brickPercent = 0.2f;
    p.Trigger(app::kCmdBrickChart);
    ASSERT_EQ(p.prompts.Messages().size(), 1u);
    EXPECT_EQ(p.prompts.Messages()[0].text, "表示期間を１年以内してください");
    EXPECT_FALSE(p.state->shell.modeless.IsOpen(2));
    EXPECT_FALSE(p.state->altChartWindows.brickOpen);
    EXPECT_TRUE(p.window->findChildren<ChartQWindow*>().isEmpty());
}

TEST(ChartWindows, TridentWindowShowsDatesOnEvenBlocksAndTheAnnotationFlagsFollowTheWindows) {
    Program p;
    ChartQWindow* trident = p.Open(app::kCmdTridentChart, 3);
    ASSERT_NE(trident, nullptr);
    EXPECT_EQ(trident->objectName(), "TRIDENTDLG");
    EXPECT_EQ(trident->Frame().size(), QSize(700, 600));
    EXPECT_TRUE(Control<QRadioButton>(*trident, 121)->isChecked());
    EXPECT_EQ(Control<QPushButton>(*trident, 9201)->text(), QString::fromUtf8("ﾘﾄﾞﾛｰ"));
    Control<QRadioButton>(*trident, 123)->click();
    EXPECT_EQ(p.state->altChartModes.tridentLabelMode, 4);
    ChartQWindow* step = p.Open(app::kCmdStepChart, 1);
    ASSERT_NE(step, nullptr);
    EXPECT_TRUE(p.state->altChartWindows.tridentOpen);
    EXPECT_TRUE(p.state->altChartWindows.stepOpen);
    // Closing the program's window takes both with it, flags cleared.
    p.window.reset();
    EXPECT_FALSE(p.state->altChartWindows.tridentOpen);
    EXPECT_FALSE(p.state->altChartWindows.stepOpen);
}

}  // namespace
}  // namespace korvo::qt
