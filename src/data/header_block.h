// The optional header block of a data file: free comment text from a '<' as
// the very first byte to the first '>', holding up to two directives
// "@d[name]" (the annotation file) and "@s[name]" (the companion figure file).
// Every scan here steps over double-byte characters, so a trail byte is never
// taken for '@', '[', ']' or '>'.
#pragma once

#include <cstddef>
#include <string>

#include "data/stk_reader.h"
#include "platform/prompts.h"

namespace korvo::data {

// Bytes that may follow the '<', the closing '>' included.
inline constexpr std::size_t kMaxHeaderLength = 1480;
// Longest directive name, in bytes.
inline constexpr std::size_t kMaxDirectiveName = 127;
// Characters read at most while looking for the '[' of a directive.
inline constexpr int kBracketSearchLimit = 128;

// The directive names of the last header read (CP932 bytes). A name means
// something only when its flag is set.
struct HeaderDirectives {
    std::string chrFileName;
    bool hasChrFile = false;
    std::string boxFileName;
    bool hasBoxFile = false;
};

// Parses the header block and its directives. Leaves the reader just after the
// '>', or at the start when the file has no header. Returns 0, or -21 after
// showing the data form message when the block is too long, a name is longer
// than 127 bytes, or the '>' is missing (the reader is then rewound).
int ReadHeaderBlock(StkReader& in, HeaderDirectives& out, platform::Prompts& prompts);

// Stores the header block verbatim ('<' through '>') and leaves the reader after
// it: 1. Without a header: 0, reader rewound. Longer than 1480 bytes after the
// '<' or not closed: -21, reader rewound, no message.
int CopyHeaderBlockText(StkReader& in, std::string& headerText);

// Appends the header block of `from` verbatim and a line break to `to`: 0.
// Without a header nothing is written and `from` is rewound. Too long or not
// closed: -21 with the data form message.
int CopyHeaderBlock(StkReader& from, std::string& to, platform::Prompts& prompts);

// "the comment is too long or the '>' mark is missing".
void ShowDataFormError(platform::Prompts& prompts);

}  // namespace korvo::data
