// SPDX-License-Identifier: MIT

#include "app/clockoffsets.h"
#include "countries/placesearch.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"

#include <QTest>

// What people type and what is chosen: the place of the tree Enter takes and the zone the
// selected clocks then follow, with what the best hit shows.

class TestPlaceSearch final : public QObject
{
    Q_OBJECT

private slots:
    void typedTexts_data()
    {
        QTest::addColumn<bool>("database");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");  // the entry, as the tree names it
        QTest::addColumn<QByteArray>("zone"); // of the selected clocks
        QTest::addColumn<QString>("shown");   // the best hit: name, what it is, time there
        struct Row
        {
            const char *typed, *chosen, *zone, *shown;
        };
        // clang-format off
        static const Row rows[] = {
            // Today's names and the names people use.
            {"england", "United Kingdom", "Europe/London", "United Kingdom|Country|Wed 13:00"},
            {"britain", "United Kingdom", "Europe/London", "United Kingdom|Country|Wed 13:00"},
            {"south korea", "South Korea", "Asia/Seoul", "South Korea|Country|Wed 21:00"},
            {"czechia", "Czechia", "Europe/Prague", "Czechia|Country|Wed 14:00"},
            {"ivory coast", "Côte d'Ivoire", "Africa/Abidjan", "Côte d'Ivoire|Country|Wed 12:00"},
            {"burma", "Myanmar", "Asia/Yangon", "Myanmar|Country|Wed 18:30"},
            {"eswatini", "Eswatini", "Africa/Mbabane", "Eswatini|Country|Wed 14:00"},
            {"north macedonia", "North Macedonia", "Europe/Belgrade", "North Macedonia|Country|Wed 14:00"},
            {"turkiye", "Türkiye", "Europe/Istanbul", "Türkiye|Country|Wed 15:00"},
            {"holland", "Netherlands", "Europe/Amsterdam", "Netherlands|Country|Wed 14:00"},
            {"vatican", "Vatican City", "Europe/Rome", "Vatican City|Country|Wed 14:00"},
            {"samoa", "Samoa", "Pacific/Apia", "Samoa|Country|Thu 01:00"},
            {"venezuela", "Venezuela", "America/Caracas", "Venezuela|Country|Wed 08:00"},
            {"taiwan", "Taiwan", "Asia/Taipei", "Taiwan|Country|Wed 20:00"},
            {"south sudan", "South Sudan", "Africa/Juba", "South Sudan|Country|Wed 14:00"},
            {"montenegro", "Montenegro", "Europe/Belgrade", "Montenegro|Country|Wed 14:00"},
            {"kosovo", "Kosovo", "Europe/Belgrade", "Kosovo|Country|Wed 14:00"},
            {"timor-leste", "Timor-Leste", "Asia/Dili", "Timor-Leste|Country|Wed 21:00"},
            {"india", "India", "Asia/Kolkata", "India|Country|Wed 17:30"},
            // A country with parts: the part where most of its people live.
            {"united states", "Eastern Time exc Indiana, United States", "America/New_York", "United States|Country|Wed 08:00"},
            {"usa", "Eastern Time exc Indiana, United States", "America/New_York", "United States|Country|Wed 08:00"},
            {"mexico", "exc Baja California, Sonora & Sinaloa, Mexico", "America/Mexico_City", "Mexico|Country|Wed 06:00"},
            {"greenland", "exc Thule, Danmarkshavn & Scoresby Sound, Greenland", "America/Nuuk", "Greenland|Country|Wed 11:00"},
            // ISO codes typed whole.
            {"uk", "United Kingdom", "Europe/London", "United Kingdom|Country|Wed 13:00"},
            {"US", "Eastern Time exc Indiana, United States", "America/New_York", "United States|Country|Wed 08:00"},
            {"GB", "United Kingdom", "Europe/London", "United Kingdom|Country|Wed 13:00"},
            {"de", "Germany", "Europe/Berlin", "Germany|Country|Wed 14:00"},
            // Cities: their place, and their own zone for the clocks.
            {"chicago", "Central Time, United States", "America/Chicago", "Chicago, Illinois, United States|City|Wed 07:00"},
            {"new york", "Eastern Time exc Indiana, United States", "America/New_York", "New York City, New York, United States|City|Wed 08:00"},
            {"moscow", "Moscow Time, Russia", "Europe/Moscow", "Moscow, Russia|City|Wed 15:00"},
            {"beijing", "China", "Asia/Shanghai", "Beijing, China|City|Wed 20:00"},
            {"sao paulo", "Eastern, exc NE States & E Para, Brazil", "America/Sao_Paulo", "São Paulo, Brazil|City|Wed 09:00"},
            {"berlin", "Germany", "Europe/Berlin", "Berlin, State of Berlin, Germany|City|Wed 14:00"},
            {"tokyo", "Japan", "Asia/Tokyo", "Tokyo, Japan|City|Wed 21:00"},
            {"kyiv", "Ukraine", "Europe/Kyiv", "Kyiv, Kyiv City, Ukraine|City|Wed 15:00"},
            {"kiev", "Ukraine", "Europe/Kyiv", "Kyiv, Kyiv City, Ukraine|City|Wed 15:00"},
            {"bombay", "India", "Asia/Kolkata", "Mumbai, Maharashtra, India|City|Wed 17:30"},
            {"peking", "China", "Asia/Shanghai", "Beijing, China|City|Wed 20:00"},
            // Countries with several zones: the entry keeping the city's offsets, else the
            // nearest; among equals the city's region.
            {"phoenix", "Arizona, United States", "America/Phoenix", "Phoenix, Arizona, United States|City|Wed 05:00"},
            {"indianapolis", "Indiana, United States", "America/Indiana/Indianapolis", "Indianapolis, Indiana, United States|City|Wed 08:00"},
            {"broken hill", "South Australia, Australia", "Australia/Broken_Hill", "Broken Hill, New South Wales, Australia|City|Wed 22:30"},
            {"kaliningrad", "Kaliningrad Time, Russia", "Europe/Kaliningrad", "Kaliningrad, Kaliningrad Oblast, Russia|City|Wed 14:00"},
            {"manaus", "Amapa, W Para & Amazonas, Brazil", "America/Manaus", "Manaus, Amazonas, Brazil|City|Wed 08:00"},
            // Ties: the more populous namesake; a place before a city of the same name.
            {"perth", "Western Australia, Australia", "Australia/Perth", "Perth, Western Australia, Australia|City|Wed 20:00"},
            {"sydney", "New South Wales, Australia", "Australia/Sydney", "Sydney, New South Wales, Australia|City|Wed 23:00"},
            {"georgia", "Georgia", "Asia/Tbilisi", "Georgia|Country|Wed 16:00"},
            {"united", "United Kingdom", "Europe/London", "United Kingdom|Country|Wed 13:00"},
            {"saint john's", "Newfoundland, Canada", "America/St_Johns", "St. John's, Newfoundland and Labrador, Canada|City|Wed 09:30"},
            {"st  johns", "Newfoundland, Canada", "America/St_Johns", "St. John's, Newfoundland and Labrador, Canada|City|Wed 09:30"},
            // Zone names and abbreviations: the zone's place, the clocks on the zone.
            {"America/Chicago", "Central Time, United States", "America/Chicago", "Chicago (America)|Time zone|Wed 07:00"},
            {"EST", "Eastern Time exc Indiana, United States", "America/New_York", "New York (America)|Time zone, EST|Wed 08:00"},
            {"cet", "France", "Europe/Paris", "Paris (Europe)|Time zone, CET|Wed 14:00"},
            {"PST", "Pacific Time, United States", "America/Los_Angeles", "Los Angeles (America)|Time zone, PST|Wed 05:00"},
            {"UTC", "Ascension Island", "UTC", "UTC|Time zone, UTC|Wed 12:00"},
        };
        // clang-format on
        for (const Row &row : rows)
            QTest::newRow(row.typed)
                << true << QString::fromUtf8(row.typed) << QString::fromUtf8(row.chosen)
                << QByteArray(row.zone) << QString::fromUtf8(row.shown);
        // The built-in table knows neither cities nor zones.
        // clang-format off
        QTest::newRow("phoenix, table") << false << "phoenix" << "Those in Rep of Kiribati, Phoenix Is." << QByteArray() << "Phoenix Is.|Country|Thu 01:00";
        QTest::newRow("nothing") << true << "qqxq" << "" << QByteArray() << "";
        // clang-format on
    }

