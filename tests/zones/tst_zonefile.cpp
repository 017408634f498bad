// SPDX-License-Identifier: MIT

#include "zones/countrytable.h"
#include "zones/zonedatabase.h"
#include "zones/zonefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QtEndian>

namespace {

constexpr TimeValue Midsummer = 1782864000; // 1 July 2026, 00:00 UTC
constexpr int Berlin = 121;

ZoneOffsets Expected(const QTimeZone::OffsetData &d)
{
    if (!d.atUtc.isValid())
        return {};
    return {true, d.atUtc.toSecsSinceEpoch(), d.offsetFromUtc, d.standardTimeOffset};
}

QByteArray Describe(const ZoneOffsets &o)
{
    return o.valid ? QByteArray::number(o.at) + ' ' + QByteArray::number(o.offset) + '/' +
                         QByteArray::number(o.standard)
                   : QByteArray("none");
}

QByteArray SystemFile(const char *zone)
{
    QFile file(QStringLiteral("/usr/share/zoneinfo/") + QLatin1String(zone));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestZoneFile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        ZoneFile::SetFolderForTesting(nullptr);
        SetZoneDatabaseHiddenForTesting(false);
    }

    void agreesWithQTimeZone_data()
    {
        QTest::addColumn<qint64>("t");
        for (const char *at : {"2000-01-01T00:00:00", "2008-03-09T07:00:00", "2013-10-27T00:59:59",
                               "2016-12-31T23:59:59", "2020-04-05T12:00:00", "2024-03-31T01:00:00",
                               "2025-11-02T06:00:00", "2026-01-01T00:00:00", "2026-07-01T00:00:00",
                               "2026-12-07T14:30:00", "2027-10-03T16:00:00", "2030-06-15T00:00:00",
                               "2036-12-31T23:59:59"})
            QTest::newRow(at)
                << QDateTime::fromString(QLatin1String(at), Qt::ISODate).toUTC().toSecsSinceEpoch();
    }

    // Every entry's zone, at the instant and at each side of the transitions around it, answers
    // as QTimeZone does; and a list answered from the files agrees with the clocks, which read
    // QTimeZone, over the state's span and the daylight saving of this year and next.
    void agreesWithQTimeZone()
    {
        QFETCH(qint64, t);
        const auto utc = [](TimeValue v) {
            return QDateTime::fromSecsSinceEpoch(v, Qt::UTC);
        };
        for (int i = 0; i < CountryCount; ++i) {
            const QByteArray id = EntryZoneId(i);
            const std::optional<ZoneFile> file = ZoneFile::Read(id.constData());
            QVERIFY2(file, id);
            const QTimeZone zone(id);
            QList<TimeValue> instants{t};
            if (const ZoneOffsets next = Expected(zone.nextTransition(utc(t))); next.valid)
                instants << next.at << next.at - 1 << next.at + 1;
            if (const ZoneOffsets last = Expected(zone.previousTransition(utc(t))); last.valid)
                instants << last.at << last.at + 1;
            for (const TimeValue at : instants) {
                const QByteArray where = " (" + id + " at " + QByteArray::number(at) + ')';
                QCOMPARE(Describe(file->At(at)) + ", " + Describe(file->After(at)) + ", " +
                             Describe(file->Before(at)) + where,
                         Describe(Expected(zone.offsetData(utc(at)))) + ", " +
                             Describe(Expected(zone.nextTransition(utc(at)))) + ", " +
                             Describe(Expected(zone.previousTransition(utc(at)))) + where);
                QVERIFY2(!file->TakeBeyond(), where);
            }
        }

        SetZoneDatabaseHiddenForTesting(false); // forgets every answer
        TakeEntrySnapshotDisproved();
        const auto text = [](ZoneState s, bool daylightSoon, bool known) {
            return QString::asprintf("%d %d %d %d %d", s.utcOffset, s.standardOffset, s.daylight,
                                     daylightSoon, known);
        };
        QStringList listed;
        for (int i = 0; i < CountryCount; ++i)
            listed << text(EntryListStateAt(i, t), EntryListHasDaylightSaving(i, t),
                           IsEntryListZoneKnown(i, t));
        for (int i = 0; i < CountryCount; ++i)
            QCOMPARE(listed[i], text(EntryStateAt(i, t), EntryHasDaylightSavingThisOrNextYear(i, t),
                                     IsEntryZoneKnown(i)));
        // Reading the zones contradicted no span either.
        QVERIFY(!TakeEntrySnapshotDisproved());
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = SystemFile("Europe/Berlin");
        QVERIFY(ZoneFile::Parse(good));
        // The second header: after the first block of 32-bit times.
        const qsizetype second = good.indexOf("TZif", 4);
        QVERIFY(second > 0);
        const auto patched = [&good](qsizetype at, QByteArray with) {
            return QByteArray(good).replace(at, with.size(), with);
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header alone") << good.left(44);
        QTest::newRow("cut in the times") << good.left(second + 44 + 40);
        QTest::newRow("footer cut") << good.chopped(1);
        QTest::newRow("not TZif") << patched(0, "TZip");
        QTest::newRow("version 1 only") << patched(4, QByteArray(1, '\0'));
        QTest::newRow("too many times") << patched(second + 32, QByteArray("\0\0\x13\x88", 4));
        QTest::newRow("no types") << patched(second + 36, QByteArray(4, '\0'));
        // The first transition's type index, then its time, made later than the second's.
        const qsizetype times = second + 44;
        const int count = int(qFromBigEndian<quint32>(good.constData() + second + 32));
        QTest::newRow("type out of range") << patched(times + count * 8, "\xff");
        QTest::newRow("times out of order") << patched(times, "\x7f");
        QTest::newRow("a gmt offset of days") << patched(times + count * 9, "\x7f");
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!ZoneFile::Parse(bytes));
    }

