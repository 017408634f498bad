// SPDX-License-Identifier: MIT

#include "app/maindialog.h"
#include "app/pinnedlist.h"
#include "app/windowstate.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "home/dialogunits.h"
#include "map/mapwnd.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <memory>

// The pinned places as the window shows them: the list under the buttons, the marks on the map,
// the tray's menu, and pinning from the window's shortcut and the tree's menu. The state keeps
// the pins and works out their rows at the clocks' tick.

namespace {

// Rows the list shows before it scrolls: the window grows by at most these.
constexpr int ListRows = 6;

// Gives a place of the tree its menu (Pin); on a region the tree's right-click, and the
// keyboard's menu, go on as before.
class TreeMenuFilter final : public QObject
{
public:
    TreeMenuFilter(CMainDialog *dialog, QTreeWidget *tree) : QObject(dialog), m_dialog(dialog)
    {
        tree->installEventFilter(this);
        tree->viewport()->installEventFilter(this);
        m_tree = tree;
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu)
            return false;
        auto *menu = static_cast<QContextMenuEvent *>(event);
        const QPoint at = menu->reason() == QContextMenuEvent::Keyboard
                              ? m_tree->viewport()->mapToGlobal(
                                    m_tree->visualItemRect(m_tree->currentItem()).center())
                              : menu->globalPos();
        return m_dialog->ShowTreeMenu(at);
    }

private:
    CMainDialog *m_dialog;
    QTreeWidget *m_tree = nullptr;
};

} // namespace

void CMainDialog::CreatePinnedList()
{
    m_nBaseHeight = minimumSize().height();
    connect(m_state, &WindowState::pinsChanged, this, [this] {
        ShowPins();
        SaveSettings(false);
    });
    auto *pin = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    pin->setObjectName(QStringLiteral("pinShortcut"));
    connect(pin, &QShortcut::activated, this, [this] {
        if (m_state->PinSelection() < 0)
            QApplication::beep();
    });
    new TreeMenuFilter(this, m_tree);
    if (m_clockSelectedTime)
        m_state->SetPinTimes24Hour(m_clockSelectedTime->Get24Hour());
    ShowPins(); // as stored: nothing to save
}

CPinnedList *CMainDialog::MakePinnedList()
{
    // Made with the first pin: most windows never show one, and a list costs much to make.
    if (m_pinnedList)
        return m_pinnedList;
    m_pinnedList = new CPinnedList(this);
    connect(m_pinnedList, &CPinnedList::Activated, m_state, &WindowState::ChoosePin);
    connect(m_pinnedList, &CPinnedList::RenameRequested, m_state, &WindowState::RenamePin);
    connect(m_pinnedList, &CPinnedList::UnpinRequested, m_state, &WindowState::UnpinPin);
    connect(m_pinnedList, &CPinnedList::MoveRequested, m_state, &WindowState::MovePin);
    connect(m_state, &WindowState::pinRowsChanged, m_pinnedList,
            [this] { m_pinnedList->SetRows(m_state->PinRows()); });
    setTabOrder(m_hideButton, m_pinnedList); // under the buttons, and after them
    m_pinnedList->SetRows(m_state->PinRows());
    return m_pinnedList;
}

void CMainDialog::ShowPins()
{
    LayoutPins();
    std::vector<CMapWnd::Marker> markers;
    const std::vector<PinWhere> &where = m_state->PinPlaces();
    const std::vector<PinnedRow> &rows = m_state->PinRows();
    for (std::size_t i = 0; i < where.size() && i < rows.size(); ++i)
        markers.push_back({where[i].latitude, where[i].longitude, rows[i].name});
    if (m_map)
        m_map->SetMarkers(std::move(markers));
    FillTrayPins();
    UpdateTrayTip();
}

void CMainDialog::LayoutPins()
{
    const DialogUnits du(font());
    const int rows = std::min(m_state->Pins().Count(), ListRows);
    if (rows == 0 && !m_pinnedList)
        return;
    MakePinnedList();
    const int listHeight = rows > 0 ? m_pinnedList->HeightFor(rows) : 0;
    m_pinnedList->setVisible(rows > 0);
    SetBottomBand(m_pinnedList, QRect(du.X(4), m_nBaseHeight, minimumWidth() - du.X(8), listHeight),
                  rows > 0 ? listHeight + du.Y(4) : 0);
}

void CMainDialog::FillTrayPins()
{
    if (!m_trayMenu)
        return;
    for (QAction *a : std::as_const(m_trayPinActions))
        delete a;
    m_trayPinActions.clear();
    const std::vector<PinnedRow> &rows = m_state->PinRows();
    if (rows.empty() != !m_trayPinSeparator) {
        if (m_trayPinSeparator) {
            delete m_trayPinSeparator;
            m_trayPinSeparator = nullptr;
        } else {
            m_trayPinSeparator = m_trayMenu->insertSeparator(m_trayMenu->actions().value(0));
        }
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PinnedRow &row = rows[i];
        QString text = row.name;
        text.replace(u'&', QStringLiteral("&&"));
        if (row.known)
            text += u'\t' + row.time + (row.day.isEmpty() ? QString() : u' ' + row.day);
        auto *action = new QAction(text, m_trayMenu.get());
        action->setObjectName(QStringLiteral("trayPinAction%1").arg(i));
        connect(action, &QAction::triggered, m_state,
                [this, i] { m_state->ChoosePin(static_cast<int>(i)); });
        m_trayMenu->insertAction(m_trayPinSeparator, action);
        m_trayPinActions.append(action);
    }
}

bool CMainDialog::ShowTreeMenu(const QPoint &screenPos)
{
    const QPoint at = m_tree->viewport()->mapFromGlobal(screenPos);
    QTreeWidgetItem *item =
        m_tree->viewport()->rect().contains(at) ? m_tree->itemAt(at) : m_tree->currentItem();
    if (!item || item->childCount() > 0)
        return false;
    const int place = item->data(0, Qt::UserRole).toInt();
    std::unique_ptr<QMenu> menu(new QMenu(this));
    menu->setObjectName(QStringLiteral("treeMenu"));
    menu->setAccessibleName(tr("Place menu"));
    QAction *pin = menu->addAction(tr("&Pin"));
    pin->setObjectName(QStringLiteral("treePinAction"));
    pin->setEnabled(!m_state->Pins().IsFull() && m_state->Knows(place));
    if (menu->exec(screenPos) == pin)
        m_state->Pin(PlaceChoice(place));
    return true;
}
