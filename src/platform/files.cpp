#include "platform/files.h"

#include <mspack.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>

namespace korvo::platform {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSzddHeaderSize = 14;

// The number of compressed bytes the stream needs to produce `length` bytes,
// found by walking its control bytes and items. The expander pads a stream
// that ends early and reports success, so a cut-off file is caught here.
std::uintmax_t SzddBytesNeeded(std::ifstream& in, std::uint32_t length) {
    in.clear();
    in.seekg(static_cast<std::streamoff>(kSzddHeaderSize));
    std::uintmax_t needed = kSzddHeaderSize;
    std::uint64_t produced = 0;
    int control = 0;
    int bits = 0;
    char item[2];
    while (produced < length) {
        if (bits == 0) {
            if (!in.read(item, 1)) return needed + 1;
            control = static_cast<unsigned char>(item[0]);
            bits = 8;
            needed += 1;
        }
        if (control & 1) {
            needed += 1;
            produced += 1;
            if (!in.read(item, 1)) return needed;
        } else {
            needed += 2;
            if (!in.read(item, 2)) return needed;
            produced += (static_cast<unsigned char>(item[1]) & 0x0F) + 3;
        }
        control >>= 1;
        --bits;
    }
    return needed;
}

bool StartsWithSzddSignature(const fs::path& source) {
    static constexpr unsigned char kMagic[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
    std::ifstream in(source, std::ios::binary);
    unsigned char head[8] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    return in.gcount() == 8 && std::memcmp(head, kMagic, 8) == 0;
}

std::uint32_t SzddLength(std::ifstream& in) {
    unsigned char size[4] = {};
    in.clear();
    in.seekg(10);
    in.read(reinterpret_cast<char*>(size), 4);
    return static_cast<std::uint32_t>(size[0]) | (static_cast<std::uint32_t>(size[1]) << 8) |
           (static_cast<std::uint32_t>(size[2]) << 16) | (static_cast<std::uint32_t>(size[3]) << 24);
}

// Expands an SZDD file into `temporary` with libmspack. Returns kCopyOk or kCopyFailed.
int ExpandSzdd(const fs::path& source, std::ifstream& in, const fs::path& temporary) {
    std::error_code ec;
    const std::uintmax_t fileSize = fs::file_size(source, ec);
    if (ec || fileSize < kSzddHeaderSize) return kCopyFailed;
    const std::uint32_t length = SzddLength(in);
    if (SzddBytesNeeded(in, length) > fileSize) return kCopyFailed;

    msszdd_decompressor* decompressor = mspack_create_szdd_decompressor(nullptr);
    if (!decompressor) return kCopyFailed;
    int result = kCopyFailed;
    if (msszddd_header* header = decompressor->open(decompressor, source.c_str())) {
        const int err = decompressor->extract(decompressor, header, temporary.c_str());
        const auto written = fs::file_size(temporary, ec);
        if (err == MSPACK_ERR_OK && !ec && written == static_cast<std::uintmax_t>(length))
            result = kCopyOk;
        decompressor->close(decompressor, header);
    }
    mspack_destroy_szdd_decompressor(decompressor);
    return result;
}

int CopyPlain(std::ifstream& in, const fs::path& temporary) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return kCopyTargetFailed;
    char buffer[1 << 16];
    while (in) {
        in.read(buffer, sizeof buffer);
        const std::streamsize n = in.gcount();
        if (n > 0 && !out.write(buffer, n)) return kCopyFailed;
    }
    if (in.bad()) return kCopyFailed;
    out.flush();
    return out ? kCopyOk : kCopyFailed;
}

bool CanCreate(const fs::path& temporary) {
    std::ofstream probe(temporary, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(probe);
}

}  // namespace

fs::path TemporarySibling(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    for (;;) {
        std::ostringstream name;
        name << '.' << path.filename().string() << ".tmp" << ::getpid() << '_' << counter++;
        fs::path candidate = dir / name.str();
        std::error_code ec;
        if (!fs::exists(candidate, ec)) return candidate;
    }
}

int CopyFileExpanding(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    if (fs::is_directory(source, ec)) return kCopySourceMissing;
    std::ifstream in(source, std::ios::binary);
    if (!in) return kCopySourceMissing;
    if (fs::is_directory(target, ec)) return kCopyTargetFailed;

    const fs::path temporary = TemporarySibling(target);
    if (!CanCreate(temporary)) return kCopyTargetFailed;

    int result = StartsWithSzddSignature(source) ? ExpandSzdd(source, in, temporary)
                                                 : CopyPlain(in, temporary);
    if (result == kCopyOk) {
        fs::rename(temporary, target, ec);
        if (ec) result = kCopyTargetFailed;
    }
    if (result != kCopyOk) fs::remove(temporary, ec);
    return result;
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return contents.str();
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path temporary = TemporarySibling(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temporary, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

bool RemoveFileQuietly(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    return !fs::exists(path, ec);
}

}  // namespace korvo::platform