    // A zone whose file is missing or damaged is listed from QTimeZone, as the clocks show it;
    // one whose file lies (a Berlin that keeps Tokyo's time) is believed only until the zone is
    // read, and then no list believes any file again.
    void listsFallBackToTheZone()
    {
        QTemporaryDir folder;
        const auto put = [&folder](const char *zone, const QByteArray &bytes) {
            QFile file(folder.filePath(QLatin1String(zone)));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Europe")));
        QVERIFY(put("Europe/Berlin", SystemFile("Europe/Berlin").left(300)));
        ZoneFile::SetFolderForTesting(QFile::encodeName(folder.path()).constData());
        SetZoneDatabaseHiddenForTesting(false);
        QCOMPARE(EntryListStateAt(Berlin, Midsummer).utcOffset, 7200);
        const int sydney = 17; // no file at all
        QCOMPARE(EntryListStateAt(sydney, Midsummer).utcOffset, 36000);
        // So is a zone the map asks for by name; a name that could climb out of the folder, or
        // none the database has, is no zone.
        QVERIFY(put("Europe/Bratislava", SystemFile("Europe/Bratislava").chopped(1)));
        QCOMPARE(ZoneListStandardOffset("Europe/Bratislava", Midsummer), 3600);
        QCOMPARE(ZoneListStandardOffset("Europe/Skopje", Midsummer), 3600);
        for (const char *none : {"../Asia/Tokyo", "/usr/share/zoneinfo/Asia/Tokyo", "Mars/Olympus"})
            QVERIFY(!ZoneListStandardOffset(none, Midsummer));

        const QByteArray tokyo = SystemFile("Asia/Tokyo");
        QVERIFY(put("Europe/Berlin", tokyo) && put("Europe/Paris", tokyo));
        SetZoneDatabaseHiddenForTesting(false);
        TakeEntrySnapshotDisproved();
        const int paris = 91;
        QCOMPARE(EntryListStateAt(Berlin, Midsummer).utcOffset, 32400);
        QCOMPARE(EntryListStateAt(paris, Midsummer).utcOffset, 32400);
        QCOMPARE(EntryStateAt(Berlin, Midsummer).utcOffset, 7200);
        QVERIFY(TakeEntrySnapshotDisproved());
        QCOMPARE(EntryListStateAt(Berlin, Midsummer).utcOffset, 7200);
        QCOMPARE(EntryListStateAt(paris, Midsummer).utcOffset, 7200);

        // Nothing is read from the files where the machine has no database.
        SetZoneDatabaseHiddenForTesting(true);
        QCOMPARE(EntryListStateAt(Berlin, Midsummer).utcOffset, 7200); // the table's rule
        QVERIFY(!IsEntryListZoneKnown(Berlin, Midsummer));
        QVERIFY(!IsEntryZoneKnown(Berlin));
    }
};

QTEST_GUILESS_MAIN(TestZoneFile)
#include "tst_zonefile.moc"
