// The annotation file's name comes from the data file's header: only a plain
// file name in the start directory is taken.
#include <gtest/gtest.h>

#include "annotate/annotation_file.h"
#include "support/temp_dir.h"

namespace korvo::annotate {
namespace {

TEST(CheckAnnotationFileName, TakesOnlyAPlainFileNameInTheStartDirectory) {
    korvo::test::TempDir dir;
    std::filesystem::create_directory(dir / "charts");
    struct Case {
        std::string name;  // CP932 bytes
        bool accepted;
    };
    const Case cases[] = {
        {"SAMPLE1.chr", true},
        {"w SAMPLE1.chr", true},
        // ソ: its second byte is a backslash, which is no folder separator.
        {"\x83\x5C\x83\x6A\x81\x5B"
         "1.chr",
         true},
        {"../../.bashrc", false},
        {"..", false},
        {".", false},
        {"", false},
        {"/etc/passwd", false},
        {"charts/x.chr", false},
        {"charts\\x.chr", false},
        {"c:\\korvo\\x.chr", false},
        {"charts", false},  // a folder of the start directory
        {"a\tb.chr", false},
        {std::string("a\0b.chr", 7), false},
        {"\x83", false},  // not CP932: a lead byte alone
        // The program's own files and data files are never written to.
        {"korvo.ips", false},
        {"KORVO.IPS", false},
        {"korvo.TMP", false},
        {"finsert.chr", false},
        {"bs.sto", false},
        {"7203.stk", false},
        {"UPDATE.usr", false},
    };
    for (const Case& c : cases) {
        const AnnotationFileName name = CheckAnnotationFileName(dir.Path(), c.name);
        EXPECT_EQ(name.Accepted(), c.accepted) << name.shownName;
        if (c.accepted) {
            EXPECT_EQ(name.path.parent_path(), dir.Path()) << name.shownName;
        } else {
            EXPECT_TRUE(name.path.empty()) << name.shownName;
            EXPECT_NE(name.refusal.find("[" + name.shownName + "]"), std::string::npos);
        }
    }
    EXPECT_EQ(CheckAnnotationFileName(dir.Path(),
                                      "\x83\x5C\x83\x6A\x81\x5B"
                                      "1.chr")
                  .path,
              dir / "ソニー1.chr");
}

}  // namespace
}  // namespace korvo::annotate
