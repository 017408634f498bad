// SPDX-License-Identifier: MIT

#include "app/clockoffsets.h"
#include "app/maindialog.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "home/sethomesheet.h"
#include "home/zonestore.h"
#include "map/mapwnd.h"
#include "tests/app/mainwindowrun.h"
#include "zones/cityplaces.h"
#include "zones/citytable.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/textfold.h"
#include "zones/zonedatabase.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

// Database mode. The selected time clock against the C library: for every entry, at instants
// through 2024-2030 and one second either side of each change the C library finds in its zone,
// the clock reads what localtime_r gives under TZ=:<zone>, or that zone's standard time when
// daylight saving is not shown. Then the main window: a store from before the mode opens in it.

namespace {

constexpr int NewSouthWales = 17;
constexpr int SaoPaulo = 42;
constexpr int Germany = 121;
constexpr int Ireland = 149;
constexpr int NewYork = 328;
constexpr TimeValue FifteenOctober2026 = 1791979200; // 12:00 UTC

// A store as written before the mode existed: a home and a selection, nothing about the mode;
// or, with mode 0 or 1, one that chose it; with cities' GeoNames ids, one with them.
void WriteOldStore(int home, int selected, int mode = -1, int city = 0, int homeCity = 0)
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
    if (mode >= 0)
        file.write(QByteArray("[%General]\nUse%20Time%20Zone%20Database=") +
                   QByteArray::number(mode) + '\n');
    if (city != 0)
        file.write("[Current%20Selection]\nCity=" + QByteArray::number(city) + '\n');
    if (homeCity != 0)
        file.write("[Home%20Country]\nHome%20City=" + QByteArray::number(homeCity) + '\n');
}

// The most populous city of the name.
int City(const char *name)
{
    const std::vector<Cities::Match> found =
        Cities::Find(FoldForSearch(QString::fromUtf8(name)), 1);
    return found.empty() ? -1 : found.front().city;
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

std::tm Local(TimeValue t)
{
    const std::time_t tt = t;
    std::tm tm{};
    localtime_r(&tt, &tm);
    return tm;
}

// Daylight saving as the C library marks it, but for Irish time, which the database writes with
// its winter as a negative saving: there the summer is the daylight saving.
bool Daylight(const std::tm &tm)
{
    const char *zone = std::getenv("TZ");
    if (zone && std::strcmp(zone, ":Europe/Dublin") == 0)
        return tm.tm_isdst == 0;
    return tm.tm_isdst > 0;
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
    const auto same = [](const std::tm &a, const std::tm &b) {
        return a.tm_gmtoff == b.tm_gmtoff && a.tm_isdst == b.tm_isdst;
    };
    // A year either side of the instants, to know the standard offsets around them.
    for (TimeValue t = from - 366 * 86400; t < to + 366 * 86400; t += 6 * 3600) {
        const std::tm tm = Local(t);
        if (!same(tm, previous)) {
            // A change within the last six hours: find its first second.
            TimeValue low = t - 6 * 3600, high = t;
            while (high - low > 1)
                (same(Local((low + high) / 2), previous) ? low : high) = (low + high) / 2;
            if (high > from && high < to)
                instants.insert(instants.end(), {high - 1, high, high + 1});
            if (!Daylight(tm))
                standard.emplace_back(high, tm.tm_gmtoff);
        }
        if (t >= from && t < to && t % (5 * 86400) == 0)
            instants.push_back(t + 754);
        previous = tm;
    }
    std::sort(instants.begin(), instants.end());
    std::vector<Expected> out;
    for (TimeValue t : instants) {
        const std::tm tm = Local(t);
        Expected e{t, Text(t, tm.tm_gmtoff), {}};
        auto next = std::upper_bound(standard.begin(), standard.end(), std::pair(t, LONG_MAX));
        const bool daylight = Daylight(tm);
        if (!daylight)
            e.standardTimes << e.local;
        if (daylight && next != standard.begin())
            e.standardTimes << Text(t, std::prev(next)->second);
        if (daylight && next != standard.end())
            e.standardTimes << Text(t, next->second);
        out.push_back(e);
    }
    return out;
}

struct StoredRow
{
    const char *name;
    int mode, home, selected;
    const char *city, *homeCity; // stored cities by name, "?" an id no city has
    bool cityKept;
    const char *tip;               // how the tray tip begins
    int saved;                     // the selection written back
    const char *homeTime, *record; // record: the home zone store's zone name, "" unchecked
};

// clang-format off
constexpr StoredRow StoredRows[] = {
    {"new hebrides, database", 1, Germany, 218, nullptr, nullptr, false, "Vanuatu ", 332, "14:00:00", ""},
    {"new hebrides, table", 0, Germany, 218, nullptr, nullptr, false, "New Hebrides (UK & France) ", 218, "13:00:00", ""},
    {"palau island, database", 1, Germany, 73, nullptr, nullptr, false, "Palau ", 229, "14:00:00", ""},
    {"south sudan, database", 1, Germany, 345, nullptr, nullptr, false, "South Sudan ", 345, "14:00:00", ""},
    {"south sudan, table: none, kept", 0, Germany, 345, nullptr, nullptr, false, "GMT+1:00 ", 345, "13:00:00", ""},
    {"taiwan, database", 1, Germany, 302, nullptr, nullptr, false, "Taiwan ", 302, "14:00:00", ""},
    {"taiwan, table", 0, Germany, 302, nullptr, nullptr, false, "T'ai-wan ", 302, "13:00:00", ""},
    {"misspelling fixed, table", 0, Germany, 333, nullptr, nullptr, false, "Venezuela ", 333, "13:00:00", ""},
    {"home timor-leste, database", 1, 348, Germany, nullptr, nullptr, false, "Germany ", Germany, "21:00:00", ""},
    {"home behind a hidden name, database", 1, 292, Germany, nullptr, nullptr, false, "Germany ", Germany, "14:00:00", ""},
    {"index only", 1, Germany, 326, nullptr, nullptr, false, "Arizona, United States ", 326, "14:00:00", "Europe/Berlin"},
    {"with a city", 1, Germany, 326, "phoenix", nullptr, true, "Phoenix, Arizona, United States ", 326, "14:00:00", "Europe/Berlin"},
    {"with a city, table", 0, Germany, 326, "phoenix", nullptr, true, "Arizona, United States of America ", 326, "13:00:00", "GMT+1:00 - Germany Std Time"},
    {"an id no city has", 1, Germany, 326, "?", nullptr, false, "Arizona, United States ", 326, "14:00:00", "Europe/Berlin"},
    {"home city", 1, 16, 326, nullptr, "broken hill", false, "Arizona, United States ", 326, "22:30:00", "Australia/Broken_Hill"},
};
// clang-format on

} // namespace

