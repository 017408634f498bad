// SPDX-License-Identifier: MIT

#include "home/dialogunits.h"

#include <QFontMetrics>

#include <algorithm>

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    // The average over the Latin letters, rounded, as dialog managers measure a font.
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int total = metrics.horizontalAdvance(letters);
    m_nBaseWidth = std::max(1, (total / 26 + 1) / 2);
    m_nBaseHeight = std::max(1, metrics.height());
}

int DialogUnits::X(int units) const
{
    return (units * m_nBaseWidth + 2) / 4;
}

int DialogUnits::Y(int units) const
{
    return (units * m_nBaseHeight + 4) / 8;
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    const int left = X(x);
    const int top = Y(y);
    return {left, top, X(x + width) - left, Y(y + height) - top};
}
