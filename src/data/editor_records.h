// The records of a (normalised) data file as the data file editor keeps them
// when it saves: with their tokens as they stand, split by whether their date
// lies within the dates the editor listed.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace korvo::data {

struct SplitRecords {
    // Records dated outside the range, each " YEAR MONTH DAY OPEN HIGH LOW
    // CLOSE VOLUME\r\n" with the file's own tokens, in file order.
    std::string outside;
    // Records dated within it, by date key, without the line end; of two
    // records of one date the later.
    std::map<int, std::string> inside;
};

// Splits the records by their date keys against firstKey..lastKey (inclusive).
// Nothing when the heading cannot be read.
SplitRecords SplitRecordsByDate(std::string_view contents, int firstKey, int lastKey);

}  // namespace korvo::data
