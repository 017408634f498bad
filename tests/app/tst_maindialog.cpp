#include "app/maindialog.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "home/sethomesheet.h"
#include "map/mapwnd.h"
#include "map/panelwnd.h"
#include "settings/settingsstore.h"
#include "zones/countrytable.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr int Germany = 121;
constexpr int India = 143;
constexpr int NewSouthWales = 17;

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

void ClearStore()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brambleway"),
                    QStringLiteral("Orbiclock"));
    store.clear();
    store.sync();
}

// Leaves a store behind whose general values are those given.
void StoreGeneral(const GeneralSettings &values)
{
    ClearStore();
    CMainDialog writer;
    writer.SetSetHomeRun([](QWidget *, SetHomeValues &) { return false; });
    RunWith(writer, [&] {
        writer.SetGeneralSettings(values);
        writer.SaveSettings();
    });
}

GeneralSettings HomeGermany(bool showAtStartup = true)
{
    GeneralSettings s;
    s.homeCountry = Germany;
    s.currentSelection = Germany;
    s.showAtStartup = showAtStartup;
    return s;
}

PanelNotify Click()
{
    PanelNotify n;
    n.idFrom = CMainDialog::IDC_MAP;
    n.code = NM_CLICK;
    return n;
}

} // namespace

class TestMainDialog final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void firstStart();
    void setHomeAdoptsTheChoice();
    void hiddenStart();
    void layout();
    void hidingNeverAsks_data();
    void hidingNeverAsks();
    void exitQuestion_data();
    void exitQuestion();
    void trayMenu();
    void mapClick_data();
    void mapClick();
    void regionNodeFollowsTheMap();
    void findCountry_data();
    void findCountry();
    void listOnlySwitch();
    void showAtStartupToggle();
    void windowMenuOnTheSurface();
    void withoutNotificationArea();

private:
    FixedTimeSource m_clock{1782907200}; // 2026-07-01 12:00:00 GMT
    ScopedTimeSource *m_scopedClock = nullptr;
};

void TestMainDialog::initTestCase()
{
    SetProcessTimeZone("UTC0");
    CTrayIcon::SetAvailabilityForTesting(true);
    m_scopedClock = new ScopedTimeSource(&m_clock);
}

void TestMainDialog::cleanupTestCase()
{
    delete m_scopedClock;
    CTrayIcon::SetAvailabilityForTesting(std::nullopt);
}

void TestMainDialog::init()
{
    ClearStore();
}

void TestMainDialog::firstStart()
{
    CMainDialog dialog;
    int setHomeRuns = 0;
    bool visibleDuringSheet = false;
    dialog.SetSetHomeRun([&](QWidget *, SetHomeValues &values) {
        ++setHomeRuns;
        visibleDuringSheet = dialog.isVisible();
        return values.homeIndex != -1; // cancelled
    });
    QVERIFY(dialog.IsVisibleAtStart());
    RunWith(dialog, [&] {
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.HomeIndex(), -1);
        QCOMPARE(dialog.HomeOffset(), 0.0f);
        QCOMPARE(setHomeRuns, 1);
        QVERIFY(visibleDuringSheet);
        QVERIFY(dialog.TrayIcon()->IsShown());
        // Without a home the clocks show the computer's own time.
        QCOMPARE(dialog.HomeTimeClock()->GetOffset(), TimeSpan(0));
        QCOMPARE(dialog.SelectedTimeClock()->GetOffset(), TimeSpan(0));
        // No tray menu before a home exists.
        dialog.ShowTrayMenu(QPoint(10, 10));
        QVERIFY(!dialog.TrayMenu()->isVisible());
    });
}

