// SPDX-License-Identifier: MIT

#include "map/zonemap.h"

#include "map/colourtables.h"
#include "map/surface.h"
#include "map/zonekey.h"
#include "res/resources.h"
#include "zones/countrytable.h"
#include "zones/timesource.h"
#include "zones/zonedatabase.h"
#include "zones/zonenames.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace {

// Wraps x into [0, w).
int Wrap(int x, int w)
{
    return ((x % w) + w) % w;
}

int Truncate(float value)
{
    return static_cast<int>(std::trunc(value));
}

// A rough offset (a whole number of hours) for column x of a picture of width w, not turned.
float EstimateZone(int x, int w)
{
    const float c = static_cast<float>(w) / 24.0f;
    if (x >= w - Truncate(c / 2.0f))
        return -12.0f;
    if (x >= w - Truncate(c))
        return 12.0f;
    return static_cast<float>(Truncate(static_cast<float>(x) / c) - 11);
}

// The nautical zone of the sea at the middle of column x of w: whole hours, 15 degrees wide.
signed char SeaHours(int x, int w)
{
    double lon = MapPictureWestLongitude + (x + 0.5) * 360.0 / w;
    if (lon >= 180.0)
        lon -= 360.0;
    return static_cast<signed char>(std::clamp(int(std::floor(lon / 15.0 + 0.5)), -12, 12));
}

QRgb Blend(QRgb sea, QRgb land, int share)
{
    auto channel = [&](int shift) {
        const int s = (sea >> shift) & 0xff;
        const int l = (land >> shift) & 0xff;
        return static_cast<QRgb>((s * (255 - share) + l * share + 127) / 255) << shift;
    };
    return 0xff000000u | channel(16) | channel(8) | channel(0);
}

} // namespace

