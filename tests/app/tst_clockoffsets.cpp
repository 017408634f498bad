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

constexpr TimeValue H = 3600;
constexpr TimeValue M = 60;

TimeValue At(const char *utc)
{
    return QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate).toSecsSinceEpoch();
}

// The first Sunday of May to the last Sunday of August; the first Sunday of September to the
// first Sunday of April.
const OwnDaylightDates MayToAugust{0, 4, 0, 4, 7, 0};
const OwnDaylightDates SeptemberToApril{0, 8, 0, 0, 3, 0};

} // namespace

Q_DECLARE_METATYPE(ClockOffsetInputs)

class TestClockOffsets final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offsets_data();
    void offsets();
    void noHome();
};

void TestClockOffsets::initTestCase()
{
    // Instants below are written in UTC, and the rules are evaluated in local time.
    SetProcessTimeZone("UTC0");
}

void TestClockOffsets::offsets_data()
{
    QTest::addColumn<ClockOffsetInputs>("in");
    QTest::addColumn<TimeValue>("when");
    QTest::addColumn<TimeValue>("homeOffset");
    QTest::addColumn<TimeValue>("selectedOffset");
    auto row = [](const char *name, int home, int selected, int option, bool shown,
                  const char *when, TimeValue homeOffset, TimeValue selectedOffset,
                  float mapZone = 0.0f, OwnDaylightDates own = {}) {
        const bool useOwn = own != OwnDaylightDates();
        const ClockOffsetInputs in{home, selected, option, useOwn, own, shown, mapZone};
        QTest::newRow(name) << in << At(when) << homeOffset << selectedOffset;
    };
    const char *july = "2026-07-01T12:00:00Z";
    const char *january = "2026-01-15T12:00:00Z";

    // Half and quarter hours, truncated toward zero on both parts.
    row("-3:30 to +0", Newfoundland, UnitedKingdom, Auto, true, january, 0, 3 * H + 30 * M);
    row("+5:45 to +5:30", Nepal, India, Auto, true, january, 0, -15 * M);
    row("+5:30 to +12:45 in its summer", India, ChathamIs, Auto, true, january, 0, 8 * H + 15 * M);

    // The selected entry is the home entry: the same as the home clocks.
    row("home selected, not shown", Germany, Germany, Auto, false, july, -H, -H);
    row("home selected, own dates outside the table period", Germany, Germany, Auto, true,
        "2026-04-15T12:00:00Z", 0, 0, 0.0f, MayToAugust);

    // No selection: the map's zone, and never a daylight shift of its own.
    row("map zone +5:30, home in summer", Germany, -1, Auto, true, july, 0, 3 * H + 30 * M, 5.5f);
    row("index outside the table counts as none", Germany, CountryCount, Auto, true, january, 0, H,
        2.0f);

    // Period edges: the change day starts at local midnight (Germany: 29 Mar 2026).
    row("last second before the period", Germany, India, Auto, false, "2026-03-28T23:59:59Z", 0,
        4 * H + 30 * M);
    row("first second of the period", Germany, India, Auto, false, "2026-03-29T00:00:00Z", -H,
        3 * H + 30 * M);

    // The user's own dates replace the table rule for "auto" only.
    const char *april = "2026-04-15T12:00:00Z";
    row("own dates, inside the table period only", Germany, UsEastern, Auto, false, april, 0,
        -6 * H, 0.0f, MayToAugust);
    row("own dates, inside both", Germany, UsEastern, Auto, false, "2026-06-15T12:00:00Z", -H,
        -7 * H, 0.0f, MayToAugust);
    row("own dates ignored by hand", Germany, UsEastern, ByHand, false, april, -H, -7 * H, 0.0f,
        MayToAugust);
    row("own dates across the year end, past the table's end", NewSouthWales, AdmiraltyIs, Auto,
        false, "2026-04-03T12:00:00Z", -H, -H, 0.0f, SeptemberToApril);
    row("incomplete own dates name no period", Germany, AdmiraltyIs, Auto, false, july, 0, 9 * H,
        0.0f, {0, 4, -1, 4, 7, 0});

    // Shifts other than one hour, and homes without a rule.
    row("two-hour shift, not shown", GeorgiaRep, GeorgiaRep, Auto, false, july, -2 * H, -2 * H);
}

void TestClockOffsets::offsets()
{
    QFETCH(ClockOffsetInputs, in);
    QFETCH(TimeValue, when);
    ClockOffsets out;
    QVERIFY(ComputeClockOffsets(in, when, out));
    QTEST(out.home, "homeOffset");
    QTEST(out.selected, "selectedOffset");
    const CountryEntry *entry = CountryAt(in.selectedIndex);
    QCOMPARE(out.target, entry ? entry->gmtOffset : in.mapZone);
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

QTEST_APPLESS_MAIN(TestClockOffsets)
#include "tst_clockoffsets.moc"
