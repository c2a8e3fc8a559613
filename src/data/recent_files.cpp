#include "data/recent_files.h"

#include <algorithm>

#include "data/stk_reader.h"
#include "platform/files.h"

namespace korvo::data {

namespace {

std::string Encode(const std::string& path) {
    std::string out;
    for (const char c : path) {
        if (c == '%') {
            out += "%25";
        } else if (c == ' ') {
            out += "%20";
        } else {
            out += c;
        }
    }
    return out;
}

std::string Decode(std::string_view entry) {
    std::string out;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (entry[i] == '%' && entry.substr(i + 1, 2) == "20") {
            out += ' ';
            i += 2;
        } else if (entry[i] == '%' && entry.substr(i + 1, 2) == "25") {
            out += '%';
            i += 2;
        } else {
            out += entry[i];
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> ReadRecentDataFiles(const std::filesystem::path& listFile) {
    std::vector<std::string> entries;
    const auto bytes = ReadFileBytes(listFile);
    if (!bytes) return entries;
    StkReader in(*bytes);
    while (static_cast<int>(entries.size()) < kMaxRecentEntries) {
        const auto token = in.NextToken();
        if (!token) break;
        entries.push_back(Decode(*token));
    }
    return entries;
}

int AddRecentDataFile(const std::string& path, const std::filesystem::path& listFile) {
    const std::vector<std::string> entries = ReadRecentDataFiles(listFile);
    if (std::find(entries.begin(), entries.end(), path) != entries.end()) return 0;
    std::string out = Encode(path) + " ";
    for (const std::string& entry : entries) {
        const std::string encoded = Encode(entry);
        if (encoded.size() > 1) out += "\n" + encoded + " ";
    }
    return platform::WriteFileAtomically(listFile, out) ? 1 : -1;
}

}  // namespace korvo::data
