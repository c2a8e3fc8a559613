#include "setup/szdd_compress.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace korvo::setup {

namespace {

constexpr int kWindow = 4096;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 18;
constexpr int kMaxChain = 256;  // candidates tried per position: good matches, bounded time
constexpr int kHashSize = 1 << 15;

struct Match {
    int length = 0;
    int source = 0;  // index in the stream of blanks + data
};

// The data behind the window's 4096 initial blanks, so a match may reach back
// into them exactly as the expander's window does.
class Stream {
  public:
    explicit Stream(std::string_view data) : bytes_(kWindow, ' ') { bytes_.append(data); }
    int Size() const { return static_cast<int>(bytes_.size()); }
    unsigned char At(int i) const {
        return static_cast<unsigned char>(bytes_[static_cast<std::size_t>(i)]);
    }
    int Hash(int i) const {
        return ((At(i) << 10) ^ (At(i + 1) << 5) ^ At(i + 2)) & (kHashSize - 1);
    }

  private:
    std::string bytes_;
};

class MatchFinder {
  public:
    explicit MatchFinder(const Stream& stream)
        : stream_(stream),
          head_(kHashSize, -1),
          previous_(static_cast<std::size_t>(stream.Size()), -1) {}

    void Insert(int i) {
        if (i + kMinMatch > stream_.Size()) return;
        const int h = stream_.Hash(i);
        previous_[static_cast<std::size_t>(i)] = head_[static_cast<std::size_t>(h)];
        head_[static_cast<std::size_t>(h)] = i;
    }

    Match Longest(int at) const {
        Match best;
        if (at + kMinMatch > stream_.Size()) return best;
        const int limit = std::min(kMaxMatch, stream_.Size() - at);
        int candidate = head_[static_cast<std::size_t>(stream_.Hash(at))];
        for (int steps = 0; candidate >= 0 && at - candidate < kWindow && steps < kMaxChain;
             ++steps) {
            int length = 0;
            while (length < limit && stream_.At(candidate + length) == stream_.At(at + length))
                ++length;
            if (length > best.length) best = Match{length, candidate};
            if (length == limit) break;
            candidate = previous_[static_cast<std::size_t>(candidate)];
        }
        return best;
    }

  private:
    const Stream& stream_;
    std::vector<int> head_;
    std::vector<int> previous_;
};

void AppendHeader(std::string& out, std::size_t length, char missingChar) {
    out = "SZDD\x88\xF0\x27\x33";
    out += 'A';
    out += missingChar;
    const auto n = static_cast<std::uint32_t>(length);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((n >> (8 * i)) & 0xFF);
}

}  // namespace

std::string SzddCompress(std::string_view data, char missingChar) {
    std::string out;
    AppendHeader(out, data.size(), missingChar);
    const Stream stream(data);
    MatchFinder finder(stream);
    for (int i = 0; i < kWindow; ++i)
        finder.Insert(i);

    int at = kWindow;
    while (at < stream.Size()) {
        unsigned char control = 0;
        std::string items;
        for (int bit = 0; bit < 8 && at < stream.Size(); ++bit) {
            const Match match = finder.Longest(at);
            const int length = match.length >= kMinMatch ? match.length : 1;
            if (length >= kMinMatch) {
                // Window position of the source: data starts at 4080, the blanks before it.
                const int position = (match.source - 16) & (kWindow - 1);
                items += static_cast<char>(position & 0xFF);
                items += static_cast<char>(((position >> 4) & 0xF0) | (length - kMinMatch));
            } else {
                control |= static_cast<unsigned char>(1u << bit);
                items += static_cast<char>(stream.At(at));
            }
            for (int k = 0; k < length; ++k)
                finder.Insert(at + k);
            at += length;
        }
        out += static_cast<char>(control);
        out += items;
    }
    return out;
}

}  // namespace korvo::setup
