#include "zones/countrytable.h"
#include "zones/daylight.h"
#include "zones/timesource.h"

#include <QDateTime>
#include <QSet>
#include <QTest>

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
constexpr int Georgia = 120;      // as Albania, 2 hours
constexpr int Paraguay = 232;     // 1st Sun Oct - last Sun Feb
constexpr int Admiralty = 0;      // no daylight saving

QDateTime Local(const std::tm &fields)
{
    return QDateTime(QDate(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday),
                     QTime(fields.tm_hour, fields.tm_min, fields.tm_sec), Qt::UTC);
}

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

// True when the C library, under a zone whose daylight period starts or ends at noon of the
// given change date, switches exactly at noon of the local day that changeDate begins.
bool SwitchesAtNoonOf(TimeValue changeDate, int before, int after)
{
    const TimeValue noon = changeDate + 12 * 3600;
    return IsDst(noon - 1) == before && IsDst(noon) == after;
}

} // namespace

class TestDaylight final : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase();
    void nthWeekdayOfMonth_data();
    void nthWeekdayOfMonth();
    void nthWeekdayOfMonthRejectsBadArguments();
    void tableRule_data();
    void tableRule();
    void changesAtComputersMidnight_data();
    void changesAtComputersMidnight();
    void withinPeriodBoundsAreInclusive();
    void ownDates_data();
    void ownDates();
    void ownDatesAcrossYearEndWithNorthernHomeNeverApply();
    void changeDatesMatchCLibraryForTableRules_data();
    void changeDatesMatchCLibraryForTableRules();
    void changeDatesMatchCLibraryForEveryDate_data();
    void changeDatesMatchCLibraryForEveryDate();
};

void TestDaylight::cleanupTestCase()
{
    SetProcessTimeZone(Utc);
}

void TestDaylight::nthWeekdayOfMonth_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("dayOfWeek");
    QTest::addColumn<int>("day");

    QTest::newRow("1st Sun, month begins on Sunday")
        << QByteArray(Berlin) << 2020 << 3 << 1 << 1 << 1;
    QTest::newRow("1st Sun, month begins on Monday")
        << QByteArray(Berlin) << 2024 << 1 << 1 << 1 << 7;
    QTest::newRow("1st Sat, month begins on Sunday")
        << QByteArray(Sydney) << 2026 << 2 << 1 << 7 << 7;
    QTest::newRow("2nd Sun, month begins on Sunday")
        << QByteArray(Sydney) << 2023 << 10 << 2 << 1 << 8;
    QTest::newRow("4th Sun of a five-Sunday month")
        << QByteArray(Berlin) << 2024 << 3 << 4 << 1 << 24;
    QTest::newRow("last Sun, month ends on Sunday")
        << QByteArray(Berlin) << 2024 << 3 << 5 << 1 << 31;
    QTest::newRow("last Sun, month ends on Monday")
        << QByteArray(NewYork) << 2024 << 9 << 5 << 1 << 29;
    QTest::newRow("last Sun Dec") << QByteArray(Utc) << 2024 << 12 << 5 << 1 << 29;
    QTest::newRow("last Sun Feb, leap year, 29th a Sunday")
        << QByteArray(Utc) << 2004 << 2 << 5 << 1 << 29;
    QTest::newRow("last Sun Feb 2032, 29th a Sunday")
        << QByteArray(Sydney) << 2032 << 2 << 5 << 1 << 29;
    QTest::newRow("last Sun Feb, leap year, 29th a Saturday")
        << QByteArray(Utc) << 2020 << 2 << 5 << 1 << 23;
    QTest::newRow("last Sat Feb, leap year") << QByteArray(Utc) << 2020 << 2 << 5 << 7 << 29;
    QTest::newRow("last Sun Feb, common year, 28th a Sunday")
        << QByteArray(Utc) << 2021 << 2 << 5 << 1 << 28;
    QTest::newRow("last Tue Feb 2000, leap century")
        << QByteArray(Utc) << 2000 << 2 << 5 << 3 << 29;
    // 2100 is no leap year: a search from the 29th would land on 1 March, a Monday.
    QTest::newRow("last Mon Feb 2100, common century")
        << QByteArray(Utc) << 2100 << 2 << 5 << 2 << 22;
    QTest::newRow("last Sun Feb 2100, common century")
        << QByteArray(Berlin) << 2100 << 2 << 5 << 1 << 28;
}

