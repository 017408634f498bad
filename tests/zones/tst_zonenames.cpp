#include "zones/countrytable.h"
#include "zones/zonenames.h"

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <cmath>

class TestZoneNames final : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryHasACanonicalZoneNearItsOffset();
};

void TestZoneNames::everyEntryHasACanonicalZoneNearItsOffset()
{
    // Links are "L target name" lines of the database's source.
    QFile source("/usr/share/zoneinfo/tzdata.zi");
    QVERIFY2(source.open(QIODevice::ReadOnly), "tzdata is not installed");
    QSet<QByteArray> links;
    for (const QByteArray &line : source.readAll().split('\n')) {
        if (line.startsWith("L "))
            links.insert(line.split(' ').value(2));
    }
    // Places that crossed the date line since, and table offsets with a wrong sign.
    const QSet<int> farFromTable = {155, 157, 182, 183, 199, 263, 307};
    const QDateTime instant = QDateTime::fromSecsSinceEpoch(1767225600); // 2026-01-01 UTC
    for (int i = 0; i < CountryCount; ++i) {
        const QByteArray name = CountryZoneName(i);
        const QTimeZone zone(name);
        QVERIFY2(zone.isValid() && !links.contains(name), name);
        const double hours = zone.standardTimeOffset(instant) / 3600.0;
        QVERIFY2(std::abs(hours - CountryTable[std::size_t(i)].gmtOffset) < 3 ||
                     farFromTable.contains(i),
                 qPrintable(QString::number(i) + ' ' + name));
    }
    QCOMPARE(CountryZoneName(-1), nullptr);
    QCOMPARE(CountryZoneName(CountryCount), nullptr);
}

QTEST_APPLESS_MAIN(TestZoneNames)
#include "tst_zonenames.moc"