void TestMainDialog::setHomeAdoptsTheChoice()
{
    {
        CMainDialog dialog;
        dialog.SetSetHomeRun([](QWidget *, SetHomeValues &values) {
            values.homeIndex = NewSouthWales;
            values.daylightOption = DaylightAuto;
            return true;
        });
        RunWith(dialog, [&] {
            QCOMPARE(dialog.HomeIndex(), NewSouthWales);
            QCOMPARE(dialog.HomeOffset(), 10.0f);
            QCOMPARE(
                qobject_cast<QGroupBox *>(dialog.Control(CMainDialog::IDC_HOME_GROUP))->title(),
                QStringLiteral("Home (GMT+10:00)"));
        });
    }
    // Saved on OK: the next start has the home and asks nothing.
    CMainDialog again;
    int runs = 0;
    again.SetSetHomeRun([&](QWidget *, SetHomeValues &) { return ++runs < 0; });
    QCOMPARE(again.HomeIndex(), NewSouthWales);
    RunWith(again, [&] { QCOMPARE(runs, 0); });
}

void TestMainDialog::hiddenStart()
{
    StoreGeneral(HomeGermany(false));
    CMainDialog dialog;
    QVERIFY(!dialog.IsVisibleAtStart());
    bool shownByDoubleClick = false;
    RunWith(dialog, [&] {
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.TrayIcon()->IsShown());
        QCOMPARE(dialog.HomeIndex(), Germany);
        dialog.TrayIcon()->SendNotify(NM_DBLCLK);
        shownByDoubleClick = dialog.isVisible();
    });
    QVERIFY(shownByDoubleClick);
}

void TestMainDialog::layout()
{
    StoreGeneral(HomeGermany());
    CMainDialog dialog;
    RunWith(dialog, [&] {
        // Every control carries a name for tools and for assistive technology.
        const QList<QWidget *> widgets = dialog.findChildren<QWidget *>();
        for (QWidget *w : widgets) {
            if (w->parent() != &dialog)
                continue;
            QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        auto button = [&](int id) {
            return qobject_cast<QPushButton *>(dialog.Control(id));
        };
        QCOMPARE(button(CMainDialog::IDC_HIDE)->text(), QStringLiteral("&Hide"));
        QVERIFY(button(CMainDialog::IDC_HIDE)->isDefault());
        QCOMPARE(button(CMainDialog::IDC_SET_HOME)->text(), QStringLiteral("&Set Home"));
        QCOMPARE(button(CMainDialog::IDC_ADJUST_TIME)->text(), QStringLiteral("&Adjust Time"));
        QCOMPARE(button(CMainDialog::IDC_FIND_COUNTRY)->text(), QStringLiteral("&Find Country"));

        // The map and the clocks lie exactly over their placeholders, inside the window.
        const QRect window = dialog.rect();
        QCOMPARE(dialog.Map()->geometry(),
                 dialog.findChild<QWidget *>(QStringLiteral("mapPlaceholder"))->geometry());
        const std::pair<CClockCtrl *, const char *> clocks[] = {
            {dialog.HomeDateClock(), "homeDatePlaceholder"},
            {dialog.HomeTimeClock(), "homeTimePlaceholder"},
            {dialog.SelectedDateClock(), "selectedDatePlaceholder"},
            {dialog.SelectedTimeClock(), "selectedTimePlaceholder"},
        };
        for (const auto &[clock, placeholder] : clocks) {
            QCOMPARE(clock->geometry(),
                     dialog.findChild<QWidget *>(QString::fromLatin1(placeholder))->geometry());
            QVERIFY(window.contains(clock->geometry()));
        }
        QCOMPARE(dialog.HomeDateClock()->GetMode(), CClockCtrl::ModeDate);
        QCOMPARE(dialog.HomeTimeClock()->GetMode(), CClockCtrl::ModeTime);
        QCOMPARE(dialog.SelectedDateClock()->GetTextColour(), COLORREF(255));
        QCOMPARE(dialog.SelectedTimeClock()->GetTextColour(), COLORREF(255));
        QCOMPARE(dialog.HomeTimeClock()->GetTextColour(), COLORREF(0));
        // The four buttons share a row and do not overlap.
        const QRect hide = button(CMainDialog::IDC_HIDE)->geometry();
        const QRect find = button(CMainDialog::IDC_FIND_COUNTRY)->geometry();
        QCOMPARE(hide.top(), find.top());
        QVERIFY(find.right() < hide.left());
        QVERIFY(window.contains(hide));
        QVERIFY(!dialog.Tree()->geometry().intersects(dialog.Map()->geometry()));
    });
}

void TestMainDialog::hidingNeverAsks_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Escape") << 0;
    QTest::newRow("&Hide") << 1;
    QTest::newRow("Enter on the default button") << 2;
}

