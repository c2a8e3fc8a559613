// The load pipeline, run on every file open, period switch and scan step, on a
// daily file of 10000 records (about 40 years), and each of its steps.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/data.h"
#include "platform/files.h"
#include "platform/scripted_prompts.h"

namespace {

namespace fs = std::filesystem;
using namespace korvo;

std::string DailyFile(int count, bool reversed) {
    using namespace std::chrono;
    std::vector<std::string> lines;
    sys_days date = year{1988} / 1 / 4;
    char line[96];
    for (int i = 0; static_cast<int>(lines.size()) < count; date += days{1}) {
        const weekday wd{date};
        if (wd == Saturday || wd == Sunday) continue;
        const year_month_day ymd{date};
        const double base = 1500 + (i * 37 % 400) + 0.5;
        std::snprintf(line, sizeof line, " %d %2u %2u %.1f %.1f %.1f %.1f %d\n", int(ymd.year()),
                      unsigned(ymd.month()), unsigned(ymd.day()), base, base + 25, base - 25,
                      base + 10, 500000 + i * 131 % 900000);
        lines.push_back(line);
        ++i;
    }
    std::string text =
        "< benchmark data @d[BENCH1.chr] @s[BENCH1.box] >\n\n210\nBench_Co\nBENCH\nYen\n9999\n"
        "1988\t1\t1\n";
    if (reversed) {
        for (auto it = lines.rbegin(); it != lines.rend(); ++it)
            text += *it;
    } else {
        for (const auto& l : lines)
            text += l;
    }
    return text;
}

// A start directory with the 10000-record file in date order and reversed.
class Setup {
  public:
    Setup() {
        std::string pattern = (fs::temp_directory_path() / "korvo-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
        platform::WriteFileAtomically(dir_ / "daily.stk", DailyFile(10000, false));
        platform::WriteFileAtomically(dir_ / "reversed.stk", DailyFile(10000, true));
    }
    ~Setup() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const fs::path& Dir() const { return dir_; }

  private:
    fs::path dir_;
};

Setup& Files() {
    static Setup setup;
    return setup;
}

// One program's worth of state around the pipeline.
struct Session {
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{{2026, 12, 7}};
    platform::NullProgress progress;
    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    data::DataState state;
    data::DataEffects effects;
    data::LoadEnvironment env{prompts, clock, Files().Dir(), progress, {}};
    data::DataContext context{*series, state, env, effects};

    Session() { series->dataPath = (Files().Dir() / "daily.stk").string(); }
    void CopyIn(const char* name) {
        platform::CopyFileExpanding(Files().Dir() / name, Files().Dir() / "korvo.TMP");
    }
    // The working copy in date order, as the load finds it after the first reload.
    void CopyInNormalised() {
        CopyIn("daily.stk");
        data::NormaliseDataFile(env, "korvo.TMP", data::kMaxRecords);
    }
    void Check(benchmark::State& st, int result, int expected) {
        if (result != expected) st.SkipWithError("unexpected result");
    }
};

// Reloads of a working copy already in order; `expected` bars each time.
void ReloadRepeatedly(benchmark::State& st, Session& s, int expected) {
    s.CopyIn("daily.stk");
    data::ReloadWorkingCopy(s.context);
    for (auto _ : st)
        s.Check(st, data::ReloadWorkingCopy(s.context), expected);
}

// A file open: the copy of `name` to korvo.TMP and the reload.
void OpenAndReload(benchmark::State& st, const char* name) {
    Session s;
    for (auto _ : st) {
        s.CopyIn(name);
        s.Check(st, data::ReloadWorkingCopy(s.context), 4096);
    }
}

// Every period switch and scan step: the working copy is already in order.
void BM_ReloadWorkingCopy(benchmark::State& st) {
    Session s;
    ReloadRepeatedly(st, s, 4096);
}
BENCHMARK(BM_ReloadWorkingCopy)->Unit(benchmark::kMillisecond);

void BM_OpenAndReload(benchmark::State& st) {
    OpenAndReload(st, "daily.stk");
}
BENCHMARK(BM_OpenAndReload)->Unit(benchmark::kMillisecond);

// The worst order: every record out of place, so the copy is sorted and rewritten.
void BM_OpenAndReloadReversedFile(benchmark::State& st) {
    OpenAndReload(st, "reversed.stk");
}
BENCHMARK(BM_OpenAndReloadReversedFile)->Unit(benchmark::kMillisecond);

// The newest bars of the long file (plot start late, as after scrolling to recent years).
void BM_ReloadFromLatePlotStart(benchmark::State& st) {
    Session s;
    s.series->plotStartYear = 2020;
    s.series->plotStartMonth = 1;
    ReloadRepeatedly(st, s, 1653);
}
BENCHMARK(BM_ReloadFromLatePlotStart)->Unit(benchmark::kMillisecond);

void BM_CopyToWorkingCopy(benchmark::State& st) {
    Session s;
    for (auto _ : st)
        s.CopyIn("daily.stk");
}
BENCHMARK(BM_CopyToWorkingCopy)->Unit(benchmark::kMillisecond);

void BM_NormaliseInOrder(benchmark::State& st) {
    Session s;
    s.CopyInNormalised();
    for (auto _ : st)
        s.Check(st, data::NormaliseDataFile(s.env, "korvo.TMP", data::kMaxRecords), 10000);
}
BENCHMARK(BM_NormaliseInOrder)->Unit(benchmark::kMillisecond);

// Sorting and writing included (the copy of the reversed file is timed too; see
// BM_CopyToWorkingCopy for its share).
void BM_NormaliseReversed(benchmark::State& st) {
    Session s;
    for (auto _ : st) {
        s.CopyIn("reversed.stk");
        s.Check(st, data::NormaliseDataFile(s.env, "korvo.TMP", data::kMaxRecords), 10000);
    }
}
BENCHMARK(BM_NormaliseReversed)->Unit(benchmark::kMillisecond);

void BM_Scan(benchmark::State& st) {
    Session s;
    s.CopyInNormalised();
    for (auto _ : st)
        s.Check(st, data::ScanDataFile(s.context, "korvo.TMP"), 10000);
}
BENCHMARK(BM_Scan)->Unit(benchmark::kMillisecond);

void BM_LoadPriceSeries(benchmark::State& st) {
    Session s;
    s.CopyInNormalised();
    for (auto _ : st)
        s.Check(st, data::LoadPriceSeries(s.context, "korvo.TMP"), 4096);
}
BENCHMARK(BM_LoadPriceSeries)->Unit(benchmark::kMillisecond);

// The Weekly command's build, shown without saving.
void BM_MakeWeeklyFile(benchmark::State& st) {
    Session s;
    for (auto _ : st) {
        st.PauseTiming();
        s.CopyIn("daily.stk");
        s.prompts.QueueAnswer(platform::Answer::No);
        st.ResumeTiming();
        s.Check(st, data::MakeWeeklyFile(s.context), 1);
    }
}
BENCHMARK(BM_MakeWeeklyFile)->Unit(benchmark::kMillisecond);

}  // namespace
