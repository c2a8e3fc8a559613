#include "setup/file_list.h"

#include <gtest/gtest.h>

namespace korvo::setup {
namespace {

TEST(FileList, ReadsTheCountedEntriesAndStopsWhereTheListFallsShort) {
    struct Case {
        const char* what;
        const char* text;
        std::vector<FileListEntry> entries;
        bool complete;
    };
    const Case cases[] = {
        {"two entries",
         "2\nkorvo_ korvo\nkorvo.ips_ korvo.ips\n",
         {{"korvo_", "korvo"}, {"korvo.ips_", "korvo.ips"}},
         true},
        {"any blanks between the words",
         "  2\r\n\ta_  a\r\n b_\tb",
         {{"a_", "a"}, {"b_", "b"}},
         true},
        {"words after the counted entries are ignored", "1 a_ a b_ b", {{"a_", "a"}}, true},
        {"a count larger than the entries", "3\na_ a\nb_ b\n", {{"a_", "a"}, {"b_", "b"}}, false},
        {"an entry with one word", "2\na_ a\nb_\n", {{"a_", "a"}}, false},
        {"no count", "", {}, false},
        {"a count that is no number", "two\na_ a\n", {}, false},
        {"a count of zero", "0\n", {}, false},
        {"a negative count", "-1\na_ a\n", {}, false},
        {"a name reaching into another folder", "2\na_ a\n../x_ x\n", {{"a_", "a"}}, false},
        {"an absolute final name", "1\na_ /etc/passwd\n", {}, false},
        {"a final name of ..", "1\na_ ..\n", {}, false},
        {"a name longer than a file name can be", "1\na_ ", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = c.text;
        if (std::string(c.what).find("longer") != std::string::npos) text += std::string(256, 'n');
        const FileList list = ParseFileList(text);
        EXPECT_EQ(list.entries, c.entries);
        EXPECT_EQ(list.complete, c.complete);
    }
}

TEST(FileList, PlainFileNamesStayInTheFolder) {
    for (const char* name : {"korvo", "Manual_m.htm", "a..b", ".hidden", "株価.stk", "a\\b"})
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    for (const char* name : {"", ".", "..", "a/b", "/abs", "../up"})
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    EXPECT_TRUE(IsPlainFileName(std::string(255, 'n')));
    EXPECT_FALSE(IsPlainFileName(std::string(256, 'n')));
}

}  // namespace
}  // namespace korvo::setup
