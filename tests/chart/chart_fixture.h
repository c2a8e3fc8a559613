// A chart ready to render into a recording canvas: a small series built in
// memory, the standard colours and fonts at 100 %, scripted prompts, a fixed
// today, and layers that note every call the renderer makes to them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompts.h"

namespace korvo::chart::test {

// Notes the name of every layer the renderer calls, with the page.
class NotingLayers : public ChartLayers {
  public:
    std::vector<std::string> calls;
    int annotationResult = 1;

    void DrawOnBalanceVolume(RenderContext&, int page) override { Note("obv", page); }
    void DrawVolumeRatio(RenderContext&, int page) override { Note("volumeRatio", page); }
    void DrawVolumeAverage(RenderContext&, int page) override { Note("volumeAverage", page); }
    void DrawIchimoku(RenderContext&, int page) override { Note("ichimoku", page); }
    void DrawParabolicSar(RenderContext&, int page) override { Note("sar", page); }
    void DrawShinoharaCr(RenderContext&, int page) override { Note("shinoharaCr", page); }
    void DrawSubPanelIndicator(RenderContext&, int page, int code) override {
        Note("panel" + std::to_string(code), page);
    }
    void DrawBollinger(RenderContext&, int page) override { Note("bollinger", page); }
    void DrawEnvelope(RenderContext&, int page) override { Note("envelope", page); }
    void DrawPsychologicalLine(RenderContext&, int page) override { Note("psychological", page); }
    void DrawCloseLine(RenderContext&, int page) override { Note("closeLine", page); }
    void DrawMovingAverage(RenderContext&, int page, int line) override {
        Note("ma" + std::to_string(line), page);
    }
    int DrawAnnotations(RenderContext&, int page) override {
        Note("annotations", page);
        return annotationResult;
    }

  private:
    void Note(const std::string& name, int page) {
        calls.push_back(name + "@" + std::to_string(page));
    }
};

struct Bar {
    int year, month, day;
    float open, high, low, close;
    int volume;
};

struct ChartFixture {
    ChartFixture();

    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    std::unique_ptr<ChartGeometry> geometry = std::make_unique<ChartGeometry>();
    view::ViewState view;
    ChartOptions options;
    view::ColourTable colours;
    view::DrawingObjects objects;
    indicators::IndicatorParams params;
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{platform::CivilDate{2026, 1, 10}};
    NotingLayers layers;
    platform::RecordingCanvas canvas{platform::Size{1280, 800}};
    platform::Size client{1280, 800};
    bool printing = false;
    bool autoFixOpen = false;
    bool plotStartMode = false;
    MultiChartPages multi;

    RenderContext Context(float horizontal = 1.0f, float vertical = 1.0f);
    RenderOutcome Render(float horizontal = 1.0f, float vertical = 1.0f);
    // The same with other layers in place of the noting ones.
    RenderContext ContextWith(ChartLayers& with, float horizontal = 1.0f, float vertical = 1.0f);
    RenderOutcome RenderWith(ChartLayers& with);

    // Replaces the series by these daily bars (type 210), with the extremes
    // the load would leave: maxHigh/minLow as given or from the bars.
    void SetBars(const std::vector<Bar>& bars, int fileTypeId = 210);
    // count bars from the date, one every stepDays calendar days, all alike.
    void SetDailyBars(int year, int month, int day, int count, int stepDays = 1);

    // Text calls whose text equals `text`.
    std::vector<platform::CanvasCall> Texts(const std::string& text) const {
        return canvas.TextCalls(text);
    }
    // Whether any text call contains `part`.
    bool AnyTextContains(const std::string& part) const;
};

// Device point of a layout point at the geometry's scale, with the viewport
// origin the render used (-scrollX, -scrollY).
platform::Point DevicePoint(const ChartGeometry& g, int layoutX, int layoutY);
platform::Point DeviceOfLogical(const ChartGeometry& g, platform::Point logical);

}  // namespace korvo::chart::test
