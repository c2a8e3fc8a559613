#include "data/calendar.h"

#include <gtest/gtest.h>

#include <chrono>

#include "data/derive_period.h"

namespace korvo::data {
namespace {

using namespace std::chrono;

int RealWeekday(int y, int m, int d) {
    return static_cast<int>(
        weekday{sys_days{year_month_day{year{y}, month{unsigned(m)}, day{unsigned(d)}}}}
            .c_encoding());
}

int RealDaysBetween(int y1, int m1, int d1, int y2, int m2, int d2) {
    const sys_days a{year_month_day{year{y1}, month{unsigned(m1)}, day{unsigned(d1)}}};
    const sys_days b{year_month_day{year{y2}, month{unsigned(m2)}, day{unsigned(d2)}}};
    return static_cast<int>((b - a).count());
}

TEST(Calendar, YearPivots) {
    struct Case {
        int year, widened, narrowed;
    };
    const Case cases[] = {
        {0, 2000, 0},     {49, 2049, 49},   {50, 1950, 50},   {99, 1999, 99},
        {100, 2000, 100}, {101, -3, 101},   {1949, -3, 1949}, {1950, 1950, 1950},
        {1951, 1951, 51}, {1999, 1999, 99}, {2000, 2000, 0},  {2004, 2004, 4},
        {2049, 2049, 49}, {2050, -3, 50},   {2051, -3, -3},   {-1, -3, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(WidenYear(c.year), c.widened);
        EXPECT_EQ(NarrowYear(c.year), c.narrowed);
    }
}

TEST(Calendar, DateKeysAdjustTwoDigitYearsOnly) {
    struct Case {
        int y, m, d, key;
    };
    const Case cases[] = {
        {2004, 1, 5, 20040105},   {4, 1, 5, 20040105},  {99, 12, 31, 19991231},
        {1950, 1, 1, 19500101},   {100, 1, 1, 1000101}, {1949, 6, 1, 19490601},
        {2050, 1, 1, 20500101},   {2051, 1, 1, -3},     {-1, 1, 1, -3},
        {2004, 13, 40, 20041340},  // month and day are not checked
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateKey(c.y, c.m, c.d), c.key) << c.y;
    EXPECT_LT(DateKey(2003, 12, 31), DateKey(2004, 1, 1));
}

TEST(Calendar, LeapYearsAreEveryFourthYear) {
    EXPECT_EQ(DaysBeforeMonth(1900, 3), 60);  // 1900 counts as a leap year
    EXPECT_EQ(DaysBeforeMonth(2003, 3), 59);
    EXPECT_EQ(DaysBeforeMonth(2004, 2), 31);
    EXPECT_EQ(DaysBeforeMonth(2004, 12), 335);
    EXPECT_EQ(DaysBeforeMonth(2004, 1), 0);
    EXPECT_EQ(DaysBeforeMonth(2004, 0), 0);
    EXPECT_EQ(DaysBeforeMonth(2004, 13), 0);
}

TEST(Calendar, FirstWeekdayOfTheYearMatchesTheRealCalendar) {
    EXPECT_EQ(Jan1Weekday(2004), 4);  // a Thursday
    EXPECT_EQ(Jan1Weekday(1899), -3);
    for (int y = 1900; y <= 2099; ++y)
        EXPECT_EQ(Jan1Weekday(y), RealWeekday(y, 1, 1)) << y;
}

TEST(Calendar, DayOrdinalCountsCalendarDaysFromTheStartMonth) {
    const int starts[][2] = {{2003, 12}, {2004, 3}, {1999, 1}};
    for (const auto& s : starts) {
        for (int y = s[0]; y <= s[0] + 6; ++y) {
            for (int m = 1; m <= 12; ++m) {
                if (y == s[0] && m < s[1]) continue;
                const int expected = RealDaysBetween(s[0], s[1], 1, y, m, 15) + 1;
                EXPECT_EQ(DayOrdinal(s[0], s[1], 1, y, m, 15), expected) << y << "/" << m;
            }
        }
    }
    EXPECT_EQ(DayOrdinal(2004, 1, 1, 2004, 1, 1), 1);
    EXPECT_EQ(DayOrdinal(2004, 1, 1, 2004, 1, kFirstOfMonth), 1);
    EXPECT_EQ(DayOrdinal(2004, 3, 1, 2003, 12, 1), -9);  // year before the start
    EXPECT_EQ(DayOrdinal(2004, 3, 1, 2004, 2, 28), -9);  // before the start month
    EXPECT_EQ(DayOrdinal(2004, 3, 0, 2004, 2, 28), -1);  // without the check it counts back
}

TEST(Calendar, WeekAndMonthOrdinals) {
    // The chart's week slots: (days before the month + day - (weekday of 1 January - 1)) / 7.
    EXPECT_EQ(WeekOrdinal(2004, 2004, 1, 1), 0);
    EXPECT_EQ(WeekOrdinal(2004, 2004, 1, 9), 0);
    EXPECT_EQ(WeekOrdinal(2004, 2004, 1, 10), 1);
    EXPECT_EQ(WeekOrdinal(2004, 2004, 3, 1), 8);
    EXPECT_EQ(WeekOrdinal(2003, 2004, 1, 10), 53);
    EXPECT_EQ(WeekOrdinal(2005, 2004, 1, 4), -9);
    EXPECT_EQ(MonthOrdinal(2003, 2004, 2), 14);
    EXPECT_EQ(MonthOrdinal(2004, 2004, 1), 1);

    // The derivation's weeks: 2004 began on a Thursday, so days up to Saturday
    // 3 January are week 0 and Sunday 4 January starts week 1.
    struct Case {
        int y, m, d, week;
    };
    const Case weeks[] = {
        {2004, 1, 1, 0},  {2004, 1, 3, 0},    {2004, 1, 4, 1}, {2004, 1, 10, 1},
        {2004, 1, 11, 2}, {2004, 12, 31, 52}, {2005, 1, 1, 0}, {2005, 1, 2, 1},
        {2006, 1, 1, 0},  {2006, 1, 7, 0},    {2006, 1, 8, 1},
    };
    for (const Case& c : weeks)
        EXPECT_EQ(WeekOfYear(c.y, c.m, c.d), c.week) << c.y << c.m << c.d;
    // Weeks run Sunday to Saturday: a Saturday and the next day are in different weeks.
    for (int d = 1; d < 360; ++d) {
        const sys_days date = sys_days{year{2007} / 1 / 1} + days{d};
        const year_month_day ymd{date};
        const year_month_day prev{date - days{1}};
        const int w = WeekOfYear(2007, int(unsigned(ymd.month())), int(unsigned(ymd.day())));
        const int wPrev = WeekOfYear(2007, int(unsigned(prev.month())), int(unsigned(prev.day())));
        EXPECT_EQ(w - wPrev, weekday{date} == Sunday ? 1 : 0) << d;
    }
}

TEST(Calendar, PeriodFromTheFileType) {
    EXPECT_EQ(PeriodOf(210), Period::Day);
    EXPECT_EQ(PeriodOf(220), Period::Day);
    EXPECT_EQ(PeriodOf(212), Period::Week);
    EXPECT_EQ(PeriodOf(222), Period::Week);
    EXPECT_EQ(PeriodOf(214), Period::Month);
    EXPECT_EQ(PeriodOf(224), Period::Month);
    EXPECT_TRUE(IsDailyType(220));
    EXPECT_FALSE(IsDailyType(212));
}

TEST(Calendar, TodayUsesTwoDigitYearPivots) {
    struct Case {
        int systemYear, todayYear;
        const char* text;
    };
    const Case cases[] = {
        {2050, 2050, "2050/ 3/ 9"},  // two-digit 50 widens to 2050 for the date
        {1950, 2050, "2050/ 3/ 9"}, {2051, 1951, "2051/ 3/ 9"},
        {1997, 1997, "2097/ 3/ 9"},  // the date stamp widens 97 to 2097
        {1998, 1998, "1998/ 3/ 9"}, {2026, 2026, "2026/ 3/ 9"},
    };
    for (const Case& c : cases) {
        platform::FixedClock clock({c.systemYear, 3, 9});
        EXPECT_EQ(TodayDate(clock), (platform::CivilDate{c.todayYear, 3, 9})) << c.systemYear;
        EXPECT_EQ(TodayText(clock), c.text) << c.systemYear;
    }
    platform::FixedClock december({2004, 12, 25});
    EXPECT_EQ(TodayText(december), "2004/12/25");
}

}  // namespace
}  // namespace korvo::data
