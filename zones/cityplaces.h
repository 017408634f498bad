// SPDX-License-Identifier: MIT

#pragma once

#include "zones/timesource.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <string_view>

// Ties a city, or any zone of the database, to the place of the tree a person would pick for
// it: among the places of its country, the one whose zone keeps the same offsets through this
// year and the next, else the nearest (fewest instants apart, then least apart). Among equals,
// the part named as the city's region (Indianapolis: Indiana), then the place named as its
// country, then the country's main part. Widget-free.

// "Phoenix, Arizona, United States": the city, its region unless empty or the same name, and
// its country by today's name, in the user's language ("Moskau (Moscow), Russland"). Empty for an
// index no city has.
QString CityDisplayName(int city);

// The place the mode lists for a zone of the database in the country of that ISO code (any
// listed place when the country has none); region, folded or not, prefers a part of that name.
// A zone the database lacks gives its country's main part, or -1 without a country.
int PlaceForZone(const QByteArray &zoneId, std::string_view countryCode, QStringView region,
                 bool useDatabase, TimeValue t);

// The place for the city, by its zone, country and region; -1 for an index no city has.
int PlaceForCity(int city, bool useDatabase, TimeValue t);

// A zone's country: the ISO 3166-1 code the database gives it ("America/Chicago": "US"), or
// empty for a zone of no country ("UTC").
QByteArray ZoneCountryCode(const QByteArray &zoneId);
