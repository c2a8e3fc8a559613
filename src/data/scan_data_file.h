// Checking a data file before it is loaded, and counting its records.
#pragma once

#include <string>
#include <string_view>

#include "data/data_state.h"

namespace korvo::data {

// Returns the number of records (at most 10000), or, after telling the user why:
//   -3    the file cannot be opened;
//   -21   the header block is too long or not closed, or a title, subtitle,
//         unit or code token is longer than 127 bytes;
//   -1    the file type ID is not 210..229 (the Weekly and Monthly commands
//         are greyed);
//   -91   the start date or a record's date is not valid;
//   -1002 the user cancelled the warning that the file's symbol code differs
//         from the one the quote import is writing (no further message).
int ScanDataFile(DataContext& context, const std::string& path);
// The same on the file's contents as already read.
int ScanDataFile(DataContext& context, const std::string& path, std::string_view contents);

}  // namespace korvo::data
