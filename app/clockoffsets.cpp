// SPDX-License-Identifier: MIT

#include "app/clockoffsets.h"

#include "map/gmtoffset.h"
#include "zones/countrytable.h"
#include "zones/places.h"

#include <QCoreApplication>

#include <cmath>
#include <ctime>

namespace {

struct ClockCaptions
{
    Q_DECLARE_TR_FUNCTIONS(ClockCaptions)
};

bool ClockFollowsDaylightSaving(int option)
{
    return option == DaylightAuto || option == DaylightByHand;
}

bool FollowsOwnDates(const ClockOffsetInputs &in)
{
    return in.daylightOption == DaylightAuto && in.useOwnDaylightDates;
}

// The state of the home's or the selection's zone: a city's own, else the entry's.
ZoneState HomeStateAt(const ClockOffsetInputs &in, TimeValue t)
{
    return in.homeZone.isEmpty() ? EntryStateAt(in.homeIndex, t) : ZoneStateAt(in.homeZone, t);
}

ZoneState SelectedStateAt(const ClockOffsetInputs &in, TimeValue t)
{
    return in.selectedZone.isEmpty() ? EntryStateAt(in.selectedIndex, t)
                                     : ZoneStateAt(in.selectedZone, t);
}

TimeValue ProcessUtcOffsetAt(TimeValue t)
{
    std::tm fields{};
    return LocalTime(t, fields) ? fields.tm_gmtoff : 0;
}

float Hours(TimeValue seconds)
{
    return static_cast<float>(seconds) / 3600.0f;
}

// The table rule's next change: its periods run from the computer's midnight at the start of
// the first day to that at the start of the last day, both included.
std::optional<ZoneChange> NextTableChange(int index, TimeValue t)
{
    const CountryEntry *entry = CountryAt(index);
    if (!entry || !HasDaylightSaving(index))
        return std::nullopt;
    std::tm fields{};
    LocalTime(t, fields);
    std::optional<TimeValue> best;
    for (int year = fields.tm_year + 1900 - 1; year <= fields.tm_year + 1900 + 1; ++year) {
        const TimeValue start =
            NthWeekdayOfMonth(year, entry->daylightMonthStart, entry->daylightWeekStart,
                              entry->daylightDayOfWeekStart);
        const TimeValue end = NthWeekdayOfMonth(
            year, entry->daylightMonthEnd, entry->daylightWeekEnd, entry->daylightDayOfWeekEnd);
        for (TimeValue at : {start, end + 1})
            if (at > t && (!best || at < *best))
                best = at;
    }
    if (!best)
        return std::nullopt;
    const int standard = static_cast<int>(HoursToSpan(entry->gmtOffset));
    auto state = [&](TimeValue at) {
        const bool daylight = IsDaylightSavingAt(index, at);
        return ZoneState{standard + (daylight ? entry->daylightShift * 3600 : 0), standard,
                         daylight};
    };
    return ZoneChange{*best, state(*best - 1), state(*best)};
}

} // namespace

bool IsHomeDaylightSavingAt(const ClockOffsetInputs &in, TimeValue t)
{
    if (in.useDatabase) {
        if (!ClockFollowsDaylightSaving(in.daylightOption))
            return false;
        if (FollowsOwnDates(in)) {
            std::tm fields{};
            return LocalTime(t, fields) && fields.tm_isdst > 0;
        }
        return HomeStateAt(in, t).daylight;
    }
    switch (in.daylightOption) {
    case DaylightAuto:
        if (in.useOwnDaylightDates)
            return IsOwnDaylightPeriodAt(in.homeIndex, in.ownDates, t);
        return IsDaylightSavingAt(in.homeIndex, t);
    case DaylightByHand:
        return IsDaylightSavingAt(in.homeIndex, t);
    default:
        return false;
    }
}

TimeValue HoursToSpan(float hours)
{
    const float whole = std::trunc(hours);
    const auto minutes = static_cast<TimeValue>(std::trunc((hours - whole) * 60.0f));
    return static_cast<TimeValue>(whole) * 3600 + minutes * 60;
}

bool ComputeClockOffsets(const ClockOffsetInputs &in, TimeValue t, ClockOffsets &out)
{
    if (in.useDatabase) {
        if (!IsValidPlaceIndex(in.homeIndex))
            return false;
        out.home = HomeUtcOffsetAt(in, t);
        out.selected = SelectedUtcOffsetAt(in, t);
        out.target =
            IsValidPlaceIndex(in.selectedIndex) ? EntryZone(in.selectedIndex, true, t) : in.mapZone;
        return true;
    }
    const CountryEntry *home = CountryAt(in.homeIndex);
    if (!home)
        return false;
    const CountryEntry *selected = CountryAt(in.selectedIndex);

    const TimeValue homeShift = TimeValue(home->daylightShift) * 3600;
    const TimeValue selectedShift = selected ? TimeValue(selected->daylightShift) * 3600 : 0;
    // The part of home daylight saving already in the computer's clock.
    const bool clockInDaylight =
        ClockFollowsDaylightSaving(in.daylightOption) && IsHomeDaylightSavingAt(in, t);

    out.home = (!in.showDaylightSaving && clockInDaylight) ? -homeShift : 0;

    out.target = selected ? selected->gmtOffset : in.mapZone;
    TimeValue span = HoursToSpan(out.target - home->gmtOffset);
    if (clockInDaylight)
        span -= homeShift;
    if (selected && in.showDaylightSaving) {
        const bool selectedInDaylight = in.selectedIndex == in.homeIndex
                                            ? IsHomeDaylightSavingAt(in, t)
                                            : IsDaylightSavingAt(in.selectedIndex, t);
        if (selectedInDaylight)
            span += selectedShift;
    }
    out.selected = span;
    return true;
}

