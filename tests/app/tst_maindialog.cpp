#include "app/maindialog.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "home/sethomesheet.h"
#include "home/zonestore.h"
#include "map/mapwnd.h"
#include "map/panelwnd.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QGroupBox>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace {

constexpr int NewSouthWales = 17;
constexpr int Newfoundland = 70;
constexpr int Chile = 80;
constexpr int Germany = 121;
constexpr int India = 143;
constexpr int UsEastern = 328;

// Runs the dialog's loop, calls check inside it once everything posted at start-up has run,
// then ends the run. Returns what DoModal returned.
int RunWith(CMainDialog &dialog, const std::function<void()> &check)
{
    QTimer::singleShot(20, &dialog, [&dialog, check] {
        check();
        if (dialog.IsRunning())
            dialog.done(QDialog::Rejected);
    });
    return dialog.DoModal();
}

// Leaves a store behind whose general values are those given.
void StoreGeneral(const GeneralSettings &values)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brambleway"),
              QStringLiteral("Orbiclock"))
        .clear();
    CMainDialog writer;
    writer.SetSetHomeRun([](QWidget *, SetHomeValues &) { return false; });
    RunWith(writer, [&] {
        writer.SetGeneralSettings(values);
        writer.SaveSettings();
    });
}

GeneralSettings HomeGermany(bool showAtStartup = true, bool listOnly = false)
{
    GeneralSettings s;
    s.homeCountry = Germany;
    s.currentSelection = Germany;
    s.showAtStartup = showAtStartup;
    s.selectByListOnly = listOnly;
    return s;
}

QString GroupTitle(const CMainDialog &dialog, int id)
{
    return qobject_cast<QGroupBox *>(dialog.Control(id))->title();
}

QAction *TrayAction(const CMainDialog &dialog, const char *name)
{
    return dialog.TrayMenu()->findChild<QAction *>(QLatin1StringView(name));
}

// What `date` shows at t under a POSIX rule, in the C locale.
QString Date(const std::string &rule, TimeValue t, const char *format)
{
    QProcess date;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TZ"), QString::fromStdString(rule));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    date.setProcessEnvironment(env);
    date.start(QStringLiteral("date"),
               {QStringLiteral("-d"), QStringLiteral("@%1").arg(t), QString::fromLatin1(format)});
    if (!date.waitForFinished(5000))
        return QStringLiteral("(date did not answer)");
    return QString::fromLatin1(date.readAllStandardOutput()).trimmed();
}

// The rule of a place as its own clocks run: its table rule, or standard time only.
std::string PlaceRule(int index, bool withDaylight)
{
    const int option = withDaylight ? DaylightAuto : DaylightNotAdjusted;
    const auto zone = BuildHomeTimeZone({index, option, false, {}});
    return zone ? PosixRule(*zone, DaylightSwitchFor(option)) : std::string("UTC0");
}

QString ShortDate(const QString &isoDate)
{
    return QLocale::system()
        .toString(QDate::fromString(isoDate, Qt::ISODate), QLocale::ShortFormat)
        .left(CClockCtrl::MaxDateLength);
}

} // namespace

class TestMainDialog final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void againstDate_data();
    void againstDate();
    void chooseHomeOnFirstStart();
    void leaving_data();
    void leaving();
    void menusAndNames();
    void selection_data();
    void selection();

private:
    FixedTimeSource m_clock{1782907200}; // 2026-07-01 12:00:00 GMT
    ScopedTimeSource *m_scopedClock = nullptr;
};

void TestMainDialog::initTestCase()
{
    CTrayIcon::SetAvailabilityForTesting(true);
    m_scopedClock = new ScopedTimeSource(&m_clock);
}

void TestMainDialog::cleanupTestCase()
{
    delete m_scopedClock;
}

void TestMainDialog::init()
{
    SetProcessTimeZone("UTC0");
    StoreGeneral(HomeGermany());
}

// The clocks against an independent source: what `date` shows under the POSIX rule of the home
// (as the program applied it) and under the rule of the selected place.
void TestMainDialog::againstDate_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("showDaylight");
    QTest::addColumn<TimeValue>("when");
    QTest::addColumn<int>("handShift"); // seconds the user put the clock forward by hand

    const int Auto = DaylightAuto, ByHand = DaylightByHand, NotAdjusted = DaylightNotAdjusted;
    const int None = DaylightNone;
    const TimeValue january = 1768480496; // 2026-01-15 12:34:56 GMT
    const TimeValue july = 1782949501;    // 2026-07-01 23:45:01 GMT
    QTest::newRow("north home in winter, south place in summer")
        << Germany << Auto << NewSouthWales << true << january << 0;
    QTest::newRow("south home in winter, north place in summer")
        << NewSouthWales << Auto << UsEastern << true << july << 0;
    QTest::newRow("not adjusted: home on standard time")
        << Germany << NotAdjusted << UsEastern << true << july << 0;
    QTest::newRow("daylight saving not shown")
        << Germany << Auto << UsEastern << false << july << 0;
    QTest::newRow("home without daylight saving") << India << None << Chile << true << january << 0;
    QTest::newRow("southern home, half-hour place")
        << Chile << Auto << Newfoundland << true << july << 0;
    QTest::newRow("by hand, clock put forward in summer")
        << NewSouthWales << ByHand << Germany << true << january << 3600;
    QTest::newRow("by hand, not shown")
        << NewSouthWales << ByHand << Germany << false << january << 3600;
}

