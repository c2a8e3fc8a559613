// The operation hints: 28 short guides paged through in a small modeless
// window. The texts are built into the program (resources/hints/hints.txt);
// the paging rules live here, the window itself in src/qt.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/canvas.h"

namespace korvo::app {

inline constexpr int kHintTopicCount = 28;  // topics 1 to 28; 0 is the start value
inline constexpr int kHintOpeningTopic = 17;
// A hint text (title, blank line, guidance) must stay below this many Shift-JIS bytes.
inline constexpr std::size_t kHintTextLimit = 400;

class HintBook {
  public:
    // Topic 0 to 28; topic 0 has the text of topic 1. An out-of-range topic gives topic 0.
    const std::string& Text(int topic) const;
    // The first line of the text.
    std::string Title(int topic) const;

  private:
    friend struct HintBookBuilder;
    std::array<std::string, kHintTopicCount + 1> texts_;
};

struct HintParseResult {
    std::optional<HintBook> book;
    std::string error;  // "line N: ..." or "topic N: ..." when book is empty
};

// Parses a hints text: "@@ <n>" starts topic n (1 to 28, each once); its lines
// are the title, a blank line and the guidance. "#" lines before the first
// topic are comments.
HintParseResult ParseHints(std::string_view text);

// The built-in hints; nullopt only if the built-in text is broken.
std::optional<HintBook> LoadHints();

// What the hints window shows, and how its buttons page.
//
// `hintTopic` belongs to the caller and outlives every window: closing and
// reopening the window keeps it. Opening always shows topic 17 without
// touching it, so the first page turn continues from wherever it stood.
class HintPager {
  public:
    HintPager(const HintBook& book, int& hintTopic);

    // The window opens: show topic 17.
    void Open();
    // "次のヒントへ": one topic on; past 28 it starts again at 1.
    void Next();
    // "前のヒントへ": one topic back; below 1 it goes round to 28.
    void Previous();

    int ShownTopic() const { return shownTopic_; }
    // The window's own copy of the text shown (repaints draw this).
    const std::string& Text() const { return hintText_; }

  private:
    void Show(int topic);

    const HintBook& book_;
    int& hintTopic_;
    int shownTopic_ = 0;
    std::string hintText_;
};

// Paints a hint text into the hints window: transparent, "MS UI Gothic"
// 12 pixels, dark red, word-wrapped into (15, 15)-(340, 200).
void DrawHint(platform::Canvas& canvas, std::string_view text);

}  // namespace korvo::app
