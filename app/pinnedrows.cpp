// SPDX-License-Identifier: MIT

#include "app/pinnedrows.h"

#include "map/nightshade.h"
#include "zones/citytable.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/timeformat.h"
#include "zones/zonedatabase.h"
#include "zones/zonesearch.h"

#include <QCoreApplication>
#include <QTime>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// The calendar fields a clock shows at t plus its offset: the process's local time in table
// mode (the computer's clock is home time), UTC plus the offset in the database's mode.
bool ShownFields(TimeValue shown, bool useDatabase, std::tm &tm)
{
    if (!useDatabase)
        return LocalTime(shown, tm);
    const auto t = static_cast<std::time_t>(shown);
    return gmtime_r(&t, &tm) != nullptr;
}

std::int64_t DayNumber(const std::tm &tm)
{
    return DaysFromCivil(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

struct PinnedRows
{
    Q_DECLARE_TR_FUNCTIONS(PinnedRows)
};

QString TimeText(const std::tm &tm, bool twentyFourHour)
{
    return FormatTimeOfDay(QTime(tm.tm_hour, tm.tm_min), false, twentyFourHour);
}

// The parts of a pinned place's sentence, in the language's list form.
QString Joined(const QStringList &parts)
{
    return parts.join(PinnedRows::tr(", ", "between the parts of a pinned place's sentence"));
}

} // namespace

std::vector<PinWhere> ResolvePins(const std::vector<PinnedPlace> &pins)
{
    std::vector<PinWhere> out(pins.size());
    // What each pin still looks for among the cities, largest first: a city of its zone, and
    // failing that one of its country.
    struct Search
    {
        QByteArray zone;
        QByteArray country;
        int fallback = -1;
        bool done = false;
    };
    std::vector<Search> searches(pins.size());
    int open = 0;
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const PinnedPlace &pin = pins[i];
        PinWhere &where = out[i];
        Search &search = searches[i];
        const CountryEntry *entry = PlaceAt(pin.place);
        where.longitude = entry ? entry->gmtOffset * 15.0 : 0.0;
        const int city = pin.cityId > 0 ? Cities::ByGeonameId(pin.cityId) : -1;
        if (city >= 0) {
            where = {Cities::Latitude(city), Cities::Longitude(city), Cities::ZoneId(city),
                     Cities::LocalName(city)};
            search.done = true;
            continue;
        }
        if (!pin.zone.isEmpty()) {
            const QString name = ZoneDisplayName(pin.zone);
            where.zone = pin.zone;
            where.ownName = name.left(name.indexOf(u" ("));
            search.zone = pin.zone;
        } else {
            search.zone = EntryZoneId(pin.place);
            const std::string_view iso = PlaceIsoCode(pin.place);
            search.country = QByteArray(iso.data(), static_cast<qsizetype>(iso.size()));
        }
        ++open;
    }
    const int count = open > 0 ? Cities::Count() : 0;
    for (int city = 0; city < count && open > 0; ++city) {
        const QByteArray zone = Cities::ZoneId(city);
        const QByteArray country = Cities::CountryCode(city);
        for (std::size_t i = 0; i < pins.size(); ++i) {
            Search &search = searches[i];
            if (search.done)
                continue;
            if (search.fallback < 0 && !search.country.isEmpty() && country == search.country)
                search.fallback = city;
            if (zone == search.zone && (search.country.isEmpty() || country == search.country)) {
                search.fallback = city;
                search.done = true;
                --open;
            }
        }
    }
    for (std::size_t i = 0; i < pins.size(); ++i) {
        if (searches[i].fallback >= 0) {
            out[i].latitude = Cities::Latitude(searches[i].fallback);
            out[i].longitude = Cities::Longitude(searches[i].fallback);
        }
    }
    return out;
}

QString DifferenceText(TimeValue seconds)
{
    const TimeValue minutes = std::llabs(seconds) / 60;
    //: No difference from home, in the pinned list's narrow column.
    if (minutes == 0)
        return PinnedRows::tr("0 h");
    const QString sign = seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    const QString hours = QString::number(minutes / 60);
    if (minutes % 60 == 0)
        //: Hours from home in the pinned list's narrow column, with their sign: "+9 h".
        return PinnedRows::tr("%1%2 h").arg(sign, hours);
    //: Hours and minutes from home in the pinned list's narrow column: "−5 h 30".
    return PinnedRows::tr("%1%2 h %3")
        .arg(sign, hours, QString::number(minutes % 60).rightJustified(2, u'0'));
}

