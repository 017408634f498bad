// SPDX-License-Identifier: MIT

#pragma once

#include "map/panelwnd.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QMenu;
class QSystemTrayIcon;

// The program's icon in the desktop's notification area, with a tip of up to 63 characters.
// Mouse activity on it is reported like clicks on a panel: the icon's id, a click code and the
// cursor's screen position.
class CTrayIcon final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTrayIcon)

public:
    static constexpr int MaxTipLength = 63;

    explicit CTrayIcon(QObject *parent = nullptr);
    ~CTrayIcon() override;

    // The menu a StatusNotifierItem host shows itself (over D-Bus) at a right-click on the
    // icon; older trays report the click and the program opens its menu. Given before Create.
    void SetHostMenu(QMenu *menu) { m_hostMenu = menu; }

    // Makes the icon with its id and tip, and shows it when visible is set.
    bool Create(bool visible, int id, const QString &tip);
    void SetVisible(bool visible);
    bool IsShown() const { return m_bShown; }
    void SetTip(const QString &tip);
    QString Tip() const { return m_strTip; }
    // Called just before the tray shows the tip, so its time is worked out then rather than at
    // every second. A host that reads the tip in advance (StatusNotifierItem) does not ask.
    void SetBeforeTipShown(std::function<void()> refresh) { m_beforeTip = std::move(refresh); }
    bool ReadsTipInAdvance() const { return m_bOnHost; }
    // What the desktop is given: each line of the tip cut to 63 characters.
    QString ShownTip() const;
    int Id() const { return m_nId; }

    // Whether the desktop has a notification area to put the icon in. Tests decide this
    // themselves; nullopt goes back to asking the desktop.
    static bool IsAvailable();
    static void SetAvailabilityForTesting(std::optional<bool> available);

    // Reports code (NM_CLICK, NM_DBLCLK, NM_RCLICK) at the cursor's position, as the desktop's
    // activation does.
    void SendNotify(int code);

signals:
    void Notify(const PanelNotify &notify);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_strTip;
    std::function<void()> m_beforeTip;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_hostMenu = nullptr;
    bool m_bShown = false;
    bool m_bOnHost = false;
    int m_nId = 0;
};
