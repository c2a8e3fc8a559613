// Work files of the editors, in the start directory.
#pragma once

namespace korvo::data {

// The file an editor writes before it replaces anything; deleted at exit.
inline constexpr const char* kEditWorkName = "KORVO.EDT";
// The working copy as it was before the data file editor replaced it.
inline constexpr const char* kEditOldCopyName = "KORVOOLD.DAT";
// A file the editors are about to overwrite, as it was.
inline constexpr const char* kEditOverwrittenName = "korvoEDT.org";

// "the file is write-protected", under the file it concerns.
inline constexpr const char* kWriteProtectedText = "ファイル書き込み禁止です。";

}  // namespace korvo::data
