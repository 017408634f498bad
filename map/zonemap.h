#pragma once

#include "map/colourref.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <optional>
#include <vector>

// The pictures behind the world map and what is read from them: where a zone is shown, which
// zone lies under a point, the map in the chosen land and sea colours, and the map with one zone
// lit. Widget-free; the map window keeps the turn (its view origin) and passes it in.
class CZoneMap final
{
public:
    CZoneMap() = default;

    // Both pictures at the window's inner size. False, keeping nothing, when either is missing or
    // their sizes differ. The map picture's land is its dark-green pixels, everything else sea;
    // the map is drawn at once in the current land and sea colours.
    bool SetPictures(const QImage &zones, const QImage &map);
    // Replaces the zone key alone by one of the same size, turned like the kept surfaces. False,
    // keeping the old key, for any other picture. The composite is left for the caller to light.
    bool SetZonePicture(const QImage &zones);
    bool IsNull() const { return m_dcZones.isNull(); }
    QSize Size() const { return m_dcZones.size(); }

    // Where zone fOffset is shown with the map turned by originX: its stripe's middle, +12 and
    // -12 either side of the date line, offsets beyond +-12 at the left edge. y is H/2.
    QPoint ZonePosition(float fOffset, int originX) const;
    // The key colours of a zone; ZONE_NO_COLOUR for both when the table lacks the offset.
    static void GetZoneColours(float fOffset, COLORREF &crLandKey, COLORREF &crSeaKey);
    // The zone picture's colour at a surface point; CLR_INVALID outside.
    COLORREF ZoneColourAt(QPoint surfacePoint) const;
    // A rough offset (a whole number of hours) for x, which is measured like the click point.
    float EstimateZoneAt(int x, int originX) const;
    // Searching from the last entry to the first, the entry of that key colour whose offset lies
    // within two hours of the estimate; -1 if none.
    static int FindZoneEntry(COLORREF colour, float fEstimate);
    static float ZoneEntryOffset(int entry);
    // The zone under a window point whose picture starts at (border, border): key colour plus
    // estimate, retried across the date line near the edges. Nothing when no entry matches.
    std::optional<float> ZoneAt(QPoint point, int originX, int border = 2) const;
    // Every zone a click somewhere on the picture selects, west to east. Read from the zone
    // picture itself, so it holds the half- and quarter-hour zones the picture shows.
    std::vector<float> ZoneOffsets(int originX, int border = 2) const;

    // Rebuilds the composite: the map with the land and sea of zone fOffset lit in the columns
    // from two hours west (three for +8) to one and a half hours east of x, the zone's position.
    void LightZone(float fOffset, int x);
    const QImage &Composite() const { return m_dcComposite; }

    // Turns the kept surfaces (zone key, map, picture) by the same step as the view.
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

    const QImage &Zones() const { return m_dcZones; }
    // The map in the chosen land and sea colours, turned like the view.
    QImage Map() const;

private:
    QImage m_dcZones;     // the zone key, turned with the view
    QImage m_dcLandMask;  // the map picture as loaded, a byte a pixel: land or not, turned too
    QImage m_dcComposite; // the map with the selected zone lit, as built
    COLORREF m_crLand = MakeColourRef(0, 128, 0);
    COLORREF m_crLandHighlight = MakeColourRef(104, 255, 48);
    COLORREF m_crSea = MakeColourRef(0, 0, 128);
    COLORREF m_crSeaHighlight = MakeColourRef(0, 0, 255);
};
