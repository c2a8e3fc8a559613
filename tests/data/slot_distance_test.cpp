// The slots between two plot starts: what a bar's slot changes by when the
// chart starts at another month, for every period.
#include <gtest/gtest.h>

#include <climits>

#include "data/calendar.h"
#include "data/slot_distance.h"

namespace korvo::data {
namespace {

TEST(SlotDistance, IsWhatEveryBarsDaySlotChangesBy) {
    struct Start {
        int year, month;
    };
    const Start starts[] = {{1990, 1}, {1999, 12}, {2000, 2}, {2000, 3}, {2003, 1},
                            {2004, 3}, {2004, 12}, {2023, 7}, {2049, 11}};
    struct Date {
        int year, month, day;
    };
    const Date dates[] = {
        {2000, 2, 29}, {2004, 3, 10}, {2004, 12, 31}, {2024, 1, 4}, {2049, 12, 31}};
    for (const Start& a : starts) {
        for (const Start& b : starts) {
            for (const Date& d : dates) {
                if (DateKey(d.year, d.month, d.day) < DateKey(a.year, a.month, 1) ||
                    DateKey(d.year, d.month, d.day) < DateKey(b.year, b.month, 1))
                    continue;
                const int fromA = DayOrdinal(a.year, a.month, 1, d.year, d.month, d.day);
                const int fromB = DayOrdinal(b.year, b.month, 1, d.year, d.month, d.day);
                EXPECT_EQ(fromA - fromB,
                          SlotDistance(Period::Day, a.year, a.month, b.year, b.month))
                    << a.year << "/" << a.month << " " << b.year << "/" << b.month;
            }
        }
    }
}

TEST(SlotDistance, CountsDaysWeeksOrMonthsBySignAndPeriod) {
    struct Case {
        Period period;
        int fromYear, fromMonth, toYear, toMonth;
        long long slots;
    };
    const Case cases[] = {
        // A plot start two months earlier: January and February before March.
        {Period::Day, 2003, 3, 2003, 1, -59},
        {Period::Day, 2004, 3, 2004, 1, -60},
        {Period::Day, 2003, 1, 2003, 3, 59},
        {Period::Day, 2004, 1, 2005, 1, 366},
        {Period::Day, 2004, 5, 2004, 5, 0},
        // Weekly and monthly charts count from the start year alone.
        {Period::Week, 2004, 3, 2004, 1, 0},
        {Period::Week, 2006, 1, 2004, 7, -104},
        {Period::Month, 2004, 3, 2004, 1, 0},
        {Period::Month, 2001, 1, 2004, 1, 36},
        // A month outside 1..12 counts as January; the distance is held at a million.
        {Period::Day, 2004, 0, 2004, 13, 0},
        {Period::Day, INT_MIN, 1, INT_MAX, 12, 1000000},
        {Period::Month, INT_MAX, 1, INT_MIN, 1, -1000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SlotDistance(c.period, c.fromYear, c.fromMonth, c.toYear, c.toMonth), c.slots)
            << c.fromYear << "/" << c.fromMonth << " -> " << c.toYear << "/" << c.toMonth;
}

}  // namespace
}  // namespace korvo::data
