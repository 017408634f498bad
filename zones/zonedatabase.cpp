// SPDX-License-Identifier: MIT

#include "zones/zonedatabase.h"

#include "zones/countrytable.h"
#include "zones/daylight.h"
#include "zones/timeformat.h"
#include "zones/zonefile.h"
#include "zones/zonenames.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unordered_map>
#include <utility>

namespace {

constexpr TimeValue Earliest = std::numeric_limits<TimeValue>::min();
constexpr TimeValue Latest = std::numeric_limits<TimeValue>::max();
constexpr TimeValue Year = 366 * 86400;

constexpr int NoYear = std::numeric_limits<int>::min();

// What an earlier run's zone answered for an entry, restored from its snapshot.
struct Seed
{
    bool known = false;
    ZoneState state;
    TimeValue from = 1;
    TimeValue until = 0;
    int daylightYear = NoYear;
    bool daylightSoon = false;
};

// One entry's zone and the last answers asked of it.
struct CachedZone
{
    bool loaded = false;
    QTimeZone zone;
    TimeValue from = 1; // the state holds for from <= t < until; empty until first asked
    TimeValue until = 0;
    ZoneState state;
    int daylightYear = NoYear; // the UTC year daylightSoon is for
    bool daylightSoon = false;
    std::optional<Seed> seed;
};

std::array<CachedZone, PlaceCount> g_zones;

// A zone asked for by name (a city's, one of the map's), not an entry's; kept for the run like
// the entries'.
struct NamedZone
{
    bool loaded = false;
    QTimeZone zone;
    TimeValue from = 1;
    TimeValue until = 0;
    ZoneState state;
    int daylightYear = NoYear;
    bool daylightSoon = false;
    // A list (the map) asked for its answer: it is kept in the snapshot.
    bool listed = false;
    // The standard offset answered before the zone was read, from an earlier run or the file.
    std::optional<Seed> seed;
};

std::map<QByteArray, NamedZone> g_named;

// The zones' compiled files gave an answer their zone contradicted: none is read again this run.
bool g_filesDistrusted = false;
// What the files answered at g_fileAnswersAt, by zone name: let go once the answers are written.
TimeValue g_fileAnswersAt = 0;
std::unordered_map<std::string_view, std::optional<Seed>> g_fileAnswers;
// Some answer was worked out that the last snapshot taken or restored does not hold.
bool g_snapshotOutdated = false;
// A restored answer was contradicted by its zone since this was last asked.
bool g_snapshotDisproved = false;
// The database this run's answers come from, taken when the first was restored or worked out.
// Qt keeps each zone it read for the whole run, so after an update of the database the run's
// answers are the old ones and must not be kept under the new database's name.
QByteArray g_answersIdentity;

QByteArray DatabaseIdentity();

bool operator==(const ZoneState &a, const ZoneState &b)
{
    return a.utcOffset == b.utcOffset && a.standardOffset == b.standardOffset &&
           a.daylight == b.daylight;
}

QDateTime Utc(TimeValue t)
{
    return QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
}

// A test's stand-in for a machine without the database.
bool g_databaseHidden = false;
// Whether the database is missing, once asked.
std::optional<bool> g_databaseMissing;

CachedZone &Load(int index)
{
    CachedZone &c = g_zones[static_cast<std::size_t>(index)];
    if (!c.loaded) {
        c.loaded = true;
        if (g_answersIdentity.isEmpty())
            g_answersIdentity = DatabaseIdentity();
        const char *name = CountryZoneName(index);
        if (name && *name && !g_databaseHidden)
            c.zone = QTimeZone(QByteArray(name));
    }
    return c;
}

// A negative saving that lasts a season is a zone's winter written that way (Ireland): its
// standard time. A shorter one (Morocco's weeks of Ramadan) stays as the database has it.
constexpr TimeValue Season = 90 * 86400;

// QTimeZone's answer in the terms a zone's file answers in (zones/zonefile.h), so that one
// reading of a zone's rules serves both.
ZoneOffsets OffsetsOf(const QTimeZone::OffsetData &d)
{
    if (!d.atUtc.isValid())
        return {};
    return {true, d.atUtc.toSecsSinceEpoch(), d.offsetFromUtc, d.standardTimeOffset};
}

struct QtZone
{
    const QTimeZone &zone;

