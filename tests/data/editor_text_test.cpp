// The lines the data file editor lists the bars in.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "data/editor_text.h"

namespace korvo::data {
namespace {

struct Bar {
    int year, month, day;
    float open, high, low, close;
    std::int32_t volume;
};

std::unique_ptr<PriceSeries> SeriesOf(std::initializer_list<Bar> bars, std::int16_t divisor) {
    auto s = std::make_unique<PriceSeries>();
    for (const Bar& b : bars) {
        const auto i = static_cast<std::size_t>(s->barCount++);
        s->year[i] = static_cast<std::int16_t>(b.year);
        s->month[i] = static_cast<std::uint8_t>(b.month);
        s->day[i] = static_cast<std::uint8_t>(b.day);
        s->open[i] = b.open;
        s->high[i] = b.high;
        s->low[i] = b.low;
        s->close[i] = b.close;
        s->volume[i] = b.volume;
    }
    s->volumeDivisor = divisor;
    return s;
}

TEST(EditorText, WholeBarsWithoutDecimalsOthersWithTwoAndVolumesInTheFilesUnits) {
    struct Case {
        Bar bar;
        std::int16_t divisor;
        const char* line;
    };
    const Case cases[] = {
        {{2024, 1, 4, 1543, 1568, 1529, 1554, 555400},
         1,
         "2024\t 1\t 4\t     1543\t     1568\t     1529\t     1554      555400\r\n"},
        // One price with a fraction lists all four with two decimals.
        {{2004, 1, 5, 1234.5f, 1240, 1230, 1235, 10000},
         1,
         "2004\t 1\t 5\t1234.50\t1240.00\t1230.00\t1235.00       10000\r\n"},
        {{2004, 12, 31, 1240, 1240, 1230, 1234.5f, 0},
         1,
         "2004\t12\t31\t1240.00\t1240.00\t1230.00\t1234.50           0\r\n"},
        // A part below the unit that shows only past two decimals counts as whole.
        {{2004, 1, 5, 100.004f, 101, 99, 100, 7},
         1,
         "2004\t 1\t 5\t      100\t      101\t       99\t      100           7\r\n"},
        {{2004, 1, 5, 0.5f, 0.75f, 0.25f, 0.5f, 7},
         1,
         "2004\t 1\t 5\t  0.50\t  0.75\t  0.25\t  0.50           7\r\n"},
        // Shown in thousands, listed in units again: the last three digits are zeros.
        {{2004, 1, 5, 100, 110, 90, 105, 1234},
         1000,
         "2004\t 1\t 5\t      100\t      110\t       90\t      105     1234000\r\n"},
        // The largest display volume, multiplied back, does not wrap.
        {{2004, 1, 5, 100, 110, 90, 105, 2147483647},
         1000,
         "2004\t 1\t 5\t      100\t      110\t       90\t      105"
         "2147483647000\r\n"},
    };
    for (const Case& c : cases) {
        const auto s = SeriesOf({c.bar}, c.divisor);
        EXPECT_EQ(EditorLine(*s, 0), c.line);
    }
}

TEST(EditorText, NewestBarFirstAndTheBoxHoldsWhatItIsFilledWith) {
    const auto s = SeriesOf(
        {{2004, 1, 5, 1, 2, 1, 2, 10}, {2004, 1, 6, 2, 3, 2, 3, 20}, {2004, 1, 7, 3, 4, 3, 4, 30}},
        1);
    const std::string text = EditorText(*s);
    EXPECT_EQ(text, EditorLine(*s, 2) + EditorLine(*s, 1) + EditorLine(*s, 0));
    EXPECT_EQ(EditorTextLimit(*s, text.size()), 3u * 192 + 100);
    // Prices too large for the usual width still fit in full.
    EXPECT_EQ(EditorTextLimit(*s, 5000), 5000u);
    EXPECT_EQ(EditorText(*SeriesOf({}, 1)), "");
}

}  // namespace
}  // namespace korvo::data
