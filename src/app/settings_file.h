// korvo.ips: the user's choices carried from one run to the next. A fixed
// sequence of whitespace-separated fields; only their order and count matter to
// the reader, the writer lays them out on thirteen lines.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_state.h"
#include "platform/path_word.h"

namespace korvo::app {

inline constexpr const char* kSettingsFileName = "korvo.ips";
// What the file names when no data file is current.
inline constexpr const char* kNoDataFileName = "korvo.dat";

// The settings file of a start directory.
std::filesystem::path SettingsPath(const std::filesystem::path& startDirectory);

// Reads every field in order into the state and applies the range corrections
// of the scale factors. A short or damaged file is read up to the first field
// that is missing or does not parse; the fields after it keep their values.
// Sets the view mode to the opening screen. Returns 0, or -1 when the file
// cannot be opened.
int ReadSettings(ProgramState& state, const std::filesystem::path& path);

// Replaces the file with every field of the state. Returns 0, or -1 when it
// cannot be written (the old file is then left as it was).
int WriteSettings(const ProgramState& state, const std::filesystem::path& path);

// The exact bytes WriteSettings writes.
std::string FormatSettings(const ProgramState& state);

// One named field as the state holds it, with its place among the file's tokens.
struct SettingsField {
    int token = 0;  // 0-based position in the file
    std::string name;
    std::string value;
};
// Every named field in file order (reserved fields left out).
std::vector<SettingsField> DescribeSettings(const ProgramState& state);

// Paths travel as single words (see platform/path_word.h).
using platform::DecodePathWord;
using platform::EncodePathWord;

}  // namespace korvo::app
