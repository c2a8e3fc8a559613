// The comment editor DIALOGCMNT: the header block of the current file as free
// text. What OK stores is written as the header at the next save of the data
// file editor, so the user must keep its "<" ... ">" form; it is not checked
// here, and a block without its '>' makes that load fail with the data form
// message.
#pragma once

#include <cstddef>
#include <string>

#include "data/clipboard_target.h"
#include "platform/prompts.h"

namespace korvo::data {

class CommentEditor {
  public:
    static constexpr const char* kName = "DIALOGCMNT";
    static constexpr const char* kTitle = "データファイル編集(comment)";
    static constexpr int kTextControl = 801;
    // Bytes of the header text kept.
    static constexpr std::size_t kMaxCommentBytes = 1427;

    // `headerText` (CP932) is what the editor changes on OK.
    CommentEditor(std::string& headerText, platform::Prompts& prompts)
        : header_(headerText), prompts_(prompts) {}

    // The text the box starts with (UTF-8).
    std::string Initial() const;
    // OK with the box's text (UTF-8): stores at most 1427 bytes of it; an empty
    // text is stored too, after saying that no comment was entered.
    void Accept(const std::string& text);
    ClipboardTarget& Clipboard() { return clipboard_; }

  private:
    std::string& header_;
    platform::Prompts& prompts_;
    ClipboardTarget clipboard_;
};

}  // namespace korvo::data
