// The signal files: where the charts and indicators record their buy and sell
// points, and which of them were written during this run (those are deleted
// at exit, and only those).
//
// A file is one header line followed by records, each written as a newline
// and then the record, with no final newline. A record is a line of blank
// separated fields: kind (0 start, 6 buy, 7 sell, 9 end), year, month, day,
// price, index, state.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::indicators {

// In the order they are deleted at exit.
enum class SignalFile { Step, Brick, Trident, PointFigure, Sar, Macd, Stochastics, Shinohara };
inline constexpr int kSignalFileCount = 8;
inline constexpr std::array<const char*, kSignalFileCount> kSignalFileNames = {
    "bs.stp", "bs.brk", "bs.trd", "bs.pf", "bs.sar", "bs.mac", "bs.sto", "bs.sno"};

inline const char* SignalFileName(SignalFile file) {
    return kSignalFileNames[static_cast<std::size_t>(file)];
}

// One flag per file, set when its producer creates it and cleared when it is
// deleted. Indexable like a plain array of flags in the order above.
struct SignalWritten {
    std::array<bool, kSignalFileCount> flags{};
    void Mark(SignalFile file) { flags[static_cast<std::size_t>(file)] = true; }
    bool IsWritten(SignalFile file) const { return flags[static_cast<std::size_t>(file)]; }
    bool& operator[](std::size_t i) { return flags[i]; }
    bool operator[](std::size_t i) const { return flags[i]; }
    std::size_t size() const { return flags.size(); }
};

// Header texts (UTF-8; the file holds them in CP932). Each takes the series
// title for %s; the Shinohara ratio's takes the indicator's title as well.
inline constexpr const char* kStepHeader = " %s―かぎ足(StepChart)";
inline constexpr const char* kBrickHeader = " %s―練り足(Brick)";
inline constexpr const char* kTridentHeader = " %s―新値３本足(Trident)";
inline constexpr const char* kPointFigureHeader = "\n%s-ﾎﾟｲﾝﾄ & ﾌｨｷﾞｱ";
inline constexpr const char* kSarHeader = " %s―ﾊﾟﾗﾎﾞﾘｯｸ(SAR)";
inline constexpr const char* kMacdHeader = " %s―MACD(S)";
inline constexpr const char* kStochasticsFastHeader = " %s―ｽﾄｷｬｽ(F)";
inline constexpr const char* kStochasticsSlowHeader = " %s―ｽﾄｷｬｽ(S)";
inline constexpr const char* kShinoharaHeader = " %s―%s";

// Record kinds.
inline constexpr int kRecordStart = 0;
inline constexpr int kRecordBuy = 6;
inline constexpr int kRecordSell = 7;
inline constexpr int kRecordEnd = 9;

// The header line as the file holds it: the UTF-8 format filled in and
// converted to CP932. A character CP932 cannot hold becomes '?', so a header
// never stops a file from being written.
std::string SignalHeader(const char* format, std::string_view title);
std::string SignalHeader(const char* format, std::string_view title, std::string_view second);

// The records of the indicator writers (SAR, MACD, stochastics, Shinohara):
// "\n 0 y m d %4.2f 0 state" with the first close, and "\n K y m d %4.2f index
// state" with the bar's x position for the buy, sell and end records.
std::string IndicatorStartRecord(int year, int month, int day, float close, int state);
std::string IndicatorRecord(int kind, int year, int month, int day, float barX, int index,
                            int state);

// Writes a whole signal file into the start directory, replacing an older one,
// and marks it written. False when the file cannot be created (nothing is
// marked then).
bool WriteSignalFile(const std::filesystem::path& startDirectory, SignalFile file,
                     std::string_view bytes, SignalWritten& written);

// A record read back. Fields a line lacks stay 0 (the point & figure records
// carry the literal 0.0 where the others have index and state).
struct SignalRecord {
    int kind = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    float price = 0.0f;
    int index = 0;
    int state = 0;
    friend bool operator==(const SignalRecord&, const SignalRecord&) = default;
};

// Reads one record line: "%d %d %d %d %f %d %d". nullopt when the line does
// not begin with kind, year, month, day and price.
std::optional<SignalRecord> ParseSignalRecord(std::string_view line);

// The records of a file's bytes: the header is skipped first (up to a newline,
// a NUL or 128 characters), then every line that reads as a record is taken;
// others (blank lines, the point & figure title) are stepped over.
std::vector<SignalRecord> ReadSignalRecords(std::string_view bytes);
// The same from the file in the start directory; nullopt when it cannot be read.
std::optional<std::vector<SignalRecord>> ReadSignalFile(const std::filesystem::path& startDirectory,
                                                        SignalFile file);

// Deletes, in order, every signal file written during this run from the start
// directory and clears its flag; files from earlier runs are left alone. A
// missing file is no error.
void DeleteSignalFiles(const std::filesystem::path& startDirectory, SignalWritten& written);

}  // namespace korvo::indicators
