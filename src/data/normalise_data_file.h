// Putting a data file's records in date order with one record per date.
#pragma once

#include <string>

#include "data/data_state.h"

namespace korvo::data {

// Rewrites the file with its records sorted by date (stable, so equal dates keep
// their file order) and, of each run of equal dates, only the last one in file
// order. At most `capacity` records are read, in file order. Value tokens are
// copied unchanged; years are widened, an invalid one (or a date that is not a
// number) is written as -3 so that the scan refuses the file.
//
// Returns the number of records written, or
//   -1  capacity not positive or memory short (after the memory message), or the
//       file is not a data file the scan would accept (no message: the scan that
//       follows says why);
//   -30 the file cannot be opened (after a message captioned with the path);
//   -40 the new contents cannot be written (the file is left as it was).
// The header block is stored in *headerText when given (emptied when there is none),
// and the file's contents after the call in *contents (when the file was read).
int NormaliseDataFile(const LoadEnvironment& env, const std::string& path, int capacity,
                      std::string* headerText = nullptr, std::string* contents = nullptr);

}  // namespace korvo::data
