#include "map/zonemap.h"

#include "map/colourtables.h"
#include "map/surface.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

constexpr uchar MaskLand = 0xff;
constexpr uchar MaskSea = 0;

// Wraps x into [0, w).
int Wrap(int x, int w)
{
    return ((x % w) + w) % w;
}

int Truncate(float value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

bool CZoneMap::SetPictures(const QImage &zones, const QImage &map)
{
    if (zones.isNull() || map.isNull() || zones.size() != map.size())
        return false;
    m_dcZones = zones.convertToFormat(QImage::Format_RGB32);
    const QImage picture = map.convertToFormat(QImage::Format_RGB32);
    const COLORREF pictureLand = MapColourTable[PictureLandColour].dark;
    m_dcLandMask = QImage(picture.size(), QImage::Format_Grayscale8);
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        uchar *to = m_dcLandMask.scanLine(y);
        for (int x = 0; x < width; ++x)
            to[x] = FromRgb(from[x]) == pictureLand ? MaskLand : MaskSea;
    }
    m_dcComposite = Map();
    return true;
}

bool CZoneMap::SetZonePicture(const QImage &zones)
{
    if (IsNull() || zones.size() != m_dcZones.size())
        return false;
    m_dcZones = zones.convertToFormat(QImage::Format_RGB32);
    return true;
}

QPoint CZoneMap::ZonePosition(float fOffset, int originX) const
{
    const int w = m_dcZones.width();
    if (w == 0)
        return {};
    const float c = static_cast<float>(w) / 24.0f;
    int q;
    if (fOffset > 12.0f || fOffset < -12.0f)
        q = 0;
    else if (fOffset == 12.0f)
        q = -Truncate(c * 3.0f / 4.0f);
    else if (fOffset == -12.0f)
        q = -Truncate(c / 4.0f);
    else
        q = Truncate((fOffset + 11.0f) * c + c / 2.0f);
    return {Wrap(q + originX, w), m_dcZones.height() / 2};
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

COLORREF CZoneMap::ZoneColourAt(QPoint surfacePoint) const
{
    return PixelAt(m_dcZones, surfacePoint.x(), surfacePoint.y());
}

float CZoneMap::EstimateZoneAt(int x, int originX) const
{
    const int w = m_dcZones.width();
    if (w == 0)
        return 0.0f;
    const float c = static_cast<float>(w) / 24.0f;
    const int wx = Wrap(x - originX, w);
    if (wx >= w - Truncate(c / 2.0f))
        return -12.0f;
    if (wx >= w - Truncate(c))
        return 12.0f;
    return static_cast<float>(Truncate(static_cast<float>(wx) / c) - 11);
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

std::optional<float> CZoneMap::ZoneAt(QPoint point, int originX, int border) const
{
    if (IsNull())
        return std::nullopt;
    const COLORREF key = ZoneColourAt(point - QPoint(border, border));
    const float estimate = EstimateZoneAt(point.x(), originX);
    int entry = FindZoneEntry(key, estimate);
    if (entry < 0) {
        // Near the edges the estimate may fall on the other side of the date line.
        if (estimate > 10.0f)
            entry = FindZoneEntry(key, -12.0f);
        else if (estimate < -10.0f)
            entry = FindZoneEntry(key, 12.0f);
    }
    if (entry < 0)
        return std::nullopt;
    return ZoneEntryOffset(entry);
}

std::vector<float> CZoneMap::ZoneOffsets(int originX, int border) const
{
    std::set<float> offsets;
    std::vector<COLORREF> seen; // a column holds few colours: each is looked up once
    for (int x = 0; x < m_dcZones.width(); ++x) {
        seen.clear();
        for (int y = 0; y < m_dcZones.height(); ++y) {
            const COLORREF key = ZoneColourAt(QPoint(x, y));
            if (std::find(seen.begin(), seen.end(), key) != seen.end())
                continue;
            seen.push_back(key);
            if (const auto zone = ZoneAt(QPoint(x + border, y + border), originX, border))
                offsets.insert(*zone);
        }
    }
    return {offsets.begin(), offsets.end()};
}

void CZoneMap::LightZone(float fOffset, int x)
{
    if (IsNull())
        return;
    m_dcComposite = Map();
    COLORREF landKey;
    COLORREF seaKey;
    GetZoneColours(fOffset, landKey, seaKey);
    if (landKey == ZONE_NO_COLOUR && seaKey == ZONE_NO_COLOUR)
        return;

    const int w = m_dcZones.width();
    const int west = fOffset == 8.0f ? w / 8 : w / 12; // +8's land reaches far west
    const int east = w / 16;
    const QRgb landLit = ToRgb(m_crLandHighlight);
    const QRgb seaLit = ToRgb(m_crSeaHighlight);
    for (int y = 0; y < m_dcZones.height(); ++y) {
        const auto *keys = reinterpret_cast<const QRgb *>(m_dcZones.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(m_dcComposite.scanLine(y));
        for (int i = x - west; i < x + east; ++i) {
            const int column = Wrap(i, w);
            const COLORREF key = FromRgb(keys[column]);
            if (key == landKey)
                out[column] = landLit;
            else if (key == seaKey)
                out[column] = seaLit;
        }
    }
}

bool CZoneMap::Turn(int dx, int dy)
{
    if (IsNull() || !ScrollSurface(m_dcZones, dx, dy))
        return false;
    ScrollSurface(m_dcLandMask, dx, dy);
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
    // Drawn from the picture's own land and sea rather than kept and recoloured, so land and sea
    // stay apart even after both were given the same pair, and no copy of the map is kept.
    QImage map(m_dcLandMask.size(), QImage::Format_RGB32);
    const QRgb land = ToRgb(m_crLand);
    const QRgb sea = ToRgb(m_crSea);
    const int width = map.width();
    for (int y = 0; y < map.height(); ++y) {
        const uchar *mask = m_dcLandMask.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(map.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = mask[x] == MaskLand ? land : sea;
    }
    return map;
}
