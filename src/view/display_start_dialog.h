// The display start date dialog Dialog11: the first year (two digits) and
// month the chart shows. A daily chart of type 210 shows at most ten years.
#pragma once

#include <string>

#include "data/price_series.h"
#include "platform/prompts.h"
#include "view/view_state.h"

namespace korvo::view {

class DisplayStartDialog {
  public:
    static constexpr const char* kName = "Dialog11";
    static constexpr const char* kTitle = "表示開始日設定";
    static constexpr const char* kYearLabel = "チャート表示 年(西暦下２桁)";
    static constexpr const char* kMonthLabel = "チャート開始 月";
    static constexpr int kYearControl = 1101;
    static constexpr int kMonthControl = 1102;
    static constexpr const char* kBadYearText = "設定年要修正 ";
    static constexpr const char* kTenYearsText =
        "日足の表示最長年数は１０年です。 \n設定変更するか、週足または月足表示していください\n"
        "最終のデータは　%d　年　です。";
    static constexpr const char* kBadMonthText = "設定値は 1 から 12 まで！";
    static constexpr const char* kErrorCaption = "エラーメッセージ";
    static constexpr const char* kMessageCaption = "メッセージ";
    // A daily chart may start at most this many years before its last bar.
    static constexpr int kMaxDailyYears = 11;

    struct Fields {
        std::string year;
        std::string month;
    };

    DisplayStartDialog(data::PriceSeries& series, ViewState& view, platform::Prompts& prompts)
        : series_(series), view_(view), prompts_(prompts) {}

    // The display start in force: the year in two digits, the month; empty
    // boxes while none is set.
    Fields Current() const;
    // OK: checks the year, the ten-year rule and the month, in that order.
    // True when the start was stored (the dialog closes); false after the
    // message (the dialog stays open and nothing changes).
    bool Accept(const Fields& fields);

  private:
    bool Refuse(const std::string& text, const char* caption, platform::Icon icon);

    data::PriceSeries& series_;
    ViewState& view_;
    platform::Prompts& prompts_;
};

}  // namespace korvo::view