bool CZoneMap::Build(QSize size, const ZoneKey &key, const QImage &tablePicture,
                     const BuiltLand *kept)
{
    if (size.isEmpty() || key.IsNull())
        return false;
    const ZoneKey *before = m_key;
    m_key = &key;
    if (kept && kept->cover.size() == size && kept->keys.size() == size) {
        m_cover = kept->cover;
        m_keys = kept->keys;
    } else if (!BuildLand(size)) {
        m_key = before;
        return false;
    }
    if (m_key != before) {
        m_names.clear();
        m_entries.clear();
    }
    m_bDatabase = tablePicture.isNull();
    if (!m_bDatabase && !tablePicture.isNull()) {
        // Each colour of the table's key stands for an entry near its column's stripe: resolved
        // once per colour and stripe, then every pixel takes its source pixel's entry.
        const QImage table = tablePicture.convertToFormat(QImage::Format_RGB32);
        const int tw = table.width();
        const int th = table.height();
        QHash<quint64, quint16> resolved;
        std::vector<quint16> entries(static_cast<std::size_t>(tw) * th);
        for (int y = 0; y < th; ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(table.constScanLine(y));
            for (int x = 0; x < tw; ++x) {
                const COLORREF colour = FromRgb(row[x]);
                const quint64 k = (quint64(colour) << 8) | quint64(EstimateZone(x, tw) + 12.0f);
                auto at = resolved.find(k);
                if (at == resolved.end()) {
                    const int entry = TableEntryAt(colour, x, tw);
                    at = resolved.insert(k, entry < 0 ? NoId : quint16(entry));
                }
                entries[std::size_t(y) * tw + x] = *at;
            }
        }
        // The table's coast is coarser than the land drawn: land of a pixel the table calls sea
        // takes the land entry beside it, so a lit zone's coast follows the land shown.
        auto isLand = [](quint16 entry) {
            return entry != NoId && ZoneColourTable[entry].kind == 1;
        };
        std::vector<quint16> coast(entries);
        for (int y = 0; y < th; ++y)
            for (int x = 0; x < tw; ++x) {
                quint16 &e = coast[std::size_t(y) * tw + x];
                for (int i = 0; i < 8 && !isLand(e); ++i) {
                    static constexpr int Around[8][2] = {{-1, 0},  {1, 0},  {0, -1}, {0, 1},
                                                         {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
                    const int ny = y + Around[i][1];
                    const quint16 n =
                        ny < 0 || ny >= th
                            ? NoId
                            : entries[std::size_t(ny) * tw + Wrap(x + Around[i][0], tw)];
                    if (isLand(n))
                        e = n;
                }
            }
        std::vector<int> columns(static_cast<std::size_t>(size.width()));
        for (int x = 0; x < size.width(); ++x)
            columns[std::size_t(x)] = int(qint64(x) * tw / size.width());
        for (int y = 0; y < size.height(); ++y) {
            const std::size_t row = std::size_t(qint64(y) * th / size.height()) * tw;
            const uchar *land = m_cover.constScanLine(y);
            auto *to = reinterpret_cast<quint16 *>(m_keys.scanLine(y));
            for (int x = 0; x < size.width(); ++x)
                to[x] = (land[x] ? coast : entries)[row + std::size_t(columns[std::size_t(x)])];
        }
    }
    m_seaHours.resize(std::size_t(size.width()));
    for (int x = 0; x < size.width(); ++x)
        m_seaHours[std::size_t(x)] = SeaHours(x, size.width());
    // Lit by the first LightZone, which the map always asks for.
    m_lit = Lit();
    m_turn = QPoint();
    return true;
}

bool CZoneMap::BuildLand(QSize size)
{
    // The smallest level at least as large, read in place at the default size; beyond the
    // largest, that one drawn larger.
    int level = 0;
    while (level + 1 < m_key->LevelCount() && (m_key->LevelSize(level).width() < size.width() ||
                                               m_key->LevelSize(level).height() < size.height()))
        ++level;
    const quint16 *cells = m_key->Cells(level);
    if (!cells)
        return false;
    const int lw = m_key->LevelSize(level).width();
    const int lh = m_key->LevelSize(level).height();
    const int w = size.width();
    const int h = size.height();
    QImage cover(size, QImage::Format_Grayscale8);
    QImage keys(size, QImage::Format_Grayscale16);
    // A land cell's zone; NoId for the sea and for land of no zone. One unsigned comparison:
    // the sea wraps round to 0x8000 and above, land of no zone is NoZone.
    auto zoneOf = [](quint16 cell) {
        const auto zone = quint16(cell - ZoneKey::LandBit);
        return zone < ZoneKey::NoZone ? zone : NoId;
    };

    if (lw >= w && lh >= h) {
        // Each pixel the share of land among the cells it covers, its zone the middle cell's or,
        // on a coast where that is sea, that of the first land cell with a zone in reading order.
        // For each row of pixels the land cells of each column are counted down its rows, eight
        // columns at a time (a count stays below 2^16). Pixels at most four columns wide then
        // read their count from the sums of 1 to 4 neighbouring columns, made eight at a time;
        // wider ones from running sums.
        struct Span
        {
            int from, width, middle;
            int sum; // where its count lies among the sums, when at most four columns wide
        };
        std::vector<Span> spans(static_cast<std::size_t>(w));
        int widest = 1;
        for (int x = 0; x < w; ++x) {
            const int from = int(qint64(x) * lw / w);
            const int to = std::max(from + 1, int(qint64(x + 1) * lw / w));
            spans[std::size_t(x)] = {from, to - from, (from + to) / 2, 0};
            widest = std::max(widest, to - from);
        }
        const bool narrow = widest <= 4;
        using Lanes8 = quint16 __attribute__((vector_size(16))); // the compiler's vectors
        const int packed = lw / 8 * 8;
        // Sums of 1, 2, 3 and 4 columns from each, padded for whole vectors past the last.
        const std::size_t stride = std::size_t(lw) + 16;
        std::vector<quint16> sums(std::size_t(narrow ? widest : 1) * stride, 0);
        quint16 *const down = sums.data();
        for (Span &span : spans)
            span.sum = narrow ? int(std::size_t(span.width - 1) * stride) + span.from : 0;
        std::vector<int> across(narrow ? 0 : std::size_t(lw) + 1, 0);
        // A narrow pixel's share by its width and land cells, for the rows of the row of pixels.
        std::vector<uchar> shares;
        const uchar *shareOf[5] = {};
        int sharesRows = 0;
        uchar *coverBits = cover.bits();
        auto *keyBits = reinterpret_cast<quint16 *>(keys.bits());
        const std::size_t keyStride = std::size_t(keys.bytesPerLine()) / sizeof(quint16);
        for (int y = 0; y < h; ++y) {
            const int y0 = int(qint64(y) * lh / h);
            const int y1 = std::max(y0 + 1, int(qint64(y + 1) * lh / h));
            const int rows = y1 - y0;
            const quint16 *first = cells + std::size_t(y0) * lw;
            const quint16 *second = first + (rows > 1 ? lw : 0);
            for (int sx = 0; sx < packed; sx += 8) {
                // Most rows of pixels cover two rows of cells: those two at once.
                Lanes8 eight, more;
                std::memcpy(&eight, first + sx, sizeof eight);
                std::memcpy(&more, second + sx, sizeof more);
                Lanes8 count = (eight >> 15) + (rows > 1 ? more >> 15 : Lanes8{});
                for (int sy = 2; sy < rows; ++sy) {
                    std::memcpy(&eight, first + std::size_t(sy) * lw + sx, sizeof eight);
                    count += eight >> 15;
                }
                std::memcpy(down + sx, &count, sizeof count);
            }
            for (int sx = packed; sx < lw; ++sx) {
                quint16 count = 0;
                for (int sy = 0; sy < rows; ++sy)
                    count += first[std::size_t(sy) * lw + sx] >> 15;
                down[std::size_t(sx)] = count;
            }
            if (!narrow) {
                int sum = 0;
                for (int sx = 0; sx < lw; ++sx)
                    across[std::size_t(sx) + 1] = sum += down[std::size_t(sx)];
            }
            // Width 2 from two single columns, 3 from a pair and a single, 4 from two pairs.
            for (int width = 2; narrow && width <= widest; ++width) {
                quint16 *to = sums.data() + std::size_t(width - 1) * stride;
                const quint16 *a = sums.data() + std::size_t(width == 2 ? 0 : 1) * stride;
                const quint16 *b =
                    sums.data() + std::size_t(width == 4 ? 1 : 0) * stride + (width == 2 ? 1 : 2);
                for (int sx = 0; sx < lw; sx += 8) {
                    Lanes8 first8, second8;
                    std::memcpy(&first8, a + sx, sizeof first8);
                    std::memcpy(&second8, b + sx, sizeof second8);
                    first8 += second8;
                    std::memcpy(to + sx, &first8, sizeof first8);
                }
            }
            if (narrow && rows != sharesRows) {
                sharesRows = rows;
                const std::size_t stride = std::size_t(4 * rows + 1);
                shares.assign(5 * stride, 0);
                for (int width = 1; width <= 4; ++width) {
                    uchar *to = shares.data() + std::size_t(width) * stride;
                    const int cellsIn = rows * width;
                    for (int land = 0; land <= cellsIn; ++land)
                        to[land] = uchar((land * 255 + cellsIn / 2) / cellsIn);
                    shareOf[width] = to;
                }
            }

            const quint16 *middleRow = cells + std::size_t((y0 + y1) / 2) * lw;
            uchar *c = coverBits + std::size_t(y) * std::size_t(cover.bytesPerLine());
            quint16 *k = keyBits + std::size_t(y) * keyStride;
            const auto zoneAt = [&](const Span &span, int land) {
                quint16 zone = zoneOf(middleRow[span.middle]);
                for (int sy = y0; zone == NoId && land != 0 && sy < y1; ++sy)
                    for (int sx = span.from; zone == NoId && sx < span.from + span.width; ++sx)
                        zone = zoneOf(cells[std::size_t(sy) * lw + sx]);
                return zone;
            };
            const quint16 *counts = sums.data();
            if (narrow) {
                for (int x = 0; x < w; ++x) {
                    const Span &span = spans[std::size_t(x)];
                    const int land = counts[span.sum];
                    c[x] = shareOf[span.width][land];
                    k[x] = zoneAt(span, land);
                }
            } else {
                for (int x = 0; x < w; ++x) {
                    const Span &span = spans[std::size_t(x)];
                    const int land = across[std::size_t(span.from + span.width)] -
                                     across[std::size_t(span.from)];
                    const int cellsIn = rows * span.width;
                    c[x] = uchar((land * 255 + cellsIn / 2) / cellsIn);
                    k[x] = zoneAt(span, land);
                }
            }
        }
    } else {
        // Drawn larger than the largest level: the share of land between the four nearest
        // cells, the zone the nearest land cell's. Weights in 256ths.
        struct Tap
        {
            int a, b, f;
        };
        auto taps = [](int n, int ln, bool wrap) {
            std::vector<Tap> t(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                const double u = (i + 0.5) * ln / n - 0.5;
                const int a = int(std::floor(u));
                const int f = int(std::lround((u - a) * 256));
                t[std::size_t(i)] = wrap ? Tap{Wrap(a, ln), Wrap(a + 1, ln), f}
                                         : Tap{std::clamp(a, 0, ln - 1),
                                               std::clamp(a + 1, 0, ln - 1), a < 0 ? 256 : f};
            }
            return t;
        };
        const std::vector<Tap> columns = taps(w, lw, true);
        const std::vector<Tap> rows = taps(h, lh, false);
        for (int y = 0; y < h; ++y) {
            const Tap r = rows[std::size_t(y)];
            const quint16 *top = cells + std::size_t(r.a) * lw;
            const quint16 *bottom = cells + std::size_t(r.b) * lw;
            uchar *c = cover.scanLine(y);
            auto *k = reinterpret_cast<quint16 *>(keys.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const Tap t = columns[std::size_t(x)];
                const quint16 q[4] = {top[t.a], top[t.b], bottom[t.a], bottom[t.b]};
                const int weight[4] = {(256 - t.f) * (256 - r.f), t.f * (256 - r.f),
                                       (256 - t.f) * r.f, t.f * r.f};
                int share = 0;
                int best = -1;
                quint16 zone = NoId;
                for (int i = 0; i < 4; ++i) {
                    if (!(q[i] & ZoneKey::LandBit))
                        continue;
                    share += weight[i];
                    if (weight[i] > best && zoneOf(q[i]) != NoId) {
                        best = weight[i];
                        zone = zoneOf(q[i]);
                    }
                }
                c[x] = uchar((share * 255 + 32768) >> 16);
                k[x] = zone;
            }
        }
    }
    // A large level, inflated, is many times the surfaces built from it: a resize inflates it
    // again rather than keep it. Levels read in place cost nothing to keep.
    m_key->Release(level);
    m_cover = cover;
    m_keys = keys;
    return true;
}

QPoint CZoneMap::ZonePosition(float fOffset, int originX) const
{
    const int w = m_cover.width();
    if (w == 0)
        return {};
    return {Wrap(ZoneColumn(fOffset, w) + originX, w), m_cover.height() / 2};
}

int CZoneMap::ZoneColumn(float fOffset, int width)
{
    const float c = static_cast<float>(width) / 24.0f;
    if (fOffset > 12.0f || fOffset < -12.0f)
        return 0;
    if (fOffset == 12.0f)
        return Wrap(-Truncate(c * 3.0f / 4.0f), width);
    if (fOffset == -12.0f)
        return Wrap(-Truncate(c / 4.0f), width);
    return Wrap(Truncate((fOffset + 11.0f) * c + c / 2.0f), width);
}

void CZoneMap::GetZoneColours(float fOffset, COLORREF &crLandKey, COLORREF &crSeaKey)
{
    const int i = ZoneColourPosition(fOffset);
    if (i < 0) {
        crLandKey = ZONE_NO_COLOUR;
        crSeaKey = ZONE_NO_COLOUR;
        return;
    }
    crSeaKey = ZoneColourTable[static_cast<std::size_t>(i)].colour;
    crLandKey = ZoneColourTable[static_cast<std::size_t>(i) + 1].colour;
}

int CZoneMap::FindZoneEntry(COLORREF colour, float fEstimate)
{
    for (int i = ZoneColourCount - 1; i >= 0; --i) {
        const ZoneColourEntry &e = ZoneColourTable[static_cast<std::size_t>(i)];
        if (e.colour == colour && e.offset >= fEstimate - 2.0f && e.offset <= fEstimate + 2.0f)
            return i;
    }
    return -1;
}

float CZoneMap::ZoneEntryOffset(int entry)
{
    if (entry < 0 || entry >= ZoneColourCount)
        return 0.0f;
    return ZoneColourTable[static_cast<std::size_t>(entry)].offset;
}

int CZoneMap::TableEntryAt(COLORREF colour, int x, int width)
{
    if (width <= 0)
        return -1;
    const float estimate = EstimateZone(Wrap(x, width), width);
    int entry = FindZoneEntry(colour, estimate);
    // Near the edges the estimate may fall on the other side of the date line.
    if (entry < 0 && estimate > 10.0f)
        entry = FindZoneEntry(colour, -12.0f);
    else if (entry < 0 && estimate < -10.0f)
        entry = FindZoneEntry(colour, 12.0f);
    return entry;
}

namespace {

// The first place of the tree in each zone a place stands in, by the zone's name.
const QHash<QByteArrayView, int> &PlacesByZone()
{
    static const QHash<QByteArrayView, int> places = [] {
        QHash<QByteArrayView, int> byName;
        byName.reserve(PlaceCount);
        for (int entry = PlaceCount - 1; entry >= 0; --entry)
            if (const char *name = CountryZoneName(entry))
                byName.insert(QByteArrayView(name), entry);
        return byName;
    }();
    return places;
}

} // namespace

std::optional<float> CZoneMap::ZoneOffset(int zone) const
{
    if (!m_key || zone < 0 || zone >= m_key->ZoneCount())
        return std::nullopt;
    if (m_names.empty()) {
        m_names.resize(std::size_t(m_key->ZoneCount()));
        m_entries.assign(std::size_t(m_key->ZoneCount()), UnresolvedEntry);
    }
    const QByteArray &name = m_names[std::size_t(zone)];
    int &entry = m_entries[std::size_t(zone)];
    if (entry == UnresolvedEntry) {
        m_names[std::size_t(zone)] = m_key->ZoneName(zone);
        entry = PlacesByZone().value(name, -1);
    }
    // A zone some place of the tree stands in answers as that place does, from the answers the
    // tree lists (kept across runs), so the two agree and a start loads no zone for it.
    const TimeValue now = CurrentTime();
    if (entry >= 0 && IsEntryListZoneKnown(entry, now))
        return static_cast<float>(EntryListStateAt(entry, now).standardOffset) / 3600.0f;
    // The same standard offset as the tree's and the captions', answered like the tree's.
    const std::optional<int> standard = ZoneListStandardOffset(name, now);
    if (!standard)
        return std::nullopt;
    return static_cast<float>(*standard) / 3600.0f;
}

quint16 CZoneMap::LandKeyNear(QPoint p, int radius) const
{
    const int w = m_cover.width();
    const int h = m_cover.height();
    auto landKey = [&](int x, int y) {
        const int lx = LandX(x);
        return CoverRow(y)[lx] != 0 ? KeyRow(y)[lx] : NoId;
    };
    if (const quint16 here = landKey(p.x(), p.y()); here != NoId)
        return here;
    radius = std::clamp(radius, 0, w / 2);
    quint16 best = NoId;
    int bestDistance = radius * radius + 1;
    for (int dy = -radius; dy <= radius; ++dy) {
        const int y = p.y() + dy;
        if (y < 0 || y >= h)
            continue;
        for (int dx = -radius; dx <= radius; ++dx) {
            const int distance = dx * dx + dy * dy;
            if (distance >= bestDistance)
                continue;
            if (const quint16 k = landKey(Wrap(p.x() + dx, w), y); k != NoId) {
                best = k;
                bestDistance = distance;
            }
        }
    }
    return best;
}

std::optional<float> CZoneMap::ZoneAt(QPoint p, int radius) const
{
    if (IsNull() || p.x() < 0 || p.y() < 0 || p.x() >= m_cover.width() || p.y() >= m_cover.height())
        return std::nullopt;
    if (!m_bDatabase) {
        const quint16 entry = KeyRow(p.y())[LandX(p.x())];
        if (entry == NoId)
            return std::nullopt;
        return ZoneEntryOffset(entry);
    }
    const quint16 zone = LandKeyNear(p, radius);
    if (zone == NoId)
        return static_cast<float>(m_seaHours[std::size_t(p.x())]);
    return ZoneOffset(zone);
}

QByteArray CZoneMap::ZoneNameAt(QPoint p, int radius) const
{
    if (!m_bDatabase || IsNull() || p.x() < 0 || p.y() < 0 || p.x() >= m_cover.width() ||
        p.y() >= m_cover.height())
        return {};
    const quint16 zone = LandKeyNear(p, radius);
    return zone == NoId ? QByteArray() : m_key->ZoneName(zone);
}

std::vector<float> CZoneMap::ZoneOffsets() const
{
    std::set<float> offsets;
    std::vector<bool> seen(0x10000);
    for (int y = 0; y < m_keys.height(); ++y) {
        const auto *row = reinterpret_cast<const quint16 *>(m_keys.constScanLine(y));
        for (int x = 0; x < m_keys.width(); ++x)
            seen[row[x]] = true;
    }
    for (int id = 0; id < int(NoId); ++id) {
        if (!seen[std::size_t(id)])
            continue;
        if (!m_bDatabase)
            offsets.insert(ZoneEntryOffset(id));
        else if (const auto offset = ZoneOffset(id))
            offsets.insert(*offset);
    }
    if (m_bDatabase) {
        for (const signed char hours : m_seaHours)
            offsets.insert(hours);
    }
    return {offsets.begin(), offsets.end()};
}

CZoneMap::Palette CZoneMap::MakePalette(QRgb sea, QRgb seaLit, QRgb land, QRgb landLit)
{
    Palette p;
    for (int a = 0; a < 256; ++a) {
        p[0][std::size_t(a)] = Blend(sea, land, a);
        p[1][std::size_t(a)] = Blend(seaLit, land, a);
        p[2][std::size_t(a)] = Blend(sea, landLit, a);
        p[3][std::size_t(a)] = Blend(seaLit, landLit, a);
    }
    return p;
}

void CZoneMap::LightZone(float fOffset, int x)
{
    if (IsNull())
        return;
    const int w = m_cover.width();
    const int h = m_cover.height();
    const std::array<COLORREF, 4> colours{m_crSea, m_crSeaHighlight, m_crLand, m_crLandHighlight};
    if (m_paletteColours != colours) {
        m_palette = MakePalette(ToRgb(m_crSea), ToRgb(m_crSeaHighlight), ToRgb(m_crLand),
                                ToRgb(m_crLandHighlight));
        m_paletteColours = colours;
    }

    const int west = fOffset == 8.0f ? w / 8 : w / 12; // +8's land reaches far west
    const int east = w / 16;
    m_lit.offset = fOffset;
    m_lit.from = Wrap(x - west, w);
    m_lit.count = std::min(w, west + east);
    const int from = m_lit.from;
    const int count = m_lit.count;
    const std::pair<int, int> band[2] = {{from, std::min(w, from + count)},
                                         {0, std::max(0, from + count - w)}};

    // Whether each key is of the zone, worked out when first met in the lit columns: 0 not
    // yet, 1 no, 2 yes. Keys are below the key's count of zones or entries; NoId (and anything
    // beyond) takes the last slot.
    const unsigned ids = unsigned(m_bDatabase ? m_key->ZoneCount() : ZoneColourCount);
    std::vector<uchar> lit(ids + 1, 0);
    lit[ids] = 1;
    for (int y = 0; y < h; ++y) {
        const quint16 *keys = KeyRow(y);
        for (const auto &[start, end] : band)
            ForLandSpans(start, end, [&](int, int from, int count) {
                for (int c = from; c < from + count; ++c) {
                    uchar &s = lit[std::min<unsigned>(keys[c], ids)];
                    if (s == 0) {
                        const std::optional<float> offset =
                            m_bDatabase ? ZoneOffset(keys[c])
                                        : std::optional<float>(ZoneEntryOffset(keys[c]));
                        s = offset && *offset == fOffset ? 2 : 1;
                    }
                }
            });
    }
    // Each key's row of the palette: in database mode a zone met in the lit columns is lit
    // whole, so none is cut off at their edge; in table mode only within them.
    const unsigned litRow = m_bDatabase ? 2 : 3;
    m_lit.ids = ids;
    m_lit.rows.assign(ids + 1, 0);
    for (unsigned id = 0; id <= ids; ++id)
        m_lit.rows[id] = quint16(lit[id] == 2 ? litRow << 8 : 0);
    m_lit.valid = true;
    MakeRuns();
}

void CZoneMap::MakeRuns()
{
    const int w = m_cover.width();
    const std::pair<int, int> band[2] = {{m_lit.from, std::min(w, m_lit.from + m_lit.count)},
                                         {0, std::max(0, m_lit.from + m_lit.count - w)}};
    std::vector<uchar> inBand(std::size_t(w), 0);
    for (const auto &[start, end] : band)
        std::fill(inBand.begin() + start, inBand.begin() + end, 1);
    m_lit.runs.clear();
    for (int c = 0; c < w; ++c) {
        const bool lit = inBand[std::size_t(c)] != 0;
        const int seaRow = m_bDatabase && lit && m_seaHours[std::size_t(c)] == m_lit.offset ? 1 : 0;
        const bool keyed = m_bDatabase || lit;
        if (m_lit.runs.empty() || m_lit.runs.back().seaRow != seaRow ||
            m_lit.runs.back().keyed != keyed)
            m_lit.runs.push_back({c, c + 1, seaRow, keyed});
        else
            m_lit.runs.back().end = c + 1;
    }
}

void CZoneMap::Render(QImage &out, const QRect &rect) const
{
    const QRect r = rect & QRect(QPoint(), m_cover.size());
    if (!m_lit.valid || r.isEmpty() || out.format() != QImage::Format_RGB32 ||
        out.width() < r.width() || out.height() < r.height())
        return;
    const QRgb *const shades = m_palette[0].data();
    const unsigned ids = m_lit.ids;
    const quint16 *const rows = m_lit.rows.data();
    const int left = r.left();
    const int right = r.right() + 1;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const uchar *cover = CoverRow(y);
        const quint16 *keys = KeyRow(y);
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y - r.top()));
        for (const Run &run : m_lit.runs) {
            // Locals: the pixels stored could alias the run's fields.
            const QRgb *p = shades + (run.seaRow << 8);
            const bool keyed = run.keyed;
            ForLandSpans(
                std::max(run.start, left), std::min(run.end, right),
                [&](int view, int from, int count) {
                    QRgb *to = line + (view - left);
                    const uchar *share = cover + from;
                    const quint16 *key = keys + from;
                    if (keyed) {
                        for (int i = 0; i < count; ++i)
                            to[i] = p[unsigned(rows[std::min<unsigned>(key[i], ids)]) + share[i]];
                    } else {
                        for (int i = 0; i < count; ++i)
                            to[i] = p[share[i]];
                    }
                });
        }
    }
}

