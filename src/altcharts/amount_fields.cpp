#include "altcharts/amount_fields.h"

#include <cmath>

#include "view/dialog_numbers.h"

namespace korvo::altcharts {

namespace {

constexpr std::size_t kBoxChars = 16;

// Above 0 and a real number: "1e39" reads as infinity, which no chart can step by.
bool Usable(float value) {
    return value > 0.0f && std::isfinite(value);
}

void Refuse(platform::Prompts& prompts, const char* text) {
    prompts.ShowMessage(text, "エラーメッセージ", platform::Buttons::Ok, platform::Icon::Stop);
}

}  // namespace

AmountFields FormatAmountFields(float percent, float amount) {
    return AmountFields{view::FormatBox("%3.1f", percent), view::FormatBox("%3.2f", amount)};
}

bool ReadAmountFields(const AmountFields& fields, bool usePercent, float& percent, float& amount,
                      platform::Prompts& prompts) {
    const float newPercent = view::ReadDecimalBox(fields.percent, kBoxChars);
    if (usePercent && !Usable(newPercent)) {
        Refuse(prompts, "設定率 要修正！");
        return false;
    }
    if (Usable(newPercent)) percent = newPercent;
    const float newAmount = view::ReadDecimalBox(fields.amount, kBoxChars);
    if (!usePercent && !Usable(newAmount)) {
        Refuse(prompts, "設定額 要修正！");
        return false;
    }
    if (Usable(newAmount)) amount = newAmount;
    return true;
}

}  // namespace korvo::altcharts
