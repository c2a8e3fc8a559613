#include "cli/chart_window_commands.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>

#include "altcharts/brick_chart.h"
#include "altcharts/chart_closes.h"
#include "altcharts/chart_window.h"
#include "altcharts/step_chart.h"
#include "app/program_state.h"
#include "cli/gui_render.h"
#include "cli/load_series.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/recording_canvas.h"
#include "qt/gui/qt_canvas.h"

namespace korvo::cli {

namespace {

using altcharts::AltChartKind;

std::optional<AltChartKind> KindOfSource(const std::string& source) {
    if (source == "stp") return AltChartKind::Step;
    if (source == "brk") return AltChartKind::Brick;
    if (source == "trd") return AltChartKind::Trident;
    return std::nullopt;
}

std::optional<AltChartKind> KindOfChart(const std::string& chart) {
    if (chart == "step") return AltChartKind::Step;
    if (chart == "brick") return AltChartKind::Brick;
    if (chart == "trident") return AltChartKind::Trident;
    return std::nullopt;
}

indicators::SignalFile FileOf(AltChartKind kind) {
    switch (kind) {
        case AltChartKind::Step:
            return indicators::SignalFile::Step;
        case AltChartKind::Brick:
            return indicators::SignalFile::Brick;
        case AltChartKind::Trident:
            return indicators::SignalFile::Trident;
    }
    return indicators::SignalFile::Step;
}

// A number above 0, written whole.
std::optional<float> PositiveNumber(const std::string& text) {
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !(value > 0.0f) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// --percent and --amount, as the window's two boxes with its mode; the
// amounts not given are those the window opens with.
std::optional<std::string> ReadAmounts(CliContext& context, AltChartKind kind,
                                       app::ProgramState& state) {
    const auto percent = context.Option("--percent");
    const auto amount = context.Option("--amount");
    if (percent && amount) return "give --percent or --amount, not both";
    altcharts::AltChartSettings& s = state.altCharts;
    altcharts::AltChartModes& m = state.altChartModes;
    if (kind == AltChartKind::Trident) {
        if (percent || amount) return "the trident chart takes no --percent or --amount";
        return std::nullopt;
    }
    const bool step = kind == AltChartKind::Step;
    float& p = step ? s.stepPercent : s.brickPercent;
    float& a = step ? s.stepAmount : s.brickAmount;
    bool& usePercent = step ? m.stepUsePercent : m.brickUsePercent;
    p = altcharts::SettingOrDefault(
        p, step ? altcharts::kStepDefaultPercent : altcharts::kBrickOpeningPercent);
    a = altcharts::SettingOrDefault(
        a, step ? altcharts::kStepDefaultAmount : altcharts::kBrickDefaultAmount);
    usePercent = !amount;
    const auto& given = percent ? percent : amount;
    if (!given) return std::nullopt;
    const auto value = PositiveNumber(*given);
    if (!value)
        return (percent ? "--percent" : "--amount") + std::string(" wants a number above 0, not ") +
               *given;
    (percent ? p : a) = *value;
    return std::nullopt;
}

// --labels N: the label choice of the window (step 1 or 3; brick and trident 1 to 4).
std::optional<std::string> ReadLabels(CliContext& context, AltChartKind kind,
                                      altcharts::AltChartModes& m) {
    const auto labels = context.Option("--labels");
    if (!labels) return std::nullopt;
    const int mode = std::atoi(labels->c_str());
    const bool ok = kind == AltChartKind::Step ? (*labels == "1" || *labels == "3")
                                               : (labels->size() == 1 && mode >= 1 && mode <= 4);
    if (!ok)
        return "--labels wants " + std::string(kind == AltChartKind::Step ? "1 or 3" : "1 to 4") +
               ", not " + *labels;
    if (kind == AltChartKind::Step) m.stepLabelMode = mode;
    if (kind == AltChartKind::Brick) m.brickLabelMode = mode;
    if (kind == AltChartKind::Trident) m.tridentLabelMode = mode;
    return std::nullopt;
}

// The settings and options, then FILE loaded as the program does; nullptr
// after saying why, with the exit code in `code` (2 for a bad option).
std::unique_ptr<app::ProgramState> LoadChartState(CliContext& context, AltChartKind kind,
                                                  int& code) {
    auto state = std::make_unique<app::ProgramState>();
    std::optional<std::string> problem = ReadSettingsOption(context, *state);
    if (!problem) problem = ReadAmounts(context, kind, *state);
    if (!problem) problem = ReadLabels(context, kind, state->altChartModes);
    if (problem) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        code = 2;
        return nullptr;
    }
    data::DataState dataState;
    data::DataEffects effects;
    const std::string& file = context.Args().positional[0];
    if (LoadSeries(context, file, state->series, dataState, effects) < 0) {
        context.Err() << "korvo-cli: no chart of " << file << "\n";
        code = 1;
        return nullptr;
    }
    view::CreatePensAndBrushes(state->drawing, state->colours);
    view::CreateFonts(state->drawing, 1.0f, 1.0f);
    return state;
}

// Says what a drawing that did not draw means; the exit code.
int ReportResult(CliContext& context, AltChartKind kind, int result) {
    const std::string name = indicators::SignalFileName(FileOf(kind));
    if (result == altcharts::kAltChartFileFailed) {
        context.Err() << "korvo-cli: cannot write " << (context.Dir() / name).string() << "\n";
    } else if (result == altcharts::kAltChartFlat) {
        context.Err() << "korvo-cli: the prices do not move (ceiling equals floor); " << name
                      << " holds only its header\n";
    }
    return result == altcharts::kAltChartDrawn ? 0 : 1;
}

struct WindowPaint {
    altcharts::AltChartTarget Target(platform::Canvas* canvas) {
        return altcharts::AltChartTarget{canvas,  state.drawing, state.series, {dir, written},
                                         prompts, client,        scroll};
    }
    altcharts::AltChartOutcome Paint(platform::Canvas& canvas) {
        return altcharts::PaintChartWindow(kind, canvas, Target(&canvas), state.altCharts,
                                           state.altChartModes);
    }

