// SPDX-License-Identifier: MIT

#include "home/zonerecord.h"

#include "home/daylightoption.h"
#include "map/gmtoffset.h"
#include "zones/countrytable.h"
#include "zones/timesource.h"
#include "zones/zonedatabase.h"

#include <QDateTime>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

ZoneDate TableDate(int month, int week, int dayOfWeek)
{
    ZoneDate date;
    date.month = month;
    date.day = week;
    date.dayOfWeek = dayOfWeek - 1;
    date.hour = 2;
    return date;
}

ZoneDate OwnDate(int week, int month, int dayOfWeek)
{
    ZoneDate date;
    date.month = month + 1;
    date.day = week + 1;
    date.dayOfWeek = dayOfWeek;
    date.hour = 2;
    return date;
}

QString CutName(const QString &name)
{
    return name.left(ZoneNameLength);
}

bool HasDaylightPart(const TimeZoneInformation &zone, int disableAutoDaylight)
{
    return zone.standardDate.month != 0 && zone.daylightDate.month != 0 && disableAutoDaylight == 0;
}

// POSIX offsets count west of Greenwich: the record's bias itself.
std::string PosixOffset(int minutesWest)
{
    const int magnitude = std::abs(minutesWest);
    char text[16];
    if (magnitude % 60)
        std::snprintf(text, sizeof text, "%s%d:%02d", minutesWest < 0 ? "-" : "", magnitude / 60,
                      magnitude % 60);
    else
        std::snprintf(text, sizeof text, "%s%d", minutesWest < 0 ? "-" : "", magnitude / 60);
    return text;
}

std::string PosixDate(const ZoneDate &date)
{
    char text[32];
    std::snprintf(text, sizeof text, "M%d.%d.%d/%d:%02d", date.month, date.day, date.dayOfWeek,
                  date.hour, date.minute);
    return text;
}

void PutBig32(QByteArray &out, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(static_cast<char>((u >> shift) & 0xff));
}

void PutBig64(QByteArray &out, std::int64_t value)
{
    const auto u = static_cast<std::uint64_t>(value);
    for (int shift = 56; shift >= 0; shift -= 8)
        out.append(static_cast<char>((u >> shift) & 0xff));
}

QByteArray Header(int timeCount, int typeCount, int charCount)
{
    QByteArray out("TZif2");
    out.append(15, '\0');
    PutBig32(out, 0); // isutcnt
    PutBig32(out, 0); // isstdcnt
    PutBig32(out, 0); // leapcnt
    PutBig32(out, timeCount);
    PutBig32(out, typeCount);
    PutBig32(out, charCount);
    return out;
}

void PutType(QByteArray &out, int utcOffsetSeconds, bool isDst, int abbreviationIndex)
{
    PutBig32(out, utcOffsetSeconds);
    out.append(static_cast<char>(isDst ? 1 : 0));
    out.append(static_cast<char>(abbreviationIndex));
}

// "<GMT+10>" without its brackets, as the file's abbreviation table holds it.
QByteArray Unquoted(const std::string &abbreviation)
{
    return QByteArray::fromStdString(abbreviation.substr(1, abbreviation.size() - 2));
}

} // namespace

int HomeBias(float gmtOffset)
{
    return -static_cast<int>(std::trunc(gmtOffset * 60.0f));
}

