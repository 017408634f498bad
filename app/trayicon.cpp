// SPDX-License-Identifier: MIT

#include "app/trayicon.h"

#include "res/resources.h"

#include <QApplication>
#include <QCursor>
#include <QDBusInterface>
#include <QEvent>
#include <QIcon>
#include <QStringList>
#include <QStyle>
#include <QSystemTrayIcon>

namespace {

std::optional<bool> g_availability;

QIcon TrayPicture()
{
    QIcon icon = AppIcon(WindowIconLargest);
    if (icon.availableSizes().isEmpty())
        icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    return icon;
}

// Whether the desktop hosts icons as StatusNotifierItems (KDE Plasma, GNOME's AppIndicator), as Qt
// then does. Those hosts report a left click only as an activation, never as a double-click.
bool IsStatusNotifierHost()
{
    QDBusInterface watcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                           QStringLiteral("/StatusNotifierWatcher"),
                           QStringLiteral("org.kde.StatusNotifierWatcher"));
    return watcher.isValid() && watcher.property("IsStatusNotifierHostRegistered").toBool();
}

} // namespace

CTrayIcon::CTrayIcon(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("trayIcon"));
}

CTrayIcon::~CTrayIcon()
{
    SetVisible(false);
}

bool CTrayIcon::Create(bool visible, int id, const QString &tip)
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(TrayPicture(), this);
        m_icon->setObjectName(QStringLiteral("systemTrayIcon"));
        // Qt's own tray window hands the icon its tip request before it shows the tip.
        m_icon->installEventFilter(this);
        // A host's activation is its icon's main action there: it counts as the double-click
        // the older trays send after their click.
        const bool onHost = IsStatusNotifierHost();
        m_bOnHost = onHost;
        const int trigger = onHost ? NM_DBLCLK : NM_CLICK;
        // A host publishes the menu itself. Without it, a host only asks the program to open one
        // at a point, and on Wayland a program neither knows the pointer nor may place a window:
        // its menu came up loose in the middle of the screen, or not at all.
        if (onHost && m_hostMenu)
            m_icon->setContextMenu(m_hostMenu);
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this, trigger](QSystemTrayIcon::ActivationReason reason) {
                    switch (reason) {
                    case QSystemTrayIcon::Trigger:
                        SendNotify(trigger);
                        break;
                    case QSystemTrayIcon::DoubleClick:
                        SendNotify(NM_DBLCLK);
                        break;
                    case QSystemTrayIcon::Context:
                        SendNotify(NM_RCLICK);
                        break;
                    default:
                        break;
                    }
                });
    }
    m_nId = id;
    SetTip(tip);
    if (visible)
        SetVisible(true);
    return true;
}

void CTrayIcon::SetVisible(bool visible)
{
    if (!m_icon || visible == m_bShown)
        return;
    m_icon->setVisible(visible);
    m_bShown = visible;
}

QString CTrayIcon::ShownTip() const
{
    // Each line is cut on its own, so the place's name and time never push out the line of
    // its next change.
    QStringList lines = m_strTip.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line.truncate(MaxTipLength);
    return lines.join(QLatin1Char('\n'));
}

void CTrayIcon::SetTip(const QString &tip)
{
    m_strTip = tip;
    if (m_icon)
        m_icon->setToolTip(ShownTip());
}

bool CTrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_icon && event->type() == QEvent::ToolTip && m_beforeTip)
        m_beforeTip();
    return QObject::eventFilter(watched, event);
}

bool CTrayIcon::IsAvailable()
{
    return g_availability.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void CTrayIcon::SetAvailabilityForTesting(std::optional<bool> available)
{
    g_availability = available;
}

void CTrayIcon::SendNotify(int code)
{
    PanelNotify notify;
    notify.idFrom = m_nId;
    notify.code = code;
    notify.pt = QCursor::pos();
    emit Notify(notify);
}