float EntryZone(int index, bool useDatabase, TimeValue t)
{
    if (useDatabase)
        return IsValidPlaceIndex(index) ? Hours(EntryStateAt(index, t).standardOffset) : 0.0f;
    const CountryEntry *entry = CountryAt(index);
    return entry ? entry->gmtOffset : 0.0f;
}

QByteArray HomeZoneId(const ClockOffsetInputs &in)
{
    if (!in.useDatabase)
        return {};
    return in.homeZone.isEmpty() ? EntryZoneId(in.homeIndex) : in.homeZone;
}

QByteArray SelectedZoneId(const ClockOffsetInputs &in)
{
    if (!in.useDatabase || !IsValidPlaceIndex(in.selectedIndex))
        return {};
    return in.selectedZone.isEmpty() ? EntryZoneId(in.selectedIndex) : in.selectedZone;
}

TimeValue HomeUtcOffsetAt(const ClockOffsetInputs &in, TimeValue t)
{
    const ZoneState home = HomeStateAt(in, t);
    if (!in.showDaylightSaving || in.daylightOption == DaylightNotAdjusted)
        return home.standardOffset;
    if (FollowsOwnDates(in))
        return ProcessUtcOffsetAt(t);
    return home.utcOffset;
}

TimeValue SelectedUtcOffsetAt(const ClockOffsetInputs &in, TimeValue t)
{
    if (!IsValidPlaceIndex(in.selectedIndex))
        return HoursToSpan(in.mapZone);
    // The home's own clocks may run on the user's dates or on standard time: the selection of
    // the home itself shows what they show.
    if (in.selectedIndex == in.homeIndex && SelectedZoneId(in) == HomeZoneId(in))
        return HomeUtcOffsetAt(in, t);
    const ZoneState selected = SelectedStateAt(in, t);
    return in.showDaylightSaving ? selected.utcOffset : selected.standardOffset;
}

ClockRules MakeClockRules(const ClockOffsetInputs &in)
{
    if (!in.useDatabase)
        return {};
    return {[in](TimeValue t) { return HomeUtcOffsetAt(in, t); },
            [in](TimeValue t) {
                return SelectedUtcOffsetAt(in, t);
            }};
}

std::optional<ZoneChange> NextSelectedChange(const ClockOffsetInputs &in, TimeValue t)
{
    if (in.useDatabase && !in.selectedZone.isEmpty() && IsValidPlaceIndex(in.selectedIndex))
        return NextZoneChange(in.selectedZone, t);
    // An entry whose zone the machine lacks follows the table's rule, and its changes.
    return in.useDatabase && IsEntryZoneKnown(in.selectedIndex)
               ? NextEntryChange(in.selectedIndex, t)
               : NextTableChange(in.selectedIndex, t);
}

Captions MakeCaptionsAt(const ClockOffsetInputs &in, float offset, float homeOffset, bool listOnly,
                        TimeValue t)
{
    if (!in.useDatabase || !IsValidPlaceIndex(in.homeIndex))
        return MakeCaptions(offset, homeOffset, listOnly);
    Captions c = MakeCaptions(offset, Hours(HomeUtcOffsetAt(in, t)), listOnly);
    const QString offsetText = FormatGmtOffset(Hours(SelectedUtcOffsetAt(in, t)));
    //: The selected clocks' caption: the place and its offset, "Phoenix (GMT-7:00)".
    c.selectedGroup = IsValidPlaceIndex(in.selectedIndex) && !in.selectedCaption.isEmpty()
                          ? ClockCaptions::tr("%1 (%2)").arg(in.selectedCaption, offsetText)
                          : ClockCaptions::tr("Selected (%1)").arg(offsetText);
    return c;
}

Captions MakeCaptions(float offset, float homeOffset, bool listOnly)
{
    const QString text = FormatGmtOffset(offset);
    Captions c;
    c.offsetLabel = text;
    c.selectedGroup = ClockCaptions::tr("Selected (%1)").arg(text);
    c.treeGroup = listOnly ? ClockCaptions::tr("Countries/Regions")
                           : ClockCaptions::tr("Countries/Regions in %1").arg(text);
    c.homeGroup = ClockCaptions::tr("Home (%1)").arg(FormatGmtOffset(homeOffset));
    return c;
}

QString MakeTrayTip(int selectedIndex, bool useDatabase, float mapZone,
                    const QString &selectedTimeText, const QString &selectedName)
{
    const bool selected = IsValidIndexIn(selectedIndex, useDatabase);
    const QString tip = !selected ? FormatGmtOffset(mapZone)
                        : !selectedName.isEmpty()
                            ? selectedName
                            : QString::fromStdString(PlaceDisplayName(selectedIndex, useDatabase));
    return tip + QLatin1Char(' ') + selectedTimeText;
}
