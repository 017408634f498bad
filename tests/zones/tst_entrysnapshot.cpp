// SPDX-License-Identifier: MIT

#include "zones/zonedatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Each case uses entries no earlier case loaded: a loaded zone answers for itself.
class TestEntrySnapshot : public QObject
{
    Q_OBJECT

private:
    static constexpr TimeValue Midsummer = 1782864000; // 1 July 2026, 00:00 UTC
    static constexpr int Fake = 12345;                 // an offset no zone has
    QByteArray m_head;

    // A seed for entry index that no database would give: Fake seconds, daylight all year.
    static QByteArray FakeLine(int index, TimeValue from = Midsummer - 10,
                               TimeValue until = Midsummer + 10)
    {
        return QByteArray::number(index) + " 1 " + QByteArray::number(Fake) + ' ' +
               QByteArray::number(Fake) + " 0 " + QByteArray::number(from) + ' ' +
               QByteArray::number(until) + " 2026 1\n";
    }
    // The same for a zone the map asks for by name.
    static QByteArray FakeLine(const char *zone) { return zone + FakeLine(0).mid(1); }

private slots:
    void initTestCase()
    {
        // Nothing asked yet: the snapshot is this database's head line alone.
        m_head = EntrySnapshot();
        QVERIFY(m_head.endsWith('\n') && m_head.count('\n') == 1);
    }

    void restoredAnswersListWithoutTheZone()
    {
        const int berlin = 121;
        QVERIFY(RestoreEntrySnapshot(m_head + FakeLine(berlin) + FakeLine("Europe/Bratislava")));
        QVERIFY(!EntrySnapshotOutdated());
        QCOMPARE(EntryListStateAt(berlin, Midsummer).standardOffset, Fake);
        QCOMPARE(ZoneListStandardOffset("Europe/Bratislava", Midsummer), Fake);
        QVERIFY(EntryListHasDaylightSaving(berlin, Midsummer));
        // Past its span the zone answers, and the new answer is to be kept.
        QCOMPARE(EntryListStateAt(berlin, Midsummer + 10).utcOffset, 7200);
        QVERIFY(EntrySnapshotOutdated());
        // The clocks never take a snapshot's word, and once the zone is read, neither does a list.
        QCOMPARE(EntryStateAt(berlin, Midsummer).standardOffset, 3600);
        QCOMPARE(EntryListStateAt(berlin, Midsummer).standardOffset, 3600);
        QCOMPARE(ZoneListStandardOffset("Europe/Bratislava", Midsummer + 10), 3600);

        // What this run worked out comes back whole from its own snapshot.
        const QByteArray kept = EntrySnapshot();
        QVERIFY(kept.contains("\n121 1 7200 3600 1 ") && kept.contains("\nEurope/Bratislava 1 "));
        QVERIFY(!EntrySnapshotOutdated());
        QVERIFY(RestoreEntrySnapshot(kept));
        QCOMPARE(EntrySnapshot(), kept);
    }

    void answersOfAnUpdatedDatabaseAreNotKept()
    {
        // The database changed under the running program: what it read is no longer the truth.
        QTemporaryDir other;
        QVERIFY(QFile::copy(QStringLiteral("/usr/share/zoneinfo/tzdata.zi"),
                            other.filePath(QStringLiteral("tzdata.zi"))));
        qputenv("TZDIR", QFile::encodeName(other.path()));
        const QByteArray kept = EntrySnapshot();
        qunsetenv("TZDIR");
        QVERIFY(kept.isEmpty());
        QVERIFY(!EntrySnapshot().isEmpty());
    }

    void otherOrDamagedSnapshotsAreIgnored_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QByteArray>("snapshot");
        QTest::newRow("another database") << 0 << "orbiclock entry states 1 0\n" + FakeLine(0);
        QTest::newRow("no head") << 1 << FakeLine(1);
        QTest::newRow("cut short") << 2 << m_head + FakeLine(2).chopped(3);
        QTest::newRow("field missing") << 3 << m_head + "3 1 12345 12345 0 1 2 2026\n";
        QTest::newRow("index outside the table") << 4 << m_head + FakeLine(4) + FakeLine(9999);
        QTest::newRow("empty span") << 5 << m_head + FakeLine(5, Midsummer, Midsummer);
        QTest::newRow("not a number") << 6 << m_head + FakeLine(6).replace("2026", "20x6");
        QTest::newRow("offset beyond a day") << 7 << m_head + "7 1 99999 0 0 1 2 2026 0\n";
        QTest::newRow("a zone's name climbing out") << 8 << m_head + FakeLine(8) + FakeLine("../x");
        QTest::newRow("a zone's name alone") << 9 << m_head + FakeLine(9) + "Europe/Vaduz\n";
    }

    void otherOrDamagedSnapshotsAreIgnored()
    {
        QFETCH(int, entry);
        QFETCH(QByteArray, snapshot);
        QVERIFY(!RestoreEntrySnapshot(snapshot));
        // Nothing of it is used, not even its good lines.
        QVERIFY(EntryListStateAt(entry, Midsummer).standardOffset != Fake);
    }

    // A snapshot that reads cleanly but lies: once a zone contradicts it, no list believes any
    // of it, and nothing of it is written back.
    void wrongAnswersAreNeitherBelievedNorKept()
    {
        const int sydney = 17, beirut = 171, omsk = 251, pitcairn = 237;
        TakeEntrySnapshotDisproved();
        QVERIFY(RestoreEntrySnapshot(m_head + FakeLine(sydney) + FakeLine(beirut) +
                                     FakeLine("Europe/Skopje")));
        QCOMPARE(EntryListStateAt(beirut, Midsummer).standardOffset, Fake);
        QCOMPARE(EntryStateAt(sydney, Midsummer).utcOffset, 36000); // the clocks read the zone
        QVERIFY(TakeEntrySnapshotDisproved());
        QVERIFY(EntryListStateAt(beirut, Midsummer).standardOffset != Fake);
        QCOMPARE(ZoneListStandardOffset("Europe/Skopje", Midsummer), 3600);

        // Written back, each answer no zone gave this run is asked of its zone first.
        QVERIFY(RestoreEntrySnapshot(m_head + FakeLine(omsk) + FakeLine("Europe/Vaduz") +
                                     FakeLine(pitcairn)));
        const QByteArray kept = EntrySnapshot();
        QVERIFY(!kept.isEmpty() && !kept.contains(' ' + QByteArray::number(Fake) + ' '));
        QVERIFY(TakeEntrySnapshotDisproved());
        QVERIFY(EntryListStateAt(pitcairn, Midsummer).standardOffset != Fake);
        QCOMPARE(ZoneListStandardOffset("Europe/Vaduz", Midsummer), 3600);
    }
};

QTEST_GUILESS_MAIN(TestEntrySnapshot)
#include "tst_entrysnapshot.moc"
