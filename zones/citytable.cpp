// SPDX-License-Identifier: MIT

#include "zones/citytable.h"

#include "zones/packedfile.h"
#include "zones/packedstrings.h"
#include "zones/textfold.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

// The index is written by tools/art (cities.js), whose header comment gives the layout. It is
// checked whole when first read; after that every access trusts it.

namespace {

constexpr char Magic[8] = {'O', 'C', 'I', 'T', 'I', 'E', 'S', '1'};
constexpr qsizetype HeaderSize = 64;
constexpr qsizetype RecordSize = 28;
constexpr qsizetype KeySize = 8;
constexpr quint16 NoRegion = 0xffff;
constexpr quint8 AsciiIsName = 1;
constexpr quint8 LaterWord = 1;
constexpr double DegreesPerUnit = 1e-5;

quint32 U32(const uchar *p)
{
    return PackedU32(p);
}

quint16 U16(const uchar *p)
{
    return PackedU16(p);
}

struct Table
{
    QByteArray owned; // empty when the bytes are the resource's, read in place
    const uchar *records = nullptr;
    const uchar *byId = nullptr;
    const uchar *keys = nullptr;
    const uchar *zones = nullptr;
    const uchar *regions = nullptr;
    const uchar *pool = nullptr;
    quint32 count = 0;
    quint32 keyCount = 0;
    quint32 zoneCount = 0;
    quint32 regionCount = 0;
    quint32 poolSize = 0;

