// The program's own calendar arithmetic: fixed pivots for two-digit years,
// dates compared as one integer key, every fourth year a leap year, and the
// ordinals that place bars on the chart's calendar grid.
#pragma once

#include <string>

#include "platform/clock.h"

namespace korvo::data {

// What the chart counts its bars in, from the units digit of the file type.
enum class Period { Day, Week, Month };

// 212/222 week, 214/224 month; every other type is drawn as days.
Period PeriodOf(int fileTypeId);
// The daily file types the period commands act on.
constexpr bool IsDailyType(int fileTypeId) {
    return fileTypeId == 210 || fileTypeId == 220;
}

// 50..100 -> 1950..2000, 0..49 -> 2000..2049, 1950..2049 as they are, else -3.
int WidenYear(int year);
// 1951..1999 -> year - 1900, 2000..2050 -> year - 2000, others unchanged; -3 when
// the result lies outside 0..2050.
int NarrowYear(int year);
// year * 10000 + month * 100 + day, with two-digit years adjusted first; -3 for a
// negative year or one above 2050. Month and day are not checked.
int DateKey(int year, int month, int day);
// Days of the year before the first of the month (every fourth year a leap year,
// 1900 included). A month outside 1..12 gives 0.
int DaysBeforeMonth(int year, int month);
// Weekday of 1 January, 0 = Sunday .. 6 = Saturday; -3 before 1900.
int Jan1Weekday(int year);

// The day of 1 January when it stands for "the first of the month".
inline constexpr int kFirstOfMonth = -999;
// 1-based calendar day of the date counted from the first of the start month;
// -9 when the year is before startYear, or when flag > 0 and the date lies before
// the start month.
int DayOrdinal(int startYear, int startMonth, int flag, int year, int month, int day);
// Week slot of the weekly chart; -9 when the year is before startYear.
int WeekOrdinal(int startYear, int year, int month, int day);
// Month slot of the monthly chart.
int MonthOrdinal(int startYear, int year, int month);

// Today as the program keeps it: the system date cut to a two-digit year and
// widened again (below 51 -> 20xx).
platform::CivilDate TodayDate(const platform::Clock& clock);
// "%4d/%2d/%2d" of today, the two-digit year widened with the pivot 98.
std::string TodayText(const platform::Clock& clock);

}  // namespace korvo::data
