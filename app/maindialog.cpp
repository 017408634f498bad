#include "app/maindialog.h"

#include "app/aboutdialog.h"
#include "app/autostart.h"
#include "app/converttimedialog.h"
#include "app/popupmenus.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "clock/clockticker.h"
#include "countries/countrytree.h"
#include "countries/findcountrypage.h"
#include "home/dialogunits.h"
#include "home/hometimezone.h"
#include "home/sethomesheet.h"
#include "home/timechangewatcher.h"
#include "map/gmtoffset.h"
#include "map/groupframe.h"
#include "map/mapcolourwaitdialog.h"
#include "map/mapwnd.h"
#include "map/panelwnd.h"
#include "res/resources.h"
#include "settings/safefile.h"
#include "settings/settingsstore.h"
#include "zones/cityplaces.h"
#include "zones/citytable.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"
#include "zones/zonesearch.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>

#include <cstdio>
#include <limits>

namespace {

static_assert(CLR_DEFAULT == UnchosenColour);

constexpr COLORREF Red = MakeColourRef(255, 0, 0);

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

bool AskYesNo(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("exitQuestion"));
    box.setAccessibleName(QStringLiteral("Exit question"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

// The entries' answers of the last run, so a start lists and pictures the tree without loading
// every zone. A cache: when it is missing, damaged or of another database, the zones are read.
QString EntryStatesPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/entry-states");
}

void RestoreEntryStates()
{
    QByteArray snapshot;
    if (ReadSmallFile(EntryStatesPath(), 256 * 1024, snapshot) == FileRead::Read)
        RestoreEntrySnapshot(snapshot);
}

void SaveEntryStates()
{
    if (!EntrySnapshotOutdated())
        return;
    const QByteArray snapshot = EntrySnapshot();
    if (!snapshot.isEmpty() && QDir().mkpath(QFileInfo(EntryStatesPath()).path()))
        ReplaceFile(EntryStatesPath(), snapshot, LinkWrite::Replace);
}

} // namespace

CMainDialog::CMainDialog(QWidget *parent, StartedBy startedBy)
    : CHideableDialog(parent), m_askExit(AskYesNo)
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

    m_trayIcon = new CTrayIcon(this);
    RestoreEntryStates();

