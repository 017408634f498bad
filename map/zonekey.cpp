// SPDX-License-Identifier: MIT

#include "map/zonekey.h"

#include "zones/packedfile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <zlib.h>

// The key is written by tools/art (zonekey.js), whose header comment gives the layout. The
// header, names and level table are checked when the key is made, each level's cells when they
// are first asked for.

namespace {

constexpr char Magic[8] = {'O', 'Z', 'O', 'N', 'E', 'K', 'Y', '1'};
constexpr qsizetype HeaderSize = 64;
constexpr qsizetype LevelEntrySize = 16;
constexpr quint32 MaxLevels = 8;
constexpr int BaseWidth = 357;
constexpr int BaseHeight = 178;
constexpr bool LittleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;

quint32 U32(const uchar *p)
{
    return PackedU32(p);
}

QByteArrayView ResourceView()
{
    return UncompressedResource(QStringLiteral(":/data/zonekey.bin"));
}

// A level of the program's own key, inflated without the Adler-32 sum of what comes out: half the
// instructions and a quarter of the time of inflating the level drawn at scale 2. That sum guards
// a copy read from elsewhere; the program's own bytes are as sound as its code, and their cells
// are still checked to be in range.
QByteArray InflateOwn(const uchar *stored, qsizetype storedSize, qsizetype expected)
{
    z_stream stream{};
    if (storedSize <= 4 || inflateInit(&stream) != Z_OK)
        return {};
    inflateValidate(&stream, 0);
    QByteArray out(expected, Qt::Uninitialized);
    stream.next_in = const_cast<Bytef *>(stored + 4); // after qCompress's length
    stream.avail_in = uInt(storedSize - 4);
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(expected);
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    return result == Z_STREAM_END && qsizetype(stream.total_out) == expected ? out : QByteArray();
}

} // namespace

ZoneKey::ZoneKey(const QByteArray &bytes) : m_bytes(bytes)
{
    Parse(reinterpret_cast<const uchar *>(m_bytes.constData()), m_bytes.size());
}

const ZoneKey &ZoneKey::Builtin()
{
    static ZoneKey key;
    static const bool parsed = [] {
        const QByteArrayView bytes = ResourceView();
        key.Parse(reinterpret_cast<const uchar *>(bytes.data()), bytes.size());
        key.m_own = true;
        return true;
    }();
    Q_UNUSED(parsed);
    return key;
}

void ZoneKey::Parse(const uchar *data, qsizetype size)
{
    if (!data || size < HeaderSize || size % 4 != 0 || std::memcmp(data, Magic, 8) != 0 ||
        U32(data + 12) != quint64(size))
        return;
    const quint32 checked = U32(data + 16);
    if (checked < HeaderSize || checked > size ||
        U32(data + 8) != PackedChecksum(data, 16, checked))
        return;
    const quint32 zoneCount = U32(data + 20);
    const quint32 zoneTable = U32(data + 24);
    const quint32 pool = U32(data + 28);
    const quint32 poolSize = U32(data + 32);
    const quint32 levelCount = U32(data + 36);
    const quint32 levelTable = U32(data + 40);
    const auto inChecked = [&](quint32 at, qint64 length) {
        return at >= HeaderSize && at + length <= checked;
    };
    if (zoneCount >= NoZone || levelCount == 0 || levelCount > MaxLevels ||
        !inChecked(zoneTable, qint64(zoneCount) * 4) || !inChecked(pool, poolSize) ||
        !inChecked(levelTable, qint64(levelCount) * LevelEntrySize))
        return;
    for (quint32 i = 0; i < zoneCount; ++i) {
        const quint32 at = U32(data + zoneTable + i * 4);
        if (at >= poolSize || qint64(at) + 1 + data[pool + at] > poolSize)
            return;
    }
    std::vector<Level> levels;
    for (quint32 i = 0; i < levelCount; ++i) {
        const uchar *e = data + levelTable + i * LevelEntrySize;
        Level level;
        level.width = int(U32(e));
        level.height = int(U32(e + 4));
        const quint32 at = U32(e + 8);
        level.storedSize = U32(e + 12);
        // The level's size follows from its number, so a damaged size cannot ask for more.
        if (level.width != BaseWidth << i || level.height != BaseHeight << i || at < checked ||
            qint64(at) + level.storedSize > size || level.storedSize < 4)
            return;
        level.stored = data + at;
        levels.push_back(level);
    }
    m_pool = data + pool;
    m_zoneTable = data + zoneTable;
    m_zoneCount = zoneCount;
    m_identity = U32(data + 8);
    m_poolSize = poolSize;
    m_west = qint32(U32(data + 44)) / 1e6;
    m_north = qint32(U32(data + 48)) / 1e6;
    m_levels = std::move(levels);
    m_states.assign(m_levels.size(), State::Unread);
    m_inflated.assign(m_levels.size(), QByteArray());
}

QByteArray ZoneKey::ZoneName(int zone) const
{
    if (zone < 0 || quint32(zone) >= m_zoneCount)
        return {};
    const uchar *name = m_pool + U32(m_zoneTable + zone * 4);
    return QByteArray(reinterpret_cast<const char *>(name + 1), name[0]);
}

QSize ZoneKey::LevelSize(int level) const
{
    if (level < 0 || level >= LevelCount())
        return {};
    return {m_levels[size_t(level)].width, m_levels[size_t(level)].height};
}

