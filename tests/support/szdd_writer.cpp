#include "support/szdd_writer.h"

#include <array>
#include <cstdint>
#include <vector>

namespace korvo::test {

std::string SzddCompress(std::string_view data, bool useBackReferences) {
    std::string out = "SZDD\x88\xF0\x27\x33";
    out += 'A';
    out += '\0';
    const std::uint32_t n = static_cast<std::uint32_t>(data.size());
    for (int i = 0; i < 4; ++i) out += static_cast<char>((n >> (8 * i)) & 0xFF);

    std::array<unsigned char, 4096> window;
    window.fill(' ');
    int pos = 4096 - 16;
    std::size_t i = 0;
    while (i < data.size()) {
        unsigned char control = 0;
        std::string items;
        for (int bit = 0; bit < 8 && i < data.size(); ++bit) {
            // Longest match in the window for the bytes at i (3..18 bytes).
            int bestLen = 0, bestPos = 0;
            if (useBackReferences) {
                for (int start = 0; start < 4096; ++start) {
                    int len = 0;
                    // Bytes this match has already written are read back as it goes,
                    // exactly as the expander does with an overlapping copy.
                    std::array<unsigned char, 18> produced{};
                    while (len < 18 && i + len < data.size()) {
                        const int src = (start + len) & 4095;
                        const int offset = (src - pos) & 4095;
                        const unsigned char b = offset < len ? produced[offset] : window[src];
                        if (b != static_cast<unsigned char>(data[i + len])) break;
                        produced[len] = b;
                        ++len;
                    }
                    if (len > bestLen) {
                        bestLen = len;
                        bestPos = start;
                    }
                }
            }
            if (bestLen >= 3) {
                items += static_cast<char>(bestPos & 0xFF);
                items += static_cast<char>(((bestPos >> 4) & 0xF0) | (bestLen - 3));
                for (int k = 0; k < bestLen; ++k) {
                    window[pos] = static_cast<unsigned char>(data[i + k]);
                    pos = (pos + 1) & 4095;
                }
                i += bestLen;
            } else {
                control |= static_cast<unsigned char>(1u << bit);
                items += data[i];
                window[pos] = static_cast<unsigned char>(data[i]);
                pos = (pos + 1) & 4095;
                ++i;
            }
        }
        out += static_cast<char>(control);
        out += items;
    }
    return out;
}

}  // namespace korvo::test
