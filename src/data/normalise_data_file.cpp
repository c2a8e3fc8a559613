#include "data/normalise_data_file.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <numeric>
#include <vector>

#include "data/calendar.h"
#include "data/header_block.h"
#include "data/stk_reader.h"
#include "platform/files.h"

namespace korvo::data {

namespace {

struct Record {
    std::int64_t key = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    std::string_view values[5];
};

// Year, month and day of a record as written back. A date that does not read as
// whole numbers is marked with the invalid year, like a year out of range.
Record ParseRecord(const std::string_view* tokens) {
    Record r;
    const auto year = WholeInt(tokens[0]);
    const auto month = WholeInt(tokens[1]);
    const auto day = WholeInt(tokens[2]);
    r.month = month ? *month : LeadingInt(tokens[1]);
    r.day = day ? *day : LeadingInt(tokens[2]);
    r.year = (year && month && day) ? WidenYear(*year) : -3;
    r.key = static_cast<std::int64_t>(r.year) * 10000 + static_cast<std::int64_t>(r.month) * 100 +
            r.day;
    for (int i = 0; i < 5; ++i)
        r.values[i] = tokens[3 + i];
    return r;
}

void AppendRecord(std::string& out, const Record& r, bool last) {
    out += last ? "\n " : " \n ";
    AppendInt(out, r.year, 4);
    out += ' ';
    AppendInt(out, r.month, 2);
    out += ' ';
    AppendInt(out, r.day, 2);
    for (int i = 0; i < 5; ++i) {
        out += ' ';
        out += r.values[i];
    }
}

void ShowMemoryShort(platform::Prompts& prompts) {
    prompts.ShowMessage("エラー！メモリー容量不足！", "エラーメッセージ(M0016)",
                        platform::Buttons::Ok, platform::Icon::Stop);
}

int Normalise(const LoadEnvironment& env, const std::string& path, int capacity,
              std::string* headerText) {
    const std::filesystem::path file = env.Resolve(path);
    const auto bytes = ReadFileBytes(file);
    if (!bytes) {
        env.prompts.ShowMessage("データファイルが見つかりません！!", path, platform::Buttons::Ok,
                                platform::Icon::Stop);
        return -30;
    }
    StkReader in(*bytes);
    std::string header;
    const int hasHeader = CopyHeaderBlockText(in, header);
    if (headerText) *headerText = hasHeader == 1 ? header : std::string();
    if (hasHeader < 0) return -1;

    std::string_view heading[8];
    if (in.NextTokens(heading, 8) < 8) return -1;
    const auto id = WholeInt(heading[0]);
    if (!id || *id < 210 || *id > 229) return -1;
    const auto startYear = WholeInt(heading[5]);
    const auto startMonth = WholeInt(heading[6]);
    const auto startDay = WholeInt(heading[7]);
    if (!startYear || !startMonth || !startDay) return -1;

    std::vector<Record> records;
    records.reserve(static_cast<std::size_t>(std::min(capacity, kMaxRecords)));
    std::string_view tokens[8];
    while (static_cast<int>(records.size()) < capacity && in.NextTokens(tokens, 8) == 8)
        records.push_back(ParseRecord(tokens));

    // Files are normally in date order already; sort only when they are not.
    const auto byKey = [](const Record& a, const Record& b) { return a.key < b.key; };
    if (!std::is_sorted(records.begin(), records.end(), byKey))
        std::stable_sort(records.begin(), records.end(), byKey);

    std::string out;
    out.reserve(bytes->size() + 64);
    if (hasHeader == 1) {
        out += header;
        out += '\n';
    }
    out += '\n';
    AppendInt(out, *id);
    out += '\n';
    for (int i = 1; i <= 4; ++i) {
        out += heading[i];
        out += '\n';
    }
    AppendInt(out, *startYear);
    out += '\t';
    AppendInt(out, *startMonth);
    out += '\t';
    AppendInt(out, *startDay);
    out += '\n';

    // Of a run of equal dates only the last one, in file order, is kept.
    std::vector<const Record*> kept;
    kept.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        if (i + 1 == records.size() || records[i + 1].key != records[i].key)
            kept.push_back(&records[i]);
    for (std::size_t i = 0; i < kept.size(); ++i)
        AppendRecord(out, *kept[i], i + 1 == kept.size());

    // An unchanged file is not rewritten; a changed one replaces the old only
    // once it is complete.
    if (out != *bytes && !platform::WriteFileAtomically(file, out)) return -40;
    return static_cast<int>(kept.size());
}

}  // namespace

int NormaliseDataFile(const LoadEnvironment& env, const std::string& path, int capacity,
                      std::string* headerText) {
    if (capacity <= 0) {
        ShowMemoryShort(env.prompts);
        return -1;
    }
    try {
        return Normalise(env, path, capacity, headerText);
    } catch (const std::bad_alloc&) {
        ShowMemoryShort(env.prompts);
        return -1;
    }
}

}  // namespace korvo::data
