// The price read-out and the scrolling in the real main window: the right
// button pressed, moved and released over the painted sample chart, and the
// wheel, the keys and the scroll bars.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>

#include "app/command_ids.h"
#include "app/settings_file.h"
#include "chart/status_bar.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/scripted_prompts.h"
#include "qt/gui/qt_canvas.h"
#include "qt/main_window.h"
#include "qt/menu_builder.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"
#include "view/readout.h"
#include "view/scroll.h"

namespace korvo::qt {
namespace {

using platform::Point;

// The program on the shipped settings with the sample open at 100 % width.
struct Program {
    Program() {
        test::CopyShippedFiles(dir.Path());
        state = std::make_unique<app::ProgramState>();
        app::ReadStartSettings(*state, dir.Path());
        window = std::make_unique<MainWindow>(*state, prompts, launcher, clock, dir.Path());
        window->show();
        QApplication::processEvents();
        window->PaintPending();
        prompts.QueueFile((dir / "sample.stk").string());
        Trigger(app::kCmdOpenFile);
        Trigger(3467);
    }
    void Trigger(int id) {
        const QList<QAction*> actions = window->Menu().Actions(id);
        ASSERT_FALSE(actions.isEmpty()) << id;
        actions.first()->trigger();
        Settle();
    }
    void Settle() {
        QApplication::processEvents();
        window->PaintPending();
    }
    QWidget& Surface() { return window->Surface(); }
    // The client point over the middle of bar i at height y.
    QPoint BarPoint(int i, int y) const {
        const chart::ChartGeometry& g = state->geometry;
        const int layout = static_cast<int>(g.barX[static_cast<std::size_t>(i)]) + 10;
        return QPoint(platform::LogicalToPixels(chart::LogicalX(layout, g.xPercent)) - g.scrollX,
                      y);
    }
    void MoveWithRightButton(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(Surface().mapToGlobal(at)),
                         Qt::NoButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(&Surface(), &move);
    }
    // `before` with what the read-out shows for bar i at the point: the texts
    // in the strip and, when `crosshair`, the inverted lines.
    QImage Expected(const QImage& before, int bar, QPoint at, bool crosshair) const {
        QImage image = before.copy();
        QPainter painter(&image);
        QtCanvas canvas(painter, platform::Size{image.width(), image.height()});
        const platform::Size client{image.width(), image.height()};
        const chart::ChartGeometry& g = state->geometry;
        const std::string line = view::FormatBarLine(state->series, bar);
        const std::string price = view::FormatPriceText(view::PriceAtCursor(g, at.y()));
        const chart::TitleBox title{view::ReadOutTitle(state->series, state->chart),
                                    g.priceTopDevice + 5};
        chart::DrawStatusBar(canvas, state->drawing, client, line, "", 0, &title);
        chart::DrawStatusBar(canvas, state->drawing, client, price, "", -1);
        if (crosshair) view::DrawCrosshair(canvas, Point{at.x(), at.y()}, client, g.chartRegion);
        return image;
    }

