#include "app/maindialog.h"
#include "app/popupmenus.h"
#include "clock/clockctrl.h"
#include "map/mapcolourwaitdialog.h"
#include "map/mapwnd.h"

#include <QMenu>

#include <memory>

// The pop-up menus of the map and the clocks: each is built, marked from the state it changes,
// run, and its command applied here.

namespace {

// Recolouring the whole map takes a moment: say so while it runs.
template <typename Work> void WithWaitDialog(QWidget *over, Work work)
{
    CMapColourWaitDialog wait(over);
    wait.Create();
    wait.ShowOver(over);
    work();
}

} // namespace

void CMainDialog::ShowMapMenu(const QPoint &screenPos)
{
    if (!m_map)
        return;
    std::unique_ptr<QMenu> menu(CreateMapMenu(this));
    const int land = m_map->GetLandColour();
    const int sea = m_map->GetSeaColour();
    PrepareMapMenu(menu.get(), land, sea, m_map->GetAcceleration());
    const int command = TrackPopupMenu(menu.get(), screenPos);

    if (command == ID_SPEED_SLOW) {
        m_map->SetAcceleration(SlowAcceleration);
    } else if (command == ID_SPEED_MEDIUM) {
        m_map->SetAcceleration(MediumAcceleration);
    } else if (command == ID_SPEED_FAST) {
        m_map->SetAcceleration(FastAcceleration);
    } else if (command >= ID_LAND_COLOUR_FIRST && command <= ID_LAND_COLOUR_LAST) {
        const int pair = command - ID_LAND_COLOUR_FIRST;
        if (pair != land) {
            WithWaitDialog(this, [&] { m_map->SetLandColour(pair); });
            RebuildTreeImages(m_map->GetLandColour());
        }
    } else if (command >= ID_SEA_COLOUR_FIRST && command <= ID_SEA_COLOUR_LAST) {
        const int pair = command - ID_SEA_COLOUR_FIRST;
        if (pair != sea)
            WithWaitDialog(this, [&] { m_map->SetSeaColour(pair); });
    }
}

void CMainDialog::ShowClockMenu(CClockCtrl *clock, const QPoint &screenPos)
{
    if (!clock)
        return;
    m_pMenuClock = clock;
    const bool timeClock = clock == m_clockHomeTime || clock == m_clockSelectedTime;
    std::unique_ptr<QMenu> menu(CreateClockMenu(timeClock, this));
    PrepareClockMenu(menu.get(), clock->GetTextColour(), clock->GetShowSeconds());
    const int command = TrackPopupMenu(menu.get(), screenPos);

    // A menu closed without a command leaves the menu clock set until the next clock menu.
    if (command == ID_SHOW_SECONDS && timeClock) {
        m_pMenuClock->SetShowSeconds(!m_pMenuClock->GetShowSeconds());
        m_pMenuClock = nullptr;
    } else if (command >= ID_CLOCK_COLOUR_FIRST && command <= ID_CLOCK_COLOUR_LAST) {
        m_pMenuClock->SetTextColour(ClockColourTable[command - ID_CLOCK_COLOUR_FIRST]);
        m_pMenuClock = nullptr;
    }
}
