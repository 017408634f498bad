// SPDX-License-Identifier: MIT

#pragma once

#include "map/sunposition.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <vector>

// The night side of the world map: how much of each pixel's colour is kept where the sun is
// down, with a soft edge through twilight. Works on the map picture scaled to any size and
// turned by the window's origin. Widget-free.
class CNightShade final
{
public:
    // Shares of a colour kept, out of 256: in daylight, and in full night (sun 12 degrees
    // down), dark enough to read as night yet leaving land, sea and the lit zone apart.
    static constexpr int DayKeep = 256;
    static constexpr int NightKeep = 150;
    // The sun's elevation in degrees at which it sets (its upper edge on the horizon,
    // refraction included): night begins below it.
    static constexpr double SunsetElevation = -0.83;

    // Builds the shade of a surface of size (the whole picture, unturned) for the sun at sun.
    void Update(QSize size, const SunPoint &sun);
    bool IsNull() const { return m_dark.empty(); }

    // The share kept at a point of the unturned surface; DayKeep outside it.
    int KeepAt(int x, int y) const;
    // out = day darkened by the shade, where day's pixel (x, y) shows the unturned point
    // ((x - origin.x) mod W, (y - origin.y) mod H). day must have the shade's size; out is day
    // unchanged otherwise.
    void Apply(const QImage &day, QImage &out, QPoint origin) const;
    // The same in place, for part of a view: the first rows of pixels (Format_RGB32; all of them
    // for -1) hold the view's pixels from view point at on. Unchanged where they reach beyond
    // the shade.
    void Darken(QImage &pixels, QPoint at, QPoint origin, int rows = -1) const;

    // The longitude and latitude in degrees of the middle of an unturned surface pixel.
    static double LongitudeAt(double x, int width);
    static double LatitudeAt(double y, int height);

private:
    QSize m_size;
    std::vector<std::uint8_t> m_dark; // DayKeep less the share kept, by row, then column
};
