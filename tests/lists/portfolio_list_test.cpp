// The portfolio list files: what is written, what is read back, and what a
// damaged or foreign file gives.
#include "lists/portfolio_list.h"

#include <gtest/gtest.h>

#include "platform/codec.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace korvo::lists {
namespace {

using test::ReadFile;
using test::TempDir;

std::string Cp932(const char* utf8) {
    return *platform::Utf8ToCp932(utf8);
}

// "/" followed by n copies of ch.
std::string Path(std::size_t n, char ch) {
    std::string path = "/";
    path.append(n, ch);
    return path;
}

TEST(PortfolioList, WritesCountAndPairsWithBlanksAndPercentEscaped) {
    const std::vector<PortfolioEntry> entries = {
        {"7203", "/data/toyota.stk"},
        {"SONY", "/home/u/My Data/ソニー 6758.stk"},
        {"X%", "C:\\50%\\a.stk"},
    };
    const std::string want = "3\n7203   /data/toyota.stk \nSONY   /home/u/My%20Data/" +
                             Cp932("ソニー") + "%206758.stk \nX%25   C:\\50%25\\a.stk \n";
    EXPECT_EQ(FormatPortfolioList(entries), want);
    EXPECT_EQ(FormatPortfolioList({}), "0\n");

    TempDir dir;
    ASSERT_TRUE(WritePortfolioList(dir / "UPDATE.usr", entries));
    EXPECT_EQ(ReadFile(dir / "UPDATE.usr"), want);
    const PortfolioRead back = ReadPortfolioList(dir / "UPDATE.usr");
    EXPECT_TRUE(back.opened);
    EXPECT_FALSE(back.damaged);
    EXPECT_EQ(back.entries, entries);
}

TEST(PortfolioList, ItemsWithoutAShiftJisFormAreNotWritten) {
    TempDir dir;
    dir.Write("UPDATE.usr", "0\n");
    EXPECT_FALSE(FormatPortfolioList({{"A", "/data/\xF0\x9F\x98\x80.stk"}}));
    EXPECT_FALSE(WritePortfolioList(dir / "UPDATE.usr", {{"A", "/data/\xF0\x9F\x98\x80.stk"}}));
    EXPECT_EQ(ReadFile(dir / "UPDATE.usr"), "0\n");
}

TEST(PortfolioList, ReadingTakesWhatIsSoundAndSaysWhenTheFileIsDamaged) {
    struct Case {
        const char* name;
        std::string bytes;
        bool damaged;
        std::vector<PortfolioEntry> entries;
    };
    const std::string code63(63, 'C');
    const std::string path259 = Path(258, 'p');
    const Case cases[] = {
        {"empty file", "", false, {}},
        {"no entries", "0\n", false, {}},
        {"two entries", "2\nA /a.stk\nB /b.stk\n", false, {{"A", "/a.stk"}, {"B", "/b.stk"}}},
        {"windows line ends", "1\r\nA   C:\\x.stk \r\n", false, {{"A", "C:\\x.stk"}}},
        {"a percent that is no escape", "1\nA C:\\100%\\x.stk", false, {{"A", "C:\\100%\\x.stk"}}},
        {"japanese path", "1\nT /" + Cp932("株価") + "/t.stk\n", false, {{"T", "/株価/t.stk"}}},
        {"longest items", "1\n" + code63 + " " + path259, false, {{code63, path259}}},
        {"cut short", "3\nA /a.stk\nB /b.stk\nC", true, {{"A", "/a.stk"}, {"B", "/b.stk"}}},
        {"count above 20", "21\nA /a.stk\n", true, {}},
        {"negative count", "-1\n", true, {}},
        {"count not a number", "x\nA /a.stk\n", true, {}},
        {"code too long", "2\nA /a.stk\n" + code63 + "C /b.stk\n", true, {{"A", "/a.stk"}}},
        {"path too long", "1\nA " + path259 + "p\n", true, {}},
        {"huge token", "1\nA " + Path(1 << 20, 'x') + "\n", true, {}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write("UPDATE2.usr", c.bytes);
        const PortfolioRead read = ReadPortfolioList(dir / "UPDATE2.usr");
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(read.damaged, c.damaged);
        EXPECT_EQ(read.entries, c.entries);
    }
    EXPECT_FALSE(ReadPortfolioList(dir / "UPDATE3.usr").opened);
}

TEST(PortfolioList, ReadListEntryGivesOneEntryOrSaysWhyNot) {
    TempDir dir;
    dir.Write("UPDATE.usr", "3\nA /a.stk\nB /b%20b.stk\nC /c.stk\n");
    struct Case {
        const char* list;
        int n;
        int result;
        const char* path;
    };
    const Case cases[] = {
        {"UPDATE.usr", 0, 1, "/a.stk"},     {"UPDATE.usr", 1, 1, "/b b.stk"},
        {"UPDATE.usr", 2, 1, "/c.stk"},     {"UPDATE.usr", 3, -3, "before"},
        {"UPDATE.usr", 100, -3, "before"},  {"UPDATE.usr", 101, -2, "before"},
        {"UPDATE.usr", -1, -2, "before"},   {"UPDATE9.usr", 0, -1, "before"},
        {"UPDATE9.usr", 101, -2, "before"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.n));
        std::string path = "before";
        EXPECT_EQ(ReadListEntry(dir / c.list, c.n, path), c.result);
        EXPECT_EQ(path, c.path);
    }
}

TEST(PortfolioList, CodesOfTheThreeListsInOrderForTheQuoteImport) {
    TempDir dir;
    EXPECT_TRUE(PortfolioCodes(dir.Path()).empty());
    dir.Write("UPDATE.usr", "2\n7203 /a.stk\n6758 /b.stk\n");
    dir.Write("UPDATE3.usr", "1\nIBM /c.stk\n");
    EXPECT_EQ(PortfolioCodes(dir.Path()), (std::vector<std::string>{"7203", "6758", "IBM"}));
    EXPECT_STREQ(PortfolioListName(1), "UPDATE2.usr");
}

TEST(PortfolioList, AFullDiskLeavesTheOldListWhole) {
    TempDir dir;
    const std::string old = "1\nOLD /old.stk \n";
    dir.Write("UPDATE.usr", old);
    std::vector<PortfolioEntry> entries;
    for (int i = 0; i < kMaxPortfolioEntries; ++i)
        entries.push_back({"C" + std::to_string(i), Path(250, 'p')});
    {
        test::FileSizeLimit limit(1024);
        EXPECT_FALSE(WritePortfolioList(dir / "UPDATE.usr", entries));
    }
    EXPECT_EQ(ReadFile(dir / "UPDATE.usr"), old);
}

TEST(PortfolioList, CodesAreUpperCasedLetterByLetterOnly) {
    EXPECT_EQ(UpperCaseCode("ibm"), "IBM");
    EXPECT_EQ(UpperCaseCode("7203.t"), "7203.T");
    EXPECT_EQ(UpperCaseCode("ｿﾆｰb"), "ｿﾆｰB");
    EXPECT_EQ(UpperCaseCode("ａｂ"), "ａｂ");
    EXPECT_EQ(CharCount("ソニーA"), 4u);
}

}  // namespace
}  // namespace korvo::lists
