// SPDX-License-Identifier: MIT

#pragma once

#include "map/colourref.h"
#include "map/landcache.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

class ZoneKey;

// The surfaces behind the world map at the window's size in device pixels, and what is read from
// them: where a zone is shown, which zone lies under a point, the map in the chosen land and sea
// colours, and the map with one zone lit. Widget-free; the map window keeps the turn (its view
// origin) and passes it in.
//
// Land comes from the zone key's land cells, smoothly reduced to the size, so a coast is a share
// of land in each pixel. What a pixel's zone is comes from one of two keys: the country table's
// picture of offsets (table mode), or the key by zone name (database mode), whose zones take
// their standard offsets from the time-zone database when asked, as the clocks' do. There, the
// sea keeps the nautical zone of its longitude.
class CZoneMap final
{
public:
    // A key pixel of no zone.
    static constexpr quint16 NoId = 0xffff;
    // How far from a point, in device pixels at a pixel ratio of 1, land wins over the sea.
    static constexpr int LandRadius = 3;

    CZoneMap() = default;

    // Builds every surface at size from key's land and, given a table picture (the country
    // table's key of colours at any size), its zones; without one the zones are key's by name.
    // False, keeping nothing, for an empty size or a key without levels. Nothing is turned; the
    // composite is drawn by the first LightZone. Land built before from the same key at this
    // size (kept) is taken as it is.
    bool Build(QSize size, const ZoneKey &key, const QImage &tablePicture = {},
               const BuiltLand *kept = nullptr);
    bool IsNull() const { return m_cover.isNull(); }
    bool IsDatabase() const { return m_key != nullptr && m_bDatabase; }
    QSize Size() const { return m_cover.size(); }

    // Where zone fOffset is shown with the map turned by originX: its stripe's middle, +12 and
    // -12 either side of the date line, offsets beyond +-12 at the left edge. y is H/2.
    QPoint ZonePosition(float fOffset, int originX) const;
    // The same column on a map of that width not turned.
    static int ZoneColumn(float fOffset, int width);
    // The key colours of a zone; ZONE_NO_COLOUR for both when the table lacks the offset.
    static void GetZoneColours(float fOffset, COLORREF &crLandKey, COLORREF &crSeaKey);
    // Searching from the last entry to the first, the entry of that key colour whose offset lies
    // within two hours of the estimate; -1 if none.
    static int FindZoneEntry(COLORREF colour, float fEstimate);
    static float ZoneEntryOffset(int entry);
    // The table entry a key colour stands for in column x of a picture of that width, not turned:
    // the estimate of the column's stripe, retried across the date line near the edges.
    static int TableEntryAt(COLORREF colour, int x, int width);

    // The zone under a point of the turned surfaces (device pixels): in table mode the key's;
    // in database mode the land's, where the point is sea that of the nearest land within
    // radius, else the nautical zone of the sea. Nothing outside the surfaces, on a pixel of no
    // zone, or on land of a zone the database lacks.
    std::optional<float> ZoneAt(QPoint surfacePoint, int radius = LandRadius) const;
    // In database mode the zone of the database there, by name, with land winning as above;
    // empty at sea and in table mode.
    QByteArray ZoneNameAt(QPoint surfacePoint, int radius = LandRadius) const;
    // Every zone a click somewhere on the map selects, west to east.
    std::vector<float> ZoneOffsets() const;

    // Lights the land and sea of zone fOffset in the columns from two hours west (three for +8)
    // to one and a half hours east of x, the zone's position. In database mode a zone of the
    // database met there is lit whole. Only what is lit is kept, not a picture: the pixels are
    // drawn when asked, so the lit columns turn with the surfaces.
    void LightZone(float fOffset, int x);
    bool IsLit() const { return m_lit.valid; }
    // Draws the lit map's pixels of rect (surface pixels, within Size()) into out from its top
    // left corner; out is Format_RGB32 and at least as large. Nothing before LightZone.
    void Render(QImage &out, const QRect &rect) const;
    // The whole lit map, drawn now; null before LightZone.
    QImage Composite() const;

    // Turns the kept surfaces (key, land, the sea's zones, the lit columns) by the same step as
    // the view.
    bool Turn(int dx, int dy);

    // Colour pair numbers are 0..7; any other number is refused and changes nothing. A colour
    // change does not rebuild the composite: the window re-selects its zone for that.
    bool RecolourMap(bool bLand, int nPair);
    bool SetLandColour(int nPair);
    bool SetSeaColour(int nPair);
    // Both in one pass over the picture. An invalid number keeps that colour; false if both are.
    bool SetColours(int nLandPair, int nSeaPair);
    // The pair in use (searched from 7 down), or -1.
    int GetLandColour() const;
    int GetSeaColour() const;

