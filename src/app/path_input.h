// The path question INPUTDLG1: the full path of an outside program the
// program could not find by itself. The window lays out the controls; this
// class decides what the buttons do.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/prompts.h"

namespace korvo::app {

inline constexpr const char* kPathInputCaption = "ホルダー・ファイル　パス入力";
inline constexpr const char* kPathInputExample = "例 C:\\Windows\\program\\Wordpad.exe";
// Characters the edit box takes.
inline constexpr int kPathInputLimit = 127;

class PathInputLogic {
  public:
    explicit PathInputLogic(platform::Prompts& prompts) : prompts_(prompts) {}

    // "ﾘｽﾄ": the open-file dialog for programs; the path chosen, nullopt on cancel.
    std::optional<std::string> Browse();
    // OK with the text of the edit box: the path, or nullopt after saying that
    // a path is needed (the dialog then stays open).
    std::optional<std::string> Accept(std::string_view text);

  private:
    platform::Prompts& prompts_;
};

}  // namespace korvo::app
