#include "app/clockoffsets.h"
#include "zones/countrytable.h"

#include <QDateTime>
#include <QTest>

namespace {

// Table indexes used below.
constexpr int AdmiraltyIs = 0;     // +10, no rule
constexpr int NewSouthWales = 17;  // +10, Oct last Sun .. Mar 1st Sun
constexpr int Newfoundland = 70;   // -3:30, Apr 1st Sun .. Oct last Sun
constexpr int ChathamIs = 79;      // +12:45, Oct 1st Sun .. Mar 1st Sun
constexpr int GeorgiaRep = 120;    // +3, shift 2
constexpr int Germany = 121;       // +1, Mar last Sun .. Sep last Sun
constexpr int India = 143;         // +5:30, no rule
constexpr int Nepal = 214;         // +5:45, no rule
constexpr int UnitedKingdom = 319; // +0, Mar last Sun .. Oct 4th Sun
constexpr int UsEastern = 328;     // -5, Apr 1st Sun .. Oct last Sun

// The stored option values, as the data rows carry them.
constexpr int Auto = DaylightAuto;
constexpr int ByHand = DaylightByHand;
constexpr int NotAdjusted = DaylightNotAdjusted;
constexpr int None = DaylightNone;

constexpr TimeValue H = 3600;
constexpr TimeValue M = 60;

TimeValue At(const char *utc)
{
    return QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate).toSecsSinceEpoch();
}

// Start on the first Sunday of May, end on the last Sunday of August.
OwnDaylightDates MayToAugust()
{
    return {0, 4, 0, 4, 7, 0};
}

// Start on the first Sunday of September, end on the first Sunday of April.
OwnDaylightDates SeptemberToApril()
{
    return {0, 8, 0, 0, 3, 0};
}

} // namespace

Q_DECLARE_METATYPE(OwnDaylightDates)

class TestClockOffsets final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offsets_data();
    void offsets();
    void noHome();
    void hoursToSpan_data();
    void hoursToSpan();
    void captions_data();
    void captions();
    void trayTip_data();
    void trayTip();
};

void TestClockOffsets::initTestCase()
{
    // Instants below are written in UTC, and the rules are evaluated in local time.
    SetProcessTimeZone("UTC0");
}

