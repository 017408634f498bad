// SPDX-License-Identifier: MIT

#include "zones/daylight.h"

#include "zones/countrytable.h"

// Found arithmetically rather than by stepping through days with a conversion each: the same
// day, at a fraction of the cost.
int NthWeekdayDay(int year, int month, int week, int dayOfWeek)
{
    const int wanted = dayOfWeek - 1; // 0 = Sunday
    if (week == 5) {
        const int last = DaysInMonth(year, month);
        const int lastWeekday = WeekdayOf(year, month, last);
        return last - (lastWeekday - wanted + 7) % 7;
    }
    const int firstWeekday = WeekdayOf(year, month, 1);
    return 1 + (wanted - firstWeekday + 7) % 7 + (week - 1) * 7;
}

namespace {

bool AcrossYearEnd(const CountryEntry &entry)
{
    return !(entry.daylightMonthStart < entry.daylightMonthEnd);
}

int LocalYear(TimeValue t)
{
    std::tm fields{};
    LocalTime(t, fields);
    return fields.tm_year + 1900;
}

} // namespace

TimeValue NthWeekdayOfMonth(int year, int month, int week, int dayOfWeek)
{
    if (month < 1 || month > 12 || week < 1 || week > 5 || dayOfWeek < 1 || dayOfWeek > 7)
        return -1;
    return MakeLocalTime(year, month, NthWeekdayDay(year, month, week, dayOfWeek));
}

bool IsWithinDaylightPeriod(TimeValue now, TimeValue start, TimeValue end, bool acrossYearEnd)
{
    if (acrossYearEnd)
        return now >= start || now <= end;
    return start <= now && now <= end;
}

bool IsWithinDaylightPeriod(TimeValue start, TimeValue end, bool acrossYearEnd)
{
    return IsWithinDaylightPeriod(CurrentTime(), start, end, acrossYearEnd);
}

bool IsDaylightSavingAt(int index, TimeValue t)
{
    const CountryEntry *entry = CountryAt(index);
    if (!entry || entry->daylightMonthStart == 0)
        return false;
    const int year = LocalYear(t);
    const TimeValue start = NthWeekdayOfMonth(
        year, entry->daylightMonthStart, entry->daylightWeekStart, entry->daylightDayOfWeekStart);
    const TimeValue end = NthWeekdayOfMonth(year, entry->daylightMonthEnd, entry->daylightWeekEnd,
                                            entry->daylightDayOfWeekEnd);
    return IsWithinDaylightPeriod(t, start, end, AcrossYearEnd(*entry));
}

bool IsDaylightSavingNow(int index)
{
    return IsDaylightSavingAt(index, CurrentTime());
}

bool OwnDaylightDates::IsComplete() const
{
    auto within = [](int value, int count) {
        return value >= 0 && value < count;
    };
    return within(weekStart, 5) && within(monthStart, 12) && within(dayOfWeekStart, 7) &&
           within(weekEnd, 5) && within(monthEnd, 12) && within(dayOfWeekEnd, 7);
}

bool IsOwnDaylightPeriodAt(int homeIndex, const OwnDaylightDates &dates, TimeValue t)
{
    const CountryEntry *home = CountryAt(homeIndex);
    if (!home || home->daylightMonthStart == 0 || !dates.IsComplete())
        return false;
    const int year = LocalYear(t);
    const TimeValue start = NthWeekdayOfMonth(year, dates.monthStart + 1, dates.weekStart + 1,
                                              dates.dayOfWeekStart + 1);
    const TimeValue end =
        NthWeekdayOfMonth(year, dates.monthEnd + 1, dates.weekEnd + 1, dates.dayOfWeekEnd + 1);
    return IsWithinDaylightPeriod(t, start, end, AcrossYearEnd(*home));
}
