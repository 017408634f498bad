#include "home/daylightoption.h"
#include "home/hometimezone.h"
#include "home/zonerecord.h"
#include "zones/timesource.h"

#include <QDateTime>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <optional>

Q_DECLARE_METATYPE(OwnDaylightDates)

namespace {

constexpr int NewSouthWales = 17;
constexpr int AdmiraltyIslands = 0;
constexpr int Georgia = 120;
constexpr int UsEastern = 328;
constexpr int Reunion = 243;
constexpr int Newfoundland = 70;

// Day of month of the week-th (1-4, 5 = last) dayOfWeek (0 = Sunday).
int NthDay(int year, int month, int week, int dayOfWeek)
{
    if (week == 5) {
        const int last = DaysInMonth(year, month);
        return last - (WeekdayOf(year, month, last) - dayOfWeek + 7) % 7;
    }
    return 1 + (dayOfWeek - WeekdayOf(year, month, 1) + 7) % 7 + (week - 1) * 7;
}

// The instant (UTC) a change date happens in a year, its hour read in local time at offset
// minutesWest.
TimeValue ChangeAt(int year, const ZoneDate &date, int minutesWest)
{
    const int day = NthDay(year, date.month, date.day, date.dayOfWeek);
    return DaysFromCivil(year, date.month, day) * 86400 + date.hour * 3600 + minutesWest * 60;
}

struct Transition
{
    TimeValue at;
    int gmtoff;
    bool isDst;
};

// zdump -v lines: "<file>  Sun Oct  5 15:59:59 2025 UT = Mon Oct  6 02:59:59 2025 GMT+10
// isdst=0 gmtoff=36000". Returns each line's instant and type, in order.
std::optional<QList<Transition>> Dump(const QString &file, int fromYear, int toYear)
{
    QProcess zdump;
    zdump.start(QStringLiteral("zdump"), {QStringLiteral("-v"), QStringLiteral("-c"),
                                          QStringLiteral("%1,%2").arg(fromYear).arg(toYear), file});
    if (!zdump.waitForFinished(10000) || zdump.exitCode() != 0)
        return std::nullopt;
    QList<Transition> lines;
    const QStringList output = QString::fromUtf8(zdump.readAllStandardOutput()).split(u'\n');
    for (const QString &line : output) {
        const qsizetype ut = line.indexOf(QStringLiteral(" UT = "));
        if (ut < 0 || !line.contains(QStringLiteral("isdst=")))
            continue;
        const QString utText = line.left(ut).mid(file.size()).simplified();
        QDateTime when = QLocale::c().toDateTime(utText, QStringLiteral("ddd MMM d hh:mm:ss yyyy"));
        when.setTimeSpec(Qt::UTC);
        if (!when.isValid())
            return std::nullopt;
        const QString tail = line.mid(line.indexOf(QStringLiteral("isdst=")));
        const QStringList fields = tail.split(u' ');
        lines.append({when.toSecsSinceEpoch(), fields.value(1).mid(7).toInt(),
                      fields.value(0).mid(6) == u"1"});
    }
    return lines;
}

} // namespace

class TestZoneRecord final : public QObject
{
    Q_OBJECT

private slots:
    void record_data();
    void record();
    void noHomeNoRecord();
    void posixRule_data();
    void posixRule();
    void unreadableRuleLeavesTz();
    void compiledZone_data();
    void compiledZone();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
};

