// SPDX-License-Identifier: MIT

#include "map/bitmapwnd.h"

#include "map/surface.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

namespace {

std::int64_t SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

CBitmapWnd::CBitmapWnd(QWidget *parent)
    : CPanelWnd(MakeColourRef(0, 0, 0), GetSystemColour(SystemColour::ButtonFace), parent),
      m_clock(SteadyMilliseconds), m_frameTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("bitmapWnd"));
    setAccessibleName(tr("Picture"));
    SetDrawsWhole();
    m_frameTimer->setTimerType(Qt::PreciseTimer);
    connect(m_frameTimer, &QTimer::timeout, this, &CBitmapWnd::GlideFrame);
}

CBitmapWnd::~CBitmapWnd() = default;

bool CBitmapWnd::Create(const QRect &rect, QWidget *parent, int id, const QString &pictureFile)
{
    return Create(rect, parent, id, QImage(pictureFile));
}

bool CBitmapWnd::Create(const QRect &rect, QWidget *parent, int id, const QImage &picture)
{
    if (!CPanelWnd::Create(rect, parent, id))
        return false;
    if (picture.isNull()) {
        m_size = InnerRect().size().expandedTo(QSize(0, 0));
        m_dcView = MakeSurface(m_size);
        return false;
    }
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    Rebuild(true);
    return true;
}

bool CBitmapWnd::CreatePanel(const QRect &rect, QWidget *parent, int id)
{
    if (!CPanelWnd::Create(rect, parent, id))
        return false;
    Rebuild(true);
    return true;
}

void CBitmapWnd::BuildSurfaces(QSize size)
{
    const QSize own = m_picture.size();
    if (m_picture.isNull() || size.isEmpty())
        m_dcView = MakeSurface(size);
    else if (size.width() % own.width() == 0 && size.height() % own.height() == 0)
        m_dcView = ScaleWholePixels(m_picture, size);
    else
        m_dcView = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
}

void CBitmapWnd::Rebuild(bool force)
{
    if (!IsCreated())
        return;
    const qreal dpr = devicePixelRatioF();
    const QSizeF inner = QSizeF(InnerRect().size().expandedTo(QSize(0, 0))) * dpr;
    const QSize size(qRound(inner.width()), qRound(inner.height()));
    if (!force && size == m_size && dpr == m_dpr)
        return;
    FinishGlide();
    const QPoint origin = KeptOrigin(m_size, size);
    m_dpr = dpr;
    m_size = size;
    m_ptOrigin = QPoint();
    m_ptCentre = QPoint(size.width() / 2, size.height() / 2);
    BuildSurfaces(size);
    if (!origin.isNull())
        ScrollView(origin.x(), origin.y());
    SurfacesTurned();
    Invalidate(false);
}

QPoint CBitmapWnd::KeptOrigin(QSize oldSize, QSize newSize) const
{
    if (oldSize.isEmpty() || newSize.isEmpty())
        return {};
    return {int(qint64(m_ptOrigin.x()) * newSize.width() / oldSize.width()),
            int(qint64(m_ptOrigin.y()) * newSize.height() / oldSize.height())};
}

void CBitmapWnd::resizeEvent(QResizeEvent *event)
{
    CPanelWnd::resizeEvent(event);
    Rebuild();
}

bool CBitmapWnd::event(QEvent *event)
{
    const bool handled = CPanelWnd::event(event);
    // Moved to a screen of another pixel ratio, or the ratio changed.
    if (event->type() == QEvent::ScreenChangeInternal)
        Rebuild();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        Rebuild();
#endif
    return handled;
}

QPoint CBitmapWnd::SurfacePoint(QPointF windowPoint) const
{
    const QPointF p = (windowPoint - QPointF(InnerRect().topLeft())) * m_dpr;
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

QPointF CBitmapWnd::WindowPoint(QPoint surfacePoint) const
{
    return QPointF(surfacePoint) / m_dpr + QPointF(InnerRect().topLeft());
}

bool CBitmapWnd::IsStepAllowed(int dx, int dy) const
{
    return (dx != 0 || dy != 0) && std::abs(dx) <= m_size.width() &&
           std::abs(dy) <= m_size.height();
}

QPoint CBitmapWnd::SmoothScroll(int dx, int dy)
{
    if (!IsStepAllowed(dx, dy))
        return {};
    FinishGlide();
    if (m_nMaxSpeed <= 0)
        return ScrollView(dx, dy);
    int speed = m_nMaxSpeed;
    int acceleration = m_nAcceleration;
    if (m_speedWidth > 0 && m_size.width() != m_speedWidth) {
        const double scale = m_size.width() / m_speedWidth;
        speed = std::max(1, int(std::lround(speed * scale)));
        acceleration = int(std::lround(acceleration * scale));
    }
    m_motion = SmoothMotion(dx, dy, speed, acceleration, m_bAccelerate);
    m_glideStart = m_clock();
    m_frameTimer->start(FrameInterval());
    return {dx, dy};
}

bool CBitmapWnd::IsGliding() const
{
    return !m_motion.IsFinished();
}

void CBitmapWnd::GlideFrame()
{
    if (m_motion.IsFinished()) {
        m_frameTimer->stop();
        return;
    }
    const auto elapsed = static_cast<float>(m_clock() - m_glideStart) / 1000.0f;
    const MotionStep step = m_motion.StepAt(elapsed);
    // A frame whose whole-pixel distance has not changed costs nothing.
    if (!step.IsZero())
        ScrollView(step.dx, step.dy);
    if (m_motion.IsFinished())
        m_frameTimer->stop();
}

void CBitmapWnd::FinishGlide()
{
    m_frameTimer->stop();
    const MotionStep rest = m_motion.Finish();
    if (!rest.IsZero())
        ScrollView(rest.dx, rest.dy);
}

void CBitmapWnd::SetClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(SteadyMilliseconds);
}

