// SPDX-License-Identifier: MIT

#pragma once

#include "settings/settingsowner.h"

#include <QList>
#include <QRect>
#include <QSize>

// How a control of the main window follows the window's size.
enum class LayoutRole
{
    MapFrame,
    Map,
    MapCaption,   // on the map frame's top edge, in its middle
    UnderMapLeft, // inside the map's frame, under the map
    UnderMapRight,
    HomeGroup,
    HomeClock,
    SelectedGroup,
    SelectedClock,
    List,       // the tree and its frame
    BottomLeft, // the buttons
    BottomRight,
    BottomBand, // across the window under the buttons
};

// The main window's layout at any size from its default one, where every control has its
// default place. Beyond the default the map grows at 2:1 (its inside, without its border), in
// the middle of the window's width, taking at most three quarters of the height gained; its frame
// spans the width, with the check boxes in its corners under the map. Below the map the column
// of clocks grows in proportion to the height gained, as far as a third of the width gained
// allows once the tree is wide enough for every name, and its boxes share what height it leaves;
// the tree takes the rest of the room. The buttons keep to the bottom corners, over the band
// under them, which spans the width.
class WindowLayout
{
public:
    // base: the window's default inside size; map: the map's default place, with its border;
    // clocks: the column of the clocks' boxes, to the tree's left edge.
    WindowLayout(QSize base, const QRect &map, int mapBorder, const QRect &clocks);

    // The height of a band under the buttons (the pinned places), which the least size adds.
    void SetBottomBand(int height) { m_band = height; }
    int BottomBand() const { return m_band; }
    QSize LeastSize() const { return m_base + QSize(0, m_band); }

    // The width the tree wants beyond its default one, so that no name is cut.
    void SetListWidthWanted(int extra) { m_listWanted = extra; }

    // Where a control whose default place is rect goes at size (no smaller than the default).
    QRect Place(LayoutRole role, const QRect &rect, QSize size) const;

private:
    struct Growth
    {
        int dx = 0;       // the window's width gained
        int dy = 0;       // and height
        int shift = 0;    // the map's frame moved right
        int mapWidth = 0; // the map's width gained
        int mapHeight = 0;
        int below = 0;        // the height gained under the map
        double scale = 1;     // the clocks' column's
        int columnGained = 0; // its width gained
        int spare = 0;        // the height it leaves to its boxes
    };
    Growth GrowthAt(QSize size) const;

    // A rect of the clocks' column, grown by the scale about the column's corner.
    QRect Scaled(const QRect &rect, const Growth &g) const;

    QSize m_base;
    QSize m_mapInside;
    QRect m_clocks;
    int m_listWanted = 0;
    int m_band = 0;
};

// Where a window of minimum size, at most as large as the largest screen, goes for the stored
// placement: the stored size, or minimum for none or one too small; the stored place only when
// the middle of the window's top edge lies on a screen, else none (the desktop places it).
struct WindowPlace
{
    QSize size;
    bool hasPosition = false;
    QPoint position;
};
WindowPlace PlaceOnScreens(const WindowPlacement &stored, QSize minimum,
                           const QList<QRect> &screens);