QString DifferenceWords(TimeValue seconds)
{
    const TimeValue minutes = std::llabs(seconds) / 60;
    if (minutes == 0)
        return PinnedRows::tr("the same time as home");
    const long long h = minutes / 60;
    const long long m = minutes % 60;
    const QString hours = h == 1 ? PinnedRows::tr("1 hour") : PinnedRows::tr("%1 hours").arg(h);
    const QString mins = m == 1 ? PinnedRows::tr("1 minute") : PinnedRows::tr("%1 minutes").arg(m);
    //: Hours and minutes apart: "5 hours 30 minutes".
    const QString span = h == 0 ? mins : m == 0 ? hours : PinnedRows::tr("%1 %2").arg(hours, mins);
    return seconds > 0 ? PinnedRows::tr("%1 ahead").arg(span)
                       : PinnedRows::tr("%1 behind").arg(span);
}

QString DayText(int days)
{
    switch (days) {
    case 0:
        return {};
    case 1:
        return PinnedRows::tr("tomorrow");
    case -1:
        return PinnedRows::tr("yesterday");
    default:
        return days > 0 ? PinnedRows::tr("in %1 days").arg(days)
                        : PinnedRows::tr("%1 days ago").arg(-days);
    }
}

PinnedRow MakePinnedRow(const PinnedPlace &pin, const PinWhere &where,
                        const ClockOffsetInputs &window, TimeValue t, const SunPoint &sun,
                        bool twentyFourHour)
{
    PinnedRow row;
    const bool database = window.useDatabase;
    row.known = IsValidIndexIn(pin.place, database);
    // The built-in table names its own places; one of today's places keeps its name of today.
    const bool ownName = database && !where.ownName.isEmpty();
    row.placeName =
        ownName ? where.ownName
                : QString::fromStdString(PlaceDisplayName(pin.place, database || !row.known));
    row.name = pin.label.isEmpty() ? row.placeName : pin.label;
    ClockOffsetInputs in = window;
    in.selectedIndex = pin.place;
    in.selectedZone = database && IsZoneKnown(where.zone) ? where.zone : QByteArray();
    ClockOffsets offsets;
    if (!row.known || !ComputeClockOffsets(in, t, offsets)) {
        row.known = false;
        QStringList parts{row.name};
        if (!pin.label.isEmpty())
            parts << row.placeName;
        parts << PinnedRows::tr("not in the built-in table");
        row.sentence = Joined(parts);
        return row;
    }
    std::tm home{};
    std::tm there{};
    ShownFields(t + offsets.home, database, home);
    ShownFields(t + offsets.selected, database, there);
    row.ahead = offsets.selected - offsets.home;
    row.time = TimeText(there, twentyFourHour);
    row.difference = DifferenceText(row.ahead);
    row.days = static_cast<int>(DayNumber(there) - DayNumber(home));
    row.day = DayText(row.days);
    row.night = SunElevation(sun, where.latitude, where.longitude) < CNightShade::SunsetElevation;

    QStringList parts{row.name};
    if (!pin.label.isEmpty())
        parts << row.placeName;
    //: A time and its day: "14:05 tomorrow".
    parts << (row.day.isEmpty() ? row.time : PinnedRows::tr("%1 %2").arg(row.time, row.day));
    parts << DifferenceWords(row.ahead);
    if (row.night)
        parts << PinnedRows::tr("night");
    row.sentence = Joined(parts);
    return row;
}

QString PinnedTipLines(const std::vector<PinnedRow> &rows, int room, int lineLength)
{
    QString text;
    for (const PinnedRow &row : rows) {
        if (!row.known)
            continue;
        // The time and day go whole; the name gives way.
        const QString when =
            row.day.isEmpty() ? row.time : PinnedRows::tr("%1 %2").arg(row.time, row.day);
        const qsizetype nameRoom = lineLength - when.size() - 1;
        QString line = row.name.size() > nameRoom
                           ? row.name.left(qMax<qsizetype>(nameRoom - 1, 0)) + u'\u2026'
                           : row.name;
        line += u' ' + when;
        if (text.size() + line.size() + 1 > room)
            break;
        text += u'\n' + line;
    }
    return text;
}