void TestZoneRecord::record_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("useOwn");
    QTest::addColumn<OwnDaylightDates>("own");
    QTest::addColumn<int>("bias");
    QTest::addColumn<QString>("standardName");
    QTest::addColumn<QList<int>>("standardDate"); // month, day, day of week, hour
    QTest::addColumn<QString>("daylightName");
    QTest::addColumn<QList<int>>("daylightDate");
    QTest::addColumn<int>("daylightBias");
    QTest::addColumn<int>("switchValue");

    const OwnDaylightDates none;
    const QString nsw = QStringLiteral("GMT+10:00 - Australia");
    QTest::newRow("NSW auto") << NewSouthWales << int(DaylightAuto) << false << none << -600
                              << nsw + " Std Time" << QList<int>{3, 1, 0, 2} << nsw + " DS Time"
                              << QList<int>{10, 5, 0, 2} << -60 << 0;
    QTest::newRow("NSW by hand") << NewSouthWales << int(DaylightByHand) << false << none << -600
                                 << nsw + " Std Time" << QList<int>{3, 1, 0, 2} << nsw + " DS Time"
                                 << QList<int>{10, 5, 0, 2} << 0 << 0;
    QTest::newRow("NSW not adjusted")
        << NewSouthWales << int(DaylightNotAdjusted) << false << none << -600 << nsw
        << QList<int>{0, 1, 0, 2} << nsw << QList<int>{0, 5, 0, 2} << -60 << 1;
    QTest::newRow("NSW own dates")
        << NewSouthWales << int(DaylightAuto) << true << OwnDaylightDates{0, 8, 0, 4, 3, 6} << -600
        << nsw + " Std Time" << QList<int>{4, 5, 6, 2} << nsw + " DS Time" << QList<int>{9, 1, 0, 2}
        << -60 << 0;
    QTest::newRow("NSW own dates by hand use the table")
        << NewSouthWales << int(DaylightByHand) << true << OwnDaylightDates{0, 8, 0, 4, 3, 6}
        << -600 << nsw + " Std Time" << QList<int>{3, 1, 0, 2} << nsw + " DS Time"
        << QList<int>{10, 5, 0, 2} << 0 << 0;
    QTest::newRow("NSW own dates naming no day")
        << NewSouthWales << int(DaylightAuto) << true << OwnDaylightDates{0, 8, 0, 4, -1, 6} << -600
        << nsw << QList<int>{0, 0, 0, 0} << nsw << QList<int>{0, 0, 0, 0} << -60 << 0;
    QTest::newRow("NSW option 9 as auto")
        << NewSouthWales << 9 << false << none << -600 << nsw + " Std Time"
        << QList<int>{3, 1, 0, 2} << nsw + " DS Time" << QList<int>{10, 5, 0, 2} << -60 << 0;
    QTest::newRow("Admiralty none")
        << AdmiraltyIslands << int(DaylightNone) << false << none << -600
        << QStringLiteral("GMT+10:00 - Admiralty I.") << QList<int>{0, 0, -1, 2}
        << QStringLiteral("GMT+10:00 - Admiralty I.") << QList<int>{0, 0, -1, 2} << -60 << 1;
    QTest::newRow("Georgia auto") << Georgia << int(DaylightAuto) << false << none << -180
                                  << QStringLiteral("GMT+3:00 - Georgia, Rep of Std ")
                                  << QList<int>{9, 5, 0, 2}
                                  << QStringLiteral("GMT+3:00 - Georgia, Rep of DS T")
                                  << QList<int>{3, 5, 0, 2} << -120 << 0;
    QTest::newRow("US Eastern cut")
        << UsEastern << int(DaylightAuto) << false << none << 300
        << QStringLiteral("GMT-5:00 - United States of Ame") << QList<int>{10, 5, 0, 2}
        << QStringLiteral("GMT-5:00 - United States of Ame") << QList<int>{4, 1, 0, 2} << -60 << 0;
    QTest::newRow("Reunion none") << Reunion << int(DaylightNone) << false << none << -240
                                  << QStringLiteral("GMT+4:00 - R\u00e9union (France)")
                                  << QList<int>{0, 0, -1, 2}
                                  << QStringLiteral("GMT+4:00 - R\u00e9union (France)")
                                  << QList<int>{0, 0, -1, 2} << -60 << 1;
}

void TestZoneRecord::record()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(bool, useOwn);
    QFETCH(OwnDaylightDates, own);
    QFETCH(int, bias);
    QFETCH(QString, standardName);
    QFETCH(QList<int>, standardDate);
    QFETCH(QString, daylightName);
    QFETCH(QList<int>, daylightDate);
    QFETCH(int, daylightBias);
    QFETCH(int, switchValue);

    const std::optional<TimeZoneInformation> zone = BuildHomeTimeZone({home, option, useOwn, own});
    QVERIFY(zone);
    QCOMPARE(zone->bias, bias);
    QCOMPARE(zone->standardName, standardName);
    QVERIFY(zone->standardName.size() <= 31);
    QCOMPARE(zone->standardBias, 0);
    QCOMPARE(zone->daylightName, daylightName);
    QCOMPARE(zone->daylightBias, daylightBias);
    const auto date = [](const ZoneDate &d) {
        return QList<int>{d.month, d.day, d.dayOfWeek, d.hour};
    };
    QCOMPARE(date(zone->standardDate), standardDate);
    QCOMPARE(date(zone->daylightDate), daylightDate);
    QCOMPARE(zone->standardDate.year, 0);
    QCOMPARE(zone->daylightDate.minute, 0);
    QCOMPARE(DaylightSwitchFor(option), switchValue);
    if (home == Reunion)
        QCOMPARE(zone->standardName.at(12).unicode(), char16_t(0x00E9));
}

void TestZoneRecord::noHomeNoRecord()
{
    QVERIFY(!BuildHomeTimeZone({-1, DaylightAuto, false, {}}));
    QVERIFY(!BuildHomeTimeZone({345, DaylightAuto, false, {}}));
}

void TestZoneRecord::posixRule_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("rule");
    QTest::newRow("NSW auto") << NewSouthWales << int(DaylightAuto)
                              << "<GMT+10>-10<GMT+11>-11,M10.5.0/2:00,M3.1.0/2:00";
    QTest::newRow("NSW by hand keeps the offset")
        << NewSouthWales << int(DaylightByHand)
        << "<GMT+10>-10<GMT+10>-10,M10.5.0/2:00,M3.1.0/2:00";
    QTest::newRow("NSW not adjusted") << NewSouthWales << int(DaylightNotAdjusted) << "<GMT+10>-10";
    QTest::newRow("NSW none: switch off") << NewSouthWales << int(DaylightNone) << "<GMT+10>-10";
    QTest::newRow("US Eastern") << UsEastern << int(DaylightAuto)
                                << "<GMT-05>5<GMT-04>4,M4.1.0/2:00,M10.5.0/2:00";
    QTest::newRow("Georgia two hours")
        << Georgia << int(DaylightAuto) << "<GMT+03>-3<GMT+05>-5,M3.5.0/2:00,M9.5.0/2:00";
}