    ZoneOffsets At(TimeValue t) const { return OffsetsOf(zone.offsetData(Utc(t))); }
    ZoneOffsets After(TimeValue t) const { return OffsetsOf(zone.nextTransition(Utc(t))); }
    ZoneOffsets Before(TimeValue t) const { return OffsetsOf(zone.previousTransition(Utc(t))); }
};

template <class Zone> bool IsWinterAsNegativeSaving(const Zone &zone, const ZoneOffsets &d)
{
    if (d.offset >= d.standard)
        return false;
    const ZoneOffsets start = zone.Before(d.at + 1);
    const ZoneOffsets end = zone.After(d.at);
    if (!start.valid || !end.valid)
        return true;
    return end.at - start.at >= Season;
}

// The state as the database writes it, except for a winter written as a negative saving: that
// is standard time, as the map's key has it, and the summer before it daylight saving.
// next: the transition after d's, when the caller has it.
template <class Zone>
ZoneState StateOf(const Zone &zone, const ZoneOffsets &d, const ZoneOffsets *next = nullptr)
{
    ZoneState s{d.offset, d.standard, d.offset != d.standard};
    if (d.offset < d.standard) {
        if (IsWinterAsNegativeSaving(zone, d))
            s = {d.offset, d.offset, false};
    } else if (d.offset == d.standard) {
        const ZoneOffsets winter = next ? *next : zone.After(d.at);
        if (winter.valid && winter.offset < winter.standard && winter.offset < d.offset &&
            IsWinterAsNegativeSaving(zone, winter))
            s = {d.offset, winter.offset, true};
    }
    return s;
}

// The state at t and the span it holds for, from <= t < until.
template <class Zone>
void StateSpan(const Zone &zone, TimeValue t, ZoneState &state, TimeValue &from, TimeValue &until)
{
    const ZoneOffsets next = zone.After(t);
    state = StateOf(zone, zone.At(t), &next);
    until = next.valid ? next.at : Latest;
    // The transition that began the state: the last one before t + 1, which may be at t.
    const ZoneOffsets previous = zone.Before(t + 1);
    from = previous.valid ? previous.at : Earliest;
}

// Fills the cached state and its span for t.
void Refresh(CachedZone &c, int index, TimeValue t)
{
    if (!c.zone.isValid()) {
        // The table's own rule, whose changes come at the computer's midnights: an answer
        // holds for the minute.
        const CountryEntry *entry = PlaceAt(index);
        const int standard = static_cast<int>(std::lround(entry->gmtOffset * 3600.0f));
        const bool daylight = IsDaylightSavingAt(index, t);
        c.state = {standard + (daylight ? entry->daylightShift * 3600 : 0), standard, daylight};
        c.from = Earliest;
        c.until = Latest;
        if (HasDaylightSaving(index)) {
            c.from = t - ((t % 60) + 60) % 60;
            c.until = c.from + 60;
        }
        return;
    }
    StateSpan(QtZone{c.zone}, t, c.state, c.from, c.until);
}

// A snapshot that gave one wrong answer (damaged in a way its lines do not show, or written by
// hand) is believed no more, by any entry.
void DropSeeds()
{
    for (CachedZone &z : g_zones)
        z.seed.reset();
    for (auto &[name, z] : g_named)
        z.seed.reset();
    g_filesDistrusted = true;
    g_fileAnswers.clear();
    g_snapshotDisproved = true;
    g_snapshotOutdated = true;
}

void Recompute(CachedZone &c, int index, TimeValue t)
{
    Refresh(c, index, t);
    if (c.seed && c.seed->from <= t && t < c.seed->until &&
        (c.seed->known != c.zone.isValid() || c.seed->state != c.state || c.seed->from != c.from ||
         c.seed->until != c.until))
        DropSeeds();
    if (!c.seed || c.seed->state != c.state || c.seed->from != c.from || c.seed->until != c.until)
        g_snapshotOutdated = true;
}

const ZoneState &CachedState(int index, TimeValue t)
{
    CachedZone &c = Load(index);
    if (t < c.from || t >= c.until)
        Recompute(c, index, t);
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
    const QDateTime wall = Utc(t + offset);
    const QString time = FormatTimeOfDay(wall.time(), false);
    if (!withDay)
        return time;
    //: A time change's day and the time before it: "Sun 25 Oct 2026, 03:00".
    return QCoreApplication::translate("ZoneDatabase", "%1, %2")
        .arg(FormatDayOfYear(wall.date()), time);
}

// 3: zones asked for by name have lines of their own, which an older program would refuse line
// by line; under a new tag it simply works its answers out again.
constexpr char SnapshotTag[] = "orbiclock entry states 3 ";

// FNV-1a: stable from run to run, unlike qHash.
void Mix(quint64 &hash, QByteArrayView bytes)
{
    for (const char ch : bytes)
        hash = (hash ^ static_cast<unsigned char>(ch)) * 1099511628211ULL;
    hash = (hash ^ 0xffU) * 1099511628211ULL; // ends the field: "ab","c" is not "a","bc"
}

// A run's answers may be reused by another only if both read the same files the same way: the
// zone files' place and the identity of the data file installed with them (replaced at every
// update of the database), the zone of each entry, and the Qt that reads them. Empty when the
// database has no such file: nothing then binds a snapshot to it.
QByteArray DatabaseIdentity()
{
    quint64 hash = 14695981039346656037ULL;
    Mix(hash, qVersion());
    // Qt looks in $TZDIR first.
    const QByteArray tzdir = qgetenv("TZDIR");
    const QByteArray files[] = {tzdir.isEmpty() ? QByteArray() : tzdir + "/tzdata.zi",
                                QByteArrayLiteral("/usr/share/zoneinfo/tzdata.zi")};
    bool found = false;
    for (const QByteArray &file : files) {
        struct stat st
        {
        };
        Mix(hash, file);
        if (file.isEmpty() || ::stat(file.constData(), &st) != 0)
            continue;
        found = true;
        const qint64 id[] = {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
                             qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec)};
        Mix(hash, QByteArrayView(reinterpret_cast<const char *>(id), sizeof id));
    }
    if (!found)
        return {};
    for (int i = 0; i < PlaceCount; ++i)
        Mix(hash, CountryZoneName(i));
    return QByteArray::number(hash, 16);
}

