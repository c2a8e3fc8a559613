// The custom size, display start and scale dialogs as the user fills them in:
// what each refuses, with which message, and what OK stores.
#include <gtest/gtest.h>

#include <memory>

#include "platform/scripted_prompts.h"
#include "view/custom_size_dialog.h"
#include "view/display_start_dialog.h"
#include "view/scale_dialog.h"

namespace korvo::view {
namespace {

using platform::Icon;

TEST(CustomSizeDialog, TakesUpTo300PercentAndRefusesMore) {
    struct Case {
        const char* width;
        const char* height;
        bool accepted;
        const char* message;
        float h, v;
        bool scrollBars;
    };
    const Case cases[] = {
        {"300", "300", true, nullptr, 3.0f, 3.0f, true},
        {"301", "100", false, "Max size upto 300 percent", 0, 0, false},
        {"100", "301", false, "Max size upto 300 percent", 0, 0, false},
        {"100", "100", true, nullptr, 1.0f, 1.0f, false},
        {" 150", "80", true, nullptr, 1.5f, 0.8f, true},
        {"20", "101", true, nullptr, 0.2f, 1.01f, true},
        // Read as a C library reads a number: what follows it is ignored.
        {"75%", "50 percent", true, nullptr, 0.75f, 0.5f, false},
        // Nothing to draw in: refused as well.
        {"0", "100", false, "Min size 1 percent", 0, 0, false},
        {"abc", "100", false, "Min size 1 percent", 0, 0, false},
        {"100", "-20", false, "Min size 1 percent", 0, 0, false},
        {"1", "1", true, nullptr, 0.01f, 0.01f, false},
    };
    for (const Case& c : cases) {
        ViewState v;
        v.horizontalScale = 0.4f;
        v.verticalScale = 0.9f;
        v.customHorizontalScale = 0.3f;
        v.customVerticalScale = 0.7f;
        v.scrollBarsShown = false;
        platform::ScriptedPrompts prompts;
        CustomSizeDialog dialog(v, prompts);
        EXPECT_EQ(dialog.Accept({c.width, c.height}), c.accepted) << c.width << "/" << c.height;
        if (c.accepted) {
            EXPECT_TRUE(prompts.Messages().empty());
            EXPECT_FLOAT_EQ(v.horizontalScale, c.h) << c.width;
            EXPECT_FLOAT_EQ(v.verticalScale, c.v) << c.height;
            EXPECT_FLOAT_EQ(v.customHorizontalScale, c.h);
            EXPECT_FLOAT_EQ(v.customVerticalScale, c.v);
            EXPECT_FLOAT_EQ(v.savedHorizontalScale, 0.4f);
            EXPECT_FLOAT_EQ(v.savedVerticalScale, 0.9f);
        } else {
            ASSERT_EQ(prompts.Messages().size(), 1u) << c.width;
            EXPECT_EQ(prompts.Messages()[0].text, c.message);
            EXPECT_EQ(prompts.Messages()[0].caption, "Warning");
            EXPECT_EQ(prompts.Messages()[0].icon, Icon::Exclamation);
            // Nothing changes until a valid entry is confirmed.
            EXPECT_FLOAT_EQ(v.horizontalScale, 0.4f);
            EXPECT_FLOAT_EQ(v.verticalScale, 0.9f);
            EXPECT_FLOAT_EQ(v.customHorizontalScale, 0.3f);
            EXPECT_FLOAT_EQ(v.customVerticalScale, 0.7f);
        }
        EXPECT_EQ(v.scrollBarsShown, c.scrollBars) << c.width << "/" << c.height;
        EXPECT_EQ(dialog.ScrollBarsWanted(), c.scrollBars);
    }
}

TEST(CustomSizeDialog, OpensWithTheFactorsInWholePercent) {
    ViewState v;
    v.horizontalScale = 0.29f;  // as typed: 29
    v.verticalScale = 1.5f;
    platform::ScriptedPrompts prompts;
    CustomSizeDialog dialog(v, prompts);
    EXPECT_EQ(dialog.Current().width, "29");
    EXPECT_EQ(dialog.Current().height, "150");
    // A factor of 0 or less opens as 100.
    v.horizontalScale = 0.0f;
    v.verticalScale = -1.0f;
    EXPECT_EQ(dialog.Current().width, "100");
    EXPECT_EQ(dialog.Current().height, "100");
    EXPECT_FLOAT_EQ(v.horizontalScale, 1.0f);
}

// Daily bars from the first to the last year, one in January and one in December.
std::unique_ptr<data::PriceSeries> Years(int first, int last, int fileTypeId = 210) {
    auto s = std::make_unique<data::PriceSeries>();
    s->fileTypeId = fileTypeId;
    s->barCount = 2;
    s->year[0] = static_cast<std::int16_t>(first);
    s->month[0] = 1;
    s->day[0] = 5;
    s->year[1] = static_cast<std::int16_t>(last);
    s->month[1] = 12;
    s->day[1] = 28;
    s->plotStartYear = 1996;
    s->plotStartMonth = 4;
    return s;
}

TEST(DisplayStartDialog, ADailyChartShowsAtMostTenYears) {
    const std::string tenYears =
        "日足の表示最長年数は１０年です。 \n設定変更するか、週足または月足表示していください\n"
        "最終のデータは　2004　年　です。";
    struct Case {
        const char* name;
        int first, last, type;
        const char* year;
        const char* month;
        const char* message;  // nullptr: accepted
        const char* caption;
        Icon icon;
        int storedYear, storedMonth;
    };
    const Case cases[] = {
        {"93 is eleven years before 2004", 1990, 2004, 210, "93", "1", tenYears.c_str(),
         "メッセージ", Icon::Exclamation, 1996, 4},
        {"95 is accepted", 1990, 2004, 210, "95", "1", nullptr, nullptr, Icon::None, 1995, 1},
        {"94 is ten years before", 1990, 2004, 210, "94", "7", nullptr, nullptr, Icon::None, 1994,
         7},
        {"data of ten years may start anywhere", 1994, 2004, 210, "60", "3", nullptr, nullptr,
         Icon::None, 1960, 3},
        {"weekly files have no limit", 1990, 2004, 212, "93", "1", nullptr, nullptr, Icon::None,
         1993, 1},
        {"the other daily type has no limit", 1990, 2004, 220, "80", "1", nullptr, nullptr,
         Icon::None, 1980, 1},
        {"four digits are taken", 1990, 2004, 210, "2001", "12", nullptr, nullptr, Icon::None, 2001,
         12},
        {"a year that does not widen", 1990, 2004, 210, "150", "1", "設定年要修正 ",
         "エラーメッセージ", Icon::Stop, 1996, 4},
        {"a negative year", 1990, 2004, 210, "-5", "1", "設定年要修正 ", "エラーメッセージ",
         Icon::Stop, 1996, 4},
        {"no number at all", 1990, 2004, 210, "ab", "1", "設定年要修正 ", "エラーメッセージ",
         Icon::Stop, 1996, 4},
        {"month 13", 1990, 2004, 210, "98", "13", "設定値は 1 から 12 まで！", "エラーメッセージ",
         Icon::Stop, 1996, 4},
        {"month 0", 1990, 2004, 210, "98", "0", "設定値は 1 から 12 まで！", "エラーメッセージ",
         Icon::Stop, 1996, 4},
        // The year is checked before the month, the ten years before the month.
        {"year and month both wrong", 1990, 2004, 210, "93", "13", tenYears.c_str(), "メッセージ",
         Icon::Exclamation, 1996, 4},
    };
    for (const Case& c : cases) {
        auto series = Years(c.first, c.last, c.type);
        ViewState v;
        platform::ScriptedPrompts prompts;
        DisplayStartDialog dialog(*series, v, prompts);
        const bool accepted = dialog.Accept({c.year, c.month});
        EXPECT_EQ(accepted, c.message == nullptr) << c.name;
        EXPECT_EQ(v.displayStartChanged, accepted) << c.name;
        EXPECT_EQ(series->plotStartYear, c.storedYear) << c.name;
        EXPECT_EQ(series->plotStartMonth, c.storedMonth) << c.name;
        if (c.message) {
            ASSERT_EQ(prompts.Messages().size(), 1u) << c.name;
            EXPECT_EQ(prompts.Messages()[0].text, c.message) << c.name;
            EXPECT_EQ(prompts.Messages()[0].caption, c.caption) << c.name;
            EXPECT_EQ(prompts.Messages()[0].icon, c.icon) << c.name;
        } else {
            EXPECT_TRUE(prompts.Messages().empty()) << c.name;
        }
    }
}

TEST(DisplayStartDialog, OpensWithTheStartInTwoDigits) {
    auto series = Years(1990, 2004);
    ViewState v;
    platform::ScriptedPrompts prompts;
    DisplayStartDialog dialog(*series, v, prompts);
    EXPECT_EQ(dialog.Current().year, "96");
    EXPECT_EQ(dialog.Current().month, "4");
    series->plotStartYear = 2003;
    EXPECT_EQ(dialog.Current().year, "3");
    series->plotStartYear = -1;
    series->plotStartMonth = -1;
    EXPECT_EQ(dialog.Current().year, "");
    EXPECT_EQ(dialog.Current().month, "");
}

struct ScaleCase {
    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    std::unique_ptr<chart::ChartGeometry> geometry = std::make_unique<chart::ChartGeometry>();
    ViewState view;
    platform::ScriptedPrompts prompts;

