#include "chart/date_axis.h"

#include <cstdio>

#include "data/calendar.h"

namespace korvo::chart {

using platform::HAlign;
using platform::Point;
using platform::VAlign;

int AxisMonthLength(int year, int month) {
    switch (month) {
        case 2:
            return year % 4 == 0 ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

int CellLength(std::string_view utf8) {
    int cells = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t len = 1;
        if (c >= 0xF0)
            len = 4;
        else if (c >= 0xE0)
            len = 3;
        else if (c >= 0xC0)
            len = 2;
        // Half-width katakana are one byte in the program's code page.
        const bool halfWidth = len == 1 || (len == 3 && c == 0xEF && i + 1 < utf8.size() &&
                                            (static_cast<unsigned char>(utf8[i + 1]) == 0xBD ||
                                             static_cast<unsigned char>(utf8[i + 1]) == 0xBE));
        cells += halfWidth ? 1 : 2;
        i += len;
    }
    return cells;
}

namespace {

class Axis {
  public:
    explicit Axis(const DateAxisInput& in)
        : in_(in),
          g_(in.geometry),
          canvas_(in.canvas),
          lineTop_(LogicalY(g_.priceTop, g_.yPercent)),
          lineBottom_(LogicalY(in.multiChart ? g_.priceBottom : g_.chartBottom, g_.yPercent)) {}

    const ChartGeometry& G() const { return g_; }

    // A calendar boundary from the top of the price panel down.
    void VerticalLine(int layoutX, int extraLogical = 0) {
        const int x = LogicalX(layoutX, g_.xPercent) + extraLogical;
        canvas_.MoveTo({x, lineTop_});
        canvas_.LineTo({x, lineBottom_});
    }

    void Text(int layoutX, int layoutY, HAlign align, const char* text) {
        canvas_.SetTextAlign(align, VAlign::Top);
        canvas_.TextOut(LogicalPoint(layoutX, layoutY, g_), text);
    }

    // Black, then (unless printing) white 3 logical units left and up.
    void ShadowedText(int layoutX, int layoutY, const char* text) {
        const Point at = LogicalPoint(layoutX, layoutY, g_);
        canvas_.SetTextAlign(HAlign::Centre, VAlign::Top);
        canvas_.SetTextColour(in_.objects.paletteBrush[0].colour);
        canvas_.TextOut(at, text);
        if (!in_.printing) {
            canvas_.SetTextColour(in_.objects.paletteBrush[15].colour);
            canvas_.TextOut({at.x - 3, at.y + 3}, text);
        }
        canvas_.SetTextColour(in_.objects.dateText);
    }

    void Begin() {
        canvas_.SelectPen(in_.objects.separatorPen);
        canvas_.SetTextColour(in_.objects.dateText);
    }

    platform::Canvas& Canvas() { return canvas_; }
    const view::DrawingObjects& Objects() const { return in_.objects; }

  private:
    const DateAxisInput& in_;
    const ChartGeometry& g_;
    platform::Canvas& canvas_;
    int lineTop_;
    int lineBottom_;
};

// The month label below the price panel at the end of a month.
void MonthEndLabel(Axis& axis, int i, int year, int month) {
    const ChartGeometry& g = axis.G();
    const int xp = g.xPercent;
    char text[32];
    if (month == 12) {
        std::snprintf(text, sizeof text, xp < 5 ? "%d" : "%d/1", year + 1);
    } else if (xp >= 30) {
        std::snprintf(text, sizeof text, "%d/1", month + 1);
    } else if (xp >= 15) {
        std::snprintf(text, sizeof text, "%d", month + 1);
    } else {
        std::snprintf(text, sizeof text, " ");
    }
    axis.Canvas().SelectFont(axis.Objects().scaleFont);
    axis.Text(g.leftX + (i + 1) * g.slotPitch + 20, g.priceBottom + 1, HAlign::Centre, text);
}

// Layout y of the day numbers at this size, or 0 when day d is not numbered.
int DayNumberY(const ChartGeometry& g, int d) {
    const int xp = g.xPercent;
    if (xp >= 20 && xp < 50) return (d == 1 || d == 10 || d == 20 || d == 30) ? g.priceTop - 50 : 0;
    if (xp >= 50 && xp < 150) return (d == 1 || d % 5 == 0) ? g.priceTop - 40 : 0;
    if (xp >= 150) return g.priceTop - 40;
    return 0;
}

void MidMonthCaption(Axis& axis, int i, int year, int month) {
    const ChartGeometry& g = axis.G();
    const int x = g.leftX + (2 * i + 1) * g.slotPitch / 2;
    char text[32];
    axis.Canvas().SelectFont(axis.Objects().scaleFont);
    if (g.xPercent < 26) {
        std::snprintf(text, sizeof text, "%d", month);
        axis.Text(x, g.priceTop - 110, HAlign::Centre, text);
        if (month == 1) {
            std::snprintf(text, sizeof text, "%4d", year);
            axis.ShadowedText(x, g.priceTop - 140, text);
        }
    } else {
        std::snprintf(text, sizeof text, " %d/%d ", year, month);
        axis.ShadowedText(x, g.priceTop - 110, text);
    }
}

}  // namespace

void DrawDailyDateAxis(const DateAxisInput& in) {
    Axis axis(in);
    const ChartGeometry& g = in.geometry;
    platform::Canvas& canvas = in.canvas;
    axis.Begin();
    int year = in.plotStartYear;
    int month = (in.plotStartMonth >= 1 && in.plotStartMonth <= 12) ? in.plotStartMonth : 1;
    int day = 1;
    int length = AxisMonthLength(year, month);
    char text[16];
    for (int i = 0; i < g.slotCount; ++i) {
        if (day == length - 1) {
            // The boundary stands at the left edge of the next month's first day.
            const bool newYear = month == 12;
            if (g.xPercent >= 20 || newYear) {
                canvas.SelectPen(in.objects.separatorPen);
                axis.VerticalLine(g.leftX + (i + 2) * g.slotPitch);
                if (newYear) axis.VerticalLine(g.leftX + (i + 2) * g.slotPitch, 1);
            }
            MonthEndLabel(axis, i, year, month);
        }
        if (const int y = DayNumberY(g, day); y != 0) {
            const int n = std::snprintf(text, sizeof text, "%d", day);
            canvas.SelectFont(in.objects.markerFont);
            axis.Text(g.leftX + i * g.slotPitch + 20 - 10 * n, y, HAlign::Left, text);
        }
        if (day == 14) MidMonthCaption(axis, i, year, month);
        if (++day > length) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
            length = AxisMonthLength(year, month);
        }
    }
}

void DrawWeeklyDateAxis(const DateAxisInput& in) {
    // Months by the week number they are written at, January first.
    static constexpr int kMonthWeeks[12] = {3, 7, 11, 15, 19, 23, 28, 33, 37, 41, 45, 50};
    Axis axis(in);
    const ChartGeometry& g = in.geometry;
    platform::Canvas& canvas = in.canvas;
    axis.Begin();
    const int firstWeekday = data::Jan1Weekday(in.plotStartYear);
    const long long weekday0 = firstWeekday < 0 ? 0 : firstWeekday;
    const long long days = static_cast<long long>(g.slotCount) * 7;
    int week = 0;
    int k = 0;
    int year = in.plotStartYear;
    char text[32];
    for (long long d = 0; d < days; ++d) {
        if ((weekday0 + d) % 7 != 6) continue;
        week = week % 52 + 1;
        ++k;
        const bool numbered = g.xPercent > 20 && (g.xPercent < 90 ? week % 10 == 0 : week % 2 == 0);
        if (numbered) {
            const int n = std::snprintf(text, sizeof text, "%d", week);
            canvas.SelectFont(in.objects.labelFont);
            axis.Text(g.leftX + k * g.slotPitch + 20 - 10 * n, g.priceTop - 45, HAlign::Left, text);
        }
        if (g.xPercent > 40) {
            for (int m = 1; m <= 12; ++m) {
                if (kMonthWeeks[m - 1] != week) continue;
                if (m % 2 == 1 && g.xPercent <= 90) break;
                std::snprintf(text, sizeof text, "%d月", m);
                canvas.SelectFont(in.objects.labelFont);
                axis.Text(g.leftX + (k + 1) * g.slotPitch - 10 * CellLength(text),
                          (g.chartTop + g.priceTop - 20) / 2, HAlign::Left, text);
                break;
            }
        }
        if (week == 52 || week == 26) {
            canvas.SelectPen(in.objects.separatorPen);
            axis.VerticalLine(g.leftX + (week == 52 ? k : k - 1) * g.slotPitch);
        }
        if (week == 27) {
            const int n = std::snprintf(text, sizeof text, "%d", year);
            canvas.SelectFont(in.objects.scaleFont);
            axis.Text(g.leftX + (k + 1) * g.slotPitch - 10 * n, g.chartTop + 15, HAlign::Left,
                      text);
            ++year;
        }
    }
}

void DrawMonthlyDateAxis(const DateAxisInput& in) {
    Axis axis(in);
    const ChartGeometry& g = in.geometry;
    platform::Canvas& canvas = in.canvas;
    axis.Begin();
    canvas.SelectFont(in.objects.scaleFont);
    const bool fine = g.xPercent > 90;
    int year = in.plotStartYear;
    char text[32];
    for (int k = 1; k <= g.slotCount; ++k) {
        const int month = (k - 1) % 12 + 1;
        const int x = g.leftX + k * g.slotPitch;
        if (month == 2 || month == 6 || month == 10 ||
            (fine && (month == 4 || month == 8 || month == 12))) {
            std::snprintf(text, sizeof text, "%d", month);
            axis.Text(x, (g.chartTop + g.priceTop - 10) / 2, HAlign::Centre, text);
        }
        if (month == 12 || (fine && month == 6)) axis.VerticalLine(x);
        if (month == 6) {
            const int n = std::snprintf(text, sizeof text, "%d", year);
            axis.Text(x - 10 * n, g.chartTop + 25, HAlign::Centre, text);
            ++year;
        }
    }
}

}  // namespace korvo::chart
