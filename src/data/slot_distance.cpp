#include "data/slot_distance.h"

#include <algorithm>

namespace korvo::data {

namespace {

constexpr long long kMaxDistance = 1'000'000;

long long FloorDiv4(long long v) {
    return v >= 0 ? v / 4 : -((-v + 3) / 4);
}

// Days from an arbitrary epoch to the first of the month, with every fourth
// year a leap year, as DayOrdinal counts them.
long long DayNumberOfFirst(long long year, int month) {
    const int m = (month >= 1 && month <= 12) ? month : 1;
    // Multiples of four in [0, year): the leap days before the year began.
    const long long leapDays = FloorDiv4(year - 1) + 1;
    // DaysBeforeMonth only looks at the year modulo 4, so any year is safe there.
    const int yearMod4 = static_cast<int>(((year % 4) + 4) % 4);
    return year * 365 + leapDays + DaysBeforeMonth(yearMod4 == 0 ? 2000 : 2001, m);
}

}  // namespace

long long SlotDistance(Period period, int fromYear, int fromMonth, int toYear, int toMonth) {
    const long long years = static_cast<long long>(toYear) - fromYear;
    long long slots = 0;
    switch (period) {
        case Period::Week:
            slots = years * 52;
            break;
        case Period::Month:
            slots = years * 12;
            break;
        case Period::Day:
            slots = DayNumberOfFirst(toYear, toMonth) - DayNumberOfFirst(fromYear, fromMonth);
            break;
    }
    return std::clamp(slots, -kMaxDistance, kMaxDistance);
}

}  // namespace korvo::data
