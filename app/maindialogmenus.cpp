#include "app/maindialog.h"
#include "app/popupmenus.h"
#include "map/mapwnd.h"

// The map's and the clocks' pop-up menus: built, marked from the state they change, run, and
// their command applied by the menu code; the tree's pictures follow a new land colour.

void CMainDialog::ShowMapMenu(const QPoint &screenPos)
{
    if (m_map)
        ::ShowMapMenu(*m_map, m_tree, screenPos);
}

void CMainDialog::ShowClockMenu(CClockCtrl *clock, const QPoint &screenPos)
{
    if (::ShowClockMenu(clock, m_pMenuClock, screenPos) == ID_CONVERT_TIME)
        OnConvertTime();
}
