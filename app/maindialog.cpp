// SPDX-License-Identifier: MIT

#include "app/maindialog.h"

#include "app/clockoffsets.h"
#include "app/converttimedialog.h"
#include "app/pinnedlist.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "clock/clockticker.h"
#include "countries/countrytree.h"
#include "countries/findcountrypage.h"
#include "home/hometimezone.h"
#include "home/sethomesheet.h"
#include "home/timechangewatcher.h"
#include "map/mapwnd.h"
#include "map/panelwnd.h"
#include "res/resources.h"
#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

static_assert(WindowState::NoFilter == CCountryTree::NoFilter);

CMainDialog::CMainDialog(QWidget *parent, StartedBy startedBy) : CHideableDialog(parent)
{
    setObjectName(QStringLiteral("mainDialog"));
    setAccessibleName(QStringLiteral("Orbiclock"));
    setWindowTitle(QStringLiteral("Orbiclock"));
    // A top-level window with a caption, system menu, maximise and close boxes, shown on the
    // taskbar. Minimising stays possible where the desktop has no tray to hide into.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (!CTrayIcon::IsAvailable())
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);

    m_state = new WindowState(this);
    m_trayIcon = new CTrayIcon(this);
    WindowState::RestoreEntryStates();

    if (IsNewSettingsVersion()) {
        SetVisibleAtStart(true);
    } else {
        LoadGeneralSettings(*this);
        SetVisibleAtStart(m_state->IsShowAtStartup() || startedBy == StartedBy::Person);
        m_state->ApplyHomeZoneAndSwitch(m_state->HomeIndex() != -1);
    }
    // Without a notification area a hidden window could never be brought back.
    if (!CTrayIcon::IsAvailable())
        SetVisibleAtStart(true);
}

CMainDialog::~CMainDialog()
{
    if (m_nTipTicker != 0)
        CClockTicker::Instance().Remove(m_nTipTicker);
    if (m_trayIcon)
        m_trayIcon->SetVisible(false);
    // The state, made first, goes first: what the tree announces as it goes must not reach it.
    if (m_tree)
        m_tree->disconnect(this);
}

