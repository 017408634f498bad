// SPDX-License-Identifier: MIT

#include "map/colourtables.h"

namespace {

constexpr COLORREF None = ZONE_NO_COLOUR;
constexpr COLORREF Black = MakeColourRef(0, 0, 0);
constexpr COLORREF Grey = MakeColourRef(128, 128, 128);
constexpr COLORREF Silver = MakeColourRef(192, 192, 192);
constexpr COLORREF White = MakeColourRef(255, 255, 255);
constexpr COLORREF Navy = MakeColourRef(0, 0, 128);
constexpr COLORREF Blue = MakeColourRef(0, 0, 255);
constexpr COLORREF DarkGreen = MakeColourRef(0, 128, 0);
constexpr COLORREF Green = MakeColourRef(0, 255, 0);
constexpr COLORREF Maroon = MakeColourRef(128, 0, 0);
constexpr COLORREF Red = MakeColourRef(255, 0, 0);
constexpr COLORREF Purple = MakeColourRef(128, 0, 128);
constexpr COLORREF Magenta = MakeColourRef(255, 0, 255);
constexpr COLORREF Olive = MakeColourRef(128, 128, 0);
constexpr COLORREF Yellow = MakeColourRef(255, 255, 0);
constexpr COLORREF Teal = MakeColourRef(0, 128, 128);
constexpr COLORREF Cyan = MakeColourRef(0, 255, 255);

constexpr std::array<ZoneColourEntry, ZoneColourCount> MakeZoneTable()
{
    struct Row
    {
        float offset;
        COLORREF sea;
        COLORREF land;
    };
    constexpr Row rows[ZoneOffsetCount] = {
        {-12.0f, DarkGreen, None}, {-11.0f, Black, Grey},   {-10.0f, White, Silver},
        {-9.5f, None, Navy},       {-9.0f, Yellow, Navy},   {-8.5f, None, None},
        {-8.0f, Green, Magenta},   {-7.0f, Red, Cyan},      {-6.0f, Blue, Grey},
        {-5.0f, Black, Purple},    {-4.0f, White, Navy},    {-3.5f, None, DarkGreen},
        {-3.0f, Yellow, Silver},   {-2.0f, Green, None},    {-1.0f, Red, Teal},
        {0.0f, Blue, Cyan},        {1.0f, Black, Grey},     {2.0f, White, DarkGreen},
        {3.0f, Yellow, Purple},    {3.5f, None, Silver},    {4.0f, Green, Navy},
        {4.5f, None, Cyan},        {5.0f, Red, Teal},       {5.5f, None, Magenta},
        {5.75f, None, Yellow},     {6.0f, Blue, Maroon},    {6.5f, None, Silver},
        {7.0f, Black, DarkGreen},  {8.0f, White, Grey},     {9.0f, Yellow, Navy},
        {9.5f, None, Teal},        {10.0f, Green, Silver},  {10.5f, None, None},
        {11.0f, Red, Magenta},     {11.5f, None, Purple},   {12.0f, Blue, Cyan},
        {12.75f, None, None},      {13.0f, Yellow, Maroon}, {14.0f, Green, Teal},
    };
    std::array<ZoneColourEntry, ZoneColourCount> table{};
    for (int i = 0; i < ZoneOffsetCount; ++i) {
        table[2 * i] = {rows[i].offset, rows[i].sea, 0};
        table[2 * i + 1] = {rows[i].offset, rows[i].land, 1};
    }
    return table;
}

} // namespace

const std::array<ZoneColourEntry, ZoneColourCount> ZoneColourTable = MakeZoneTable();

const std::array<MapColourPair, MapColourCount> MapColourTable = {{
    {Black, Grey},
    {Navy, Blue},
    {DarkGreen, Green},
    {Maroon, Red},
    {Purple, Magenta},
    {Olive, Yellow},
    {Teal, Cyan},
    {Silver, White},
}};

int ZoneColourPosition(float offset)
{
    for (int i = 0; i < ZoneColourCount; i += 2) {
        if (ZoneColourTable[static_cast<std::size_t>(i)].offset == offset)
            return i;
    }
    return -1;
}