void TestMainDialog::againstDate()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(int, selected);
    QFETCH(bool, showDaylight);
    QFETCH(TimeValue, when);
    QFETCH(int, handShift);

    // The computer's clock, which under "by hand" the user has put forward by the summer hour.
    FixedTimeSource clock(when + handShift);
    ScopedTimeSource scoped(&clock);
    GeneralSettings s;
    s.homeCountry = home;
    s.currentSelection = selected;
    s.daylightOption = option;
    s.showDaylightSaving = showDaylight;
    s.showAtStartup = 1;
    StoreGeneral(s);

    CMainDialog dialog; // applies the home zone: the process's TZ is now the home's rule
    const char *applied = std::getenv("TZ");
    QVERIFY(applied && *applied);
    const std::string homeRule = applied;
    QStringList shown;
    RunWith(dialog, [&] {
        for (CClockCtrl *c : {dialog.HomeTimeClock(), dialog.HomeDateClock(),
                              dialog.SelectedTimeClock(), dialog.SelectedDateClock()})
            shown << c->FormatText();
    });

    // The home clocks: the computer's clock under the home's rule. Standard time when the user
    // does not want daylight saving shown; and "by hand" moves the clock, not the zone.
    const bool standard = !showDaylight || option == DaylightByHand;
    const std::string shownHomeRule = standard ? PlaceRule(home, false) : homeRule;
    const TimeValue homeInstant = showDaylight ? when + handShift : when;
    const std::string placeRule = PlaceRule(selected, showDaylight);
    QCOMPARE(shown, QStringList({Date(shownHomeRule, homeInstant, "+%H:%M:%S"),
                                 ShortDate(Date(shownHomeRule, homeInstant, "+%Y-%m-%d")),
                                 Date(placeRule, when, "+%H:%M:%S"),
                                 ShortDate(Date(placeRule, when, "+%Y-%m-%d"))}));
}

// No settings: Set Home runs by itself over the shown window, before the tray has a menu, and
// its choice reaches the settings file, the zone store and the home clocks.
void TestMainDialog::chooseHomeOnFirstStart()
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
        QVERIFY2(dialog.HomeTimeClock()->GetText().startsWith(QStringLiteral("12:00")),
                 qPrintable(dialog.HomeTimeClock()->GetText()));
    });
    QCOMPARE(GroupTitle(dialog, CMainDialog::IDC_HOME_GROUP), QStringLiteral("Home (GMT+10:00)"));
    store.sync();
    QCOMPARE(store.value("Home Country/Home Country").toInt(), NewSouthWales);
    QCOMPARE(store.value("Home Country/Use User Daylight Dates").toInt(), 1);
    QCOMPARE(store.value("Home Country/Daylight Month Start").toInt(), 9);
    const std::optional<TimeZoneInformation> record = CZoneStore().ReadRecord();
    QVERIFY(record);
    QCOMPARE(record->bias, -600);
    QCOMPARE(record->daylightDate.month, 10);
    QCOMPARE(record->daylightDate.day, 1);

    // The next start has the home and asks nothing.
    CMainDialog again;
    again.SetSetHomeRun([&](QWidget *, SetHomeValues &) { return ++runs < 0; });
    RunWith(again, [&] { QCOMPARE(runs, 1); });
}

void TestMainDialog::leaving_data()
{
    QTest::addColumn<int>("how"); // Escape, Hide, Enter, close, tray menu's Exit
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("visible");
    QTest::newRow("Escape hides") << 0 << true << false << false << true << false;
    QTest::newRow("&Hide hides") << 1 << true << false << false << true << false;
    QTest::newRow("Enter on the default button hides")
        << 2 << true << false << false << true << false;
    QTest::newRow("close, No") << 3 << true << false << true << true << true;
    QTest::newRow("close, Yes") << 3 << true << true << true << false << false;
    QTest::newRow("tray exit, Yes") << 4 << true << true << true << false << false;
    // With nowhere to hide to, the window starts shown and Escape only minimises it.
    QTest::newRow("Escape without a notification area")
        << 0 << false << false << false << true << true;
}