void TestDaylight::nthWeekdayOfMonth()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, week);
    QFETCH(int, dayOfWeek);
    QFETCH(int, day);
    SetProcessTimeZone(zone.constData());

    std::tm fields{};
    QVERIFY(LocalTime(NthWeekdayOfMonth(year, month, week, dayOfWeek), fields));
    QCOMPARE(Local(fields), QDateTime(QDate(year, month, day), QTime(0, 0), Qt::UTC));
    QCOMPARE(fields.tm_wday + 1, dayOfWeek);
}

void TestDaylight::nthWeekdayOfMonthRejectsBadArguments()
{
    SetProcessTimeZone(Utc);
    QCOMPARE(NthWeekdayOfMonth(2024, 0, 1, 1), TimeValue(-1));
    QCOMPARE(NthWeekdayOfMonth(2024, 13, 1, 1), TimeValue(-1));
    QCOMPARE(NthWeekdayOfMonth(2024, 3, 0, 1), TimeValue(-1));
    QCOMPARE(NthWeekdayOfMonth(2024, 3, 6, 1), TimeValue(-1));
    QCOMPARE(NthWeekdayOfMonth(2024, 3, 1, 0), TimeValue(-1));
    QCOMPARE(NthWeekdayOfMonth(2024, 3, 1, 8), TimeValue(-1));
}

void TestDaylight::tableRule_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("index");
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<bool>("expected");

    auto row = [](const char *name, const char *zone, int index, QDate date, QTime time,
                  bool expected) {
        QTest::newRow(name) << QByteArray(zone) << index << QDateTime(date, time, Qt::UTC)
                            << expected;
    };
    // Northern: 2024 runs from 31 March to 29 September.
    row("north, New Year", Berlin, Albania, {2024, 1, 1}, {0, 0}, false);
    row("north, second before start", Berlin, Albania, {2024, 3, 30}, {23, 59, 59}, false);
    row("north, start midnight", Berlin, Albania, {2024, 3, 31}, {0, 0}, true);
    row("north, summer", Berlin, Albania, {2024, 7, 1}, {12, 0}, true);
    row("north, end midnight", Berlin, Albania, {2024, 9, 29}, {0, 0}, true);
    row("north, second after end", Berlin, Albania, {2024, 9, 29}, {0, 0, 1}, false);
    row("north, New Year's Eve", Berlin, Albania, {2024, 12, 31}, {23, 59, 59}, false);
    row("Georgia, second before start", Berlin, Georgia, {2024, 3, 30}, {23, 59, 59}, false);
    row("Georgia, start midnight", Berlin, Georgia, {2024, 3, 31}, {0, 0}, true);
    row("Georgia, second after end", Berlin, Georgia, {2024, 9, 29}, {0, 0, 1}, false);
    // Southern: 2024 has saving until 3 March and again from 27 October.
    row("south, New Year", Sydney, NewSouthWales, {2024, 1, 1}, {0, 0}, true);
    row("south, end midnight", Sydney, NewSouthWales, {2024, 3, 3}, {0, 0}, true);
    row("south, second after end", Sydney, NewSouthWales, {2024, 3, 3}, {0, 0, 1}, false);
    row("south, June", Sydney, NewSouthWales, {2024, 6, 15}, {12, 0}, false);
    row("south, second before start", Sydney, NewSouthWales, {2024, 10, 26}, {23, 59, 59}, false);
    row("south, start midnight", Sydney, NewSouthWales, {2024, 10, 27}, {0, 0}, true);
    row("south, New Year's Eve", Sydney, NewSouthWales, {2024, 12, 31}, {23, 59, 59}, true);
    // Ending on the last Sunday of February.
    row("Feb leap year, 28th", Utc, Paraguay, {2004, 2, 28}, {12, 0}, true);
    row("Feb leap year, end on 29th", Utc, Paraguay, {2004, 2, 29}, {0, 0}, true);
    row("Feb leap year, after end on 29th", Utc, Paraguay, {2004, 2, 29}, {0, 0, 1}, false);
    row("Feb leap year, 29th a Saturday", Utc, Paraguay, {2020, 2, 29}, {12, 0}, false);
    row("Feb leap year, end on 23rd", Utc, Paraguay, {2020, 2, 23}, {0, 0}, true);
    row("Feb common year, after end on 28th", Utc, Paraguay, {2021, 2, 28}, {0, 0, 1}, false);
    row("Feb 2100, end on 28th", Utc, Paraguay, {2100, 2, 28}, {0, 0}, true);
    row("Feb 2100, after end on 28th", Utc, Paraguay, {2100, 2, 28}, {0, 0, 1}, false);
    // After 2038, where a 32-bit count of seconds has run out.
    row("north, 2040 summer", Berlin, Albania, {2040, 7, 1}, {12, 0}, true);
    row("south, 2040 winter", Sydney, NewSouthWales, {2040, 7, 1}, {12, 0}, false);
    row("no rule, summer", Berlin, Admiralty, {2024, 7, 1}, {12, 0}, false);
    row("no entry", Berlin, -1, {2024, 7, 1}, {12, 0}, false);
    row("past the end", Berlin, CountryCount, {2024, 7, 1}, {12, 0}, false);
}

