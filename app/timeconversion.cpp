#include "app/timeconversion.h"

#include "zones/countrytable.h"
#include "zones/daylight.h"

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

std::int64_t NthWeekdayDayNumber(int year, int month, int week, int dayOfWeek)
{
    return DaysFromCivil(year, month, NthWeekdayDay(year, month, week, dayOfWeek));
}

} // namespace

TimeValue TableUtcOffsetAt(int index, TimeValue t, bool daylight)
{
    const CountryEntry *entry = CountryAt(index);
    if (!entry)
        return 0;
    const TimeValue standard = HoursToSpan(entry->gmtOffset);
    const TimeValue shift = TimeValue(entry->daylightShift) * 3600;
    if (!daylight || entry->daylightMonthStart == 0)
        return standard;
    std::tm fields{};
    const std::time_t local = static_cast<std::time_t>(t + standard);
    gmtime_r(&local, &fields);
    const int year = fields.tm_year + 1900;
    const TimeValue start =
        NthWeekdayDayNumber(year, entry->daylightMonthStart, entry->daylightWeekStart,
                            entry->daylightDayOfWeekStart) *
            86400 +
        7200 - standard;
    const TimeValue end = NthWeekdayDayNumber(year, entry->daylightMonthEnd, entry->daylightWeekEnd,
                                              entry->daylightDayOfWeekEnd) *
                              86400 +
                          7200 - standard - shift;
    const bool northern = entry->daylightMonthStart < entry->daylightMonthEnd;
    const bool inDaylight = northern ? (t >= start && t < end) : (t >= start || t < end);
    return inDaylight ? standard + shift : standard;
}

PlaceOffsets MakePlaceOffsets(const ClockOffsetInputs &in)
{
    if (in.useDatabase) {
        ClockRules rules = MakeClockRules(in);
        return {std::move(rules.home), std::move(rules.selected)};
    }
    // The program's local time is home time, as the options and own dates made it.
    WallOffset home = [in](TimeValue t) {
        std::tm fields{};
        LocalTime(t, fields);
        TimeValue offset = fields.tm_gmtoff;
        if (!in.showDaylightSaving && fields.tm_isdst > 0)
            offset -=
                TimeValue(CountryAt(in.homeIndex) ? CountryAt(in.homeIndex)->daylightShift : 0) *
                3600;
        return offset;
    };
    WallOffset selected;
    if (in.selectedIndex == in.homeIndex && IsValidCountryIndex(in.homeIndex))
        selected = home;
    else if (IsValidCountryIndex(in.selectedIndex))
        selected = [in](TimeValue t) {
            return TableUtcOffsetAt(in.selectedIndex, t, in.showDaylightSaving);
        };
    else
        selected = [zone = HoursToSpan(in.mapZone)](TimeValue) {
            return zone;
        };
    return {home, selected};
}

WallInstants InstantsShowing(WallTime wall, const WallOffset &offset)
{
    // Clocks run between 14 hours behind and 14 ahead of GMT: every offset that could show
    // wall is in effect somewhere in that span around it. A change lasts longer than the step.
    std::vector<TimeValue> offsets;
    for (TimeValue t = wall - 15 * 3600; t <= wall + 15 * 3600; t += 1800) {
        const TimeValue o = offset(t);
        if (std::find(offsets.begin(), offsets.end(), o) == offsets.end())
            offsets.push_back(o);
    }
    std::vector<TimeValue> instants;
    for (const TimeValue o : offsets) {
        if (offset(wall - o) == o)
            instants.push_back(wall - o);
    }
    std::sort(instants.begin(), instants.end());
    WallInstants result;
    result.count = static_cast<int>(std::min<std::size_t>(instants.size(), 2));
    if (!instants.empty()) {
        result.first = instants.front();
        result.second = instants.back();
        return result;
    }
    // Skipped: clocks skip a time only by going forward, so the offset before is the smaller.
    result.first = wall - *std::min_element(offsets.begin(), offsets.end());
    result.second = result.first;
    return result;
}