void TestMainDialog::hidingNeverAsks()
{
    QFETCH(int, how);
    StoreGeneral(HomeGermany());
    CMainDialog dialog;
    int asked = 0;
    dialog.SetExitQuestion([&](QWidget *, const QString &) { return ++asked < 0; });
    RunWith(dialog, [&] {
        QVERIFY(dialog.isVisible());
        if (how == 0)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (how == 1)
            qobject_cast<QPushButton *>(dialog.Control(CMainDialog::IDC_HIDE))->click();
        else
            QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.IsRunning());
        QVERIFY(dialog.TrayIcon()->IsShown());
        dialog.ShowMainWindow();
        QVERIFY(dialog.isVisible());
    });
    QCOMPARE(asked, 0);
}

void TestMainDialog::exitQuestion_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("fromTray");
    QTest::newRow("close, No") << false << false;
    QTest::newRow("close, Yes") << true << false;
    QTest::newRow("tray exit, Yes") << true << true;
}

void TestMainDialog::exitQuestion()
{
    QFETCH(bool, answer);
    QFETCH(bool, fromTray);
    StoreGeneral(HomeGermany());
    CMainDialog dialog;
    QString question;
    dialog.SetExitQuestion([&](QWidget *, const QString &text) {
        question = text;
        return answer;
    });
    bool runningAfter = false;
    const int result = RunWith(dialog, [&] {
        dialog.ToggleShowAtStartup(); // now off: must be what the store holds after the question
        if (fromTray)
            dialog.TrayMenu()->findChild<QAction *>(QStringLiteral("trayExitAction"))->trigger();
        else
            dialog.close();
        runningAfter = dialog.IsRunning();
    });
    QCOMPARE(question, QStringLiteral("Are you sure you want to exit Orbiclock ?"));
    QCOMPARE(runningAfter, !answer);
    if (answer)
        QCOMPARE(result, int(QDialog::Accepted));
    CMainDialog reread;
    QVERIFY(!reread.IsVisibleAtStart());
}

void TestMainDialog::trayMenu()
{
    StoreGeneral(HomeGermany());
    CMainDialog dialog;
    bool exitEnabledWhileBusy = true;
    dialog.SetFindRun([&](QWidget *) {
        dialog.ShowTrayMenu(QPoint(20, 20));
        exitEnabledWhileBusy =
            dialog.TrayMenu()->findChild<QAction *>(QStringLiteral("trayExitAction"))->isEnabled();
        dialog.TrayMenu()->close();
        return -1;
    });
    RunWith(dialog, [&] {
        dialog.OnFindCountry();
        QVERIFY(!exitEnabledWhileBusy);
        dialog.ShowTrayMenu(QPoint(20, 20));
        QVERIFY(dialog.TrayMenu()->isVisible());
        QVERIFY(
            dialog.TrayMenu()->findChild<QAction *>(QStringLiteral("trayExitAction"))->isEnabled());
        dialog.TrayMenu()->close();
        dialog.hide();
        dialog.TrayMenu()->findChild<QAction *>(QStringLiteral("trayShowAction"))->trigger();
        QVERIFY(dialog.isVisible());
    });
}

void TestMainDialog::mapClick_data()
{
    QTest::addColumn<bool>("listOnly");
    QTest::newRow("map selects") << false;
    QTest::newRow("list only") << true;
}

