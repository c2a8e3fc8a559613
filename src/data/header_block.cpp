#include "data/header_block.h"

#include "platform/codec.h"

namespace korvo::data {

namespace {

bool IsSingle(std::string_view bytes, std::size_t pos, char c) {
    return platform::CharLengthAt(bytes, pos) == 1 && bytes[pos] == c;
}

enum class DirectiveKind { None, Chr, Box };

DirectiveKind KindOf(char letter) {
    if (letter == 'd' || letter == 'D') return DirectiveKind::Chr;
    if (letter == 's' || letter == 'S') return DirectiveKind::Box;
    return DirectiveKind::None;
}

// Finds the '[' that opens a directive name, from pos on; the characters before
// it are dropped. Gives up after kBracketSearchLimit characters or at a '>'
// (which then closes the block as usual). True with pos after the '['.
bool FindNameStart(std::string_view bytes, std::size_t& pos) {
    for (int read = 0; read < kBracketSearchLimit && pos < bytes.size(); ++read) {
        if (IsSingle(bytes, pos, '[')) {
            ++pos;
            return true;
        }
        if (IsSingle(bytes, pos, '>')) return false;
        pos += platform::CharLengthAt(bytes, pos);
    }
    return false;
}

// Reads the name up to ']'; false when it is longer than allowed or not closed.
bool ReadName(std::string_view bytes, std::size_t& pos, std::string& name) {
    name.clear();
    while (pos < bytes.size()) {
        if (IsSingle(bytes, pos, ']')) {
            ++pos;
            return true;
        }
        const std::size_t length = platform::CharLengthAt(bytes, pos);
        if (name.size() + length > kMaxDirectiveName) return false;
        name.append(bytes.substr(pos, length));
        pos += length;
    }
    return false;
}

}  // namespace

void ShowDataFormError(platform::Prompts& prompts) {
    prompts.ShowMessage("ﾃﾞｰﾀ ﾌｫｰﾑ エラー\nコメントが長すぎるか '>' マークがありません！",
                        "エラーメッセージ", platform::Buttons::Ok, platform::Icon::Stop);
}

int ReadHeaderBlock(StkReader& in, HeaderDirectives& out, platform::Prompts& prompts) {
    out.hasChrFile = false;
    out.hasBoxFile = false;
    in.Rewind();
    const int first = in.GetByte();
    if (first < 0) return 0;
    if (first != '<') {
        in.Rewind();
        return 0;
    }
    const std::string_view bytes = in.Bytes();
    std::size_t pos = in.Position();
    std::size_t counted = 0;
    auto refuse = [&] {
        ShowDataFormError(prompts);
        in.Rewind();
        return -21;
    };
    while (pos < bytes.size()) {
        const std::size_t length = platform::CharLengthAt(bytes, pos);
        const bool at = length == 1 && bytes[pos] == '@';
        const bool closing = length == 1 && bytes[pos] == '>';
        pos += length;
        counted += length;
        if (counted > kMaxHeaderLength) return refuse();
        if (closing) {
            in.Seek(pos);
            return 0;
        }
        if (!at || pos >= bytes.size() || platform::CharLengthAt(bytes, pos) != 1) continue;
        const DirectiveKind kind = KindOf(bytes[pos]);
        if (kind == DirectiveKind::None) continue;
        ++pos;  // the letter
        ++counted;
        if (counted > kMaxHeaderLength) return refuse();
        // The bracketed part of a directive does not count toward the block's length.
        if (!FindNameStart(bytes, pos)) continue;
        std::string name;
        if (!ReadName(bytes, pos, name)) return refuse();
        if (kind == DirectiveKind::Chr) {
            out.chrFileName = std::move(name);
            out.hasChrFile = true;
        } else {
            out.boxFileName = std::move(name);
            out.hasBoxFile = true;
        }
    }
    return refuse();  // no '>'
}

int CopyHeaderBlockText(StkReader& in, std::string& headerText) {
    in.Rewind();
    const std::string_view bytes = in.Bytes();
    if (bytes.empty() || bytes[0] != '<') return 0;
    const std::size_t closing = platform::FindSingleByte(bytes, '>', 1);
    if (closing == std::string_view::npos || closing > kMaxHeaderLength) return -21;
    headerText.assign(bytes.substr(0, closing + 1));
    in.Seek(closing + 1);
    return 1;
}

int CopyHeaderBlock(StkReader& from, std::string& to, platform::Prompts& prompts) {
    std::string header;
    const int result = CopyHeaderBlockText(from, header);
    if (result == 0) return 0;
    if (result < 0) {
        ShowDataFormError(prompts);
        return -21;
    }
    to += header;
    to += '\n';
    return 0;
}

}  // namespace korvo::data
