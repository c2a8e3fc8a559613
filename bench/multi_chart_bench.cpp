// The multi-chart: every paint loads its pages' files again, so a paint of
// three ten-year daily files costs three loads beside the drawing. Measured
// against the paint of the first file alone at the same size, and with the
// page load and the data list table on their own.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "chart/chart.h"
#include "data/data.h"
#include "lists/lists.h"
#include "platform/files.h"
#include "platform/scripted_prompts.h"
#include "qt/gui/qt_canvas.h"

namespace {

namespace fs = std::filesystem;
using namespace korvo;

constexpr platform::Size kWindow{1920, 1080};
constexpr int kRecords = 2600;  // ten years of weekdays

std::string TenYearFile(double level) {
    using namespace std::chrono;
    std::string text = "210\nBench_Co\nBENCH\nYen\n9999\n2016 1 4\n";
    sys_days date = year{2016} / 1 / 4;
    char line[96];
    for (int i = 0; i < kRecords; date += days{1}) {
        const weekday wd{date};
        if (wd == Saturday || wd == Sunday) continue;
        const year_month_day ymd{date};
        const double base = level + (i * 37 % 400) * level / 2000;
        std::snprintf(line, sizeof line, " %d %u %u %.1f %.1f %.1f %.1f %d\n", int(ymd.year()),
                      unsigned(ymd.month()), unsigned(ymd.day()), base, base * 1.01, base * 0.99,
                      base * 1.004, 500000 + i * 131 % 900000);
        text += line;
        ++i;
    }
    return text;
}

class Files {
  public:
    Files() {
        std::string pattern = (fs::temp_directory_path() / "korvo-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
        const double levels[] = {1500, 420, 8200};
        for (int k = 0; k < 3; ++k) {
            paths_[static_cast<std::size_t>(k)] =
                (dir_ / ("f" + std::to_string(k) + ".stk")).string();
            platform::WriteFileAtomically(paths_[static_cast<std::size_t>(k)],
                                          TenYearFile(levels[k]));
        }
    }
    ~Files() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const fs::path& Dir() const { return dir_; }
    const std::array<std::string, 3>& Paths() const { return paths_; }

  private:
    fs::path dir_;
    std::array<std::string, 3> paths_;
};

Files& TheFiles() {
    static Files files;
    return files;
}

// The state one paint reads, with the first file loaded as the paint after the
// multi-chart command loads it.
struct MultiChart {
    explicit MultiChart(bool multi) {
        view::CreatePensAndBrushes(objects, colours);
        view::CreateFonts(objects, 0.2f, 0.5f);
        selection.paths = TheFiles().Paths();
        selection.count = 3;
        options.multiChart = multi;
        if (LoadPage(1) != 1) std::abort();
    }
    int LoadPage(int k) {
        data::DataEffects effects;
        data::DataContext c{*series, dataState, env, effects};
        return lists::LoadListedFile(c, selection, k);
    }
    chart::RenderOutcome Paint(platform::Canvas& canvas) {
        canvas.FillRect(platform::Rect{0, 0, kWindow.width, kWindow.height},
                        platform::Brush{0x404040, false});
        chart::RenderContext c(canvas, *series, *geometry, viewState, options, objects, colours,
                               params, prompts, clock, layers);
        c.client = kWindow;
        c.screen = kWindow;
        c.horizontalFactor = 0.2f;
        c.verticalFactor = 0.5f;
        c.multi.fileCount = selection.count;
        c.multi.loadPage = [this](int k) { return LoadPage(k); };
        return chart::RenderChart(c);
    }

    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    std::unique_ptr<chart::ChartGeometry> geometry = std::make_unique<chart::ChartGeometry>();
    data::DataState dataState;
    view::ViewState viewState;
    chart::ChartOptions options;
    view::ColourTable colours;
    view::DrawingObjects objects;
    indicators::IndicatorParams params;
    lists::MultiChartSelection selection;
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{platform::CivilDate{2025, 12, 31}};
    platform::NullProgress progress;
    data::LoadEnvironment env{prompts, clock, TheFiles().Dir(), progress, {}};
    chart::ChartLayers layers;
};

void Paint(benchmark::State& state, bool multi) {
    MultiChart chart(multi);
    QImage image(kWindow.width, kWindow.height, QImage::Format_RGB32);
    qt::QtTextCache textCache;
    for (auto _ : state) {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kWindow, false, &textCache);
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
    }
}

// Three ten-year files one below the other, each page loaded anew.
void BM_PaintMultiChartOfThree(benchmark::State& state) {
    Paint(state, true);
}
BENCHMARK(BM_PaintMultiChartOfThree)->Unit(benchmark::kMillisecond);

// The first of them alone, at the same size.
void BM_PaintSingleChartOfOne(benchmark::State& state) {
    Paint(state, false);
}
BENCHMARK(BM_PaintSingleChartOfOne)->Unit(benchmark::kMillisecond);

// One page's load: copy into the working copy and the load pipeline.
void BM_LoadListedFile(benchmark::State& state) {
    MultiChart chart(true);
    for (auto _ : state)
        if (chart.LoadPage(2) != 1) state.SkipWithError("not loaded");
}
BENCHMARK(BM_LoadListedFile)->Unit(benchmark::kMillisecond);

// The data list window's table of the ten-year file.
void BM_DataListTable(benchmark::State& state) {
    MultiChart chart(false);
    platform::ScriptedPrompts prompts;
    for (auto _ : state)
        benchmark::DoNotOptimize(lists::PrepareDataList(*chart.series, prompts));
}
BENCHMARK(BM_DataListTable)->Unit(benchmark::kMillisecond);

}  // namespace