// Takes the next number of a line, and the blank after it.
bool TakeNumber(const char *&p, const char *end, qint64 low, qint64 high, qint64 &out)
{
    const auto [next, error] = std::from_chars(p, end, out);
    if (error != std::errc() || out < low || out > high)
        return false;
    p = next;
    if (p < end && *p == ' ')
        ++p;
    return true;
}

// A zone's name as a snapshot may hold it: the database's own spelling ("America/Port-au-Prince",
// "Etc/GMT+5"), never a path that could lead elsewhere nor anything that breaks a line.
bool IsPlainZoneName(QByteArrayView name)
{
    // ASCII alone, whatever the locale.
    const auto letter = [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
    };
    if (name.isEmpty() || name.size() > 64 || !letter(name[0]))
        return false;
    return std::all_of(name.begin(), name.end(), [&letter](char ch) {
        return letter(ch) || (ch >= '0' && ch <= '9') || (ch != '\0' && std::strchr("/_+-", ch));
    });
}

// "index known utcOffset standardOffset daylight from until daylightYear daylightSoon" for an
// entry; a zone asked for by name has its name in place of the index (and index -1).
bool ParseSeed(const char *p, const char *end, int &index, QByteArray &name, Seed &seed)
{
    constexpr qint64 Day = 86400;
    qint64 v[9];
    const qint64 limits[9][2] = {{0, PlaceCount - 1}, {0, 1},         {-Day, Day},
                                 {-Day, Day},         {0, 1},         {Earliest, Latest},
                                 {Earliest, Latest},  {NoYear, 9999}, {0, 1}};
    int first = 0;
    index = -1;
    if (p < end && (*p < '0' || *p > '9')) {
        const char *blank = static_cast<const char *>(std::memchr(p, ' ', std::size_t(end - p)));
        if (!blank || !IsPlainZoneName(QByteArrayView(p, blank)))
            return false;
        name = QByteArray(p, blank - p);
        p = blank + 1;
        first = 1;
    }
    for (int i = first; i < 9; ++i)
        if (!TakeNumber(p, end, limits[i][0], limits[i][1], v[i]))
            return false;
    if (first == 0)
        index = int(v[0]);
    seed.known = v[1] != 0;
    seed.state = {int(v[2]), int(v[3]), v[4] != 0};
    seed.from = v[5];
    seed.until = v[6];
    seed.daylightYear = int(v[7]);
    seed.daylightSoon = v[8] != 0;
    return p == end && seed.from < seed.until && (seed.daylightYear == NoYear || v[7] > 0);
}

