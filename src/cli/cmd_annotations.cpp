// annotations: the annotations stored for a data file, as the chart reads
// them; a placement stored as the mouse would store it; one pass of delete mode.
#include <cstdio>
#include <memory>
#include <ostream>

#include "annotate/annotate.h"
#include "app/program_state.h"
#include "chart/chart.h"
#include "cli/cli.h"
#include "cli/load_series.h"
#include "data/printf.h"
#include "platform/codec.h"
#include "platform/recording_canvas.h"

namespace korvo::cli {

namespace {

std::string FloatText(float value) {
    return data::Printf("%.9g", static_cast<double>(value));
}

void PrintRecord(std::ostream& out, const annotate::AnnotationRecord& r) {
    const annotate::AnnotationFont& f = r.font;
    const auto& p = r.points;
    out << "number: " << r.number << "\n"
        << "text: " << platform::Cp932ToUtf8Lossy(r.text) << "\n"
        << "font: " << platform::Cp932ToUtf8Lossy(f.faceName) << " " << f.height << " " << f.weight
        << " " << f.italic << " " << f.underline << " " << f.strikeOut << " " << f.charset << "\n"
        << "colour: " << data::Printf("0x%06X", r.colour) << "\n"
        << "escapement: " << r.escapement << "\n"
        << "points: " << p[0] << " " << p[1] << " " << p[2] << " " << p[3] << " " << p[4] << " "
        << p[5] << " " << p[6] << " " << p[7] << " " << p[8] << "\n"
        << "chartState: " << r.chartState[0] << " " << r.chartState[1] << "\n"
        << "centred: " << r.centred << "\n"
        << "withArrow: " << r.withArrow << "\n"
        << "lineOnly: " << r.lineOnly << "\n"
        << "anchors: " << FloatText(r.startSlot) << " " << FloatText(r.startPrice) << " "
        << FloatText(r.endSlot) << " " << FloatText(r.endPrice) << "\n"
        << "plotStart: " << r.plotStartYear << "/" << r.plotStartMonth << "/" << r.plotStartDay
        << "\n";
}

struct PlaceOptions {
    platform::Point from;
    platform::Point to;
    platform::Size window{1280, 800};
    float horizontal = 1.0f;
    float vertical = 1.0f;
};

std::optional<std::string> ReadPlaceOptions(CliContext& context, PlaceOptions& o) {
    const auto place = context.Option("--place");
    char tail = 0;
    if (std::sscanf(place->c_str(), "%d,%d,%d,%d%c", &o.from.x, &o.from.y, &o.to.x, &o.to.y,
                    &tail) != 4)
        return "--place wants X1,Y1,X2,Y2 in client pixels, not " + *place;
    if (!context.Option("--text") && !context.Flag("--line-only"))
        return "--place wants --text TEXT or --line-only";
    if (const auto w = context.Option("--window")) {
        if (std::sscanf(w->c_str(), "%dx%d%c", &o.window.width, &o.window.height, &tail) != 2 ||
            o.window.width < 1 || o.window.height < 1 || o.window.width > 20000 ||
            o.window.height > 20000)
            return "--window wants WxH in pixels, not " + *w;
    }
    if (const auto s = context.Option("--size")) {
        if (std::sscanf(s->c_str(), "%f,%f%c", &o.horizontal, &o.vertical, &tail) != 2 ||
            !(o.horizontal > 0.0f && o.vertical > 0.0f && o.horizontal <= 5.0f &&
              o.vertical <= 5.0f))
            return "--size wants two factors above 0 and at most 5 as H,V, not " + *s;
    }
    return std::nullopt;
}

// The chart as `render` paints it (newest bar at 80 % of the window), so the
// client points mean what they mean on that picture.
bool LayOut(CliContext& context, app::ProgramState& state, const PlaceOptions& o) {
    state.view.horizontalScale = o.horizontal;
    state.view.verticalScale = o.vertical;
    view::RebuildPensAndBrushes(state.drawing, state.colours);
    view::RebuildFonts(state.drawing, o.horizontal, std::min(o.vertical, 1.0f));
    state.view.newDataFlag = true;
    platform::RecordingCanvas canvas(o.window);
    chart::ChartLayers none;
    chart::RenderContext rc(canvas, state.series, state.geometry, state.view, state.chart,
                            state.drawing, state.colours, state.indicators, context.Prompts(),
                            context.Clock(), none);
    rc.client = o.window;
    rc.horizontalFactor = o.horizontal;
    rc.verticalFactor = o.vertical;
    return chart::RenderChart(rc).result == chart::kRenderDrawn;
}

int Place(CliContext& context, app::ProgramState& state) {
    PlaceOptions o;
    if (const auto problem = ReadPlaceOptions(context, o)) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        return 2;
    }
    if (!LayOut(context, state, o)) return 1;
    annotate::AnnotationState& a = state.annotations;
    annotate::AnnotationTextDialog dialog(a, context.Dir(), context.Prompts());
    const annotate::AnnotationTextDialog::Choices choices{
        context.Option("--text").value_or(std::string()), context.Flag("--arrow"),
        context.Flag("--centre"), context.Flag("--line-only"), context.Flag("--save-phrase")};
    if (!dialog.Accept(choices)) return 1;
    a.startPoint = o.from;
    a.endPoint = o.to;
    const auto& tools = state.annotation.toolState;
    annotate::SaveContext save{a,
                               state.series,
                               state.geometry,
                               state.colours.annotation,
                               {tools[0], tools[1]},
                               context.Dir(),
                               context.Prompts()};
    const int result = annotate::SaveTextAnnotation(save);
    context.Out() << "stored: " << result << "\n";
    return result > 0 ? 0 : 1;
}

// Delete mode over the chart at 100 %: the questions take the --answer values.
void DeletePass(CliContext& context, app::ProgramState& state) {
    platform::RecordingCanvas canvas;
    state.annotations.deleteMode = true;
    annotate::DrawContext c{canvas,
                            state.series,
                            state.geometry,
                            state.drawing,
                            context.Prompts(),
                            state.annotations,
                            context.Dir(),
                            {}};
    annotate::DrawTextAnnotations(c);
}

int RunAnnotations(CliContext& context) {
    const auto& p = context.Args().positional;
    if (p.size() != 1) {
        context.Err() << "usage: korvo-cli annotations FILE.stk [--place X1,Y1,X2,Y2 --text TEXT "
                         "...] [--delete]\n";
        return 2;
    }
    auto state = LayoutStateFromSettings(context);
    if (!state) return 2;
    if (const auto problem = ReadPlotStartOption(context, state->series)) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        return 2;
    }
    if (!LoadAndLayOut(context, p[0], *state)) return 1;
    const data::PriceSeries& s = state->series;
    if (!s.hasChrFile) {
        context.Err() << "korvo-cli: " << p[0] << " names no annotation file\n";
        return 1;
    }
    const auto name = annotate::CheckAnnotationFileName(context.Dir(), s.chrFileName);
    if (!name.Accepted()) {
        annotate::ShowRefusal(context.Prompts(), name);
        return 1;
    }
    if (context.Option("--place")) {
        if (const int placed = Place(context, *state); placed != 0) return placed;
    }
    if (context.Flag("--delete")) DeletePass(context, *state);
    const std::string bytes =
        annotate::ReadAnnotationFile(name.path, context.Dir()).value_or(std::string());
    const annotate::ParsedAnnotations parsed = annotate::ParseAnnotations(bytes);
    std::ostream& out = context.Out();
    out << "file: " << name.shownName << "\n"
        << "count: " << parsed.records.size() << "\n"
        << "unreadBytes: " << (bytes.size() - parsed.consumed) << "\n";
    for (const annotate::AnnotationRecord& r : parsed.records)
        PrintRecord(out, r);
    return 0;
}

