// The signal files: where the charts and indicators record their buy and sell
// points, and which of them were written during this run (those are deleted
// at exit, and only those).
#pragma once

#include <array>
#include <filesystem>

namespace korvo::indicators {

// In the order they are deleted at exit.
enum class SignalFile { Step, Brick, Trident, PointFigure, Sar, Macd, Stochastics, Shinohara };
inline constexpr int kSignalFileCount = 8;
inline constexpr std::array<const char*, kSignalFileCount> kSignalFileNames = {
    "bs.stp", "bs.brk", "bs.trd", "bs.pf", "bs.sar", "bs.mac", "bs.sto", "bs.sno"};

inline const char* SignalFileName(SignalFile file) {
    return kSignalFileNames[static_cast<int>(file)];
}

struct SignalWritten {
    std::array<bool, kSignalFileCount> flags{};
    void Mark(SignalFile file) { flags[static_cast<int>(file)] = true; }
    bool IsWritten(SignalFile file) const { return flags[static_cast<int>(file)]; }
};

// Deletes, in order, every signal file written during this run from the start
// directory; files from earlier runs are left alone. A missing file is no error.
void DeleteSignalFiles(const std::filesystem::path& startDirectory, const SignalWritten& written);

}  // namespace korvo::indicators
