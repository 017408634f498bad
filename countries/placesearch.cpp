// SPDX-License-Identifier: MIT

#include "countries/placesearch.h"

#include "countries/countryfinder.h"
#include "zones/cityplaces.h"
#include "zones/citytable.h"
#include "zones/countrytable.h"
#include "zones/daylight.h"
#include "zones/places.h"
#include "zones/timeformat.h"
#include "zones/zonedatabase.h"
#include "zones/zonesearch.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

namespace {

// Enough to find the city meant among namesakes, few enough to read at a glance.
constexpr int CityLimit = 25;
constexpr int ZoneLimit = 12;

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A city's rank as the places are ranked, from what its index gave: no name folded again.
int CityRank(const Cities::Match &m)
{
    if (m.rank == 0)
        return CCountryFinder::Whole;
    if (m.rank == 1)
        return m.wordEnds ? CCountryFinder::StartWords : CCountryFinder::StartInWord;
    return m.wordEnds ? CCountryFinder::LaterWords : CCountryFinder::LaterInWord;
}

struct PlaceSearch
{
    Q_DECLARE_TR_FUNCTIONS(PlaceSearch)
};

bool InWord(int rank)
{
    return rank == CCountryFinder::StartInWord || rank == CCountryFinder::LaterInWord;
}

QString TimeText(TimeValue t, int utcOffset)
{
    return FormatDayAndTime(QDateTime::fromSecsSinceEpoch(t + utcOffset, Qt::UTC));
}

// The place's position among the mode's places in the order of their folded names, worked out
// once per mode so that sorting a keystroke's hits folds nothing.
int AlphabeticalPosition(int place, bool useDatabase)
{
    static const auto make = [](bool database) {
        std::vector<std::pair<QString, int>> names;
        for (const int i : ListedPlaces(database))
            names.emplace_back(CCountryFinder::Fold(FromView(LocalPlaceName(i, database))), i);
        std::stable_sort(names.begin(), names.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        std::vector<int> position(PlaceCount, PlaceCount);
        for (std::size_t k = 0; k < names.size(); ++k)
            position[static_cast<std::size_t>(names[k].second)] = static_cast<int>(k);
        return position;
    };
    static const std::vector<int> table = make(false);
    static const std::vector<int> database = make(true);
    return IsValidPlaceIndex(place)
               ? (useDatabase ? database : table)[static_cast<std::size_t>(place)]
               : PlaceCount;
}

} // namespace

SearchResults SearchPlaces(const QString &text, bool useDatabase)
{
    const QString pattern = CCountryFinder::Fold(text);
    bool wholeName = false;
    const CCountryFinder::Result places =
        CCountryFinder::FindFolded(pattern, useDatabase, &wholeName);

    SearchResults out;
    std::vector<SearchHit> &hits = out.hits;
    for (const CCountryFinder::Country &country : places.countries) {
        SearchHit hit;
        hit.kind = SearchHit::Place;
        hit.rank = country.rank;
        hit.place = country.top;
        hit.parts = country.parts;
        hits.push_back(std::move(hit));
    }
    if (places.bestCountry >= 0)
        hits[static_cast<std::size_t>(places.bestCountry)].bestPart = places.bestPart;
    const SearchHit bestPlace =
        places.bestCountry >= 0 ? hits[static_cast<std::size_t>(places.bestCountry)] : SearchHit();

    if (useDatabase && !pattern.isEmpty()) {
        std::vector<SearchHit> others; // cities and zones
        for (const Cities::Match &m : Cities::Find(pattern, CityLimit)) {
            SearchHit hit;
            hit.kind = SearchHit::City;
            hit.city = m.city;
            hit.zone = Cities::ZoneId(m.city);
            hit.rank = CityRank(m);
            others.push_back(std::move(hit));
        }
        for (const ZoneMatch &m : FindZones(pattern, ZoneLimit)) {
            SearchHit hit;
            hit.kind = SearchHit::Zone;
            hit.zone = m.zoneId;
            hit.abbreviation = m.abbreviation;
            // The zone's whole name is a whole match; its place part alone ("new york") comes
            // after a city or place of that name, which a person more likely means.
            const QString id = QString::fromLatin1(m.zoneId);
            const QString folded = CCountryFinder::Fold(id);
            const QString place =
                CCountryFinder::Fold(QStringView(id).sliced(id.lastIndexOf(u'/') + 1));
            int rank = CCountryFinder::Rank(folded, pattern);
            if (place == pattern)
                rank = CCountryFinder::StartWords;
            if (!m.abbreviation.isEmpty() || folded == pattern)
                rank = CCountryFinder::Whole;
            hit.rank = rank < 0 ? CCountryFinder::LaterInWord : rank;
            others.push_back(std::move(hit));
        }
        // A place's whole name leaves out what only begins inside a longer word, as among the
        // places. A city's does not: among so many, a text on its way to a country's name
        // ("indi") is often some town's whole name.
        for (SearchHit &hit : others)
            if (!(wholeName && InWord(hit.rank)))
                hits.push_back(std::move(hit));
        if (wholeName)
            std::erase_if(hits, [](const SearchHit &h) { return InWord(h.rank); });
    }

    // Places keep the list's alphabetical order among equals; cities come by population and
    // zones as found, which stable sorting keeps.
    std::stable_sort(hits.begin(), hits.end(), [&](const SearchHit &a, const SearchHit &b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.kind != b.kind)
            return a.kind < b.kind;
        if (a.kind == SearchHit::Place)
            return AlphabeticalPosition(a.place, useDatabase) <
                   AlphabeticalPosition(b.place, useDatabase);
        return false;
    });
    if (hits.empty())
        return out;
    out.best = 0;
    // Among places of the best rank, the finder's choice: the first in the table's order.
    if (hits.front().kind == SearchHit::Place && bestPlace.place >= 0 &&
        bestPlace.rank == hits.front().rank) {
        for (std::size_t i = 0; i < hits.size(); ++i)
            if (hits[i].kind == SearchHit::Place && hits[i].place == bestPlace.place)
                out.best = static_cast<int>(i);
    }
    return out;
}

