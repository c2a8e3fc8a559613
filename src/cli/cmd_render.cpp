// render: one paint of the main window's chart, into a PNG or PDF file, and
// optionally the trace of every canvas call of that paint.
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>

#include "app/opening_screen.h"
#include "app/program_layers.h"
#include "app/program_state.h"
#include "chart/chart.h"
#include "cli/chart_window_commands.h"
#include "cli/cli.h"
#include "cli/gui_render.h"
#include "cli/load_series.h"
#include "cli/multi_chart_run.h"
#include "data/data.h"
#include "indicators/indicator_layers.h"
#include "platform/picture.h"
#include "platform/recording_canvas.h"
#include "qt/gui/qt_canvas.h"
#include "view/readout.h"

namespace korvo::cli {

namespace {

using platform::Canvas;
using platform::Point;
using platform::Rect;
using platform::Size;

// The colour the paint handler clears the client area with.
constexpr platform::Colour kWindowBackground = 0x404040;

// Sends every call to the canvas that paints and to the one that records, so
// the trace is exactly the paint that was written. Queries are answered by
// the painting canvas.
class TeeCanvas : public Canvas {
  public:
    TeeCanvas(Canvas& paint, Canvas& record) : a_(paint), b_(record) {}

    void SetMapMode(platform::MapMode m) override {
        Both([&](Canvas& c) { c.SetMapMode(m); });
    }
    platform::MapMode GetMapMode() const override { return a_.GetMapMode(); }
    void SetViewportOrigin(Point p) override {
        Both([&](Canvas& c) { c.SetViewportOrigin(p); });
    }
    Point GetViewportOrigin() const override { return a_.GetViewportOrigin(); }
    void SelectPen(const platform::Pen& p) override {
        Both([&](Canvas& c) { c.SelectPen(p); });
    }
    void SelectBrush(const platform::Brush& b) override {
        Both([&](Canvas& c) { c.SelectBrush(b); });
    }
    void SelectFont(const platform::Font& f) override {
        Both([&](Canvas& c) { c.SelectFont(f); });
    }
    const platform::Pen& CurrentPen() const override { return a_.CurrentPen(); }
    const platform::Brush& CurrentBrush() const override { return a_.CurrentBrush(); }
    const platform::Font& CurrentFont() const override { return a_.CurrentFont(); }
    void SetTextColour(platform::Colour c) override {
        Both([&](Canvas& x) { x.SetTextColour(c); });
    }
    void SetBackgroundColour(platform::Colour c) override {
        Both([&](Canvas& x) { x.SetBackgroundColour(c); });
    }
    void SetBackgroundMode(platform::BackgroundMode m) override {
        Both([&](Canvas& c) { c.SetBackgroundMode(m); });
    }
    void SetTextAlign(platform::HAlign h, platform::VAlign v) override {
        Both([&](Canvas& c) { c.SetTextAlign(h, v); });
    }
    void SetRasterOp(platform::RasterOp op) override {
        Both([&](Canvas& c) { c.SetRasterOp(op); });
    }
    void SetClip(std::optional<Rect> r) override {
        Both([&](Canvas& c) { c.SetClip(r); });
    }
    std::optional<Rect> GetClip() const override { return a_.GetClip(); }
    void Save() override {
        Both([&](Canvas& c) { c.Save(); });
    }
    void Restore() override {
        Both([&](Canvas& c) { c.Restore(); });
    }
    void MoveTo(Point p) override {
        Both([&](Canvas& c) { c.MoveTo(p); });
    }
    void LineTo(Point p) override {
        Both([&](Canvas& c) { c.LineTo(p); });
    }
    void Polyline(const std::vector<Point>& p) override {
        Both([&](Canvas& c) { c.Polyline(p); });
    }
    void Rectangle(Rect r) override {
        Both([&](Canvas& c) { c.Rectangle(r); });
    }
    void RoundRect(Rect r, int w, int h) override {
        Both([&](Canvas& c) { c.RoundRect(r, w, h); });
    }
    void Ellipse(Rect r) override {
        Both([&](Canvas& c) { c.Ellipse(r); });
    }
    void FillRect(Rect r, const platform::Brush& b) override {
        Both([&](Canvas& c) { c.FillRect(r, b); });
    }
    void SetPixel(Point p, platform::Colour colour) override {
        Both([&](Canvas& c) { c.SetPixel(p, colour); });
    }
    void TextOut(Point p, std::string_view t) override {
        Both([&](Canvas& c) { c.TextOut(p, t); });
    }
    void DrawTextWrapped(Rect r, std::string_view t) override {
        Both([&](Canvas& c) { c.DrawTextWrapped(r, t); });
    }
    Size TextExtent(std::string_view t) override { return a_.TextExtent(t); }
    platform::Picture ReadPixels(Rect r) override { return a_.ReadPixels(r); }
    void DrawPicture(Point p, const platform::Picture& picture) override {
        Both([&](Canvas& c) { c.DrawPicture(p, picture); });
    }
    Size DeviceSize() const override { return a_.DeviceSize(); }
    bool IsPrinter() const override { return a_.IsPrinter(); }

