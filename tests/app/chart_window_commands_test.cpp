// Commands 3446, 3448 and 3449: the step, brick and trident windows in their
// modeless slots.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/shell_fixture.h"

namespace korvo::app {
namespace {

using test::Shell;

TEST(ChartWindowCommands, EachOpensItsWindowInItsSlotFromScrollPositionZero) {
    const struct {
        int id;
        ModelessKind kind;
        std::size_t slot;
    } cases[] = {
        {kCmdStepChart, ModelessKind::Step, 1},
        {kCmdBrickChart, ModelessKind::Brick, 2},
        {kCmdTridentChart, ModelessKind::Trident, 3},
    };
    for (const auto& c : cases) {
        Shell shell;
        shell.OpenSample();
        EXPECT_TRUE(shell.controller->ItemEnabled(c.id)) << c.id;
        EXPECT_TRUE(shell.view.enabled[c.id]) << c.id;
        shell.controller->Command(kCmdHints);
        const int hints = shell.state->shell.modeless.Handle(0);
        ASSERT_NE(hints, 0);
        shell.state->view.savedScrollY = 40;
        const int mainScroll = shell.state->geometry.scrollX;
        ASSERT_GT(mainScroll, 0);
        const std::size_t repaints = shell.view.invalidations.size();

        shell.controller->Command(c.id);
        ASSERT_FALSE(shell.view.opened.empty());
        EXPECT_EQ(shell.view.opened.back(), c.kind) << c.id;
        const int handle = shell.state->shell.modeless.Handle(c.slot);
        EXPECT_NE(handle, 0) << c.id;
        EXPECT_NE(handle, hints);
        // The hints window gives way; the main chart keeps its place across.
        EXPECT_EQ(shell.view.closed, std::vector<int>{hints}) << c.id;
        EXPECT_EQ(shell.state->view.savedScrollX, mainScroll);
        EXPECT_EQ(shell.state->view.savedScrollY, 0);
        EXPECT_EQ(shell.state->view.scrollBarPosX, 0);
        EXPECT_EQ(shell.view.invalidations.size(), repaints + 1);

        shell.controller->ModelessClosed(handle);
        EXPECT_FALSE(shell.state->shell.modeless.IsOpen(c.slot));
    }
}

TEST(ChartWindowCommands, ASecondWindowOfASlotReplacesTheFirstAndARefusalLeavesItEmpty) {
    Shell shell;
    shell.OpenSample();
    shell.controller->Command(kCmdStepChart);
    const int first = shell.state->shell.modeless.Handle(1);
    shell.controller->Command(kCmdStepChart);
    EXPECT_EQ(shell.view.closed, std::vector<int>{first});
    EXPECT_NE(shell.state->shell.modeless.Handle(1), first);
    // The trident's slot is its own: the step window stays.
    shell.controller->Command(kCmdTridentChart);
    EXPECT_TRUE(shell.state->shell.modeless.IsOpen(1));
    EXPECT_TRUE(shell.state->shell.modeless.IsOpen(3));

    // A window that refuses to open leaves no handle behind.
    shell.view.nextHandle = 0;
    shell.controller->Command(kCmdBrickChart);
    EXPECT_FALSE(shell.state->shell.modeless.IsOpen(2));
}

}  // namespace
}  // namespace korvo::app