void TestMainDialog::mapClick()
{
    QFETCH(bool, listOnly);
    GeneralSettings s = HomeGermany();
    s.selectByListOnly = listOnly;
    StoreGeneral(s);
    CMainDialog dialog;
    RunWith(dialog, [&] {
        auto *treeGroup = qobject_cast<QGroupBox *>(dialog.Control(CMainDialog::IDC_TREE_GROUP));
        const QString captionBefore = treeGroup->title();
        const int itemsBefore = dialog.Tree()->topLevelItemCount();
        const TimeSpan selectedBefore = dialog.SelectedTimeClock()->GetOffset();
        // A click that landed on the India zone: with list only on the map picks nothing, so
        // its zone stays.
        if (!listOnly)
            dialog.Map()->SelectZone(5.5f);
        dialog.OnMapNotify(Click());
        QVERIFY(dialog.Tree()->hasFocus() || !QApplication::focusWidget());
        if (listOnly) {
            QCOMPARE(dialog.SelectedIndex(), Germany);
            QCOMPARE(treeGroup->title(), captionBefore);
            QCOMPARE(dialog.Tree()->topLevelItemCount(), itemsBefore);
            QCOMPARE(dialog.SelectedTimeClock()->GetOffset(), selectedBefore);
            return;
        }
        // Germany is not at +5:30: nothing stays selected, and the selected clocks follow the
        // map's zone at once (4:30 ahead of Germany's standard time, less its summer hour).
        QCOMPARE(dialog.SelectedIndex(), -1);
        QCOMPARE(treeGroup->title(), QStringLiteral("Countries/Regions in GMT+5:30"));
        QCOMPARE(dialog.SelectedTimeClock()->GetOffset(), TimeSpan(3 * 3600 + 30 * 60));
        QCOMPARE(dialog.SelectedDateClock()->GetOffset(), TimeSpan(3 * 3600 + 30 * 60));
        QCOMPARE(
            qobject_cast<QGroupBox *>(dialog.Control(CMainDialog::IDC_SELECTED_GROUP))->title(),
            QStringLiteral("Selected (GMT+5:30)"));
        QVERIFY(dialog.TrayIcon()->Tip().startsWith(QStringLiteral("GMT+5:30 ")));
        // Picking India in the refilled tree selects it.
        QCOMPARE(dialog.Tree()->FillTree(5.5f, India), India);
        QCOMPARE(dialog.SelectedIndex(), India);
        QVERIFY(dialog.TrayIcon()->Tip().startsWith(QStringLiteral("India ")));
    });
}

void TestMainDialog::regionNodeFollowsTheMap()
{
    GeneralSettings s = HomeGermany();
    s.selectByListOnly = 1;
    StoreGeneral(s);
    CMainDialog dialog;
    RunWith(dialog, [&] {
        QCOMPARE(dialog.SelectedIndex(), Germany);
        QCOMPARE(dialog.SelectedTimeClock()->GetOffset(), TimeSpan(0));
        dialog.Map()->SelectZone(-5.0f);
        QTreeWidgetItem *region = dialog.Tree()->topLevelItem(0);
        QVERIFY(region && region->childCount() > 0);
        dialog.Tree()->setCurrentItem(region);
        QCOMPARE(dialog.SelectedIndex(), -1);
        // -5 from Germany's +1, and Germany's summer hour already in the computer's clock.
        QCOMPARE(dialog.SelectedTimeClock()->GetOffset(), TimeSpan(-7 * 3600));
        QCOMPARE(
            qobject_cast<QGroupBox *>(dialog.Control(CMainDialog::IDC_SELECTED_GROUP))->title(),
            QStringLiteral("Selected (GMT-5:00)"));
    });
}

void TestMainDialog::findCountry_data()
{
    QTest::addColumn<int>("found");
    QTest::newRow("the selected entry") << Germany;
    QTest::newRow("cancelled") << -1;
    QTest::newRow("another entry") << India;
}

void TestMainDialog::findCountry()
{
    QFETCH(int, found);
    StoreGeneral(HomeGermany());
    CMainDialog dialog;
    dialog.SetFindRun([&](QWidget *) { return found; });
    RunWith(dialog, [&] {
        QTreeWidgetItem *before = dialog.Tree()->currentItem();
        const float zoneBefore = dialog.Map()->GetZone();
        dialog.OnFindCountry();
        QVERIFY(!dialog.IsBusy());
        if (found != India) {
            QCOMPARE(dialog.Tree()->currentItem(), before);
            QCOMPARE(dialog.Map()->GetZone(), zoneBefore);
            QCOMPARE(dialog.SelectedIndex(), Germany);
            return;
        }
        QCOMPARE(dialog.SelectedIndex(), India);
        QCOMPARE(dialog.Map()->GetZone(), 5.5f);
        QCOMPARE(dialog.SelectedTimeClock()->GetOffset(), TimeSpan(3 * 3600 + 30 * 60));
        QCOMPARE(qobject_cast<QLabel *>(dialog.Control(CMainDialog::IDC_OFFSET_LABEL))->text(),
                 QStringLiteral("GMT+5:30"));
    });
}

