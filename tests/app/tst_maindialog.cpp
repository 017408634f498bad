// SPDX-License-Identifier: MIT

#include "app/autostart.h"
#include "app/clockoffsets.h"
#include "app/converttimedialog.h"
#include "app/maindialog.h"
#include "app/popupmenus.h"
#include "app/timeconversion.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "home/sethomesheet.h"
#include "home/zonestore.h"
#include "map/gmtoffset.h"
#include "map/mapcolourwaitdialog.h"
#include "map/mapwnd.h"
#include "map/panelwnd.h"
#include "tests/app/mainwindowrun.h"
#include "zones/countrytable.h"
#include "zones/timeformat.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include <ctime>
#include <memory>
#include <sys/stat.h>
#include <tuple>

namespace {

// Table indexes used below.
constexpr int NewSouthWales = 17; // +10, Oct last Sun .. Mar 1st Sun
constexpr int ChathamIs = 79;     // +12:45, Oct 1st Sun .. Mar 1st Sun
constexpr int Chile = 80;         // -4, a southern rule
constexpr int GeorgiaRep = 120;   // +3, shift 2
constexpr int Germany = 121;      // +1, Mar last Sun .. Sep last Sun
constexpr int India = 143;        // +5:30, no rule
constexpr int UsEastern = 328;    // -5, Apr 1st Sun .. Oct last Sun

// The stored option values, as the data rows carry them.
constexpr int Auto = DaylightAuto;
constexpr int ByHand = DaylightByHand;
constexpr int NotAdjusted = DaylightNotAdjusted;
constexpr int None = DaylightNone;

GeneralSettings HomeGermany(bool showAtStartup = true, bool listOnly = false)
{
    GeneralSettings s;
    s.homeCountry = Germany;
    s.currentSelection = Germany;
    s.showAtStartup = showAtStartup;
    s.selectByListOnly = listOnly;
    s.useTimeZoneDatabase = 0; // the offsets below are the table's
    return s;
}

template <class T = QAction> T *Child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1StringView(name));
}

// The time and date texts of a clock that shows what the C library gives at t under a rule.
QStringList Texts(const std::string &rule, TimeValue t)
{
    SetProcessTimeZone(rule.c_str());
    const std::time_t at = t;
    std::tm f{};
    localtime_r(&at, &f);
    char time[16] = {};
    std::strftime(time, sizeof time, "%H:%M:%S", &f);
    const QDate date(f.tm_year + 1900, f.tm_mon + 1, f.tm_mday);
    return {QString::fromLatin1(time),
            QLocale::system().toString(date, QLocale::ShortFormat).left(CClockCtrl::MaxDateLength)};
}

// The rule of a place as its own clocks run: its table rule, or standard time only.
std::string PlaceRule(int index, bool withDaylight)
{
    const int option = withDaylight ? DaylightAuto : DaylightNotAdjusted;
    const auto zone = BuildHomeTimeZone({index, option, false, {}});
    return zone ? PosixRule(*zone, DaylightSwitchFor(option)) : std::string("UTC0");
}

constexpr TimeValue H = 3600;
constexpr TimeValue M = 60;

// The first Sunday of May to the last Sunday of August.
const OwnDaylightDates MayToAugust{0, 4, 0, 4, 7, 0};

// The item at a path of item texts, such as "&Colours/&Land/&Cyan".
QAction *Item(const QMenu *menu, const QString &path)
{
    QAction *found = nullptr;
    for (const QString &text : path.split(u'/')) {
        found = nullptr;
        const auto actions = menu ? menu->actions() : QList<QAction *>();
        for (QAction *action : actions)
            found = action->text() == text ? action : found;
        menu = found ? found->menu() : nullptr;
    }
    return found;
}

// Conversions against the C library: the typed place's rule to an instant, the other's back.
struct Row
{
    const char *name;
    int home;
    int selected;
    const char *homeZone; // TZ of the C library for each place; ":zone" for database mode
    const char *selectedZone;
    bool fromHome; // which field is typed in
    const char *typed;
    int isdst; // for mktime: -1, or which of a skipped or repeated time is meant
    const char *note;
    const char *day;
};

// Germany 121, Iceland 142, Hawaiian Is. 137, New Zealand 219, Western Samoa 263, Tonga Is. 308,
// United States Eastern 328.
const Row Rows[] = {
    {"New York skips 02:30", 121, 328, ":Europe/Berlin", ":America/New_York", false,
     "2026-03-08T02:30", 0, "does not exist in Eastern Time", "Same day"},
    {"Berlin repeats 02:30", 121, 328, ":Europe/Berlin", ":America/New_York", true,
     "2026-10-25T02:30", 1, "happens twice", "Previous day"},
    {"Auckland repeats 02:30", 121, 219, ":Europe/Berlin", ":Pacific/Auckland", false,
     "2026-04-05T02:30", 1, "happens twice", "Next day"},
    {"Apia to Honolulu", 263, 137, ":Pacific/Apia", ":Pacific/Honolulu", true, "2026-07-06T08:00",
     -1, "", "Previous day"},
    {"date line west", 308, 137, "<+13>-13", "HST10", true, "2026-07-06T08:00", -1, "",
     "Previous day"},
    {"home skips 02:30", 121, 142, "CET-1CEST,M3.5.0/2,M9.5.0/2", "GMT0", true, "2026-03-29T02:30",
     0, "does not exist", "Same day"},
    // Summer time ends at 02:00 of summer time: the hour from 01:00 comes twice.
    {"home repeats 01:30", 121, 142, "CET-1CEST,M3.5.0/2,M9.5.0/2", "GMT0", true,
     "2026-09-27T01:30", 1, "happens twice", "Previous day"},
    {"there skips 02:30", 142, 121, "GMT0", "CET-1CEST,M3.5.0/2,M9.5.0/2", false,
     "2026-03-29T02:30", 0, "does not exist in Germany", "Same day"},
};

} // namespace