    const uchar *Record(int city) const { return records + city * RecordSize; }
    const uchar *Key(quint32 i) const { return keys + i * KeySize; }
    // A length-prefixed text of the pool; checked at load.
    QByteArrayView Text(quint32 at) const
    {
        return QByteArrayView(reinterpret_cast<const char *>(pool + at + 1), pool[at]);
    }
    QByteArrayView KeyText(quint32 i) const
    {
        const uchar *key = Key(i);
        return QByteArrayView(reinterpret_cast<const char *>(pool + U32(key)), key[7]);
    }
};

bool TextFits(const Table &t, quint32 at)
{
    return at < t.poolSize && qint64(at) + 1 + t.pool[at] <= t.poolSize;
}

// The table in bytes, or an empty one when anything in them is out of place.
Table Parse(const uchar *data, qsizetype size)
{
    if (!data || size < HeaderSize || size % 4 != 0 || std::memcmp(data, Magic, 8) != 0 ||
        U32(data + 12) != quint64(size) || U32(data + 8) != PackedChecksum(data, 16, size))
        return {};
    Table t;
    t.count = U32(data + 16);
    t.keyCount = U32(data + 28);
    t.zoneCount = U32(data + 36);
    t.regionCount = U32(data + 44);
    t.poolSize = U32(data + 56);
    const auto section = [&](int field, qint64 length) -> const uchar * {
        const qint64 at = U32(data + field);
        return at >= HeaderSize && at + length <= size ? data + at : nullptr;
    };
    t.records = section(20, qint64(t.count) * RecordSize);
    t.byId = section(24, qint64(t.count) * 2);
    t.keys = section(32, qint64(t.keyCount) * KeySize);
    t.zones = section(40, qint64(t.zoneCount) * 4);
    t.regions = section(48, qint64(t.regionCount) * 4);
    t.pool = section(52, t.poolSize);
    if (!t.records || !t.byId || !t.keys || !t.zones || !t.regions || !t.pool || t.count > 0xffff ||
        t.zoneCount > 0xffff || t.regionCount >= NoRegion)
        return {};

    for (quint32 i = 0; i < t.zoneCount; ++i) {
        if (!TextFits(t, U32(t.zones + i * 4)))
            return {};
    }
    for (quint32 i = 0; i < t.regionCount; ++i) {
        if (!TextFits(t, U32(t.regions + i * 4)))
            return {};
    }
    for (quint32 city = 0; city < t.count; ++city) {
        const uchar *r = t.Record(int(city));
        const auto lat = qint32(U32(r + 8));
        const auto lon = qint32(U32(r + 12));
        const quint16 region = U16(r + 22);
        if (lat < -9000000 || lat > 9000000 || lon < -18000000 || lon > 18000000 ||
            U16(r + 20) >= t.zoneCount || (region != NoRegion && region >= t.regionCount) ||
            r[24] < 'A' || r[24] > 'Z' || r[25] < 'A' || r[25] > 'Z')
            return {};
        quint32 at = U32(r + 16);
        const int texts = 1 + (r[27] & AsciiIsName ? 0 : 1) + r[26];
        for (int i = 0; i < texts; ++i) {
            if (!TextFits(t, at))
                return {};
            at += 1 + t.pool[at];
        }
    }
    // Ids strictly rising, so the lookup's binary search holds.
    for (quint32 i = 0; i < t.count; ++i) {
        const quint16 city = U16(t.byId + i * 2);
        if (city >= t.count ||
            (i > 0 && U32(t.Record(city)) <= U32(t.Record(U16(t.byId + (i - 1) * 2)))))
            return {};
    }
    for (quint32 i = 0; i < t.keyCount; ++i) {
        const uchar *key = t.Key(i);
        if (U16(key + 4) >= t.count || key[6] > LaterWord || key[7] == 0 ||
            qint64(U32(key)) + key[7] > t.poolSize)
            return {};
    }
    return t;
}

QByteArrayView ResourceView()
{
    return UncompressedResource(QStringLiteral(":/data/cities.bin"));
}

Table &Current()
{
    static Table table = [] {
        const QByteArrayView bytes = ResourceView();
        return Parse(reinterpret_cast<const uchar *>(bytes.data()), bytes.size());
    }();
    return table;
}

const Table *Valid(int city)
{
    const Table &t = Current();
    return city >= 0 && quint32(city) < t.count ? &t : nullptr;
}

// The record's texts in order: name, ASCII name (unless it is the name), alternates.
quint32 TextAfter(const Table &t, quint32 at)
{
    return at + 1 + t.pool[at];
}

QString FromUtf8(QByteArrayView text)
{
    return QString::fromUtf8(text);
}

// Negative, zero or positive as the key's text sorts before, starts with or after the pattern.
int ComparePrefix(QByteArrayView key, QByteArrayView pattern)
{
    const qsizetype n = std::min(key.size(), pattern.size());
    const int c = std::memcmp(key.data(), pattern.data(), size_t(n));
    if (c != 0)
        return c;
    return key.size() < pattern.size() ? -1 : 0;
}

struct LocalCityName
{
    std::string_view language;
    int geonameId;
    std::string_view name;
};

#include "zones/citynames.inc"

constexpr auto LanguageAndName = [](const LocalCityName &row) {
    return std::array{row.language, row.name};
};
constexpr auto LocalCityTexts =
    PackedStrings<LocalCityNames.size(), 2, PackedBytes(LocalCityNames, LanguageAndName)>::Pack(
        LocalCityNames, LanguageAndName);
constexpr auto LocalCityIds = [] {
    std::array<int, LocalCityNames.size()> ids{};
    for (std::size_t i = 0; i < ids.size(); ++i)
        ids[i] = LocalCityNames[i].geonameId;
    return ids;
}();

// The chosen language's names, by geonameid as the generated table orders them.
struct LocalEntry
{
    int geonameId;
    QString name;
    QByteArray folded;
};
std::vector<LocalEntry> &LocalNames()
{
    static std::vector<LocalEntry> names;
    return names;
}

const LocalEntry *LocalNameOf(int geonameId)
{
    const std::vector<LocalEntry> &names = LocalNames();
    const auto it = std::lower_bound(names.begin(), names.end(), geonameId,
                                     [](const LocalEntry &n, int id) { return n.geonameId < id; });
    return it != names.end() && it->geonameId == geonameId ? &*it : nullptr;
}

} // namespace

