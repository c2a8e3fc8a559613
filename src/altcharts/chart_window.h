// What the three chart windows (step, brick, trident) share: their sizes and
// face, the paint that fills the client area and draws the chart, the open
// flag the annotation command checks, and scrolling over a chart larger than
// the window. The Qt windows only lay out the controls and pass their events
// here.
#pragma once

#include <filesystem>

#include "altcharts/alt_chart_modes.h"
#include "altcharts/alt_chart_settings.h"
#include "altcharts/alt_chart_target.h"
#include "altcharts/alt_chart_windows.h"

namespace korvo::altcharts {

enum class AltChartKind { Step, Brick, Trident };

struct ChartWindowTemplate {
    const char* name;     // the dialog's resource name
    const char* caption;  // UTF-8
    platform::Size client;
};
const ChartWindowTemplate& TemplateOf(AltChartKind kind);

// The colour a window's client area is cleared with before its chart.
inline constexpr platform::Colour kWindowFace = platform::Rgb(0xF0, 0xF0, 0xF0);

// What a window reads and changes of the program's state.
struct ChartWindowContext {
    const data::PriceSeries& series;
    const view::DrawingObjects& objects;
    const std::filesystem::path& startDirectory;
    indicators::SignalWritten& written;
    platform::Prompts& prompts;
    AltChartSettings& settings;
    AltChartModes& modes;
    AltChartWindowFlags& flags;
};

// The main chart's scroll page counts as its last render left them.
struct PageCounts {
    int across = 1;
    int down = 1;
};

// The chart of a kind, as its window draws it (a null canvas writes the file only).
AltChartOutcome DrawAltChart(AltChartKind kind, const AltChartTarget& target,
                             AltChartSettings& settings, AltChartModes& modes);

// One paint of a window: the client area in the face colour, then the chart.
AltChartOutcome PaintChartWindow(AltChartKind kind, platform::Canvas& canvas,
                                 const AltChartTarget& target, AltChartSettings& settings,
                                 AltChartModes& modes);

class ChartWindow {
  public:
    struct ScrollStep {
        int position = 0;
        int rangeMax = 0;  // the scroll bar runs 0 .. rangeMax
        bool moved = false;
    };

    ChartWindow(AltChartKind kind, const ChartWindowContext& context);
    virtual ~ChartWindow() = default;
    ChartWindow(const ChartWindow&) = delete;
    ChartWindow& operator=(const ChartWindow&) = delete;

    AltChartKind Kind() const { return kind_; }
    bool IsOpen() const { return open_; }
    platform::Point Position() const { return position_; }

    // A paint of the client area at the window's scroll position. The brick
    // window says so when there was no memory for the closes.
    AltChartOutcome Paint(platform::Canvas& canvas, platform::Size client);

    // A scroll request of the window's scroll bars. Across, in steps of 1 and
    // 20 pixels without a margin; down, in steps of 1 and 15. Each ranges
    // over the main chart's page count, or as many pages as the chart needs
    // when that is more. The window repaints after each.
    ScrollStep ScrollAcross(int request, int thumb, platform::Size client, PageCounts main);
    ScrollStep ScrollDown(int request, int thumb, platform::Size client, PageCounts main);
    // Where the scroll bars end (they start at 0), after the last paint.
    platform::Size ScrollRange(platform::Size client, PageCounts main) const;

    // The window is destroyed (OK, Cancel or its close box): the open flag is cleared.
    void Closed();

  protected:
    // Opening: the flag is set and the window starts at scroll position 0.
    void MarkOpen();
    ChartWindowContext context_;

  private:
    bool& OpenFlag();
    int PagesAcross(PageCounts main) const;
    int PagesDown(PageCounts main) const;

    AltChartKind kind_;
    bool open_ = false;
    platform::Point position_{};
    AltChartOutcome last_;
};

}  // namespace korvo::altcharts
