#include "altcharts/chart_closes.h"

#include <algorithm>
#include <new>

namespace korvo::altcharts {

std::optional<std::vector<float>> CopyCloses(const data::PriceSeries& s,
                                             platform::Prompts& prompts) {
    const int n = std::clamp(s.barCount, 0, data::kMaxBars);
    try {
        return std::vector<float>(s.close.begin(), s.close.begin() + n);
    } catch (const std::bad_alloc&) {
        prompts.ShowMessage("エラー！メモリー容量不足", "エラーメッセージ(M0015)",
                            platform::Buttons::Ok, platform::Icon::Stop);
        return std::nullopt;
    }
}

float RecentMeanClose(const std::vector<float>& closes) {
    const std::size_t count = std::min<std::size_t>(closes.size(), 5);
    if (count == 0) return 0.0f;
    float sum = 0.0f;
    for (std::size_t i = closes.size() - count; i < closes.size(); ++i)
        sum += closes[i];
    return sum / static_cast<float>(count);
}

bool IsFlat(const data::PriceSeries& s) {
    return s.barCount < 1 || s.loadMaxHigh == s.loadMinLow;
}

float SettingOrDefault(float value, float fallback) {
    return value > 0.0f ? value : fallback;
}

}  // namespace korvo::altcharts
