#include <QTest>

#include "zones/countrytable.h"

class TestCountryTable final : public QObject
{
    Q_OBJECT

private slots:
    void displayName_data();
    void displayName();
};

void TestCountryTable::displayName_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << -1 << QString();
    QTest::newRow("past the end") << CountryCount << QString();
    QTest::newRow("plain") << 0 << QStringLiteral("Admiralty I.");
    QTest::newRow("with sub-name") << 17 << QStringLiteral("New South Wales, Australia");
    QTest::newRow("trailing blank") << 224 << QStringLiteral("Niue I. ");
    QTest::newRow("accent") << 243 << QStringLiteral("Réunion (France)");
}

void TestCountryTable::displayName()
{
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(DisplayName(index)), expected);
}

QTEST_APPLESS_MAIN(TestCountryTable)
#include "tst_countrytable.moc"
