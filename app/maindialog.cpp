#include "app/maindialog.h"

#include "app/converttimedialog.h"
#include "app/pinnedlist.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "clock/clockticker.h"
#include "countries/countrytree.h"
#include "countries/findcountrypage.h"
#include "home/dialogunits.h"
#include "home/hometimezone.h"
#include "home/sethomesheet.h"
#include "home/timechangewatcher.h"
#include "map/groupframe.h"
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

namespace {

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

CMainDialog::CMainDialog(QWidget *parent, StartedBy startedBy) : CHideableDialog(parent)
{
    setObjectName(QStringLiteral("mainDialog"));
    setAccessibleName(QStringLiteral("Orbiclock"));
    setWindowTitle(QStringLiteral("Orbiclock"));
    // A top-level window with a caption, system menu and close box, shown on the
    // taskbar; no maximise box. Minimising stays possible where the desktop has
    // no tray to hide into.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
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

void CMainDialog::CreateControls()
{
    // Rectangles are kept in dialog units, so the window grows with the desktop's font.
    const DialogUnits du(font());
    setFixedSize(du.X(237), du.Y(266));

    auto place = [&du](QWidget *w, int id, const char *name, const QString &accessible,
                       QRect rect) {
        w->setObjectName(QString::fromLatin1(name));
        w->setAccessibleName(accessible);
        if (id)
            w->setProperty("controlId", id);
        w->setGeometry(rect);
        return w;
    };
    auto button = [&](int id, const char *name, const char *text, QRect rect) {
        auto *b = new QPushButton(QString::fromLatin1(text), this);
        place(b, id, name, Plain(QString::fromLatin1(text)), rect);
        b->setAutoDefault(false);
        return b;
    };

    // Created in the order of the window's tab order; the frames come before what
    // they hold so the map and clocks lie above them.
    m_hideButton = button(IDC_HIDE, "hideButton", "&Hide", du.Rect(183, 248, 50, 14));
    m_hideButton->setDefault(true);
    m_setHomeButton = button(IDC_SET_HOME, "setHomeButton", "&Set Home", du.Rect(4, 248, 50, 14));
    m_adjustTimeButton =
        button(IDC_ADJUST_TIME, "adjustTimeButton", "&Adjust Time", du.Rect(58, 248, 50, 14));
    m_findButton =
        button(IDC_FIND_COUNTRY, "findCountryButton", "&Find Country", du.Rect(112, 248, 50, 14));

    m_treeGroup = new QGroupBox(QStringLiteral("Countries/Regions"), this);
    place(m_treeGroup, IDC_TREE_GROUP, "treeGroup", QStringLiteral("Countries/Regions"),
          du.Rect(90, 138, 143, 106));
    m_tree = new CCountryTree(this);
    place(m_tree, IDC_TREE, "countryTree", QStringLiteral("Countries and regions"),
          du.Rect(96, 148, 131, 91));

    m_listOnlyBox = new QCheckBox(QStringLiteral("Select &time from list only"), this);
    place(m_listOnlyBox, IDC_LIST_ONLY, "listOnlyBox", QStringLiteral("Select time from list only"),
          du.Rect(10, 121, 91, 10));
    m_showDaylightBox = new QCheckBox(QStringLiteral("Show &daylight saving"), this);
    place(m_showDaylightBox, IDC_SHOW_DAYLIGHT, "showDaylightBox",
          QStringLiteral("Show daylight saving"), du.Rect(143, 122, 83, 10));
    // A desktop font wider than the one the rectangles were made for would cut the labels:
    // each box may grow to its text as far as the frame around the map leaves room.
    auto widen = [](QCheckBox *box, int right) {
        QRect r = box->geometry();
        r.setWidth(qBound(r.width(), box->sizeHint().width(), right - r.left()));
        box->setGeometry(r);
    };
    widen(m_listOnlyBox, du.X(139));
    widen(m_showDaylightBox, du.X(231));

    auto *mapFrame = new QGroupBox(this);
    place(mapFrame, 0, "mapFrame", QStringLiteral("World map"), du.Rect(4, 0, 229, 134));
    m_homeGroup = new QGroupBox(QStringLiteral("home "), this);
    place(m_homeGroup, IDC_HOME_GROUP, "homeGroup", QStringLiteral("Home"),
          du.Rect(4, 138, 82, 52));
    m_selectedGroup = new QGroupBox(QStringLiteral("selected"), this);
    place(m_selectedGroup, IDC_SELECTED_GROUP, "selectedGroup", QStringLiteral("Selected"),
          du.Rect(4, 192, 82, 51));
    m_selectedGroup->setAlignment(Qt::AlignLeft);
    for (QGroupBox *box : {m_treeGroup, mapFrame, m_homeGroup, m_selectedGroup})
        UseDrawnGroupFrame(box);
    // The map's frame reaches down round the two boxes: they must lie above it to get the mouse.
    m_listOnlyBox->raise();
    m_showDaylightBox->raise();
    m_offsetLabel = new QLabel(QStringLiteral("Static"), this);
    place(m_offsetLabel, IDC_OFFSET_LABEL, "offsetLabel", QStringLiteral("Map offset"),
          du.Rect(93, 6, 50, 8));
    m_offsetLabel->setAlignment(Qt::AlignCenter);
    // The label sits on the frame's top edge; give it the window's background so
    // the line does not run through the text.
    m_offsetLabel->setAutoFillBackground(true);

    // Hidden placeholders whose rectangles the map and the clocks take.
    struct Placeholder
    {
        int id;
        const char *name;
        QRect rect;
    };
    const Placeholder placeholders[] = {
        {IDC_MAP, "mapPlaceholder", du.Rect(10, 15, 217, 103)},
        {IDC_HOME_DATE, "homeDatePlaceholder", du.Rect(9, 149, 71, 16)},
        {IDC_HOME_TIME, "homeTimePlaceholder", du.Rect(9, 169, 71, 16)},
        {IDC_SELECTED_DATE, "selectedDatePlaceholder", du.Rect(9, 203, 71, 16)},
        {IDC_SELECTED_TIME, "selectedTimePlaceholder", du.Rect(9, 223, 71, 16)},
    };
    for (const Placeholder &p : placeholders) {
        auto *w = new QWidget(this);
        place(w, 0, p.name, QString::fromLatin1(p.name), p.rect);
        w->setProperty("placeholderFor", p.id);
        w->hide();
        m_placeholders.append(w);
    }

    connect(m_hideButton, &QPushButton::clicked, this, &CMainDialog::HideOrMinimise);
    connect(m_setHomeButton, &QPushButton::clicked, this, &CMainDialog::OnSetHome);
    connect(m_adjustTimeButton, &QPushButton::clicked, this, &CMainDialog::OnAdjustTime);
    UpdateAdjustTimeButton();
    connect(m_findButton, &QPushButton::clicked, this, &CMainDialog::OnFindCountry);
    connect(m_listOnlyBox, &QCheckBox::clicked, this, [this](bool checked) {
        m_state->SetListOnly(checked);
        m_tree->setFocus();
    });
    connect(m_showDaylightBox, &QCheckBox::clicked, m_state, &WindowState::SetShowDaylightSaving);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CMainDialog::OnTreeSelectionChanged);
}

QWidget *CMainDialog::Control(int id) const
{
    const QList<QWidget *> children = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *w : children)
        if (w->property("controlId").toInt() == id)
            return w;
    return nullptr;
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
    // Chosen before the map is made, so it draws its key and lights its zone once.
    const float startOffset = m_state->StartZone();
    m_map->SetUseDatabaseZones(database);
    m_map->SelectZone(startOffset);
    m_map->Create(m_placeholders[0]->geometry(), this, IDC_MAP);
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
    makeClock(m_clockHomeDate, 1, IDC_HOME_DATE, "homeDateClock", QStringLiteral("Home date"));
    makeClock(m_clockHomeTime, 2, IDC_HOME_TIME, "homeTimeClock", QStringLiteral("Home time"));
    makeClock(m_clockSelectedDate, 3, IDC_SELECTED_DATE, "selectedDateClock",
              QStringLiteral("Selected date"));
    makeClock(m_clockSelectedTime, 4, IDC_SELECTED_TIME, "selectedTimeClock",
              QStringLiteral("Selected time"));
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

    if (!IsNewSettingsVersion())
        LoadClockAndMapSettings(*this);
    m_tree->SetUseDatabase(database);
    RebuildTreeImages(m_map->GetLandColour());
    ConnectState();
    CreatePinnedList(); // under the buttons, and after them in the tab order
    setTabOrder(m_hideButton, m_pinnedList);

    const bool listOnly = m_state->IsListOnly();
    m_state->SetMapZone(startOffset);
    m_tree->FillTree(listOnly ? CCountryTree::NoFilter : startOffset, m_state->SelectedIndex());
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
        m_state->RefillIfEntriesDisproved();
    });
    m_tree->setFocus();
    m_state->RecomputeClockOffsets();
    m_state->SetCaptionZone(startOffset);
    m_state->RefillIfEntriesDisproved();
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
        QStringLiteral("Find Country/Region"), m_state->IsUsingTimeZoneDatabase(), this,
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
