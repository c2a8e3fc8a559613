// The one current price series: parallel per-bar arrays, index 0 the oldest bar.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace korvo::data {

inline constexpr int kMaxBars = 4096;

struct PriceSeries {
    std::array<std::int16_t, kMaxBars> year{};
    std::array<std::uint8_t, kMaxBars> month{};
    std::array<std::uint8_t, kMaxBars> day{};
    std::array<float, kMaxBars> open{};
    std::array<float, kMaxBars> high{};
    std::array<float, kMaxBars> low{};
    std::array<float, kMaxBars> close{};
    std::array<std::int32_t, kMaxBars> volume{};  // as read, divided by volumeDivisor
    std::array<float, kMaxBars> rawVolume{};      // exactly as parsed, never scaled

    int barCount = 0;
    int fileTypeId = 0;  // 210..229; the units digit gives the period
    // Texts of the file (UTF-8), '_' shown as blanks.
    std::string title;
    std::string subtitle;
    std::string unitLabel;
    std::string marketCode;

    int fileStartYear = 0;
    int fileStartMonth = 0;
    // First month loaded; unset when the year is negative or the month is outside 1..12.
    int plotStartYear = -1;
    int plotStartMonth = -1;

    std::int16_t volumeDivisor = 1;  // 1 or 1000
    float maxHigh = 0.0f;
    float minLow = 0.0f;
    float loadMaxHigh = 0.0f;
    float loadMinLow = 0.0f;
    float rawMaxHigh = 0.0f;
    float rawMinLow = 0.0f;
    std::int32_t maxVolume = 0;   // top of the volume scale, display units
    std::int32_t peakVolume = 0;  // largest volume, display units, unrounded

    std::string dataPath;          // the data file last chosen
    std::string previousDataPath;  // the one before the last open or period switch
    std::string headerText;   // header block of the last normalised file, '<' to '>' (CP932 bytes)
    std::string chrFileName;  // CP932 bytes as in the header
    bool hasChrFile = false;
    std::string boxFileName;
    bool hasBoxFile = false;

    bool PlotStartUnset() const {
        return plotStartYear < 0 || plotStartMonth < 1 || plotStartMonth > 12;
    }
};

}  // namespace korvo::data