// key: the entry's index or the zone's name.
QByteArray SeedLine(const QByteArray &key, const Seed &seed)
{
    QByteArray line = key;
    for (const qint64 v :
         {qint64(seed.known), qint64(seed.state.utcOffset), qint64(seed.state.standardOffset),
          qint64(seed.state.daylight), qint64(seed.from), qint64(seed.until),
          qint64(seed.daylightYear), qint64(seed.daylightSoon)})
        line += ' ' + QByteArray::number(v);
    return line + '\n';
}

// The seed answers for t: the entry's zone is not loaded and the seed's span holds t.
const Seed *SeedFor(int index, TimeValue t)
{
    const CachedZone &c = g_zones[static_cast<std::size_t>(index)];
    return !c.loaded && c.seed && c.seed->from <= t && t < c.seed->until ? &*c.seed : nullptr;
}

// A zone's state at an instant. Qt's fixed zones ("UTC") give no offset data, only offsets.
ZoneState StateAt(const QTimeZone &zone, const QDateTime &at)
{
    const QTimeZone::OffsetData d = zone.offsetData(at);
    if (d.atUtc.isValid())
        return StateOf(QtZone{zone}, OffsetsOf(d));
    return {zone.offsetFromUtc(at), zone.standardTimeOffset(at), zone.isDaylightTime(at)};
}

NamedZone *LoadNamed(const QByteArray &zoneId)
{
    if (zoneId.isEmpty())
        return nullptr;
    NamedZone &z = g_named[zoneId];
    if (!z.loaded) {
        z.loaded = true;
        if (g_answersIdentity.isEmpty())
            g_answersIdentity = DatabaseIdentity();
        // A name that could climb out of the database's folder is no zone.
        if (!zoneId.contains("..") && !zoneId.startsWith('/'))
            z.zone = QTimeZone(zoneId);
        if (z.seed && z.seed->known != z.zone.isValid())
            DropSeeds();
    }
    return z.zone.isValid() ? &z : nullptr;
}

std::optional<ZoneChange> NextChangeOf(const QTimeZone &zone, const ZoneState &before, TimeValue t)
{
    // The database also records changes of a zone's name alone: step over them.
    QDateTime at = Utc(t);
    for (int step = 0; step < 16; ++step) {
        const QTimeZone::OffsetData next = zone.nextTransition(at);
        if (!next.atUtc.isValid())
            return std::nullopt;
        const ZoneState after = StateOf(QtZone{zone}, OffsetsOf(next));
        if (after.utcOffset != before.utcOffset || after.daylight != before.daylight)
            return ZoneChange{next.atUtc.toSecsSinceEpoch(), before, after};
        at = next.atUtc;
    }
    return std::nullopt;
}