Command MakeAnnotationsCommand() {
    return Command{
        180,
        "annotations",
        "annotations FILE.stk [--plot-start YYYY-MM] [--place X1,Y1,X2,Y2 (--text TEXT | "
        "--line-only) [--arrow] [--centre] [--save-phrase] [--size H,V] [--window WxH]] "
        "[--delete]",
        "load FILE as the program does and print the annotations stored for it in the file its "
        "header names (read from --dir, the start directory): file, count, unreadBytes (what "
        "follows the last readable record), then per annotation number, text (UTF-8), font, "
        "colour, escapement, points, chartState, centred, withArrow, lineOnly, anchors (start "
        "slot, start price, end slot, end price) and plotStart. --place stores first an "
        "annotation placed from client point X1,Y1 to X2,Y2 of the chart as render paints it "
        "(--window, default 1280x800; --size, default 1,1; newest bar at 80 %), with the text "
        "dialog's choices, and prints 'stored: N'; --delete runs delete mode once, each question "
        "answered by the next --answer (No when none is left). A header naming no plain file "
        "of the start directory ('..', an absolute path, a folder, a file of the program) is "
        "refused with the program's message on standard error and exit 1",
        {"--plot-start", "--settings", "--place", "--text", "--size", "--window"},
        {"--arrow", "--centre", "--line-only", "--save-phrase", "--delete"},
        RunAnnotations};
}

const bool registered = RegisterCommand(MakeAnnotationsCommand());

}  // namespace

}  // namespace korvo::cli
