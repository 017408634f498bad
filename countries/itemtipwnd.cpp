// SPDX-License-Identifier: MIT

#include "countries/itemtipwnd.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>

CItemTipWnd::CItemTipWnd(int kind, COLORREF back, COLORREF text, QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("itemTip"));
    setAccessibleName(tr("Item tip"));
    // Shown over the tree while the tree keeps the focus and the mouse: input goes through.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);

    const QPalette palette = QGuiApplication::palette();
    if (kind == SelectedInactive || kind == Focused) {
        // An unfocused tree draws its selection in the inactive highlight.
        const QPalette::ColorGroup group = kind == Focused ? QPalette::Active : QPalette::Inactive;
        m_nKind = kind;
        m_crBack = FromQColor(palette.color(group, QPalette::Highlight));
        m_crText = FromQColor(palette.color(group, QPalette::HighlightedText));
    } else if (back != text && kind != Plain) {
        m_nKind = Custom;
        m_crBack = back;
        m_crText = text;
    } else {
        m_nKind = Plain;
        m_crBack = FromQColor(palette.color(QPalette::Active, QPalette::Base));
        m_crText = FromQColor(palette.color(QPalette::Active, QPalette::Text));
    }
}

QRect CItemTipWnd::KeepInside(QRect rect, const QRect &screen)
{
    if (rect.top() < screen.top())
        rect.moveTop(screen.top());
    else if (rect.bottom() > screen.bottom())
        rect.moveBottom(screen.bottom());
    if (rect.left() < screen.left())
        rect.moveLeft(screen.left());
    else if (rect.right() > screen.right())
        rect.moveRight(screen.right());
    return rect;
}

int CItemTipWnd::TextMargin(const QWidget *owner)
{
    const QStyle *style = owner ? owner->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, owner) + 1;
}

bool CItemTipWnd::Create(const QString &text, const QRect &rect, QWidget *owner)
{
    if (!owner)
        return false;
    m_pOwner = owner;
    m_text = text;
    setWindowTitle(text);
    setFont(owner->font());

    QRect placed(owner->mapToGlobal(rect.topLeft()), rect.size());
    if (const QScreen *screen = owner->screen())
        placed = KeepInside(placed, screen->geometry());
    setGeometry(placed);
    return true;
}

void CItemTipWnd::paintEvent(QPaintEvent *)
{
    if (!m_pOwner)
        return;
    QPainter painter(this);
    const QRect client = rect();
    painter.fillRect(client, ToQColor(m_crBack));
    painter.setFont(m_pOwner->font());
    painter.setPen(ToQColor(m_crText));
    const int margin = TextMargin(m_pOwner);
    painter.setClipRect(client);
    painter.drawText(client.adjusted(margin, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
    painter.setClipping(false);

    if (m_nKind == Focused) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = client;
        option.backgroundColor = ToQColor(m_crBack);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    } else {
        painter.setPen(m_pOwner->palette().color(QPalette::WindowText));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(client.adjusted(0, 0, -1, -1));
    }
}