int DaylightShiftOf(const QTimeZone &zone, TimeValue t)
{
    // A winter written as a negative saving has the summer's shift the other way round.
    const auto shift = [&zone](const QTimeZone::OffsetData &d) {
        return d.daylightTimeOffset < 0 && IsWinterAsNegativeSaving(QtZone{zone}, OffsetsOf(d))
                   ? -d.daylightTimeOffset
                   : d.daylightTimeOffset;
    };
    const QTimeZone::OffsetDataList ahead = zone.transitions(Utc(t), Utc(t + Year));
    for (const QTimeZone::OffsetData &d : ahead)
        if (d.daylightTimeOffset != 0)
            return shift(d);
    const QTimeZone::OffsetDataList behind = zone.transitions(Utc(t - Year), Utc(t));
    for (auto it = behind.crbegin(); it != behind.crend(); ++it)
        if (it->daylightTimeOffset != 0)
            return shift(*it);
    return 0;
}

template <class Zone> bool DaylightInYears(const Zone &zone, int year)
{
    const TimeValue from = StartOfUtcYear(year);
    const TimeValue to = StartOfUtcYear(year + 2) - 1;
    // A fixed zone ("UTC") gives no offset data at all.
    const ZoneOffsets first = zone.At(from);
    if (first.valid && first.offset != first.standard)
        return true;
    for (ZoneOffsets d = zone.After(from - 1); d.valid && d.at <= to; d = zone.After(d.at))
        if (d.offset != d.standard)
            return true;
    return false;
}

// What a list needs of a zone at t from its compiled file; nothing when the file cannot tell.
// withDaylight: whether daylight saving this year or next is wanted too.
std::optional<Seed> ReadSeed(const char *zoneId, TimeValue t, bool withDaylight = true)
{
    const std::optional<ZoneFile> file = ZoneFile::Read(zoneId);
    if (!file)
        return std::nullopt;
    Seed seed;
    seed.known = true;
    StateSpan(*file, t, seed.state, seed.from, seed.until);
    if (withDaylight) {
        seed.daylightYear = UtcYear(t);
        seed.daylightSoon = DaylightInYears(*file, seed.daylightYear);
    }
    if (file->TakeBeyond())
        return std::nullopt;
    return seed;
}

// Makes the entry's seed for t from its zone's compiled file, when no seed holds t and the
// zone is not read yet: what a list needs, without loading the zone. Like a snapshot's seeds it
// is asked again of the zone once that is read, and a contradiction drops every seed. False when
// the file cannot tell.
bool SeedFromFile(int index, TimeValue t)
{
    CachedZone &c = g_zones[static_cast<std::size_t>(index)];
    if (c.loaded || g_databaseHidden || g_filesDistrusted)
        return false;
    // Entries that share a zone read its file once for the instant a fill asks about.
    if (g_fileAnswersAt != t) {
        g_fileAnswers.clear();
        g_fileAnswersAt = t;
    }
    const auto [answer, added] = g_fileAnswers.try_emplace(CountryZoneName(index));
    if (added)
        answer->second = ReadSeed(CountryZoneName(index), t);
    if (!answer->second)
        return false;
    if (g_answersIdentity.isEmpty())
        g_answersIdentity = DatabaseIdentity();
    c.seed = answer->second;
    g_snapshotOutdated = true;
    return true;
}

} // namespace