Q_DECLARE_METATYPE(ClockOffsetInputs)

class TestMainDialog final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CTrayIcon::SetAvailabilityForTesting(true); }
    void init() { SetProcessTimeZone("UTC0"); }

    // The clocks against an independent source: what the C library shows under the POSIX rule of
    // the home (as the program applied it) and under the rule of the selected place.
    void againstDate_data()
    {
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("showDaylight");
        QTest::addColumn<TimeValue>("when");

        const TimeValue january = 1768480496; // 2026-01-15 12:34:56 GMT
        const TimeValue july = 1782949501;    // 2026-07-01 23:45:01 GMT
        QTest::newRow("north home in winter, south place in summer")
            << Germany << Auto << NewSouthWales << true << january;
        QTest::newRow("south home in winter, north place in summer")
            << NewSouthWales << Auto << UsEastern << true << july;
        QTest::newRow("not adjusted: home on standard time")
            << Germany << NotAdjusted << UsEastern << true << july;
        QTest::newRow("daylight saving not shown") << Germany << Auto << UsEastern << false << july;
        QTest::newRow("home without daylight saving") << India << None << Chile << true << january;
        QTest::newRow("by hand in summer") << NewSouthWales << ByHand << Germany << true << january;
    }

    void againstDate()
    {
        QFETCH(int, home);
        QFETCH(int, option);
        QFETCH(int, selected);
        QFETCH(bool, showDaylight);
        QFETCH(TimeValue, when);
        FixedTimeSource clock(when);
        ScopedTimeSource scoped(&clock);
        GeneralSettings s = HomeGermany(); // the table's rules: the expected ones are built from it
        s.homeCountry = home;
        s.currentSelection = selected;
        s.daylightOption = option;
        s.showDaylightSaving = showDaylight;
        StoreGeneral(s);

        CMainDialog dialog; // applies the home zone: the process's TZ is now the home's rule
        const std::string homeRule = qEnvironmentVariable("TZ").toStdString();
        QVERIFY(!homeRule.empty());
        QStringList shown;
        RunWith(dialog, [&] {
            for (CClockCtrl *c : {dialog.HomeTimeClock(), dialog.HomeDateClock(),
                                  dialog.SelectedTimeClock(), dialog.SelectedDateClock()})
                shown << c->FormatText();
        });

        // The home clocks: the computer's clock under the home's rule. Standard time when the user
        // does not want daylight saving shown.
        const std::string shownHomeRule = showDaylight ? homeRule : PlaceRule(home, false);
        const std::string placeRule = PlaceRule(selected, showDaylight);
        QCOMPARE(shown, Texts(shownHomeRule, when) + Texts(placeRule, when));
    }

    // No settings: Set Home runs by itself over the shown window, before the tray has a menu, and
    // its choice reaches the settings file, the zone store and the home clocks.
    void chooseHomeOnFirstStart()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brambleway"),
                        QStringLiteral("Orbiclock"));
        store.clear();
        store.sync();
        // 15 January 2026, 01:00 GMT: summer in New South Wales, 12:00 there (GMT+11).
        const FixedTimeSource now(DaysFromCivil(2026, 1, 15) * 86400 + 3600);
        ScopedTimeSource clock(&now);
        CMainDialog dialog;
        QVERIFY(dialog.IsVisibleAtStart());
        int runs = 0;
        bool shownWithoutTrayMenu = false;
        dialog.SetSetHomeRun([&](QWidget *, SetHomeValues &values) {
            ++runs;
            dialog.ShowTrayMenu(QPoint(10, 10));
            shownWithoutTrayMenu = dialog.isVisible() && !dialog.TrayMenu()->isVisible();
            // Begin on the 1st Sunday of October instead of the table's last.
            values = {NewSouthWales, 2, DaylightAuto, true, {0, 9, 0, 0, 2, 0}};
            return true;
        });
        RunWith(dialog, [&] {
            QCOMPARE(runs, 1);
            QVERIFY(shownWithoutTrayMenu);
            dialog.HomeTimeClock()->Refresh();
            QCOMPARE(dialog.HomeTimeClock()->GetText().left(5), QStringLiteral("12:00"));
        });
        // The time-zone database by default: the caption names the offset the home clocks show.
        QCOMPARE(GroupTitle(dialog, CMainDialog::IDC_HOME_GROUP),
                 QStringLiteral("Home (GMT+11:00)"));
        store.sync();
        QCOMPARE(store.value("Home Country/Daylight Month Start").toInt(), 9);
        const std::optional<TimeZoneInformation> record = CZoneStore().ReadRecord();
        QVERIFY(record);
        QCOMPARE(record->daylightDate.day, 1);
    }

    void leaving_data()
    {
        // Closing the window, which asks as Exit does, runs in the end-to-end test.
        QTest::addColumn<int>("how"); // Escape, Enter, tray menu's Exit (which asks)
        QTest::addColumn<bool>("tray");
        QTest::addColumn<bool>("answer"); // Yes ends the run
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("saved"); // else the file grows too large to be the store's
        QTest::newRow("Escape hides") << 0 << true << false << false << true;
        QTest::newRow("Enter on the default button hides") << 1 << true << false << false << true;
        QTest::newRow("tray exit, Yes") << 2 << true << true << false << true;
        // The question says that the settings could not be saved.
        QTest::newRow("tray exit, not saved") << 2 << true << true << false << false;
        // With nowhere to hide to, the window starts shown and Escape only minimises it.
        QTest::newRow("Escape without a notification area") << 0 << false << false << true << true;
    }

    void leaving()
    {
        QFETCH(int, how);
        QFETCH(bool, tray);
        QFETCH(bool, answer);
        QFETCH(bool, saved);
        StoreGeneral(HomeGermany(tray));
        CTrayIcon::SetAvailabilityForTesting(tray);
        auto restore = qScopeGuard([] { CTrayIcon::SetAvailabilityForTesting(true); });
        CMainDialog dialog;
        QVERIFY(dialog.IsVisibleAtStart());
        QString question;
        dialog.SetExitQuestion([&](QWidget *, const QString &text) {
            question = text;
            return answer;
        });
        const int result = RunWith(dialog, [&] {
            // Off from now: what the store holds after the question, whatever the answer.
            Child(dialog.SystemMenu(), "showAtStartupAction")->trigger();
            QFile store(QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                  QStringLiteral("Brambleway"), QStringLiteral("Orbiclock"))
                            .fileName());
            if (!saved)
                QVERIFY(store.open(QIODevice::Append) && store.write(QByteArray(2 << 20, ';')));
            if (how < 2)
                QTest::keyClick(&dialog, how == 0 ? Qt::Key_Escape : Qt::Key_Return);
            else
                Child(dialog.TrayMenu(), "trayExitAction")->trigger();
            QCOMPARE(dialog.IsRunning(), !answer);
            QTEST(dialog.isVisible(), "visible");
            QCOMPARE(dialog.isMinimized(), !tray);
            // Back from the tray, or at a second start's request with its activation token,
            // which no program started later may inherit.
            if (!answer && !dialog.isVisible()) {
                if (how == 0)
                    dialog.TrayIcon()->SendNotify(NM_DBLCLK);
                else
                    dialog.ActivateMainWindow(QStringLiteral("token-of-a-second-start"));
                QVERIFY(dialog.isVisible());
                QVERIFY(!qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
            }
        });
        QCOMPARE(!question.isEmpty(), how == 2);
        QCOMPARE(question.startsWith(CMainDialog::SaveFailedText()), !saved);
        QCOMPARE(result, answer ? int(QDialog::Accepted) : int(QDialog::Rejected));
        // "Show At Startup" governs the login's start; a person's start always shows the window.
        if (!question.isEmpty() && saved) {
            QVERIFY(!CMainDialog(nullptr, CMainDialog::StartedBy::Login).IsVisibleAtStart());
            QVERIFY(CMainDialog().IsVisibleAtStart());
        }
    }

    // What picks the selected place, and what follows it: selection, selected clocks, tree caption
    // and tray tip. Germany (+1, in its summer) is home and selected at the start.
    void selection_data()
    {
        QTest::addColumn<bool>("listOnly");
        QTest::addColumn<int>("action"); // map click, region node, Find, list-only box clicked
        QTest::addColumn<int>("found");  // Find's answer, or how often the box is clicked
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("minutes"); // ahead of the home clocks
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        const QString in530 = QStringLiteral("Countries/Regions in GMT+5:30");
        const QString in100 = QStringLiteral("Countries/Regions in GMT+1:00");
        const QString all = QStringLiteral("Countries/Regions");
        // Germany is not at +5:30: nothing stays selected, and the selected clocks follow the
        // map's zone at once (4:30 ahead of Germany's standard time, less its summer hour).
        QTest::newRow("map click elsewhere")
            << false << 0 << 0 << -1 << 210 << in530 << "GMT+5:30 ";
        // -5 from Germany's +1, and Germany's summer hour already in the computer's clock.
        QTest::newRow("region node") << true << 1 << 0 << -1 << -420 << all << "GMT-5:00 ";
        // New South Wales: +10, in its winter; its tip names the state and the country.
        QTest::newRow("found another entry") << false << 2 << NewSouthWales << NewSouthWales << 480
                                             << "Countries/Regions in GMT+10:00"
                                             << "New South Wales, Australia ";
        QTest::newRow("Find cancelled") << false << 2 << -1 << Germany << 0 << in100 << "Germany ";
        QTest::newRow("list only on") << false << 3 << 1 << Germany << 0 << all << "Germany ";
        QTest::newRow("list only off again")
            << false << 3 << 2 << Germany << 0 << in100 << "Germany ";
    }

    void selection()
    {
        QFETCH(bool, listOnly);
        QFETCH(int, action);
        QFETCH(int, found);
        StoreGeneral(HomeGermany(true, listOnly));
        CMainDialog dialog;
        dialog.SetFindRun([&](QWidget *) { return found; });
        RunWith(dialog, [&] {
            dialog.OnConvertTime(); // open before the change, which it follows
            if (action == 0) {
                dialog.Map()->SelectZone(5.5f); // where the click landed
                dialog.OnMapNotify({.idFrom = CMainDialog::IDC_MAP, .code = NM_CLICK, .pt = {}});
            } else if (action == 1) {
                dialog.State().SetMapZone(-5.0f);
                dialog.Tree()->setCurrentItem(dialog.Tree()->topLevelItem(0));
            } else if (action == 2) {
                dialog.OnFindCountry();
                QVERIFY(!dialog.IsBusy());
            } else {
                for (int i = 0; i < found; ++i)
                    qobject_cast<QCheckBox *>(dialog.Control(CMainDialog::IDC_LIST_ONLY))->click();
                QCOMPARE(dialog.Map()->testAttribute(Qt::WA_SetCursor), found == 2);
            }
            QTEST(dialog.SelectedIndex(), "selected");
            QTEST(int(dialog.SelectedTimeClock()->GetOffset() / 60), "minutes");
            QTEST(int(dialog.SelectedDateClock()->GetOffset() / 60), "minutes");
            QTEST(GroupTitle(dialog, CMainDialog::IDC_TREE_GROUP), "caption");
            QFETCH(QString, tip);
            QVERIFY2(dialog.TrayIcon()->Tip().startsWith(tip),
                     qPrintable(dialog.TrayIcon()->Tip()));
            const auto *place = Child<QLabel>(dialog.ConvertTimeDialog(), "selectedPlaceLabel");
            QVERIFY2(place->text().contains(tip.trimmed()), qPrintable(place->text()));
        });
    }

    void offsets_data()
    {
        QTest::addColumn<ClockOffsetInputs>("in");
        QTest::addColumn<TimeValue>("when");
        QTest::addColumn<TimeValue>("homeOffset");
        QTest::addColumn<TimeValue>("selectedOffset");
        auto row = [](const char *name, int home, int selected, int option, bool shown,
                      TimeValue when, TimeValue homeOffset, TimeValue selectedOffset,
                      float mapZone = 0.0f, OwnDaylightDates own = {}) {
            const bool useOwn = own != OwnDaylightDates();
            const ClockOffsetInputs in{home, selected, option, useOwn, own, shown, mapZone};
            QTest::newRow(name) << in << when << homeOffset << selectedOffset;
        };
        const TimeValue july = 1782907200;    // 2026-07-01 12:00 GMT
        const TimeValue january = 1768478400; // 2026-01-15 12:00 GMT
        const TimeValue april = 1776254400;   // 2026-04-15 12:00 GMT

        // Half and quarter hours, truncated toward zero on both parts.
        row("+5:30 to +12:45 in its summer", India, ChathamIs, Auto, true, january, 0,
            8 * H + 15 * M);

        // No selection: the map's zone, and never a daylight shift of its own.
        row("index outside the table counts as none", Germany, CountryCount, Auto, true, january, 0,
            H, 2.0f);

        // The user's own dates replace the table rule for "auto" only.
        row("own dates, inside the table period only", Germany, UsEastern, Auto, false, april, 0,
            -6 * H, 0.0f, MayToAugust);
        row("own dates ignored by hand", Germany, UsEastern, ByHand, false, april, -H, -7 * H, 0.0f,
            MayToAugust);

        row("home outside the table", -7, Germany, Auto, true, july, 123, 456);
        // The home selected, with a shift other than one hour.
        row("two-hour shift, not shown", GeorgiaRep, GeorgiaRep, Auto, false, july, -2 * H, -2 * H);
    }

    void offsets()
    {
        QFETCH(ClockOffsetInputs, in);
        QFETCH(TimeValue, when);
        // Without a home nothing is computed, and the clocks keep what they show.
        ClockOffsets out{123, 456, 7.0f};
        const bool computed = ComputeClockOffsets(in, when, out);
        QCOMPARE(computed, out.home != 123);
        QTEST(out.home, "homeOffset");
        QTEST(out.selected, "selectedOffset");
        const CountryEntry *entry = CountryAt(in.selectedIndex);
        QCOMPARE(out.target, in.homeIndex < 0 ? 7.0f : entry ? entry->gmtOffset : in.mapZone);
    }

    void clockCommands_data()
    {
        QTest::addColumn<bool>("timeClock");
        QTest::addColumn<QString>("path");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<bool>("seconds");
        QTest::newRow("grey") << true << "&Colour/Gr&ey" << quint32(0x808080) << true;
        QTest::newRow("red date") << false << "&Colour/&Red" << quint32(0x0000ff) << true;
        QTest::newRow("seconds off") << true << "&Show Seconds" << quint32(0xff0000) << false;
    }

    void clockCommands()
    {
        QFETCH(bool, timeClock);
        QFETCH(QString, path);
        QFETCH(quint32, colour);
        QFETCH(bool, seconds);
        CClockCtrl clock(MakeColourRef(0, 0, 255), MakeColourRef(212, 208, 200));
        clock.SetShowSeconds(true);
        std::unique_ptr<QMenu> menu(CreateClockMenu(timeClock));
        QCOMPARE(FindCommand(menu.get(), ID_SHOW_SECONDS) != nullptr, timeClock);
        CClockCtrl *menuClock = &clock;
        QVERIFY(OnClockMenuCommand(CommandOf(Item(menu.get(), path)), menuClock));
        QCOMPARE(menuClock, nullptr);
        QCOMPARE(clock.GetTextColour(), COLORREF(colour));
        QCOMPARE(clock.GetShowSeconds(), seconds);

        // Shown again, the menu checks the colour picked, and Show Seconds only while on.
        PrepareClockMenu(menu.get(), clock.GetTextColour(), clock.GetShowSeconds());
        QCOMPARE(Item(menu.get(), path)->isChecked(), seconds);

        // With the menu clock gone the command reaches no clock.
        QVERIFY(OnClockMenuCommand(ID_SHOW_SECONDS, menuClock));
        QCOMPARE(clock.GetShowSeconds(), seconds);
    }

    void autostartEntry()
    {
        // Characters a shell or a desktop entry would read as its own, in a program that exists:
        // GLib refuses an entry whose program it cannot find.
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/\"50% off\" $HOME `x` it's\\bin");
        const QString program = folder + QStringLiteral("/orbiclock");
        QVERIFY(QDir().mkpath(folder) && QFile::copy(QStringLiteral("/bin/true"), program));
        QVERIFY(SetStartAtLogin(true, program));
        const QString entry = AutostartEntryPath();
        QCOMPARE(QProcess::execute(QStringLiteral("desktop-file-validate"), {entry}), 0);
        // The command a desktop would run, read back by GLib as a desktop reads it.
        QProcess glib;
        glib.start(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral("-c"),
                    QStringLiteral("import sys, gi; gi.require_version('Gio', '2.0'); "
                                   "from gi.repository import Gio, GLib; "
                                   "a = Gio.DesktopAppInfo.new_from_filename(sys.argv[1]); "
                                   "print('\\n'.join(GLib.shell_parse_argv(a.get_commandline()"
                                   ".replace('%%', '%'))[1]) if a else 'refused', end='')"),
                    entry});
        QVERIFY(glib.waitForFinished(30000));
        // A path holding "%" is started through env: GLib looks for the program before it
        // reads "%%".
        QCOMPARE(QString::fromUtf8(glib.readAllStandardOutput()),
                 QStringLiteral("env\n") + program + QStringLiteral("\n--autostart"));
        QVERIFY(UpdateStartAtLoginEntry()); // written with the option: nothing to change
        // An entry from before the option gets it, unless it is turned off; the rest stays.
        for (const QByteArray &off : {QByteArray(), QByteArray("Hidden=true\n")}) {
            const QByteArray older =
                "[Desktop Entry]\nExec=/usr/bin/orbiclock\nX-Note=kept\n" + off;
            QFile file(entry);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(older));
            file.close();
            QCOMPARE(UpdateStartAtLoginEntry(), off.isEmpty());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), off.isEmpty() ? QByteArray(older).replace(
                                                         "orbiclock\n", "orbiclock --autostart\n")
                                                   : older);
        }
        QVERIFY(!IsStartAtLogin()); // turned off in a desktop's settings: the entry starts nothing
        // An entry under the launcher's former name takes the new name and icon.
        const QString former = QFileInfo(entry).absolutePath() +
                               QStringLiteral("/io.github.brambleway.Orbiclock.desktop");
        QFile formerFile(former);
        QVERIFY(formerFile.open(QIODevice::WriteOnly) &&
                formerFile.write(
                    "[Desktop Entry]\nExec=orbiclock\nIcon=io.github.brambleway.Orbiclock\n"));
        formerFile.close();
        QVERIFY(QFile::remove(entry) && UpdateStartAtLoginEntry() && !QFile::exists(former));
        QFile moved(entry);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(
            moved.readAll(),
            "[Desktop Entry]\nExec=orbiclock --autostart\nIcon=io.github.brambleway.orbiclock\n");

        QVERIFY(SetStartAtLogin(false, program));
        QVERIFY(!QFile::exists(entry));
        QVERIFY(SetStartAtLogin(false, program)); // nothing to remove is no failure
        // A FIFO in its place is no entry, and is never waited on.
        QCOMPARE(::mkfifo(QFile::encodeName(entry).constData(), 0600), 0);
        QVERIFY(!IsStartAtLogin());
        QVERIFY(SetStartAtLogin(false, program));
    }

    void resized_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("grown"); // the map beyond its default size
        QTest::addColumn<int>("pins");   // places pinned first, listed under the buttons
        QTest::newRow("default") << QSize() << false << 0;
        QTest::newRow("wide and low") << QSize(1400, 500) << true << 0;
        QTest::newRow("narrow and tall") << QSize(600, 1000) << true << 0;
        QTest::newRow("full screen") << QSize(1920, 1050) << true << 0;
        QTest::newRow("below the least") << QSize(200, 100) << false << 0;
        QTest::newRow("default, three pins") << QSize() << false << 3;
        QTest::newRow("larger, three pins") << QSize(800, 700) << true << 3;
    }

    // At any size the map keeps 2:1, every control lies in its frame and in the window without
    // covering another, and from 600 pixels up the tree cuts no name.
    void resized()
    {
        QFETCH(QSize, size);
        QFETCH(int, pins);
        StoreGeneral(HomeGermany());
        CMainDialog dialog;
        RunWith(dialog, [&] {
            const int height = dialog.height();
            for (int i = 0; i < pins; ++i)
                dialog.State().Pin(PlaceChoice(NewSouthWales + i));
            const QSize least = dialog.size();
            QCOMPARE(dialog.minimumSize(), least);
            QCOMPARE(least.height() > height, pins > 0); // the list's room added under the rest
            dialog.resize(size.isValid() ? size : least);
            QCoreApplication::processEvents();
            const QRect map = dialog.Map()->geometry().adjusted(2, 2, -2, -2);
            QTEST(map.width() == 2 * map.height(), "grown");
            QList<std::pair<QString, QStringList>> frames = {
                {"mapFrame", {"worldMap", "listOnlyBox", "showDaylightBox"}},
                {"homeGroup", {"homeDateClock", "homeTimeClock"}},
                {"selectedGroup", {"selectedDateClock", "selectedTimeClock"}},
                {"treeGroup", {"countryTree"}},
                {"", {"setHomeButton", "adjustTimeButton", "findCountryButton", "hideButton"}}};
            if (pins > 0)
                frames.append({QString(), {QStringLiteral("pinnedList")}});
            QList<QRect> placed;
            for (const auto &[frame, names] : frames) {
                const QRect outer = frame.isEmpty()
                                        ? dialog.rect()
                                        : Child<QWidget>(&dialog, qPrintable(frame))->geometry();
                QVERIFY2(dialog.rect().contains(outer), qPrintable(frame));
                for (const QString &name : names) {
                    const QRect r = Child<QWidget>(&dialog, qPrintable(name))->geometry();
                    QVERIFY2(outer.contains(r), qPrintable(name));
                    for (const QRect &other : std::as_const(placed))
                        QVERIFY2(!other.intersects(r), qPrintable(name));
                    placed << r;
                }
            }
            if (dialog.width() < 600)
                return;
            CCountryTree *tree = dialog.Tree();
            tree->FillTree(CCountryTree::NoFilter, -1);
            tree->expandAll();
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                QVERIFY2(tree->LabelRect(*it).right() < tree->viewport()->width(),
                         qPrintable((*it)->text(0)));
        });
    }

    // One window through its keys and menus, the map's included. Without a date and time tool,
    // Adjust Time is greyed and says what to install; on a dark desktop a clock nobody coloured
    // takes the light text.
    void windowKeysMenusAndLooks()
    {
        StoreGeneral(HomeGermany());
        const QByteArray path = qgetenv("PATH");
        const QPalette before = QApplication::palette();
        qputenv("PATH", "/nonexistent");
        QApplication::setPalette(QPalette(QColor(40, 40, 40)));
        auto restore = qScopeGuard([&] {
            qputenv("PATH", path);
            QApplication::setPalette(before);
        });
        CMainDialog dialog;
        bool exitEnabledWhileBusy = true;
        dialog.SetFindRun([&](QWidget *) {
            dialog.ShowTrayMenu(QPoint(20, 20));
            exitEnabledWhileBusy = Child(dialog.TrayMenu(), "trayExitAction")->isEnabled();
            dialog.TrayMenu()->close();
            return -1;
        });
        RunWith(dialog, [&] {
            QWidget *button = dialog.Control(CMainDialog::IDC_ADJUST_TIME);
            QVERIFY(!button->isEnabled());
            QVERIFY(button->toolTip().contains(QStringLiteral("gnome-control-center")));
            CClockCtrl *clock = dialog.HomeTimeClock();
            const QImage shown = clock->grab(clock->InnerRect()).toImage();
            int lightest = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    lightest = std::max(lightest, qGray(shown.pixel(x, y)));
            QVERIFY(lightest > 200);
            // The two boxes under the map's frame take the mouse: nothing lies over them.
            for (int id : {CMainDialog::IDC_LIST_ONLY, CMainDialog::IDC_SHOW_DAYLIGHT}) {
                QWidget *box = dialog.Control(id);
                QCOMPARE(dialog.childAt(box->geometry().center()), box);
            }
            CMapWnd *map = dialog.Map();
            // Focus goes only to an active window, which a slow (sanitized) build may not yet be.
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            map->setFocus();
            // The focus shows: the map's frame takes the highlight colour.
            const QColor highlight = map->palette().color(QPalette::Highlight);
            QCOMPARE(QColor(map->grab().toImage().pixel(0, 0)), highlight);
            dialog.Tree()->setFocus();
            QVERIFY(QColor(map->grab().toImage().pixel(0, 0)) != highlight);

            // The map menu's commands one after another (the map starts with land 2, sea 1); a
            // colour leaves the speed alone.
            const std::tuple<QString, int, int, int> commands[] = {
                {QStringLiteral("&Colours/&Land/&Cyan"), 6, 1, 123},
                {QStringLiteral("&Colours/&Sea/&Magenta"), 6, 4, 123},
                {QStringLiteral("&Scroll Speed/&Fast"), 6, 4, 600}};
            map->SetAcceleration(123);
            std::unique_ptr<QMenu> mapMenu(CreateMapMenu());
            for (const auto &[command, land, sea, acceleration] : commands) {
                QVERIFY(
                    OnMapMenuCommand(CommandOf(Item(mapMenu.get(), command)), *map, dialog.Tree()));
                QCOMPARE(map->GetLandColour(), land);
                QCOMPARE(map->GetSeaColour(), sea);
                QCOMPARE(map->GetAcceleration(), acceleration);
                // The tree's pictures are those of the strip of the land colour.
                const QList<QIcon> strip = CCountryTree::LoadImageStrip(land);
                QTreeWidgetItem *item = dialog.Tree()->topLevelItem(0);
                const int image = CCountryTree::ItemImage(item);
                QVERIFY(image >= 0 && image < strip.size() && !strip[image].isNull());
                QCOMPARE(item->icon(0).pixmap(24, 16).toImage(),
                         strip[image].pixmap(24, 16).toImage());
                // The wait window is gone once the map is recoloured.
                const auto windows = QApplication::topLevelWidgets();
                for (const QWidget *w : windows)
                    QVERIFY(!(qobject_cast<const CMapColourWaitDialog *>(w) && w->isVisible()));
            }

            // A key on the map acts as a click there: lit and gliding in, the tree and the
            // captions on the zone; the focus stays for the next key.
            const std::vector<float> zones = map->Zones();
            const std::tuple<float, Qt::Key, float> keys[] = {
                {zones.back(), Qt::Key_Right, zones.front()}, // across the date line
                {5.5f, Qt::Key_Right, 5.75f},                 // into a quarter hour
                {12.75f, Qt::Key_Left, 12.0f},                // from a zone without land
                {12.0f, Qt::Key_Right, 12.75f},               // into it: Chatham Is.
                {10.0f, Qt::Key_Right, 10.5f},                // Lord Howe Is.
                {-10.0f, Qt::Key_Right, -9.5f},               // Marquesas Is.
                {-3.5f, Qt::Key_Home, 1.0f}};                 // to Germany's zone
            for (const auto &[from, key, to] : keys) {
                map->SelectZone(from);
                map->FinishGlide();
                map->setFocus();
                QTest::keyClick(map, key);
                QCOMPARE(map->GetZone(), to);
                QVERIFY(map->IsGliding());
                QCOMPARE(dialog.focusWidget(), map);
                QCOMPARE(GroupTitle(dialog, CMainDialog::IDC_TREE_GROUP),
                         QStringLiteral("Countries/Regions in ") + FormatGmtOffset(to));
            }

            // No exit from the tray while a sheet of the window runs.
            dialog.OnFindCountry();
            QVERIFY(!exitEnabledWhileBusy);

            // Over the tree the tree keeps its own right-click; elsewhere the window's menu opens.
            const QPoint overTree = dialog.Tree()->geometry().center();
            QContextMenuEvent onTree(QContextMenuEvent::Mouse, overTree,
                                     dialog.mapToGlobal(overTree));
            QApplication::sendEvent(&dialog, &onTree);
            QVERIFY(!dialog.SystemMenu()->isVisible());
            // The Start at Login mark reads the autostart entry, whoever wrote it.
            QVERIFY(SetStartAtLogin(true, QStringLiteral("/usr/bin/orbiclock")));
            const QPoint bare(2, dialog.height() - 2);
            QContextMenuEvent onSurface(QContextMenuEvent::Mouse, bare, dialog.mapToGlobal(bare));
            QApplication::sendEvent(&dialog, &onSurface);
            QVERIFY(dialog.SystemMenu()->isVisible());
            auto *login = Child(dialog.SystemMenu(), "startAtLoginAction");
            QVERIFY(login->isChecked());
            login->trigger();
            QVERIFY(!QFile::exists(AutostartEntryPath()));
            dialog.SystemMenu()->close();
            // From the keyboard a region of the tree has no menu of its own: Shift+F10 (as the
            // Menu key, end to end) opens the window's.
            dialog.Tree()->setFocus();
            QTest::keyClick(dialog.Tree(), Qt::Key_F10, Qt::ShiftModifier);
            QVERIFY(dialog.SystemMenu()->isVisible());
            dialog.SystemMenu()->close();
        });
    }

    void convert_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Rows)); ++i)
            QTest::addRow("%s", Rows[i].name) << i;
    }

    void convert()
    {
        QFETCH(int, row);
        const Row &r = Rows[row];
        // The instant by the C library under the typed place's rule, shown under the other's.
        SetProcessTimeZone(r.fromHome ? r.homeZone : r.selectedZone);
        std::tm fields{};
        QVERIFY(strptime(r.typed, "%Y-%m-%dT%H:%M", &fields));
        fields.tm_isdst = r.isdst;
        const std::time_t t = std::mktime(&fields);
        SetProcessTimeZone(r.fromHome ? r.selectedZone : r.homeZone);
        std::tm there{};
        localtime_r(&t, &there);
        const QDateTime expected(QDate(there.tm_year + 1900, there.tm_mon + 1, there.tm_mday),
                                 QTime(there.tm_hour, there.tm_min), Qt::UTC);

        SetProcessTimeZone(r.homeZone); // the program's own clock runs on home time
        CConvertTimeDialog dialog;
        dialog.SetInputs({.homeIndex = r.home,
                          .selectedIndex = r.selected,
                          .ownDates = {},
                          .useDatabase = *r.homeZone == ':'});
        (r.fromHome ? dialog.HomeEdit() : dialog.SelectedEdit())
            ->SetWall(QDateTime::fromString(QLatin1String(r.typed) + u'Z', Qt::ISODate)
                          .toSecsSinceEpoch());
        QCOMPARE(QDateTime::fromSecsSinceEpoch(
                     (r.fromHome ? dialog.SelectedEdit() : dialog.HomeEdit())->Wall(), Qt::UTC),
                 expected);
        QCOMPARE(dialog.NoteText().isEmpty(), !*r.note);
        QVERIFY2(dialog.NoteText().contains(QLatin1String(r.note)), qPrintable(dialog.NoteText()));
        QVERIFY2(dialog.DayText().startsWith(QLatin1String(r.day)), qPrintable(dialog.DayText()));
    }

    void parseTypedTime_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read"); // empty: not read
        // Shown before: Wed 1 Jul 2026 09:15.
        const auto row = [](const char *name, const char *locale, const QString &typed,
                            const char *read) {
            QTest::newRow(name) << QString::fromLatin1(locale) << typed
                                << QString::fromLatin1(read);
        };
        row("time alone keeps the day", "C", "12:00", "2026-07-01T12:00");
        row("day and month keep the year", "C", "7 Dec 14:30", "2026-12-07T14:30");
        row("whole, as shown", "C", "Mon 7 Dec 2026 12:00", "2026-12-07T12:00");
        row("ISO date", "C", "2026-12-07 12:00", "2026-12-07T12:00");
        row("weekday alone: the next one", "C", "Fri", "2026-07-03T09:15");
        row("pm", "C", "2:30 pm", "2026-07-01T14:30");
        row("am, joined", "C", "12:15am", "2026-07-01T00:15");
        row("German, as shown", "de_DE", FormatWallTime(1796644800, QLocale("de_DE")),
            "2026-12-07T12:00");
        row("Arabic-Indic digits", "ar_EG", QStringLiteral("١٢:٠٠"), "2026-07-01T12:00");
        // What a 12-hour window shows reads back, the locale's AM/PM words included.
        SetUses24HourClock(false);
        for (const char *locale : {"C", "es_ES", "ar_EG", "ja_JP"})
            row(locale, locale, FormatWallTime(1796655600, QLocale(locale)), "2026-12-07T15:00");
        SetUses24HourClock(true);
        row("weekday the date is not", "C", "Tue 7 Dec 2026 12:00", "");
        row("a day June lacks", "C", "31 Jun", "");
        row("before 1902", "C", "1 Jan 1901 12:00", "");
        row("words", "C", "teatime", "");
    }

    void parseTypedTime()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, read);
        const WallTime shown = 1782897300; // Wed 1 Jul 2026 09:15
        const std::optional<WallTime> wall = ParseWallTime(typed, shown, QLocale(locale));
        QCOMPARE(wall ? QDateTime::fromSecsSinceEpoch(*wall, Qt::UTC).toString(Qt::ISODate)
                      : QString(),
                 read.isEmpty() ? QString() : read + QStringLiteral(":00Z"));
    }

    void typeAndStep_data()
    {
        QTest::addColumn<QString>("typed"); // over the whole field, then Enter
        QTest::addColumn<int>("cursor");    // then a key at this place, if not -1
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("home");
        // "Wed 1 Jul 2026  09:15": day at 4, month at 6, year at 10, hour at 16, minutes at 19.
        QTest::newRow("time") << "12:00" << -1 << 0 << "2026-07-01T12:00";
        QTest::newRow("Up, minutes") << "" << 20 << int(Qt::Key_Up) << "2026-07-01T09:16";
        QTest::newRow("Up, month") << "" << 7 << int(Qt::Key_Up) << "2026-08-01T09:15";
        QTest::newRow("Page Down, day") << "" << 4 << int(Qt::Key_PageDown) << "2026-06-21T09:15";
        QTest::newRow("not a time") << "teatime" << -1 << 0 << "2026-07-01T09:15";
    }

    // A person types into the home field as they would say the time, or steps it with the keys;
    // New York follows, six hours behind.
    void typeAndStep()
    {
        QFETCH(QString, typed);
        QFETCH(int, cursor);
        CConvertTimeDialog dialog;
        dialog.SetInputs({.homeIndex = Germany,
                          .selectedIndex = UsEastern,
                          .ownDates = {},
                          .useDatabase = true});
        dialog.show();
        const QRect buttons = Child<QWidget>(&dialog, "convertButtons")->geometry();
        CWallTimeEdit *home = dialog.HomeEdit();
        home->SetWall(1782897300); // Wed 1 Jul 2026 09:15
        home->setFocus();
        if (!typed.isEmpty()) {
            home->selectAll();
            QTest::keyClicks(home, typed);
            QTest::keyClick(home, Qt::Key_Return);
            QVERIFY(dialog.isVisible()); // Enter takes the time, and leaves the window open
        }
        if (cursor != -1) {
            home->setCursorPosition(cursor);
            QFETCH(int, key);
            QTest::keyClick(home, Qt::Key(key));
        }
        QTEST(QDateTime::fromSecsSinceEpoch(home->Wall(), Qt::UTC).toString(Qt::ISODate).chopped(4),
              "home");
        QCOMPARE(dialog.SelectedEdit()->Wall(), home->Wall() - 6 * 3600);
        const bool unread = typed == u"teatime"; // kept as typed, and named
        QCOMPARE(home->text(), unread ? typed : FormatWallTime(home->Wall()));
        QCOMPARE(dialog.NoteText().contains(QStringLiteral("\"teatime\" is not a date")), unread);
        // A note appearing moves nothing.
        dialog.layout()->activate();
        QCOMPARE(Child<QWidget>(&dialog, "convertButtons")->geometry(), buttons);
    }

private:
    FixedTimeSource m_clock{1782907200}; // 2026-07-01 12:00:00 GMT
    ScopedTimeSource m_scopedClock{&m_clock};
};

QTEST_MAIN(TestMainDialog)
#include "tst_maindialog.moc"