    void typedTexts()
    {
        QFETCH(bool, database);
        QFETCH(QString, typed);
        QFETCH(QByteArray, zone);
        const TimeValue t = 1791979200; // 14 October 2026, 12:00 UTC, a Wednesday
        const PlaceChoice choice = ChooseFor(typed, database, t);
        QTEST(QString::fromStdString(PlaceDisplayName(choice.place, database)), "chosen");

        ClockOffsetInputs in;
        in.homeIndex = 121; // Germany
        in.selectedIndex = choice.place;
        in.selectedZone = choice.zone;
        in.useDatabase = database;
        QCOMPARE(SelectedZoneId(in), zone);
        if (!zone.isEmpty())
            QCOMPARE(SelectedUtcOffsetAt(in, t), TimeValue(ZoneStateAt(zone, t).utcOffset));

        const SearchResults found = SearchPlaces(typed, database);
        QString shown;
        if (found.best >= 0) {
            const SearchHit &hit = found.hits[static_cast<std::size_t>(found.best)];
            const int place = hit.kind != SearchHit::Place ? -1
                              : hit.parts.empty()          ? hit.place
                                                           : MainPart(hit.place, database);
            shown = HitLabel(hit, database) + u'|' + HitKindText(hit, database) + u'|' +
                    (place >= 0 ? PlaceTimeText(place, database, t) : ZoneTimeText(hit.zone, t));
        }
        QTEST(shown, "shown");
    }
};

QTEST_MAIN(TestPlaceSearch)
#include "tst_placesearch.moc"
