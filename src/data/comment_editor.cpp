#include "data/comment_editor.h"

#include "data/heading_text.h"
#include "platform/codec.h"

namespace korvo::data {

namespace {

// At most `limit` bytes, never cutting a double-byte character in two.
std::string CutAt(const std::string& cp932, std::size_t limit) {
    std::size_t end = 0;
    while (end < cp932.size()) {
        const std::size_t length = platform::CharLengthAt(cp932, end);
        if (end + length > limit) break;
        end += length;
    }
    return cp932.substr(0, end);
}

}  // namespace

std::string CommentEditor::Initial() const {
    return platform::Cp932ToUtf8Lossy(header_);
}

void CommentEditor::Accept(const std::string& text) {
    if (text.empty())
        prompts_.ShowMessage("ｺﾒﾝﾄ 未記入です！", "メッセージ", platform::Buttons::Ok,
                             platform::Icon::None);
    header_ = CutAt(Cp932ForFile(text), kMaxCommentBytes);
}

}  // namespace korvo::data