    COLORREF LandColour() const { return m_crLand; }
    COLORREF LandHighlight() const { return m_crLandHighlight; }
    COLORREF SeaColour() const { return m_crSea; }
    COLORREF SeaHighlight() const { return m_crSeaHighlight; }

    // Takes land equal to the land in use (read back from where it was kept) in its place;
    // false, changing nothing, when it differs.
    bool ShareLand(const BuiltLand &land);

    // The share of land in each pixel (0 sea .. 255 land), turned like the view.
    QImage Land() const { return Turned(m_cover); }
    // Each pixel's key: a table entry in table mode, a zone of the key by name in database mode
    // (NoId at sea), turned like the view.
    QImage Keys() const { return Turned(m_keys); }
    // The map in the chosen land and sea colours, turned like the view.
    QImage Map() const;

private:
    // The standard offset of a zone of the key by name now; nothing where the database lacks it.
    std::optional<float> ZoneOffset(int zone) const;
    // The key pixel nearest to p within radius that is land of a zone; NoId if none.
    quint16 LandKeyNear(QPoint p, int radius) const;
    // The land as the view shows it: view row y reads this row of land and key, view column x
    // this column.
    const uchar *CoverRow(int y) const { return m_cover.constScanLine(LandY(y)); }
    const quint16 *KeyRow(int y) const
    {
        return reinterpret_cast<const quint16 *>(m_keys.constScanLine(LandY(y)));
    }
    int LandX(int x) const
    {
        const int w = m_cover.width();
        return ((x - m_turn.x()) % w + w) % w;
    }
    int LandY(int y) const
    {
        const int h = m_cover.height();
        return ((y - m_turn.y()) % h + h) % h;
    }
    // Calls f(viewColumn, landColumn, count) for the view columns [start, end) in at most two
    // runs of land columns without a wrap.
    template <typename F> void ForLandSpans(int start, int end, F f) const
    {
        if (end <= start)
            return;
        const int from = LandX(start);
        const int first = std::min(end - start, m_cover.width() - from);
        f(start, from, first);
        if (first < end - start)
            f(start + first, 0, end - start - first);
    }
    // A surface of the land's size turned as the view is.
    QImage Turned(const QImage &surface) const;
    bool BuildLand(QSize size);

    const ZoneKey *m_key = nullptr;
    bool m_bDatabase = false;
    QImage m_cover;                      // a byte a pixel: the share of land, as built
    QImage m_keys;                       // two bytes a pixel: the key, as built
    QPoint m_turn;                       // the view's turn of both
    std::vector<signed char> m_seaHours; // the sea's nautical zone by column, turned
    // What LightZone worked out: each key's row of the palette (the last for NoId and beyond),
    // and the lit columns as at most two runs without a wrap, turned with the surfaces.
    struct Run
    {
        int start, end;
        int seaRow; // 1 where the sea of the zone's nautical hour is lit
        bool keyed; // the key's row applies
    };
    struct Lit
    {
        bool valid = false;
        float offset = 0.0f;
        unsigned ids = 0;
        std::vector<quint16> rows;
        int from = 0;  // the first lit column
        int count = 0; // how many, wrapping round
        std::vector<Run> runs;
    };
    // The columns as runs of one kind, for the lit columns where they stand now.
    void MakeRuns();
    Lit m_lit;
    static constexpr int UnresolvedEntry = -2;
    mutable std::vector<QByteArray> m_names; // the key's zone names, read on first need
    mutable std::vector<int> m_entries; // the first place of the tree in each zone, -1 for none
    // Each pixel's colour by its share of land, for each of: nothing lit, the sea lit, the land
    // lit, both lit; made again when the colours change.
    using Palette = std::array<std::array<QRgb, 256>, 4>;
    static Palette MakePalette(QRgb sea, QRgb seaLit, QRgb land, QRgb landLit);
    Palette m_palette{};
    std::array<COLORREF, 4> m_paletteColours{CLR_INVALID, CLR_INVALID, CLR_INVALID,
                                             CLR_INVALID}; // sea, sea lit, land, land lit
    COLORREF m_crLand = MakeColourRef(0, 128, 0);
    COLORREF m_crLandHighlight = MakeColourRef(104, 255, 48);
    COLORREF m_crSea = MakeColourRef(0, 0, 128);
    COLORREF m_crSeaHighlight = MakeColourRef(0, 0, 255);
};
