#include "chart/status_bar.h"

#include "data/data_text.h"
#include "data/printf.h"

namespace korvo::chart {

using platform::Canvas;
using platform::HAlign;
using platform::Point;
using platform::Rect;
using platform::VAlign;

int DrawStatusPanel(Canvas& canvas, const view::DrawingObjects& objects, int clientWidth,
                    std::string_view text, int y, int x) {
    const platform::Size extent = canvas.TextExtent(text);
    const int left = (x == -1 ? clientWidth - extent.width - 40 : x) + 5;
    const int top = y + 5;
    const int right = left + 4 + extent.width + 4;
    const int bottom = top + 2 + extent.height + 2;
    canvas.SetTextAlign(HAlign::Left, VAlign::Top);
    canvas.SetTextColour(objects.paletteBrush[0].colour);
    canvas.TextOut({left + 5, top + 3}, text);
    canvas.SetTextColour(objects.paletteBrush[15].colour);
    canvas.TextOut({left + 4, top + 2}, text);
    // Light from the top left: white top and left edges, black bottom and right.
    canvas.SelectPen(objects.palettePen[15]);
    canvas.MoveTo({left, bottom});
    canvas.LineTo({left, top});
    canvas.LineTo({right, top});
    canvas.SelectPen(objects.palettePen[0]);
    canvas.LineTo({right, bottom});
    canvas.LineTo({left, bottom});
    return right;
}

void DrawStatusBar(Canvas& canvas, const view::DrawingObjects& objects, platform::Size client,
                   std::string_view text1, std::string_view text2, int x, const TitleBox* title) {
    platform::CanvasStateGuard guard(canvas);
    canvas.SetMapMode(platform::MapMode::Device);
    canvas.SetViewportOrigin({0, 0});
    canvas.SetClip(Rect{0, 0, client.width, client.height});
    canvas.SetRasterOp(platform::RasterOp::CopyPen);
    canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
    canvas.SelectFont(objects.statusFont);
    const int top = client.height - kStatusStripHeight;
    if (x == 0) {
        canvas.SelectPen(objects.palettePen[0]);
        canvas.SelectBrush(objects.paletteBrush[7]);
        canvas.Rectangle(Rect{0, top, client.width, client.height});
        canvas.MoveTo({0, top});
        canvas.LineTo({client.width, top});
        canvas.SelectPen(objects.palettePen[15]);
        canvas.MoveTo({0, top + 1});
        canvas.LineTo({client.width, top + 1});
    }
    int right = DrawStatusPanel(canvas, objects, client.width, text1, top, x);
    if (!text2.empty()) right = DrawStatusPanel(canvas, objects, client.width, text2, top, right);
    if (x == 0 && title != nullptr && !title->text.empty())
        DrawStatusPanel(canvas, objects, client.width, title->text, title->y, 0);
}

StatusTexts MakeStatusTexts(const RenderContext& c) {
    const data::PriceSeries& s = c.series;
    const ChartGeometry& g = c.geometry;
    StatusTexts t;
    if (data::PriceHasFraction(s.rawMaxHigh) || data::PriceHasFraction(s.rawMinLow)) {
        t.text1 = data::Printf(" %s | Max %7.2f Min %7.2f ", s.dataPath.c_str(),
                               static_cast<double>(s.rawMaxHigh), static_cast<double>(s.rawMinLow));
    } else {
        t.text1 = data::Printf(" %s | Max %d Min %d ", s.dataPath.c_str(), TruncToInt(s.rawMaxHigh),
                               TruncToInt(s.rawMinLow));
    }
    if (c.client.width >= kStatusSizeTextMinWidth)
        t.text2 = data::Printf("%4d%% W X %4d%% H ", g.xPercent, g.yPercent);
    if (c.chartShown && !c.options.overlap && !c.options.titleOff) {
        const char* format = "%s [%s]";
        if (s.fileTypeId == 210)
            format = "%s [%s](日足)";
        else if (s.fileTypeId == 212)
            format = "%s [%s](週足)";
        else if (s.fileTypeId == 214)
            format = "%s [%s](月足)";
        t.title = data::Printf(format, s.title.c_str(), s.marketCode.c_str());
    }
    if (s.barCount > 0) {
        const auto last = static_cast<std::size_t>(s.barCount - 1);
        t.range = data::Printf(
            c.autoFixOpen ? "%d/%d/%d - %d/%d/%d | %s@ " : "%d/%d/%d - %d/%d/%d | %s ", s.year[0],
            s.month[0], s.day[0], s.year[last], s.month[last], s.day[last], s.title.c_str());
    }
    t.rangeFlag = c.autoFixOpen ? "Auto" : "No";
    return t;
}

void UpdateStatusLine(const RenderContext& c) {
    const StatusTexts t = MakeStatusTexts(c);
    const TitleBox box{t.title, c.geometry.priceTopDevice + 5};
    DrawStatusBar(c.canvas, c.objects, c.client, t.text1, t.text2, 0, &box);
    if (!c.printing) DrawStatusBar(c.canvas, c.objects, c.client, t.range, t.rangeFlag, -1);
}

}  // namespace korvo::chart
