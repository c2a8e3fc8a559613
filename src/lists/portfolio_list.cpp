#include "lists/portfolio_list.h"

#include "data/printf.h"
#include "data/stk_reader.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/path_word.h"

namespace korvo::lists {

namespace {

constexpr const char* kListNames[kPortfolioCount] = {"UPDATE.usr", "UPDATE2.usr", "UPDATE3.usr"};

// One item as the user sees it; nullopt when it is longer than `limit` characters.
std::optional<std::string> ReadItem(std::string_view word, std::size_t limit) {
    // No character takes more than three bytes in a word (an escape), so a
    // longer word is refused before it is decoded.
    if (word.size() > limit * 3) return std::nullopt;
    std::string item = platform::Cp932ToUtf8Lossy(platform::DecodePathWord(word));
    if (CharCount(item) > limit) return std::nullopt;
    return item;
}

std::optional<std::string> WordOf(const std::string& utf8) {
    const auto cp932 = platform::Utf8ToCp932(utf8);
    if (!cp932) return std::nullopt;
    return platform::EncodePathWord(*cp932);
}

}  // namespace

const char* PortfolioListName(int list) {
    return kListNames[list >= 0 && list < kPortfolioCount ? list : 0];
}

PortfolioRead ReadPortfolioList(const std::filesystem::path& file) {
    PortfolioRead read;
    const auto bytes = platform::ReadWholeFile(file);
    if (!bytes) return read;
    read.opened = true;
    data::StkReader in(*bytes);
    const auto countToken = in.NextToken();
    const auto count = countToken ? data::WholeInt(*countToken) : std::nullopt;
    if (!count) {
        // An empty file is an empty list; anything else in the count's place is damage.
        read.damaged = countToken.has_value();
        return read;
    }
    if (*count < 0 || *count > kMaxPortfolioEntries) {
        read.damaged = true;
        return read;
    }
    for (int i = 0; i < *count; ++i) {
        const auto codeWord = in.NextToken();
        const auto pathWord = in.NextToken();
        if (!codeWord || !pathWord) {
            read.damaged = true;
            return read;
        }
        auto code = ReadItem(*codeWord, kMaxCodeChars);
        auto path = ReadItem(*pathWord, kMaxPathChars);
        if (!code || !path) {
            read.damaged = true;
            return read;
        }
        read.entries.push_back(PortfolioEntry{std::move(*code), std::move(*path)});
    }
    return read;
}

std::optional<std::string> FormatPortfolioList(const std::vector<PortfolioEntry>& entries) {
    std::string out = data::Printf("%d\n", static_cast<int>(entries.size()));
    for (const PortfolioEntry& entry : entries) {
        const auto code = WordOf(entry.code);
        const auto path = WordOf(entry.path);
        if (!code || !path) return std::nullopt;
        out += *code + "  " + " " + *path + " \n";
    }
    return out;
}

bool WritePortfolioList(const std::filesystem::path& file,
                        const std::vector<PortfolioEntry>& entries) {
    const auto bytes = FormatPortfolioList(entries);
    return bytes && platform::WriteFileAtomically(file, *bytes);
}

int ReadListEntry(const std::filesystem::path& listFile, int n, std::string& dataPath) {
    if (n < 0 || n > kMaxListEntryNumber) return -2;
    const PortfolioRead read = ReadPortfolioList(listFile);
    if (!read.opened) return -1;
    if (static_cast<std::size_t>(n) >= read.entries.size()) return -3;
    dataPath = read.entries[static_cast<std::size_t>(n)].path;
    return 1;
}

std::vector<std::string> PortfolioCodes(const std::filesystem::path& startDirectory) {
    std::vector<std::string> codes;
    for (int list = 0; list < kPortfolioCount; ++list)
        for (const PortfolioEntry& entry :
             ReadPortfolioList(startDirectory / PortfolioListName(list)).entries)
            codes.push_back(entry.code);
    return codes;
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
    return count;
}

std::string UpperCaseCode(std::string_view utf8) {
    // UTF-8 never uses an ASCII byte inside a longer character, so only real
    // letters change.
    std::string out(utf8);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

}  // namespace korvo::lists
