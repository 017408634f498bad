#include "app/pinnedrows.h"

#include "map/nightshade.h"
#include "zones/citytable.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"
#include "zones/zonesearch.h"

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

QString TimeText(const std::tm &tm, bool twentyFourHour)
{
    char buffer[16] = {};
    if (twentyFourHour)
        std::snprintf(buffer, sizeof buffer, "%.2d:%.2d", tm.tm_hour, tm.tm_min);
    else
        std::snprintf(buffer, sizeof buffer, "%d:%.2d", (tm.tm_hour + 11) % 12 + 1, tm.tm_min);
    return QString::fromLatin1(buffer);
}

QString Plural(long long n, const char *one, const char *many)
{
    return QString::number(n) + u' ' + QLatin1StringView(n == 1 ? one : many);
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
                     Cities::Name(city)};
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
    QString text = seconds < 0 && minutes > 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    if (minutes == 0)
        return QStringLiteral("0 h");
    text += QString::number(minutes / 60) + QStringLiteral(" h");
    if (minutes % 60)
        text += u' ' + QString::number(minutes % 60).rightJustified(2, u'0');
    return text;
}

QString DifferenceWords(TimeValue seconds)
{
    const TimeValue minutes = std::llabs(seconds) / 60;
    if (minutes == 0)
        return QStringLiteral("the same time as home");
    QString text;
    if (minutes >= 60)
        text = Plural(minutes / 60, "hour", "hours");
    if (minutes % 60) {
        if (!text.isEmpty())
            text += u' ';
        text += Plural(minutes % 60, "minute", "minutes");
    }
    return text + (seconds > 0 ? QStringLiteral(" ahead") : QStringLiteral(" behind"));
}

QString DayText(int days)
{
    switch (days) {
    case 0:
        return {};
    case 1:
        return QStringLiteral("tomorrow");
    case -1:
        return QStringLiteral("yesterday");
    default:
        return days > 0 ? QStringLiteral("in %1 days").arg(days)
                        : QStringLiteral("%1 days ago").arg(-days);
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
        row.sentence = row.name + QStringLiteral(", ");
        if (!pin.label.isEmpty())
            row.sentence += row.placeName + QStringLiteral(", ");
        row.sentence += QStringLiteral("not in the built-in table");
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

    row.sentence = row.name + QStringLiteral(", ");
    if (!pin.label.isEmpty())
        row.sentence += row.placeName + QStringLiteral(", ");
    row.sentence += row.time;
    if (!row.day.isEmpty())
        row.sentence += u' ' + row.day;
    row.sentence += QStringLiteral(", ") + DifferenceWords(row.ahead);
    if (row.night)
        row.sentence += QStringLiteral(", night");
    return row;
}

QString PinnedTipLines(const std::vector<PinnedRow> &rows, int room, int lineLength)
{
    QString text;
    for (const PinnedRow &row : rows) {
        if (!row.known)
            continue;
        // The time and day go whole; the name gives way.
        QString when = row.time;
        if (!row.day.isEmpty())
            when += u' ' + row.day;
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
