#include "data/normalise_data_file.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "data/calendar.h"
#include "data/header_block.h"
#include "data/stk_reader.h"
#include "platform/files.h"

namespace korvo::data {

namespace {

// A record by its date and where its five value tokens lie in the file.
struct Record {
    std::int64_t key = 0;
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::uint32_t valuesBegin = 0;
    std::uint32_t valuesEnd = 0;
};

// Year, month and day of a record as written back. A date that does not read as
// whole numbers is marked with the invalid year, like a year out of range.
Record ParseRecord(std::string_view bytes, const std::string_view* tokens) {
    Record r;
    const auto year = WholeInt(tokens[0]);
    const auto month = WholeInt(tokens[1]);
    const auto day = WholeInt(tokens[2]);
    r.month = month ? *month : LeadingInt(tokens[1]);
    r.day = day ? *day : LeadingInt(tokens[2]);
    r.year = (year && month && day) ? WidenYear(*year) : -3;
    r.key = static_cast<std::int64_t>(r.year) * 10000 + static_cast<std::int64_t>(r.month) * 100 +
            r.day;
    r.valuesBegin = static_cast<std::uint32_t>(tokens[3].data() - bytes.data());
    r.valuesEnd = static_cast<std::uint32_t>(tokens[7].data() + tokens[7].size() - bytes.data());
    return r;
}

// The new contents, compared with the old as they are produced: a file that is
// already in order is only read, and the new text is built only from the first
// byte that differs.
class Output {
  public:
    explicit Output(std::string_view old) : old_(old) {}

    void Append(std::string_view piece) {
        if (same_) {
            if (old_.substr(pos_, piece.size()) == piece) {
                pos_ += piece.size();
                return;
            }
            same_ = false;
            text_.reserve(old_.size() + 64);
            text_.assign(old_.substr(0, pos_));
        }
        text_.append(piece);
    }
    bool Unchanged() const { return same_ && pos_ == old_.size(); }
    std::string Take() { return same_ ? std::string(old_.substr(0, pos_)) : std::move(text_); }

  private:
    std::string_view old_;
    std::size_t pos_ = 0;
    bool same_ = true;
    std::string text_;
};

void AppendRecord(Output& out, std::string& line, std::string_view bytes, const Record& r,
                  bool last) {
    line.assign(last ? "\n " : " \n ");
    AppendInt(line, r.year, 4);
    line += ' ';
    AppendInt(line, r.month, 2);
    line += ' ';
    AppendInt(line, r.day, 2);
    StkReader values(bytes.substr(r.valuesBegin, r.valuesEnd - r.valuesBegin));
    while (const auto token = values.NextToken()) {
        line += ' ';
        line += *token;
    }
    out.Append(line);
}

void ShowMemoryShort(platform::Prompts& prompts) {
    prompts.ShowMessage("エラー！メモリー容量不足！", "エラーメッセージ(M0016)",
                        platform::Buttons::Ok, platform::Icon::Stop);
}

// Returns the number of records, or -1 when the text is not a data file the scan
// would accept; `out` holds the normalised text unless it equals `bytes`.
int NormaliseText(std::string_view bytes, int capacity, Output& out, std::string* headerText) {
    StkReader in(bytes);
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
        records.push_back(ParseRecord(bytes, tokens));

    // Files are normally in date order already; sort only when they are not.
    const auto byKey = [](const Record& a, const Record& b) { return a.key < b.key; };
    if (!std::is_sorted(records.begin(), records.end(), byKey))
        std::stable_sort(records.begin(), records.end(), byKey);

    if (hasHeader == 1) {
        out.Append(header);
        out.Append("\n");
    }
    std::string line(1, '\n');
    AppendInt(line, *id);
    line += '\n';
    for (int i = 1; i <= 4; ++i) {
        line += heading[i];
        line += '\n';
    }
    AppendInt(line, *startYear);
    line += '\t';
    AppendInt(line, *startMonth);
    line += '\t';
    AppendInt(line, *startDay);
    line += '\n';
    out.Append(line);

    // Of a run of equal dates only the last one, in file order, is kept; so the
    // file's last record is always the last one written.
    int written = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool last = i + 1 == records.size();
        if (!last && records[i + 1].key == records[i].key) continue;
        AppendRecord(out, line, bytes, records[i], last);
        ++written;
    }
    return written;
}

int Normalise(const LoadEnvironment& env, const std::string& path, int capacity,
              std::string* headerText, std::string* contents) {
    const std::filesystem::path file = env.Resolve(path);
    auto bytes = ReadFileBytes(file);
    if (!bytes) {
        env.prompts.ShowMessage("データファイルが見つかりません！!", path, platform::Buttons::Ok,
                                platform::Icon::Stop);
        return -30;
    }
    Output out(*bytes);
    const int result = NormaliseText(*bytes, capacity, out, headerText);
    if (result >= 0 && !out.Unchanged()) {
        // The new contents replace the old only once they are complete.
        std::string text = out.Take();
        if (!platform::WriteFileAtomically(file, text)) return -40;
        *bytes = std::move(text);
    }
    if (contents) *contents = std::move(*bytes);
    return result;
}

}  // namespace

int NormaliseDataFile(const LoadEnvironment& env, const std::string& path, int capacity,
                      std::string* headerText, std::string* contents) {
    if (capacity <= 0) {
        ShowMemoryShort(env.prompts);
        return -1;
    }
    try {
        return Normalise(env, path, capacity, headerText, contents);
    } catch (const std::bad_alloc&) {
        ShowMemoryShort(env.prompts);
        return -1;
    }
}

}  // namespace korvo::data
