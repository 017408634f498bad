// SPDX-License-Identifier: MIT

#pragma once

#include "zones/countrytable.h"

#include <array>

// The time-zone database's zone for each entry of CountryTable, in the same order: canonical
// zone names (never links), so the system's tzdata answers for the place as it is today.
extern const std::array<const char *, CountryCount> CountryZoneTable;

// The zone name of the place at index (zones/places.h), or nullptr for any other index.
const char *CountryZoneName(int index);
