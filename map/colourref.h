// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QRgb>

#include <cstdint>

// A colour as the program stores it: red in the lowest byte, then green, then blue, top byte 0.
// Stored settings and the colour tables use this form.
using COLORREF = std::uint32_t;

constexpr COLORREF MakeColourRef(int red, int green, int blue)
{
    return static_cast<COLORREF>(red & 0xff) | (static_cast<COLORREF>(green & 0xff) << 8) |
           (static_cast<COLORREF>(blue & 0xff) << 16);
}

constexpr int RedOf(COLORREF c)
{
    return static_cast<int>(c & 0xff);
}
constexpr int GreenOf(COLORREF c)
{
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int BlueOf(COLORREF c)
{
    return static_cast<int>((c >> 16) & 0xff);
}

// A colour nobody chose: a window then takes the desktop's own (its palette's text or window
// colour) and follows it when it changes.
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// What a pixel read outside a surface gives: equal to no colour of any table.
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

inline QColor ToQColor(COLORREF c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

inline COLORREF FromQColor(const QColor &c)
{
    return MakeColourRef(c.red(), c.green(), c.blue());
}

// Pixels of a Format_RGB32 image hold 0xffRRGGBB.
constexpr COLORREF FromRgb(QRgb rgb)
{
    return MakeColourRef(static_cast<int>((rgb >> 16) & 0xff), static_cast<int>((rgb >> 8) & 0xff),
                         static_cast<int>(rgb & 0xff));
}

constexpr QRgb ToRgb(COLORREF c)
{
    return 0xff000000u | (static_cast<QRgb>(RedOf(c)) << 16) |
           (static_cast<QRgb>(GreenOf(c)) << 8) | static_cast<QRgb>(BlueOf(c));
}
