#include "altcharts/price_labels.h"

#include "chart/chart_geometry.h"
#include "data/printf.h"

namespace korvo::altcharts {

bool IsWholePrice(float price) {
    // Multiplied in single precision, as the price is kept.
    return chart::TruncToInt(price * 100.0f) % 100 == 0;
}

std::string PriceText(float price) {
    if (IsWholePrice(price)) return data::Printf("%d", chart::TruncToInt(price));
    return data::Printf("%6.2f", static_cast<double>(price));
}

std::string PriceDateText(float price, int month, int day) {
    return PriceText(price) + data::Printf("(%2d/%2d)", month, day);
}

}  // namespace korvo::altcharts
