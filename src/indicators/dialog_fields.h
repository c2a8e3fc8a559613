// Reading the number fields of the parameter dialogs as the program always
// has: an unsigned whole number, blanks around it allowed, nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvo::indicators {

// nullopt for an empty field, any other character, or a number above 32 bits.
std::optional<std::uint32_t> ReadUnsignedField(std::string_view text);

// A period as the field shows it.
std::string FieldText(std::int32_t value);

}  // namespace korvo::indicators
