#include "data/calendar.h"

#include <climits>
#include <cstdint>
#include <cstdio>

namespace korvo::data {

namespace {

// Multiples of 4 in [first, last), for any sign (floor division).
long long MultiplesOfFourBetween(long long first, long long last) {
    auto floorDiv4 = [](long long v) { return v >= 0 ? v / 4 : -((-v + 3) / 4); };
    if (last <= first) return 0;
    return floorDiv4(last - 1) - floorDiv4(first - 1);
}

int Saturate(long long v) {
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

}  // namespace

Period PeriodOf(int fileTypeId) {
    switch (fileTypeId % 10) {
        case 2:
            return Period::Week;
        case 4:
            return Period::Month;
        default:
            return Period::Day;
    }
}

int WidenYear(int year) {
    if (year >= 50 && year <= 100) return year + 1900;
    if (year >= 0 && year <= 49) return year + 2000;
    if (year >= 1950 && year <= 2049) return year;
    return -3;
}

int NarrowYear(int year) {
    int result = year;
    if (year >= 1951 && year <= 1999) {
        result = year - 1900;
    } else if (year >= 2000 && year <= 2050) {
        result = year - 2000;
    }
    if (result < 0 || result > 2050) return -3;
    return result;
}

int DateKey(int year, int month, int day) {
    if (year < 1950 || year > 2049) {
        if (year < 0 || year > 2050) return -3;
        if (year >= 50 && year <= 99) year += 1900;
        if (year >= 0 && year <= 49) year += 2000;
    }
    return Saturate(static_cast<long long>(year) * 10000 + static_cast<long long>(month) * 100 +
                    day);
}

int DaysBeforeMonth(int year, int month) {
    static constexpr int kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    if (month < 1 || month > 12) return 0;
    int days = kBefore[month - 1];
    if (month >= 3 && year % 4 == 0) ++days;
    return days;
}

int Jan1Weekday(int year) {
    if (year < 1900) return -3;
    const int weekday = ((year - 1901) / 4 + (year - 1900)) % 7 + 1;
    return weekday == 7 ? 0 : weekday;
}

int DayOrdinal(int startYear, int startMonth, int flag, int year, int month, int day) {
    if (year < startYear) return -9;
    if (day == kFirstOfMonth) day = 1;
    if (flag > 0 && DateKey(year, month, day) < DateKey(startYear, startMonth, 1)) return -9;
    const long long days = (static_cast<long long>(year) - startYear) * 365 -
                           DaysBeforeMonth(startYear, startMonth) + DaysBeforeMonth(year, month) +
                           MultiplesOfFourBetween(startYear, year) + day;
    return Saturate(days);
}

int WeekOrdinal(int startYear, int year, int month, int day) {
    if (year < startYear) return -9;
    const long long inYear =
        (static_cast<long long>(DaysBeforeMonth(year, month)) + day - (Jan1Weekday(year) - 1)) / 7;
    return Saturate((static_cast<long long>(year) - startYear) * 52 + inYear);
}

int MonthOrdinal(int startYear, int year, int month) {
    return Saturate((static_cast<long long>(year) - startYear) * 12 + month);
}

platform::CivilDate TodayDate(const platform::Clock& clock) {
    const platform::CivilDate now = clock.Today();
    const int twoDigits = ((now.year % 100) + 100) % 100;
    return {twoDigits < 51 ? 2000 + twoDigits : 1900 + twoDigits, now.month, now.day};
}

std::string TodayText(const platform::Clock& clock) {
    const platform::CivilDate now = clock.Today();
    const int twoDigits = ((now.year % 100) + 100) % 100;
    const int year = twoDigits < 98 ? 2000 + twoDigits : 1900 + twoDigits;
    char text[32];
    std::snprintf(text, sizeof text, "%4d/%2d/%2d", year, now.month, now.day);
    return text;
}

}  // namespace korvo::data