void TestDaylight::tableRule()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, index);
    QFETCH(QDateTime, local);
    QFETCH(bool, expected);
    SetProcessTimeZone(zone.constData());

    const QDate date = local.date();
    const QTime time = local.time();
    const TimeValue t = MakeLocalTime(date.year(), date.month(), date.day(), time.hour(),
                                      time.minute(), time.second());
    QCOMPARE(IsDaylightSavingAt(index, t), expected);

    FixedTimeSource clock(t);
    ScopedTimeSource scoped(&clock);
    QCOMPARE(IsDaylightSavingNow(index), expected);
}

void TestDaylight::changesAtComputersMidnight_data()
{
    // Albania's 2024 start is 31 March; the same instants under different computer zones.
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<bool>("expected");
    const QDateTime startUtc(QDate(2024, 3, 31), QTime(0, 0), Qt::UTC);
    QTest::newRow("GMT, midnight") << QByteArray(Utc) << startUtc << true;
    QTest::newRow("New York, 20:00 the evening before") << QByteArray(NewYork) << startUtc << false;
    QTest::newRow("New York, its own midnight")
        << QByteArray(NewYork) << startUtc.addSecs(4 * 3600) << true;
    QTest::newRow("Line Is., 02:00 already")
        << QByteArray(Kiritimati) << startUtc.addSecs(-12 * 3600) << true;
    QTest::newRow("GMT, 12:00 the day before")
        << QByteArray(Utc) << startUtc.addSecs(-12 * 3600) << false;
    // 02:00 is when many zones change, but the rule changes at midnight.
    QTest::newRow("Berlin, 01:59:59 on the start day")
        << QByteArray(Berlin) << startUtc.addSecs(-3600 + 2 * 3600 - 1) << true;
}

void TestDaylight::changesAtComputersMidnight()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, utc);
    QFETCH(bool, expected);
    SetProcessTimeZone(zone.constData());
    QCOMPARE(IsDaylightSavingAt(Albania, utc.toSecsSinceEpoch()), expected);
}

void TestDaylight::withinPeriodBoundsAreInclusive()
{
    const TimeValue start = 1000;
    const TimeValue end = 2000;
    QVERIFY(!IsWithinDaylightPeriod(start - 1, start, end, false));
    QVERIFY(IsWithinDaylightPeriod(start, start, end, false));
    QVERIFY(IsWithinDaylightPeriod(end, start, end, false));
    QVERIFY(!IsWithinDaylightPeriod(end + 1, start, end, false));

    // Across the year end the same dates mark the gap between two periods.
    QVERIFY(IsWithinDaylightPeriod(start - 1, end, start, true));
    QVERIFY(IsWithinDaylightPeriod(start, end, start, true));
    QVERIFY(!IsWithinDaylightPeriod(start + 1, end, start, true));
    QVERIFY(!IsWithinDaylightPeriod(end - 1, end, start, true));
    QVERIFY(IsWithinDaylightPeriod(end, end, start, true));

    FixedTimeSource clock(start);
    ScopedTimeSource scoped(&clock);
    QVERIFY(IsWithinDaylightPeriod(start, end, false));
    clock.Set(start - 1);
    QVERIFY(!IsWithinDaylightPeriod(start, end, false));
}

