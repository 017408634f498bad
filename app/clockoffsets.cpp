#include "app/clockoffsets.h"

#include "map/gmtoffset.h"
#include "zones/countrytable.h"

#include <cmath>

namespace {

bool ClockFollowsDaylightSaving(int option)
{
    return option == DaylightAuto || option == DaylightByHand;
}

} // namespace

bool IsHomeDaylightSavingAt(const ClockOffsetInputs &in, TimeValue t)
{
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

Captions MakeCaptions(float offset, float homeOffset, bool listOnly)
{
    const QString text = FormatGmtOffset(offset);
    Captions c;
    c.offsetLabel = text;
    c.selectedGroup = QStringLiteral("Selected (") + text + QLatin1Char(')');
    c.treeGroup = QStringLiteral("Countries/Regions");
    if (!listOnly)
        c.treeGroup += QStringLiteral(" in ") + text;
    c.homeGroup = QStringLiteral("Home (") + FormatGmtOffset(homeOffset) + QLatin1Char(')');
    return c;
}

QString MakeTrayTip(int selectedIndex, float mapZone, const QString &selectedTimeText)
{
    QString tip;
    if (const CountryEntry *entry = CountryAt(selectedIndex)) {
        tip = QString::fromUtf8(entry->name) + QLatin1Char(' ');
        if (*entry->subName)
            tip = QString::fromUtf8(entry->subName) + QStringLiteral(", ") + tip;
    } else {
        tip = FormatGmtOffset(mapZone) + QLatin1Char(' ');
    }
    return tip + selectedTimeText;
}
