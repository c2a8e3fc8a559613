// The data file editor on a long file: the text of its box, and a save of an
// unchanged edit of the newest year with the reload it asks for, against the
// reload alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "bench_support.h"
#include "data/data.h"
#include "platform/files.h"
#include "platform/scripted_prompts.h"

namespace {

namespace fs = std::filesystem;
using namespace korvo;

// 10000 weekdays from 1988 on: the working copy's most.
std::string LongDailyFile() {
    using namespace std::chrono;
    std::string text =
        "< editor benchmark @d[EDIT1.chr] >\n\n210\nEdit_Co\nEDIT\nYen\n9999\n1988 1 1\n";
    sys_days date = year{1988} / 1 / 4;
    char line[96];
    for (int i = 0; i < 10000; date += days{1}) {
        const weekday wd{date};
        if (wd == Saturday || wd == Sunday) continue;
        const year_month_day ymd{date};
        const double base = 1500 + (i * 37 % 400) + 0.5;
        std::snprintf(line, sizeof line, " %d %u %u %.1f %.1f %.1f %.1f %d\n", int(ymd.year()),
                      unsigned(ymd.month()), unsigned(ymd.day()), base, base + 25, base - 25,
                      base + 10, 1500000 + i * 131 % 900000);
        text += line;
        ++i;
    }
    return text;
}

fs::path FreshDirectory() {
    std::string pattern = (fs::temp_directory_path() / "korvo-edit-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
}

struct EditSession {
    EditSession() {
        platform::WriteFileAtomically(dir / "long.stk", LongDailyFile());
        series->plotStartYear = 2025;
        series->plotStartMonth = 7;
        data::OpenDataFile(context, (dir / "long.stk").string());
        data::ReloadWorkingCopy(context);
    }
    ~EditSession() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // First: the environment below keeps its own copy of it.
    fs::path dir = FreshDirectory();
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{{2026, 12, 7}};
    platform::NullProgress progress;
    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    data::DataState state;
    data::DataEffects effects;
    data::LoadEnvironment env{prompts, clock, dir, progress, {}};
    data::DataContext context{*series, state, env, effects};
};

void BM_EditorTextOfTheLargestSeries(benchmark::State& st) {
    auto series = std::make_unique<data::PriceSeries>();
    bench::FillLargestSeries(*series);
    for (auto _ : st)
        benchmark::DoNotOptimize(data::EditorText(*series));
}
BENCHMARK(BM_EditorTextOfTheLargestSeries)->Unit(benchmark::kMillisecond);

// The reload the editor's save asks for, alone.
void BM_ReloadOfTheNewestYear(benchmark::State& st) {
    EditSession s;
    for (auto _ : st)
        if (data::ReloadWorkingCopy(s.context) != s.series->barCount)
            st.SkipWithError("reload failed");
}
BENCHMARK(BM_ReloadOfTheNewestYear)->Unit(benchmark::kMillisecond);

// Open the editor, save the listed year unchanged (the other records kept), reload.
void BM_EditorSaveAndReloadOfTheNewestYear(benchmark::State& st) {
    EditSession s;
    const int bars = s.series->barCount;
    if (bars < 5 || bars >= data::kEditorBoxBars) st.SkipWithError("not a year of bars");
    for (auto _ : st) {
        data::DataFileEditor editor(s.context, false);
        if (editor.Open() != data::EditorOpening::Show) st.SkipWithError("not shown");
        s.prompts.QueueAnswer(platform::Answer::Ok);
        if (editor.Save(editor.Fields()) != data::EditorSave::Saved) st.SkipWithError("not saved");
        if (data::ReloadWorkingCopy(s.context) != bars) st.SkipWithError("reload failed");
    }
}
BENCHMARK(BM_EditorSaveAndReloadOfTheNewestYear)->Unit(benchmark::kMillisecond);

}  // namespace