namespace Cities {

void SetLanguages(const QStringList &languages)
{
    std::vector<LocalEntry> &names = LocalNames();
    names.clear();
    for (const QString &language : languages) {
        const QByteArray code = language.section(u'_', 0, 0).section(u'-', 0, 0).toLatin1();
        for (std::size_t i = 0; i < LocalCityTexts.size(); ++i) {
            if (LocalCityTexts.At(i, 0) ==
                std::string_view(code.constData(), size_t(code.size()))) {
                const std::string_view text = LocalCityTexts.At(i, 1);
                const QString name = QString::fromUtf8(text.data(), qsizetype(text.size()));
                names.push_back({LocalCityIds[i], name, FoldForSearch(name).toUtf8()});
            }
        }
        if (!names.empty())
            return;
    }
}

QString LocalName(int city)
{
    const LocalEntry *local = Valid(city) ? LocalNameOf(GeonameId(city)) : nullptr;
    return local ? local->name : Name(city);
}

QString DisplayName(int city)
{
    const QString local = LocalName(city);
    const QString name = Name(city);
    return local == name ? name : local + QStringLiteral(" (") + name + u')';
}

QString CldrVersion()
{
    return QString::fromLatin1(GeneratedCldrVersion.data(), qsizetype(GeneratedCldrVersion.size()));
}

int Count()
{
    return int(Current().count);
}

int GeonameId(int city)
{
    const Table *t = Valid(city);
    return t ? int(U32(t->Record(city))) : 0;
}

int ByGeonameId(int geonameId)
{
    const Table &t = Current();
    quint32 lo = 0;
    quint32 hi = t.count;
    while (lo < hi) {
        const quint32 mid = lo + (hi - lo) / 2;
        const quint16 city = U16(t.byId + mid * 2);
        const qint64 id = U32(t.Record(city));
        if (id == geonameId)
            return city;
        if (id < geonameId)
            lo = mid + 1;
        else
            hi = mid;
    }
    return -1;
}

QString Name(int city)
{
    const Table *t = Valid(city);
    return t ? FromUtf8(t->Text(U32(t->Record(city) + 16))) : QString();
}

QString AsciiName(int city)
{
    const Table *t = Valid(city);
    if (!t)
        return {};
    const uchar *r = t->Record(city);
    const quint32 name = U32(r + 16);
    return FromUtf8(t->Text(r[27] & AsciiIsName ? name : TextAfter(*t, name)));
}

QStringList Alternates(int city)
{
    const Table *t = Valid(city);
    if (!t)
        return {};
    const uchar *r = t->Record(city);
    quint32 at = TextAfter(*t, U32(r + 16));
    if (!(r[27] & AsciiIsName))
        at = TextAfter(*t, at);
    QStringList alternates;
    alternates.reserve(r[26]);
    for (int i = 0; i < r[26]; ++i, at = TextAfter(*t, at))
        alternates.append(FromUtf8(t->Text(at)));
    return alternates;
}

QByteArray CountryCode(int city)
{
    const Table *t = Valid(city);
    return t ? QByteArray(reinterpret_cast<const char *>(t->Record(city) + 24), 2) : QByteArray();
}

QString RegionName(int city)
{
    const Table *t = Valid(city);
    if (!t)
        return {};
    const quint16 region = U16(t->Record(city) + 22);
    return region == NoRegion ? QString() : FromUtf8(t->Text(U32(t->regions + region * 4)));
}

qint64 Population(int city)
{
    const Table *t = Valid(city);
    return t ? qint64(U32(t->Record(city) + 4)) : 0;
}

double Latitude(int city)
{
    const Table *t = Valid(city);
    return t ? qint32(U32(t->Record(city) + 8)) * DegreesPerUnit : 0.0;
}

double Longitude(int city)
{
    const Table *t = Valid(city);
    return t ? qint32(U32(t->Record(city) + 12)) * DegreesPerUnit : 0.0;
}

QByteArray ZoneId(int city)
{
    const Table *t = Valid(city);
    return t ? t->Text(U32(t->zones + U16(t->Record(city) + 20) * 4)).toByteArray() : QByteArray();
}

std::vector<Match> Find(QStringView foldedPattern, int limit)
{
    const Table &t = Current();
    const QByteArray pattern = foldedPattern.toUtf8();
    if (pattern.isEmpty() || limit <= 0 || t.count == 0)
        return {};
    // Keys are sorted by their text, so those starting with the pattern are one run.
    const auto bound = [&](bool after) {
        quint32 lo = 0;
        quint32 hi = t.keyCount;
        while (lo < hi) {
            const quint32 mid = lo + (hi - lo) / 2;
            const int c = ComparePrefix(t.KeyText(mid), pattern);
            if (c < 0 || (after && c == 0))
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    };
    const quint32 first = bound(false);
    const quint32 last = bound(true);

    // Twice the rank, plus one where the pattern ends inside a word: among equal ranks a name
    // whose word the pattern completes is the better.
    constexpr quint8 NoMatch = 6;
    std::vector<quint8> best(t.count, NoMatch);
    std::vector<Match> matches;
    const auto consider = [&](int city, bool later, bool whole, bool wordEnds) {
        const int rank = later ? 2 : whole ? 0 : 1;
        if (best[city] == NoMatch)
            matches.push_back({city, 0});
        best[city] = std::min<quint8>(best[city], quint8(rank * 2 + (wordEnds ? 0 : 1)));
    };
    for (quint32 i = first; i < last; ++i) {
        const uchar *key = t.Key(i);
        const bool whole = key[7] == pattern.size();
        consider(U16(key + 4), key[6] == LaterWord, whole,
                 whole || t.KeyText(i)[pattern.size()] == ' ');
    }
    // The few local names are not in the index: each word start of each is tried.
    for (const LocalEntry &local : LocalNames()) {
        const int city = ByGeonameId(local.geonameId);
        const QByteArray &f = local.folded;
        for (qsizetype at = 0; city >= 0 && at >= 0;) {
            if (QByteArrayView(f).sliced(at).startsWith(pattern)) {
                const qsizetype end = at + pattern.size();
                consider(city, at > 0, end == f.size(), end == f.size() || f[end] == ' ');
            }
            const qsizetype space = f.indexOf(' ', at);
            at = space < 0 ? -1 : space + 1;
        }
    }
    for (Match &m : matches) {
        m.rank = best[m.city] / 2;
        m.wordEnds = best[m.city] % 2 == 0;
    }
    // Cities are numbered by population, largest first.
    const auto order = [](const Match &a, const Match &b) {
        return a.rank != b.rank ? a.rank < b.rank : a.city < b.city;
    };
    const auto keep = std::min<size_t>(matches.size(), size_t(limit));
    std::partial_sort(matches.begin(), matches.begin() + qsizetype(keep), matches.end(), order);
    matches.resize(keep);
    return matches;
}

bool Load(QByteArrayView bytes)
{
    QByteArray copy = bytes.toByteArray();
    Table parsed = Parse(reinterpret_cast<const uchar *>(copy.constData()), copy.size());
    // Moving the copy keeps its bytes where the table points.
    parsed.owned = std::move(copy);
    if (parsed.count == 0)
        parsed = {};
    Current() = std::move(parsed);
    return Current().count > 0;
}

QByteArrayView ResourceBytes()
{
    return ResourceView();
}

std::vector<std::pair<int, QString>> StoredFoldedNames()
{
    const Table &t = Current();
    std::vector<std::pair<int, QString>> names;
    for (quint32 i = 0; i < t.keyCount; ++i) {
        const uchar *key = t.Key(i);
        if (key[6] != LaterWord)
            names.emplace_back(U16(key + 4), FromUtf8(t.KeyText(i)));
    }
    return names;
}

} // namespace Cities
