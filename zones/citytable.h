// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

// The cities of at least 15,000 people, read in place from the resources on first use, so the
// start pays nothing for them. Cities are numbered 0..Count()-1, largest population first; an
// index out of range gives an empty or zero answer, never a crash.
namespace Cities {

int Count();                      // 0 when the resource is missing or damaged (then no cities)
int GeonameId(int city);          // the stable id kept in settings
int ByGeonameId(int geonameId);   // the city, or -1
QString Name(int city);           // as people write it: "São Paulo", "Kyiv"
QString AsciiName(int city);      // "Sao Paulo"
QStringList Alternates(int city); // other names people know it by: "Kiev"
QByteArray CountryCode(int city); // ISO 3166-1 alpha-2, "BR"
QString RegionName(int city);     // first-level region, "Arizona"; may be empty
qint64 Population(int city);
double Latitude(int city);
double Longitude(int city);
QByteArray ZoneId(int city); // "America/Phoenix"

// Names in the user's language for the cities that are a time zone's own, from the Unicode
// CLDR's exemplar cities. Languages best first ("de_AT", "de"): the first CLDR names cities in
// is used; none (the default, and English) leaves every city its usual name. Set before any
// other thread reads names.
void SetLanguages(const QStringList &languages);
// The name in that language, "Moskau"; else Name.
QString LocalName(int city);
// LocalName, with Name beside it where they differ: "Moskau (Moscow)".
QString DisplayName(int city);
QString CldrVersion(); // of the names compiled in: "48.2.0"

struct Match
{
    int city;
    int rank;              // 0 a whole name, 1 a name's start, 2 a later word's start
    bool wordEnds = false; // at that rank the pattern ends where a word of the name ends
};
// Cities any of whose names (name, ASCII, alternates, the local name) matches the folded pattern
// (FoldForSearch) at a word start; each city once with its best rank; by rank, then population,
// largest first; at most limit. An empty pattern matches nothing.
std::vector<Match> Find(QStringView foldedPattern, int limit);

// Replaces the table with a copy of bytes in the resource's form; false (and no cities) when
// they are damaged. For tests; the program reads the resource.
bool Load(QByteArrayView bytes);
// The resource's bytes, empty when it is missing.
QByteArrayView ResourceBytes();
// Every city's folded names as stored in the index, in no order: (city, folded name).
std::vector<std::pair<int, QString>> StoredFoldedNames();

} // namespace Cities