void TestDaylight::ownDates_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("home");
    QTest::addColumn<QList<int>>("dates"); // week, month, day of week: start, then end
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<bool>("expected");

    auto row = [](const char *name, const char *zone, int home, QList<int> dates, QDate date,
                  QTime time, bool expected) {
        QTest::newRow(name) << QByteArray(zone) << home << dates << QDateTime(date, time, Qt::UTC)
                            << expected;
    };
    // 1st Sunday of April to last Sunday of October: 7 April to 27 October 2024.
    const QList<int> aprilToOctober = {0, 3, 0, 4, 9, 0};
    row("north, table rule's start", Berlin, Albania, aprilToOctober, {2024, 3, 31}, {12, 0},
        false);
    row("north, second before start", Berlin, Albania, aprilToOctober, {2024, 4, 6}, {23, 59, 59},
        false);
    row("north, start midnight", Berlin, Albania, aprilToOctober, {2024, 4, 7}, {0, 0}, true);
    row("north, end midnight", Berlin, Albania, aprilToOctober, {2024, 10, 27}, {0, 0}, true);
    row("north, second after end", Berlin, Albania, aprilToOctober, {2024, 10, 27}, {0, 0, 1},
        false);
    // Last Friday of March: 29 March 2024.
    const QList<int> friday = {4, 2, 5, 4, 8, 5};
    row("Friday start midnight", Berlin, Albania, friday, {2024, 3, 29}, {0, 0}, true);
    row("Friday second before start", Berlin, Albania, friday, {2024, 3, 28}, {23, 59, 59}, false);
    // 1 January 2023 is a Sunday: in a zone ahead of GMT the local year has begun while GMT's
    // has not, and the local year's dates apply.
    const QList<int> januaryToSeptember = {0, 0, 0, 4, 8, 0};
    row("start on New Year's Day, ahead of GMT", Kiritimati, Albania, januaryToSeptember,
        {2023, 1, 1}, {5, 0}, true);
    row("second before New Year's Day start", Kiritimati, Albania, januaryToSeptember,
        {2022, 12, 31}, {23, 59, 59}, false);
    // 2nd Sunday of October to 3rd Sunday of March, for a southern home.
    const QList<int> octoberToMarch = {1, 9, 0, 2, 2, 0};
    row("south, January", Sydney, NewSouthWales, octoberToMarch, {2024, 1, 15}, {12, 0}, true);
    row("south, end midnight", Sydney, NewSouthWales, octoberToMarch, {2024, 3, 17}, {0, 0}, true);
    row("south, second after end", Sydney, NewSouthWales, octoberToMarch, {2024, 3, 17}, {0, 0, 1},
        false);
    row("south, start midnight", Sydney, NewSouthWales, octoberToMarch, {2024, 10, 13}, {0, 0},
        true);
    row("south, second before start", Sydney, NewSouthWales, octoberToMarch, {2024, 10, 12},
        {23, 59, 59}, false);
    // Dates that name no day, or a home without a rule, are never daylight saving.
    row("unset dates", Berlin, Albania, {-1, -1, -1, -1, -1, -1}, {2024, 7, 1}, {12, 0}, false);
    row("one week past the list", Berlin, Albania, {5, 3, 0, 4, 9, 0}, {2024, 7, 1}, {12, 0},
        false);
    row("one month past the list", Berlin, Albania, {0, 3, 0, 4, 12, 0}, {2024, 7, 1}, {12, 0},
        false);
    row("one day past the list", Berlin, Albania, {0, 3, 7, 4, 9, 0}, {2024, 7, 1}, {12, 0}, false);
    row("home without rule", Berlin, Admiralty, aprilToOctober, {2024, 7, 1}, {12, 0}, false);
    row("no home", Berlin, -1, aprilToOctober, {2024, 7, 1}, {12, 0}, false);
}

void TestDaylight::ownDates()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, home);
    QFETCH(QList<int>, dates);
    QFETCH(QDateTime, local);
    QFETCH(bool, expected);
    SetProcessTimeZone(zone.constData());

    const OwnDaylightDates own{dates[0], dates[1], dates[2], dates[3], dates[4], dates[5]};
    const QDate date = local.date();
    const QTime time = local.time();
    const TimeValue t = MakeLocalTime(date.year(), date.month(), date.day(), time.hour(),
                                      time.minute(), time.second());
    QCOMPARE(IsOwnDaylightPeriodAt(home, own, t), expected);
}

