#include "qt/hint_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include "qt/gui/qt_canvas.h"

namespace korvo::qt {
namespace {

app::HintBook Book() {
    std::optional<app::HintBook> book = app::LoadHints();
    EXPECT_TRUE(book.has_value());
    return book.value_or(app::HintBook{});
}

QPushButton* Button(HintWindow& window, const char* id) {
    return window.findChild<QPushButton*>(id);
}

void DeleteLaterNow() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Pixels in the hint colour (red 0xB2), inside and outside the text box.
std::pair<int, int> HintInk(const QImage& image) {
    const QRect box(15, 15, 325, 185);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xB20000)
                (box.contains(x, y) ? inside : outside)++;
    return {inside, outside};
}

TEST(HintWindow, ItIsTheModelessHintsDialogWithItsThreeButtons) {
    const app::HintBook book = Book();
    int hintTopic = 0;
    HintWindow* window = new HintWindow(book, hintTopic);
    EXPECT_EQ(window->objectName(), QString("DLGHINT"));
    EXPECT_EQ(window->windowTitle(),
              QString::fromUtf8("\u3000\u3000\u3000\u3000\u3000操作ヒント（使用法ガイド）"));
    EXPECT_FALSE(window->isModal());
    const struct {
        const char* id;
        const char* label;
    } buttons[] = {{"1", "次のヒントへ"}, {"9201", "前のヒントへ"}, {"2", "終了"}};
    for (const auto& b : buttons) {
        QPushButton* button = Button(*window, b.id);
        ASSERT_NE(button, nullptr) << b.id;
        EXPECT_EQ(button->text(), QString::fromUtf8(b.label));
        // The buttons stay clear of the text box.
        EXPECT_GE(button->geometry().top(), 200) << b.id;
        EXPECT_LE(button->geometry().bottom(), window->height()) << b.id;
    }
    EXPECT_EQ(window->Pager().ShownTopic(), 17);
    delete window;
}

TEST(HintWindow, ButtonsPageAndClosingKeepsTheTopicForTheNextWindow) {
    const app::HintBook book = Book();
    int hintTopic = 0;
    QPointer<HintWindow> window = new HintWindow(book, hintTopic);
    QSignalSpy closed(window.data(), &HintWindow::closed);
    window->show();

    Button(*window, "9201")->click();
    EXPECT_EQ(window->Pager().ShownTopic(), 28);
    EXPECT_EQ(hintTopic, 28);
    Button(*window, "1")->click();
    Button(*window, "1")->click();
    EXPECT_EQ(window->Pager().ShownTopic(), 2);
    EXPECT_EQ(window->Pager().Text(), book.Text(2));

    Button(*window, "2")->click();
    EXPECT_EQ(closed.count(), 1);
    DeleteLaterNow();
    EXPECT_TRUE(window.isNull()) << "the window is destroyed when it closes";
    EXPECT_EQ(hintTopic, 2);

    QPointer<HintWindow> again = new HintWindow(book, hintTopic);
    QSignalSpy closedAgain(again.data(), &HintWindow::closed);
    again->show();
    EXPECT_EQ(again->Pager().ShownTopic(), 17);
    Button(*again, "1")->click();
    EXPECT_EQ(again->Pager().ShownTopic(), 3);
    // The close box and Escape end it the same way, and the owner hears of it once.
    again->close();
    EXPECT_EQ(closedAgain.count(), 1);
    DeleteLaterNow();
    EXPECT_TRUE(again.isNull());
}

TEST(HintWindow, TheTextIsPaintedInItsBoxAndARepaintShowsTheSameTopic) {
    const app::HintBook book = Book();
    int hintTopic = 0;
    HintWindow window(book, hintTopic);
    window.show();
    QApplication::processEvents();

    const QImage first = window.grab().toImage();
    const auto [inside, outside] = HintInk(first);
    EXPECT_GT(inside, 200) << "topic 17 is written in dark red";
    EXPECT_EQ(outside, 0);

    window.hide();
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.grab().toImage(), first) << "covering and uncovering keeps the topic";

    Button(window, "1")->click();
    QApplication::processEvents();
    EXPECT_NE(window.grab().toImage(), first);
}

TEST(HintWindow, EveryHintFitsItsBoxInTheHintFont) {
    const app::HintBook book = Book();
    // Measured a little larger than the window draws it (12-pixel characters in a
    // 12-pixel cell), so a pass here leaves room to spare.
    platform::Font font;
    font.face = "MS UI Gothic";
    font.weight = 400;
    font.charset = platform::Charset::ShiftJis;
    const QFontMetrics metrics(MakeQFont(font, 12));
    for (int topic = 0; topic <= app::kHintTopicCount; ++topic) {
        const QString text = QString::fromStdString(book.Text(topic));
        const QRect needed = metrics.boundingRect(
            QRect(15, 15, 325, 185), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        EXPECT_LE(needed.bottom(), 200) << "topic " << topic << " needs " << needed.height();
        EXPECT_LE(needed.right(), 340) << "topic " << topic;
    }
}

}  // namespace
}  // namespace korvo::qt
