#include "indicators/dialog_fields.h"

#include <limits>

namespace korvo::indicators {

std::optional<std::uint32_t> ReadUnsignedField(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    std::size_t end = text.size();
    while (end > pos && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    if (pos == end) return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = pos; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::string FieldText(std::int32_t value) {
    return std::to_string(value);
}

}  // namespace korvo::indicators
