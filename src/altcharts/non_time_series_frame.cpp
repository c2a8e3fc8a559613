#include "altcharts/non_time_series_frame.h"

namespace korvo::altcharts {

namespace {

using platform::Point;

constexpr platform::Colour kStockDarkGrey = 0x404040;
constexpr platform::Pen kStockWhitePen{platform::PenStyle::Solid, 1, 0xFFFFFF};
constexpr platform::Pen kStockBlackPen{platform::PenStyle::Solid, 1, 0x000000};

}  // namespace

void DrawNonTimeSeriesFrame(platform::Canvas& canvas, const view::DrawingObjects& o,
                            std::string_view seriesTitle, std::string_view chartTitle, int left,
                            int right, int top, int bottom, int scrollY) {
    canvas.Save();
    const int centre = (left + right) / 2;
    canvas.SetTextColour(o.titleText);
    canvas.SelectFont(o.statusFont);
    canvas.SetTextAlign(platform::HAlign::Centre, platform::VAlign::Top);
    canvas.TextOut(Point{centre, top - 37}, seriesTitle);
    canvas.TextOut(Point{centre, top - 20}, chartTitle);

    canvas.FillRect(platform::Rect{left - 3, top - 3, right + 3, bottom + 3},
                    platform::Brush{kStockDarkGrey, false});
    canvas.SetRasterOp(platform::RasterOp::CopyPen);
    // Lit from the top left: white above and left, black below and right.
    canvas.SelectPen(kStockWhitePen);
    canvas.MoveTo(Point{left - 1, bottom});
    canvas.LineTo(Point{left - 1, top - 1});
    canvas.LineTo(Point{right + 1, top - 1});
    canvas.SelectPen(kStockBlackPen);
    canvas.MoveTo(Point{left - 1, bottom + 1});
    canvas.LineTo(Point{right + 1, bottom + 1});
    canvas.LineTo(Point{right + 1, top - 1});
    canvas.Restore();

    canvas.SetTextAlign(platform::HAlign::Left, platform::VAlign::Top);
    canvas.SetViewportOrigin(Point{0, -scrollY});
}

}  // namespace korvo::altcharts
