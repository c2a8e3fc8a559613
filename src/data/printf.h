// printf formatting into a std::string, so texts and file lines come out
// exactly as the C library formats them ("%8.2f", "%4d", ...).
#pragma once

#include <string>

namespace korvo::data {

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace korvo::data
