// Where the annotations of a chart live: the file the data file's header
// names, taken only as a plain file name in the start directory, and how it
// is read and replaced.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/prompts.h"

namespace korvo::annotate {

// Work and list files in the start directory.
inline constexpr const char* kWorkCopyName = "fmoji.TM";
inline constexpr const char* kRewriteName = "fmoji.&&&";
inline constexpr const char* kPhraseListName = "finsert.chr";

inline constexpr const char* kWriteProtectedText = "ファイル書き込み禁止です。";
inline constexpr const char* kRefusedNameCaption = "エラーメッセージ(F071)";
inline constexpr const char* kNoAnnotationFileText =
    "このﾃﾞｰﾀﾌｧｲﾙには書込みファイル名(@d[...])がありません。\n"
    "ﾍｯﾀﾞｰ編集で書込みファイル名を設定してください。";

struct AnnotationFileName {
    // The file in the start directory; empty when the name is refused.
    std::filesystem::path path;
    // The name as the header gives it, in UTF-8 (damaged bytes shown as U+FFFD).
    std::string shownName;
    // Why the name is refused (the message text), empty when it is accepted.
    std::string refusal;

    bool Accepted() const { return refusal.empty(); }
};

// Checks the name of the header's annotation directive (CP932 bytes). Only a
// plain file name is taken: no folder part (a slash or a backslash, a trail
// byte never counting as one), not "." or "..", no control character, not a
// name of the program's own files or a data file, and not a folder of the
// start directory.
AnnotationFileName CheckAnnotationFileName(const std::filesystem::path& startDirectory,
                                           std::string_view cp932Name);

// The refusal in a message box.
void ShowRefusal(platform::Prompts& prompts, const AnnotationFileName& name);

// The file's bytes, a compressed file expanded (through fmoji.TM in the start
// directory, removed again); nullopt when there is no file or it cannot be read.
std::optional<std::string> ReadAnnotationFile(const std::filesystem::path& path,
                                              const std::filesystem::path& startDirectory);

// Replaces the file by `bytes`, written whole under a temporary name first.
// On failure "ファイル書き込み禁止です。" is shown captioned with the file's
// name and the old file stays as it was.
bool ReplaceAnnotationFile(const AnnotationFileName& name, std::string_view bytes,
                           platform::Prompts& prompts);

}  // namespace korvo::annotate
