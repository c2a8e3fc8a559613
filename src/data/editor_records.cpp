#include "data/editor_records.h"

#include "data/calendar.h"
#include "data/header_block.h"
#include "data/stk_reader.h"

namespace korvo::data {

namespace {

void AppendRecord(std::string& out, const std::string_view* tokens) {
    for (int i = 0; i < 8; ++i) {
        out += ' ';
        out.append(tokens[i]);
    }
}

}  // namespace

SplitRecords SplitRecordsByDate(std::string_view contents, int firstKey, int lastKey) {
    SplitRecords split;
    StkReader in(contents);
    std::string header;
    if (CopyHeaderBlockText(in, header) < 0) return split;
    std::string_view t[8];
    if (in.NextTokens(t, 8) < 8) return split;
    split.outside.reserve(contents.size());
    while (in.NextTokens(t, 8) == 8) {
        const int key = DateKey(WidenYear(LeadingInt(t[0])), LeadingInt(t[1]), LeadingInt(t[2]));
        if (key < firstKey || key > lastKey) {
            AppendRecord(split.outside, t);
            split.outside += "\r\n";
        } else {
            std::string& record = split.inside[key];
            record.clear();
            AppendRecord(record, t);
        }
    }
    return split;
}

}  // namespace korvo::data