void TestZoneRecord::posixRule()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(QString, rule);
    const auto zone = BuildHomeTimeZone({home, option, false, {}});
    QVERIFY(zone);
    QCOMPARE(QString::fromStdString(PosixRule(*zone, DaylightSwitchFor(option))), rule);
}

void TestZoneRecord::unreadableRuleLeavesTz()
{
    QVERIFY(SetCheckedProcessTimeZone("<GMT+10>-10"));
    QVERIFY(!SetCheckedProcessTimeZone("<G>-10"));
    QCOMPARE(qgetenv("TZ"), QByteArray("<GMT+10>-10"));
    QCOMPARE(ZoneAbbreviation(-210), std::string("<GMT-0330>"));
    QCOMPARE(ZoneAbbreviation(345), std::string("<GMT+0545>"));
    QCOMPARE(ZoneAbbreviation(0), std::string("<GMT+00>"));
}

void TestZoneRecord::compiledZone_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("useOwn");
    QTest::addColumn<OwnDaylightDates>("own");
    QTest::addColumn<bool>("switches");
    const OwnDaylightDates none;
    for (int option : {0, 1, 2, 3}) {
        const QByteArray name = QByteArray::number(option);
        QTest::newRow("NSW " + name) << NewSouthWales << option << false << none << (option < 2);
        QTest::newRow("US Eastern " + name) << UsEastern << option << false << none << (option < 2);
    }
    QTest::newRow("Georgia auto") << Georgia << 0 << false << none << true;
    QTest::newRow("NSW own dates")
        << NewSouthWales << 0 << true << OwnDaylightDates{0, 8, 0, 4, 3, 6} << true;
    QTest::newRow("Admiralty none") << AdmiraltyIslands << 3 << false << none << false;
    QTest::newRow("Newfoundland auto") << Newfoundland << 0 << false << none << true;
    QTest::newRow("Newfoundland none") << Newfoundland << 3 << false << none << false;
}

void TestZoneRecord::compiledZone()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(bool, useOwn);
    QFETCH(OwnDaylightDates, own);
    QFETCH(bool, switches);

    const auto zone = BuildHomeTimeZone({home, option, useOwn, own});
    QVERIFY(zone);
    const int disable = DaylightSwitchFor(option);
    // Files stay until the end: the C library takes a file with the inode and time of the one it
    // read last for that one, whatever its name.
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(CompileZoneFile(*zone, disable));
    file.close();

    const auto lines = Dump(path, 2025, 2027);
    QVERIFY2(lines, "zdump could not read the file");
    const int standardOffset = -zone->bias * 60;
    const int daylightOffset = -(zone->bias + zone->daylightBias) * 60;

    // The changes zdump sees: where the type differs from the line before.
    QList<Transition> changes;
    for (qsizetype i = 1; i < lines->size(); ++i)
        if (lines->at(i).isDst != lines->at(i - 1).isDst ||
            lines->at(i).gmtoff != lines->at(i - 1).gmtoff)
            changes.append(lines->at(i));
    for (const Transition &line : *lines)
        QVERIFY(line.gmtoff == standardOffset || (switches && line.gmtoff == daylightOffset));

    if (!switches) {
        QVERIFY(changes.isEmpty());
        return;
    }
    QList<Transition> expected;
    for (int year : {2025, 2026}) {
        expected.append({ChangeAt(year, zone->daylightDate, zone->bias), daylightOffset, true});
        expected.append({ChangeAt(year, zone->standardDate, zone->bias + zone->daylightBias),
                         standardOffset, false});
    }
    std::sort(expected.begin(), expected.end(),
              [](const Transition &a, const Transition &b) { return a.at < b.at; });
    QCOMPARE(changes.size(), expected.size());
    for (qsizetype i = 0; i < changes.size(); ++i) {
        QCOMPARE(changes[i].at, expected[i].at);
        QCOMPARE(changes[i].isDst, expected[i].isDst);
        QCOMPARE(changes[i].gmtoff, expected[i].gmtoff);
    }

    // The C library itself reads the file, footer included.
    QVERIFY(SetCheckedProcessTimeZone(":" + path.toStdString()));
    const auto start = std::find_if(expected.cbegin(), expected.cend(),
                                    [](const Transition &t) { return t.isDst; });
    std::tm fields{};
    QVERIFY(LocalTime(start->at, fields));
    QCOMPARE(fields.tm_isdst, 1);
    QCOMPARE(fields.tm_hour, zone->daylightDate.hour + (daylightOffset - standardOffset) / 3600);
}

void TestZoneRecord::cleanupTestCase()
{
    SetProcessTimeZone("UTC0");
}

QTEST_APPLESS_MAIN(TestZoneRecord)
#include "tst_zonerecord.moc"
