// SPDX-License-Identifier: MIT

#pragma once

#include "app/hideabledialog.h"
#include "app/windowlayout.h"
#include "app/windowstate.h"
#include "settings/settingsowner.h"

#include <QList>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class CClockCtrl;
class DialogUnits;
class CConvertTimeDialog;
class CCountryTree;
class CMapWnd;
class CPinnedList;
class CTrayIcon;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidgetItem;
struct PanelNotify;
struct SetHomeValues;

// The program's only top-level window: the world map, the country tree, the home and selected
// clocks and the tray icon. It shows its WindowState and passes the user's actions to it; the
// clocks keep themselves current.
class CMainDialog final : public CHideableDialog, public SettingsOwner
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMainDialog)

public:
    // Control ids of the window, also kept in each control's "controlId"
    // property.
    enum ControlId : int
    {
        IDC_MAP = 1000,
        IDC_HOME_DATE = 1010,
        IDC_SELECTED_DATE = 1011,
        IDC_SELECTED_TIME = 1012,
        IDC_HOME_TIME = 1013,
        IDC_TREE_GROUP = 1033,
        IDC_HOME_GROUP = 1035,
        IDC_SELECTED_GROUP = 1036,
        IDC_TREE = 1037,
        IDC_OFFSET_LABEL = 1038,
        IDC_LIST_ONLY = 1039,
        IDC_SET_HOME = 1040,
        IDC_HIDE = 1042,
        IDC_SHOW_DAYLIGHT = 1044,
        IDC_ADJUST_TIME = 1051,
        IDC_FIND_COUNTRY = 1078,
        IDC_TRAY_ICON = 101,
    };

    // Who started the program: "Show At Startup" governs only the start at login.
    enum class StartedBy
    {
        Person,
        Login,
    };

    // Reads the general settings and, when they exist, applies the home zone and
    // the daylight switch.
    explicit CMainDialog(QWidget *parent = nullptr, StartedBy startedBy = StartedBy::Person);
    ~CMainDialog() override;

    // What the window shows; tests drive it too.
    WindowState &State() const { return *m_state; }
    // From the clocks' tick only the time moved; any other caller changed what the tip names.
    void UpdateTrayTip(bool bInputsChanged = true);
    // Saves the settings and asks before ending the program. True when the answer
    // was Yes.
    bool ConfirmExit();
    // Saves and ends the program without asking (the session ends, or a signal).
    void EndNow();
    // False when the settings could not be written; the first time, the user is told (by the
    // caller when it asks a question anyway), so that no change is lost unknowingly.
    bool SaveSettings(bool tell = true);
    static QString SaveFailedText();

    // The exit question; tests answer it themselves. Returns true for Yes.
    using ExitQuestion = std::function<bool(QWidget *parent, const QString &question)>;
    void SetExitQuestion(ExitQuestion ask) { m_askExit = std::move(ask); }
    static QString ExitQuestionText();

    // The Find sheet's run, replaceable by tests: the choice, or none (place -1) for
    // Cancel.
    using FindRun = std::function<PlaceChoice(QWidget *parent)>;
    void SetFindRun(FindRun run) { m_runFind = std::move(run); }

    // The Set Home sheet's run, replaceable by tests: true for OK, with values then holding the
    // choice.
    using SetHomeRun = std::function<bool(QWidget *parent, SetHomeValues &values)>;
    void SetSetHomeRun(SetHomeRun run) { m_runSetHome = std::move(run); }

    // Pop-up menus of the map and of a clock at a screen point.
    void ShowMapMenu(const QPoint &screenPos);
    void ShowClockMenu(CClockCtrl *clock, const QPoint &screenPos);
    // The tree's pictures, drawn in the map's land colour.
    void RebuildTreeImages(int landColour);

    // The state, as the menus and tests read it.
    int HomeIndex() const { return m_state->HomeIndex(); }
    int SelectedIndex() const { return m_state->SelectedIndex(); }
    int SelectedCity() const { return m_state->SelectedCity(); }
    int HomeCity() const { return m_state->HomeCity(); }
    bool IsUsingTimeZoneDatabase() const { return m_state->IsUsingTimeZoneDatabase(); }
    bool IsBusy() const { return m_bBusy; }
    bool IsSetHomePending() const { return m_bSetHomePosted; }
    CMapWnd *Map() const { return m_map; }
    CCountryTree *Tree() const { return m_tree; }
    CTrayIcon *TrayIcon() const { return m_trayIcon; }
    CClockCtrl *HomeTimeClock() const { return m_clockHomeTime; }
    CClockCtrl *HomeDateClock() const { return m_clockHomeDate; }
    CClockCtrl *SelectedTimeClock() const { return m_clockSelectedTime; }
    CClockCtrl *SelectedDateClock() const { return m_clockSelectedDate; }
    CClockCtrl *MenuClock() const { return m_pMenuClock; }
    void SetMenuClock(CClockCtrl *clock) { m_pMenuClock = clock; }
    QWidget *Control(int id) const;
    // The window's own menu, standing in for the title bar's system menu.
    QMenu *SystemMenu() const { return m_systemMenu; }
    QMenu *TrayMenu() const { return m_trayMenu.get(); }

    // Handlers of the controls, public so the tray, the menus and tests reach
    // them.
    void OnSetHome();
    void OnFindCountry();
    // Opens the Convert a Time window at the current instant, or brings it forward.
    void OnConvertTime();
    CConvertTimeDialog *ConvertTimeDialog() const { return m_convertDialog; }
    void OnAdjustTime();
    void OnMapNotify(const PanelNotify &notify);
    void OnTreeSelectionChanged();
    void OnTrayNotify(const PanelNotify &notify);
    void ShowTrayMenu(const QPoint &screenPos);
    void ToggleShowAtStartup();
    // Writes or removes the autostart entry for the running program; the mark shows the file.
    void ToggleStartAtLogin();
    void ShowAbout();

    // SettingsOwner
    GeneralSettings GetGeneralSettings() const override;
    void SetGeneralSettings(const GeneralSettings &values) override;
    std::uint32_t GetClockColour(SettingsClock clock) const override;
    void SetClockColour(SettingsClock clock, std::uint32_t colour) override;
    int GetClockShowSeconds(SettingsClock clock) const override;
    void SetClockShowSeconds(SettingsClock clock, int show) override;
    int GetMapLandColour() const override;
    int GetMapSeaColour() const override;
    void SetMapColours(int landPair, int seaPair) override;
    int GetMapAcceleration() const override;
    void SetMapAcceleration(int acceleration) override;
    int GetClock24Hour() const override;
    void SetClock24Hour(int h24) override;
    int GetMapShowNight() const override;
    void SetMapShowNight(int show) override;
    WindowPlacement GetWindowPlacement() const override;
    void SetWindowPlacement(const WindowPlacement &placement) override;
    std::vector<PinnedPlace> GetPinnedPlaces() const override { return m_state->Pins().Items(); }
    void SetPinnedPlaces(const std::vector<PinnedPlace> &pins) override
    {
        m_state->SetPinnedPlaces(pins);
    }

    // The list of pinned places under the buttons (maindialogpins.cpp).
    CPinnedList *PinnedList() const { return m_pinnedList; }
    // The menu of the tree's place at a screen point (Pin), run there; false, showing none,
    // where there is no place (a region).
    bool ShowTreeMenu(const QPoint &screenPos);