QImage CZoneMap::Composite() const
{
    if (!m_lit.valid)
        return {};
    QImage out(m_cover.size(), QImage::Format_RGB32);
    Render(out, out.rect());
    return out;
}

bool CZoneMap::Turn(int dx, int dy)
{
    const int w = m_cover.width();
    const int h = m_cover.height();
    if (IsNull() || (dx == 0 && dy == 0) || std::abs(dx) > w || std::abs(dy) > h)
        return false;
    // The land stays as built (it may be the kept file's, shared and read only); only where
    // the view reads it moves.
    m_turn = QPoint(Wrap(m_turn.x() + dx, w), Wrap(m_turn.y() + dy, h));
    const int shift = Wrap(dx, w);
    if (shift != 0) {
        std::rotate(m_seaHours.begin(), m_seaHours.begin() + (w - shift), m_seaHours.end());
        if (m_lit.valid) {
            m_lit.from = Wrap(m_lit.from + shift, w);
            MakeRuns();
        }
    }
    return true;
}

bool CZoneMap::RecolourMap(bool bLand, int nPair)
{
    if (!IsValidMapColour(nPair))
        return false;
    (bLand ? m_crLand : m_crSea) = MapColourTable[static_cast<std::size_t>(nPair)].dark;
    return true;
}

