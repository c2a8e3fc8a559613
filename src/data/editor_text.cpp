#include "data/editor_text.h"

#include <algorithm>
#include <cstdint>

#include "data/data_text.h"
#include "data/printf.h"

namespace korvo::data {

namespace {

bool WholePrices(const PriceSeries& s, std::size_t i) {
    return !PriceHasFraction(s.open[i]) && !PriceHasFraction(s.high[i]) &&
           !PriceHasFraction(s.low[i]) && !PriceHasFraction(s.close[i]);
}

}  // namespace

std::string EditorLine(const PriceSeries& s, int i) {
    const auto at = static_cast<std::size_t>(i);
    const char* format = WholePrices(s, at) ? "%4d\t%2d\t%2d\t%9.0f\t%9.0f\t%9.0f\t%9.0f%12lld\r\n"
                                            : "%4d\t%2d\t%2d\t%6.2f\t%6.2f\t%6.2f\t%6.2f%12lld\r\n";
    // In 64 bits: a volume shown in thousands may exceed 32 bits once multiplied back.
    const long long volume = static_cast<long long>(s.volume[at]) * s.volumeDivisor;
    return Printf(format, s.year[at], s.month[at], s.day[at], static_cast<double>(s.open[at]),
                  static_cast<double>(s.high[at]), static_cast<double>(s.low[at]),
                  static_cast<double>(s.close[at]), volume);
}

std::string EditorText(const PriceSeries& s) {
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(s.barCount, 0)) * 64);
    for (int i = s.barCount - 1; i >= 0; --i)
        text += EditorLine(s, i);
    return text;
}

std::size_t EditorTextLimit(const PriceSeries& s, std::size_t filledLength) {
    const std::size_t bars = static_cast<std::size_t>(std::max(s.barCount, 0));
    return std::max(bars * kEditorCharsPerBar + 100, filledLength);
}

}  // namespace korvo::data