void TestClockOffsets::offsets_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("useOwn");
    QTest::addColumn<OwnDaylightDates>("own");
    QTest::addColumn<bool>("showDaylight");
    QTest::addColumn<float>("mapZone");
    QTest::addColumn<TimeValue>("when");
    QTest::addColumn<TimeValue>("homeOffset");
    QTest::addColumn<TimeValue>("selectedOffset");

    const OwnDaylightDates none;
    const TimeValue july = At("2026-07-01T12:00:00Z");
    const TimeValue january = At("2026-01-15T12:00:00Z");

    // Both in summer time: the computer's clock already holds the home's hour.
    QTest::newRow("auto, shown, both in summer")
        << Germany << UsEastern << Auto << false << none << true << 0.0f << july << 0 * H << -6 * H;
    QTest::newRow("auto, not shown, both in summer")
        << Germany << UsEastern << Auto << false << none << false << 0.0f << july << -1 * H
        << -7 * H;
    QTest::newRow("by hand, shown, both in summer")
        << Germany << UsEastern << ByHand << false << none << true << 0.0f << july << 0 * H
        << -6 * H;
    QTest::newRow("by hand, not shown, both in summer")
        << Germany << UsEastern << ByHand << false << none << false << 0.0f << july << -1 * H
        << -7 * H;
    QTest::newRow("not adjusted, shown, both in summer")
        << Germany << UsEastern << NotAdjusted << false << none << true << 0.0f << july << 0 * H
        << -5 * H;
    QTest::newRow("not adjusted, not shown, both in summer")
        << Germany << UsEastern << NotAdjusted << false << none << false << 0.0f << july << 0 * H
        << -6 * H;
    QTest::newRow("auto, shown, both in winter") << Germany << UsEastern << Auto << false << none
                                                 << true << 0.0f << january << 0 * H << -6 * H;

    // Half and quarter hours, truncated toward zero on both parts.
    QTest::newRow("+1 to +5:30") << Germany << India << Auto << false << none << true << 0.0f
                                 << january << 0 * H << 4 * H + 30 * M;
    QTest::newRow("-3:30 to +0") << Newfoundland << UnitedKingdom << Auto << false << none << true
                                 << 0.0f << january << 0 * H << 3 * H + 30 * M;
    QTest::newRow("+0 to -3:30") << UnitedKingdom << Newfoundland << Auto << false << none << true
                                 << 0.0f << january << 0 * H << -3 * H - 30 * M;
    QTest::newRow("+0 to +5:45") << UnitedKingdom << Nepal << Auto << false << none << true << 0.0f
                                 << january << 0 * H << 5 * H + 45 * M;
    QTest::newRow("+5:30 to +12:45 in its summer")
        << India << ChathamIs << Auto << false << none << true << 0.0f << january << 0 * H
        << 8 * H + 15 * M;
    QTest::newRow("+5:30 to +12:45 not shown")
        << India << ChathamIs << Auto << false << none << false << 0.0f << january << 0 * H
        << 7 * H + 15 * M;

    // The selected entry is the home entry: the same as the home clocks.
    QTest::newRow("home selected, auto, shown")
        << Germany << Germany << Auto << false << none << true << 0.0f << july << 0 * H << 0 * H;
    QTest::newRow("home selected, auto, not shown")
        << Germany << Germany << Auto << false << none << false << 0.0f << july << -1 * H << -1 * H;
    QTest::newRow("home selected, not adjusted, shown")
        << Germany << Germany << NotAdjusted << false << none << true << 0.0f << july << 0 * H
        << 0 * H;
    QTest::newRow("home selected, own dates outside the table period")
        << Germany << Germany << Auto << true << MayToAugust() << true << 0.0f
        << At("2026-04-15T12:00:00Z") << 0 * H << 0 * H;

    // No selection: the map's zone, and never a daylight shift of its own.
    QTest::newRow("map zone, home in summer")
        << Germany << -1 << Auto << false << none << true << -5.0f << july << 0 * H << -7 * H;
    QTest::newRow("map zone +5:30, home in summer")
        << Germany << -1 << Auto << false << none << true << 5.5f << july << 0 * H
        << 3 * H + 30 * M;
    QTest::newRow("map zone, home in winter")
        << Germany << -1 << Auto << false << none << true << -5.0f << january << 0 * H << -6 * H;
    QTest::newRow("index outside the table counts as none")
        << Germany << CountryCount << Auto << false << none << true << 2.0f << january << 0 * H
        << 1 * H;

    // Southern hemisphere, across the turn of the year.
    QTest::newRow("southern home in summer") << NewSouthWales << Germany << Auto << false << none
                                             << true << 0.0f << january << 0 * H << -10 * H;
    QTest::newRow("southern home in winter") << NewSouthWales << Germany << Auto << false << none
                                             << true << 0.0f << july << 0 * H << -8 * H;
    QTest::newRow("southern home in summer, not shown")
        << NewSouthWales << Germany << Auto << false << none << false << 0.0f << january << -1 * H
        << -10 * H;

    // Period edges: the change day starts at local midnight (Germany: 29 Mar 2026).
    QTest::newRow("last second before the period")
        << Germany << India << Auto << false << none << false << 0.0f << At("2026-03-28T23:59:59Z")
        << 0 * H << 4 * H + 30 * M;
    QTest::newRow("first second of the period")
        << Germany << India << Auto << false << none << false << 0.0f << At("2026-03-29T00:00:00Z")
        << -1 * H << 3 * H + 30 * M;

    // The user's own dates replace the table rule for "auto" only.
    QTest::newRow("own dates, inside the table period only")
        << Germany << UsEastern << Auto << true << MayToAugust() << false << 0.0f
        << At("2026-04-15T12:00:00Z") << 0 * H << -6 * H;
    QTest::newRow("own dates, inside both")
        << Germany << UsEastern << Auto << true << MayToAugust() << false << 0.0f
        << At("2026-06-15T12:00:00Z") << -1 * H << -7 * H;
    QTest::newRow("own dates ignored by hand")
        << Germany << UsEastern << ByHand << true << MayToAugust() << false << 0.0f
        << At("2026-04-15T12:00:00Z") << -1 * H << -7 * H;
    QTest::newRow("own dates across the year end, past the table's end")
        << NewSouthWales << AdmiraltyIs << Auto << true << SeptemberToApril() << false << 0.0f
        << At("2026-04-03T12:00:00Z") << -1 * H << -1 * H;
    QTest::newRow("incomplete own dates name no period")
        << Germany << AdmiraltyIs << Auto << true << OwnDaylightDates{0, 4, -1, 4, 7, 0} << false
        << 0.0f << july << 0 * H << 9 * H;

    // Shifts other than one hour, and homes without a rule.
    QTest::newRow("two-hour shift, not shown") << GeorgiaRep << GeorgiaRep << Auto << false << none
                                               << false << 0.0f << july << -2 * H << -2 * H;
    QTest::newRow("home without daylight saving")
        << AdmiraltyIs << NewSouthWales << None << false << none << true << 0.0f << january << 0 * H
        << 1 * H;
}