protected:
    void OnInitDialog() override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Hidden to the notification area, the window's clocks do no work; shown, they catch up.
    void PauseClocks(bool bPaused);
    void CreateControls();
    // Controls and frames as wide as their texts in the user's language want.
    void FitTexts(const DialogUnits &du);
    // Notes each control's default place and how it follows the window's size.
    void CollectLayout();
    // The stored size and place, where the screens allow them.
    void RestorePlacement();
    void ArrangeControls();
    // The controls placed for a window of size, the tree's room measured when it is larger.
    void PlaceControls(QSize size);
    // A band of the given height under the buttons, with widget at rect in it at the default
    // size; the window grows by the band's change.
    void SetBottomBand(QWidget *widget, const QRect &rect, int band);
    void CreateSystemMenu();
    void CreateTrayMenu();
    // The window follows its state from here on.
    void ConnectState();
    void ShowCaptions();
    void CreatePinnedList();
    CPinnedList *MakePinnedList();
    // After an edit of the pins: laid out, marked on the map, listed in the tray, saved.
    void ShowPins();
    void LayoutPins();
    void FillTrayPins();
    void ShowOffsets();
    CClockCtrl *ClockFor(SettingsClock clock) const;
    CClockCtrl *ClockAt(const QPoint &localPos) const;
    void UpdateMapCursor();
    void UpdateAdjustTimeButton();
    PlaceChoice RunFindSheet();
    // The selected clocks' colour until the user picks one: red, as a COLORREF.
    static constexpr std::uint32_t SelectedClockColour = 0x000000FF;
    bool RunSetHomeSheet(SetHomeValues &values);

    WindowState *m_state = nullptr;
    CCountryTree *m_tree = nullptr;
    QGroupBox *m_treeGroup = nullptr;
    QGroupBox *m_homeGroup = nullptr;
    QGroupBox *m_selectedGroup = nullptr;
    QLabel *m_offsetLabel = nullptr;
    QGroupBox *m_mapFrame = nullptr;
    struct Placed
    {
        QWidget *widget;
        LayoutRole role;
        QRect rect; // at the default size
    };
    std::optional<WindowLayout> m_layout;
    QList<Placed> m_placed;
    WindowPlacement m_storedPlacement;
    bool m_bShownOnce = false;
    bool m_bListMeasured = false;
    bool m_bBusy = false;
    CTrayIcon *m_trayIcon = nullptr;
    CMapWnd *m_map = nullptr;
    CClockCtrl *m_clockHomeDate = nullptr;
    CClockCtrl *m_clockHomeTime = nullptr;
    CClockCtrl *m_clockSelectedDate = nullptr;
    CClockCtrl *m_clockSelectedTime = nullptr;
    CClockCtrl *m_pMenuClock = nullptr;

    QPushButton *m_hideButton = nullptr;
    QPushButton *m_setHomeButton = nullptr;
    QPushButton *m_adjustTimeButton = nullptr;
    QPushButton *m_findButton = nullptr;
    QCheckBox *m_listOnlyBox = nullptr;
    QCheckBox *m_showDaylightBox = nullptr;
    QList<QWidget *> m_placeholders;
    QMenu *m_systemMenu = nullptr;
    CConvertTimeDialog *m_convertDialog = nullptr;
    QAction *m_showAtStartupAction = nullptr;
    QAction *m_startAtLoginAction = nullptr;
    // Without a parent: a sheet modal to this window must not block the tray's menu.
    std::unique_ptr<QMenu> m_trayMenu;
    QAction *m_trayExitAction = nullptr;
    int m_nTipTicker = 0; // the tray tip's place on the clocks' tick
    QString m_strTrayTip;
    bool m_bSetHomePosted = false;
    ExitQuestion m_askExit;
    bool m_bToldSaveFailed = false;
    FindRun m_runFind;
    SetHomeRun m_runSetHome;

    CPinnedList *m_pinnedList = nullptr;
    int m_nBaseHeight = 0;             // the window's height without the list
    QList<QAction *> m_trayPinActions; // at the top of the tray's menu
    QAction *m_trayPinSeparator = nullptr;
};
