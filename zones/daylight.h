// SPDX-License-Identifier: MIT

#pragma once

#include "zones/timesource.h"

// Daylight-saving rules of the country table, evaluated in the process's local time. Change
// dates are local midnight at the start of the change day; both ends of a period count, to the
// second.

// The day of month of the week-th (1-4, 5 = last) dayOfWeek (1 = Sunday .. 7) of month (1-12);
// the arguments must lie in those ranges.
int NthWeekdayDay(int year, int month, int week, int dayOfWeek);

// Local midnight at the start of the week-th (1-4, 5 = last) dayOfWeek (1 = Sunday .. 7) of
// month (1-12) in year. Returns -1 for arguments outside those ranges.
TimeValue NthWeekdayOfMonth(int year, int month, int week, int dayOfWeek);

// Northern rules (within one calendar year): start <= now <= end. Southern rules (across the
// turn of the year): now >= start or now <= end.
bool IsWithinDaylightPeriod(TimeValue now, TimeValue start, TimeValue end, bool acrossYearEnd);
bool IsWithinDaylightPeriod(TimeValue start, TimeValue end, bool acrossYearEnd);

// Whether the entry's table rule is in effect at t (or now). False for -1, any other index
// outside the table, and entries without a rule.
bool IsDaylightSavingAt(int index, TimeValue t);
bool IsDaylightSavingNow(int index);

// The user's own daylight dates: 0-based positions in the lists 1st..last, Jan..Dec, Sun..Sat.
struct OwnDaylightDates
{
    int weekStart = -1;
    int monthStart = -1;
    int dayOfWeekStart = -1;
    int weekEnd = -1;
    int monthEnd = -1;
    int dayOfWeekEnd = -1;

    // Every value lies within its list.
    bool IsComplete() const;
    friend bool operator==(const OwnDaylightDates &, const OwnDaylightDates &) = default;
};

// The own dates in place of the home entry's table rule, with the period's direction still
// taken from the table rule. False when the home has no rule or a value is outside its list:
// such dates name no day.
bool IsOwnDaylightPeriodAt(int homeIndex, const OwnDaylightDates &dates, TimeValue t);