int CBitmapWnd::FrameInterval() const
{
    const QScreen *s = screen();
    const qreal rate = s ? s->refreshRate() : 60.0;
    if (rate < 1.0)
        return 16;
    return qBound(4, static_cast<int>(std::floor(1000.0 / rate)), 40);
}

QPoint CBitmapWnd::ScrollView(int dx, int dy)
{
    if (!m_dcView.isNull())
        return ScrollBitmap(&m_dcView, dx, dy);
    // A derived class that draws the view from surfaces of its own turns them: the origin moves.
    if (!IsStepAllowed(dx, dy))
        return {};
    MoveOrigin(dx, dy);
    return {dx, dy};
}

void CBitmapWnd::MoveOrigin(int dx, int dy)
{
    const int w = m_size.width();
    const int h = m_size.height();
    m_ptOrigin.rx() = (((m_ptOrigin.x() + dx) % w) + w) % w;
    m_ptOrigin.ry() = (((m_ptOrigin.y() + dy) % h) + h) % h;
    Invalidate(false);
}

QPoint CBitmapWnd::ScrollBitmap(QImage *surface, int dx, int dy)
{
    if (!surface || !IsStepAllowed(dx, dy) || surface->size() != m_size ||
        !ScrollSurface(*surface, dx, dy))
        return {};
    if (surface == &m_dcView)
        MoveOrigin(dx, dy);
    return {dx, dy};
}

void CBitmapWnd::ShowBitmap(const QImage &source)
{
    if (source.size() != m_size || m_size.isEmpty())
        return;
    m_dcView = source.convertToFormat(QImage::Format_RGB32);
    Invalidate(false);
    UpdateWindow();
}

void CBitmapWnd::SetMaxSpeed(int speed)
{
    // 0 or another negative speed would mean a glide that never ends.
    if (speed > 0 || speed == -1)
        m_nMaxSpeed = speed;
}

void CBitmapWnd::SetDragMode(bool bX, bool bY)
{
    if (IsCentreMode())
        return;
    m_bDragX = bX;
    m_bDragY = bY;
}

void CBitmapWnd::SetCentreMode(bool bX, bool bY)
{
    if (IsDragMode())
        return;
    m_bCentreX = bX;
    m_bCentreY = bY;
}

void CBitmapWnd::PaintInside(QPainter &painter)
{
    // Built for another pixel ratio than the screen's now (a ratio change without an event).
    if (devicePixelRatioF() != m_dpr)
        Rebuild();
    if (m_dcView.isNull())
        return;
    // The view's pixels are the device's: the inside in window units covers them one to one.
    if (m_dpr == 1.0)
        painter.drawImage(InnerRect().topLeft(), m_dcView);
    else
        painter.drawImage(QRectF(InnerRect()), m_dcView);
}

void CBitmapWnd::mousePressEvent(QMouseEvent *event)
{
    CPanelWnd::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = SurfacePoint(event->position());
    if (IsDragMode()) {
        m_ptLast = point;
        grabMouse();
        m_bCaptured = true;
    } else if (IsCentreMode()) {
        const QPoint d = m_ptCentre - point;
        SmoothScroll(m_bCentreX ? d.x() : 0, m_bCentreY ? d.y() : 0);
    }
}

void CBitmapWnd::mouseMoveEvent(QMouseEvent *event)
{
    if (!IsDragMode() || !m_bCaptured)
        return;
    const QPoint point = SurfacePoint(event->position());
    const QPoint d = point - m_ptLast;
    ScrollView(m_bDragX ? d.x() : 0, m_bDragY ? d.y() : 0);
    m_ptLast = point;
}

void CBitmapWnd::mouseReleaseEvent(QMouseEvent *event)
{
    CPanelWnd::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_bCaptured) {
        releaseMouse();
        m_bCaptured = false;
    }
}
