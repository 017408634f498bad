#pragma once

// Small stand-ins for the map pictures, built from the stripe list so zone tests do not depend on
// the artwork: sea stripes one zone wide in every row, plus a few patches of land in key colours.

#include "map/colourref.h"
#include "map/surface.h"

#include <QImage>
#include <QRandomGenerator>
#include <QRect>

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
    COLORREF sea;
};

// The sea stripes along the top row of the zone key, west to east. Their sea colours repeat
// every six zones, but for the dark green of -12.
inline const std::vector<Stripe> &Stripes()
{
    static const std::vector<Stripe> stripes = [] {
        const int firsts[] = {0,   16,  31,  46,  60,  75,  90,  105, 120, 135, 149, 164, 179,
                              193, 208, 223, 238, 253, 268, 283, 297, 311, 326, 341, 349, 357};
        const COLORREF cycle[] = {MakeColourRef(0, 0, 0),     MakeColourRef(255, 255, 255),
                                  MakeColourRef(255, 255, 0), MakeColourRef(0, 255, 0),
                                  MakeColourRef(255, 0, 0),   MakeColourRef(0, 0, 255)};
        std::vector<Stripe> list;
        for (int i = 0; i < 25; ++i)
            list.push_back({i < 24 ? float(i - 11) : -12.0f, firsts[i], firsts[i + 1] - 1,
                            i < 24 ? cycle[i % 6] : MakeColourRef(0, 128, 0)});
        return list;
    }();
    return stripes;
}

struct Land
{
    QRect area;
    COLORREF key;
};

// India (+5.5, magenta), magenta land of -8, navy land of -9.5, grey land of +8 west of its
// stripe, and a stray colour that belongs to no zone.
inline const QRect India(244, 80, 9, 20);
inline const QRect WestMagenta(48, 50, 9, 10);
inline const QRect NavyMinus9_5(32, 100, 5, 5);
inline const QRect ChinaGrey(262, 60, 9, 10);
inline const QRect Stray(100, 150, 4, 4);

inline const std::vector<Land> &Lands()
{
    static const std::vector<Land> lands = {
        {India, MakeColourRef(255, 0, 255)},      {WestMagenta, MakeColourRef(255, 0, 255)},
        {NavyMinus9_5, MakeColourRef(0, 0, 128)}, {ChinaGrey, MakeColourRef(128, 128, 128)},
        {Stray, MakeColourRef(255, 128, 0)},
    };
    return lands;
}

inline QImage ZonePicture()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    for (const Stripe &s : Stripes())
        for (int y = 0; y < Height; ++y)
            for (int x = s.first; x <= s.last; ++x)
                image.setPixel(x, y, ToRgb(s.sea));
    for (const Land &land : Lands())
        for (int y = land.area.top(); y <= land.area.bottom(); ++y)
            for (int x = land.area.left(); x <= land.area.right(); ++x)
                image.setPixel(x, y, ToRgb(land.key));
    return image;
}

// The map picture of the same outline: land dark green, sea navy.
inline QImage MapPicture()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(ToRgb(MakeColourRef(0, 0, 128)));
    for (const Land &land : Lands())
        for (int y = land.area.top(); y <= land.area.bottom(); ++y)
            for (int x = land.area.left(); x <= land.area.right(); ++x)
                image.setPixel(x, y, ToRgb(MakeColourRef(0, 128, 0)));
    return image;
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
    QImage scratch;
    if (!origin.isNull())
        ScrollSurface(image, scratch, origin.x(), origin.y());
    return image;
}

} // namespace synthetic
