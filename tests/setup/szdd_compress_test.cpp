#include "setup/szdd_compress.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace korvo::setup {
namespace {

namespace fs = std::filesystem;

std::string RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(n, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random() & 0xFF);
    return bytes;
}

// Text that repeats at distances near and beyond the window's 4096 bytes.
std::string RepeatsAcrossTheWindow() {
    const std::string block = RandomBytes(4090, 7);
    return block + block + RandomBytes(10, 8) + block.substr(0, 300) + block;
}

TEST(SzddCompress, EveryPackedFileExpandsToItsOriginalThroughTheProgramsCopy) {
    korvo::test::TempDir dir;
    struct Case {
        const char* what;
        std::string data;
        bool shrinks;
    };
    std::string prices;
    for (int i = 0; i < 2000; ++i)
        prices += " 2004  1 " + std::to_string(5 + i % 20) + " 1520 1530 1490 1500 123400\r\n";
    const Case cases[] = {
        {"empty", "", false},
        {"one byte", "x", false},
        {"blanks only, matched against the preset window", std::string(5000, ' '), true},
        {"a run over its own output", "ab" + std::string(10000, 'a'), true},
        {"price records", prices, true},
        {"random bytes", RandomBytes(20000, 1), false},
        {"repeats near and beyond the window", RepeatsAcrossTheWindow(), false},
        {"zeros and a program header",
         std::string("\x7f"
                     "ELF",
                     4) +
             std::string(70000, '\0'),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string packed = SzddCompress(c.data);
        EXPECT_EQ(packed.substr(0, 8), std::string("SZDD\x88\xF0\x27\x33", 8));
        if (c.shrinks) {
            EXPECT_LT(packed.size(), c.data.size() / 2);
        }
        const fs::path archive = dir.Write("archive_", packed);
        ASSERT_EQ(platform::CopyFileExpanding(archive, dir / "expanded"), platform::kCopyOk);
        EXPECT_EQ(korvo::test::ReadFile(dir / "expanded"), c.data);
    }
}

TEST(SzddCompress, TheHeaderRecordsTheLengthAndTheMissingCharacter) {
    const std::string packed = SzddCompress(std::string(70000, 'k'), 'e');
    EXPECT_EQ(packed[8], 'A');
    EXPECT_EQ(packed[9], 'e');
    EXPECT_EQ(packed.substr(10, 4), std::string("\x70\x11\x01\x00", 4));  // 70000 little-endian
}

}  // namespace
}  // namespace korvo::setup
