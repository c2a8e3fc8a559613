// korvo-cli render --readout: the read-out texts at a client point of the
// painted sample chart.
#include <gtest/gtest.h>

#include "data/calendar.h"
#include "platform/canvas.h"
#include "support/cli_run.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::view {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;

// The last two lines of the output.
std::pair<std::string, std::string> LastTwoLines(const std::string& out) {
    const std::vector<std::string> lines = korvo::test::Lines(out);
    if (lines.size() < 2) return {};
    return {lines[lines.size() - 2], lines.back()};
}

TEST(ReadOutCli, PrintsTheBarLineAndThePriceAtAClientPoint) {
    test::TempDir dir;
    const std::string sample = korvo::test::ShippedSample().string();
    const std::string settings = korvo::test::ShippedSettings().string();
    auto args = [&](const std::string& point) {
        return std::vector<std::string>{
            "render",     sample,  "--settings",        settings,  "--size",    "1,1", "--today",
            "2026-01-10", "--dir", dir.Path().string(), "--trace", "--readout", point};
    };
    // At 100 % the chart stands at scroll position 4532 (the newest bar at 80 %
    // of 1280 pixels); a day's slot is 20 logical units from 100 on.
    auto column = [](int year, int month, int day) {
        const int slot = data::DayOrdinal(2024, 1, 1, year, month, day);
        return platform::LogicalToPixels((slot - 1) * 20 + 110) - 4532;
    };
    struct Case {
        const char* name;
        int x, y;
        const char* bar;
        const char* price;
    };
    const Case cases[] = {
        // 300 pixels are 794 units down: 1000 + (1150 - 794) / 0.5 yen.
        {"the last bar", column(2025, 12, 30), 300,
         "     2025/12/30    open1991.00 hi2005.00 low1957.00 close1979.00 vol 363000",
         "price:     1712"},
        {"a Saturday", column(2025, 12, 27), 300, "", "price:     1712"},
        // 301 pixels are 796 units: 1000 + 354 / 0.5.
        {"a bar in March", column(2025, 3, 25), 301,
         "     2025/ 3/25    open1339.00 hi1365.00 low1328.00 close1352.00 vol 408000",
         "price:     1708"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(args(std::to_string(c.x) + "," + std::to_string(c.y)));
        ASSERT_EQ(run.code, 0) << run.err;
        const auto [bar, price] = LastTwoLines(run.out);
        EXPECT_EQ(bar, c.bar) << c.name;
        EXPECT_EQ(price, c.price) << c.name;
    }

    const CliRun bad = Cli(args("12"));
    EXPECT_EQ(bad.code, 2);
    EXPECT_NE(bad.err.find("--readout takes X,Y in client pixels, not 12"), std::string::npos);
}

}  // namespace
}  // namespace korvo::view