  private:
    template <class F>
    void Both(F&& f) {
        f(a_);
        f(b_);
    }
    Canvas& a_;
    Canvas& b_;
};

// The chart switches --on and --off name.
struct SwitchName {
    const char* name;
    bool chart::ChartOptions::*flag;
};
constexpr SwitchName kSwitches[] = {
    {"tradeVolume", &chart::ChartOptions::tradeVolume},
    {"volumeAverage", &chart::ChartOptions::volumeAverage},
    {"volumeHistogram", &chart::ChartOptions::volumeHistogram},
    {"volumeAlarm", &chart::ChartOptions::volumeAlarm},
    {"volumeRatio", &chart::ChartOptions::volumeRatio},
    {"envelope", &chart::ChartOptions::envelope},
    {"psychologicalLine", &chart::ChartOptions::psychologicalLine},
    {"shinoharaCr", &chart::ChartOptions::shinoharaCr},
    {"parabolicSar", &chart::ChartOptions::parabolicSar},
    {"ichimokuLines", &chart::ChartOptions::ichimokuLines},
    {"ichimokuSpans", &chart::ChartOptions::ichimokuSpans},
    {"ichimokuLagging", &chart::ChartOptions::ichimokuLagging},
    {"movingAverage1", &chart::ChartOptions::movingAverage1},
    {"movingAverage2", &chart::ChartOptions::movingAverage2},
    {"movingAverage3", &chart::ChartOptions::movingAverage3},
    {"openCloseLabels", &chart::ChartOptions::openCloseLabels},
    {"highLowLabels", &chart::ChartOptions::highLowLabels},
    {"titleOff", &chart::ChartOptions::titleOff},
    {"annotationsOff", &chart::ChartOptions::annotationsOff},
    // Short names of the overlays.
    {"ma1", &chart::ChartOptions::movingAverage1},
    {"ma2", &chart::ChartOptions::movingAverage2},
    {"ma3", &chart::ChartOptions::movingAverage3},
    {"psychological", &chart::ChartOptions::psychologicalLine},
    {"sar", &chart::ChartOptions::parabolicSar},
    {"cr", &chart::ChartOptions::shinoharaCr},
    {"ichimoku", &chart::ChartOptions::ichimokuLines},
    {"ichimoku", &chart::ChartOptions::ichimokuSpans},
    {"ichimoku", &chart::ChartOptions::ichimokuLagging},
    {"trade-volume", &chart::ChartOptions::tradeVolume},
    {"volume-average", &chart::ChartOptions::volumeAverage},
    {"volume-ratio", &chart::ChartOptions::volumeRatio},
    {"bollinger", &chart::ChartOptions::bollinger},
};

// "a,b,c": sets each named switch; false when a name is unknown.
bool SetSwitches(const std::string& list, bool on, chart::ChartOptions& options,
                 std::string& unknown) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = list.find(',', start);
        const std::string name =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        bool found = false;
        for (const SwitchName& s : kSwitches) {
            if (name == s.name) {
                options.*(s.flag) = on;
                found = true;
            }
        }
        if (!found) {
            unknown = name;
            return false;
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return true;
}

bool ParseFactors(const std::string& text, float& h, float& v) {
    char tail = 0;
    if (std::sscanf(text.c_str(), "%f,%f%c", &h, &v, &tail) != 2) return false;
    return h > 0.0f && v > 0.0f && h <= 5.0f && v <= 5.0f;
}

struct RenderOptions {
    std::optional<std::string> output;
    Size window{1280, 800};
    Size screen{1920, 1080};
    bool sizeGiven = false;
    float horizontal = 1.0f;
    float vertical = 1.0f;
    int style = chart::kStyleCandlestick;
    bool scrollToEnd = true;
    int scrollX = 0;
    int scrollY = 0;
    bool trace = false;
    // A client point whose price read-out is printed after the paint.
    std::optional<Point> readout;
    // The pages of a multi-chart (--multi).
    chart::MultiChartPages multi;
};

// Reads the options; an error text when one is bad.
std::optional<std::string> ReadOptions(CliContext& context, app::ProgramState& state,
                                       RenderOptions& o) {
    o.output = context.Option("-o");
    o.trace = context.Flag("--trace");
    if (!o.output && !o.trace) return "give -o OUT.png|OUT.pdf, --trace, or both";
    if (o.output) {
        const std::string ext = std::filesystem::path(*o.output).extension().string();
        if (ext != ".png" && ext != ".PNG" && ext != ".pdf" && ext != ".PDF")
            return "-o wants a .png or .pdf file, not " + *o.output;
    }
    if (const auto problem = ReadSettingsOption(context, state)) return problem;
    // The settings' size factors; 1,1 as the state starts when there are none.
    o.horizontal = state.view.horizontalScale;
    o.vertical = state.view.verticalScale;
    if (const auto w = context.Option("--window")) {
        const auto size = ParseSize(*w);
        if (!size) return "--window wants WxH in pixels, not " + *w;
        o.window = *size;
    }
    if (const auto w = context.Option("--screen")) {
        const auto size = ParseSize(*w);
        if (!size) return "--screen wants WxH in pixels, not " + *w;
        o.screen = *size;
    }
    if (const auto f = context.Option("--size")) {
        if (!ParseFactors(*f, o.horizontal, o.vertical))
            return "--size wants two factors above 0 and at most 5 as H,V, not " + *f;
        o.sizeGiven = true;
    }
    if (const auto problem = ReadPlotStartOption(context, state.series)) return problem;
    if (const auto s = context.Option("--style")) {
        if (*s == "candle")
            o.style = chart::kStyleCandlestick;
        else if (*s == "bar")
            o.style = chart::kStyleBar;
        else if (*s == "line")
            o.style = chart::kStyleLine;
        else
            return "--style takes candle, bar or line, not " + *s;
    }
    // As the main window starts: the volume ratio and the volume histogram are
    // on; the volume bars are on as well so a chart shows its volume.
    state.chart.volumeRatio = true;
    state.chart.volumeHistogram = true;
    state.chart.tradeVolume = true;
    for (const char* option : {"--on", "--off"}) {
        for (const auto& list : context.Options(option)) {
            std::string unknown;
            if (!SetSwitches(list, std::string(option) == "--on", state.chart, unknown))
                return std::string(option) + ": no chart switch named '" + unknown + "'";
        }
    }
    // Bands switched on here stand as their menu command leaves them: the
    // indicator panel shows their deviation. They give way to the SAR, as in
    // the renderer.
    for (const auto& list : context.Options("--on")) {
        if (("," + list + ",").find(",bollinger,") != std::string::npos)
            state.chart.subPanelIndicator = chart::kPanelBollinger;
    }
    if (const auto code = context.Option("--indicator")) {
        int value = 0;
        char tail = 0;
        if (std::sscanf(code->c_str(), "%d%c", &value, &tail) != 1)
            return "--indicator wants the code of the indicator panel, not " + *code;
        state.chart.subPanelIndicator = value;
    }
    if (const auto s = context.Option("--scroll")) {
        char tail = 0;
        if (*s == "end") {
            o.scrollToEnd = true;
        } else if (std::sscanf(s->c_str(), "%d,%d%c", &o.scrollX, &o.scrollY, &tail) == 2) {
            o.scrollToEnd = false;
        } else {
            return "--scroll takes end or X,Y in pixels, not " + *s;
        }
    }
    if (const auto r = context.Option("--readout")) {
        int x = 0, y = 0;
        char tail = 0;
        if (std::sscanf(r->c_str(), "%d,%d%c", &x, &y, &tail) != 2)
            return "--readout takes X,Y in client pixels, not " + *r;
        o.readout = Point{x, y};
    }
    return std::nullopt;
}

struct Paint {
    chart::RenderOutcome outcome;
    std::unique_ptr<chart::ChartGeometry> geometry = std::make_unique<chart::ChartGeometry>();
};

// One paint as the window's paint handler does it: clip to the display, clear
// the client area in dark grey, draw the chart.
void PaintInto(Canvas& canvas, CliContext& context, app::ProgramState& state,
               const RenderOptions& o, bool autoFixOpen, Paint& paint) {
    canvas.SetClip(Rect{0, 0, o.screen.width, o.screen.height});
    canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
    canvas.FillRect(Rect{0, 0, o.window.width, o.window.height},
                    platform::Brush{kWindowBackground, false});
    indicators::SignalWritten written;
    // The indicators and the annotations of FILE's annotation file in --dir.
    app::ProgramLayers layers(state.indicators, written, context.Dir(), state.annotations);
    chart::RenderContext rc(canvas, state.series, *paint.geometry, state.view, state.chart,
                            state.drawing, state.colours, state.indicators, context.Prompts(),
                            context.Clock(), layers);
    rc.client = o.window;
    rc.screen = o.screen;
    rc.horizontalFactor = state.view.horizontalScale;
    rc.verticalFactor = state.view.verticalScale;
    rc.autoFixOpen = autoFixOpen;
    rc.makerNotice = app::kOpeningNotice;
    rc.multi = o.multi;
    paint.outcome = chart::RenderChart(rc);
}

bool PaintToFile(const std::string& path, CliContext& context, app::ProgramState& state,
                 const RenderOptions& o, bool autoFixOpen, Paint& paint,
                 platform::RecordingCanvas* recorder) {
    EnsureGuiApplication();
    const bool pdf = std::filesystem::path(path).extension().string() == ".pdf" ||
                     std::filesystem::path(path).extension().string() == ".PDF";
    auto paintWith = [&](QPainter& painter) {
        qt::QtCanvas canvas(painter, o.window);
        if (recorder) {
            TeeCanvas tee(canvas, *recorder);
            PaintInto(tee, context, state, o, autoFixOpen, paint);
        } else {
            PaintInto(canvas, context, state, o, autoFixOpen, paint);
        }
    };
    if (pdf) {
        QPdfWriter writer(QString::fromStdString(path));
        writer.setResolution(platform::kDotsPerInch);
        writer.setPageSize(QPageSize(QSizeF(o.window.width * 72.0 / platform::kDotsPerInch,
                                            o.window.height * 72.0 / platform::kDotsPerInch),
                                     QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        paintWith(painter);
        return painter.end();
    }
    QImage image(o.window.width, o.window.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        paintWith(painter);
    }
    return image.save(QString::fromStdString(path), "PNG");
}

void PrintOutcome(std::ostream& out, const Paint& p, const app::ProgramState& state) {
    const chart::ChartGeometry& g = *p.geometry;
    out << "result: " << p.outcome.result << "\n"
        << "barCount: " << state.series.barCount << "\n"
        << "xPercent: " << g.xPercent << "\n"
        << "yPercent: " << g.yPercent << "\n"
        << "slotCount: " << g.slotCount << "\n"
        << "rightX: " << g.rightX << "\n"
        << "topPrice: " << g.topPrice << "\n"
        << "bottomPrice: " << g.bottomPrice << "\n"
        << "unitsPerPrice: " << g.unitsPerPrice << "\n"
        << "scrollX: " << g.scrollX << "\n"
        << "scrollY: " << g.scrollY << "\n"
        << "pagesAcross: " << g.pagesAcross << "\n"
        << "pagesDown: " << g.pagesDown << "\n"
        << "plotStart: " << state.series.plotStartYear << "-" << state.series.plotStartMonth
        << "\n";
}

// The two texts the price read-out shows for a cursor at `point`: the bar
// line (an empty line when no bar stands there) and the price.
void PrintReadOut(std::ostream& out, const Paint& p, const app::ProgramState& state, Point point) {
    const view::ReadOutTexts texts = view::ComputeReadOut(state.series, *p.geometry, point, 0);
    out << texts.barLine << "\n"
        << view::FormatPriceText(view::PriceAtCursor(*p.geometry, point.y)) << "\n";
}

int RunRender(CliContext& context) {
    if (context.Option("--chart")) return RunChartWindowRender(context);
    const auto& p = context.Args().positional;
    const auto multiFiles = context.Option("--multi");
    if (p.size() != (multiFiles ? 0u : 1u)) {
        context.Err() << "usage: korvo-cli render FILE.stk|--multi F1,F2[,F3] -o "
                         "OUT.png|OUT.pdf [options]\n";
        return 2;
    }
    auto state = std::make_unique<app::ProgramState>();
    state->view.horizontalScale = 1.0f;
    state->view.verticalScale = 1.0f;
    RenderOptions o;
    if (const auto problem = ReadOptions(context, *state, o)) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        return 2;
    }
    if (multiFiles) {
        if (const auto problem =
                MultiChartRun::Read(*multiFiles, context.Flag("--overlap"), *state)) {
            context.Err() << "korvo-cli: " << *problem << "\n";
            return 2;
        }
    }
    // The load the paint handler runs before it draws.
    data::DataState dataState;
    data::DataEffects effects;
    MultiChartRun multi(context, *state);
    if (multiFiles)
        multi.LoadFirst(dataState);
    else
        LoadSeries(context, p[0], state->series, dataState, effects);
    state->view.horizontalScale = o.horizontal;
    state->view.verticalScale = o.vertical;
    // A weekly or monthly file is shown at full width unless a size was asked for.
    if (effects.resetHorizontalZoom && !o.sizeGiven) state->view.horizontalScale = 1.0f;
    if (multiFiles) multi.ApplyModes(context.Flag("--overlap"), o.sizeGiven);
    state->view.fontVerticalScale = std::min(state->view.verticalScale, 1.0f);
    view::RebuildPensAndBrushes(state->drawing, state->colours);
    view::RebuildFonts(state->drawing, state->view.horizontalScale, state->view.fontVerticalScale);
    state->chart.barStyle = o.style;
    state->view.newDataFlag = o.scrollToEnd;
    if (!o.scrollToEnd) {
        state->view.savedScrollX = o.scrollX;
        state->view.savedScrollY = o.scrollY;
    }
    if (multiFiles) {
        // The overlap draws lines whatever --style says.
        if (state->chart.overlap) state->chart.barStyle = chart::kStyleLine;
        if (o.scrollToEnd) multi.ScrollToNewestOfFirst(o.window, o.screen);
        o.multi = multi.Pages();
    }

    Paint paint;
    platform::RecordingCanvas recorder(o.window);
    if (o.output) {
        if (!PaintToFile(*o.output, context, *state, o, dataState.autoFixOpen, paint,
                         o.trace ? &recorder : nullptr)) {
            context.Err() << "korvo-cli: cannot write " << *o.output << "\n";
            return 1;
        }
    } else {
        PaintInto(recorder, context, *state, o, dataState.autoFixOpen, paint);
    }
    if (o.trace) {
        for (const auto& call : recorder.Calls())
            context.Out() << platform::FormatCall(call) << "\n";
    } else {
        PrintOutcome(context.Out(), paint, *state);
        multi.PrintPages(context.Out());
    }
    if (o.readout && paint.outcome.result == chart::kRenderDrawn)
        PrintReadOut(context.Out(), paint, *state, *o.readout);
    return paint.outcome.result == chart::kRenderDrawn ? 0 : 1;
}

Command MakeRenderCommand() {
    return Command{
        110,
        "render",
        "render FILE.stk|--multi F1,F2[,F3] [--overlap] [-o OUT.png|OUT.pdf] [--trace] "
        "[--plot-start YYYY-MM] [--settings "
        "korvo.ips] [--window WxH] [--screen WxH] [--size H,V] [--style candle|bar|line] "
        "[--scroll end|X,Y] [--indicator CODE] [--on SWITCH,...] [--off SWITCH,...] [--readout "
        "X,Y] [--chart step|brick|trident [--labels N] [--percent P | --amount A]]",
        "load FILE as the program does and paint the chart once as the main window would, into "
        "a PNG or PDF of the client size (--window, default 1280x800; --screen is the display, "
        "default 1920x1080). Size factors come from --size, else from --settings, else 1,1; "
        "--settings also gives colours, switches and parameters. --scroll end puts the newest "
        "bar at 80 % of the width (default); X,Y scrolls to that pixel position. The volume "
        "bars, volume histogram and volume ratio start on; --on/--off set chart switches by "
        "name (tradeVolume, volumeAlarm, volumeHistogram, volumeRatio, volumeAverage, "
        "openCloseLabels, highLowLabels, envelope, psychologicalLine, shinoharaCr, "
        "parabolicSar or sar, ichimokuLines, ichimokuSpans, ichimokuLagging (ichimoku sets all "
        "three), shinoharaCr or cr, tradeVolume or trade-volume, volumeAverage or "
        "volume-average, volumeRatio or volume-ratio, bollinger (the bands, with their "
        "deviation in the indicator panel unless --indicator says otherwise; not drawn while "
        "the SAR is on), movingAverage1..3 or ma1..ma3, psychologicalLine or psychological, "
        "titleOff, annotationsOff); --indicator sets the code of the indicator panel (0 RSI, 1 "
        "%R, 2 deviation, 3/4 stochastics fast/slow, 5 MACD, 6 RCI, 8 on-balance volume, 9 "
        "Bollinger, 10 momentum, 70/71/72 directional movement PDI-MDI/ADX-ADXR/PDI - MDI, 81 "
        "Shinohara AR/BR; the stochastics, MACD, SAR and Shinohara ratio write "
        "bs.sto/bs.mac/bs.sar/bs.sno into --dir). The annotations of the file FILE's header names "
        "are read from --dir and drawn over the chart (annotationsOff hides them). --readout X,Y "
        "prints, after the paint, the two "
        "texts the price read-out "
        "shows "
        "for the cursor at that client point: the bar line (an empty line when no bar stands "
        "there) and the price text. Without "
        "--trace prints the geometry as 'name: value' lines; --trace prints instead every canvas "
        "call of the paint, one per line (kind, device coordinates, pen/brush/font, colour, "
        "alignment, UTF-8 text, clip), and with no -o only traces. --chart step|brick|trident "
        "paints instead one paint of that chart's window (client 740x600, the trident's "
        "700x600, or --window) into a PNG, writing its signal file into --dir, with --scroll X,Y "
        "its scroll position, --labels N its label choice (step 1 or 3, the others 1 to 4; "
        "default as the window opens) and --percent P or --amount A as for signals; prints "
        "result, chart, window, pagesAcross, pagesDown and brickFallCount. --multi draws instead "
        "the "
        "multi-chart of up to three files as the window does after ﾏﾙﾁ（多重） ﾁｬｰﾄ (half "
        "height; --overlap superimposes them as lines at 150 %; --size overrides), with "
        "--scroll end placing the first file's newest bar at 80 %, and prints after the "
        "geometry, per chart, page: N, file: PATH and barCount: N",
        {"-o", "--plot-start", "--settings", "--window", "--screen", "--size", "--style",
         "--scroll", "--indicator", "--on", "--off", "--readout", "--chart", "--labels",
         "--percent", "--amount", "--multi"},
        {"--trace", "--overlap"},
        RunRender};
}

const bool registered = RegisterCommand(MakeRenderCommand());

}  // namespace

}  // namespace korvo::cli
