// How the program names itself.
#pragma once

namespace korvo::app {

inline constexpr const char* kMakerName = "Korvo Software Works";
inline constexpr const char* kProgramVersion = "8.05";
// "Orvane(Korvo ﾁｬｰﾄ)", 25 blanks, the maker's name.
inline constexpr const char* kMainWindowCaption =
    "Orvane(Korvo ﾁｬｰﾄ)                         Korvo Software Works";
inline constexpr const char* kWindowClassName = "ProgName";

}  // namespace korvo::app
