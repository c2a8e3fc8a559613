// The records of a (normalised) data file as the data file editor keeps them
// when it saves: by date, with their tokens as they stand.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace korvo::data {

// Each record by its date key, as " YEAR MONTH DAY OPEN HIGH LOW CLOSE VOLUME"
// with the file's own tokens. Of two records of one date the later is kept.
// Empty when the heading cannot be read.
std::map<int, std::string> RecordsByDate(std::string_view contents);

}  // namespace korvo::data
