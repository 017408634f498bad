// SPDX-License-Identifier: MIT

#include "zones/cityplaces.h"

#include "zones/citytable.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/textfold.h"
#include "zones/zonedatabase.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <compare>
#include <cstdlib>
#include <vector>

namespace {

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The instants two zones are compared at: the 1st and 15th of every month of this UTC year and
// the next, at noon, and a second after each change of the zone itself, so a change a few days
// apart from another zone's shows.
std::vector<TimeValue> Samples(const QByteArray &zoneId, TimeValue t)
{
    const int year = QDateTime::fromSecsSinceEpoch(t, Qt::UTC).date().year();
    std::vector<TimeValue> at;
    for (int y = year; y <= year + 1; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d : {1, 15})
                at.push_back(DaysFromCivil(y, m, d) * 86400 + 12 * 3600);
    const TimeValue end = DaysFromCivil(year + 2, 1, 1) * 86400;
    TimeValue from = DaysFromCivil(year, 1, 1) * 86400;
    for (int step = 0; step < 16; ++step) {
        const std::optional<ZoneChange> change = NextZoneChange(zoneId, from);
        if (!change || change->at >= end)
            break;
        at.push_back(change->at + 1);
        from = change->at;
    }
    return at;
}

struct Closeness
{
    int instantsApart = 0;
    qint64 secondsApart = 0;
    friend auto operator<=>(const Closeness &, const Closeness &) = default;
};

} // namespace

QString CityDisplayName(int city)
{
    if (city < 0) // no city: the index is not read
        return {};
    const QString name = Cities::Name(city);
    if (name.isEmpty())
        return {};
    // In the user's language where CLDR names the city, with the usual name beside it.
    QString text = Cities::DisplayName(city);
    const QString region = Cities::RegionName(city);
    if (!region.isEmpty() && FoldForSearch(region) != FoldForSearch(name))
        text += QStringLiteral(", ") + region;
    const QString country =
        FromView(LocalCountryNameForCode(Cities::CountryCode(city).toStdString()));
    if (!country.isEmpty() && FoldForSearch(country) != FoldForSearch(name))
        text += QStringLiteral(", ") + country;
    return text;
}

QByteArray ZoneCountryCode(const QByteArray &zoneId)
{
    if (!IsZoneKnown(zoneId))
        return {};
    const QLocale::Territory territory = QTimeZone(zoneId).territory();
    if (territory == QLocale::AnyTerritory || territory == QLocale::World)
        return {};
    return QLocale::territoryToCode(territory).toLatin1();
}

int PlaceForZone(const QByteArray &zoneId, std::string_view countryCode, QStringView region,
                 bool useDatabase, TimeValue t)
{
    const std::vector<int> &listed = ListedPlaces(useDatabase);
    std::vector<int> candidates;
    for (const int i : listed)
        if (!countryCode.empty() && PlaceIsoCode(i) == countryCode)
            candidates.push_back(i);
    // Without the zone in the database its offsets are not known: the country's main part.
    if (!IsZoneKnown(zoneId))
        return candidates.empty() ? -1 : MainPart(candidates.front(), useDatabase);
    if (candidates.empty())
        candidates = listed;

    const std::vector<TimeValue> samples = Samples(zoneId, t);
    std::vector<ZoneState> own;
    for (const TimeValue s : samples)
        own.push_back(ZoneStateAt(zoneId, s));
    const QString foldedRegion = FoldForSearch(region);
    const std::string_view countryName = CountryNameForCode(countryCode);

    int best = -1;
    Closeness bestCloseness;
    int bestPreference = 0;
    for (const int i : candidates) {
        Closeness c;
        for (std::size_t s = 0; s < samples.size(); ++s) {
            const int apart = std::abs(EntryStateAt(i, samples[s]).utcOffset - own[s].utcOffset);
            c.instantsApart += apart != 0 ? 1 : 0;
            c.secondsApart += apart;
        }
        // Lower is better: the region's part, the zone's own place, a place named as its
        // country, the country's main part.
        const bool regionPart =
            !foldedRegion.isEmpty() &&
            (FoldForSearch(FromView(PlacePart(i, useDatabase))) == foldedRegion ||
             FoldForSearch(FromView(SubdivisionNameForCode(PlaceSubdivisionCode(i)))) ==
                 foldedRegion);
        const bool itsCountry = !countryName.empty() && PlaceName(i, true) == countryName;
        const int preference = (regionPart ? 0 : 8) + (EntryZoneId(i) == zoneId ? 0 : 4) +
                               (itsCountry ? 0 : 2) + (MainPart(i, useDatabase) == i ? 0 : 1);
        if (best < 0 || c < bestCloseness || (c == bestCloseness && preference < bestPreference)) {
            best = i;
            bestCloseness = c;
            bestPreference = preference;
        }
    }
    return best;
}

int PlaceForCity(int city, bool useDatabase, TimeValue t)
{
    if (city < 0 || city >= Cities::Count()) // -1 reads nothing
        return -1;
    return PlaceForZone(Cities::ZoneId(city), Cities::CountryCode(city).toStdString(),
                        Cities::RegionName(city), useDatabase, t);
}
