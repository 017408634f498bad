// SPDX-License-Identifier: MIT

#pragma once

#include "zones/countrytable.h"

#include <string>
#include <string_view>
#include <vector>

// The places of the tree as people know them today. Every index of the country table, and every
// place beyond it (PlaceCount), is tied to its ISO 3166-1 code and, where it is a part of a
// country, to its ISO 3166-2 subdivision. With the computer's time-zone database ("database
// mode") a place shows today's common English name (iso-codes), entries that are today the same
// place are listed once, and the countries the table lacks are places of their own; the
// built-in table keeps its own names and lists only its own entries. Every name a place ever
// had stays something a search finds. Pure data, no widgets.

// Today's common English name of an ISO 3166-1 alpha-2 code ("US" gives "United States", "XK"
// Kosovo); empty for a code nobody uses. Case does not matter.
std::string_view CountryNameForCode(std::string_view alpha2);
// The name of a first-level ISO 3166-2 subdivision ("US-AZ" gives "Arizona"), as iso-codes
// spells it, often in the country's own language ("IT-82" gives "Sicilia"); empty when unknown.
std::string_view SubdivisionNameForCode(std::string_view code);
// The version of iso-codes the two lookups were generated from.
std::string_view IsoCodesVersion();

// The place's ISO 3166-1 alpha-2 code ("AU"), and its subdivision ("AU-NSW") or empty; both
// empty for an index no place has.
std::string_view PlaceIsoCode(int index);
std::string_view PlaceSubdivisionCode(int index);

// The name a list shows of the place's country and of the part the place is of it: "Australia"
// and "New South Wales"; the part is empty for a place listed whole. Table mode gives the
// table's own names, database mode today's. Empty for an index the mode does not know.
std::string_view PlaceName(int index, bool useDatabase);
std::string_view PlacePart(int index, bool useDatabase);
// The same two names in the user's language where iso-codes translates them (iso_3166-1 for
// countries, iso_3166-2 for their parts, read through glibc's gettext in the language that
// LANGUAGE and LC_MESSAGES give: "Deutschland", "Vereinigte Staaten"); otherwise, and in table
// mode, the names above. Lists and captions show these; searches match both.
std::string_view LocalPlaceName(int index, bool useDatabase);
std::string_view LocalPlacePart(int index, bool useDatabase);
// CountryNameForCode in the user's language.
std::string_view LocalCountryNameForCode(std::string_view alpha2);
// "part, name" or name alone, in the user's language: "New South Wales, Australia", "Czechia".
// A hidden duplicate shows the place it is listed as. Empty for an index the mode does not know.
std::string PlaceDisplayName(int index, bool useDatabase);

// In database mode, the place a hidden duplicate is listed as (New Hebrides: Vanuatu); any
// other index the mode knows is itself, and anything else -1.
int ListedPlace(int index, bool useDatabase);
// The mode lists the place: it knows the index and the index is no hidden duplicate.
bool IsPlaceListed(int index, bool useDatabase);
// The places the mode lists, ordered so that the parts of one country follow each other (the
// order lists build from; they sort by name themselves).
const std::vector<int> &ListedPlaces(bool useDatabase);

// For a place that is part of a country, the part where most of the country's people live
// (United States: Eastern Time, Australia: New South Wales); for a place listed whole, itself;
// -1 for an index the mode does not list.
int MainPart(int index, bool useDatabase);

// A further text a search matches for a place: a name it had, a name people use, its code.
struct PlaceKey
{
    std::string_view text;
    bool exactOnly; // matches only the whole typed text (ISO codes)
};
// The texts a search matches for the place beyond the country and part names the mode shows:
// the names of the other mode, common names (England, Holland, Burma), the ISO code for a place
// that is its country, and in database mode everything of the duplicates listed as it.
std::vector<PlaceKey> PlaceSearchKeys(int index, bool useDatabase);