class TestDatabaseMode final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CTrayIcon::SetAvailabilityForTesting(true);
        for (int i = 0; i < PlaceCount; ++i) {
            QVERIFY2(IsEntryZoneKnown(i), EntryZoneId(i).constData());
            setenv("TZ", (":" + EntryZoneId(i)).constData(), 1);
            tzset();
            m_expected.push_back(ExpectedTimes());
        }
        unsetenv("TZ");
        tzset();
    }

    void selectedClockAgainstCLibrary_data()
    {
        QTest::addColumn<int>("home");
        QTest::addColumn<bool>("showDaylight");
        QTest::newRow("home in Germany") << Germany << true;
        QTest::newRow("home in New South Wales, standard time") << NewSouthWales << false;
    }

    void selectedClockAgainstCLibrary()
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
        for (int i = 0; i < PlaceCount; ++i) {
            in.selectedIndex = i;
            clock.SetUtcOffsetRule(MakeClockRules(in).selected);
            for (const Expected &e : m_expected[static_cast<std::size_t>(i)]) {
                now.Set(e.t);
                clock.Refresh();
                const QStringList expected = showDaylight ? QStringList{e.local} : e.standardTimes;
                if (!expected.contains(clock.FormatText()))
                    wrong << QStringLiteral("%1 (%2) at %3: %4, not %5")
                                 .arg(QString::fromStdString(PlaceDisplayName(i, true)),
                                      QString::fromLatin1(EntryZoneId(i)))
                                 .arg(e.t)
                                 .arg(clock.FormatText(), expected.join(u'/'));
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(QString::number(wrong.size()) + QStringLiteral(": ") +
                                             wrong.mid(0, 8).join(QStringLiteral("; "))));
    }

    void berlinOnFifteenOctober_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("zone"); // standard time, as the map's key has it
        // clang-format off
        QTest::newRow("Berlin") << Germany << "14:00:00" << "GMT+2:00" << "Summer time ends Sun 25 Oct 2026, 03:00 → 02:00" << "GMT+1:00";
        QTest::newRow("New York") << NewYork << "08:00:00" << "GMT-4:00" << "Summer time ends Sun 1 Nov 2026, 02:00 → 01:00" << "GMT-5:00";
        QTest::newRow("São Paulo") << SaoPaulo << "09:00:00" << "GMT-3:00" << "No time change ahead" << "GMT-3:00";
        // The database writes Irish winter as a negative saving; the standard time is winter's.
        QTest::newRow("Ireland") << Ireland << "13:00:00" << "GMT+1:00" << "Summer time ends Sun 25 Oct 2026, 02:00 → 01:00" << "GMT+0:00";
        // clang-format on
    }

    // A user in Berlin whose store predates the mode sees today's times of every place.
    void berlinOnFifteenOctober()
    {
        QFETCH(int, selected);
        WriteOldStore(Germany, selected);
        FixedTimeSource now(FifteenOctober2026);
        ScopedTimeSource scope(&now);
        CMainDialog dialog;
        RunWith(dialog, [&] {
            QVERIFY(dialog.IsUsingTimeZoneDatabase());
            QCOMPARE(dialog.HomeTimeClock()->FormatText(), QStringLiteral("14:00:00"));
            QTEST(dialog.SelectedTimeClock()->FormatText(), "time");
            QFETCH(QString, caption);
            QCOMPARE(GroupTitle(dialog, CMainDialog::IDC_SELECTED_GROUP),
                     "Selected (" + caption + ')');
            QFETCH(QString, zone);
            QCOMPARE(GroupTitle(dialog, CMainDialog::IDC_TREE_GROUP),
                     "Countries/Regions in " + zone);
            QTEST(dialog.SelectedTimeClock()->toolTip(), "change");
            QTEST(dialog.SelectedDateClock()->accessibleDescription(), "change");
            QVERIFY(dialog.TrayIcon()->Tip().endsWith(dialog.SelectedTimeClock()->toolTip()));
            // The keys reach +14, the Line Islands', which has no land colour west of the date
            // line, and go round from it.
            CMapWnd *map = dialog.Map();
            for (const auto &[from, to] : {std::pair(13.0f, 14.0f), std::pair(14.0f, -12.0f)}) {
                map->SelectZone(from);
                map->FinishGlide();
                QTest::keyClick(map, Qt::Key_Right);
                QCOMPARE(map->GetZone(), to);
            }
        });
    }

    // Stored indexes of hidden duplicates and of today's places open in both modes: the
    // database shows the place listed, the table its own entry or, for a place it lacks, none
    // while keeping it stored. A store from before cities (an index) and one with a city open at
    // the same place; the table keeps its entry and the city stored; an id no city has is dropped.
    void storedPlaceOpens_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(StoredRows)); ++i)
            QTest::newRow(StoredRows[i].name) << i;
    }

    void storedPlaceOpens()
    {
        QFETCH(int, row);
        const StoredRow &r = StoredRows[row];
        auto id = [](const char *city) {
            return !city ? 0 : *city == '?' ? 999999999 : Cities::GeonameId(City(city));
        };
        WriteOldStore(r.home, r.selected, r.mode, id(r.city), id(r.homeCity));
        FixedTimeSource now(FifteenOctober2026);
        ScopedTimeSource scope(&now);
        CMainDialog dialog;
        RunWith(dialog, [&] {
            QCOMPARE(dialog.IsUsingTimeZoneDatabase(), r.mode == 1);
            QVERIFY2(dialog.TrayIcon()->Tip().startsWith(QString::fromUtf8(r.tip)),
                     qPrintable(dialog.TrayIcon()->Tip()));
            QCOMPARE(dialog.HomeTimeClock()->FormatText(), QString::fromLatin1(r.homeTime));
            dialog.SaveSettings();
        });
        QSettings store(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                            QStringLiteral("/Brambleway/Orbiclock.conf"),
                        QSettings::IniFormat);
        QCOMPARE(store.value("Current Selection/Current Selection").toInt(), r.saved);
        QCOMPARE(store.value("Current Selection/City").toInt(), r.cityKept ? id(r.city) : -1);
        QCOMPARE(store.value("Home Country/Home City").toInt(), r.homeCity ? id(r.homeCity) : -1);
        if (*r.record)
            QCOMPARE(CZoneStore().ReadRecord()->standardName, QString::fromLatin1(r.record));
    }

    // Without the database (no /usr/share/zoneinfo) every entry follows the table's rule, and
    // the tip says why: New South Wales in its summer, Germany in its winter.
    void withoutTheDatabase()
    {
        WriteOldStore(Germany, NewSouthWales);
        SetZoneDatabaseHiddenForTesting(true);
        auto restore = qScopeGuard([] { SetZoneDatabaseHiddenForTesting(false); });
        FixedTimeSource now(1768478400); // 15 January 2026, 12:00 UTC
        ScopedTimeSource scope(&now);
        CMainDialog dialog;
        RunWith(dialog, [&] {
            QCOMPARE(dialog.HomeTimeClock()->FormatText(), QStringLiteral("13:00:00"));
            QCOMPARE(dialog.SelectedTimeClock()->FormatText(), QStringLiteral("23:00:00"));
            QVERIFY(dialog.TrayIcon()->Tip().endsWith(u'\n' + ZoneDatabaseMissingText()));
        });
    }

    // A city found reaches the selected clocks; chosen as home, the home zone stored and the
    // home clocks are the city's.
    void cityFoundAndHome()
    {
        WriteOldStore(Germany, Germany);
        FixedTimeSource now(FifteenOctober2026);
        ScopedTimeSource scope(&now);
        CMainDialog dialog;
        const int city = City("broken hill");
        dialog.SetFindRun([&](QWidget *) { return PlaceChoice(16, city, Cities::ZoneId(city)); });
        RunWith(dialog, [&] {
            dialog.OnFindCountry();
            QCOMPARE(dialog.SelectedCity(), city);
            QCOMPARE(dialog.SelectedTimeClock()->FormatText(), QStringLiteral("22:30:00"));
            dialog.SetSetHomeRun([&](QWidget *, SetHomeValues &values) {
                values.homeIndex = 16;
                values.homeCity = city;
                return true;
            });
            dialog.OnSetHome();
            QCOMPARE(dialog.HomeCity(), city);
            QCOMPARE(CZoneStore().ReadRecord()->standardName,
                     QStringLiteral("Australia/Broken_Hill"));
            QCOMPARE(dialog.HomeTimeClock()->FormatText(), QStringLiteral("22:30:00"));
        });
    }

    // At instants around each 2026 change of their zones, 500 and more cities spread over all
    // the zones the cities have: the selected clock's offset is what the C library gives under
    // the city's zone.
    void cityClocksAgainstCLibrary()
    {
        std::map<QByteArray, std::vector<int>> byZone; // the cities of each zone, largest first
        for (int c = 0; c < Cities::Count(); ++c)
            byZone[Cities::ZoneId(c)].push_back(c);
        std::vector<int> sample;
        for (std::size_t round = 0; sample.size() < 520; ++round)
            for (const auto &[zone, cities] : byZone)
                if (round < cities.size())
                    sample.push_back(cities[round]);
        QVERIFY(byZone.size() > 300);
        const TimeValue from = 1767225600; // 2026-01-01 00:00 UTC
        const TimeValue to = 1798761600;   // 2027-01-01
        ClockOffsetInputs in;
        in.homeIndex = Germany;
        in.useDatabase = true;
        QStringList wrong; // city@instant
        std::size_t checked = 0;
        for (const int city : sample) {
            const QByteArray zone = Cities::ZoneId(city);
            in.selectedIndex = PlaceForCity(city, true, from);
            in.selectedZone = zone;
            const auto selected = MakeClockRules(in).selected;
            setenv("TZ", (":" + zone).constData(), 1);
            tzset();
            std::vector<TimeValue> instants{from + 754, from + 180 * 86400};
            for (TimeValue t = from + 6 * 3600; t <= to; t += 6 * 3600) {
                if (Local(t).tm_gmtoff == Local(t - 6 * 3600).tm_gmtoff)
                    continue;
                TimeValue low = t - 6 * 3600, high = t;
                while (high - low > 1)
                    (Local((low + high) / 2).tm_gmtoff == Local(low).tm_gmtoff ? low : high) =
                        (low + high) / 2;
                instants.insert(instants.end(), {high - 1, high, high + 1});
            }
            checked += instants.size();
            for (const TimeValue t : instants)
                if (selected(t) != Local(t).tm_gmtoff)
                    wrong << CityDisplayName(city) + u'@' + QString::number(t);
        }
        unsetenv("TZ");
        tzset();
        QVERIFY(checked > 2000);
        QVERIFY2(wrong.isEmpty(), qPrintable(QString::number(wrong.size()) + QStringLiteral(": ") +
                                             wrong.mid(0, 8).join(QStringLiteral("; "))));
    }

private:
    std::vector<std::vector<Expected>> m_expected; // per entry
};

QTEST_MAIN(TestDatabaseMode)
#include "tst_databasemode.moc"