QByteArray EntrySnapshot()
{
    const QByteArray identity = DatabaseIdentity();
    if (identity.isEmpty() || (!g_answersIdentity.isEmpty() && identity != g_answersIdentity))
        return {};
    // Nothing is written that no zone gave: each restored answer this run did not ask again is
    // asked now (reading the zones, once, after the start), and a contradicted one drops them
    // all.
    for (int i = 0; i < PlaceCount; ++i) {
        const CachedZone &c = g_zones[static_cast<std::size_t>(i)];
        if (c.seed && !c.loaded)
            CachedState(i, c.seed->from != Earliest ? c.seed->from : c.seed->until - 1);
        if (c.seed && c.seed->daylightYear != NoYear && c.daylightYear == NoYear)
            EntryHasDaylightSavingThisOrNextYear(i, StartOfUtcYear(c.seed->daylightYear));
    }
    for (auto &[name, z] : g_named) {
        if (z.seed && !z.loaded) {
            z.listed = true;
            ZoneStateAt(name, z.seed->from != Earliest ? z.seed->from : z.seed->until - 1);
        }
    }
    QByteArray out = SnapshotTag + identity + '\n';
    for (int i = 0; i < PlaceCount; ++i) {
        const CachedZone &c = g_zones[static_cast<std::size_t>(i)];
        if (c.loaded && c.from < c.until)
            out += SeedLine(QByteArray::number(i), {c.zone.isValid(), c.state, c.from, c.until,
                                                    c.daylightYear, c.daylightSoon});
    }
    // Of the zones asked for by name, only the lists' answers: the map's zones, not every
    // city Find showed a time for.
    for (const auto &[name, z] : g_named) {
        if (!z.listed || !z.loaded || !IsPlainZoneName(name))
            continue;
        if (!z.zone.isValid())
            out += SeedLine(name, {false, {}, Earliest, Latest, NoYear, false});
        else if (z.from < z.until)
            out += SeedLine(name, {true, z.state, z.from, z.until, NoYear, false});
    }
    g_snapshotOutdated = false;
    g_fileAnswers = {};
    return out;
}

bool RestoreEntrySnapshot(const QByteArray &snapshot)
{
    const QByteArray identity = DatabaseIdentity();
    const QByteArray head = SnapshotTag + identity + '\n';
    if (identity.isEmpty() || !snapshot.startsWith(head))
        return false;
    std::array<std::optional<Seed>, PlaceCount> seeds;
    std::vector<std::pair<QByteArray, Seed>> named;
    const char *p = snapshot.constData() + head.size();
    const char *const end = snapshot.constData() + snapshot.size();
    while (p < end) {
        const char *eol = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)));
        if (!eol)
            return false; // cut short
        int index = 0;
        QByteArray name;
        Seed seed;
        if (!ParseSeed(p, eol, index, name, seed))
            return false;
        if (index >= 0)
            seeds[static_cast<std::size_t>(index)] = seed;
        else
            named.emplace_back(std::move(name), seed);
        p = eol + 1;
    }
    for (std::size_t i = 0; i < seeds.size(); ++i)
        if (seeds[i])
            g_zones[i].seed = seeds[i];
    for (auto &[name, seed] : named)
        g_named[name].seed = seed;
    if (g_answersIdentity.isEmpty())
        g_answersIdentity = identity;
    g_snapshotOutdated = false;
    return true;
}

bool EntrySnapshotOutdated()
{
    return g_snapshotOutdated;
}

bool TakeEntrySnapshotDisproved()
{
    return std::exchange(g_snapshotDisproved, false);
}

namespace {

// The seed that answers a list for t, made from the zone's file when none does yet.
const Seed *ListSeedFor(int index, TimeValue t)
{
    const Seed *seed = SeedFor(index, t);
    if (!seed && SeedFromFile(index, t))
        seed = SeedFor(index, t);
    return seed;
}

} // namespace

ZoneState EntryListStateAt(int index, TimeValue t)
{
    if (!IsValidPlaceIndex(index))
        return {};
    const Seed *seed = ListSeedFor(index, t);
    return seed ? seed->state : EntryStateAt(index, t);
}

bool IsEntryListZoneKnown(int index, TimeValue t)
{
    if (!IsValidPlaceIndex(index))
        return false;
    const Seed *seed = ListSeedFor(index, t);
    return seed ? seed->known : IsEntryZoneKnown(index);
}