std::optional<DatabaseDaylightDates> NextDatabaseDaylight(int homeIndex, TimeValue t)
{
    if (!IsEntryZoneKnown(homeIndex))
        return std::nullopt;
    DatabaseDaylightDates found;
    // A change of offset within standard time (a zone moving for good) is stepped over.
    const TimeValue until = t + 2 * 366 * 86400;
    for (int step = 0; step < 16 && !(found.begin && found.end); ++step) {
        const std::optional<ZoneChange> change = NextEntryChange(homeIndex, t);
        if (!change || change->at > until)
            break;
        if (!change->before.daylight && change->after.daylight && !found.begin)
            found.begin = change;
        else if (change->before.daylight && !change->after.daylight && !found.end)
            found.end = change;
        t = change->at;
    }
    if (!found.begin && !found.end)
        return std::nullopt;
    // The day the change falls on at home, before the clocks move.
    const auto positions = [](const std::optional<ZoneChange> &change, int &week, int &month,
                              int &dayOfWeek) {
        if (!change)
            return;
        const QDate day =
            QDateTime::fromSecsSinceEpoch(change->at + change->before.utcOffset, Qt::UTC).date();
        week = day.day() + 7 > day.daysInMonth() ? 4 : (day.day() - 1) / 7;
        month = day.month() - 1;
        dayOfWeek = day.dayOfWeek() % 7;
    };
    positions(found.begin, found.dates.weekStart, found.dates.monthStart,
              found.dates.dayOfWeekStart);
    positions(found.end, found.dates.weekEnd, found.dates.monthEnd, found.dates.dayOfWeekEnd);
    return found;
}

bool HomeHasDaylightSaving(int homeIndex, bool useDatabase, TimeValue t, const QByteArray &zoneId)
{
    if (useDatabase && !zoneId.isEmpty() && IsValidPlaceIndex(homeIndex))
        return ZoneHasDaylightSavingThisOrNextYear(zoneId, t);
    return useDatabase ? EntryHasDaylightSavingThisOrNextYear(homeIndex, t)
                       : HasDaylightSaving(homeIndex);
}

bool FollowsDatabaseZone(const HomeZoneChoice &choice)
{
    return choice.useDatabase && choice.daylightOption != DaylightNotAdjusted &&
           !(choice.daylightOption == DaylightAuto && choice.useOwnDates);
}

std::optional<TimeZoneInformation> BuildHomeTimeZone(const HomeZoneChoice &choice)
{
    const CountryEntry *home =
        choice.useDatabase ? PlaceAt(choice.homeIndex) : CountryAt(choice.homeIndex);
    if (!home)
        return std::nullopt;
    const int option =
        IsValidDaylightOption(choice.daylightOption) ? choice.daylightOption : DaylightAuto;
    const TimeValue now = CurrentTime();
    const bool ownZone = choice.useDatabase && !choice.zoneId.isEmpty();
    const float standard = !choice.useDatabase ? home->gmtOffset
                           : ownZone ? ZoneStateAt(choice.zoneId, now).standardOffset / 3600.0f
                                     : EntryStateAt(choice.homeIndex, now).standardOffset / 3600.0f;

    TimeZoneInformation zone;
    zone.bias = HomeBias(standard);
    zone.standardBias = 0;
    zone.daylightBias = option == DaylightByHand ? 0 : -60 * home->daylightShift;
    if (choice.useDatabase) {
        // Nobody moves this program's clock by hand: By hand follows the changes too.
        const int shift = ownZone ? ZoneDaylightShift(choice.zoneId, now)
                                  : EntryDaylightShift(choice.homeIndex, now);
        zone.daylightBias = -(shift != 0 ? shift : 3600) / 60;
    }
    if (FollowsDatabaseZone(choice)) {
        zone.standardName =
            CutName(QString::fromLatin1(ownZone ? choice.zoneId : EntryZoneId(choice.homeIndex)));
        zone.daylightName = zone.standardName;
        return zone;
    }

    if (option == DaylightAuto && choice.useOwnDates) {
        const OwnDaylightDates &own = choice.ownDates;
        if (own.IsComplete() &&
            HomeHasDaylightSaving(choice.homeIndex, choice.useDatabase, now, choice.zoneId)) {
            zone.standardDate = OwnDate(own.weekEnd, own.monthEnd, own.dayOfWeekEnd);
            zone.daylightDate = OwnDate(own.weekStart, own.monthStart, own.dayOfWeekStart);
        }
    } else if (!choice.useDatabase) {
        zone.standardDate =
            TableDate(home->daylightMonthEnd, home->daylightWeekEnd, home->daylightDayOfWeekEnd);
        zone.daylightDate = TableDate(home->daylightMonthStart, home->daylightWeekStart,
                                      home->daylightDayOfWeekStart);
        if (option == DaylightNotAdjusted) {
            zone.standardDate.month = 0;
            zone.daylightDate.month = 0;
        }
    }

    const QString base =
        FormatGmtOffset(standard) + QStringLiteral(" - ") + QString::fromUtf8(home->name);
    const bool suffixes = option != DaylightNotAdjusted;
    zone.standardName =
        CutName(base + (suffixes && zone.standardDate.month ? QStringLiteral(" Std Time") : ""));
    zone.daylightName =
        CutName(base + (suffixes && zone.daylightDate.month ? QStringLiteral(" DS Time") : ""));
    return zone;
}

