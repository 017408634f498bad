// SPDX-License-Identifier: MIT

#include "map/groupframe.h"

#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

// The application's style, but for Fusion's group frame.
class CGroupFrameStyle final : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_FrameGroupBox ||
            baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Fusion's picture, drawn: a one-pixel grey outline at a fifth of full strength with
        // rounded corners over a barely darker inside, below the title as Fusion places it.
        constexpr int TopMargin = 3;
        const auto *box = qobject_cast<const QGroupBox *>(widget);
        const bool plain = box && !box->isCheckable() && box->title().isEmpty();
        const int top = plain ? TopMargin
                              : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                         option->fontMetrics.height()) +
                                    TopMargin;
        // Drawn as lines and pixels: stroking a rounded outline costs many times as much.
        const QRect frame = option->rect.adjusted(0, top, -1, -1);
        if (frame.width() < 4 || frame.height() < 4)
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->fillRect(frame.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 4));
        painter->setPen(QColor(0x75, 0x75, 0x75, 51));
        const int l = frame.left();
        const int t = frame.top();
        const int r = frame.right();
        const int b = frame.bottom();
        const QLine sides[] = {
            {l + 2, t, r - 2, t}, {l + 2, b, r - 2, b}, {l, t + 2, l, b - 2}, {r, t + 2, r, b - 2}};
        painter->drawLines(sides, 4);
        const QPoint corners[] = {{l + 1, t + 1}, {r - 1, t + 1}, {l + 1, b - 1}, {r - 1, b - 1}};
        painter->drawPoints(corners, 4);
        painter->restore();
    }
};

} // namespace

void UseDrawnGroupFrame(QGroupBox *box)
{
    // One style for every box; without a base it follows the application's style.
    static CGroupFrameStyle *style = new CGroupFrameStyle;
    box->setStyle(style);
}
