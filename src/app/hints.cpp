#include "app/hints.h"

#include <charconv>
#include <vector>

#include "app/embedded_resources.h"
#include "platform/codec.h"

namespace korvo::app {

struct HintBookBuilder {
    static std::string& Text(HintBook& book, int topic) { return book.texts_[topic]; }
};

namespace {

constexpr std::string_view kTopicMark = "@@ ";
constexpr platform::Colour kHintColour = 0x0000B2;
constexpr platform::Rect kHintRect{15, 15, 340, 200};

struct RawLine {
    int number;
    std::string_view text;
};

std::vector<RawLine> SplitLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<RawLine> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(RawLine{++number, line});
    }
    return lines;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == line.npos;
}

std::string TopicError(int topic, std::string_view what) {
    return "topic " + std::to_string(topic) + ": " + std::string(what);
}

// Joins a topic's lines, dropping blank lines at its end, and checks its shape.
std::optional<std::string> TopicText(int topic, const std::vector<std::string_view>& lines,
                                     std::string& error) {
    std::size_t count = lines.size();
    while (count > 0 && IsBlank(lines[count - 1]))
        --count;
    if (count < 3 || IsBlank(lines[0]) || !IsBlank(lines[1])) {
        error = TopicError(topic, "needs a title, a blank line and the guidance");
        return std::nullopt;
    }
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i) text += '\n';
        text += lines[i];
    }
    const std::optional<std::string> sjis = platform::Utf8ToCp932(text);
    if (!sjis) {
        error = TopicError(topic, "holds characters that Shift-JIS cannot carry");
        return std::nullopt;
    }
    if (sjis->size() >= kHintTextLimit) {
        error = TopicError(topic, "is " + std::to_string(sjis->size()) +
                                      " bytes in Shift-JIS; it must stay below 400");
        return std::nullopt;
    }
    return text;
}

bool ParseTopicNumber(std::string_view word, int& topic) {
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), topic);
    return ec == std::errc() && end == word.data() + word.size() && topic >= 1 &&
           topic <= kHintTopicCount;
}

}  // namespace

const std::string& HintBook::Text(int topic) const {
    if (topic < 0 || topic > kHintTopicCount) topic = 0;
    return texts_[static_cast<std::size_t>(topic)];
}

std::string HintBook::Title(int topic) const {
    const std::string& text = Text(topic);
    return text.substr(0, text.find('\n'));
}

HintParseResult ParseHints(std::string_view text) {
    HintParseResult result;
    HintBook book;
    std::array<bool, kHintTopicCount + 1> seen{};
    int current = 0;
    std::vector<std::string_view> body;

    auto finishTopic = [&]() {
        if (current == 0) return true;
        std::optional<std::string> topicText = TopicText(current, body, result.error);
        if (!topicText) return false;
        HintBookBuilder::Text(book, current) = std::move(*topicText);
        return true;
    };

    for (const RawLine& line : SplitLines(text)) {
        if (line.text.substr(0, kTopicMark.size()) == kTopicMark) {
            if (!finishTopic()) return result;
            int topic = 0;
            if (!ParseTopicNumber(line.text.substr(kTopicMark.size()), topic)) {
                result.error =
                    "line " + std::to_string(line.number) + ": a topic number must be 1 to 28";
                return result;
            }
            if (seen[static_cast<std::size_t>(topic)]) {
                result.error = "line " + std::to_string(line.number) + ": topic " +
                               std::to_string(topic) + " appears twice";
                return result;
            }
            seen[static_cast<std::size_t>(topic)] = true;
            current = topic;
            body.clear();
        } else if (current != 0) {
            body.push_back(line.text);
        } else if (!IsBlank(line.text) && line.text.front() != '#') {
            result.error = "line " + std::to_string(line.number) + ": text before the first topic";
            return result;
        }
    }
    if (!finishTopic()) return result;
    for (int topic = 1; topic <= kHintTopicCount; ++topic) {
        if (!seen[static_cast<std::size_t>(topic)]) {
            result.error = TopicError(topic, "is missing");
            return result;
        }
    }
    // Topic 0 is only the start value of the paging; it shows the first guide.
    HintBookBuilder::Text(book, 0) = book.Text(1);
    result.book = std::move(book);
    return result;
}

std::optional<HintBook> LoadHints() {
    const std::optional<std::string> text = EmbeddedResource("hints/hints.txt");
    if (!text) return std::nullopt;
    return ParseHints(*text).book;
}

HintPager::HintPager(const HintBook& book, int& hintTopic) : book_(book), hintTopic_(hintTopic) {}

void HintPager::Open() {
    Show(kHintOpeningTopic);
}

void HintPager::Next() {
    // Only 0 to 28 can be stored; anything else is taken as the start value.
    int topic = (hintTopic_ < 0 || hintTopic_ > kHintTopicCount) ? 0 : hintTopic_;
    ++topic;
    if (topic > kHintTopicCount) topic -= kHintTopicCount;
    hintTopic_ = topic;
    Show(topic);
}

void HintPager::Previous() {
    int topic = (hintTopic_ < 0 || hintTopic_ > kHintTopicCount) ? 0 : hintTopic_;
    --topic;
    // From 1, and from the start value 0 alike, going back lands on the last topic.
    if (topic < 1) topic = kHintTopicCount;
    hintTopic_ = topic;
    Show(topic);
}

void HintPager::Show(int topic) {
    shownTopic_ = topic;
    hintText_ = book_.Text(topic);
}

void DrawHint(platform::Canvas& canvas, std::string_view text) {
    platform::CanvasStateGuard guard(canvas);
    canvas.SetMapMode(platform::MapMode::Device);
    canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
    platform::Font font;
    font.face = "MS UI Gothic";
    font.height = 12;
    font.weight = 400;
    font.charset = platform::Charset::ShiftJis;
    canvas.SelectFont(font);
    canvas.SetTextColour(kHintColour);
    canvas.DrawTextWrapped(kHintRect, text);
}

}  // namespace korvo::app
