// SPDX-License-Identifier: MIT

#include "zones/places.h"
#include "zones/zonedatabase.h"

#include <QTest>

// The ties of every place to its codes, names and listing, checked whole so that a slip in the
// hand-made table (a code iso-codes does not know, a duplicate listed as a hidden place, a part
// that is no part) shows at once.
class TestPlaces final : public QObject
{
    Q_OBJECT

private slots:
    void everyPlaceHoldsTogether()
    {
        for (int i = 0; i < PlaceCount; ++i) {
            const QByteArray at = QByteArray::number(i);
            const std::string_view iso = PlaceIsoCode(i);
            QVERIFY2(!CountryNameForCode(iso).empty(), at);
            const std::string_view sub = PlaceSubdivisionCode(i);
            QVERIFY2(sub.empty() || (sub.substr(0, 3) == std::string(iso) + '-' &&
                                     !SubdivisionNameForCode(sub).empty()),
                     at);
            QVERIFY2(!PlaceName(i, true).empty(), at);
            QCOMPARE(PlaceName(i, false).empty(), i >= CountryCount);
            // A hidden duplicate is listed as a listed place of the same zone's offset.
            const int listed = ListedPlace(i, true);
            QVERIFY2(IsPlaceListed(listed, true), at);
            QCOMPARE(EntryStateAt(listed, 1767225600).standardOffset,
                     EntryStateAt(i, 1767225600).standardOffset);
            QCOMPARE(ListedPlace(i, false), i < CountryCount ? i : -1);
            // Enter on a country takes one of its own parts.
            const int main = MainPart(listed, true);
            QCOMPARE(PlaceName(main, true), PlaceName(listed, true));
            QCOMPARE(PlacePart(main, true).empty(), PlacePart(listed, true).empty());
        }
        for (int bad : {-1, PlaceCount}) {
            QCOMPARE(ListedPlace(bad, true), -1);
            QVERIFY(PlaceDisplayName(bad, true).empty());
            QVERIFY(PlaceIsoCode(bad).empty());
        }
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("country") << "US"
                                 << "United States";
        QTest::newRow("lower case") << "gb"
                                    << "United Kingdom";
        QTest::newRow("common name") << "TW"
                                     << "Taiwan";
        QTest::newRow("own form") << "RU"
                                  << "Russia";
        QTest::newRow("no ISO code") << "XK"
                                     << "Kosovo";
        // The ends of the packed tables.
        QTest::newRow("first country") << "AD"
                                       << "Andorra";
        QTest::newRow("last country") << "ZW"
                                      << "Zimbabwe";
        QTest::newRow("first subdivision") << "AD-02"
                                           << "Canillo";
        QTest::newRow("last subdivision") << "ZW-MW"
                                          << "Mashonaland West";
        QTest::newRow("before the first") << "AA"
                                          << "";
        QTest::newRow("after the last") << "ZZ-99"
                                        << "";
        QTest::newRow("unknown") << "ZZ"
                                 << "";
        QTest::newRow("too long") << "USA"
                                  << "";
        QTest::newRow("subdivision") << "US-AZ"
                                     << "Arizona";
        QTest::newRow("subdivision, lower case") << "au-nsw"
                                                 << "New South Wales";
        QTest::newRow("second level") << "FR-75C"
                                      << "";
    }

    void lookups()
    {
        QFETCH(QString, code);
        const QByteArray bytes = code.toLatin1();
        const std::string_view text(bytes.constData(), std::size_t(bytes.size()));
        const std::string_view name =
            code.contains(u'-') ? SubdivisionNameForCode(text) : CountryNameForCode(text);
        QTEST(QString::fromUtf8(name.data(), qsizetype(name.size())), "name");
    }
};

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
