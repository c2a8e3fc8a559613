#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace korvo::qt {
namespace {

TEST(MainWindow, CaptionIsTheProgramsOwnAndTheWindowClosesCleanly) {
    MainWindow window;
    const QString title = window.windowTitle();
    // "Orvane(Korvo ﾁｬｰﾄ)", 25 blanks, the maker's name.
    EXPECT_TRUE(title.startsWith(QString::fromUtf8("Orvane(Korvo ﾁｬｰﾄ)") + QString(25, ' ')));
    EXPECT_FALSE(title.startsWith(QString::fromUtf8("Orvane(Korvo ﾁｬｰﾄ)") + QString(26, ' ')));
    EXPECT_TRUE(title.endsWith("Korvo Software Works"));
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace korvo::qt
