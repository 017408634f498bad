// SPDX-License-Identifier: MIT

#include "zones/textfold.h"
#include "zones/zonesearch.h"

#include <QTest>

class TestZoneSearch : public QObject
{
    Q_OBJECT

private slots:
    void find_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArrayList>("first"); // the first zones, in order
        QTest::addColumn<QString>("abbreviation"); // of the first
        QTest::addColumn<int>("rank");             // of the first
        QTest::newRow("zone name")
            << "America/Chicago" << QByteArrayList{"America/Chicago"} << "" << 0;
        QTest::newRow("place part, blank for underscore")
            << "new york" << QByteArrayList{"America/New_York"} << "" << 0;
        QTest::newRow("a place part's start")
            << "buenos" << QByteArrayList{"America/Argentina/Buenos_Aires"} << "" << 2;
        QTest::newRow("abbreviation, any case")
            << "est" << QByteArrayList{"America/New_York", "America/Cancun", "America/Panama"}
            << "EST" << 0;
        QTest::newRow("abbreviation of several places")
            << "IST" << QByteArrayList{"Asia/Kolkata", "Europe/Dublin", "Asia/Jerusalem"} << "IST"
            << 0;
        QTest::newRow("UTC") << "utc" << QByteArrayList{"UTC"} << "UTC" << 0;
        QTest::newRow("abbreviation before a zone that starts with it")
            << "cet" << QByteArrayList{"Europe/Paris", "Europe/Berlin", "Africa/Algiers"} << "CET"
            << 0;
        QTest::newRow("nothing") << "qqq" << QByteArrayList{} << "" << 0;
        QTest::newRow("an abbreviation's start is not one") << "aes" << QByteArrayList{} << "" << 0;
    }

    void find()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArrayList, first);
        const std::vector<ZoneMatch> found = FindZones(FoldForSearch(typed), 50);
        if (first.isEmpty()) {
            QVERIFY(found.empty());
            return;
        }
        QVERIFY(found.size() >= static_cast<std::size_t>(first.size()));
        for (qsizetype i = 0; i < first.size(); ++i)
            QCOMPARE(found[static_cast<std::size_t>(i)].zoneId, first[i]);
        QTEST(found.front().abbreviation, "abbreviation");
        QTEST(found.front().rank, "rank");
        for (std::size_t i = 0; i < found.size(); ++i) {
            for (std::size_t j = i + 1; j < found.size(); ++j)
                QVERIFY(found[i].zoneId != found[j].zoneId);
        }
        QCOMPARE(FindZones(FoldForSearch(typed), 1).size(), 1u);
    }

    void displayName()
    {
        QCOMPARE(ZoneDisplayName("America/Argentina/Buenos_Aires"),
                 QStringLiteral("Buenos Aires (America/Argentina)"));
        QCOMPARE(ZoneDisplayName("UTC"), QStringLiteral("UTC"));
    }
};

QTEST_GUILESS_MAIN(TestZoneSearch)
#include "tst_zonesearch.moc"