bool ZoneKey::CellsInRange(const quint16 *cells, qsizetype count) const
{
    // Eight cells at a time (the compiler's vectors): a zone z becomes z + 1, NoZone 0, and
    // z + 1 > m_zoneCount marks the lane. Unsigned lanes: NoZone + 1 would overflow a signed one.
    if (m_zoneCount >= NoZone)
        return true;
    using Lanes = quint16 __attribute__((vector_size(16)));
    using Marks = qint16 __attribute__((vector_size(16))); // what comparing lanes gives
    const auto zones = quint16(m_zoneCount);
    Marks bad = {};
    qsizetype i = 0;
    for (; i + 8 <= count; i += 8) {
        Lanes eight;
        std::memcpy(&eight, cells + i, sizeof eight);
        bad |= (((eight & NoZone) + 1) & NoZone) > zones;
    }
    for (; i < count; ++i) {
        const quint16 zone = cells[i] & NoZone;
        if (zone != NoZone && zone >= m_zoneCount)
            return false;
    }
    for (int lane = 0; lane < 8; ++lane)
        if (bad[lane])
            return false;
    return true;
}

const quint16 *ZoneKey::Cells(int level) const
{
    if (level < 0 || level >= LevelCount())
        return nullptr;
    const auto n = size_t(level);
    const Level &l = m_levels[n];
    const qsizetype count = qsizetype(l.width) * l.height;
    if (m_states[n] == State::Unread) {
        QByteArray copy;
        const quint16 *cells = nullptr;
        if (l.storedSize == count * 2) {
            // Read in place where the platform's cells are the stored ones.
            if (LittleEndian && quintptr(l.stored) % alignof(quint16) == 0)
                cells = reinterpret_cast<const quint16 *>(l.stored);
            else
                copy = QByteArray(reinterpret_cast<const char *>(l.stored), count * 2);
        } else if (qFromBigEndian<quint32>(l.stored) == quint64(count) * 2) {
            copy = m_own ? InflateOwn(l.stored, l.storedSize, count * 2)
                         : qUncompress(l.stored, l.storedSize);
            if (copy.size() != count * 2)
                copy.clear();
        }
        if (!copy.isEmpty()) {
            auto *own = reinterpret_cast<quint16 *>(copy.data());
            if (!LittleEndian)
                qFromLittleEndian<quint16>(own, count, own);
            cells = own;
        }
        const bool good = cells && CellsInRange(cells, count);
        m_states[n] = good ? State::Good : State::Damaged;
        m_inflated[n] = good ? copy : QByteArray();
    }
    if (m_states[n] != State::Good)
        return nullptr;
    return m_inflated[n].isEmpty() ? reinterpret_cast<const quint16 *>(l.stored)
                                   : reinterpret_cast<const quint16 *>(m_inflated[n].constData());
}

void ZoneKey::Release(int level) const
{
    if (level < 0 || level >= LevelCount() || m_inflated[size_t(level)].isEmpty())
        return;
    m_inflated[size_t(level)] = QByteArray();
    m_states[size_t(level)] = State::Unread;
}

QPoint ZoneKey::PixelAt(int level, double longitude, double latitude) const
{
    const QSize size = LevelSize(level);
    if (size.isEmpty() || !std::isfinite(longitude) || !std::isfinite(latitude))
        return {};
    const double degreesPerPixel = 360.0 / size.width();
    const double column = std::floor((longitude - m_west) / degreesPerPixel);
    const double row = std::floor((m_north - latitude) / degreesPerPixel);
    const int x = int(std::fmod(std::fmod(column, size.width()) + size.width(), size.width()));
    return {x, int(std::clamp(row, 0.0, double(size.height() - 1)))};
}

int ZoneKey::ZoneIndexAt(int level, QPoint pixel, int landRadius) const
{
    const quint16 *cells = Cells(level);
    if (!cells)
        return -1;
    const QSize size = LevelSize(level);
    if (pixel.y() < 0 || pixel.y() >= size.height())
        return -1;
    const int w = size.width();
    const int x0 = ((pixel.x() % w) + w) % w;
    const quint16 here = cells[pixel.y() * w + x0];
    if (here & LandBit)
        return (here & NoZone) == NoZone ? -1 : here & NoZone;
    const int radius = std::clamp(landRadius, 0, w / 2);
    int best = -1;
    int bestDistance = radius * radius + 1;
    for (int dy = -radius; dy <= radius; ++dy) {
        const int y = pixel.y() + dy;
        if (y < 0 || y >= size.height())
            continue;
        for (int dx = -radius; dx <= radius; ++dx) {
            const quint16 cell = cells[y * w + (x0 + dx + w) % w];
            const int distance = dx * dx + dy * dy;
            if ((cell & LandBit) && (cell & NoZone) != NoZone && distance < bestDistance) {
                best = cell & NoZone;
                bestDistance = distance;
            }
        }
    }
    return best;
}

QByteArray ZoneKey::ZoneAt(int level, double longitude, double latitude, int landRadius) const
{
    const int zone = ZoneIndexAt(level, PixelAt(level, longitude, latitude), landRadius);
    return zone >= 0 ? ZoneName(zone) : NauticalZone(longitude);
}

QByteArray ZoneKey::NauticalZone(double longitude)
{
    if (!std::isfinite(longitude))
        return QByteArrayLiteral("Etc/GMT");
    const double lon = std::fmod(std::fmod(longitude + 180.0, 360.0) + 360.0, 360.0) - 180.0;
    const int hours = std::clamp(int(std::floor(lon / 15.0 + 0.5)), -12, 12);
    if (hours == 0)
        return QByteArrayLiteral("Etc/GMT");
    // The database's Etc names count west as positive.
    return "Etc/GMT" + QByteArray(hours > 0 ? "-" : "+") + QByteArray::number(std::abs(hours));
}