void TestClockOffsets::offsets()
{
    QFETCH(int, home);
    QFETCH(int, selected);
    QFETCH(int, option);
    QFETCH(bool, useOwn);
    QFETCH(OwnDaylightDates, own);
    QFETCH(bool, showDaylight);
    QFETCH(float, mapZone);
    QFETCH(TimeValue, when);
    QFETCH(TimeValue, homeOffset);
    QFETCH(TimeValue, selectedOffset);

    ClockOffsetInputs in;
    in.homeIndex = home;
    in.selectedIndex = selected;
    in.daylightOption = option;
    in.useOwnDaylightDates = useOwn;
    in.ownDates = own;
    in.showDaylightSaving = showDaylight;
    in.mapZone = mapZone;

    ClockOffsets out;
    QVERIFY(ComputeClockOffsets(in, when, out));
    QCOMPARE(out.home, homeOffset);
    QCOMPARE(out.selected, selectedOffset);
    const CountryEntry *entry = CountryAt(selected);
    QCOMPARE(out.target, entry ? entry->gmtOffset : mapZone);
}

void TestClockOffsets::noHome()
{
    ClockOffsetInputs in;
    in.selectedIndex = Germany;
    ClockOffsets out{123, 456, 7.0f};
    QVERIFY(!ComputeClockOffsets(in, At("2026-07-01T12:00:00Z"), out));
    QCOMPARE(out.home, TimeValue(123));
    QCOMPARE(out.selected, TimeValue(456));
    in.homeIndex = -7;
    QVERIFY(!ComputeClockOffsets(in, At("2026-07-01T12:00:00Z"), out));
}

void TestClockOffsets::hoursToSpan_data()
{
    QTest::addColumn<float>("hours");
    QTest::addColumn<TimeValue>("seconds");
    QTest::newRow("zero") << 0.0f << TimeValue(0);
    QTest::newRow("+4:30") << 4.5f << 4 * H + 30 * M;
    QTest::newRow("-3:30") << -3.5f << -3 * H - 30 * M;
    QTest::newRow("+5:45") << 5.75f << 5 * H + 45 * M;
    QTest::newRow("-0:45") << -0.75f << -45 * M;
    QTest::newRow("+25:45 across the date line") << 25.75f << 25 * H + 45 * M;
    QTest::newRow("-24") << -24.0f << -24 * H;
}

void TestClockOffsets::hoursToSpan()
{
    QFETCH(float, hours);
    QFETCH(TimeValue, seconds);
    QCOMPARE(HoursToSpan(hours), seconds);
}

void TestClockOffsets::captions_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<float>("home");
    QTest::addColumn<bool>("listOnly");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("homeGroup");
    QTest::newRow("map selects") << 5.5f << 1.0f << false << "GMT+5:30"
                                 << "Selected (GMT+5:30)"
                                 << "Countries/Regions in GMT+5:30"
                                 << "Home (GMT+1:00)";
    QTest::newRow("list only") << 5.5f << 1.0f << true << "GMT+5:30"
                               << "Selected (GMT+5:30)"
                               << "Countries/Regions"
                               << "Home (GMT+1:00)";
    QTest::newRow("negative half hour") << -3.5f << 0.0f << false << "GMT-3:30"
                                        << "Selected (GMT-3:30)"
                                        << "Countries/Regions in GMT-3:30"
                                        << "Home (GMT+0:00)";
    QTest::newRow("negative home") << 12.75f << -5.0f << false << "GMT+12:45"
                                   << "Selected (GMT+12:45)"
                                   << "Countries/Regions in GMT+12:45"
                                   << "Home (GMT-5:00)";
}

void TestClockOffsets::captions()
{
    QFETCH(float, offset);
    QFETCH(float, home);
    QFETCH(bool, listOnly);
    const Captions c = MakeCaptions(offset, home, listOnly);
    QTEST(c.offsetLabel, "label");
    QTEST(c.selectedGroup, "selected");
    QTEST(c.treeGroup, "tree");
    QTEST(c.homeGroup, "homeGroup");
}

void TestClockOffsets::trayTip_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<float>("mapZone");
    QTest::addColumn<QString>("tip");
    QTest::newRow("with sub-name")
        << NewSouthWales << 0.0f << "New South Wales, Australia 10:09:08";
    QTest::newRow("without sub-name") << Germany << 3.0f << "Germany 10:09:08";
    QTest::newRow("trailing blank kept") << 224 << 0.0f << "Niue I.  10:09:08";
    QTest::newRow("accented name") << 243 << 0.0f << "Réunion (France) 10:09:08";
    QTest::newRow("nothing selected") << -1 << -3.5f << "GMT-3:30 10:09:08";
    QTest::newRow("index outside the table") << CountryCount << 5.75f << "GMT+5:45 10:09:08";
}

void TestClockOffsets::trayTip()
{
    QFETCH(int, selected);
    QFETCH(float, mapZone);
    QTEST(MakeTrayTip(selected, mapZone, QStringLiteral("10:09:08")), "tip");
}

QTEST_APPLESS_MAIN(TestClockOffsets)
#include "tst_clockoffsets.moc"
