#pragma once

// What the map tests know of the program's pictures, and pictures of their own.

#include "map/colourref.h"
#include "map/surface.h"

#include <QImage>
#include <QRandomGenerator>
#include <QRect>

#include <cmath>

namespace synthetic {

inline constexpr int W = 357;
inline constexpr int H = 178;
// A window's frame for the pictures, and where the picture starts inside its border.
inline const QRect Frame(0, 0, W + 4, H + 4);
inline constexpr QPoint Border(2, 2);

// The picture pixel where a place is shown with the map turned by originX.
inline QPoint PixelOf(double lon, double lat, int originX = 0)
{
    const int x = static_cast<int>(std::floor((lon + 172.5) * W / 360.0)) + originX;
    return {(x % W + W) % W, static_cast<int>(std::floor((90.0 - lat) * W / 360.0))};
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
