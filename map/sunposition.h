// SPDX-License-Identifier: MIT

#pragma once

#include "zones/timesource.h"

// Where the sun stands, from the low-precision solar coordinates of the Astronomical Almanac
// (good to about 0.01 degrees in declination and a few seconds of time between 1950 and 2050).
// Standard library only.

// The subsolar point: where the sun stands overhead at an instant, in degrees.
struct SunPoint
{
    double latitude;  // the sun's declination, north positive
    double longitude; // east positive, -180 to 180
};

SunPoint SunPositionAt(TimeValue utc);

// The sun's height above the horizon at a place, in degrees, without refraction: below -0.83
// the sun has set.
double SunElevation(const SunPoint &sun, double latitude, double longitude);
