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
    int daylightMonthStart; // 1-12, 0 = no daylight saving (then the next five are 0 too)
    int daylightWeekStart;  // 1-4, 5 = last
    int daylightDayOfWeekStart; // 1 = Sunday
    int daylightMonthEnd;
    int daylightWeekEnd;
    int daylightDayOfWeekEnd;
    int daylightShift; // whole hours clocks go forward
};

inline constexpr int CountryCount = 345;
inline constexpr int RegionCount = 8;

extern const std::array<CountryEntry, CountryCount> CountryTable;
extern const std::array<RegionEntry, RegionCount> RegionTable;

// True for 0 .. CountryCount - 1.
constexpr bool IsValidCountryIndex(int index)
{
    return index >= 0 && index < CountryCount;
}

// The entry at index, or nullptr for -1 and any other index outside the table.
const CountryEntry *CountryAt(int index);

// "subName, name" or just "name"; empty for an index outside the table.
std::string DisplayName(int index);

// The entry's table rule has daylight saving; false for an index outside the table.
bool HasDaylightSaving(int index);

// Position in RegionTable of the region with this id, or -1.
int RegionPosition(int regionId);