std::optional<TimeZoneInformation> BuildClockZone(const HomeZoneChoice &choice)
{
    std::optional<TimeZoneInformation> zone = BuildHomeTimeZone(choice);
    if (zone && choice.daylightOption == DaylightByHand)
        zone->daylightBias =
            -60 * (choice.useDatabase ? PlaceAt(choice.homeIndex) : CountryAt(choice.homeIndex))
                      ->daylightShift;
    return zone;
}

int DaylightSwitchFor(int option)
{
    return option == DaylightNotAdjusted || option == DaylightNone ? 1 : 0;
}

std::string ZoneAbbreviation(int minutesEast)
{
    const int magnitude = std::abs(minutesEast);
    char text[24];
    if (magnitude % 60)
        std::snprintf(text, sizeof text, "<GMT%c%02d%02d>", minutesEast < 0 ? '-' : '+',
                      magnitude / 60, magnitude % 60);
    else
        std::snprintf(text, sizeof text, "<GMT%c%02d>", minutesEast < 0 ? '-' : '+',
                      magnitude / 60);
    return text;
}

std::string PosixRule(const TimeZoneInformation &zone, int disableAutoDaylight)
{
    std::string rule = ZoneAbbreviation(-zone.bias) + PosixOffset(zone.bias);
    if (!HasDaylightPart(zone, disableAutoDaylight))
        return rule;
    const int daylightWest = zone.bias + zone.daylightBias;
    rule += ZoneAbbreviation(-daylightWest) + PosixOffset(daylightWest);
    rule += ',' + PosixDate(zone.daylightDate) + ',' + PosixDate(zone.standardDate);
    return rule;
}

QByteArray CompileZoneFile(const TimeZoneInformation &zone, int disableAutoDaylight)
{
    const bool daylight = HasDaylightPart(zone, disableAutoDaylight);
    const QByteArray standardName = Unquoted(ZoneAbbreviation(-zone.bias));
    const QByteArray daylightName = Unquoted(ZoneAbbreviation(-(zone.bias + zone.daylightBias)));
    QByteArray names = standardName + '\0';
    if (daylight)
        names += daylightName + '\0';
    const int typeCount = daylight ? 2 : 1;

    // Old readers of the first block see standard time only.
    QByteArray out = Header(0, 1, static_cast<int>(standardName.size() + 1));
    PutType(out, -zone.bias * 60, false, 0);
    out += standardName + '\0';

    // Midnight of the 1st of the first change month in 1970, local standard time: always
    // before that month's change at 02:00 or later, so standard time holds there and the
    // footer's rule agrees with the transition.
    const int month = daylight ? zone.daylightDate.month : 1;
    const std::int64_t transition = DaysFromCivil(1970, month, 1) * 86400 + zone.bias * 60;
    out += Header(1, typeCount, static_cast<int>(names.size()));
    PutBig64(out, transition);
    out.append('\0'); // into type 0, standard time
    PutType(out, -zone.bias * 60, false, 0);
    if (daylight)
        PutType(out, -(zone.bias + zone.daylightBias) * 60, true,
                static_cast<int>(standardName.size() + 1));
    out += names;
    out += '\n' + QByteArray::fromStdString(PosixRule(zone, disableAutoDaylight)) + '\n';
    return out;
}
