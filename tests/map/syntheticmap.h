#pragma once

// Small stand-ins for the map pictures, built from the stripe list so zone tests do not depend on
// the artwork: sea stripes one zone wide in every row, plus a few patches of land in key colours.

#include "map/colourref.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace synthetic {

inline constexpr int Width = 357;
inline constexpr int Height = 178;

struct Stripe
{
    float offset;
    int first;
    int last;
    COLORREF sea;
};

inline const std::vector<Stripe> &Stripes()
{
    static const std::vector<Stripe> stripes = {
        {-11, 0, 15, MakeColourRef(0, 0, 0)},       {-10, 16, 30, MakeColourRef(255, 255, 255)},
        {-9, 31, 45, MakeColourRef(255, 255, 0)},   {-8, 46, 59, MakeColourRef(0, 255, 0)},
        {-7, 60, 74, MakeColourRef(255, 0, 0)},     {-6, 75, 89, MakeColourRef(0, 0, 255)},
        {-5, 90, 104, MakeColourRef(0, 0, 0)},      {-4, 105, 119, MakeColourRef(255, 255, 255)},
        {-3, 120, 134, MakeColourRef(255, 255, 0)}, {-2, 135, 148, MakeColourRef(0, 255, 0)},
        {-1, 149, 163, MakeColourRef(255, 0, 0)},   {0, 164, 178, MakeColourRef(0, 0, 255)},
        {1, 179, 192, MakeColourRef(0, 0, 0)},      {2, 193, 207, MakeColourRef(255, 255, 255)},
        {3, 208, 222, MakeColourRef(255, 255, 0)},  {4, 223, 237, MakeColourRef(0, 255, 0)},
        {5, 238, 252, MakeColourRef(255, 0, 0)},    {6, 253, 267, MakeColourRef(0, 0, 255)},
        {7, 268, 282, MakeColourRef(0, 0, 0)},      {8, 283, 296, MakeColourRef(255, 255, 255)},
        {9, 297, 310, MakeColourRef(255, 255, 0)},  {10, 311, 325, MakeColourRef(0, 255, 0)},
        {11, 326, 340, MakeColourRef(255, 0, 0)},   {12, 341, 348, MakeColourRef(0, 0, 255)},
        {-12, 349, 356, MakeColourRef(0, 128, 0)},
    };
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

} // namespace synthetic
