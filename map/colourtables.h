// SPDX-License-Identifier: MIT

#pragma once

#include "map/colourref.h"

#include <array>

// The key colours of the zone picture, one sea and one land entry per offset, and the colour
// pairs from which the user picks land and sea.

// Larger than any colour a pixel can have, so an entry holding it never matches a pixel.
inline constexpr COLORREF ZONE_NO_COLOUR = 20000000;

struct ZoneColourEntry
{
    float offset;
    COLORREF colour;
    int kind; // 0 sea, 1 land
};

inline constexpr int ZoneOffsetCount = 39;
inline constexpr int ZoneColourCount = 2 * ZoneOffsetCount;

// For each offset in ascending order: the sea entry, then the land entry.
extern const std::array<ZoneColourEntry, ZoneColourCount> ZoneColourTable;

struct MapColourPair
{
    COLORREF dark;   // land or sea on the map
    COLORREF bright; // land or sea of the selected zone
};

inline constexpr int MapColourCount = 8;
extern const std::array<MapColourPair, MapColourCount> MapColourTable;

// Colour numbers are stored; anything outside 0..7 is not a colour.
constexpr bool IsValidMapColour(int index)
{
    return index >= 0 && index < MapColourCount;
}

// The map picture as drawn: land is pair 2's dark colour, sea pair 1's.
inline constexpr int PictureLandColour = 2;
inline constexpr int PictureSeaColour = 1;

// The first position in ZoneColourTable of offset (its sea entry), or -1.
int ZoneColourPosition(float offset);