void TestDaylight::ownDatesAcrossYearEndWithNorthernHomeNeverApply()
{
    // The direction comes from the home's table rule: a northern home reads October to March
    // as start <= now <= end, which no instant satisfies.
    SetProcessTimeZone(Berlin);
    const OwnDaylightDates octoberToMarch{4, 9, 0, 4, 2, 0};
    int tableRuleDays = 0;
    for (TimeValue t = MakeLocalTime(2023, 1, 1); t < MakeLocalTime(2026, 1, 1); t += 6 * 3600) {
        QVERIFY2(!IsOwnDaylightPeriodAt(Albania, octoberToMarch, t),
                 qPrintable(QString::number(t)));
        tableRuleDays += IsDaylightSavingAt(Albania, t) ? 1 : 0;
    }
    QVERIFY(tableRuleDays > 0);
}

void TestDaylight::changeDatesMatchCLibraryForTableRules_data()
{
    QTest::addColumn<int>("index"); // the first entry with this rule
    QSet<QByteArray> seen;
    for (int i = 0; i < CountryCount; ++i) {
        const CountryEntry &e = *CountryAt(i);
        if (e.daylightMonthStart == 0)
            continue;
        const QByteArray rule =
            PosixDate(e.daylightMonthStart, e.daylightWeekStart, e.daylightDayOfWeekStart) + ',' +
            PosixDate(e.daylightMonthEnd, e.daylightWeekEnd, e.daylightDayOfWeekEnd);
        if (seen.contains(rule))
            continue;
        seen.insert(rule);
        QTest::addRow("%s (%d)", DisplayName(i).c_str(), i) << i;
    }
    QCOMPARE(seen.size(), 21); // Georgia's rule differs from Albania's only in its shift
}

void TestDaylight::changeDatesMatchCLibraryForTableRules()
{
    QFETCH(int, index);
    const CountryEntry &e = *CountryAt(index);
    const QByteArray zone =
        "STD0DST," +
        PosixDate(e.daylightMonthStart, e.daylightWeekStart, e.daylightDayOfWeekStart) + ',' +
        PosixDate(e.daylightMonthEnd, e.daylightWeekEnd, e.daylightDayOfWeekEnd);
    SetProcessTimeZone(zone.constData());

    for (int year = 1971; year <= 2037; ++year) {
        const TimeValue start = NthWeekdayOfMonth(year, e.daylightMonthStart, e.daylightWeekStart,
                                                  e.daylightDayOfWeekStart);
        const TimeValue end =
            NthWeekdayOfMonth(year, e.daylightMonthEnd, e.daylightWeekEnd, e.daylightDayOfWeekEnd);
        QVERIFY2(SwitchesAtNoonOf(start, 0, 1), qPrintable(zone + ' ' + QByteArray::number(year)));
        QVERIFY2(SwitchesAtNoonOf(end, 1, 0), qPrintable(zone + ' ' + QByteArray::number(year)));
    }
}

void TestDaylight::changeDatesMatchCLibraryForEveryDate_data()
{
    // The user's own dates may name any week and weekday of any month.
    QTest::addColumn<int>("month");
    for (int month = 1; month <= 12; ++month)
        QTest::addRow("%s", qPrintable(QDate(2000, month, 1).toString(u"MMMM"))) << month;
}

void TestDaylight::changeDatesMatchCLibraryForEveryDate()
{
    QFETCH(int, month);
    const int endMonth = month % 12 + 1;
    for (int week = 1; week <= 5; ++week) {
        for (int dayOfWeek = 1; dayOfWeek <= 7; ++dayOfWeek) {
            const QByteArray zone =
                "STD0DST," + PosixDate(month, week, dayOfWeek) + ',' + PosixDate(endMonth, 1, 1);
            SetProcessTimeZone(zone.constData());
            auto check = [&](int year) {
                const TimeValue start = NthWeekdayOfMonth(year, month, week, dayOfWeek);
                return SwitchesAtNoonOf(start, 0, 1);
            };
            for (int year = 1971; year <= 2037; ++year)
                QVERIFY2(check(year), qPrintable(zone + ' ' + QByteArray::number(year)));
            // Around 2100, which is not a leap year.
            for (int year = 2096; year <= 2104; ++year)
                QVERIFY2(check(year), qPrintable(zone + ' ' + QByteArray::number(year)));
        }
    }
}

QTEST_APPLESS_MAIN(TestDaylight)
#include "tst_daylight.moc"
