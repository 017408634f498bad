// SPDX-License-Identifier: MIT

#include "app/windowlayout.h"

#include <algorithm>

WindowLayout::WindowLayout(QSize base, const QRect &map, int mapBorder, const QRect &clocks)
    : m_base(base), m_mapInside(map.width() - 2 * mapBorder, map.height() - 2 * mapBorder),
      m_clocks(clocks)
{}

WindowLayout::Growth WindowLayout::GrowthAt(QSize size) const
{
    Growth g;
    g.dx = std::max(0, size.width() - m_base.width());
    g.dy = std::max(0, size.height() - m_base.height() - m_band);
    const int baseWidth = m_mapInside.width();
    const int baseHeight = m_mapInside.height();
    const int roomWidth = baseWidth + g.dx;
    // The default map is a little wider than 2:1; it grows once 2:1 is taller than it.
    const int height = std::max(baseHeight, std::min(roomWidth / 2, baseHeight + g.dy * 3 / 4));
    const int width = height > baseHeight ? 2 * height : baseWidth;
    g.mapWidth = width - baseWidth;
    g.mapHeight = height - baseHeight;
    g.shift = (roomWidth - width) / 2;
    g.below = g.dy - g.mapHeight;
    const double tall = double(m_clocks.height() + g.below) / m_clocks.height();
    const int spareWidth = std::max(0, g.dx - m_listWanted);
    const double wide =
        (m_clocks.width() + std::min(g.dx / 3.0, spareWidth * 1.0)) / m_clocks.width();
    g.scale = std::min(tall, wide);
    g.columnGained = qRound(m_clocks.width() * g.scale) - m_clocks.width();
    g.spare = m_clocks.height() + g.below - qRound(m_clocks.height() * g.scale);
    return g;
}

QRect WindowLayout::Scaled(const QRect &rect, const Growth &g) const
{
    const QPoint corner = m_clocks.topLeft();
    const QPoint from = corner + (rect.topLeft() - corner) * g.scale;
    const QPoint to =
        corner + (rect.topLeft() + QPoint(rect.width(), rect.height()) - corner) * g.scale;
    return QRect(from, to - QPoint(1, 1)).translated(0, g.mapHeight);
}

QRect WindowLayout::Place(LayoutRole role, const QRect &rect, QSize size) const
{
    const Growth g = GrowthAt(size);
    const int half = g.spare / 2; // the home box's share; the selected box has the rest
    switch (role) {
    case LayoutRole::MapFrame:
        return rect.adjusted(0, 0, g.dx, g.mapHeight);
    case LayoutRole::Map:
        return rect.translated(g.shift, 0).adjusted(0, 0, g.mapWidth, g.mapHeight);
    case LayoutRole::MapCaption:
        return rect.translated(g.dx / 2, 0);
    case LayoutRole::UnderMapLeft:
        return rect.translated(0, g.mapHeight);
    case LayoutRole::UnderMapRight:
        return rect.translated(g.dx, g.mapHeight);
    case LayoutRole::HomeGroup:
        return Scaled(rect, g).adjusted(0, 0, 0, half);
    case LayoutRole::HomeClock:
        return Scaled(rect, g).translated(0, half / 2);
    case LayoutRole::SelectedGroup:
        return Scaled(rect, g).translated(0, half).adjusted(0, 0, 0, g.spare - half);
    case LayoutRole::SelectedClock:
        return Scaled(rect, g).translated(0, half + (g.spare - half) / 2);
    case LayoutRole::List:
        return rect.translated(g.columnGained, g.mapHeight)
            .adjusted(0, 0, g.dx - g.columnGained, g.below);
    case LayoutRole::BottomLeft:
        return rect.translated(0, g.dy);
    case LayoutRole::BottomRight:
        return rect.translated(g.dx, g.dy);
    case LayoutRole::BottomBand:
        return rect.translated(0, g.dy).adjusted(0, 0, g.dx, 0);
    }
    return rect;
}

WindowPlace PlaceOnScreens(const WindowPlacement &stored, QSize minimum,
                           const QList<QRect> &screens)
{
    QSize largest = minimum;
    for (const QRect &screen : screens)
        largest = largest.expandedTo(screen.size());
    WindowPlace place;
    place.size = QSize(stored.width, stored.height).expandedTo(minimum).boundedTo(largest);
    if (!stored.hasPosition)
        return place;
    const QPoint top(stored.x + place.size.width() / 2, stored.y);
    place.hasPosition = std::any_of(screens.begin(), screens.end(),
                                    [&top](const QRect &screen) { return screen.contains(top); });
    if (place.hasPosition)
        place.position = QPoint(stored.x, stored.y);
    return place;
}
