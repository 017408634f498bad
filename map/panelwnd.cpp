// SPDX-License-Identifier: MIT

#include "map/panelwnd.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <utility>

namespace {
CPanelWnd::PaintHook g_paintHook;
} // namespace

void CPanelWnd::SetPaintHook(PaintHook hook)
{
    g_paintHook = std::move(hook);
}

COLORREF GetSystemColour(SystemColour which)
{
    const QPalette palette = QApplication::palette();
    switch (which) {
    case SystemColour::ButtonFace:
        return FromQColor(palette.color(QPalette::Active, QPalette::Button));
    case SystemColour::ButtonShadow:
        return FromQColor(palette.color(QPalette::Active, QPalette::Dark));
    case SystemColour::ButtonHighlight:
        return FromQColor(palette.color(QPalette::Active, QPalette::Light));
    }
    return 0;
}

CPanelWnd::CPanelWnd(COLORREF crText, COLORREF crBack, QWidget *parent)
    : QWidget(parent), m_crText(crText), m_crBack(crBack)
{
    if (m_crText == m_crBack && m_crText != CLR_DEFAULT) {
        m_crText = MakeColourRef(0, 0, 0);
        m_crBack = GetSystemColour(SystemColour::ButtonFace);
    }
    // Every pixel comes from the surface, so Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(MinimumSize, MinimumSize);
    setObjectName(QStringLiteral("panel"));
    setAccessibleName(tr("Panel"));
    m_notify.hwndFrom = this;
}

CPanelWnd::~CPanelWnd() = default;

bool CPanelWnd::Create(const QRect &rect, QWidget *parent, int id)
{
    if (m_bCreated)
        return false;
    QRect r = rect;
    r.setWidth(std::max(r.width(), MinimumSize));
    r.setHeight(std::max(r.height(), MinimumSize));
    if (parent != parentWidget())
        setParent(parent);
    setGeometry(r);
    m_nId = id;
    m_notify.hwndFrom = this;
    m_notify.idFrom = id;
    m_bCreated = true;
    OnCreate(r);
    show();
    return true;
}

void CPanelWnd::OnCreate(const QRect &) {}

void CPanelWnd::SetTextColour(COLORREF cr)
{
    if (cr == m_crBack)
        return;
    m_crText = cr;
    Invalidate(false);
}

void CPanelWnd::SetBackColour(COLORREF cr)
{
    if (cr == m_crText)
        return;
    m_crBack = cr;
    Invalidate(true);
}

COLORREF CPanelWnd::ShownTextColour() const
{
    return m_crText == CLR_DEFAULT ? FromQColor(palette().color(QPalette::WindowText)) : m_crText;
}

COLORREF CPanelWnd::ShownBackColour() const
{
    return m_crBack == CLR_DEFAULT ? FromQColor(palette().color(QPalette::Window)) : m_crBack;
}

QRect CPanelWnd::InnerRect() const
{
    return rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
}

void CPanelWnd::Invalidate(bool bErase)
{
    m_bPaintPending = true;
    m_bErasePending = m_bErasePending || bErase;
    update();
}

void CPanelWnd::MarkChanged(bool bErase)
{
    m_bPaintPending = true;
    m_bErasePending = m_bErasePending || bErase;
}

bool CPanelWnd::IsShowing() const
{
    // A minimised window stays visible to Qt, and a clock would go on drawing what nobody sees.
    return isVisible() && !window()->isMinimized();
}

void CPanelWnd::UpdateWindow()
{
    if (!m_bPaintPending)
        return;
    if (m_bDrawsWhole) {
        update();
        return;
    }
    if (IsShowing()) {
        if (const QRect changed = RenderPending(); !changed.isEmpty())
            update(changed);
    } else {
        // Qt paints a window that does not show when it shows again; the surface catches up then.
        update();
    }
}

bool CPanelWnd::EnsureSurface()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pixels.isEmpty())
        return false;
    if (m_surface.size() != pixels || m_surface.devicePixelRatio() != ratio) {
        m_surface = QImage(pixels, QImage::Format_RGB32);
        m_surface.setDevicePixelRatio(ratio);
        m_bPaintPending = true;
        m_bErasePending = true;
    }
    return true;
}

QRect CPanelWnd::RenderPending()
{
    if (!EnsureSurface() || !m_bPaintPending)
        return {};
    QPainter painter(&m_surface);
    m_bFreshlyErased = m_bErasePending;
    if (m_bErasePending) {
        m_bErasePending = false;
        EraseBackground(painter);
    }
    m_bPaintPending = false;
    painter.setClipRect(InnerRect());
    m_rcChanged = InnerRect();
    PaintInside(painter);
    const QRect changed = m_bFreshlyErased ? rect() : (m_rcChanged & InnerRect());
    m_bFreshlyErased = false;
    if (g_paintHook)
        g_paintHook(this, changed);
    return changed;
}

