// Quote-import choices kept in the settings file.
#pragma once

#include <cstdint>

namespace korvo::data {

struct ImportSettings {
    // Set: the column map is fixed and the import does not ask for the data
    // format; command 3519 clears it.
    std::int32_t columnMapFixed = 0;
    // The search range of the import and its sort dialogs.
    std::int32_t searchStartYear = 0;
    std::int32_t searchStartMonth = 0;
    std::int32_t searchStartDay = 0;
    std::int32_t searchEndYear = 0;
    std::int32_t searchEndMonth = 0;
    std::int32_t searchEndDay = 0;
};

}  // namespace korvo::data
