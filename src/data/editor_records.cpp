#include "data/editor_records.h"

#include "data/calendar.h"
#include "data/header_block.h"
#include "data/stk_reader.h"

namespace korvo::data {

std::map<int, std::string> RecordsByDate(std::string_view contents) {
    std::map<int, std::string> records;
    StkReader in(contents);
    std::string header;
    if (CopyHeaderBlockText(in, header) < 0) return records;
    std::string_view t[8];
    if (in.NextTokens(t, 8) < 8) return records;
    while (in.NextTokens(t, 8) == 8) {
        const int key = DateKey(WidenYear(LeadingInt(t[0])), LeadingInt(t[1]), LeadingInt(t[2]));
        std::string record;
        for (const std::string_view token : t) {
            record += ' ';
            record.append(token);
        }
        records[key] = std::move(record);
    }
    return records;
}

}  // namespace korvo::data
