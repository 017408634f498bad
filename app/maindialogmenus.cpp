// SPDX-License-Identifier: MIT

#include "app/aboutdialog.h"
#include "app/autostart.h"
#include "app/maindialog.h"
#include "app/popupmenus.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "map/mapwnd.h"
#include "map/panelwnd.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>

// The window's menus: its own, the tray's, and the map's and the clocks' pop-up menus, which
// the menu code builds, marks from the state they change, runs and applies; the tree's pictures
// follow a new land colour.

void CMainDialog::CreateSystemMenu()
{
    m_systemMenu = new QMenu(this);
    m_systemMenu->setObjectName(QStringLiteral("systemMenu"));
    m_systemMenu->setAccessibleName(tr("Window menu"));
    m_showAtStartupAction = m_systemMenu->addAction(tr("&Show At Startup"));
    m_showAtStartupAction->setObjectName(QStringLiteral("showAtStartupAction"));
    m_showAtStartupAction->setCheckable(true);
    connect(m_showAtStartupAction, &QAction::triggered, this, &CMainDialog::ToggleShowAtStartup);
    m_startAtLoginAction = m_systemMenu->addAction(tr("Start at &Login"));
    m_startAtLoginAction->setObjectName(QStringLiteral("startAtLoginAction"));
    m_startAtLoginAction->setCheckable(true);
    connect(m_startAtLoginAction, &QAction::triggered, this, &CMainDialog::ToggleStartAtLogin);
    // The mark reads the autostart entry each time, as the desktop's settings may change it.
    connect(m_systemMenu, &QMenu::aboutToShow, this,
            [this] { m_startAtLoginAction->setChecked(IsStartAtLogin()); });
    m_systemMenu->addSeparator();
    QAction *about = m_systemMenu->addAction(tr("&About Orbiclock..."));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &CMainDialog::ShowAbout);
}

void CMainDialog::CreateTrayMenu()
{
    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->setObjectName(QStringLiteral("trayMenu"));
    m_trayMenu->setAccessibleName(tr("Orbiclock tray menu"));
    QAction *show = m_trayMenu->addAction(tr("&Show Orbiclock"));
    show->setObjectName(QStringLiteral("trayShowAction"));
    connect(show, &QAction::triggered, this, &CMainDialog::ShowMainWindow);
    m_trayExitAction = m_trayMenu->addAction(tr("E&xit Orbiclock"));
    m_trayExitAction->setObjectName(QStringLiteral("trayExitAction"));
    connect(m_trayExitAction, &QAction::triggered, this, &CMainDialog::ConfirmExit);
    m_trayMenu->addSeparator();
    QAction *cancel = m_trayMenu->addAction(tr("&Cancel"));
    cancel->setObjectName(QStringLiteral("trayCancelAction"));
    // Also when a notification-area host shows the menu: it asks just before.
    connect(m_trayMenu.get(), &QMenu::aboutToShow, this, [this] {
        m_trayExitAction->setEnabled(!m_bBusy && m_state->HomeIndex() != -1);
        m_state->UpdatePinRows(CurrentTime());
        FillTrayPins();
        if (m_state->HomeIndex() == -1)
            ShowMainWindow(); // the Set Home sheet comes forward
    });
    m_trayIcon->SetHostMenu(m_trayMenu.get());
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
    if (m_state->HomeIndex() == -1) {
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
    m_state->SetShowAtStartup(!m_state->IsShowAtStartup());
    m_showAtStartupAction->setChecked(m_state->IsShowAtStartup());
}

void CMainDialog::ToggleStartAtLogin()
{
    SetStartAtLogin(!IsStartAtLogin(), QCoreApplication::applicationFilePath());
    m_startAtLoginAction->setChecked(IsStartAtLogin());
}

void CMainDialog::ShowAbout()
{
    CAboutDialog about(m_state->IsUsingTimeZoneDatabase(), this);
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
    } else if (m_tree && m_tree->geometry().contains(local) &&
               ShowTreeMenu(m_tree->viewport()->mapToGlobal(
                   m_tree->visualItemRect(m_tree->currentItem()).center()))) {
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

void CMainDialog::ShowMapMenu(const QPoint &screenPos)
{
    if (m_map &&
        ::ShowMapMenu(*m_map, m_tree, screenPos, m_state->CanPinSelection()) == ID_PIN_PLACE)
        m_state->PinSelection();
}

void CMainDialog::ShowClockMenu(CClockCtrl *clock, const QPoint &screenPos)
{
    const bool selected = clock == m_clockSelectedTime || clock == m_clockSelectedDate;
    const int command =
        ::ShowClockMenu(clock, m_pMenuClock, screenPos,
                        selected ? std::optional(m_state->CanPinSelection()) : std::nullopt);
    if (command == ID_CONVERT_TIME)
        OnConvertTime();
    else if (command == ID_PIN_PLACE)
        m_state->PinSelection();
    else if (command == ID_24_HOUR_CLOCK) {
        SetClock24Hour(GetClock24Hour() ? 0 : 1);
        UpdateTrayTip(true); // the tip's time and its next change
    }
}
