// The two boxes of the step and brick windows: the percentage (801) and the
// fixed amount (802), and what ﾘﾄﾞﾛｰ makes of them.
#pragma once

#include <string>

#include "platform/prompts.h"

namespace korvo::altcharts {

struct AmountFields {
    std::string percent;
    std::string amount;
};

// The boxes as they are filled: "%3.1f" and "%3.2f".
AmountFields FormatAmountFields(float percent, float amount);

// Each box is read as at most 16 characters. In percentage mode a percentage
// of 0 or less is refused with "設定率 要修正！", in fixed mode an amount of 0
// or less with "設定額 要修正！", under "エラーメッセージ" (so is a number too
// large to hold). A value above 0 is stored as it is read; one refused, or one of 0 or less in the
// box the mode does not use, leaves its setting as it was. True when nothing was refused.
bool ReadAmountFields(const AmountFields& fields, bool usePercent, float& percent, float& amount,
                      platform::Prompts& prompts);

}  // namespace korvo::altcharts
