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
        const QRectF frame =
            QRectF(option->rect.adjusted(0, top, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QColor(0x75, 0x75, 0x75, 51));
        painter->setBrush(QColor(0, 0, 0, 4));
        painter->drawRoundedRect(frame, 2, 2);
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