std::optional<int> ZoneListStandardOffset(const QByteArray &zoneId, TimeValue t)
{
    if (zoneId.isEmpty())
        return std::nullopt;
    NamedZone &z = g_named[zoneId];
    z.listed = true;
    const auto holds = [&z, t] {
        return z.seed && z.seed->from <= t && t < z.seed->until;
    };
    if (!z.loaded && !holds() && !g_databaseHidden && !g_filesDistrusted) {
        if (std::optional<Seed> seed = ReadSeed(zoneId.constData(), t, false)) {
            if (g_answersIdentity.isEmpty())
                g_answersIdentity = DatabaseIdentity();
            z.seed = seed;
            g_snapshotOutdated = true;
        }
    }
    if (!z.loaded && holds())
        return z.seed->known ? std::optional(z.seed->state.standardOffset) : std::nullopt;
    const bool read = z.loaded;
    if (!IsZoneKnown(zoneId)) {
        if (!read && (!z.seed || z.seed->known))
            g_snapshotOutdated = true;
        return std::nullopt;
    }
    return ZoneStateAt(zoneId, t).standardOffset;
}

bool EntryListHasDaylightSaving(int index, TimeValue t)
{
    if (!IsValidPlaceIndex(index))
        return false;
    if (const Seed *seed = ListSeedFor(index, t)) {
        // An unknown zone has none in any year.
        if (!seed->known)
            return false;
        if (seed->daylightYear != NoYear && StartOfUtcYear(seed->daylightYear) <= t &&
            t < StartOfUtcYear(seed->daylightYear + 1))
            return seed->daylightSoon;
    }
    return EntryHasDaylightSavingThisOrNextYear(index, t);
}

QByteArray EntryZoneId(int index)
{
    if (!IsValidPlaceIndex(index))
        return {};
    return QByteArray(CountryZoneName(index));
}

bool IsEntryZoneKnown(int index)
{
    return IsValidPlaceIndex(index) && Load(index).zone.isValid();
}

ZoneState EntryStateAt(int index, TimeValue t)
{
    if (!IsValidPlaceIndex(index))
        return {};
    return CachedState(index, t);
}

std::optional<ZoneChange> NextEntryChange(int index, TimeValue t)
{
    if (!IsEntryZoneKnown(index))
        return std::nullopt;
    return NextChangeOf(Load(index).zone, EntryStateAt(index, t), t);
}

int EntryDaylightShift(int index, TimeValue t)
{
    const ZoneState now = EntryStateAt(index, t);
    if (now.daylight)
        return now.Shift();
    if (!IsEntryZoneKnown(index))
        return HasDaylightSaving(index) ? PlaceAt(index)->daylightShift * 3600 : 0;
    return DaylightShiftOf(Load(index).zone, t);
}

bool EntryHasDaylightSavingThisOrNextYear(int index, TimeValue t)
{
    if (!IsEntryZoneKnown(index))
        return HasDaylightSaving(index);
    CachedZone &c = Load(index);
    const int year = UtcYear(t);
    if (c.daylightYear != year) {
        c.daylightYear = year;
        c.daylightSoon = DaylightInYears(QtZone{c.zone}, year);
        if (c.seed && c.seed->daylightYear == year && c.seed->daylightSoon != c.daylightSoon)
            DropSeeds();
        if (!c.seed || c.seed->daylightYear != year || c.seed->daylightSoon != c.daylightSoon)
            g_snapshotOutdated = true;
    }
    return c.daylightSoon;
}

bool IsZoneKnown(const QByteArray &zoneId)
{
    return LoadNamed(zoneId) != nullptr;
}

