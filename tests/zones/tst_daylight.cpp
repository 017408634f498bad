// SPDX-License-Identifier: MIT

#include "zones/countrytable.h"
#include "zones/daylight.h"
#include "zones/timesource.h"
#include "zones/zonenames.h"

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <cmath>

namespace {

// Zones the tests stand in. Their own changes are at 02:00 or later, so local midnight always
// exists exactly once.
constexpr char Berlin[] = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr char Sydney[] = "AEST-10AEDT,M10.1.0,M4.1.0/3";
constexpr char NewYork[] = "EST5EDT,M3.2.0,M11.1.0";
constexpr char Utc[] = "UTC0";
constexpr char Kiritimati[] = "<+14>-14";

constexpr int Albania = 2;        // last Sun Mar - last Sun Sep
constexpr int NewSouthWales = 17; // last Sun Oct - 1st Sun Mar
constexpr int Paraguay = 232;     // 1st Sun Oct - last Sun Feb
constexpr int Admiralty = 0;      // no daylight saving

// The C library's daylight flag at t.
int IsDst(TimeValue t)
{
    std::tm fields{};
    LocalTime(t, fields);
    return fields.tm_isdst;
}

// A POSIX change rule "Mm.w.d/12" for a table rule's month, week (5 = last) and weekday.
QByteArray PosixDate(int month, int week, int dayOfWeek)
{
    return QByteArray("M") + QByteArray::number(month) + '.' + QByteArray::number(week) + '.' +
           QByteArray::number(dayOfWeek - 1) + "/12";
}

} // namespace

