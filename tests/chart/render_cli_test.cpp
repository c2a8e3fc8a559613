// korvo-cli render end to end: the sample file painted into real images.
#include <gtest/gtest.h>

#include <QImage>
#include <sstream>

#include "support/cli_run.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::chart {
namespace {

using korvo::test::Cli;
using korvo::test::CliRun;
using korvo::test::ShippedSample;
using korvo::test::ShippedSettings;

std::vector<std::string> SampleArgs(const test::TempDir& dir) {
    return {"render",     ShippedSample().string(),
            "--settings", ShippedSettings().string(),
            "--size",     "1,1",
            "--today",    "2026-01-10",
            "--dir",      dir.Path().string()};
}

int Count(const QImage& image, QRgb colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

TEST(RenderCli, SampleBecomesACandlestickChartWithVolumeAxisAndStatusStrip) {
    test::TempDir dir;
    auto args = SampleArgs(dir);
    const std::string png = (dir / "chart.png").string();
    args.insert(args.end(), {"-o", png, "--window", "1280x900"});
    const CliRun run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("result: 1\n"), std::string::npos);
    EXPECT_NE(run.out.find("barCount: 515\n"), std::string::npos);
    EXPECT_NE(run.out.find("slotCount: 913\n"), std::string::npos);
    EXPECT_NE(run.out.find("xPercent: 100\n"), std::string::npos);

    QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(1280, 900));
    const QRect pricePanel(0, 60, 1280, 370);
    const QRect volumePanel(0, 662, 1280, 150);
    // Navy price panel with green rising and red falling candles.
    EXPECT_GT(Count(image, qRgb(0, 0, 128), pricePanel), 300000);
    EXPECT_GT(Count(image, qRgb(0, 255, 0), pricePanel), 500);
    EXPECT_GT(Count(image, qRgb(255, 0, 0), pricePanel), 300);
    // Purple graph area with green volume bars.
    EXPECT_GT(Count(image, qRgb(0x5B, 0, 0x5B), volumePanel), 100000);
    EXPECT_GT(Count(image, qRgb(0, 255, 0), volumePanel), 1000);
    // The grey status strip along the bottom, below the dark grey background.
    EXPECT_GT(Count(image, qRgb(128, 128, 128), QRect(0, 876, 1280, 24)), 5000);
    EXPECT_GT(Count(image, qRgb(0x40, 0x40, 0x40), QRect(0, 820, 1280, 50)), 50000);
}

TEST(RenderCli, TraceIsStableAndWhatThePaintDrew) {
    test::TempDir dir;
    auto args = SampleArgs(dir);
    args.push_back("--trace");
    const CliRun a = Cli(args);
    const CliRun b = Cli(args);
    ASSERT_EQ(a.code, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    std::istringstream lines(a.out);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first, "fill 0,0 1280,800 brush=#404040 clip=0,0,1920,1080");
    EXPECT_NE(a.out.find("\"サンプル電機 (架空) [9999](日足)\""), std::string::npos);
    EXPECT_NE(a.out.find("\"KorvoChart\""), std::string::npos);

    // The trace of an image render is the same paint.
    auto withImage = args;
    withImage.insert(withImage.end(), {"-o", (dir / "t.png").string()});
    const CliRun c = Cli(withImage);
    ASSERT_EQ(c.code, 0) << c.err;
    EXPECT_NE(c.out.find("fill 0,0 1280,800 brush=#404040"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "t.png"));
}

TEST(RenderCli, WritesPdf) {
    test::TempDir dir;
    auto args = SampleArgs(dir);
    args.insert(args.end(), {"-o", (dir / "chart.pdf").string(), "--style", "bar"});
    const CliRun run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(test::ReadFile(dir / "chart.pdf").substr(0, 5), "%PDF-");
}

TEST(RenderCli, RefusesBadOptionsAndSaysWhyNothingIsDrawn) {
    test::TempDir dir;
    const std::vector<std::vector<std::string>> bad = {{"--window", "0x10"},
                                                       {"--size", "1"},
                                                       {"--style", "kagi"},
                                                       {"--scroll", "left"},
                                                       {"--on", "tradeVolumes"},
                                                       {"--plot-start", "2024"},
                                                       {"-o", (dir / "x.bmp").string()}};
    for (const auto& extra : bad) {
        std::vector<std::string> args = {"render", ShippedSample().string(), "--dir",
                                         dir.Path().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        if (extra[0] != "-o") args.push_back("--trace");
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, 2) << extra[0];
        EXPECT_NE(run.err.find("korvo-cli:"), std::string::npos) << extra[0];
    }

    // Too few records: the load refuses, the chart asks for a data file and the
    // user's file is left as it was.
    const std::string bytes = "210\nT\nS\n..\nC\n2004 1 1\n2004 1 5 10 12 9 11 100\n";
    const auto file = dir.Write("short.stk", bytes);
    const CliRun run = Cli({"render", file.string(), "--trace", "--dir", dir.Path().string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("[ﾒｯｾｰｼﾞ] ﾃﾞｰﾀﾌｧｲﾙを選んでください"), std::string::npos) << run.err;
    EXPECT_EQ(test::ReadFile(file), bytes);
}

}  // namespace
}  // namespace korvo::chart
