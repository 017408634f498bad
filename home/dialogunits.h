// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QRect>

// Converts dialog-template units to pixels for a font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height. Layouts kept in
// these units scale with the desktop's font the way dialog templates do.
class DialogUnits final
{
public:
    explicit DialogUnits(const QFont &font);

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;

    int BaseWidth() const { return m_nBaseWidth; }
    int BaseHeight() const { return m_nBaseHeight; }

private:
    int m_nBaseWidth = 1;
    int m_nBaseHeight = 1;
};
