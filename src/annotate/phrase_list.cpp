#include "annotate/phrase_list.h"

#include <fstream>

#include "annotate/annotation_file.h"
#include "platform/codec.h"
#include "platform/files.h"

namespace korvo::annotate {

namespace {

std::string ReadHead(const std::filesystem::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Drops a double-byte character whose second byte lies past the limit.
std::string_view WholeCharacters(std::string_view cp932) {
    std::size_t i = 0;
    while (i < cp932.size()) {
        const std::size_t length = platform::CharLengthAt(cp932, i);
        if (platform::IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 >= cp932.size())
            break;
        i += length;
    }
    return cp932.substr(0, i);
}

bool IsSeparator(char c) {
    return c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::vector<std::string> ReadPhrases(const std::filesystem::path& startDirectory) {
    const std::string head = ReadHead(startDirectory / kPhraseListName, kPhraseListBytes);
    const std::string_view text = WholeCharacters(head);
    std::vector<std::string> phrases;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        // Separators are single-byte characters below any lead or trail byte range.
        if (i < text.size() && !IsSeparator(text[i])) continue;
        if (i > start) phrases.push_back(platform::Cp932ToUtf8Lossy(text.substr(start, i - start)));
        start = i + 1;
    }
    return phrases;
}

bool IsSavablePhrase(std::string_view text) {
    return text.substr(0, 4) != "    ";
}

bool AppendPhrase(const std::filesystem::path& startDirectory, std::string_view cp932Text) {
    const std::filesystem::path path = startDirectory / kPhraseListName;
    std::error_code error;
    std::string bytes;
    if (std::filesystem::exists(path, error)) {
        const auto existing = platform::ReadWholeFile(path);
        if (!existing) return false;
        bytes = *existing;
    }
    bytes += "\n";
    bytes += cp932Text;
    return platform::WriteFileAtomically(path, bytes);
}

}  // namespace korvo::annotate