    ScaleCase() {
        geometry->topPrice = 2000.0f;
        geometry->bottomPrice = 1234.5f;
        series->maxHigh = 1980.0f;
        series->minLow = 1250.0f;
        series->maxVolume = 5000;
        view.manualVolumeMax = 7000;
        view.manualTopPrice = 1800.75f;
        view.manualBottomPrice = 1100.25f;
    }
};

TEST(ScaleDialog, OpensWithTheLastRenderAndOffersTheLastManualEntries) {
    ScaleCase c;
    ScaleDialog dialog(c.view, *c.series, *c.geometry, c.prompts);
    EXPECT_FALSE(dialog.Manual());
    const ScaleDialog::Fields opened = dialog.Current();
    EXPECT_EQ(opened.priceMax, "   2000.00");
    EXPECT_EQ(opened.priceMin, "   1234.50");
    EXPECT_EQ(opened.volumeMax, "7000");
    const ScaleDialog::Fields manual = dialog.ChooseManual();
    EXPECT_TRUE(c.view.manualScale);
    EXPECT_EQ(manual.priceMax, "1800");
    EXPECT_EQ(manual.priceMin, "1100");
    EXPECT_EQ(manual.volumeMax, "7000");
    // Cancel: no change, the mode included.
    EXPECT_EQ(dialog.Cancel(), kScaleClosed);
    EXPECT_FALSE(c.view.manualScale);
    EXPECT_FLOAT_EQ(c.series->maxHigh, 1980.0f);
}

TEST(ScaleDialog, RefusesAnEmptyOrReversedRangeAndTakesMaxEqualToMin) {
    struct Case {
        const char* name;
        const char* max;
        const char* min;
        const char* volume;
        bool accepted;
    };
    const Case cases[] = {
        {"maximum equal to minimum", "1500", "1500", "100", true},
        {"a plain range", "2500.5", "0", "12000", true},
        {"maximum 0", "0", "0", "100", false},
        {"negative minimum", "1500", "-1", "100", false},
        {"maximum below minimum", "1400", "1500", "100", false},
        {"volume 0", "1500", "1000", "0", false},
        {"volume not a whole number", "1500", "1000", "12.5", false},
        {"negative volume", "1500", "1000", "-100", false},
        {"volume beyond 32 bits", "1500", "1000", "4294967296", false},
        {"an endless maximum", "1e99", "1000", "100", false},
        {"no number", "abc", "1000", "100", false},
    };
    for (const Case& k : cases) {
        ScaleCase c;
        ScaleDialog dialog(c.view, *c.series, *c.geometry, c.prompts);
        dialog.ChooseManual();
        EXPECT_EQ(dialog.Accept({k.max, k.min, k.volume}), k.accepted) << k.name;
        if (k.accepted) {
            EXPECT_TRUE(c.prompts.Messages().empty()) << k.name;
            EXPECT_TRUE(c.view.manualScale);
            // The renderer takes the manual scale from the series' extremes.
            EXPECT_FLOAT_EQ(c.series->maxHigh, c.view.manualTopPrice) << k.name;
            EXPECT_FLOAT_EQ(c.series->minLow, c.view.manualBottomPrice) << k.name;
            EXPECT_EQ(c.series->maxVolume, c.view.manualVolumeMax) << k.name;
        } else {
            ASSERT_EQ(c.prompts.Messages().size(), 1u) << k.name;
            EXPECT_EQ(c.prompts.Messages()[0].text, "ﾊﾟﾗﾒﾀｰ設定ｴﾗｰ、再設定してください。");
            EXPECT_EQ(c.prompts.Messages()[0].caption, "エラーメッセージ");
            EXPECT_EQ(c.prompts.Messages()[0].icon, Icon::Stop);
            EXPECT_FLOAT_EQ(c.view.manualTopPrice, 1800.75f) << k.name;
            EXPECT_EQ(c.view.manualVolumeMax, 7000) << k.name;
            EXPECT_FLOAT_EQ(c.series->maxHigh, 1980.0f) << k.name;
        }
    }
    ScaleCase c;
    ScaleDialog dialog(c.view, *c.series, *c.geometry, c.prompts);
    dialog.ChooseManual();
    ASSERT_TRUE(dialog.Accept({"2500.5", "1000", "12000"}));
    EXPECT_FLOAT_EQ(c.view.manualTopPrice, 2500.5f);
    EXPECT_FLOAT_EQ(c.view.manualBottomPrice, 1000.0f);
    EXPECT_EQ(c.view.manualVolumeMax, 12000);
}

TEST(ScaleDialog, AutomaticClosesAtOnceAndOkInAutomaticChangesNothing) {
    ScaleCase c;
    c.view.manualScale = true;
    ScaleDialog dialog(c.view, *c.series, *c.geometry, c.prompts);
    EXPECT_TRUE(dialog.Manual());
    EXPECT_EQ(dialog.ChooseAutomatic(), kScaleChoseAutomatic);
    EXPECT_FALSE(c.view.manualScale);

    ScaleCase d;
    ScaleDialog automatic(d.view, *d.series, *d.geometry, d.prompts);
    EXPECT_TRUE(automatic.Accept({"junk", "", ""}));
    EXPECT_TRUE(d.prompts.Messages().empty());
    EXPECT_FLOAT_EQ(d.series->maxHigh, 1980.0f);

    // A load replaces the extremes; under the manual scale they are put back.
    ScaleCase e;
    e.view.manualScale = true;
    ApplyManualScale(e.view, *e.series);
    EXPECT_FLOAT_EQ(e.series->maxHigh, 1800.75f);
    EXPECT_FLOAT_EQ(e.series->minLow, 1100.25f);
    EXPECT_EQ(e.series->maxVolume, 7000);
    e.view.manualScale = false;
    e.series->maxHigh = 10.0f;
    ApplyManualScale(e.view, *e.series);
    EXPECT_FLOAT_EQ(e.series->maxHigh, 10.0f);
}

}  // namespace
}  // namespace korvo::view
