// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>

#include <vector>

// The zone key of the world map: for every pixel at each level of detail, whether it is land and
// the zone of the time-zone database it lies in, by name. Offsets are not in it: they come from
// QTimeZone, as the clocks' do, so the key follows every tzdata update without new pictures.
// Level 0 has the map's default size (357 x 178); each next level is twice as wide and as high.
// The map is equirectangular, column 0 at the key's west edge, row 0 at the north pole.
//
// The small levels are read in place, the large ones inflated on first need. Damaged bytes give
// an empty key, or a level that is missing: every answer then is the sea's, never a crash.
// Not thread-safe: one thread (the GUI's) asks it.
class ZoneKey final
{
public:
    // A cell: LandBit for land, the low bits its zone, NoZone for none (the sea).
    static constexpr quint16 LandBit = 0x8000;
    static constexpr quint16 NoZone = 0x7fff;
    // How far, in pixels of the level asked, land wins over the sea under a point.
    static constexpr int DefaultLandRadius = 3;

    ZoneKey() = default; // no levels
    // A key from bytes in the resource's form (a copy is kept); empty when they are damaged.
    explicit ZoneKey(const QByteArray &bytes);
    ZoneKey(const ZoneKey &) = delete;
    ZoneKey &operator=(const ZoneKey &) = delete;

    // The key built into the program.
    static const ZoneKey &Builtin();

    bool IsNull() const { return m_levels.empty(); }
    // Tells keys apart: the checksum its bytes carry.
    quint32 Identity() const { return m_identity; }
    int ZoneCount() const { return int(m_zoneCount); }
    QByteArray ZoneName(int zone) const; // "Pacific/Chatham"; empty out of range
    int LevelCount() const { return int(m_levels.size()); }
    QSize LevelSize(int level) const; // empty for a level that is not there

    // The level's cells, row by row, every zone in range; nullptr when the level is missing or
    // its data is damaged. The pointer stays valid as long as the key.
    const quint16 *Cells(int level) const;

    // Frees a level inflated for a use that is over; the next Cells() inflates it again.
    void Release(int level) const;

    // The pixel of a level holding a place; columns wrap round the date line, rows stop at the
    // edges.
    QPoint PixelAt(int level, double longitude, double latitude) const;
    // The zone at a pixel: where it is sea, the nearest land pixel's within landRadius (the
    // first in reading order among equals) wins. -1 where only the sea's nautical zone applies.
    int ZoneIndexAt(int level, QPoint pixel, int landRadius = DefaultLandRadius) const;
    // The zone at a place by name, at sea the nautical zone of its longitude ("Etc/GMT+12").
    QByteArray ZoneAt(int level, double longitude, double latitude,
                      int landRadius = DefaultLandRadius) const;
    // The nautical zone of a longitude: 15 degrees wide round each whole hour, "Etc/GMT-12" from
    // 172.5 east to the date line, "Etc/GMT+12" from it to 172.5 west.
    static QByteArray NauticalZone(double longitude);

private:
    struct Level
    {
        int width = 0;
        int height = 0;
        const uchar *stored = nullptr;
        qsizetype storedSize = 0;
    };
    enum class State : char
    {
        Unread,
        Good,
        Damaged
    };

    void Parse(const uchar *data, qsizetype size);
    bool CellsInRange(const quint16 *cells, qsizetype count) const;

    QByteArray m_bytes; // the owned copy; empty when read in place
    bool m_own = false; // the program's own key, not a copy
    const uchar *m_pool = nullptr;
    const uchar *m_zoneTable = nullptr;
    quint32 m_zoneCount = 0;
    quint32 m_identity = 0;
    quint32 m_poolSize = 0;
    double m_west = 0;
    double m_north = 0;
    std::vector<Level> m_levels;
    mutable std::vector<State> m_states;
    mutable std::vector<QByteArray> m_inflated; // levels stored compressed or unaligned
};