ZoneState ZoneStateAt(const QByteArray &zoneId, TimeValue t)
{
    NamedZone *z = LoadNamed(zoneId);
    if (!z)
        return {};
    if (t < z->from || t >= z->until) {
        const QDateTime at = Utc(t);
        z->state = StateAt(z->zone, at);
        const QTimeZone::OffsetData next = z->zone.nextTransition(at);
        z->until = next.atUtc.isValid() ? next.atUtc.toSecsSinceEpoch() : Latest;
        const QTimeZone::OffsetData previous = z->zone.previousTransition(Utc(t + 1));
        z->from = previous.atUtc.isValid() ? previous.atUtc.toSecsSinceEpoch() : Earliest;
        // An answer given before the zone was read is asked again here, as an entry's is.
        const std::optional<Seed> &seed = z->seed;
        const bool same = seed && seed->known && seed->state == z->state && seed->from == z->from &&
                          seed->until == z->until;
        if (seed && seed->from <= t && t < seed->until && !same)
            DropSeeds();
        if (z->listed && !same)
            g_snapshotOutdated = true;
    }
    return z->state;
}

std::optional<ZoneChange> NextZoneChange(const QByteArray &zoneId, TimeValue t)
{
    NamedZone *z = LoadNamed(zoneId);
    return z ? NextChangeOf(z->zone, ZoneStateAt(zoneId, t), t) : std::nullopt;
}

int ZoneDaylightShift(const QByteArray &zoneId, TimeValue t)
{
    const ZoneState now = ZoneStateAt(zoneId, t);
    if (now.daylight)
        return now.Shift();
    NamedZone *z = LoadNamed(zoneId);
    return z ? DaylightShiftOf(z->zone, t) : 0;
}

bool ZoneHasDaylightSavingThisOrNextYear(const QByteArray &zoneId, TimeValue t)
{
    NamedZone *z = LoadNamed(zoneId);
    if (!z)
        return false;
    const int year = UtcYear(t);
    if (z->daylightYear != year) {
        z->daylightYear = year;
        z->daylightSoon = DaylightInYears(QtZone{z->zone}, year);
    }
    return z->daylightSoon;
}

QString DescribeChange(const ZoneChange &change)
{
    const QString before = LocalText(change.at, change.before.utcOffset, true);
    const QString after = LocalText(change.at, change.after.utcOffset, false);
    const auto text = [&](const char *sentence) {
        return QCoreApplication::translate("ZoneDatabase", sentence).arg(before, after);
    };
    if (change.before.daylight == change.after.daylight)
        return text(QT_TRANSLATE_NOOP("ZoneDatabase", "Clocks change %1 → %2"));
    // Ireland's "negative" summer time is its winter.
    const ZoneState &daylight = change.after.daylight ? change.after : change.before;
    if (daylight.Shift() < 0)
        return change.after.daylight
                   ? text(QT_TRANSLATE_NOOP("ZoneDatabase", "Winter time begins %1 → %2"))
                   : text(QT_TRANSLATE_NOOP("ZoneDatabase", "Winter time ends %1 → %2"));
    return change.after.daylight
               ? text(QT_TRANSLATE_NOOP("ZoneDatabase", "Summer time begins %1 → %2"))
               : text(QT_TRANSLATE_NOOP("ZoneDatabase", "Summer time ends %1 → %2"));
}

bool IsZoneDatabaseMissing()
{
    if (!g_databaseMissing) {
        // Zones already read answer at once; otherwise the first the database knows.
        bool known = false;
        for (int i = 0; i < PlaceCount && !known; ++i)
            known = g_zones[std::size_t(i)].loaded && g_zones[std::size_t(i)].zone.isValid();
        for (int i = 0; i < PlaceCount && !known; ++i)
            known = IsEntryZoneKnown(i);
        g_databaseMissing = !known;
    }
    return *g_databaseMissing;
}

QString ZoneDatabaseMissingText()
{
    return QCoreApplication::translate("ZoneDatabase",
                                       "No time-zone database: times follow the built-in table");
}

void SetZoneDatabaseHiddenForTesting(bool hidden)
{
    g_databaseHidden = hidden;
    g_databaseMissing.reset();
    g_zones = {};
    g_named.clear();
    g_filesDistrusted = false;
    g_fileAnswers.clear();
    g_answersIdentity.clear();
}

QString NoChangeAheadText()
{
    return QCoreApplication::translate("ZoneDatabase", "No time change ahead");
}
