// The scan pop-up and the data list window beside the real main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <cstdlib>

#include "app/command_ids.h"
#include "app/settings_file.h"
#include "lists/lists.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/scripted_prompts.h"
#include "qt/data_list_window.h"
#include "qt/main_window.h"
#include "qt/menu_builder.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::qt {
namespace {

struct Program {
    Program() {
        test::CopyShippedFiles(dir.Path());
        std::filesystem::copy_file(test::ShippedSample().parent_path() / "sample2.stk",
                                   dir / "sample2.stk");
        state = std::make_unique<app::ProgramState>();
        app::ReadStartSettings(*state, dir.Path());
        window = std::make_unique<MainWindow>(*state, prompts, launcher, clock, dir.Path());
        window->show();
        Settle();
    }
    ~Program() { window->close(); }
    void Settle() {
        QApplication::processEvents();
        window->PaintPending();
        QApplication::processEvents();
    }
    void Trigger(int id) {
        const QList<QAction*> actions = window->Menu().Actions(id);
        ASSERT_FALSE(actions.isEmpty()) << id;
        ASSERT_TRUE(actions.first()->isEnabled()) << id;
        actions.first()->trigger();
        Settle();
    }
    QMenu* Popup() const {
        for (QMenu* menu : window->findChildren<QMenu*>("scanPopup"))
            if (menu->isVisible()) return menu;
        return nullptr;
    }

    test::TempDir dir;
    std::unique_ptr<app::ProgramState> state;
    platform::ScriptedPrompts prompts;
    platform::RecordingLauncher launcher;
    platform::FixedClock clock{platform::CivilDate{2025, 12, 31}};
    std::unique_ptr<MainWindow> window;
};

TEST(ListWindows, TheScanPopUpStepsThroughTheListFromTheTopRight) {
    Program p;
    ASSERT_TRUE(lists::WritePortfolioList(
        p.dir / "UPDATE.usr",
        {{"S1", (p.dir / "sample.stk").string()}, {"S2", (p.dir / "sample2.stk").string()}}));
    p.Trigger(app::kCmdScan1);
    EXPECT_EQ(p.state->series.marketCode, "9999");
    QMenu* popup = p.Popup();
    ASSERT_NE(popup, nullptr);
    const QList<QAction*> items = popup->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QString::fromUtf8("▲"));
    EXPECT_EQ(items[1]->text(), QString::fromUtf8("▼"));
    // At the top right, kept on the screen.
    const QPoint corner = p.window->Surface().mapToGlobal(QPoint(p.window->Surface().width(), 0));
    EXPECT_LE(popup->geometry().right(), popup->screen()->geometry().right());
    EXPECT_GT(popup->geometry().left(), corner.x() - 200);
    EXPECT_LT(std::abs(popup->geometry().top() - corner.y() - 2), 10);

    items[1]->trigger();
    p.Settle();
    EXPECT_EQ(p.state->series.marketCode, "9998");
    // One pop-up at a time: the new one replaces the old.
    int shown = 0;
    for (QMenu* menu : p.window->findChildren<QMenu*>("scanPopup"))
        if (menu->isVisible()) ++shown;
    EXPECT_EQ(shown, 1);
    p.Popup()->actions()[1]->trigger();
    p.Settle();
    ASSERT_EQ(p.prompts.Messages().size(), 1u);
    EXPECT_EQ(p.prompts.Messages()[0].text, "データファイル完了");
    EXPECT_EQ(p.state->series.marketCode, "9998");
}

TEST(ListWindows, TheDataListOpensBesideTheChartAndFreesItsSlotOnClosing) {
    Program p;
    p.prompts.QueueFile((p.dir / "sample2.stk").string());
    p.Trigger(app::kCmdOpenFile);
    p.Trigger(app::kCmdListTable);
    const int handle = p.state->shell.modeless.Handle(0);
    ASSERT_NE(handle, 0);
    auto* list = qobject_cast<DataListQWindow*>(p.window->ModelessWindow(handle));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(p.prompts.Messages().empty());
    list->reject();
    QApplication::processEvents();
    EXPECT_FALSE(p.state->shell.modeless.IsOpen(0));
}

}  // namespace
}  // namespace korvo::qt
