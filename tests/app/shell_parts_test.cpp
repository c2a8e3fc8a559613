#include <gtest/gtest.h>

#include "app/alloc.h"
#include "app/memory_status.h"
#include "app/modeless.h"
#include "app/path_input.h"
#include "platform/scripted_prompts.h"

namespace korvo::app {
namespace {

TEST(WorkArrays, BlocksAreZeroFilledAndAMissingOneIsReportedOnce) {
    platform::ScriptedPrompts prompts;
    const FloatArray floats = AllocFloatArray(4096);
    const IntArray ints = AllocIntArray(4096);
    ASSERT_EQ(CheckAllocation(floats.get(), prompts), 0);
    ASSERT_EQ(CheckAllocation(ints.get(), prompts), 0);
    for (int i = 0; i < 4096; ++i) {
        EXPECT_EQ(floats[i], 0.0f);
        EXPECT_EQ(ints[i], 0);
    }
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_NE(AllocIntArray(0), nullptr);

    // A count no block can have gives nothing, and the check says so.
    const FloatArray none = AllocFloatArray(-1);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(CheckAllocation(none.get(), prompts), 1);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "エラー！メモリー容量不足");
    EXPECT_EQ(prompts.Messages()[0].caption, "エラーメッセージ(M0015)");
    EXPECT_EQ(prompts.Messages()[0].icon, platform::Icon::Stop);
}

TEST(MemoryStatus, FiguresComeFromProcAndAreShownInMillionsOfBytes) {
    const char* meminfo =
        "MemTotal:       16000000 kB\nMemFree:          500000 kB\n"
        "MemAvailable:    4000000 kB\nSwapTotal:             0 kB\n";
    const char* status = "Name:\tkorvo\nVmPeak:\t  300000 kB\nVmSize:\t  250000 kB\n";
    const MemoryStatus s = ParseMemoryStatus(meminfo, status, std::uint64_t{1} << 47);
    EXPECT_EQ(s.totalPhysical, 16000000ull * 1024);
    EXPECT_EQ(s.availablePhysical, 4000000ull * 1024);
    EXPECT_EQ(s.load, 75u);
    EXPECT_EQ(s.totalVirtual, std::uint64_t{1} << 47);
    EXPECT_EQ(s.availableVirtual, (std::uint64_t{1} << 47) - 250000ull * 1024);
    EXPECT_EQ(FormatMemoryStatus(s),
              "  システムメモリー使用状況\n\nTotal Memory \t16384 MB\nAvailalble Memory  \t4096 "
              "MB\nPercent in use \t75 %\nTotal virtual Memory \t140737488 MB\nAvail virtual Memory "
              "\t140737232 MB");

    // Missing or garbled lines count as nothing, never as a division by zero.
    const MemoryStatus empty = ParseMemoryStatus("", "VmSize: x kB\n", 1000);
    EXPECT_EQ(empty, (MemoryStatus{0, 0, 0, 1000, 1000}));

    const MemoryStatus here = ReadMemoryStatus();
    EXPECT_GT(here.totalPhysical, 0u);
    EXPECT_LE(here.availablePhysical, here.totalPhysical);
    EXPECT_LE(here.load, 100u);
}

TEST(ModelessSlots, KindsShareSlotsAndClosingEmptiesOnlyTheSlotStillHeld) {
    EXPECT_EQ(SlotOf(ModelessKind::Hints), SlotOf(ModelessKind::DataList));
    EXPECT_EQ(SlotOf(ModelessKind::Brick), SlotOf(ModelessKind::InverseWatch));
    EXPECT_EQ(SlotOf(ModelessKind::Step), 1u);
    EXPECT_EQ(SlotOf(ModelessKind::Trident), 3u);
    EXPECT_EQ(SlotOf(ModelessKind::PointFigure), 4u);

    ModelessSlots slots;
    slots.Opened(ModelessKind::Hints, 7);
    slots.Opened(ModelessKind::Step, 8);
    slots.Opened(ModelessKind::DataList, 9);  // overwrites the hints window's handle
    EXPECT_EQ(slots.Handles(), (std::array<int, 5>{9, 8, 0, 0, 0}));
    slots.Closed(7);
    EXPECT_EQ(slots.Handle(0), 9);
    slots.Closed(9);
    slots.Closed(0);
    EXPECT_EQ(slots.Handles(), (std::array<int, 5>{0, 8, 0, 0, 0}));
    EXPECT_FALSE(slots.IsOpen(7));
}

TEST(PathInput, AnEmptyPathIsRefusedAndBrowsingOffersPrograms) {
    platform::ScriptedPrompts prompts;
    PathInputLogic logic(prompts);
    EXPECT_FALSE(logic.Accept(""));
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "ファイル・パスを記入してください");
    EXPECT_EQ(prompts.Messages()[0].caption, " メッセージ");
    EXPECT_EQ(logic.Accept("/usr/bin/mousepad"), "/usr/bin/mousepad");

    prompts.QueueFile("/opt/ed");
    EXPECT_EQ(logic.Browse(), "/opt/ed");
    ASSERT_EQ(prompts.FileRequests().size(), 1u);
    EXPECT_EQ(prompts.FileRequests()[0].filters[0].label, "Data Files(*.exe)");
    prompts.QueueFile(std::nullopt);
    EXPECT_FALSE(logic.Browse());
}

}  // namespace
}  // namespace korvo::app