class TestDaylight final : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { SetProcessTimeZone(Utc); }

    void daylightSaving_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("own"); // week, month, day of week: start, then end; or none
        QTest::addColumn<QString>("local");
        QTest::addColumn<bool>("expected");
        auto row = [](const char *name, const char *zone, int index, const char *local,
                      bool expected, QList<int> own = {}) {
            QTest::newRow(name) << QByteArray(zone) << index << own << QString(local) << expected;
        };
        // Northern: 2024 runs from 31 March to 29 September, from and to the computer's midnight.
        row("north, second before start", Berlin, Albania, "2024-03-30T23:59:59", false);
        row("north, start midnight", Berlin, Albania, "2024-03-31T00:00:00", true);
        row("north, end midnight", Berlin, Albania, "2024-09-29T00:00:00", true);
        row("north, second after end", Berlin, Albania, "2024-09-29T00:00:01", false);
        row("New York, evening before start", NewYork, Albania, "2024-03-30T20:00:00", false);
        // Southern: 2024 has saving until 3 March and again from 27 October.
        row("south, end midnight", Sydney, NewSouthWales, "2024-03-03T00:00:00", true);
        row("south, second after end", Sydney, NewSouthWales, "2024-03-03T00:00:01", false);
        row("south, second before start", Sydney, NewSouthWales, "2024-10-26T23:59:59", false);
        row("south, start midnight", Sydney, NewSouthWales, "2024-10-27T00:00:00", true);
        // Ending on the last Sunday of February, the 29th in 2004.
        row("Feb leap year, end on 29th", Utc, Paraguay, "2004-02-29T00:00:00", true);
        row("Feb leap year, after end on 29th", Utc, Paraguay, "2004-02-29T00:00:01", false);
        // After 2038, where a 32-bit count of seconds has run out.
        row("north, 2040 summer", Berlin, Albania, "2040-07-01T12:00:00", true);
        row("no rule, summer", Berlin, Admiralty, "2024-07-01T12:00:00", false);
        row("no entry", Berlin, -1, "2024-07-01T12:00:00", false);
        row("past the end", Berlin, CountryCount, "2024-07-01T12:00:00", false);

        // Own dates. 1st Sunday of April to last Sunday of October: 7 April to 27 October 2024.
        const QList<int> aprToOct = {0, 3, 0, 4, 9, 0};
        row("own, second before start", Berlin, Albania, "2024-04-06T23:59:59", false, aprToOct);
        row("own, start midnight", Berlin, Albania, "2024-04-07T00:00:00", true, aprToOct);
        row("own, second after end", Berlin, Albania, "2024-10-27T00:00:01", false, aprToOct);
        // Last Friday of March: 29 March 2024.
        row("own Friday, start midnight", Berlin, Albania, "2024-03-29T00:00:00", true,
            {4, 2, 5, 4, 8, 5});
        // 1 January 2023 is a Sunday: ahead of GMT the local year has begun while GMT's has not.
        row("own, New Year's Day ahead of GMT", Kiritimati, Albania, "2023-01-01T05:00:00", true,
            {0, 0, 0, 4, 8, 0});
        // 2nd Sunday of October to 3rd Sunday of March. The direction comes from the home's rule:
        // a northern home reads it as start <= now <= end, which no instant satisfies.
        const QList<int> octToMar = {1, 9, 0, 2, 2, 0};
        row("own south, after end", Sydney, NewSouthWales, "2024-03-17T00:00:01", false, octToMar);
        row("own south, start midnight", Sydney, NewSouthWales, "2024-10-13T00:00:00", true,
            octToMar);
        row("own north, January", Berlin, Albania, "2024-01-15T12:00:00", false, octToMar);
        // Dates that name no day, or a home without a rule, are never daylight saving.
        row("own, unset", Berlin, Albania, "2024-07-01T12:00:00", false, {-1, -1, -1, -1, -1, -1});
        row("own, week past the list", Berlin, Albania, "2024-07-01T12:00:00", false,
            {5, 3, 0, 4, 9, 0});
        row("own, home without rule", Berlin, Admiralty, "2024-07-01T12:00:00", false, aprToOct);
        row("own, no home", Berlin, -1, "2024-07-01T12:00:00", false, aprToOct);
    }

    void daylightSaving()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, index);
        QFETCH(QList<int>, own);
        QFETCH(QString, local);
        QFETCH(bool, expected);
        SetProcessTimeZone(zone.constData());
        const QDateTime at = QDateTime::fromString(local, Qt::ISODate);
        const TimeValue t = MakeLocalTime(at.date().year(), at.date().month(), at.date().day(),
                                          at.time().hour(), at.time().minute(), at.time().second());
        if (own.isEmpty())
            QCOMPARE(IsDaylightSavingAt(index, t), expected);
        else
            QCOMPARE(
                IsOwnDaylightPeriodAt(index, {own[0], own[1], own[2], own[3], own[4], own[5]}, t),
                expected);
    }

    void badDatesNameNoDay()
    {
        // Stored settings may hold anything: a month, week or weekday out of range names no day.
        const int bad[][3] = {{0, 1, 1}, {13, 1, 1}, {3, 0, 1}, {3, 6, 1}, {3, 1, 0}, {3, 1, 8}};
        for (const auto &b : bad)
            QCOMPARE(NthWeekdayOfMonth(2024, b[0], b[1], b[2]), TimeValue(-1));
    }

    void changeDatesMatchCLibrary_data()
    {
        // Every week and weekday of every month: all the dates the table's rules name, and any
        // the user's own dates may name.
        QTest::addColumn<int>("month");
        for (int month = 1; month <= 12; ++month)
            QTest::addRow("%s", qPrintable(QDate(2000, month, 1).toString(u"MMMM"))) << month;
    }

    void changeDatesMatchCLibrary()
    {
        // Under a zone whose daylight period starts at noon of the change date, the C library must
        // switch exactly at noon of the day NthWeekdayOfMonth names.
        QFETCH(int, month);
        for (int week = 1; week <= 5; ++week) {
            for (int dayOfWeek = 1; dayOfWeek <= 7; ++dayOfWeek) {
                const QByteArray zone = "STD0DST," + PosixDate(month, week, dayOfWeek) + ',' +
                                        PosixDate(month % 12 + 1, 1, 1);
                SetProcessTimeZone(zone.constData());
                // 1971-2037, and around 2100, which is not a leap year.
                for (int year = 1971; year <= 2104; year = year == 2037 ? 2096 : year + 1) {
                    const TimeValue noon =
                        NthWeekdayOfMonth(year, month, week, dayOfWeek) + 12 * 3600;
                    QVERIFY2(IsDst(noon - 1) == 0 && IsDst(noon) == 1,
                             qPrintable(zone + ' ' + QByteArray::number(year)));
                }
            }
        }
    }

    void storedIndexesKeepTheirEntries()
    {
        // Settings store entries by index: a row moved out of its place shows here.
        const std::pair<int, const char *> rows[] = {
            {0, "Admiralty I."},       {79, "Chatham Is."},
            {243, "Réunion (France)"}, {323, "Alaska, E of 169°30'W, United States of America"},
            {344, "Zimbabwe"},
        };
        for (const auto &[index, name] : rows)
            QCOMPARE(QString::fromStdString(DisplayName(index)), QString::fromUtf8(name));
        for (int bad : {-1, CountryCount})
            QVERIFY(!CountryAt(bad) && !HasDaylightSaving(bad) && DisplayName(bad).empty());
    }

    void everyEntryHasACanonicalZoneNearItsOffset()
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
        for (int i = 0; i < PlaceCount; ++i) {
            const QByteArray name = CountryZoneName(i);
            const QTimeZone zone(name);
            QVERIFY2(zone.isValid() && !links.contains(name), name);
            const double hours = zone.standardTimeOffset(instant) / 3600.0;
            QVERIFY2(std::abs(hours - PlaceAt(i)->gmtOffset) < 3 || farFromTable.contains(i),
                     qPrintable(QString::number(i) + ' ' + name));
        }
        QVERIFY(!CountryZoneName(-1) && !CountryZoneName(PlaceCount));
    }
};

QTEST_APPLESS_MAIN(TestDaylight)
#include "tst_daylight.moc"