void TestMainDialog::listOnlySwitch()
{
    StoreGeneral(HomeGermany());
    CMainDialog dialog;
    RunWith(dialog, [&] {
        auto *box = qobject_cast<QCheckBox *>(dialog.Control(CMainDialog::IDC_LIST_ONLY));
        auto *treeGroup = qobject_cast<QGroupBox *>(dialog.Control(CMainDialog::IDC_TREE_GROUP));
        QVERIFY(!box->isChecked());
        QVERIFY(dialog.Map()->testAttribute(Qt::WA_SetCursor));
        const int filtered = dialog.Tree()->topLevelItemCount();
        box->click();
        QVERIFY(dialog.IsListOnly());
        QCOMPARE(treeGroup->title(), QStringLiteral("Countries/Regions"));
        QCOMPARE(dialog.Tree()->topLevelItemCount(), RegionCount);
        QVERIFY(dialog.Tree()->topLevelItemCount() >= filtered);
        QVERIFY(!dialog.Map()->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(dialog.SelectedIndex(), Germany);
        box->click();
        QVERIFY(!dialog.IsListOnly());
        QCOMPARE(treeGroup->title(), QStringLiteral("Countries/Regions in GMT+1:00"));
        QVERIFY(dialog.Map()->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(dialog.SelectedIndex(), Germany);
    });
}

void TestMainDialog::showAtStartupToggle()
{
    StoreGeneral(HomeGermany(false));
    CMainDialog dialog;
    RunWith(dialog, [&] {
        QAction *item =
            dialog.SystemMenu()->findChild<QAction *>(QStringLiteral("showAtStartupAction"));
        QVERIFY(item && item->isCheckable());
        QVERIFY(!item->isChecked());
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(dialog.IsShowAtStartup());
        dialog.SaveSettings();
    });
    CMainDialog reread;
    QVERIFY(reread.IsVisibleAtStart());
}

void TestMainDialog::windowMenuOnTheSurface()
{
    StoreGeneral(HomeGermany());
    CMainDialog dialog;
    RunWith(dialog, [&] {
        // Over the tree the tree keeps its own right-click; elsewhere the window's menu opens.
        const QPoint overTree = dialog.Tree()->geometry().center();
        QContextMenuEvent onTree(QContextMenuEvent::Mouse, overTree, dialog.mapToGlobal(overTree));
        QApplication::sendEvent(&dialog, &onTree);
        QVERIFY(!dialog.SystemMenu()->isVisible());
        const QPoint bare(2, dialog.height() - 2);
        QContextMenuEvent onSurface(QContextMenuEvent::Mouse, bare, dialog.mapToGlobal(bare));
        QApplication::sendEvent(&dialog, &onSurface);
        QVERIFY(dialog.SystemMenu()->isVisible());
        const QList<QAction *> items = dialog.SystemMenu()->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QStringLiteral("&Show At Startup"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->text(), QStringLiteral("&About Orbiclock..."));
        dialog.SystemMenu()->close();
    });
}

void TestMainDialog::withoutNotificationArea()
{
    // With nowhere to hide to, the window starts shown and Escape only minimises it.
    StoreGeneral(HomeGermany(false));
    CTrayIcon::SetAvailabilityForTesting(false);
    CMainDialog dialog;
    QVERIFY(dialog.IsVisibleAtStart());
    RunWith(dialog, [&] {
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.isMinimized());
        QVERIFY(dialog.IsRunning());
    });
    CTrayIcon::SetAvailabilityForTesting(true);
}

QTEST_MAIN(TestMainDialog)
#include "tst_maindialog.moc"
