// SPDX-License-Identifier: MIT

#include "map/sunposition.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Radians = std::numbers::pi / 180.0;

double Wrap180(double degrees)
{
    const double d = std::fmod(degrees + 180.0, 360.0);
    return (d < 0.0 ? d + 360.0 : d) - 180.0;
}

} // namespace

SunPoint SunPositionAt(TimeValue utc)
{
    // Days from J2000.0 (2000-01-01 12:00 UTC); the half-minute between UTC and TT is ignored.
    const double n = (static_cast<double>(utc) - 946728000.0) / 86400.0;
    const double meanLongitude = 280.460 + 0.9856474 * n;
    const double g = (357.528 + 0.9856003 * n) * Radians; // mean anomaly
    const double lambda =
        (meanLongitude + 1.915 * std::sin(g) + 0.020 * std::sin(2.0 * g)) * Radians;
    const double epsilon = (23.439 - 0.0000004 * n) * Radians;

    const double declination = std::asin(std::sin(epsilon) * std::sin(lambda));
    const double rightAscension =
        std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda)) / Radians;
    // Greenwich mean sidereal time: the longitude under the vernal equinox is its negative.
    const double gmst = 280.46061837 + 360.98564736629 * n;
    return {declination / Radians, Wrap180(rightAscension - gmst)};
}

double SunElevation(const SunPoint &sun, double latitude, double longitude)
{
    const double phi = latitude * Radians;
    const double delta = sun.latitude * Radians;
    const double h = (longitude - sun.longitude) * Radians;
    const double s =
        std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(h);
    return std::asin(std::clamp(s, -1.0, 1.0)) / Radians;
}