void CMainDialog::OnInitDialog()
{
    CreateControls();
    CreateSystemMenu();
    CreateTrayMenu();

    // The icon docks once the event loop runs: its round trips to the X server and the session
    // bus need not hold up the window's first appearance. By then the tip names the selection.
    QTimer::singleShot(0, this, [this] {
        const QString tip = m_trayIcon->Tip();
        m_trayIcon->Create(true, IDC_TRAY_ICON, tip.isEmpty() ? QStringLiteral("Orbiclock") : tip);
    });
    connect(m_trayIcon, &CTrayIcon::Notify, this, &CMainDialog::OnTrayNotify);
    // The tip's time is worked out as the tray shows it; a host that reads it in advance gets it
    // at each minute of the clocks' tick, which need not wake every second for it.
    m_nTipTicker = CClockTicker::Instance().Add([this](TimeValue) { UpdateTrayTip(false); }, false);
    m_trayIcon->SetBeforeTipShown([this] { UpdateTrayTip(false); });
    auto *convert = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(convert, &QShortcut::activated, this, &CMainDialog::OnConvertTime);
    auto *watcher = new CTimeChangeWatcher(this);
    watcher->setObjectName(QStringLiteral("timeChangeWatcher"));
    connect(watcher, &CTimeChangeWatcher::TimeChanged, m_state, &WindowState::FollowSystemTime);

    const bool database = m_state->IsUsingTimeZoneDatabase();
    m_map = new CMapWnd(this);
    m_map->setObjectName(QStringLiteral("worldMap"));
    m_map->SetHomeZone(m_state->HomeOffset());
    // Zone, colours and size are chosen before the map is made (below, after the stored
    // settings and placement), so it draws its key and lights its zone once; the layout takes
    // its place already.
    const float startOffset = m_state->StartZone();
    m_map->SetUseDatabaseZones(database);
    m_map->SelectZone(startOffset);
    // The map's land as the last run built it, which costs far more to build than to read.
    m_map->SetKeptLand(WindowState::ReadKeptMapLand());
    connect(m_map, &CMapWnd::LandBuilt, this, [this] {
        // Once written, the map reads its land from the file too, as the next start will.
        if (WindowState::KeepMapLand(m_map->TakeLandToKeep()))
            m_map->ShareKeptLand(WindowState::ReadKeptMapLand());
    });
    m_map->setGeometry(m_placeholders[0]->geometry());
    connect(m_map, &CPanelWnd::Notify, this, &CMainDialog::OnMapNotify);
    // The keys reach every zone a place stands in, as the tree lists them.
    m_map->SetPlaceZones([this] { return m_state->PlaceZones(); });

    auto makeClock = [this](CClockCtrl *&clock, int placeholder, int id, const char *name,
                            const QString &accessible) {
        // Until the user picks a colour, a clock is drawn in the desktop's own colours, so it
        // stays readable on a dark theme.
        clock = new CClockCtrl(CLR_DEFAULT, CLR_DEFAULT, this);
        clock->setObjectName(QString::fromLatin1(name));
        clock->SetAccessibleLabel(accessible);
        clock->Create(m_placeholders[placeholder]->geometry(), this, id);
    };
    makeClock(m_clockHomeDate, 1, IDC_HOME_DATE, "homeDateClock", tr("Home date"));
    makeClock(m_clockHomeTime, 2, IDC_HOME_TIME, "homeTimeClock", tr("Home time"));
    makeClock(m_clockSelectedDate, 3, IDC_SELECTED_DATE, "selectedDateClock", tr("Selected date"));
    makeClock(m_clockSelectedTime, 4, IDC_SELECTED_TIME, "selectedTimeClock", tr("Selected time"));
    m_clockHomeDate->SetMode(CClockCtrl::ModeDate);
    m_clockSelectedDate->SetMode(CClockCtrl::ModeDate);
    m_clockSelectedDate->SetTextColour(SelectedClockColour);
    m_clockSelectedTime->SetTextColour(SelectedClockColour);
    // Tab goes through the window in reading order: the map, the boxes under it, the clocks,
    // the tree, the buttons. The map and the clocks take the focus like any control.
    QWidget *const tabOrder[] = {
        m_map,           m_listOnlyBox,       m_showDaylightBox,   m_clockHomeDate,
        m_clockHomeTime, m_clockSelectedDate, m_clockSelectedTime, m_tree,
        m_setHomeButton, m_adjustTimeButton,  m_findButton,        m_hideButton};
    for (std::size_t i = 0; i < std::size(tabOrder); ++i) {
        if (qobject_cast<CPanelWnd *>(tabOrder[i]))
            tabOrder[i]->setFocusPolicy(Qt::StrongFocus);
        if (i > 0)
            setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
    CollectLayout();

    if (!IsNewSettingsVersion())
        LoadClockAndMapSettings(*this);
    m_tree->SetUseDatabase(database);
    RebuildTreeImages(m_map->GetLandColour());
    ConnectState();
    CreatePinnedList();
    RestorePlacement(); // the size stored holds the pins' list

    const bool listOnly = m_state->IsListOnly();
    m_state->SetMapZone(startOffset);
    m_tree->FillTree(listOnly ? CCountryTree::NoFilter : startOffset, m_state->SelectedIndex());
    // The controls placed for the restored size now, the tree filled (a hidden window hears of
    // its size only when shown), so the map is made once, at its own size.
    PlaceControls(size());
    m_map->Create(m_map->geometry(), this, IDC_MAP);
    m_map->SetCentreMode(!listOnly, false);
    UpdateMapCursor();

    m_listOnlyBox->setChecked(listOnly);
    m_showDaylightBox->setChecked(m_state->IsShowDaylightSaving());

    if (m_state->HomeIndex() == -1) {
        m_bSetHomePosted = true;
        QTimer::singleShot(0, this, [this] {
            m_bSetHomePosted = false;
            OnSetHome();
        });
    }

    m_showAtStartupAction->setChecked(m_state->IsShowAtStartup());
    // What the first fill worked out is kept for the next start, once the window is up.
    QTimer::singleShot(2000, this, [this] {
        WindowState::SaveEntryStates();
        if (m_state->RefillIfEntriesDisproved())
            m_map->Relight();
    });
    m_tree->setFocus();
    m_state->RecomputeClockOffsets();
    m_state->SetCaptionZone(startOffset);
    if (m_state->RefillIfEntriesDisproved())
        m_map->Relight();
}

void CMainDialog::ConnectState()
{
    connect(m_state, &WindowState::homeChanged, this,
            [this] { m_map->SetHomeZone(m_state->HomeOffset()); });
    connect(m_state, &WindowState::modeChanged, this, [this](bool database) {
        m_tree->SetUseDatabase(database);
        m_map->SetUseDatabaseZones(database);
    });
    connect(m_state, &WindowState::listOnlyChanged, this, [this](bool on) {
        m_map->SetCentreMode(!on, false);
        UpdateMapCursor();
    });
    connect(m_state, &WindowState::mapZoneChanged, this, [this](float zone) {
        // A zone the map lit itself is not lit again, which would end its glide.
        if (m_map->GetZone() != zone)
            m_map->SelectZone(zone);
    });
    connect(m_state, &WindowState::listChanged, m_tree, &CCountryTree::FillTree);
    connect(m_state, &WindowState::selectedNameChanged, m_map, &CMapWnd::SetPlaceName);
    connect(m_state, &WindowState::offsetsChanged, this, &CMainDialog::ShowOffsets);
    connect(m_state, &WindowState::captionsChanged, this, &CMainDialog::ShowCaptions);
    connect(m_state, &WindowState::nextChangeChanged, this, [this](const QString &change) {
        for (CClockCtrl *clock : {m_clockSelectedTime, m_clockSelectedDate}) {
            clock->setToolTip(change);
            clock->setAccessibleDescription(change);
        }
    });
}

void CMainDialog::ShowOffsets()
{
    const ClockOffsets &out = m_state->Offsets();
    const ClockRules &rules = m_state->Rules();
    for (CClockCtrl *clock : {m_clockHomeTime, m_clockHomeDate}) {
        clock->SetOffset(out.home);
        clock->SetUtcOffsetRule(rules.home);
    }
    for (CClockCtrl *clock : {m_clockSelectedTime, m_clockSelectedDate}) {
        clock->SetOffset(out.selected);
        clock->SetUtcOffsetRule(rules.selected);
    }
    UpdateTrayTip();
    if (m_convertDialog && m_convertDialog->isVisible())
        m_convertDialog->SetInputs(m_state->OffsetInputs());
}

void CMainDialog::ShowCaptions()
{
    const Captions c = m_state->CurrentCaptions();
    m_offsetLabel->setText(c.offsetLabel);
    m_selectedGroup->setTitle(c.selectedGroup);
    m_treeGroup->setTitle(c.treeGroup);
    m_homeGroup->setTitle(c.homeGroup);
}

void CMainDialog::UpdateTrayTip(bool bInputsChanged)
{
    if (!m_clockSelectedTime)
        return;
    const TimeValue now = CurrentTime();
    m_state->Tick(now, bInputsChanged);
    // A host that reads the tip in advance gets it each minute: its seconds would be stale.
    const bool seconds = m_clockSelectedTime->GetShowSeconds() && !m_trayIcon->ReadsTipInAdvance();
    const QString tip = m_state->TrayTip(m_clockSelectedTime->TextAt(now, seconds));
    if (tip == m_strTrayTip)
        return;
    m_strTrayTip = tip;
    m_trayIcon->SetTip(tip);
}

void CMainDialog::PauseClocks(bool bPaused)
{
    for (CClockCtrl *clock :
         {m_clockHomeDate, m_clockHomeTime, m_clockSelectedDate, m_clockSelectedTime}) {
        if (clock)
            clock->SetPaused(bPaused);
    }
}

void CMainDialog::showEvent(QShowEvent *event)
{
    m_bShownOnce = true;
    PauseClocks(false);
    // A date and time tool may have been installed while the window was hidden.
    if (m_adjustTimeButton)
        UpdateAdjustTimeButton();
    CHideableDialog::showEvent(event);
}

void CMainDialog::hideEvent(QHideEvent *event)
{
    CHideableDialog::hideEvent(event);
    // A minimised window is hidden too, but stays on the taskbar: keep its clocks going.
    if (!event->spontaneous())
        PauseClocks(true);
}

void CMainDialog::OnTreeSelectionChanged()
{
    const QList<QTreeWidgetItem *> items = m_tree->selectedItems();
    if (items.isEmpty())
        return;
    QTreeWidgetItem *item = items.first();
    m_state->ChooseFromList(item->childCount() > 0 ? -1 : item->data(0, Qt::UserRole).toInt());
    UpdateTrayTip();
}

void CMainDialog::OnMapNotify(const PanelNotify &notify)
{
    if (notify.code != NM_CLICK && notify.code != NM_KEYDOWN)
        return;
    m_map->setFocus();
    m_state->ChooseZone(m_map->GetZone());
    // A key keeps the focus on the map, so the next key moves on from the zone it lit.
    if (notify.code == NM_CLICK)
        m_tree->setFocus();
}

void CMainDialog::UpdateMapCursor()
{
    if (!m_map)
        return;
    if (m_state->IsListOnly())
        m_map->unsetCursor();
    else
        m_map->setCursor(HandCursor());
}

bool CMainDialog::RunSetHomeSheet(SetHomeValues &values)
{
    if (m_runSetHome)
        return m_runSetHome(this, values);
    CSetHomeSheet sheet(this);
    sheet.SetValues(values);
    if (sheet.DoModal() != QDialog::Accepted)
        return false;
    values = sheet.GetValues();
    return true;
}

PlaceChoice CMainDialog::RunFindSheet()
{
    if (m_runFind)
        return m_runFind(this);
    return CFindCountryPage::RunFindSheet(
        tr("Find Country/Region"), m_state->IsUsingTimeZoneDatabase(), this,
        [this](const PlaceChoice &choice) { m_state->Pin(choice); });
}

void CMainDialog::OnFindCountry()
{
    m_bBusy = true;
    const PlaceChoice found = RunFindSheet();
    m_state->ChooseFound(found);
    m_bBusy = false;
    m_tree->setFocus();
}

void CMainDialog::OnConvertTime()
{
    if (!m_convertDialog)
        m_convertDialog = new CConvertTimeDialog(this);
    if (!m_convertDialog->isVisible()) {
        m_convertDialog->SetInputs(m_state->OffsetInputs());
        m_convertDialog->ShowNow();
    }
    m_convertDialog->show();
    m_convertDialog->raise();
    m_convertDialog->activateWindow();
}

void CMainDialog::OnAdjustTime()
{
    AdjustTime();
}

void CMainDialog::UpdateAdjustTimeButton()
{
    // A button that could only do nothing is greyed, and says what it looked for.
    const bool found = !FindDateTimeTool().program.isEmpty();
    m_adjustTimeButton->setEnabled(found);
    const QString looked = DateTimeToolNames().join(QStringLiteral(", "));
    m_adjustTimeButton->setToolTip(
        found ? QString() : tr("No date and time settings found (looked for %1)").arg(looked));
}

void CMainDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    ConfirmExit();
}

void CMainDialog::OnSetHome()
{
    ShowMainWindow();
    SetHomeValues values;
    values.homeIndex = m_state->HomeIndex();
    values.landColour = m_map ? m_map->GetLandColour() : 2;
    values.daylightOption = values.homeIndex == -1 ? DaylightAuto : m_state->DaylightOption();
    values.useOwnDaylightDates = m_state->IsUsingOwnDaylightDates();
    values.ownDates = m_state->OwnDates();
    values.useDatabase = m_state->IsUsingTimeZoneDatabase();
    values.homeCity = m_state->HomeCity();

    m_bBusy = true;
    const bool ok = RunSetHomeSheet(values);
    m_bBusy = false;

    if (ok) {
        m_state->ChooseHome({values.homeIndex, values.daylightOption, values.useOwnDaylightDates,
                             values.ownDates, values.useDatabase, values.homeCity});
        SaveSettings();
    }
    m_tree->setFocus();
    m_state->RecomputeClockOffsets();
}
