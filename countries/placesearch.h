// SPDX-License-Identifier: MIT

#pragma once

#include "zones/timesource.h"

#include <QByteArray>
#include <QString>

#include <vector>

// One search for everything a person may type to find a place: the mode's places (their names
// of today, aliases and ISO codes, CCountryFinder), the cities (zones/citytable.h) and the zones
// of the computer's time-zone database by name or common abbreviation (zones/zonesearch.h).
// Ranked: a whole name first, then a name's start, then a later word's; among equals a place
// before a city, a city before a zone, and the more populous city first. The built-in table's
// mode knows neither cities nor zones: it finds its own places alone. Widget-free.

// What a search hands back: the place of the tree to select, and for a city or a zone what the
// selected clocks follow instead of that place's own zone.
struct PlaceChoice
{
    int place = -1;  // an index the mode lists, or -1 for nothing
    int city = -1;   // the city chosen (citytable.h), or -1
    QByteArray zone; // the zone the clocks follow when not the place's: the city's or the zone's

    PlaceChoice() = default;
    PlaceChoice(int placeIndex) : place(placeIndex) {} // NOLINT: a place alone is a choice
    PlaceChoice(int placeIndex, int cityIndex, QByteArray zoneId)
        : place(placeIndex), city(cityIndex), zone(std::move(zoneId))
    {}
    friend bool operator==(const PlaceChoice &, const PlaceChoice &) = default;
};

struct SearchHit
{
    enum Kind
    {
        Place, // a country or a place listed whole, or a country with parts
        City,
        Zone,
    };
    Kind kind = Place;
    int rank = 0;           // CCountryFinder::MatchRank: 0 whole .. 4 inside a later word
    int place = -1;         // Place: the top entry, for a country with parts its highest one
    std::vector<int> parts; // Place: the parts to list under it
    int bestPart = -1;      // Place: position in parts of the part Enter takes, or -1
    int city = -1;          // City
    QByteArray zone;        // City: its zone; Zone: the zone
    QString abbreviation;   // Zone: the abbreviation that found it ("CST"), or empty
};

struct SearchResults
{
    std::vector<SearchHit> hits; // best first
    int best = -1;               // the hit Enter takes, or -1 when nothing matched
};

// The hits for a typed text; an empty text lists every place of the mode.
SearchResults SearchPlaces(const QString &text, bool useDatabase);

// The choice a hit makes at t: its place (for a country with parts, part, or the main part when
// part is -1), a city's place and zone, or a zone's place and the zone itself.
PlaceChoice ChoiceForHit(const SearchHit &hit, int part, bool useDatabase, TimeValue t);

// What Enter takes for the text: the best hit's choice; nothing when nothing matched.
PlaceChoice ChooseFor(const QString &text, bool useDatabase, TimeValue t);

// What a hit shows: its name ("Phoenix, Arizona, United States", "Australia", "Chicago
// (America)"), what it is ("City", "Country", "Region of Portugal", "Time zone" or with the
// abbreviation that found it "Time zone, CST"), and the
// time there at t ("Mon 14:05").
QString HitLabel(const SearchHit &hit, bool useDatabase);
QString HitKindText(const SearchHit &hit, bool useDatabase);
QString PlaceTimeText(int place, bool useDatabase, TimeValue t);
QString ZoneTimeText(const QByteArray &zone, TimeValue t);
