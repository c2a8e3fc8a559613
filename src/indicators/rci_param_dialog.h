// The RCI dialog RCIPARAMDLG: the RCI period (control 801, with a spin
// control) and the data set it ranks (buttons 120-124).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "indicators/indicator_params.h"
#include "platform/prompts.h"

namespace korvo::indicators {

class RciParamDialog {
  public:
    static constexpr int kPeriodControl = 801;
    static constexpr int kFirstDataSetControl = 120;
    static constexpr const char* kTitle = "       RCI ﾁｬｰﾄﾊﾟﾗﾒｰﾀ";
    static constexpr const char* kDataSetGroup = "Data Set";
    // Buttons 120..124 in the order of the stored choice (0 close .. 4 volume).
    static constexpr std::array<const char*, 5> kDataSetLabels = {"close", "high", "low", "open",
                                                                  "volume"};
    static constexpr const char* kErrorText = "期間設定不正です！";
    static constexpr const char* kErrorCaption = "警告メッセージ ";

    RciParamDialog(IndicatorParams& params, platform::Prompts& prompts)
        : params_(params), prompts_(prompts) {}

    // The RCI period the chart draws with.
    std::string Current() const;
    // The button checked when the dialog opens: the stored data set ("close"
    // when the stored choice is none of the five).
    int CheckedControl() const;
    // A data-set button takes effect at once, whatever closes the dialog.
    void SelectDataSet(int control);
    // The spin control: the field's number moved by delta, kept at 1 or more.
    std::string Step(std::string_view text, int delta) const;
    // OK: a period that is a whole number from 1 to 2147483647 is stored (as
    // the chart's RCI period and as the last typed one) and true returned;
    // anything else shows the warning and returns false (the dialog stays).
    bool Accept(std::string_view periodText);

  private:
    IndicatorParams& params_;
    platform::Prompts& prompts_;
};

}  // namespace korvo::indicators
