#include "zones/zonedatabase.h"

#include "zones/countrytable.h"
#include "zones/zonenames.h"

#include <QDateTime>
#include <QTimeZone>

#include <array>
#include <cstdio>
#include <limits>

namespace {

constexpr TimeValue Earliest = std::numeric_limits<TimeValue>::min();
constexpr TimeValue Latest = std::numeric_limits<TimeValue>::max();
constexpr TimeValue Year = 366 * 86400;

// One entry's zone and the last answers asked of it.
struct CachedZone
{
    bool loaded = false;
    QTimeZone zone;
    TimeValue from = 1; // the state holds for from <= t < until; empty until first asked
    TimeValue until = 0;
    ZoneState state;
    int daylightYear = std::numeric_limits<int>::min(); // the UTC year daylightSoon is for
    bool daylightSoon = false;
};

std::array<CachedZone, CountryCount> g_zones;

QDateTime Utc(TimeValue t)
{
    return QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
}

CachedZone &Load(int index)
{
    CachedZone &c = g_zones[static_cast<std::size_t>(index)];
    if (!c.loaded) {
        c.loaded = true;
        const char *name = CountryZoneName(index);
        if (name && *name)
            c.zone = QTimeZone(QByteArray(name));
    }
    return c;
}

ZoneState StateOf(const QTimeZone::OffsetData &d)
{
    return {d.offsetFromUtc, d.standardTimeOffset, d.daylightTimeOffset != 0};
}

// Fills the cached state and its span for t.
void Refresh(CachedZone &c, int index, TimeValue t)
{
    if (!c.zone.isValid()) {
        const int standard = static_cast<int>(CountryAt(index)->gmtOffset * 3600.0f);
        c.state = {standard, standard, false};
        c.from = Earliest;
        c.until = Latest;
        return;
    }
    const QDateTime at = Utc(t);
    c.state = StateOf(c.zone.offsetData(at));
    const QTimeZone::OffsetData next = c.zone.nextTransition(at);
    c.until = next.atUtc.isValid() ? next.atUtc.toSecsSinceEpoch() : Latest;
    // The transition that began the state: the last one before t + 1, which may be at t.
    const QTimeZone::OffsetData previous = c.zone.previousTransition(Utc(t + 1));
    c.from = previous.atUtc.isValid() ? previous.atUtc.toSecsSinceEpoch() : Earliest;
}

const ZoneState &CachedState(int index, TimeValue t)
{
    CachedZone &c = Load(index);
    if (t < c.from || t >= c.until)
        Refresh(c, index, t);
    return c.state;
}

int UtcYear(TimeValue t)
{
    return Utc(t).date().year();
}

TimeValue StartOfUtcYear(int year)
{
    return DaysFromCivil(year, 1, 1) * 86400;
}

QString LocalText(TimeValue t, int offset, bool withDay)
{
    static constexpr const char *Days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char *Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDateTime wall = Utc(t + offset);
    const QDate d = wall.date();
    const QTime time = wall.time();
    char text[48];
    if (withDay)
        std::snprintf(text, sizeof text, "%s %d %s %d, %02d:%02d", Days[d.dayOfWeek() % 7], d.day(),
                      Months[d.month() - 1], d.year(), time.hour(), time.minute());
    else
        std::snprintf(text, sizeof text, "%02d:%02d", time.hour(), time.minute());
    return QString::fromLatin1(text);
}

} // namespace

QByteArray EntryZoneId(int index)
{
    if (!IsValidCountryIndex(index))
        return {};
    return QByteArray(CountryZoneName(index));
}

bool IsEntryZoneKnown(int index)
{
    return IsValidCountryIndex(index) && Load(index).zone.isValid();
}

ZoneState EntryStateAt(int index, TimeValue t)
{
    if (!IsValidCountryIndex(index))
        return {};
    return CachedState(index, t);
}

std::optional<ZoneChange> NextEntryChange(int index, TimeValue t)
{
    if (!IsEntryZoneKnown(index))
        return std::nullopt;
    const QTimeZone &zone = Load(index).zone;
    const ZoneState before = EntryStateAt(index, t);
    // The database also records changes of a zone's name alone: step over them.
    QDateTime at = Utc(t);
    for (int step = 0; step < 16; ++step) {
        const QTimeZone::OffsetData next = zone.nextTransition(at);
        if (!next.atUtc.isValid())
            return std::nullopt;
        const ZoneState after = StateOf(next);
        if (after.utcOffset != before.utcOffset || after.daylight != before.daylight)
            return ZoneChange{next.atUtc.toSecsSinceEpoch(), before, after};
        at = next.atUtc;
    }
    return std::nullopt;
}

int EntryDaylightShift(int index, TimeValue t)
{
    const ZoneState now = EntryStateAt(index, t);
    if (now.daylight)
        return now.Shift();
    if (!IsEntryZoneKnown(index))
        return 0;
    const QTimeZone &zone = Load(index).zone;
    const QTimeZone::OffsetDataList ahead = zone.transitions(Utc(t), Utc(t + Year));
    for (const QTimeZone::OffsetData &d : ahead)
        if (d.daylightTimeOffset != 0)
            return d.daylightTimeOffset;
    const QTimeZone::OffsetDataList behind = zone.transitions(Utc(t - Year), Utc(t));
    for (auto it = behind.crbegin(); it != behind.crend(); ++it)
        if (it->daylightTimeOffset != 0)
            return it->daylightTimeOffset;
    return 0;
}

bool EntryHasDaylightSavingThisOrNextYear(int index, TimeValue t)
{
    if (!IsEntryZoneKnown(index))
        return false;
    CachedZone &c = Load(index);
    const int year = UtcYear(t);
    if (c.daylightYear != year) {
        c.daylightYear = year;
        const QDateTime from = Utc(StartOfUtcYear(year));
        const QDateTime to = Utc(StartOfUtcYear(year + 2) - 1);
        c.daylightSoon = c.zone.offsetData(from).daylightTimeOffset != 0;
        if (!c.daylightSoon) {
            const QTimeZone::OffsetDataList changes = c.zone.transitions(from, to);
            for (const QTimeZone::OffsetData &d : changes)
                c.daylightSoon = c.daylightSoon || d.daylightTimeOffset != 0;
        }
    }
    return c.daylightSoon;
}

QString DescribeChange(const ZoneChange &change)
{
    QString what;
    if (change.before.daylight != change.after.daylight) {
        const ZoneState &daylight = change.after.daylight ? change.after : change.before;
        what = daylight.Shift() < 0 ? QStringLiteral("Winter time") : QStringLiteral("Summer time");
        what += change.after.daylight ? QStringLiteral(" begins ") : QStringLiteral(" ends ");
    } else {
        what = QStringLiteral("Clocks change ");
    }
    return what + LocalText(change.at, change.before.utcOffset, true) + QStringLiteral(" → ") +
           LocalText(change.at, change.after.utcOffset, false);
}

QString NoChangeAheadText()
{
    return QStringLiteral("No time change ahead");
}
