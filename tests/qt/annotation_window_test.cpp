// The write command in the real main window: the text dialog worked as a
// user works it, the annotation placed with the left button, and found drawn
// on its bars after a repaint at another zoom.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "annotate/annotation_record.h"
#include "app/command_ids.h"
#include "app/settings_file.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/prompts.h"
#include "platform/scripted_prompts.h"
#include "qt/main_window.h"
#include "qt/menu_builder.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::qt {
namespace {

struct Program {
    Program() {
        test::CopyShippedFiles(dir.Path());
        state = std::make_unique<app::ProgramState>();
        app::ReadStartSettings(*state, dir.Path());
        window = std::make_unique<MainWindow>(*state, prompts, launcher, clock, dir.Path());
        window->show();
        Settle();
        prompts.QueueFile((dir / "sample.stk").string());
        Trigger(app::kCmdOpenFile);
        Trigger(3467);  // 100 % wide
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
    // The client point over the middle of bar i at a price, on the chart as last drawn.
    QPoint At(int i, float price) const {
        const chart::ChartGeometry& g = state->geometry;
        const int x = static_cast<int>(g.barX[static_cast<std::size_t>(i)]) + 10;
        return QPoint(
            platform::LogicalToPixels(chart::LogicalX(x, g.xPercent)) - g.scrollX,
            platform::LogicalToPixels(-chart::LogicalY(chart::PriceY(g, price), g.yPercent)) -
                g.scrollY);
    }
    void MoveWithLeftButton(QPoint to) {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(Surface().mapToGlobal(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Surface(), &move);
    }

    test::TempDir dir;
    std::unique_ptr<app::ProgramState> state;
    platform::ScriptedPrompts prompts;
    platform::RecordingLauncher launcher;
    platform::FixedClock clock{platform::CivilDate{2026, 1, 10}};
    std::unique_ptr<MainWindow> window;
};

// Works the dialog named `name` as soon as it is shown (it runs its own loop).
void WhenShown(const char* name, std::function<void(QDialog&)> work) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, name, work] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (!dialog || !dialog->isVisible() || dialog->objectName() != name) continue;
            timer->stop();
            timer->deleteLater();
            work(*dialog);
            return;
        }
    });
    timer->start();
}

// The bounding box of the pixels in which two pictures differ.
QRect Difference(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(AnnotationWindow, ATextWithAnArrowPlacedByMouseIsDrawnOnItsBarsAtAnotherZoom) {
    Program p;
    const QImage before = p.window->Frame().copy();
    WhenShown("DIALOG51", [](QDialog& dialog) {
        auto* text = dialog.findChild<QComboBox*>("7451");
        auto* arrow = dialog.findChild<QCheckBox*>("271");
        ASSERT_TRUE(text && arrow);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("文字書き込み"));
        text->setEditText(QString::fromUtf8("高値"));
        arrow->setChecked(true);
        dialog.findChild<QPushButton*>("1")->click();
    });
    p.Trigger(app::kCmdAnnotate);
    EXPECT_TRUE(p.state->annotations.placingText);
    EXPECT_EQ(p.Surface().cursor().shape(), Qt::CrossCursor);
    // The paint after the dialog puts the picture back as it was.
    EXPECT_EQ(p.window->Frame(), before);

    const int first = p.state->series.barCount - 40;
    const int second = p.state->series.barCount - 20;
    const float low = p.state->series.low[static_cast<std::size_t>(first)];
    const float high = p.state->series.high[static_cast<std::size_t>(second)];
    const QPoint from = p.At(first, low);
    const QPoint to = p.At(second, high);
    QTest::mousePress(&p.Surface(), Qt::LeftButton, Qt::NoModifier, from);
    p.MoveWithLeftButton((from + to) / 2);
    p.MoveWithLeftButton(to);
    // The rubber band shows, inverted, from the start to the cursor.
    const QPoint middle = (from + to) / 2;
    const QRect band = Difference(p.window->Frame(), before);
    EXPECT_TRUE(band.contains(middle));
    EXPECT_NEAR(band.left(), from.x(), 1);
    QTest::mouseRelease(&p.Surface(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_FALSE(p.state->annotations.placingText);
    EXPECT_EQ(p.Surface().cursor().shape(), Qt::BitmapCursor);
    const auto records = annotate::ParseAnnotations(test::ReadFile(p.dir / "SAMPLE1.chr")).records;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0].withArrow);

    // At half the width the annotation is drawn from the same bar and price
    // to the other, one slot short of it, with its text there.
    p.Trigger(3466);
    ASSERT_EQ(p.state->geometry.xPercent, 50);
    const QImage with = p.window->Frame().copy();
    p.Trigger(app::kCmdAnnotationsOff);
    const QImage without = p.window->Frame().copy();
    p.Trigger(app::kCmdAnnotationsOff);
    EXPECT_EQ(p.window->Frame(), with);
    const QPoint start = p.At(first, low);
    const QPoint end = p.At(second, high) - QPoint(platform::LogicalToPixels(10), 0);
    const QRect drawn = Difference(with, without);
    ASSERT_FALSE(drawn.isEmpty());
    // The arrowhead and the line start at the bar, in the annotation colour;
    // the text runs on from the end.
    EXPECT_NEAR(drawn.left(), start.x(), 2);
    EXPECT_TRUE(drawn.contains(start)) << start.x() << "," << start.y();
    EXPECT_TRUE(drawn.contains(end)) << end.x() << "," << end.y();
    EXPECT_LT(drawn.right(), end.x() + 60);
    EXPECT_GT(drawn.top(), std::min(start.y(), end.y()) - 30);
    EXPECT_LT(drawn.bottom(), std::max(start.y(), end.y()) + 30);
    int yellow = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((with.pixel(start + QPoint(dx, dy)) & 0xFFFFFF) == 0xFFFF00) ++yellow;
    EXPECT_GT(yellow, 0);

    // Delete mode shows the chart so far before it asks, and the chart is
    // then drawn without the annotation.
    p.prompts.QueueAnswer(platform::Answer::Yes);
    p.Trigger(app::kCmdDeleteAnnotations);
    p.Settle();
    EXPECT_EQ(p.prompts.Messages().back().text, "この挿入語・線を削除しますか?");
    EXPECT_TRUE(test::ReadFile(p.dir / "SAMPLE1.chr").empty());
    EXPECT_EQ(p.window->Frame(), without);
}

}  // namespace
}  // namespace korvo::qt
