// A series of closes for the non-time-series charts (bars one day apart from
// 2 January 2024, open, high and low equal to the close, the price floor and
// ceiling taken from the closes), the drawing objects in the standard
// colours, a recording canvas of the step window's client size and a start
// directory for the signal files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "altcharts/alt_chart_modes.h"
#include "altcharts/alt_chart_settings.h"
#include "altcharts/alt_chart_target.h"
#include "data/price_series.h"
#include "indicators/signal_files.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompts.h"
#include "support/temp_dir.h"
#include "view/drawing_objects.h"

namespace korvo::altcharts::test {

inline constexpr platform::Size kClient{740, 600};

struct AltChartFixture {
    AltChartFixture();

    void SetCloses(const std::vector<float>& closes);
    AltChartTarget Target(bool draws = true);
    // The signal file's bytes, empty when there is none.
    std::string File(indicators::SignalFile file) const;
    std::vector<platform::CanvasCall> Texts() const {
        return canvas.CallsOf(platform::CallKind::Text);
    }

    std::unique_ptr<data::PriceSeries> series = std::make_unique<data::PriceSeries>();
    view::ColourTable colours;
    view::DrawingObjects objects;
    platform::RecordingCanvas canvas{kClient};
    platform::ScriptedPrompts prompts;
    korvo::test::TempDir dir;
    indicators::SignalWritten written;
    AltChartSettings settings;
    AltChartModes modes;
    platform::Point scroll{};
};

// The header line of a signal file in CP932, for a series titled as the fixture's.
std::string Header(const char* utf8);

}  // namespace korvo::altcharts::test
