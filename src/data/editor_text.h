// The text the data file editor shows the loaded bars in: one line per bar,
// newest first, tab-separated, CR LF line ends. A bar whose four prices are
// all whole is listed without decimals, any other with two; the volume is
// shown in the file's own units (multiplied back by the volume divisor).
#pragma once

#include <cstddef>
#include <string>

#include "data/price_series.h"

namespace korvo::data {

// Bars the editor lists in its own box; from this many on it offers the text
// editor instead.
inline constexpr int kEditorBoxBars = 261;
// Characters the box holds per bar when editing, and when creating a file.
inline constexpr std::size_t kEditorCharsPerBar = 192;
inline constexpr std::size_t kNewFileTextLimit = 65636;

// The line of bar i, CR LF included.
std::string EditorLine(const PriceSeries& series, int i);

// Every loaded bar, newest first.
std::string EditorText(const PriceSeries& series);

// How many characters the box takes while editing the series (never fewer than
// the text it is filled with).
std::size_t EditorTextLimit(const PriceSeries& series, std::size_t filledLength);

}  // namespace korvo::data