PlaceChoice ChoiceForHit(const SearchHit &hit, int part, bool useDatabase, TimeValue t)
{
    switch (hit.kind) {
    case SearchHit::Place:
        if (hit.parts.empty())
            return PlaceChoice(hit.place);
        if (part >= 0 && part < static_cast<int>(hit.parts.size()))
            return PlaceChoice(hit.parts[static_cast<std::size_t>(part)]);
        return PlaceChoice(MainPart(hit.place, useDatabase));
    case SearchHit::City:
        return {PlaceForCity(hit.city, useDatabase, t), useDatabase ? hit.city : -1,
                useDatabase ? hit.zone : QByteArray()};
    case SearchHit::Zone:
        return {PlaceForZone(hit.zone, ZoneCountryCode(hit.zone).toStdString(), {}, useDatabase, t),
                -1, useDatabase ? hit.zone : QByteArray()};
    }
    return {};
}

PlaceChoice ChooseFor(const QString &text, bool useDatabase, TimeValue t)
{
    const SearchResults found = SearchPlaces(text, useDatabase);
    if (found.best < 0)
        return {};
    const SearchHit &hit = found.hits[static_cast<std::size_t>(found.best)];
    return ChoiceForHit(hit, hit.bestPart, useDatabase, t);
}

QString HitLabel(const SearchHit &hit, bool useDatabase)
{
    switch (hit.kind) {
    case SearchHit::Place:
        return FromView(LocalPlaceName(hit.place, useDatabase));
    case SearchHit::City:
        return CityDisplayName(hit.city);
    case SearchHit::Zone:
        return ZoneDisplayName(hit.zone);
    }
    return {};
}

QString HitKindText(const SearchHit &hit, bool useDatabase)
{
    switch (hit.kind) {
    case SearchHit::Place: {
        if (!hit.parts.empty() || !useDatabase)
            return PlaceSearch::tr("Country");
        const std::string_view country = CountryNameForCode(PlaceIsoCode(hit.place));
        if (country.empty() || country == PlaceName(hit.place, true))
            return PlaceSearch::tr("Country");
        return PlaceSearch::tr("Region of %1")
            .arg(FromView(LocalCountryNameForCode(PlaceIsoCode(hit.place))));
    }
    case SearchHit::City:
        return PlaceSearch::tr("City");
    case SearchHit::Zone:
        return hit.abbreviation.isEmpty() ? PlaceSearch::tr("Time zone")
                                          : PlaceSearch::tr("Time zone, %1").arg(hit.abbreviation);
    }
    return {};
}

QString PlaceTimeText(int place, bool useDatabase, TimeValue t)
{
    if (!IsValidIndexIn(place, useDatabase))
        return {};
    if (useDatabase)
        return TimeText(t, EntryStateAt(place, t).utcOffset);
    const CountryEntry *entry = CountryAt(place);
    const int shift = IsDaylightSavingAt(place, t) ? entry->daylightShift * 3600 : 0;
    return TimeText(t, static_cast<int>(entry->gmtOffset * 3600.0f) + shift);
}

QString ZoneTimeText(const QByteArray &zone, TimeValue t)
{
    return IsZoneKnown(zone) ? TimeText(t, ZoneStateAt(zone, t).utcOffset) : QString();
}
