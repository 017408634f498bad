#include "app/clockoffsets.h"
#include "app/maindialog.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "home/sethomesheet.h"
#include "tests/app/mainwindowrun.h"
#include "zones/countrytable.h"
#include "zones/zonedatabase.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <vector>

// Database mode. The selected time clock against the C library: for every entry, at instants
// through 2024-2030 and one second either side of each change the C library finds in its zone,
// the clock reads what localtime_r gives under TZ=:<zone>, or that zone's standard time when
// daylight saving is not shown. Then the main window: a store from before the mode opens in it,
// and the switch to the table and back goes through the settings.

namespace {

constexpr int NewSouthWales = 17;
constexpr int SaoPaulo = 42;
constexpr int Germany = 121;
constexpr int Portugal = 239;
constexpr int Apia = 263;
constexpr int NewYork = 328;
constexpr TimeValue FifteenOctober2026 = 1791979200; // 12:00 UTC

// A store as written before the mode existed: a home and a selection, nothing about the mode.
void WriteOldStore(int home, int selected)
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Brambleway/Orbiclock.conf");
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("[Version]\nVersion%20Number=3\n[%General]\nShow%20At%20Startup=1\n"
                              "[Current%20Selection]\nCurrent%20Selection=%1\n"
                              "[Home%20Country]\nHome%20Country=%2\n")
                   .arg(selected)
                   .arg(home)
                   .toLatin1());
}

struct Expected
{
    TimeValue t;
    QString local;             // localtime_r
    QStringList standardTimes; // the zone's standard time, by its time before and after
};

QString Text(TimeValue t, long offset)
{
    const std::time_t shifted = t + offset;
    std::tm tm{};
    gmtime_r(&shifted, &tm);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &tm);
    return QString::fromLatin1(text);
}

// Under the process's TZ, which is the entry's zone. During daylight saving the standard offset
// is that of the zone's time without it just before or just after: where the two differ (a zone
// that changed its standard offset), either is accepted.
std::vector<Expected> ExpectedTimes()
{
    const TimeValue from = 1704067200; // 2024-01-01 00:00 UTC
    const TimeValue to = 1924992000;   // 2031-01-01 00:00 UTC
    std::vector<TimeValue> instants;
    std::vector<std::pair<TimeValue, long>> standard; // from when, which offset
    std::tm previous{};
    // A year either side of the instants, to know the standard offsets around them.
    for (TimeValue t = from - 366 * 86400; t < to + 366 * 86400; t += 6 * 3600) {
        const std::time_t tt = t;
        std::tm tm{};
        localtime_r(&tt, &tm);
        if (tm.tm_gmtoff != previous.tm_gmtoff || tm.tm_isdst != previous.tm_isdst) {
            // A change within the last six hours: find its first second.
            TimeValue low = t - 6 * 3600, high = t;
            while (high - low > 1) {
                const TimeValue mid = (low + high) / 2;
                const std::time_t mt = mid;
                std::tm m{};
                localtime_r(&mt, &m);
                (m.tm_gmtoff == previous.tm_gmtoff && m.tm_isdst == previous.tm_isdst ? low
                                                                                      : high) = mid;
            }
            if (high > from && high < to)
                instants.insert(instants.end(), {high - 1, high, high + 1});
            if (tm.tm_isdst <= 0)
                standard.emplace_back(high, tm.tm_gmtoff);
        }
        if (t >= from && t < to && t % (5 * 86400) == 0)
            instants.push_back(t + 754);
        previous = tm;
    }
    std::sort(instants.begin(), instants.end());
    std::vector<Expected> out;
    for (TimeValue t : instants) {
        const std::time_t tt = t;
        std::tm tm{};
        localtime_r(&tt, &tm);
        Expected e{t, Text(t, tm.tm_gmtoff), {}};
        if (tm.tm_isdst <= 0) {
            e.standardTimes << e.local;
        } else {
            auto next = std::upper_bound(standard.begin(), standard.end(), std::pair(t, LONG_MAX));
            if (next != standard.begin())
                e.standardTimes << Text(t, std::prev(next)->second);
            if (next != standard.end())
                e.standardTimes << Text(t, next->second);
        }
        out.push_back(e);
    }
    return out;
}

} // namespace

class TestDatabaseMode final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void selectedClockAgainstCLibrary_data();
    void selectedClockAgainstCLibrary();
    void berlinOnFifteenOctober_data();
    void berlinOnFifteenOctober();
    void switchToTheTableAndBack();

private:
    std::vector<std::vector<Expected>> m_expected; // per entry
};

void TestDatabaseMode::initTestCase()
{
    CTrayIcon::SetAvailabilityForTesting(true);
    for (int i = 0; i < CountryCount; ++i) {
        QVERIFY2(IsEntryZoneKnown(i), EntryZoneId(i).constData());
        setenv("TZ", (":" + EntryZoneId(i)).constData(), 1);
        tzset();
        m_expected.push_back(ExpectedTimes());
    }
    unsetenv("TZ");
    tzset();
}

void TestDatabaseMode::selectedClockAgainstCLibrary_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<bool>("showDaylight");
    QTest::newRow("home in Germany") << Germany << true;
    QTest::newRow("home in New South Wales, standard time") << NewSouthWales << false;
}

