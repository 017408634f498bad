// SPDX-License-Identifier: MIT

#pragma once

#include "map/motion.h"
#include "map/panelwnd.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>

class QTimer;

// A panel showing a picture scaled to its inside that scrolls cyclically: what leaves on one side
// comes back on the other. Its surfaces have the inside's size in device pixels and are built
// again whenever that changes (a resize, another pixel ratio), the turn kept in proportion; every
// position and step of the interface below is in those pixels. It scrolls at once, by dragging, or
// with a smooth glide that speeds up, cruises and slows down, used to bring a clicked point to the
// middle.
//
// The glide runs from a timer at the display's frame rate, so the program keeps handling events
// while it moves; each frame moves the view to where the motion is at the clock's current time.
class CBitmapWnd : public CPanelWnd
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CBitmapWnd)

public:
    // Milliseconds from any fixed start; must never go backwards.
    using Clock = std::function<std::int64_t()>;

    explicit CBitmapWnd(QWidget *parent = nullptr);
    ~CBitmapWnd() override;

    // Creates the window at rect on parent and shows the picture scaled to the inside, W x H: by
    // whole pixels at the picture's own size or a whole multiple, smoothly otherwise. False when
    // the window exists already or the picture cannot be loaded; the window and its surfaces then
    // stay as they are.
    bool Create(const QRect &rect, QWidget *parent, int id, const QString &pictureFile);
    bool Create(const QRect &rect, QWidget *parent, int id, const QImage &picture);

    // Scrolls the view by (dx, dy) with the smooth motion, after bringing a running glide to its
    // end. Returns the distance the glide covers, or (0, 0) when it refuses: a zero step or one
    // larger than the picture. Without a top speed the view jumps at once.
    virtual QPoint SmoothScroll(int dx, int dy);

    // Shifts the picture of surface (W x H, like all surfaces of this window) cyclically, right by
    // dx and down by dy. Returns (dx, dy), or (0, 0) when it refuses. Shifting the view also
    // moves the origin and repaints.
    QPoint ScrollBitmap(QImage *surface, int dx, int dy);
    // Shows a copy of source (W x H) and repaints.
    void ShowBitmap(const QImage &source);
    // The view as it shows now (W x H).
    virtual QImage View() const { return m_dcView; }

    // Top speed in pixels per second, positive, or -1 to jump at once; other values are ignored.
    // With a reference width, speed and acceleration are meant for a surface of that width and
    // scale with the surface, so a glide across the picture takes as long at every size and
    // pixel ratio.
    void SetMaxSpeed(int speed);
    void SetSpeedReferenceWidth(double width) { m_speedWidth = width; }
    int GetMaxSpeed() const { return m_nMaxSpeed; }
    void SetAcceleration(int acceleration) { m_nAcceleration = acceleration; }
    int GetAcceleration() const { return m_nAcceleration; }
    void SetAccelerate(bool accelerate) { m_bAccelerate = accelerate; }
    void SetCentre(int x, int y) { m_ptCentre = QPoint(x, y); }
    QPoint GetCentre() const { return m_ptCentre; }
    QSize GetBitmapSize() const { return m_size; }
    QPoint GetOrigin() const { return m_ptOrigin; }
    // Device pixels per pixel of the surfaces as built.
    qreal PixelRatio() const { return m_dpr; }
    // The surface pixel under a window point, and the window point of a surface pixel.
    QPoint SurfacePoint(QPointF windowPoint) const;
    QPointF WindowPoint(QPoint surfacePoint) const;

    // Drag mode and centre mode exclude each other: a request that would turn both on is ignored.
    void SetDragMode(bool bX, bool bY);
    void SetCentreMode(bool bX, bool bY);
    bool IsCentreMode() const { return m_bCentreX || m_bCentreY; }
    bool IsDragMode() const { return m_bDragX || m_bDragY; }

    bool IsGliding() const;
    // Takes the glide's step for the clock's time now; the frame timer calls it.
    void GlideFrame();
    // Brings a running glide to its end at once.
    void FinishGlide();
    // The glide's clock; a monotonic clock unless a test sets another. Empty restores it.
    void SetClock(Clock clock);

protected:
    // Creates the panel without a picture; the derived class's BuildSurfaces() draws the view.
    bool CreatePanel(const QRect &rect, QWidget *parent, int id);
    // Builds the view (and a derived class its own surfaces) at size, not turned; the turn is
    // applied afterwards through ScrollView().
    virtual void BuildSurfaces(QSize size);
    // Called once the surfaces just built stand turned: a derived class that draws the view from
    // surfaces of its own draws it here, where it will be shown.
    virtual void SurfacesTurned() {}
    // Builds the surfaces again if the inside's size in device pixels changed.
    void Rebuild(bool force = false);
    // The turn on surfaces of the new size: the old one in proportion.
    virtual QPoint KeptOrigin(QSize oldSize, QSize newSize) const;
    // One step of the view, from a scroll or a glide frame. A derived class that keeps other
    // surfaces turned with the view turns them here.
    virtual QPoint ScrollView(int dx, int dy);
    bool IsStepAllowed(int dx, int dy) const;
    // For a derived class that draws the view itself: no view picture is kept.
    void DropView() { m_dcView = QImage(); }

    void PaintInside(QPainter &painter) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int FrameInterval() const;
    // Moves the origin by a step of the view and repaints.
    void MoveOrigin(int dx, int dy);

    QImage m_picture; // the picture as given, drawn again at each size
    QImage m_dcView;
    QSize m_size;
    qreal m_dpr = 1.0;
    double m_speedWidth = 0;
    int m_nMaxSpeed = 300;
    int m_nAcceleration = 75;
    QPoint m_ptOrigin;
    bool m_bAccelerate = false;
    bool m_bDragY = false;
    bool m_bDragX = false;
    bool m_bCentreY = false;
    bool m_bCentreX = false;
    bool m_bCaptured = false;
    QPoint m_ptLast;
    QPoint m_ptCentre;

    SmoothMotion m_motion;
    std::int64_t m_glideStart = 0;
    Clock m_clock;
    QTimer *m_frameTimer = nullptr;
};
