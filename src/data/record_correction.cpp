#include "data/record_correction.h"

#include <charconv>
#include <cmath>

#include "data/calendar.h"
#include "data/heading_text.h"
#include "data/stk_reader.h"

namespace korvo::data {

namespace {

// The shortest text that reads back as the same float.
std::string FloatText(float value) {
    char text[48];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// A whole-number box; nullopt when it holds anything but a number.
std::optional<int> WholeBox(const std::string& text) {
    return WholeInt(TrimBlanks(text));
}

// A price box: the decimal number it starts with (read to 31 characters), or
// nullopt when that is not a finite positive number.
std::optional<float> PriceBox(const std::string& text) {
    const std::string_view number = TrimBlanks(text).substr(0, RecordCorrection::kMaxNumberText);
    const float value = LeadingFloat(number);
    if (!std::isfinite(value) || !(value > 0.0f)) return std::nullopt;
    return value;
}

// A box with no number at all is not read as 0.
bool StartsWithNumber(std::string_view text) {
    return !text.empty() &&
           std::string_view("0123456789+-.").find(text.front()) != std::string_view::npos;
}

}  // namespace

RecordCorrection::RecordCorrection(const RecordValues& r, platform::Prompts& prompts)
    : prompts_(prompts) {
    initial_ = {std::to_string(r.year), std::to_string(r.month), std::to_string(r.day),
                FloatText(r.open),      FloatText(r.high),       FloatText(r.low),
                FloatText(r.close),     std::to_string(r.volume)};
}

std::optional<RecordValues> RecordCorrection::Refuse(const char* text) {
    prompts_.ShowMessage(text, "エラーメッセージ", platform::Buttons::Ok, platform::Icon::Stop);
    return std::nullopt;
}

std::optional<RecordValues> RecordCorrection::Accept(const Fields& f) {
    RecordValues r;
    const auto year = WholeBox(f[0]);
    r.year = year ? WidenYear(*year) : -1;
    if (r.year < 0) return Refuse("設定年要修正！");
    const auto month = WholeBox(f[1]);
    if (!month || *month < 1 || *month > 12) return Refuse("設定月は 1 から 12 まで！");
    r.month = *month;
    const auto day = WholeBox(f[2]);
    if (!day || *day < 1 || *day > 31) return Refuse("設定日は 1 から 31 まで！");
    r.day = *day;
    constexpr const char* kPriceTexts[4] = {"始値エラー", "高値エラー", "安値エラー", "終値エラー"};
    float* prices[4] = {&r.open, &r.high, &r.low, &r.close};
    for (int i = 0; i < 4; ++i) {
        const auto price = PriceBox(f[static_cast<std::size_t>(3 + i)]);
        if (!price) return Refuse(kPriceTexts[i]);
        *prices[i] = *price;
    }
    const std::string_view volumeText = TrimBlanks(f[7]).substr(0, kMaxNumberText);
    const VolumeValue volume = LeadingVolume(volumeText);
    if (!StartsWithNumber(volumeText) || !std::isfinite(volume.raw) || volume.whole < 0)
        return Refuse("出来高エラー");
    r.volume = volume.whole;
    if (r.low > r.high) return Refuse("ﾃﾞｰﾀ誤り 高値＜安値");
    if (r.close < r.low || r.close > r.high || r.open < r.low || r.open > r.high)
        return Refuse("ﾃﾞｰﾀ が 高値・安値外にあります。");
    result_ = r;
    return r;
}

}  // namespace korvo::data
