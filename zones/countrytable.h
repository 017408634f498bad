// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>

// The built-in table of countries, regions and parts of countries with their standard offsets
// and daylight-saving rules. An entry is named everywhere by its index; -1 means none. The
// indexes are stored in the user's settings, so the order of the table must never change.

struct RegionEntry
{
    int id;           // 1 to 8, not in table order
    const char *name; // UTF-8
};

struct CountryEntry
{
    const char *name;    // UTF-8; "Niue I. " keeps its trailing blank
    const char *subName; // empty unless the country has several entries
    float gmtOffset;     // standard time, hours east of GMT
    int regionId;
    int daylightMonthStart;     // 1-12, 0 = no daylight saving (then the next five are 0 too)
    int daylightWeekStart;      // 1-4, 5 = last
    int daylightDayOfWeekStart; // 1 = Sunday
    int daylightMonthEnd;
    int daylightWeekEnd;
    int daylightDayOfWeekEnd;
    int daylightShift; // whole hours clocks go forward
};

inline constexpr int CountryCount = 345;
inline constexpr int RegionCount = 8;
// Places of today beyond the table (zones/places.h), numbered from CountryCount on so that every
// stored index keeps its meaning. Only the computer's time-zone database lists them.
inline constexpr int NewPlaceCount = 7;
inline constexpr int PlaceCount = CountryCount + NewPlaceCount;

extern const std::array<CountryEntry, CountryCount> CountryTable;
extern const std::array<RegionEntry, RegionCount> RegionTable;

// True for 0 .. CountryCount - 1.
constexpr bool IsValidCountryIndex(int index)
{
    return index >= 0 && index < CountryCount;
}

// True for 0 .. PlaceCount - 1: the table's entries and the places of today beyond it.
constexpr bool IsValidPlaceIndex(int index)
{
    return index >= 0 && index < PlaceCount;
}

// An index the mode knows: any place with the time-zone database, the table's alone without.
constexpr bool IsValidIndexIn(int index, bool useDatabase)
{
    return useDatabase ? IsValidPlaceIndex(index) : IsValidCountryIndex(index);
}

// The record of any place: the table's entry, or for a place beyond the table one made like it
// (its name, region and standard offset of today, no table rule); nullptr outside.
const CountryEntry *PlaceAt(int index);

// The entry at index, or nullptr for -1 and any other index outside the table.
const CountryEntry *CountryAt(int index);

// "subName, name" or just "name"; empty for an index outside the table.
std::string DisplayName(int index);

// The entry's table rule has daylight saving; false for an index outside the table.
bool HasDaylightSaving(int index);

// Position in RegionTable of the region with this id, or -1.
int RegionPosition(int regionId);
