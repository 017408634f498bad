#pragma once

// What the map tests know of the program's pictures, and pictures of their own.

#include "map/colourref.h"
#include "map/surface.h"

#include <QImage>
#include <QRandomGenerator>
#include <QRect>

#include <cmath>
#include <vector>

namespace synthetic {

inline constexpr int Width = 357;
inline constexpr int Height = 178;
// A window's frame for the pictures, inside its two-pixel border.
inline const QRect Frame(0, 0, Width + 4, Height + 4);

struct Stripe
{
    float offset;
    int first;
    int last;
};

// The sea stripes along the top row of the zone key, west to east, the last one -12.
inline const std::vector<Stripe> &Stripes()
{
    static const std::vector<Stripe> stripes = [] {
        const int firsts[] = {0,   16,  31,  46,  60,  75,  90,  105, 120, 135, 149, 164, 179,
                              193, 208, 223, 238, 253, 268, 283, 297, 311, 326, 341, 349, 357};
        std::vector<Stripe> list;
        for (int i = 0; i < 25; ++i)
            list.push_back({i < 24 ? float(i - 11) : -12.0f, firsts[i], firsts[i + 1] - 1});
        return list;
    }();
    return stripes;
}

// The picture pixel of a place.
inline QPoint PixelOf(double lon, double lat)
{
    const int x = static_cast<int>(std::floor((lon + 172.5) * Width / 360.0));
    return {(x % Width + Width) % Width,
            static_cast<int>(std::floor((90.0 - lat) * Width / 360.0))};
}

// Random pixels, so that any misplaced pixel shows.
inline QImage Noise(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
    return image;
}

// The picture shifted cyclically to where the origin says it is shown.
inline QImage Shifted(const QImage &picture, QPoint origin)
{
    QImage image = picture.copy();
    if (!origin.isNull())
        ScrollSurface(image, origin.x(), origin.y());
    return image;
}

} // namespace synthetic