void CPanelWnd::EraseBackground(QPainter &painter)
{
    DrawFrame(painter);
    painter.fillRect(InnerRect(), ToQColor(ShownBackColour()));
}

void CPanelWnd::DrawFrame(QPainter &painter) const
{
    const int w = width();
    const int h = height();
    const QColor shadow = palette().color(QPalette::Active, QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Active, QPalette::Light);
    const QColor face = palette().color(QPalette::Active, QPalette::Button);
    // Dark on top and left, light on bottom and right: a frame sunk into the surface.
    painter.fillRect(0, 0, w - 1, 1, shadow);
    painter.fillRect(0, 0, 1, h - 1, shadow);
    painter.fillRect(1, 1, w - 3, 1, Qt::black);
    painter.fillRect(1, 1, 1, h - 3, Qt::black);
    painter.fillRect(w - 1, 0, 1, h, highlight);
    painter.fillRect(0, h - 1, w, 1, highlight);
    painter.fillRect(w - 2, 1, 1, h - 2, face);
    painter.fillRect(1, h - 2, w - 3, 1, face);
}

void CPanelWnd::PaintInside(QPainter &) {}

void CPanelWnd::paintEvent(QPaintEvent *event)
{
    const QRect dirty = event->rect();
    if (m_bDrawsWhole) {
        QPainter painter(this);
        m_bPaintPending = false;
        m_bErasePending = false;
        m_bFreshlyErased = true;
        if (!CoversInside())
            EraseBackground(painter);
        else if (!InnerRect().contains(dirty))
            DrawFrame(painter);
        painter.setClipRect(InnerRect() & dirty);
        PaintInside(painter);
        m_bFreshlyErased = false;
        painter.setClipping(false);
        if (g_paintHook)
            g_paintHook(this, dirty & rect());
        DrawFocus(painter);
        return;
    }
    // What a paint changed beyond the part Qt asked for goes to the screen next.
    if (const QRect changed = RenderPending(); !changed.isEmpty() && !dirty.contains(changed))
        update(changed);
    if (m_surface.isNull())
        return;
    QPainter painter(this);
    const qreal ratio = m_surface.devicePixelRatio();
    painter.drawImage(QRectF(dirty), m_surface,
                      QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
    DrawFocus(painter);
}

void CPanelWnd::DrawFocus(QPainter &painter) const
{
    // The keyboard focus shows as the frame in the highlight colour; drawn over the surface, not
    // into it, so what the window keeps stays the same.
    if (!hasFocus())
        return;
    const QColor focus = palette().color(QPalette::Active, QPalette::Highlight);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, BorderWidth, focus);
    painter.fillRect(0, h - BorderWidth, w, BorderWidth, focus);
    painter.fillRect(0, 0, BorderWidth, h, focus);
    painter.fillRect(w - BorderWidth, 0, BorderWidth, h, focus);
}

void CPanelWnd::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void CPanelWnd::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CPanelWnd::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Invalidate(true);
}

void CPanelWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming into view starts from a fresh background, as after being uncovered.
    Invalidate(true);
}

void CPanelWnd::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        Invalidate(true);
}

// A click counts only when no other button message came between its press and its release, so a
// press of one button during a click of the other cancels that click.
void CPanelWnd::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_nLastButton = Button::LeftDown;
    else if (event->button() == Qt::RightButton)
        m_nLastButton = Button::RightDown;
    event->accept();
}

void CPanelWnd::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        if (m_nLastButton == Button::LeftDown)
            Send(NM_CLICK, event->position());
        m_nLastButton = Button::LeftUp;
    } else if (event->button() == Qt::RightButton) {
        if (m_nLastButton == Button::RightDown)
            Send(NM_RCLICK, event->position());
        m_nLastButton = Button::RightUp;
    }
    event->accept();
}

void CPanelWnd::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Send(NM_DBLCLK, event->position());
    else if (event->button() == Qt::RightButton)
        Send(NM_RDBLCLK, event->position());
    event->accept();
}

void CPanelWnd::Send(int code, const QPointF &localPos)
{
    m_notify.hwndFrom = this;
    m_notify.idFrom = m_nId;
    m_notify.code = code;
    m_notify.pt = mapToGlobal(localPos.toPoint());
    emit Notify(m_notify);
}
