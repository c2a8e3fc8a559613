// The moving-average dialog MOMENTUMPARAMDLG: the periods of moving-average
// lines 1 and 2 for daily, weekly and monthly charts (controls 801-806).
#pragma once

#include <array>
#include <string>

#include "indicators/indicator_params.h"
#include "platform/prompts.h"

namespace korvo::indicators {

class MomentumParamDialog {
  public:
    static constexpr int kFieldCount = 6;
    static constexpr int kFirstControl = 801;
    static constexpr const char* kTitle = "移動平均・ﾊﾟﾗﾒｰﾀ設定";
    static constexpr std::array<const char*, kFieldCount> kLabels = {
        "Days 1", "Days 2", "Weeks 1", "Weeks 2", "Months 1", "Months 2"};
    static constexpr const char* kStandardButton = "標準値";
    static constexpr const char* kErrorText = "ﾊﾟﾗﾒｰﾀ 設定エラー";
    static constexpr const char* kErrorCaption = "設定エラー";

    using Fields = std::array<std::string, kFieldCount>;

    MomentumParamDialog(IndicatorParams& params, platform::Prompts& prompts)
        : params_(params), prompts_(prompts) {}

    // The current periods, in control order.
    Fields Current() const;
    // "標準値": the six periods become the defaults at once (a later Cancel
    // keeps them); returns the fields refilled.
    Fields Standard();
    // OK: when every field is a whole number of at least 1, stores all six and
    // returns true (the dialog closes). Otherwise shows the setting error,
    // stores nothing and returns false (the dialog stays open).
    bool Accept(const Fields& fields);

  private:
    std::array<std::int32_t*, kFieldCount> Periods() const;

    IndicatorParams& params_;
    platform::Prompts& prompts_;
};

}  // namespace korvo::indicators