bool CZoneMap::SetLandColour(int nPair)
{
    if (!RecolourMap(true, nPair))
        return false;
    m_crLandHighlight = MapColourTable[static_cast<std::size_t>(nPair)].bright;
    return true;
}

bool CZoneMap::SetSeaColour(int nPair)
{
    if (!RecolourMap(false, nPair))
        return false;
    m_crSeaHighlight = MapColourTable[static_cast<std::size_t>(nPair)].bright;
    return true;
}

bool CZoneMap::SetColours(int nLandPair, int nSeaPair)
{
    const bool land = IsValidMapColour(nLandPair);
    const bool sea = IsValidMapColour(nSeaPair);
    if (land) {
        m_crLand = MapColourTable[static_cast<std::size_t>(nLandPair)].dark;
        m_crLandHighlight = MapColourTable[static_cast<std::size_t>(nLandPair)].bright;
    }
    if (sea) {
        m_crSea = MapColourTable[static_cast<std::size_t>(nSeaPair)].dark;
        m_crSeaHighlight = MapColourTable[static_cast<std::size_t>(nSeaPair)].bright;
    }
    return land || sea;
}

int CZoneMap::GetLandColour() const
{
    for (int n = MapColourCount - 1; n >= 0; --n) {
        const MapColourPair &pair = MapColourTable[static_cast<std::size_t>(n)];
        if (pair.dark == m_crLand || pair.bright == m_crLandHighlight)
            return n;
    }
    return -1;
}

