// A chart of daily bars with an annotation file in a fresh start directory:
// the geometry of a real render, the drawing objects at 100 %, and the
// annotation state the tools keep.
#pragma once

#include <sys/resource.h>
#include <csignal>
#include <string>
#include <vector>

#include "annotate/annotate.h"
#include "chart/chart_fixture.h"
#include "support/temp_dir.h"

namespace korvo::annotate::test {

inline constexpr const char* kAnnotationFile = "TEST1.chr";

struct AnnotateFixture : chart::test::ChartFixture {
    AnnotateFixture() {
        SetDailyBars(2004, 1, 5, 120);
        NameFile(kAnnotationFile);
        Render();
    }
    void NameFile(const std::string& cp932) {
        series->chrFileName = cp932;
        series->hasChrFile = true;
    }
    std::string File() const { return korvo::test::ReadFile(dir / kAnnotationFile); }
    bool FileExists() const { return std::filesystem::exists(dir / kAnnotationFile); }
    void WriteRecords(const std::vector<AnnotationRecord>& records) {
        std::string bytes;
        for (const AnnotationRecord& r : records)
            bytes += FormatAnnotationRecord(r);
        dir.Write(kAnnotationFile, bytes);
    }
    // The bar standing on a date, -1 when none.
    int BarOn(int year, int month, int day) const {
        for (int i = 0; i < series->barCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (series->year[at] == year && series->month[at] == month && series->day[at] == day)
                return i;
        }
        return -1;
    }
    // Client point of a bar's left edge, or centre, at a price.
    platform::Point ClientPoint(int bar, float price, int offset = 0) const {
        const chart::ChartGeometry& g = *geometry;
        const int x = static_cast<int>(g.barX[static_cast<std::size_t>(bar)]) + offset;
        return chart::test::DevicePoint(g, x, chart::PriceY(g, price));
    }
    DrawContext Draw() {
        return DrawContext{canvas, *series, *geometry, objects, prompts, state, dir.Path(), {}};
    }
    int DrawNow() {
        canvas.ClearCalls();
        DrawContext c = Draw();
        return DrawTextAnnotations(c);
    }
    SaveContext Save() {
        return SaveContext{state,  *series,    *geometry, colours.annotation,
                           {5, 6}, dir.Path(), prompts};
    }
    std::vector<platform::CanvasCall> Lines() const {
        return canvas.CallsOf(platform::CallKind::Line);
    }

    korvo::test::TempDir dir;
    AnnotationState state;
};

// Writes beyond a few bytes fail while it lives (as on a full disk).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*handler_)(int) = nullptr;
};

}  // namespace korvo::annotate::test
