// SPDX-License-Identifier: MIT

#pragma once

// What the map tests know of the program's pictures, and pictures of their own.

#include "map/colourref.h"
#include "map/surface.h"

#include <QImage>
#include <QRandomGenerator>
#include <QRect>
#include <QSize>

#include <cmath>

namespace synthetic {

inline constexpr int W = 357;
inline constexpr int H = 178;
// A window's frame for the pictures, and where the picture starts inside its border.
inline const QRect Frame(0, 0, W + 4, H + 4);
inline constexpr QPoint Border(2, 2);

// The surface pixel where a place is shown on a map of that size turned by originX: the map is
// equirectangular, from 172.5 degrees west and 90 north, 178 / 357 as high as wide.
inline QPoint PixelOf(double lon, double lat, QSize size = {W, H}, int originX = 0)
{
    const int w = size.width();
    const int x = static_cast<int>(std::floor((lon + 172.5) * w / 360.0)) + originX;
    const double span = 360.0 * H / W;
    return {(x % w + w) % w, static_cast<int>(std::floor((90.0 - lat) * size.height() / span))};
}

// Random pixels, so that any misplaced pixel shows.
inline QImage Noise(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
    return image;
}

// The picture shifted cyclically to where the origin says it is shown.
inline QImage Shifted(const QImage &picture, QPoint origin)
{
    QImage image = picture.copy();
    ScrollSurface(image, origin.x(), origin.y()); // refuses the zero step, the picture unmoved
    return image;
}

} // namespace synthetic