void TestDatabaseMode::selectedClockAgainstCLibrary()
{
    QFETCH(int, home);
    QFETCH(bool, showDaylight);
    ClockOffsetInputs in;
    in.homeIndex = home;
    in.showDaylightSaving = showDaylight;
    in.useDatabase = true;
    FixedTimeSource now;
    ScopedTimeSource scope(&now);
    CClockCtrl clock(0, 0xffffff);
    QStringList wrong;
    for (int i = 0; i < CountryCount; ++i) {
        in.selectedIndex = i;
        clock.SetUtcOffsetRule(MakeClockRules(in).selected);
        for (const Expected &e : m_expected[static_cast<std::size_t>(i)]) {
            now.Set(e.t);
            clock.Refresh();
            const QStringList expected = showDaylight ? QStringList{e.local} : e.standardTimes;
            if (!expected.contains(clock.FormatText()))
                wrong << QStringLiteral("%1 (%2) at %3: %4, not %5")
                             .arg(QString::fromStdString(DisplayName(i)),
                                  QString::fromLatin1(EntryZoneId(i)))
                             .arg(e.t)
                             .arg(clock.FormatText(), expected.join(u'/'));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QString::number(wrong.size()) + QStringLiteral(": ") +
                                         wrong.mid(0, 8).join(QStringLiteral("; "))));
}

void TestDatabaseMode::berlinOnFifteenOctober_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("change");
    QTest::newRow("Berlin") << Germany << "14:00:00"
                            << "GMT+2:00"
                            << "Summer time ends Sun 25 Oct 2026, 03:00 → 02:00";
    QTest::newRow("New York") << NewYork << "08:00:00"
                              << "GMT-4:00"
                              << "Summer time ends Sun 1 Nov 2026, 02:00 → 01:00";
    QTest::newRow("São Paulo") << SaoPaulo << "09:00:00"
                               << "GMT-3:00"
                               << "No time change ahead";
    QTest::newRow("Lisbon") << Portugal << "13:00:00"
                            << "GMT+1:00"
                            << "Summer time ends Sun 25 Oct 2026, 02:00 → 01:00";
    QTest::newRow("Apia") << Apia << "01:00:00"
                          << "GMT+13:00"
                          << "No time change ahead";
}

// A user in Berlin whose store predates the mode sees today's times of every place.
void TestDatabaseMode::berlinOnFifteenOctober()
{
    QFETCH(int, selected);
    WriteOldStore(Germany, selected);
    FixedTimeSource now(FifteenOctober2026);
    ScopedTimeSource scope(&now);
    CMainDialog dialog;
    RunWith(dialog, [&] {
        QVERIFY(dialog.IsUsingTimeZoneDatabase());
        QCOMPARE(dialog.HomeIndex(), Germany);
        QCOMPARE(dialog.SelectedIndex(), selected);
        QCOMPARE(dialog.HomeTimeClock()->FormatText(), QStringLiteral("14:00:00"));
        QTEST(dialog.SelectedTimeClock()->FormatText(), "time");
        QFETCH(QString, caption);
        QCOMPARE(GroupTitle(dialog, CMainDialog::IDC_SELECTED_GROUP), "Selected (" + caption + ')');
        QTEST(dialog.SelectedTimeClock()->toolTip(), "change");
        QTEST(dialog.SelectedDateClock()->accessibleDescription(), "change");
        QVERIFY(dialog.TrayIcon()->Tip().endsWith(dialog.SelectedTimeClock()->toolTip()));
    });
}

// The table mode is one switch away, kept in the settings; Portugal moves between the table's
// GMT+1:00 and today's GMT+0:00.
void TestDatabaseMode::switchToTheTableAndBack()
{
    WriteOldStore(Germany, Portugal);
    FixedTimeSource now(FifteenOctober2026);
    ScopedTimeSource scope(&now);
    for (bool useDatabase : {false, true}) {
        CMainDialog dialog;
        RunWith(dialog, [&] {
            QCOMPARE(dialog.IsUsingTimeZoneDatabase(), !useDatabase);
            dialog.SetSetHomeRun([useDatabase](QWidget *, SetHomeValues &values) {
                values.useDatabase = useDatabase;
                return true;
            });
            dialog.OnSetHome();
            QCOMPARE(dialog.IsUsingTimeZoneDatabase(), useDatabase);
            QCOMPARE(dialog.SelectedIndex(), Portugal);
            QCOMPARE(dialog.Tree()->currentItem()->data(0, Qt::UserRole).toInt(), Portugal);
            QCOMPARE(GroupTitle(dialog, CMainDialog::IDC_TREE_GROUP),
                     useDatabase ? QStringLiteral("Countries/Regions in GMT+0:00")
                                 : QStringLiteral("Countries/Regions in GMT+1:00"));
        });
    }
    CMainDialog reopened;
    RunWith(reopened, [&] { QVERIFY(reopened.IsUsingTimeZoneDatabase()); });
}

QTEST_MAIN(TestDatabaseMode)
#include "tst_databasemode.moc"
