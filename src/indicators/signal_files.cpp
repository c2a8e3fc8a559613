#include "indicators/signal_files.h"

#include <cstdio>
#include <cstdlib>

#include "data/printf.h"
#include "platform/codec.h"
#include "platform/files.h"

namespace korvo::indicators {

namespace {

// How much of the header line a reader takes before it starts on the records.
constexpr std::size_t kHeaderLimit = 128;

// CP932 of a UTF-8 text, character by character where the whole does not convert.
std::string ToCp932(const std::string& utf8) {
    if (auto whole = platform::Utf8ToCp932(utf8)) return *whole;
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 1;
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        const auto one = platform::Utf8ToCp932(utf8.substr(i, length));
        out += one ? *one : std::string("?");
        i += length;
    }
    return out;
}

}  // namespace

std::string SignalHeader(const char* format, std::string_view title) {
    return ToCp932(data::Printf(format, std::string(title).c_str()));
}

std::string SignalHeader(const char* format, std::string_view title, std::string_view second) {
    return ToCp932(data::Printf(format, std::string(title).c_str(), std::string(second).c_str()));
}

std::string IndicatorStartRecord(int year, int month, int day, float close, int state) {
    return data::Printf("\n 0 %d %d %d %4.2f 0 %d", year, month, day, static_cast<double>(close),
                        state);
}

std::string IndicatorRecord(int kind, int year, int month, int day, float barX, int index,
                            int state) {
    return data::Printf("\n %d %d %d %d %4.2f %d %d", kind, year, month, day,
                        static_cast<double>(barX), index, state);
}

bool WriteSignalFile(const std::filesystem::path& startDirectory, SignalFile file,
                     std::string_view bytes, SignalWritten& written) {
    // The chart rewrites its signal files at every paint; most paints produce the
    // same bytes again, and replacing a file costs far more than reading it.
    const std::filesystem::path path = startDirectory / SignalFileName(file);
    const auto existing = platform::ReadWholeFile(path);
    if (!(existing && *existing == bytes) && !platform::WriteFileAtomically(path, bytes))
        return false;
    written.Mark(file);
    return true;
}

std::optional<SignalRecord> ParseSignalRecord(std::string_view line) {
    const std::string text(line);
    SignalRecord r;
    const int fields = std::sscanf(text.c_str(), "%d %d %d %d %f %d %d", &r.kind, &r.year, &r.month,
                                   &r.day, &r.price, &r.index, &r.state);
    if (fields < 5) return std::nullopt;
    return r;
}

std::vector<SignalRecord> ReadSignalRecords(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size() && pos < kHeaderLimit && bytes[pos] != '\n' && bytes[pos] != '\0')
        ++pos;
    if (pos < bytes.size() && (bytes[pos] == '\n' || bytes[pos] == '\0')) ++pos;
    std::vector<SignalRecord> records;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        if (auto record = ParseSignalRecord(bytes.substr(pos, end - pos)))
            records.push_back(*record);
        pos = end + 1;
    }
    return records;
}

std::optional<std::vector<SignalRecord>> ReadSignalFile(const std::filesystem::path& startDirectory,
                                                        SignalFile file) {
    const auto bytes = platform::ReadWholeFile(startDirectory / SignalFileName(file));
    if (!bytes) return std::nullopt;
    return ReadSignalRecords(*bytes);
}

void DeleteSignalFiles(const std::filesystem::path& startDirectory, SignalWritten& written) {
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (!written[i]) continue;
        platform::RemoveFileQuietly(startDirectory / kSignalFileNames[i]);
        written[i] = false;
    }
}

}  // namespace korvo::indicators
