#include "platform/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/szdd_writer.h"
#include "support/temp_dir.h"

namespace korvo::platform {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::SzddCompress;
using test::TempDir;

std::string SampleText() {
    std::string s;
    for (int i = 0; i < 60; ++i)
        s += " 2004  1 " + std::to_string(5 + i % 20) + " 1520 1530 1490 1500 123400\r\n";
    return s;
}

TEST(CopyFileExpanding, ExpandsCompressedFiles) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string data;
        bool backReferences;
    };
    const Case cases[] = {
        {"literals only", "hello, 株価 data\n", false},
        {"back references", SampleText(), true},
        {"run over its own output", std::string(300, 'x') + "end", true},
        {"blanks from the preset window", std::string(40, ' ') + "x", true},
        {"empty", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string packed = SzddCompress(c.data, c.backReferences);
        if (c.backReferences && c.data.size() > 100) {
            EXPECT_LT(packed.size(), c.data.size());
        }
        const fs::path source = dir.Write("packed.bin", packed);
        const fs::path target = dir / "out.txt";
        EXPECT_EQ(CopyFileExpanding(source, target), kCopyOk);
        EXPECT_EQ(ReadFile(target), c.data);
    }
}

TEST(CopyFileExpanding, CopiesOtherFilesByteForByte) {
    TempDir dir;
    std::string bytes = "SZDD but not the whole signature\0\x81\x40\xff";
    bytes += std::string("\0\r\n", 3);
    const fs::path source = dir.Write("plain.stk", bytes);
    EXPECT_EQ(CopyFileExpanding(source, dir / "copy.stk"), kCopyOk);
    EXPECT_EQ(ReadFile(dir / "copy.stk"), bytes);
    // An existing target is replaced.
    dir.Write("old.stk", "old contents that are longer than the new ones");
    const fs::path small = dir.Write("small.stk", "new");
    EXPECT_EQ(CopyFileExpanding(small, dir / "old.stk"), kCopyOk);
    EXPECT_EQ(ReadFile(dir / "old.stk"), "new");
    // An empty plain file.
    EXPECT_EQ(CopyFileExpanding(dir.Write("empty", ""), dir / "empty.out"), kCopyOk);
    EXPECT_EQ(ReadFile(dir / "empty.out"), "");
}

TEST(CopyFileExpanding, DamagedCompressedInputGivesMinus3AndNoTarget) {
    TempDir dir;
    const std::string packed = SzddCompress(SampleText(), true);
    const std::string tooLong = [&] {
        std::string p = packed;
        p[10] = '\x7F';  // claims far more data than the stream holds
        return p;
    }();
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"cut in the middle", packed.substr(0, packed.size() / 2)},
        {"last byte missing", packed.substr(0, packed.size() - 1)},
        {"header only", packed.substr(0, 14)},
        {"header cut short", packed.substr(0, 11)},
        {"length beyond the data", tooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path source = dir.Write("bad.bin", c.bytes);
        const fs::path target = dir / "target.txt";
        EXPECT_EQ(CopyFileExpanding(source, target), kCopyFailed);
        EXPECT_FALSE(fs::exists(target));
    }
    // A failed expansion leaves an existing target as it was.
    const fs::path keep = dir.Write("keep.txt", "the user's file");
    EXPECT_EQ(CopyFileExpanding(dir.Write("bad.bin", packed.substr(0, 30)), keep), kCopyFailed);
    EXPECT_EQ(ReadFile(keep), "the user's file");
    // No temporary files are left behind.
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
            << entry.path();
    }
}

TEST(CopyFileExpanding, ReportsMissingSourceAndUnwritableTarget) {
    TempDir dir;
    EXPECT_EQ(CopyFileExpanding(dir / "missing.stk", dir / "t"), kCopySourceMissing);
    EXPECT_EQ(CopyFileExpanding(dir.Path(), dir / "t"), kCopySourceMissing);
    const fs::path source = dir.Write("a.stk", "210");
    EXPECT_EQ(CopyFileExpanding(source, dir / "no-such-folder" / "t"), kCopyTargetFailed);
    fs::create_directory(dir / "sub");
    EXPECT_EQ(CopyFileExpanding(source, dir / "sub"), kCopyTargetFailed);
    if (::geteuid() != 0) {  // root writes anywhere
        fs::create_directory(dir / "locked");
        fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(CopyFileExpanding(source, dir / "locked" / "t"), kCopyTargetFailed);
    }
}

TEST(WriteFileAtomically, ReplacesOnlyWhenComplete) {
    TempDir dir;
    const fs::path target = dir.Write("korvo.ips", "old");
    EXPECT_TRUE(WriteFileAtomically(target, "new contents"));
    EXPECT_EQ(ReadFile(target), "new contents");
    EXPECT_FALSE(WriteFileAtomically(dir / "missing-folder" / "x", "data"));
    EXPECT_TRUE(RemoveFileQuietly(target));
    EXPECT_TRUE(RemoveFileQuietly(target));  // already gone: no error
    EXPECT_FALSE(ReadWholeFile(target).has_value());
}

}  // namespace
}  // namespace korvo::platform