void TestMainDialog::leaving()
{
    QFETCH(int, how);
    QFETCH(bool, tray);
    QFETCH(bool, answer);
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
    bool running = false;
    bool visible = false;
    const int result = RunWith(dialog, [&] {
        // Off from now: what the store holds after the question, whatever the answer.
        dialog.SystemMenu()->findChild<QAction *>(QStringLiteral("showAtStartupAction"))->trigger();
        if (how == 0)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (how == 1)
            qobject_cast<QPushButton *>(dialog.Control(CMainDialog::IDC_HIDE))->click();
        else if (how == 2)
            QTest::keyClick(&dialog, Qt::Key_Return);
        else if (how == 3)
            dialog.close();
        else
            TrayAction(dialog, "trayExitAction")->trigger();
        running = dialog.IsRunning();
        visible = dialog.isVisible();
        QCOMPARE(dialog.isMinimized(), !tray);
        if (running && !visible) {
            dialog.TrayIcon()->SendNotify(NM_DBLCLK);
            QVERIFY(dialog.isVisible());
        }
    });
    QTEST(!question.isEmpty(), "asked");
    QTEST(running, "running");
    QTEST(visible, "visible");
    QCOMPARE(result, answer ? int(QDialog::Accepted) : int(QDialog::Rejected));
    if (!question.isEmpty()) {
        QCOMPARE(question, QStringLiteral("Are you sure you want to exit Orbiclock ?"));
        QVERIFY(!CMainDialog().IsVisibleAtStart());
    }
}

void TestMainDialog::menusAndNames()
{
    CMainDialog dialog;
    bool exitEnabledWhileBusy = true;
    dialog.SetFindRun([&](QWidget *) {
        dialog.ShowTrayMenu(QPoint(20, 20));
        exitEnabledWhileBusy = TrayAction(dialog, "trayExitAction")->isEnabled();
        dialog.TrayMenu()->close();
        return -1;
    });
    RunWith(dialog, [&] {
        // Every control is named, for tools and for assistive technology.
        const QList<QWidget *> widgets = dialog.findChildren<QWidget *>();
        for (QWidget *w : widgets) {
            if (w->parent() != &dialog)
                continue;
            QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        // No exit from the tray while a sheet of the window runs.
        dialog.OnFindCountry();
        QVERIFY(!exitEnabledWhileBusy);
        dialog.ShowTrayMenu(QPoint(20, 20));
        QVERIFY(TrayAction(dialog, "trayExitAction")->isEnabled());
        dialog.TrayMenu()->close();
        dialog.hide();
        TrayAction(dialog, "trayShowAction")->trigger();
        QVERIFY(dialog.isVisible());

        // Over the tree the tree keeps its own right-click; elsewhere the window's menu opens.
        const QPoint overTree = dialog.Tree()->geometry().center();
        QContextMenuEvent onTree(QContextMenuEvent::Mouse, overTree, dialog.mapToGlobal(overTree));
        QApplication::sendEvent(&dialog, &onTree);
        QVERIFY(!dialog.SystemMenu()->isVisible());
        const QPoint bare(2, dialog.height() - 2);
        QContextMenuEvent onSurface(QContextMenuEvent::Mouse, bare, dialog.mapToGlobal(bare));
        QApplication::sendEvent(&dialog, &onSurface);
        QVERIFY(dialog.SystemMenu()->isVisible());
        dialog.SystemMenu()->close();
    });
}

// What picks the selected place, and what follows it: selection, selected clocks, tree caption
// and tray tip. Germany (+1, in its summer) is home and selected at the start.
void TestMainDialog::selection_data()
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
    QTest::newRow("map click elsewhere") << false << 0 << 0 << -1 << 210 << in530 << "GMT+5:30 ";
    // With list only on the map picks nothing, so its zone stays.
    QTest::newRow("map click, list only") << true << 0 << 0 << Germany << 0 << all << "Germany ";
    // -5 from Germany's +1, and Germany's summer hour already in the computer's clock.
    QTest::newRow("region node") << true << 1 << 0 << -1 << -420 << all << "GMT-5:00 ";
    // New South Wales: +10, in its winter; its tip names the state and the country.
    QTest::newRow("found another entry")
        << false << 2 << NewSouthWales << NewSouthWales << 480 << "Countries/Regions in GMT+10:00"
        << "New South Wales, Australia ";
    QTest::newRow("Find cancelled") << false << 2 << -1 << Germany << 0 << in100 << "Germany ";
    QTest::newRow("list only on") << false << 3 << 1 << Germany << 0 << all << "Germany ";
    QTest::newRow("list only off again") << false << 3 << 2 << Germany << 0 << in100 << "Germany ";
}

void TestMainDialog::selection()
{
    QFETCH(bool, listOnly);
    QFETCH(int, action);
    QFETCH(int, found);
    StoreGeneral(HomeGermany(true, listOnly));
    CMainDialog dialog;
    dialog.SetFindRun([&](QWidget *) { return found; });
    RunWith(dialog, [&] {
        if (action == 0) {
            if (!listOnly)
                dialog.Map()->SelectZone(5.5f); // where the click landed
            PanelNotify click;
            click.idFrom = CMainDialog::IDC_MAP;
            click.code = NM_CLICK;
            dialog.OnMapNotify(click);
        } else if (action == 1) {
            dialog.Map()->SelectZone(-5.0f);
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
        QVERIFY2(dialog.TrayIcon()->Tip().startsWith(tip), qPrintable(dialog.TrayIcon()->Tip()));
    });
}

QTEST_MAIN(TestMainDialog)
#include "tst_maindialog.moc"
