#include "cli/period_option.h"

#include <ostream>
#include <string>

#include "indicators/indicators.h"

namespace korvo::cli {

std::optional<std::vector<int>> ReadPeriods(CliContext& context) {
    std::vector<int> periods;
    for (const std::string& text : context.Options("--period")) {
        const auto value = indicators::ReadUnsignedField(text);
        if (!value || *value > 100000) {
            context.Err() << "korvo-cli: --period wants a whole number up to 100000, not " << text
                          << "\n";
            return std::nullopt;
        }
        periods.push_back(static_cast<int>(*value));
    }
    return periods;
}

}  // namespace korvo::cli
