// The price and date texts the non-time-series charts write beside their
// lines and in their lists of signals.
#pragma once

#include <string>

namespace korvo::altcharts {

// A price is whole when its hundredths (price x 100, truncated) are a
// multiple of 100: a fraction below 0.01 counts as whole.
bool IsWholePrice(float price);

// "%d" of the truncated price when it is whole, otherwise "%6.2f".
std::string PriceText(float price);

// The price followed by "(%2d/%2d)": the labels and list of the step chart.
std::string PriceDateText(float price, int month, int day);

}  // namespace korvo::altcharts