    test::TempDir dir;
    std::unique_ptr<app::ProgramState> state;
    platform::ScriptedPrompts prompts;
    platform::RecordingLauncher launcher;
    platform::FixedClock clock{platform::CivilDate{2026, 1, 10}};
    std::unique_ptr<MainWindow> window;
};

TEST(ReadOutWindow, PressMoveAndReleaseShowTheBarsAndLeaveThePictureAsItWas) {
    Program p;
    ASSERT_EQ(p.state->geometry.xPercent, 100);
    const QImage before = p.window->Frame().copy();
    const int height = before.height();
    ASSERT_GT(height, 200);
    const int first = p.state->series.barCount - 12;
    const int second = p.state->series.barCount - 5;
    const QPoint a = p.BarPoint(first, height / 3);
    const QPoint b = p.BarPoint(second, height / 4);
    ASSERT_GT(a.x(), 0);
    ASSERT_LT(b.x(), before.width());

    QTest::mousePress(&p.Surface(), Qt::RightButton, Qt::NoModifier, a);
    EXPECT_TRUE(p.window->Controller().ReadOutActive());
    EXPECT_EQ(p.Surface().cursor().shape(), Qt::CrossCursor);
    // The strip shows the bar's date and prices and the price at the cursor;
    // the crosshair runs through the cursor, inverted.
    const std::string line = view::FormatBarLine(p.state->series, first);
    const auto at = static_cast<std::size_t>(first);
    EXPECT_EQ(line.substr(0, 15),
              QString::asprintf("     %d/%2d/%2d", p.state->series.year[at],
                                p.state->series.month[at], p.state->series.day[at])
                  .toStdString());
    EXPECT_EQ(p.window->Frame(), p.Expected(before, first, a, true));
    const QRgb under = before.pixel(a.x(), height / 2) & 0xFFFFFF;
    EXPECT_EQ(p.window->Frame().pixel(a.x(), height / 2) & 0xFFFFFF, ~under & 0xFFFFFF);

    p.MoveWithRightButton(b);
    EXPECT_EQ(p.window->Frame(), p.Expected(before, second, b, true));
    EXPECT_EQ(p.state->dataState.pointedDateKey,
              p.state->series.year[static_cast<std::size_t>(second)] * 10000 +
                  p.state->series.month[static_cast<std::size_t>(second)] * 100 +
                  p.state->series.day[static_cast<std::size_t>(second)]);

    QTest::mouseRelease(&p.Surface(), Qt::RightButton, Qt::NoModifier, b);
    EXPECT_FALSE(p.window->Controller().ReadOutActive());
    EXPECT_EQ(p.Surface().cursor().shape(), Qt::BitmapCursor);
    // The crosshair is gone at once; only the strip still shows the last bar.
    EXPECT_EQ(p.window->Frame(), p.Expected(before, second, b, false));
    // The repaint that follows brings the chart's own strip back: the picture
    // is the one before the press.
    p.Settle();
    EXPECT_EQ(p.window->Frame(), before);
    EXPECT_EQ(p.state->series.barCount, 515);
}

TEST(ReadOutWindow, PressAndReleaseWithoutMovingLeaveNoCrosshair) {
    Program p;
    const QImage before = p.window->Frame().copy();
    // Over a weekend slot: no bar, so nothing is written either.
    const chart::ChartGeometry& g = p.state->geometry;
    const int friday = p.state->series.barCount - 3;  // 26 December 2025
    ASSERT_EQ(p.state->series.day[static_cast<std::size_t>(friday)], 26);
    const int slot = g.barSlot[static_cast<std::size_t>(friday)] + 1;
    const QPoint saturday(
        platform::LogicalToPixels(chart::LogicalX((slot - 1) * 20 + 100 + 10, g.xPercent)) -
            g.scrollX,
        before.height() / 3);
    QTest::mousePress(&p.Surface(), Qt::RightButton, Qt::NoModifier, saturday);
    QImage crosshairOnly = before.copy();
    {
        QPainter painter(&crosshairOnly);
        QtCanvas canvas(painter, platform::Size{before.width(), before.height()});
        view::DrawCrosshair(canvas, Point{saturday.x(), saturday.y()},
                            platform::Size{before.width(), before.height()},
                            p.state->geometry.chartRegion);
    }
    EXPECT_EQ(p.window->Frame(), crosshairOnly);
    QTest::mouseRelease(&p.Surface(), Qt::RightButton, Qt::NoModifier, saturday);
    EXPECT_EQ(p.window->Frame(), before);
    p.Settle();
    EXPECT_EQ(p.window->Frame(), before);
}

TEST(ScrollWindow, TheWheelTheKeysAndTheBarsTakeTheChartsOwnSteps) {
    Program p;
    view::ViewState& v = p.state->view;
    const int end = p.state->geometry.scrollX;
    QScrollBar* bar = nullptr;
    for (QScrollBar* b : p.window->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Horizontal) bar = b;
    ASSERT_NE(bar, nullptr);

    auto wheel = [&](int delta) {
        const QPoint at(200, 200);
        QWheelEvent event(QPointF(at), QPointF(p.Surface().mapToGlobal(at)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&p.Surface(), &event);
    };
    // Up goes back in time, a page step a notch; half notches add up.
    wheel(120);
    EXPECT_EQ(v.savedScrollX, end - 20);
    wheel(-240);
    EXPECT_EQ(v.savedScrollX, end + 20);
    wheel(60);
    EXPECT_EQ(v.savedScrollX, end + 20);
    wheel(60);
    EXPECT_EQ(v.savedScrollX, end);
    p.Settle();
    EXPECT_EQ(p.state->geometry.scrollX, end);

    struct Key {
        Qt::Key key;
        int x;
        int y;
    };
    const Key keys[] = {
        {Qt::Key_Left, end - 2, 0}, {Qt::Key_Right, end, 0}, {Qt::Key_PageUp, end - 20, 0},
        {Qt::Key_PageDown, end, 0}, {Qt::Key_Down, end, 1},  {Qt::Key_Up, end, 0},
        {Qt::Key_Home, -50, 0},     {Qt::Key_Left, -50, 0},
    };
    for (const Key& k : keys) {
        QTest::keyClick(&p.Surface(), k.key);
        EXPECT_EQ(v.savedScrollX, k.x) << k.key;
        EXPECT_EQ(v.savedScrollY, k.y) << k.key;
    }
    p.Settle();
    EXPECT_EQ(p.state->geometry.scrollX, -50);
    QTest::keyClick(&p.Surface(), Qt::Key_End);
    p.Settle();
    EXPECT_EQ(p.state->geometry.scrollX, end);
    EXPECT_EQ(bar->value(), std::clamp(end, bar->minimum(), bar->maximum()));

    // The bar's own arrows step 2 pixels, whatever its single step is.
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(v.savedScrollX, end + 2);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(v.savedScrollX, end - 18);
    // Dragging moves nothing until the thumb is let go.
    bar->setSliderDown(true);
    bar->setSliderPosition(bar->minimum() + 10);
    EXPECT_EQ(v.savedScrollX, end - 18);
    bar->setSliderDown(false);
    EXPECT_EQ(v.savedScrollX, bar->minimum() + 10);
    p.Settle();
    EXPECT_EQ(p.state->geometry.scrollX, bar->minimum() + 10);
}

}  // namespace
}  // namespace korvo::qt
