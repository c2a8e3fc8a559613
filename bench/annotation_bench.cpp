// The annotations on the largest chart: a paint with 10 and with 100
// annotations (the most one paint draws) next to the same paint with none;
// storing one placement into a file of 99; and the screen snapshot the write
// command takes and puts back, at the benchmark's screen size.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <memory>

#include "annotate/annotate.h"
#include "app/program_layers.h"
#include "bench_support.h"
#include "platform/files.h"
#include "print/screen_snapshot.h"
#include "qt/gui/qt_canvas.h"

namespace {

using namespace korvo;
using bench::kScreen;

constexpr const char* kFileName = "BENCH1.chr";

// `count` annotations with arrows and texts spread over the newest bars.
std::string AnnotationFile(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        annotate::AnnotationRecord r;
        r.number = i;
        r.text = "\x8d\x82\x92\x6c 2000";  // 高値 2000
        r.withArrow = true;
        r.startSlot = static_cast<float>(4096 - 200 + i);
        r.startPrice = 1500.0f + 10.0f * static_cast<float>(i);
        r.endSlot = r.startSlot + 15.0f;
        r.endPrice = r.startPrice + 300.0f;
        r.plotStartYear = 1990;
        r.plotStartMonth = 1;
        r.plotStartDay = 1;
        bytes += annotate::FormatAnnotationRecord(r);
    }
    return bytes;
}

struct Chart : bench::LargestChart {
    explicit Chart(int count)
        : directory(std::filesystem::temp_directory_path() / "korvo_annotation_bench") {
        std::filesystem::create_directories(directory);
        series->chrFileName = kFileName;
        series->hasChrFile = count > 0;
        platform::WriteFileAtomically(directory / kFileName, AnnotationFile(count));
        layers = std::make_unique<app::ProgramLayers>(params, written, directory, annotations);
    }
    ~Chart() { std::filesystem::remove_all(directory); }

    std::filesystem::path directory;
    indicators::SignalWritten written;
    annotate::AnnotationState annotations;
};

void BM_PaintLargestChartWithAnnotations(benchmark::State& state) {
    Chart chart(static_cast<int>(state.range(0)));
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    qt::QtTextCache textCache;
    for (auto _ : state) {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen, false, &textCache);
        if (chart.Paint(canvas).result != chart::kRenderDrawn) state.SkipWithError("not drawn");
    }
    state.counters["annotations"] = static_cast<double>(chart.annotations.annotationCount);
}
BENCHMARK(BM_PaintLargestChartWithAnnotations)
    ->Arg(0)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond);

// One placement stored into a file of 99: read, checked, written whole and renamed.
void BM_SaveAnnotationIntoNinetyNine(benchmark::State& state) {
    Chart chart(99);
    {
        QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, kScreen);
        chart.Paint(canvas);
    }
    const std::string file = AnnotationFile(99);
    chart.annotations.annotationText = "高値";
    chart.annotations.withArrow = true;
    chart.annotations.startPoint = {900, 400};
    chart.annotations.endPoint = {1100, 300};
    for (auto _ : state) {
        state.PauseTiming();
        platform::WriteFileAtomically(chart.directory / kFileName, file);
        state.ResumeTiming();
        annotate::SaveContext save{chart.annotations, *chart.series, *chart.geometry,
                                   0x00FFFF,          {0, 0},        chart.directory,
                                   chart.prompts};
        if (annotate::SaveTextAnnotation(save) != 100) state.SkipWithError("not stored");
    }
}
BENCHMARK(BM_SaveAnnotationIntoNinetyNine)->Unit(benchmark::kMicrosecond);

// The picture of the client area taken before the text dialog, and put back after it.
void BM_ScreenSnapshotTake(benchmark::State& state) {
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    platform::ScriptedPrompts prompts;
    print::ScreenSnapshot snapshot;
    QPainter painter(&image);
    qt::QtCanvas canvas(painter, kScreen);
    for (auto _ : state) {
        if (snapshot.Take(canvas, kScreen, prompts) != 1) state.SkipWithError("not taken");
    }
}
BENCHMARK(BM_ScreenSnapshotTake)->Unit(benchmark::kMicrosecond);

void BM_ScreenSnapshotRestore(benchmark::State& state) {
    QImage image(kScreen.width, kScreen.height, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    platform::ScriptedPrompts prompts;
    print::ScreenSnapshot snapshot;
    QPainter painter(&image);
    qt::QtCanvas canvas(painter, kScreen);
    for (auto _ : state) {
        state.PauseTiming();
        snapshot.Take(canvas, kScreen, prompts);
        state.ResumeTiming();
        if (!snapshot.Restore(canvas)) state.SkipWithError("not restored");
    }
}
BENCHMARK(BM_ScreenSnapshotRestore)->Unit(benchmark::kMicrosecond);

}  // namespace
