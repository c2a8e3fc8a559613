#include "view/drawing_objects.h"

#include <algorithm>
#include <string>

namespace korvo::view {

namespace {

using platform::Charset;
using platform::DrawnColour;
using platform::PenStyle;

constexpr std::array<std::string_view, kPaletteSize> kPaletteBrushRoles = {
    "paletteBrush[0]",  "paletteBrush[1]",  "paletteBrush[2]",  "paletteBrush[3]",
    "paletteBrush[4]",  "paletteBrush[5]",  "paletteBrush[6]",  "paletteBrush[7]",
    "paletteBrush[8]",  "paletteBrush[9]",  "paletteBrush[10]", "paletteBrush[11]",
    "paletteBrush[12]", "paletteBrush[13]", "paletteBrush[14]", "paletteBrush[15]"};
constexpr std::array<std::string_view, kPaletteSize> kPalettePenRoles = {
    "palettePen[0]",  "palettePen[1]",  "palettePen[2]",  "palettePen[3]",
    "palettePen[4]",  "palettePen[5]",  "palettePen[6]",  "palettePen[7]",
    "palettePen[8]",  "palettePen[9]",  "palettePen[10]", "palettePen[11]",
    "palettePen[12]", "palettePen[13]", "palettePen[14]", "palettePen[15]"};
constexpr std::array<std::string_view, 4> kExtraPenRoles = {"extraLinePens[0]", "extraLinePens[1]",
                                                            "extraLinePens[2]", "extraLinePens[3]"};

// Only the low 24 bits of a colour are ever drawn.
Pen MakePen(std::vector<std::string_view>& log, std::string_view role, PenStyle style, int width,
            Colour colour) {
    log.push_back(role);
    return Pen{style, width, DrawnColour(colour)};
}

Brush MakeBrush(std::vector<std::string_view>& log, std::string_view role, Colour colour) {
    log.push_back(role);
    return Brush{DrawnColour(colour), false};
}

Font MakeFont(std::vector<std::string_view>& log, std::string_view role, std::string_view face,
              int characterHeight, int escapement) {
    log.push_back(role);
    Font font;
    font.face = std::string(face);
    font.height = -characterHeight;
    font.weight = 400;
    font.escapement = escapement;
    font.charset = face == kJapaneseFace ? Charset::ShiftJis : Charset::Default;
    return font;
}

}  // namespace

int FontSizeFor(float verticalFactor) {
    // Computed in single precision as the factor is kept, then truncated.
    const float scaled = verticalFactor * 100.0f;
    if (!(scaled < static_cast<float>(kMaxFontSize))) return kMaxFontSize;
    if (scaled < 0.0f) return 0;  // no factor in use is negative; never convert one out of range
    return static_cast<int>(scaled);
}

void CreatePensAndBrushes(DrawingObjects& o, const ColourTable& c) {
    std::vector<std::string_view> log;
    for (int i = 0; i < kPaletteSize; ++i) {
        o.paletteBrush[i] = MakeBrush(log, kPaletteBrushRoles[i], c.palette[i]);
    }
    for (int i = 0; i < kPaletteSize; ++i) {
        o.palettePen[i] = MakePen(log, kPalettePenRoles[i], PenStyle::Solid, 1, c.palette[i]);
    }
    o.bollingerPen = MakePen(log, "bollingerPen", PenStyle::Solid, 1, c.bollinger);
    o.volumeAveragePen = MakePen(log, "volumeAveragePen", PenStyle::Solid, 1, c.volumeAverage);
    const std::array<Colour, 4> extra = {c.element33, c.element34, c.element35, c.element36};
    for (int i = 0; i < 4; ++i) {
        o.extraLinePens[i] = MakePen(log, kExtraPenRoles[i], PenStyle::Solid, 1, extra[i]);
    }
    o.upBarPen3 = MakePen(log, "upBarPen3", PenStyle::Solid, 3, c.risingBars);
    o.downBarPen3 = MakePen(log, "downBarPen3", PenStyle::Solid, 3, c.fallingBars);
    o.upBarPen10 = MakePen(log, "upBarPen10", PenStyle::Solid, 10, c.risingBars);
    o.downBarPen10 = MakePen(log, "downBarPen10", PenStyle::Solid, 10, c.fallingBars);
    o.separatorPen = MakePen(log, "separatorPen", PenStyle::Dot, 1, c.grid);
    o.annotationPen = MakePen(log, "annotationPen", PenStyle::Solid, 1, c.annotation);
    o.framePen = MakePen(log, "framePen", PenStyle::Solid, 1, c.frame);
    o.linePen = MakePen(log, "linePen", PenStyle::Solid, 1, c.lines);
    o.gridPen = MakePen(log, "gridPen", PenStyle::Dot, 1, c.grid);
    o.ma1Pen = MakePen(log, "ma1Pen", PenStyle::Dash, 1, c.movingAverage1);
    o.ma2Pen = MakePen(log, "ma2Pen", PenStyle::DashDot, 1, c.movingAverage2);
    o.annotationDashPen = MakePen(log, "annotationDashPen", PenStyle::DashDotDot, 1, c.annotation);
    o.downBarBrush = MakeBrush(log, "downBarBrush", c.fallingBars);
    o.upBarBrush = MakeBrush(log, "upBarBrush", c.risingBars);
    o.priceAreaBrush = MakeBrush(log, "priceAreaBrush", c.priceArea);
    o.graphBackgroundBrush = MakeBrush(log, "graphBackgroundBrush", c.graphArea);

    o.titleText = DrawnColour(c.titleText);
    o.dateText = DrawnColour(c.dateText);
    o.scaleText = DrawnColour(c.scaleText);
    o.annotationText = DrawnColour(c.annotation);

    o.penCreationOrder = std::move(log);
    o.pensCreated = true;
    ++o.penGeneration;
}

void DeletePensAndBrushes(DrawingObjects& o) {
    if (!o.pensCreated) return;
    // Nothing may draw with released objects: put every role back to its blank state.
    DrawingObjects blank;
    o.paletteBrush = blank.paletteBrush;
    o.palettePen = blank.palettePen;
    o.bollingerPen = o.volumeAveragePen = Pen{};
    o.extraLinePens = blank.extraLinePens;
    o.upBarPen3 = o.downBarPen3 = o.upBarPen10 = o.downBarPen10 = Pen{};
    o.separatorPen = o.annotationPen = o.framePen = o.linePen = o.gridPen = Pen{};
    o.ma1Pen = o.ma2Pen = o.annotationDashPen = Pen{};
    o.downBarBrush = o.upBarBrush = o.priceAreaBrush = o.graphBackgroundBrush = Brush{};
    o.titleText = o.dateText = o.scaleText = o.annotationText = 0;
    o.pensCreated = false;
}

void RebuildPensAndBrushes(DrawingObjects& o, const ColourTable& colours) {
    DeletePensAndBrushes(o);
    CreatePensAndBrushes(o, colours);
}

void CreateFonts(DrawingObjects& o, float /*horizontalFactor*/, float verticalFactor) {
    const int size = FontSizeFor(verticalFactor);
    std::vector<std::string_view> log;
    o.verticalSmallFont = MakeFont(log, "verticalSmallFont", kLatinFace, 9, 900);
    o.verticalJapaneseFont = MakeFont(log, "verticalJapaneseFont", kJapaneseFace, 11, 900);
    o.smallFont = MakeFont(log, "smallFont", kLatinFace, 9, 0);
    o.mediumFont = MakeFont(log, "mediumFont", kLatinFace, 12, 0);
    o.statusFont = MakeFont(log, "statusFont", kJapaneseFace, 12, 0);
    o.largeJapaneseFont = MakeFont(log, "largeJapaneseFont", kJapaneseFace, 14, 0);
    o.labelFont = MakeFont(log, "labelFont", kJapaneseFace, size * 60 / 100, 0);
    o.chart50Font = MakeFont(log, "chart50Font", kLatinFace, size * 50 / 100, 0);
    o.scaleFont = MakeFont(log, "scaleFont", kLatinFace, size * 45 / 100, 0);
    o.chartJapanese30Font = MakeFont(log, "chartJapanese30Font", kJapaneseFace, size * 30 / 100, 0);
    o.markerFont = MakeFont(log, "markerFont", kLatinFace, size * 30 / 100, 0);
    o.signalFont = MakeFont(log, "signalFont", kLatinFace, size * 36 / 100, 0);
    o.verticalValueFont = MakeFont(log, "verticalValueFont", kLatinFace, size * 28 / 100, -900);
    o.fontSize = size;
    o.fontCreationOrder = std::move(log);
    o.fontsCreated = true;
    ++o.fontGeneration;
}

void DeleteFonts(DrawingObjects& o) {
    if (!o.fontsCreated) return;
    o.verticalSmallFont = o.verticalJapaneseFont = o.smallFont = o.mediumFont = Font{};
    o.statusFont = o.largeJapaneseFont = o.labelFont = o.chart50Font = o.scaleFont = Font{};
    o.chartJapanese30Font = o.markerFont = o.signalFont = o.verticalValueFont = Font{};
    o.fontSize = 0;
    o.fontsCreated = false;
}

void RebuildFonts(DrawingObjects& o, float horizontalFactor, float verticalFactor) {
    DeleteFonts(o);
    CreateFonts(o, horizontalFactor, verticalFactor);
}

}  // namespace korvo::view
