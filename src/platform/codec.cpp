#include "platform/codec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace korvo::platform {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; stops at the first sequence that does not convert and
    // reports how many bytes were consumed.
    bool Convert(std::string_view in, std::string& out, std::size_t& consumed) {
        out.clear();
        consumed = 0;
        if (!Valid()) return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        std::vector<char> buffer(in.size() * 4 + 16);
        while (true) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer.data(), buffer.size() - outLeft);
            consumed = in.size() - inLeft;
            if (r != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            return false;  // EILSEQ or EINVAL: invalid or incomplete input
        }
        // Flush any shift state.
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        return true;
    }

private:
    iconv_t cd_;
};

std::optional<std::string> ConvertAll(std::string_view in, const char* to, const char* from) {
    Converter converter(to, from);
    std::string out;
    std::size_t consumed = 0;
    if (!converter.Convert(in, out, consumed)) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    return ConvertAll(cp932, "UTF-8", "CP932");
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return ConvertAll(utf8, "CP932", "UTF-8");
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    Converter converter("UTF-8", "CP932");
    std::string result;
    std::string part;
    while (!cp932.empty()) {
        std::size_t consumed = 0;
        const bool ok = converter.Convert(cp932, part, consumed);
        result += part;
        if (ok) break;
        // Skip the offending character (both bytes of a pair when it starts one).
        std::size_t skip = CharLengthAt(cp932, consumed);
        result += "\xEF\xBF\xBD";
        cp932.remove_prefix(consumed + skip);
    }
    return result;
}

std::size_t CharLengthAt(std::string_view cp932, std::size_t pos) {
    if (pos >= cp932.size()) return 0;
    if (IsLeadByte(static_cast<unsigned char>(cp932[pos])) && pos + 1 < cp932.size()) return 2;
    return 1;
}

std::size_t FindSingleByte(std::string_view cp932, char ascii, std::size_t from) {
    std::size_t pos = from;
    while (pos < cp932.size()) {
        if (cp932[pos] == ascii) return pos;
        pos += CharLengthAt(cp932, pos);
    }
    return std::string_view::npos;
}

}  // namespace korvo::platform
