#include "countries/placesearch.h"
#include "zones/citytable.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"

#include <QTest>

class TestPlaceSearch final : public QObject
{
    Q_OBJECT

private slots:
    void explore()
    {
        const QStringList texts = qEnvironmentVariable("TEXTS").split(u',');
        for (const QString &t : texts) {
            const SearchResults r = SearchPlaces(t, true);
            const PlaceChoice c = ChooseFor(t, true, 1791979200);
            const QByteArray zone = c.zone.isEmpty() ? EntryZoneId(c.place) : c.zone;
            for (const SearchHit &h : r.hits)
                if (h.kind == SearchHit::City && qEnvironmentVariableIsSet("ALT"))
                    qInfo("alts %s: %s", qPrintable(Cities::Name(h.city)),
                          qPrintable(Cities::Alternates(h.city).join(u'|')));
            qInfo("%s => %s | %s | city %d", qPrintable(t),
                  PlaceDisplayName(c.place, true).c_str(), zone.constData(), c.city);
            for (std::size_t i = 0; i < r.hits.size() && i < 6; ++i)
                qInfo("   %c %d %s [%s] %s", int(i) == r.best ? '*' : ' ', r.hits[i].rank,
                      qPrintable(HitLabel(r.hits[i], true)),
                      qPrintable(HitKindText(r.hits[i], true)),
                      qPrintable(r.hits[i].kind == SearchHit::Place
                                     ? PlaceTimeText(r.hits[i].place, true, 1791979200)
                                     : ZoneTimeText(r.hits[i].zone, 1791979200)));
        }
    }
};

QTEST_MAIN(TestPlaceSearch)
#include "tst_placesearch.moc"