int CZoneMap::GetSeaColour() const
{
    for (int n = MapColourCount - 1; n >= 0; --n) {
        const MapColourPair &pair = MapColourTable[static_cast<std::size_t>(n)];
        if (pair.dark == m_crSea || pair.bright == m_crSeaHighlight)
            return n;
    }
    return -1;
}

QImage CZoneMap::Map() const
{
    if (IsNull())
        return {};
    // Drawn from the share of land rather than kept and recoloured, so land and sea stay apart
    // even after both were given the same pair, and no copy of the map is kept.
    std::array<QRgb, 256> shade;
    for (int a = 0; a < 256; ++a)
        shade[std::size_t(a)] = Blend(ToRgb(m_crSea), ToRgb(m_crLand), a);
    QImage map(m_cover.size(), QImage::Format_RGB32);
    const int width = map.width();
    for (int y = 0; y < map.height(); ++y) {
        const uchar *cover = CoverRow(y);
        auto *out = reinterpret_cast<QRgb *>(map.scanLine(y));
        ForLandSpans(0, width, [&](int view, int from, int count) {
            // Locals: the pixels stored could alias what the closure refers to.
            const QRgb *colours = shade.data();
            const uchar *share = cover + from;
            QRgb *to = out + view;
            for (int i = 0; i < count; ++i)
                to[i] = colours[share[i]];
        });
    }
    return map;
}

bool CZoneMap::ShareLand(const BuiltLand &land)
{
    if (IsNull() || land.cover != m_cover || land.keys != m_keys)
        return false;
    m_cover = land.cover;
    m_keys = land.keys;
    return true;
}

QImage CZoneMap::Turned(const QImage &surface) const
{
    QImage turned = surface;
    if (!m_turn.isNull())
        ScrollSurface(turned, m_turn.x(), m_turn.y());
    return turned;
}