    AltChartKind kind;
    app::ProgramState& state;
    std::filesystem::path dir;
    platform::Prompts& prompts;
    platform::Size client;
    platform::Point scroll;
    indicators::SignalWritten written;
};

bool PaintToPng(const std::string& path, WindowPaint& paint, altcharts::AltChartOutcome& out) {
    EnsureGuiApplication();
    QImage image(paint.client.width, paint.client.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        qt::QtCanvas canvas(painter, paint.client);
        out = paint.Paint(canvas);
    }
    return image.save(QString::fromStdString(path), "PNG");
}

// One paint of the window of `kind` (named `name` on the command line).
int RenderChartWindow(CliContext& context, AltChartKind kind, const std::string& name) {
    platform::Size client = altcharts::TemplateOf(kind).client;
    if (const auto w = context.Option("--window")) {
        const auto size = ParseSize(*w);
        if (!size) {
            context.Err() << "korvo-cli: --window wants WxH in pixels, not " << *w << "\n";
            return 2;
        }
        client = *size;
    }
    platform::Point scroll{};
    if (const auto s = context.Option("--scroll")) {
        char tail = 0;
        if (std::sscanf(s->c_str(), "%d,%d%c", &scroll.x, &scroll.y, &tail) != 2 || scroll.x < 0 ||
            scroll.y < 0) {
            context.Err() << "korvo-cli: --scroll wants X,Y in pixels from 0, not " << *s << "\n";
            return 2;
        }
    }
    int code = 0;
    auto state = LoadChartState(context, kind, code);
    if (!state) return code;
    WindowPaint paint{kind, *state, context.Dir(), context.Prompts(), client, scroll, {}};
    altcharts::AltChartOutcome out;
    const auto output = context.Option("-o");
    if (output && !PaintToPng(*output, paint, out)) {
        context.Err() << "korvo-cli: cannot write " << *output << "\n";
        return 1;
    }
    if (context.Flag("--trace")) {
        platform::RecordingCanvas recorder(client);
        out = paint.Paint(recorder);
        for (const auto& call : recorder.Calls())
            context.Out() << platform::FormatCall(call) << "\n";
    } else {
        context.Out() << "result: " << out.result << "\n"
                      << "chart: " << name << "\n"
                      << "window: " << client.width << "x" << client.height << "\n"
                      << "pagesAcross: " << out.pagesAcross << "\n"
                      << "pagesDown: " << out.pagesDown << "\n"
                      << "brickFallCount: " << state->altChartModes.brickFallCount << "\n";
    }
    return ReportResult(context, kind, out.result);
}

}  // namespace

bool IsChartSignalSource(const std::string& source) {
    return KindOfSource(source).has_value();
}

int RunChartSignals(CliContext& context, const std::string& source) {
    const auto kind = KindOfSource(source);
    if (!kind || context.Args().positional.size() != 1) {
        context.Err() << "usage: korvo-cli signals FILE.stk --source stp|brk|trd "
                         "[--percent P | --amount A] [--settings korvo.ips]\n";
        return 2;
    }
    int code = 0;
    auto state = LoadChartState(context, *kind, code);
    if (!state) return code;
    WindowPaint paint{
        *kind, *state, context.Dir(), context.Prompts(), altcharts::TemplateOf(*kind).client,
        {},    {}};
    const altcharts::AltChartOutcome out = altcharts::DrawAltChart(
        *kind, paint.Target(nullptr), state->altCharts, state->altChartModes);
    if (out.result == altcharts::kAltChartFileFailed)
        return ReportResult(context, *kind, out.result);
    const auto path = context.Dir() / indicators::SignalFileName(FileOf(*kind));
    if (const auto bytes = platform::ReadWholeFile(path))
        context.Out() << platform::Cp932ToUtf8Lossy(*bytes) << "\n";
    return ReportResult(context, *kind, out.result);
}

int RunChartWindowRender(CliContext& context) {
    const auto chart = context.Option("--chart");
    const auto kind = chart ? KindOfChart(*chart) : std::nullopt;
    const auto output = context.Option("-o");
    if (!kind || context.Args().positional.size() != 1 || (!output && !context.Flag("--trace"))) {
        context.Err() << "usage: korvo-cli render FILE.stk --chart step|brick|trident "
                         "-o OUT.png|--trace [--window WxH] [--scroll X,Y] [--labels N] "
                         "[--percent P | --amount A] [--settings korvo.ips]\n";
        return 2;
    }
    if (output && std::filesystem::path(*output).extension() != ".png") {
        context.Err() << "korvo-cli: the chart windows are drawn to a .png file, not " << *output
                      << "\n";
        return 2;
    }
    return RenderChartWindow(context, kind.value(), *chart);
}

}  // namespace korvo::cli