    if (IsNewSettingsVersion()) {
        SetVisibleAtStart(true);
        m_fHomeOffset = 0.0f;
    } else {
        LoadGeneralSettings(*this);
        SetVisibleAtStart(m_bShowAtStartup || startedBy == StartedBy::Person);
        m_fHomeOffset = ZoneOf(m_nHomeIndex);
        ApplyHomeZoneAndSwitch(m_nHomeIndex != -1);
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
}

QString CMainDialog::ExitQuestionText()
{
    return QStringLiteral("Are you sure you want to exit Orbiclock ?");
}

HomeZoneChoice CMainDialog::ZoneChoice() const
{
    return {m_nHomeIndex, m_nDaylightOption, m_bUseOwnDaylightDates,
            m_ownDates,   m_bUseDatabase,    m_bUseDatabase ? m_homeZone : QByteArray()};
}

void CMainDialog::SetSelectedCityOrZone(int city, const QByteArray &zone)
{
    // A city or zone the database does not know is left out: the entry's zone stays.
    const QByteArray id = city >= 0 ? Cities::ZoneId(city) : zone;
    if ((city < 0 && zone.isEmpty()) || !IsZoneKnown(id)) {
        m_nSelectedCity = -1;
        m_selectedZone.clear();
        m_strSelectedName.clear();
        m_strSelectedCaption.clear();
        return;
    }
    m_nSelectedCity = city;
    m_selectedZone = id;
    m_strSelectedName = city >= 0 ? CityDisplayName(city) : ZoneDisplayName(zone);
    // The clocks' caption has room for the city's or the zone's own name and the offset.
    m_strSelectedCaption =
        city >= 0 ? Cities::Name(city) : m_strSelectedName.left(m_strSelectedName.indexOf(u" ("));
}

void CMainDialog::SetHomeCity(int city)
{
    // No city: the cities' index is not read.
    const QByteArray id = city >= 0 ? Cities::ZoneId(city) : QByteArray();
    if (city < 0 || !IsZoneKnown(id)) {
        m_nHomeCity = -1;
        m_homeZone.clear();
        m_strHomeName.clear();
        return;
    }
    m_nHomeCity = city;
    m_homeZone = id;
    m_strHomeName = CityDisplayName(city);
}

float CMainDialog::ZoneOf(int index) const
{
    return EntryZone(index, m_bUseDatabase, CurrentTime());
}

bool CMainDialog::Knows(int index) const
{
    return IsValidIndexIn(index, m_bUseDatabase);
}

void CMainDialog::ApplyHomeZoneAndSwitch(bool zone)
{
    if (zone)
        ApplyHomeTimeZone(ZoneChoice());
    ApplyDaylightSwitch(m_nDaylightOption);
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

    connect(m_hideButton, &QPushButton::clicked, this, &CMainDialog::OnHide);
    connect(m_setHomeButton, &QPushButton::clicked, this, &CMainDialog::OnSetHome);
    connect(m_adjustTimeButton, &QPushButton::clicked, this, &CMainDialog::OnAdjustTime);
    UpdateAdjustTimeButton();
    connect(m_findButton, &QPushButton::clicked, this, &CMainDialog::OnFindCountry);
    connect(m_listOnlyBox, &QCheckBox::clicked, this, &CMainDialog::OnListOnly);
    connect(m_showDaylightBox, &QCheckBox::clicked, this, &CMainDialog::OnShowDaylight);
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

void CMainDialog::CreateSystemMenu()
{
    m_systemMenu = new QMenu(this);
    m_systemMenu->setObjectName(QStringLiteral("systemMenu"));
    m_systemMenu->setAccessibleName(QStringLiteral("Window menu"));
    m_showAtStartupAction = m_systemMenu->addAction(QStringLiteral("&Show At Startup"));
    m_showAtStartupAction->setObjectName(QStringLiteral("showAtStartupAction"));
    m_showAtStartupAction->setCheckable(true);
    connect(m_showAtStartupAction, &QAction::triggered, this, &CMainDialog::ToggleShowAtStartup);
    m_startAtLoginAction = m_systemMenu->addAction(QStringLiteral("Start at &Login"));
    m_startAtLoginAction->setObjectName(QStringLiteral("startAtLoginAction"));
    m_startAtLoginAction->setCheckable(true);
    connect(m_startAtLoginAction, &QAction::triggered, this, &CMainDialog::ToggleStartAtLogin);
    // The mark reads the autostart entry each time, as the desktop's settings may change it.
    connect(m_systemMenu, &QMenu::aboutToShow, this,
            [this] { m_startAtLoginAction->setChecked(IsStartAtLogin()); });
    m_systemMenu->addSeparator();
    QAction *about = m_systemMenu->addAction(QStringLiteral("&About Orbiclock..."));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &CMainDialog::ShowAbout);
}

void CMainDialog::CreateTrayMenu()
{
    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->setObjectName(QStringLiteral("trayMenu"));
    m_trayMenu->setAccessibleName(QStringLiteral("Orbiclock tray menu"));
    QAction *show = m_trayMenu->addAction(QStringLiteral("&Show Orbiclock"));
    show->setObjectName(QStringLiteral("trayShowAction"));
    connect(show, &QAction::triggered, this, &CMainDialog::ShowMainWindow);
    m_trayExitAction = m_trayMenu->addAction(QStringLiteral("E&xit Orbiclock"));
    m_trayExitAction->setObjectName(QStringLiteral("trayExitAction"));
    connect(m_trayExitAction, &QAction::triggered, this, &CMainDialog::ConfirmExit);
    m_trayMenu->addSeparator();
    QAction *cancel = m_trayMenu->addAction(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("trayCancelAction"));
    // Also when a notification-area host shows the menu: it asks just before.
    connect(m_trayMenu.get(), &QMenu::aboutToShow, this, [this] {
        m_trayExitAction->setEnabled(!m_bBusy && m_nHomeIndex != -1);
        if (m_nHomeIndex == -1)
            ShowMainWindow(); // the Set Home sheet comes forward
    });
    m_trayIcon->SetHostMenu(m_trayMenu.get());
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
    connect(watcher, &CTimeChangeWatcher::TimeChanged, this, &CMainDialog::OnTimeChange);

    m_map = new CMapWnd(this);
    m_map->setObjectName(QStringLiteral("worldMap"));
    m_map->SetHomeZone(m_fHomeOffset);
    // Chosen before the map is made, so it draws its key and lights its zone once.
    const float startOffset = Knows(m_nSelectedIndex) ? ZoneOf(m_nSelectedIndex) : m_fHomeOffset;
    m_map->SetUseDatabaseZones(m_bUseDatabase);
    m_map->SelectZone(startOffset);
    m_map->Create(m_placeholders[0]->geometry(), this, IDC_MAP);
    connect(m_map, &CPanelWnd::Notify, this, &CMainDialog::OnMapNotify);
    // The keys reach every zone a place stands in, as the tree lists them.
    m_map->SetPlaceZones([this] {
        std::vector<float> zones;
        const TimeValue now = CurrentTime();
        for (int i : ListedPlaces(m_bUseDatabase))
            zones.push_back(m_bUseDatabase ? EntryListStateAt(i, now).standardOffset / 3600.0f
                                           : PlaceAt(i)->gmtOffset);
        return zones;
    });

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
    m_clockSelectedDate->SetTextColour(Red);
    m_clockSelectedTime->SetTextColour(Red);
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
    m_tree->SetUseDatabase(m_bUseDatabase);
    RebuildTreeImages(m_map->GetLandColour());

    if (m_bListOnly) {
        FillTree(CCountryTree::NoFilter, m_nSelectedIndex);
        m_map->SetCentreMode(false, false);
    } else {
        FillTree(startOffset, m_nSelectedIndex);
        m_map->SetCentreMode(true, false);
    }
    UpdateMapCursor();

    m_listOnlyBox->setChecked(m_bListOnly);
    m_showDaylightBox->setChecked(m_bShowDaylightSaving);

    if (m_nHomeIndex == -1) {
        m_bSetHomePosted = true;
        QTimer::singleShot(0, this, [this] {
            m_bSetHomePosted = false;
            OnSetHome();
        });
    }

    m_showAtStartupAction->setChecked(m_bShowAtStartup);
    // What the first fill worked out is kept for the next start, once the window is up.
    QTimer::singleShot(2000, this, [this] {
        SaveEntryStates();
        RefillIfEntriesDisproved();
    });
    m_tree->setFocus();
    RecomputeClockOffsets();
    UpdateCaptions(startOffset);
    RefillIfEntriesDisproved();
}

void CMainDialog::RefillIfEntriesDisproved()
{
    if (TakeEntrySnapshotDisproved())
        m_nSelectedIndex =
            FillTree(m_bListOnly ? CCountryTree::NoFilter : MapZone(), m_nSelectedIndex);
}

int CMainDialog::FillTree(float filter, int select)
{
    return m_tree->FillTree(filter, select);
}

float CMainDialog::MapZone() const
{
    return m_map ? m_map->GetZone() : m_fHomeOffset;
}

ClockOffsetInputs CMainDialog::OffsetInputs() const
{
    ClockOffsetInputs in;
    in.homeIndex = m_nHomeIndex;
    in.selectedIndex = m_nSelectedIndex;
    in.daylightOption = m_nDaylightOption;
    in.useOwnDaylightDates = m_bUseOwnDaylightDates;
    in.ownDates = m_ownDates;
    in.showDaylightSaving = m_bShowDaylightSaving;
    in.mapZone = MapZone();
    in.useDatabase = m_bUseDatabase;
    // The built-in table knows no cities: its clocks and names keep the entries'.
    if (m_bUseDatabase) {
        in.selectedZone = m_selectedZone;
        in.selectedName = m_strSelectedName;
        in.selectedCaption = m_strSelectedCaption;
        in.homeZone = m_homeZone;
        in.homeName = m_strHomeName;
    }
    return in;
}

bool CMainDialog::IsHomeDaylightSavingNow() const
{
    return IsHomeDaylightSavingAt(OffsetInputs(), CurrentTime());
}

void CMainDialog::RecomputeClockOffsets()
{
    if (m_map)
        m_map->SetPlaceName(
            m_bUseDatabase && !m_strSelectedName.isEmpty() && Knows(m_nSelectedIndex)
                ? m_strSelectedName
                : QString::fromStdString(PlaceDisplayName(m_nSelectedIndex, m_bUseDatabase)));
    const ClockOffsetInputs in = OffsetInputs();
    ClockOffsets out;
    if (!ComputeClockOffsets(in, CurrentTime(), out))
        return;
    if (m_clockHomeTime) {
        // Database mode: each clock asks its place's offset at every tick, so it turns with
        // every change of its zone without being told.
        const ClockRules rules = MakeClockRules(in);
        for (CClockCtrl *clock : {m_clockHomeTime, m_clockHomeDate}) {
            clock->SetOffset(out.home);
            clock->SetUtcOffsetRule(rules.home);
        }
        for (CClockCtrl *clock : {m_clockSelectedTime, m_clockSelectedDate}) {
            clock->SetOffset(out.selected);
            clock->SetUtcOffsetRule(rules.selected);
        }
    }
    UpdateTrayTip();
    UpdateCaptions(out.target);
    if (m_convertDialog && m_convertDialog->isVisible())
        m_convertDialog->SetInputs(OffsetInputs());
}

void CMainDialog::UpdateCaptions(float offset)
{
    m_fCaptionOffset = offset;
    if (!m_offsetLabel)
        return;
    const Captions c =
        MakeCaptionsAt(OffsetInputs(), offset, m_fHomeOffset, m_bListOnly, CurrentTime());
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
    const ClockOffsetInputs in = OffsetInputs();
    // The next change's text holds until that change comes: not looked up at every tick.
    QString change = m_strNextChange;
    if (bInputsChanged || now >= m_tNextChangeDue) {
        change.clear();
        m_tNextChangeDue = std::numeric_limits<TimeValue>::max();
        if (Knows(in.selectedIndex)) {
            const std::optional<ZoneChange> next = NextSelectedChange(in, now);
            change = next ? DescribeChange(*next) : NoChangeAheadText();
            if (next)
                m_tNextChangeDue = next->at;
        }
    }
    // A host that reads the tip in advance gets it each minute: its seconds would be stale.
    const bool seconds = m_clockSelectedTime->GetShowSeconds() && !m_trayIcon->ReadsTipInAdvance();
    QString tip = MakeTrayTip(m_nSelectedIndex, m_bUseDatabase, MapZone(),
                              m_clockSelectedTime->TextAt(now, seconds), in.selectedName);
    if (!change.isEmpty())
        tip += QLatin1Char('\n') + change;
    if (in.useDatabase && IsZoneDatabaseMissing())
        tip += QLatin1Char('\n') + ZoneDatabaseMissingText();
    if (change != m_strNextChange) {
        m_strNextChange = change;
        for (CClockCtrl *clock : {m_clockSelectedTime, m_clockSelectedDate}) {
            clock->setToolTip(change);
            clock->setAccessibleDescription(change);
        }
    }
    // The clocks turn by themselves at a change of their zone; the captions naming their
    // offsets follow at the same tick.
    ClockOffsets shown;
    if (in.useDatabase && ComputeClockOffsets(in, now, shown) &&
        (shown.home != m_shownOffsets.home || shown.selected != m_shownOffsets.selected)) {
        m_shownOffsets = shown;
        UpdateCaptions(m_fCaptionOffset);
    }
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
    const int before = m_nSelectedIndex;
    if (item->childCount() > 0) {
        m_nSelectedIndex = -1;
    } else {
        m_nSelectedIndex = item->data(0, Qt::UserRole).toInt();
        m_nKeptSelection = -1;
        if (!Knows(m_nSelectedIndex))
            m_nSelectedIndex = -1;
        else if (m_bListOnly)
            m_map->SelectZone(ZoneOf(m_nSelectedIndex));
    }
    // Another entry chosen leaves the city; the tree choosing the same again keeps it.
    if (m_nSelectedIndex != before)
        SetSelectedCityOrZone(-1, {});
    RecomputeClockOffsets();
    UpdateTrayTip();
}

void CMainDialog::OnMapNotify(const PanelNotify &notify)
{
    if (notify.code != NM_CLICK && notify.code != NM_KEYDOWN)
        return;
    m_map->setFocus();
    const float zone = m_map->GetZone();
    if (!m_bListOnly) {
        // A zone chosen on the map is a new choice: the city goes.
        SetSelectedCityOrZone(-1, {});
        m_nSelectedIndex = FillTree(zone, m_nSelectedIndex);
        UpdateCaptions(zone);
        // When the zone does not list the selected entry nothing is selected in the
        // tree, so no selection change follows: the selected clocks move to the
        // map's zone here.
        if (m_nSelectedIndex == -1)
            RecomputeClockOffsets();
    }
    // A key keeps the focus on the map, so the next key moves on from the zone it lit.
    if (notify.code == NM_CLICK)
        m_tree->setFocus();
}

void CMainDialog::OnListOnly(bool checked)
{
    m_bListOnly = checked;
    float filter = CCountryTree::NoFilter;
    if (m_bListOnly) {
        m_map->SetCentreMode(false, false);
    } else {
        filter = m_map->GetZone();
        m_map->SetCentreMode(true, false);
        UpdateCaptions(filter);
    }
    UpdateMapCursor();
    m_nSelectedIndex = FillTree(filter, m_nSelectedIndex);
    if (m_nSelectedIndex == -1)
        RecomputeClockOffsets();
    m_tree->setFocus();
}

void CMainDialog::OnShowDaylight(bool checked)
{
    m_bShowDaylightSaving = checked;
    RecomputeClockOffsets();
}

void CMainDialog::UpdateMapCursor()
{
    if (!m_map)
        return;
    if (m_bListOnly)
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
    return CFindCountryPage::RunFindSheet(QStringLiteral("Find Country/Region"), m_bUseDatabase,
                                          this);
}

void CMainDialog::OnFindCountry()
{
    m_bBusy = true;
    const PlaceChoice found = RunFindSheet();
    const bool sameCity =
        found.city == m_nSelectedCity && (found.city >= 0 || found.zone == m_selectedZone);
    if (Knows(found.place) && (found.place != m_nSelectedIndex || !sameCity)) {
        const float zone = ZoneOf(found.place);
        if (m_map->GetZone() != zone) {
            m_map->SelectZone(zone);
            UpdateCaptions(zone);
        }
        FillTree(m_bListOnly ? CCountryTree::NoFilter : zone, found.place);
        m_nSelectedIndex = found.place;
        m_nKeptSelection = -1;
        // After the tree's own choice, which leaves any city before.
        if (m_bUseDatabase)
            SetSelectedCityOrZone(found.city, found.zone);
        RecomputeClockOffsets();
    }
    m_bBusy = false;
    m_tree->setFocus();
}

void CMainDialog::OnConvertTime()
{
    if (!m_convertDialog)
        m_convertDialog = new CConvertTimeDialog(this);
    if (!m_convertDialog->isVisible()) {
        m_convertDialog->SetInputs(OffsetInputs());
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

void CMainDialog::HideOrMinimise()
{
    if (CTrayIcon::IsAvailable()) {
        m_ptHidden = geometry().topLeft();
        hide();
    } else {
        showMinimized();
    }
}

void CMainDialog::OnHide()
{
    HideOrMinimise();
}

void CMainDialog::reject()
{
    // Escape and Cancel only put the window away; the program goes on.
    HideOrMinimise();
}

void CMainDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    ConfirmExit();
}

void CMainDialog::ShowMainWindow()
{
    // A dialog shown again is centred anew unless it was placed: put it back where it was. The
    // inside's corner, not the frame's, which the window manager may not have told yet.
    if (!isVisible() && m_ptHidden)
        setGeometry(QRect(*m_ptHidden, size()));
    if (!isVisible() || isMinimized())
        showNormal();
    raise();
    activateWindow();
    // A sheet open over the window stays on top of it.
    if (QWidget *sheet = QApplication::activeModalWidget(); sheet && sheet != this) {
        sheet->raise();
        sheet->activateWindow();
    }
}

void CMainDialog::ActivateMainWindow(const QString &activationToken)
{
    // On Wayland the compositor raises and focuses a window only with the token of the launch or
    // click that asked for it; Qt hands on the one in the environment at the next activation.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    ShowMainWindow();
    // A token is good once: where nothing took it (X11), no program started later inherits it.
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

bool CMainDialog::ConfirmExit()
{
    const bool saved = SaveSettings(false);
    if (!m_askExit(this, saved ? ExitQuestionText()
                               : SaveFailedText() + QStringLiteral("\n\n") + ExitQuestionText()))
        return false;
    done(QDialog::Accepted);
    return true;
}

void CMainDialog::EndNow()
{
    if (!SaveSettings(false))
        std::fprintf(stderr, "orbiclock: %s\n", qPrintable(SaveFailedText()));
    done(QDialog::Accepted);
}

bool CMainDialog::SaveSettings(bool tell)
{
    const bool saved = ::SaveSettings(*this);
    SaveEntryStates();
    if (saved || m_bToldSaveFailed)
        return saved;
    m_bToldSaveFailed = true;
    if (tell) {
        auto *box = new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                                    SaveFailedText(), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("saveFailedMessage"));
        box->setAccessibleName(QStringLiteral("Settings not saved"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open(); // nothing waits for it
    }
    return false;
}

QString CMainDialog::SaveFailedText()
{
    return QStringLiteral("Orbiclock could not save its settings in %1 (the file or its folder "
                          "cannot be written or read, or the file is too large): changes since "
                          "the last save will be lost at exit.")
        .arg(QDir::toNativeSeparators(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Brambleway/Orbiclock.conf")));
}

void CMainDialog::OnTimeChange()
{
    // The user may have chosen another zone in the system's settings: the home's comes back,
    // unless the one chosen has the home's offset and a name of ours.
    if (m_nHomeIndex != -1 && !IsHomeTimeZoneApplied(ZoneChoice()))
        ApplyHomeTimeZone(ZoneChoice());
    if (!IsDaylightSwitchApplied(m_nDaylightOption))
        ApplyDaylightSwitch(m_nDaylightOption);
    RecomputeClockOffsets();
}

void CMainDialog::OnTrayNotify(const PanelNotify &notify)
{
    if (notify.idFrom != IDC_TRAY_ICON)
        return;
    if (notify.code == NM_DBLCLK)
        ShowMainWindow();
    else if (notify.code == NM_RCLICK)
        ShowTrayMenu(notify.pt);
}

void CMainDialog::ShowTrayMenu(const QPoint &screenPos)
{
    if (m_nHomeIndex == -1) {
        // The Set Home sheet is open or about to open: bring it forward instead of
        // a menu.
        ShowMainWindow();
        return;
    }
    activateWindow();
    m_trayMenu->popup(RightAlignedAt(m_trayMenu.get(), screenPos));
}

void CMainDialog::ToggleShowAtStartup()
{
    m_bShowAtStartup = !m_bShowAtStartup;
    m_showAtStartupAction->setChecked(m_bShowAtStartup);
}

void CMainDialog::ToggleStartAtLogin()
{
    SetStartAtLogin(!IsStartAtLogin(), QCoreApplication::applicationFilePath());
    m_startAtLoginAction->setChecked(IsStartAtLogin());
}

void CMainDialog::ShowAbout()
{
    CAboutDialog about(m_bUseDatabase, this);
    about.exec();
}

CClockCtrl *CMainDialog::ClockAt(const QPoint &localPos) const
{
    for (CClockCtrl *clock :
         {m_clockHomeDate, m_clockHomeTime, m_clockSelectedDate, m_clockSelectedTime})
        if (clock && clock->geometry().contains(localPos))
            return clock;
    return nullptr;
}

void CMainDialog::keyPressEvent(QKeyEvent *event)
{
    // Shift+F10 does what the Menu key does; the focused control's key passes it up to here.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        contextMenuEvent(&menu);
        return;
    }
    CHideableDialog::keyPressEvent(event);
}

void CMainDialog::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint local = event->pos();
    QPoint global = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard the menu belongs to the control with the focus.
        if (QWidget *focus = focusWidget(); focus && focus != this) {
            local = focus->geometry().center();
            global = mapToGlobal(local);
        }
    }
    if (m_map && m_map->geometry().contains(local)) {
        ShowMapMenu(global);
    } else if (CClockCtrl *clock = ClockAt(local)) {
        ShowClockMenu(clock, global);
    } else if (m_tree && m_tree->geometry().contains(local) &&
               event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    } else {
        m_systemMenu->popup(global);
    }
    event->accept();
}

void CMainDialog::RebuildTreeImages(int landColour)
{
    if (m_tree)
        m_tree->SetLandColour(landColour);
}

void CMainDialog::OnSetHome()
{
    ShowMainWindow();
    SetHomeValues values;
    values.homeIndex = m_nHomeIndex;
    values.landColour = m_map ? m_map->GetLandColour() : 2;
    values.daylightOption = m_nHomeIndex == -1 ? DaylightAuto : m_nDaylightOption;
    values.useOwnDaylightDates = m_bUseOwnDaylightDates;
    values.ownDates = m_ownDates;
    values.useDatabase = m_bUseDatabase;
    values.homeCity = m_nHomeCity;

    m_bBusy = true;
    const bool ok = RunSetHomeSheet(values);
    m_bBusy = false;

    if (ok) {
        m_nDaylightOption = values.daylightOption;
        m_bUseOwnDaylightDates = values.useOwnDaylightDates;
        const bool modeChanged = values.useDatabase != m_bUseDatabase;
        const bool cityChanged = values.homeCity != m_nHomeCity;
        if (cityChanged)
            SetHomeCity(values.homeCity);
        m_bUseDatabase = values.useDatabase;
        m_ownDates = HomeHasDaylightSaving(values.homeIndex, values.useDatabase, CurrentTime(),
                                           ZoneChoice().zoneId)
                         ? values.ownDates
                         : OwnDaylightDates{};
        if (values.homeIndex != m_nHomeIndex || modeChanged || cityChanged) {
            m_nHomeIndex = values.homeIndex;
            m_fHomeOffset = ZoneOf(m_nHomeIndex);
            m_map->SetHomeZone(m_fHomeOffset);
            UpdateCaptions(MapZone());
        }
        ApplyHomeZoneAndSwitch(m_nHomeIndex != -1);
        if (modeChanged)
            ApplyZoneMode();
        SaveSettings();
    }
    m_tree->setFocus();
    RecomputeClockOffsets();
}

// Stored values: the window's own, handed to and from the store.

GeneralSettings CMainDialog::GetGeneralSettings() const
{
    GeneralSettings s;
    s.showAtStartup = m_bShowAtStartup;
    s.selectByListOnly = m_bListOnly;
    s.showDaylightSaving = m_bShowDaylightSaving;
    // A place this mode cannot show stays stored until another is chosen.
    s.currentSelection = m_nSelectedIndex != -1 ? m_nSelectedIndex : m_nKeptSelection;
    s.homeCountry = m_nHomeIndex;
    s.daylightOption = m_nDaylightOption;
    s.useUserDaylightDates = m_bUseOwnDaylightDates;
    s.ownDates = m_ownDates;
    s.useTimeZoneDatabase = m_bUseDatabase ? 1 : 0;
    // Kept whatever the mode, with the entry it lies in.
    s.currentCity =
        s.currentSelection != -1 && m_nSelectedCity >= 0 ? Cities::GeonameId(m_nSelectedCity) : -1;
    s.homeCity = m_nHomeIndex != -1 && m_nHomeCity >= 0 ? Cities::GeonameId(m_nHomeCity) : -1;
    return s;
}

void CMainDialog::SetGeneralSettings(const GeneralSettings &values)
{
    m_bShowAtStartup = values.showAtStartup != 0;
    m_bListOnly = values.selectByListOnly != 0;
    m_bShowDaylightSaving = values.showDaylightSaving != 0;
    m_bUseDatabase = values.useTimeZoneDatabase != 0;
    // The table knows none of today's places beyond it: its selection shows as none, yet is kept.
    // A duplicate the database hides is the place it is listed as.
    m_nSelectedIndex = ListedPlace(values.currentSelection, m_bUseDatabase);
    m_nKeptSelection = m_nSelectedIndex == -1 && IsValidPlaceIndex(values.currentSelection)
                           ? values.currentSelection
                           : -1;
    m_nHomeIndex = ListedPlace(values.homeCountry, m_bUseDatabase);
    m_nDaylightOption =
        IsValidDaylightOption(values.daylightOption) ? values.daylightOption : DaylightAuto;
    m_bUseOwnDaylightDates = values.useUserDaylightDates != 0;
    m_ownDates = values.ownDates;
    // The cities' index is read only for a store that names a city. An id no city has (the
    // data changed, or a damaged store) leaves the entry alone.
    SetSelectedCityOrZone(values.currentCity > 0 &&
                                  (m_nSelectedIndex != -1 || m_nKeptSelection != -1)
                              ? Cities::ByGeonameId(values.currentCity)
                              : -1,
                          {});
    SetHomeCity(values.homeCity > 0 && m_nHomeIndex != -1 ? Cities::ByGeonameId(values.homeCity)
                                                          : -1);
}

void CMainDialog::ApplyZoneMode()
{
    // The tree and the map list and light entries by the mode's standard offsets: an entry
    // may sit in another zone, so the map moves to the selection's and the tree is refilled.
    m_tree->SetUseDatabase(m_bUseDatabase);
    m_map->SetUseDatabaseZones(m_bUseDatabase);
    if (!Knows(m_nSelectedIndex)) {
        m_nKeptSelection =
            IsValidPlaceIndex(m_nSelectedIndex) ? m_nSelectedIndex : m_nKeptSelection;
        m_nSelectedIndex = -1;
    }
    if (m_nSelectedIndex == -1 && Knows(m_nKeptSelection)) {
        m_nSelectedIndex = m_nKeptSelection;
        m_nKeptSelection = -1;
    }
    float zone = MapZone();
    if (Knows(m_nSelectedIndex)) {
        zone = ZoneOf(m_nSelectedIndex);
        m_map->SelectZone(zone);
    }
    m_nSelectedIndex = FillTree(m_bListOnly ? CCountryTree::NoFilter : zone, m_nSelectedIndex);
    UpdateCaptions(zone);
}

CClockCtrl *CMainDialog::ClockFor(SettingsClock clock) const
{
    switch (clock) {
    case SettingsClock::HomeTime:
        return m_clockHomeTime;
    case SettingsClock::HomeDate:
        return m_clockHomeDate;
    case SettingsClock::SelectedTime:
        return m_clockSelectedTime;
    case SettingsClock::SelectedDate:
        return m_clockSelectedDate;
    }
    return nullptr;
}

std::uint32_t CMainDialog::GetClockColour(SettingsClock clock) const
{
    if (CClockCtrl *c = ClockFor(clock))
        return c->GetTextColour();
    return (clock == SettingsClock::SelectedTime || clock == SettingsClock::SelectedDate)
               ? Red
               : CLR_DEFAULT;
}

void CMainDialog::SetClockColour(SettingsClock clock, std::uint32_t colour)
{
    if (CClockCtrl *c = ClockFor(clock))
        c->SetTextColour(colour);
}

int CMainDialog::GetClockShowSeconds(SettingsClock clock) const
{
    if (CClockCtrl *c = ClockFor(clock))
        return c->GetShowSeconds() ? 1 : 0;
    return 1;
}

void CMainDialog::SetClockShowSeconds(SettingsClock clock, int show)
{
    if (CClockCtrl *c = ClockFor(clock))
        c->SetShowSeconds(show != 0);
}

int CMainDialog::GetMapLandColour() const
{
    return m_map ? m_map->GetLandColour() : 2;
}

int CMainDialog::GetMapSeaColour() const
{
    return m_map ? m_map->GetSeaColour() : 1;
}

void CMainDialog::SetMapColours(int landPair, int seaPair)
{
    if (m_map)
        m_map->SetColours(landPair, seaPair);
}

int CMainDialog::GetMapAcceleration() const
{
    return m_map ? m_map->GetAcceleration() : 75;
}

void CMainDialog::SetMapAcceleration(int acceleration)
{
    if (m_map)
        m_map->SetAcceleration(acceleration);
}

int CMainDialog::GetMapShowNight() const
{
    return m_map && m_map->GetShowNight() ? 1 : 0;
}

void CMainDialog::SetMapShowNight(int show)
{
    if (m_map)
        m_map->SetShowNight(show != 0);
}
