#include "qt/menu_builder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <functional>

namespace korvo::qt {
namespace {

app::MenuItem Menu(const char* name) {
    std::optional<app::MenuItem> menu = app::LoadMenu(name);
    EXPECT_TRUE(menu.has_value()) << name;
    return menu.value_or(app::MenuItem{});
}

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The titles of the menus holding `action`, from the menu bar down.
QStringList PathOf(QAction* action, const QMenuBar& bar) {
    QStringList path;
    const QList<QMenu*> menus = bar.findChildren<QMenu*>();
    for (;;) {
        QMenu* parentMenu = nullptr;
        for (QMenu* menu : menus)
            if (menu->actions().contains(action)) parentMenu = menu;
        if (!parentMenu) break;
        path.prepend(parentMenu->title());
        action = parentMenu->menuAction();
    }
    return path;
}

void DeleteLaterNow() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(CommandMenuBar, ChartMenuBecomesNamedActionsInItsSubMenus) {
    CommandMenuBar bar;
    const app::MenuItem menu = Menu(app::kChartMenuName);
    bar.Install(menu, app::kChartMenuName);
    EXPECT_EQ(bar.MenuName(), Q("KORVOMENU"));

    const QList<QAction*> top = bar.actions();
    ASSERT_EQ(top.size(), static_cast<qsizetype>(menu.children.size()));
    EXPECT_EQ(top[0]->text(), Q("★ｵﾝﾗｲﾝ"));
    EXPECT_NE(top[0]->menu(), nullptr);
    EXPECT_EQ(top[12]->text(), Q("ﾍﾙﾌﾟ"));
    EXPECT_EQ(top[12]->menu(), nullptr);  // a command right on the menu bar
    EXPECT_EQ(top[12]->objectName(), Q("11"));

    for (int id : app::MenuCommandIds(menu)) {
        const QList<QAction*> actions = bar.Actions(id);
        ASSERT_FALSE(actions.isEmpty()) << id;
        for (QAction* action : actions) {
            EXPECT_EQ(action->objectName(), QString::number(id));
            EXPECT_EQ(action->data().toInt(), id);
            EXPECT_EQ(action->isCheckable(), app::FindMenuItem(menu, id)->toggle) << id;
            EXPECT_FALSE(action->isChecked()) << id;
        }
    }
    EXPECT_EQ(bar.Actions(10012).size(), 2);  // under both stock markets
    EXPECT_EQ(PathOf(bar.Actions(10012)[1], bar), (QStringList{Q("ﾃﾞｰﾀ読込"), Q("海外株")}));
    EXPECT_EQ(PathOf(bar.Actions(3506)[0], bar), (QStringList{Q("ﾁｬｰﾄ"), Q("一目均衡表")}));
    EXPECT_EQ(PathOf(bar.Actions(7190)[0], bar), (QStringList{Q("表示"), Q("ｶﾗｰ設定")}));

    // "&&" in a label is one ampersand on screen.
    QAction* pointAndFigure = bar.Actions(3452).value(0);
    ASSERT_NE(pointAndFigure, nullptr);
    EXPECT_EQ(pointAndFigure->text(), Q("ﾎﾟｲﾝﾄ&&ﾌｨｷﾞｱ"));
    EXPECT_EQ(pointAndFigure->iconText(), Q("ﾎﾟｲﾝﾄ&ﾌｨｷﾞｱ"));
}

TEST(CommandMenuBar, ChoosingAnItemReportsItsIdAndLeavesTheCheckMarkToTheOwner) {
    CommandMenuBar bar;
    bar.Install(Menu(app::kChartMenuName), app::kChartMenuName);
    QSignalSpy spy(&bar, &CommandMenuBar::commandTriggered);

    QAction* average = bar.Actions(3442).value(0);
    ASSERT_NE(average, nullptr);
    average->trigger();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 3442);
    EXPECT_FALSE(average->isChecked()) << "the mark follows the option, not the click";

    EXPECT_TRUE(bar.SetChecked(3442, true));
    EXPECT_TRUE(bar.IsChecked(3442));
    average->trigger();
    EXPECT_EQ(spy.count(), 2);
    EXPECT_TRUE(bar.IsChecked(3442));

    bar.Actions(342).value(0)->trigger();
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(2).at(0).toInt(), 342);

    // A disabled item sends nothing.
    EXPECT_TRUE(bar.SetEnabled(3459, false));
    EXPECT_FALSE(bar.IsEnabled(3459));
    bar.Actions(3459).value(0)->trigger();
    EXPECT_EQ(spy.count(), 3);
}

TEST(CommandMenuBar, HelpersActOnEveryCopyAndReportUnknownCommands) {
    CommandMenuBar bar;
    bar.Install(Menu(app::kChartMenuName), app::kChartMenuName);
    EXPECT_TRUE(bar.SetEnabled(7991, false));
    for (QAction* action : bar.Actions(7991))
        EXPECT_FALSE(action->isEnabled());
    EXPECT_TRUE(bar.SetEnabled(7991, true));
    for (QAction* action : bar.Actions(7991))
        EXPECT_TRUE(action->isEnabled());

    // Items that no menu of the program carries.
    for (int id : {408, 888, 930, 7392}) {
        EXPECT_FALSE(bar.SetChecked(id, true)) << id;
        EXPECT_FALSE(bar.SetEnabled(id, false)) << id;
        EXPECT_FALSE(bar.IsChecked(id)) << id;
        EXPECT_FALSE(bar.IsEnabled(id)) << id;
    }
}

TEST(CommandMenuBar, InstallingAnotherMenuReplacesTheOldOneEvenFromItsOwnCommand) {
    CommandMenuBar bar;
    bar.Install(Menu(app::kOpenMenuName), app::kOpenMenuName);
    QPointer<QAction> oldTitleOff = bar.Actions(3501).value(0);
    ASSERT_FALSE(oldTitleOff.isNull());
    bar.SetChecked(3501, true);

    // Command 3509 on the opening menu swaps in the chart menu from inside its own handler.
    QObject::connect(&bar, &CommandMenuBar::commandTriggered, &bar, [&bar](int id) {
        if (id == 3509) bar.Install(Menu(app::kChartMenuName), app::kChartMenuName);
    });
    bar.Actions(3509).value(0)->trigger();
    DeleteLaterNow();

    EXPECT_EQ(bar.MenuName(), Q("KORVOMENU"));
    EXPECT_TRUE(oldTitleOff.isNull()) << "the old menu is destroyed";
    EXPECT_EQ(bar.Actions(3442).size(), 1);
    EXPECT_FALSE(bar.IsChecked(3501)) << "a new menu starts without marks";
    EXPECT_EQ(bar.actions().size(), 13);
    // Only the sub-menus of the chart menu remain.
    int popups = 0;
    std::function<void(const app::MenuItem&)> count = [&](const app::MenuItem& item) {
        for (const app::MenuItem& child : item.children)
            if (child.IsPopup()) {
                ++popups;
                count(child);
            }
    };
    count(Menu(app::kChartMenuName));
    EXPECT_EQ(bar.findChildren<QMenu*>().size(), popups);
}

}  // namespace
}  // namespace korvo::qt
