// The calendar along the time axis: month boundaries, day, week and month
// numbers and the years, for daily, weekly and monthly charts.
#pragma once

#include <string_view>

#include "chart/chart_geometry.h"
#include "platform/canvas.h"
#include "view/drawing_objects.h"

namespace korvo::chart {

struct DateAxisInput {
    platform::Canvas& canvas;
    const ChartGeometry& geometry;
    const view::DrawingObjects& objects;
    int plotStartYear = 0;
    int plotStartMonth = 1;
    // In a multi-chart the lines stop at the bottom of the price panel.
    bool multiChart = false;
    // Printing leaves out the white shadows.
    bool printing = false;
};

// Days in a month of the chart's calendar: every fourth year a leap year.
int AxisMonthLength(int year, int month);
// Width of a text in half-width cells, as the axis centres its numbers.
int CellLength(std::string_view utf8);

void DrawDailyDateAxis(const DateAxisInput& input);
void DrawWeeklyDateAxis(const DateAxisInput& input);
void DrawMonthlyDateAxis(const DateAxisInput& input);

}  // namespace korvo::chart
