// SPDX-License-Identifier: MIT

#pragma once

// How daylight saving is handled at home. Stored in the settings as an int, so the values are
// part of the stored format.
enum DaylightOption : int
{
    DaylightAuto = 0,        // the program's zone changes the clock on the home's dates
    DaylightByHand = 1,      // the user changes the clock by hand
    DaylightNotAdjusted = 2, // the clock stays on standard time
    DaylightNone = 3,        // the home has no daylight saving
};

// True for DaylightAuto .. DaylightNone; a stored value outside them is not an option.
constexpr bool IsValidDaylightOption(int option)
{
    return option >= DaylightAuto && option <= DaylightNone;
}
