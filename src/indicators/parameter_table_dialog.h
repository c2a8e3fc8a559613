// The parameter table PARAMETR_TABLE: the periods of every indicator
// (controls 801-821), with the standard settings button.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "indicators/indicator_params.h"

namespace korvo::indicators {

class ParameterTableDialog {
  public:
    static constexpr int kFieldCount = 21;
    static constexpr int kFirstControl = 801;
    static constexpr const char* kTitle = "ﾊﾟﾗﾒｰﾀ 表";
    static constexpr const char* kCaption = "チャート パラメータ表";
    static constexpr const char* kStandardButton = "標準設定";
    static constexpr std::array<const char*, kFieldCount> kLabels = {
        "ﾎﾞﾘﾝｼﾞｬｰ", "ｻｲｺﾛ",   "ﾎﾞﾘｭｰﾑﾚｼｵ",     "VOL(ave)",  "一目均衡", "一目均衡", "SAR",
        "RSI",      "乖離線", "乖離線",        "ｽﾄｷｬｽﾃｨｯｸ", "MACD",     "MACD",     "MACD",
        "RCI",      "ﾓﾒﾝﾀﾑ",  "ﾃﾞｨﾚｸｼｮﾅﾙ Mov", "ｴﾝﾍﾞﾛｰﾌﾟ",  "%R ｵｼﾚﾀｰ", "篠原ﾚｼｵ",  "逆ｳｫｯﾁ"};
    // The inverse watch period's default, which the table restores as well.
    static constexpr std::int32_t kStandardWatchPeriod = 30;
    static constexpr std::int32_t kStandardShinoharaPeriod = 26;

    using Fields = std::array<std::string, kFieldCount>;

    // watchPeriod is the inverse watch chart's period (control 821).
    ParameterTableDialog(IndicatorParams& params, std::int32_t& watchPeriod)
        : params_(params), watchPeriod_(watchPeriod) {}

    Fields Current() const;
    // "標準設定": every parameter (with the two the table does not show)
    // becomes its default at once; returns the fields refilled.
    Fields Standard();
    // OK: every field is read as an unsigned number without further checks; a
    // field that is not one (or does not fit 32 signed bits) reads as 0, as
    // an empty field always has. The dialog then closes.
    void Accept(const Fields& fields);

  private:
    std::array<std::int32_t*, kFieldCount> Values() const;

    IndicatorParams& params_;
    std::int32_t& watchPeriod_;
};

}  // namespace korvo::indicators
