#include "cli/cli.h"

#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/szdd_writer.h"
#include "support/temp_dir.h"

namespace korvo::cli {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;

TEST(Cli, RefusesWhatItDoesNotKnow) {
    EXPECT_EQ(Cli({}).code, 2);
    const CliRun unknown = Cli({"frobnicate"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("unknown command"), std::string::npos);
    const CliRun badOption = Cli({"expand", "a", "b", "--colour", "red"});
    EXPECT_EQ(badOption.code, 2);
    EXPECT_NE(badOption.err.find("--colour"), std::string::npos);
    EXPECT_EQ(Cli({"expand", "a", "b", "--dir"}).code, 2);  // a value is missing
    EXPECT_EQ(Cli({"expand", "a", "b", "--today", "2026-02-30"}).code, 2);
    EXPECT_EQ(Cli({"expand", "a", "b", "--answer", "maybe"}).code, 2);
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("expand SOURCE TARGET"), std::string::npos);
}

TEST(Cli, ParsesDatesStrictly) {
    EXPECT_EQ(ParseIsoDate("2004-02-29"), (platform::CivilDate{2004, 2, 29}));
    EXPECT_FALSE(ParseIsoDate("2003-02-29"));
    EXPECT_FALSE(ParseIsoDate("2004-13-01"));
    EXPECT_FALSE(ParseIsoDate("2004-1-1x"));
    EXPECT_FALSE(ParseIsoDate("today"));
}

TEST(Cli, ExpandRunsTheProgramsFileCopy) {
    test::TempDir dir;
    const auto source = dir.Write("in.st_", test::SzddCompress("210\nTitle\n", true));
    const CliRun ok = Cli({"expand", source.string(), (dir / "out.stk").string()});
    EXPECT_EQ(ok.code, 0);
    EXPECT_EQ(ok.out, "result: 1\n");
    EXPECT_EQ(test::ReadFile(dir / "out.stk"), "210\nTitle\n");
    const CliRun missing = Cli({"expand", (dir / "none").string(), (dir / "x").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "result: -1\n");
}

}  // namespace
}  // namespace korvo::cli
