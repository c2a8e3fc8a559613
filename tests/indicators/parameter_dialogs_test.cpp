#include <gtest/gtest.h>

#include "indicators/dialog_fields.h"
#include "indicators/momentum_param_dialog.h"
#include "indicators/parameter_table_dialog.h"
#include "indicators/rci_param_dialog.h"
#include "platform/scripted_prompts.h"

namespace korvo::indicators {
namespace {

TEST(DialogFields, UnsignedNumbersOnly) {
    const struct {
        const char* text;
        std::optional<std::uint32_t> value;
    } cases[] = {
        {"25", 25u},
        {"  7 ", 7u},
        {"0", 0u},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-5", std::nullopt},
        {"+5", std::nullopt},
        {"1e3", std::nullopt},
        {"12a", std::nullopt},
        {"4294967295", 4294967295u},
        {"4294967296", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"１２", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadUnsignedField(c.text), c.value) << c.text;
}

TEST(MomentumParamDialog, RefusesAnyFieldBelowOneAndKeepsThePeriods) {
    const struct {
        std::size_t field;
        const char* text;
    } refused[] = {{0, "0"}, {3, "0"}, {5, ""}, {2, "abc"}, {1, "-1"}, {4, "2147483648"}};
    for (const auto& r : refused) {
        IndicatorParams params;
        params.maDaily1 = 20;
        platform::ScriptedPrompts prompts;
        MomentumParamDialog dialog(params, prompts);
        MomentumParamDialog::Fields fields = {"5", "10", "8", "16", "2", "4"};
        fields[r.field] = r.text;
        EXPECT_FALSE(dialog.Accept(fields)) << r.text;
        ASSERT_EQ(prompts.Messages().size(), 1u) << r.text;
        EXPECT_EQ(prompts.Messages()[0].text, "ﾊﾟﾗﾒｰﾀ 設定エラー");
        EXPECT_EQ(prompts.Messages()[0].caption, "設定エラー");
        EXPECT_EQ(prompts.Messages()[0].icon, platform::Icon::Stop);
        // Nothing of a refused entry is kept.
        EXPECT_EQ(params.maDaily1, 20);
        EXPECT_EQ(params.maDaily2, 50);
    }
    IndicatorParams params;
    platform::ScriptedPrompts prompts;
    MomentumParamDialog dialog(params, prompts);
    EXPECT_TRUE(dialog.Accept({"5", " 10", "8", "16", "2", "2147483647"}));
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_EQ(params.maDaily1, 5);
    EXPECT_EQ(params.maDaily2, 10);
    EXPECT_EQ(params.maWeekly1, 8);
    EXPECT_EQ(params.maWeekly2, 16);
    EXPECT_EQ(params.maMonthly1, 2);
    EXPECT_EQ(params.maMonthly2, 2147483647);
}

TEST(MomentumParamDialog, StandardValuesTakeEffectAtOnce) {
    IndicatorParams params;
    params.maDaily1 = 7;
    params.maWeekly2 = 99;
    params.maMonthly1 = 1;
    params.table.rsiPeriod = 3;  // not the dialog's
    platform::ScriptedPrompts prompts;
    MomentumParamDialog dialog(params, prompts);
    EXPECT_EQ(dialog.Current(), (MomentumParamDialog::Fields{"7", "50", "13", "99", "1", "6"}));
    EXPECT_EQ(dialog.Standard(), (MomentumParamDialog::Fields{"25", "50", "13", "26", "3", "6"}));
    // Stored already: a Cancel after this keeps them.
    EXPECT_EQ(params.maDaily1, 25);
    EXPECT_EQ(params.maWeekly2, 26);
    EXPECT_EQ(params.maMonthly1, 3);
    EXPECT_EQ(params.table.rsiPeriod, 3);
}

TEST(ParameterTableDialog, FieldsDefaultsAndOk) {
    IndicatorParams params;
    params.table.bollingerPeriod = 20;
    params.table.envelopePeriod = 25;
    params.table.percentRPeriod = 9;
    params.table.spareParameter1 = 1;
    params.table.spareParameter2 = 2;
    params.shinoharaPeriod = 40;
    std::int32_t watch = 12;
    ParameterTableDialog dialog(params, watch);
    const auto fields = dialog.Current();
    EXPECT_EQ(fields[0], "20");   // 801 Bollinger
    EXPECT_EQ(fields[17], "25");  // 818 envelope
    EXPECT_EQ(fields[18], "9");   // 819 %R
    EXPECT_EQ(fields[19], "40");  // 820 Shinohara ratio
    EXPECT_EQ(fields[20], "12");  // 821 inverse watch
    const ParameterTableDialog::Fields standard = {"10", "12", "14", "10", "9",  "26", "5",
                                                   "14", "10", "30", "10", "12", "26", "9",
                                                   "15", "30", "14", "30", "14", "26", "30"};
    EXPECT_EQ(dialog.Standard(), standard);
    // The two values the table does not show are reset too.
    EXPECT_EQ(params.table.spareParameter1, 14);
    EXPECT_EQ(params.table.spareParameter2, 9);
    EXPECT_EQ(watch, 30);

    ParameterTableDialog::Fields typed = standard;
    typed[1] = "0";  // accepted as it stands
    typed[7] = "x";  // not a number: reads as 0
    typed[15] = " 45";
    typed[20] = "4294967295";  // beyond 32 signed bits: 0 rather than a negative period
    dialog.Accept(typed);
    EXPECT_EQ(params.table.psychologicalPeriod, 0);
    EXPECT_EQ(params.table.rsiPeriod, 0);
    EXPECT_EQ(params.table.momentumPeriod, 45);
    EXPECT_EQ(params.table.directionalPeriod, 14);
    EXPECT_EQ(watch, 0);
}

TEST(RciParamDialog, PeriodDataSetAndRefusal) {
    IndicatorParams params;
    params.table.rciPeriod = 21;
    params.rciSeries = kRciLow;
    platform::ScriptedPrompts prompts;
    RciParamDialog dialog(params, prompts);
    EXPECT_EQ(dialog.Current(), "21");
    EXPECT_EQ(dialog.CheckedControl(), 122);
    dialog.SelectDataSet(124);
    EXPECT_EQ(params.rciSeries, kRciVolume);  // at once
    dialog.SelectDataSet(125);                // no such button
    EXPECT_EQ(params.rciSeries, kRciVolume);
    params.rciSeries = 17;
    EXPECT_EQ(dialog.CheckedControl(), 120);  // an unknown choice shows "close"

    for (const char* text : {"0", "", "abc", "-3", "2147483648", "4294967296"}) {
        EXPECT_FALSE(dialog.Accept(text)) << text;
        EXPECT_EQ(params.table.rciPeriod, 21) << text;
    }
    ASSERT_EQ(prompts.Messages().size(), 6u);
    EXPECT_EQ(prompts.Messages()[0].text, "期間設定不正です！");
    EXPECT_EQ(prompts.Messages()[0].caption, "警告メッセージ ");
    EXPECT_EQ(prompts.Messages()[0].icon, platform::Icon::Stop);
    EXPECT_TRUE(dialog.Accept("2147483647"));
    EXPECT_EQ(params.table.rciPeriod, 2147483647);
    EXPECT_TRUE(dialog.Accept(" 9"));
    EXPECT_EQ(params.table.rciPeriod, 9);
    EXPECT_EQ(params.rciTypedPeriod, 9);
    EXPECT_EQ(dialog.Step("9", 1), "10");
    EXPECT_EQ(dialog.Step("1", -1), "1");
    EXPECT_EQ(dialog.Step("junk", 1), "10");  // from the stored period
}

}  // namespace
}  // namespace korvo::indicators
