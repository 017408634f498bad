// SPDX-License-Identifier: MIT

#pragma once

#include "map/colourref.h"

#include <QImage>
#include <QMetaType>
#include <QPoint>
#include <QWidget>

#include <functional>

// Notification codes a panel sends to its owner.
inline constexpr int NM_CLICK = -2;
inline constexpr int NM_DBLCLK = -3;
inline constexpr int NM_RCLICK = -5;
inline constexpr int NM_RDBLCLK = -6;
// A key did what a click does (the map's zone keys).
inline constexpr int NM_KEYDOWN = -15;

// What a panel tells its owner about a click: which window, its control id, what happened and
// where the mouse was, in global (screen) coordinates.
struct PanelNotify
{
    QWidget *hwndFrom = nullptr;
    int idFrom = 0;
    int code = 0;
    QPoint pt;
};
Q_DECLARE_METATYPE(PanelNotify)

// The system colours the sunken frame is drawn in, read from the application's palette.
enum class SystemColour
{
    ButtonFace,
    ButtonShadow,
    ButtonHighlight,
};
COLORREF GetSystemColour(SystemColour which);

// A child window with a sunken two-pixel frame around a solid background. It keeps a text colour
// for the classes that draw inside it and reports clicks to its owner through Notify().
//
// Drawing works like a window surface that keeps its pixels: Invalidate() marks the window for
// painting, with or without erasing the frame and background first, and PaintInside() of a
// derived class draws over what is already there. So a derived class may repaint only what
// changed, and only that part goes to the screen. Nothing is painted while the window or its
// top-level window is hidden or minimised: the paint waits until it shows again.
class CPanelWnd : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPanelWnd)

public:
    static constexpr int MinimumSize = 20;
    static constexpr int BorderWidth = 2;

    // Equal colours fall back to black on the button face.
    explicit CPanelWnd(COLORREF crText, COLORREF crBack, QWidget *parent = nullptr);
    ~CPanelWnd() override;

    // Places the window on parent at rect (each side at least MinimumSize), gives it its control
    // id and shows it. False when it was created before.
    bool Create(const QRect &rect, QWidget *parent, int id);
    bool IsCreated() const { return m_bCreated; }

    int GetDlgCtrlID() const { return m_nId; }
    void SetDlgCtrlID(int id) { m_nId = id; }

    COLORREF GetTextColour() const { return m_crText; }
    COLORREF GetBackColour() const { return m_crBack; }
    // The colours painted: CLR_DEFAULT stands for the palette's window text and window colours.
    COLORREF ShownTextColour() const;
    COLORREF ShownBackColour() const;
    // A text colour equal to the background, or a background equal to the text colour, is
    // ignored: the window would show nothing.
    void SetTextColour(COLORREF cr);
    void SetBackColour(COLORREF cr);

    // The area inside the frame, in widget coordinates.
    QRect InnerRect() const;

    QSize sizeHint() const override { return {MinimumSize * 4, MinimumSize * 2}; }

    // Called after each paint into the surface with the rectangle it changed; for tests.
    using PaintHook = std::function<void(const CPanelWnd *window, const QRect &changed)>;
    static void SetPaintHook(PaintHook hook);
    QSize minimumSizeHint() const override { return {MinimumSize, MinimumSize}; }

signals:
    // Sent synchronously (direct connections) for NM_CLICK, NM_DBLCLK, NM_RCLICK, NM_RDBLCLK.
    void Notify(const PanelNotify &notify);

protected:
    // Marks the whole window for painting; bErase first redraws frame and background. Requests
    // add up until the paint happens.
    void Invalidate(bool bErase);
    // Marks the window for painting like Invalidate(), for an UpdateWindow() that follows: only
    // what PaintInside() reports as changed is then repainted on the screen.
    void MarkChanged(bool bErase);
    // Paints what is marked, now, if the window shows (a hidden or minimised one paints when it
    // shows again).
    void UpdateWindow();
    // Called from PaintInside(): what it draws lies within rect, so the rest need not be shown
    // again. Without it the whole inside is.
    void SetChangedRect(const QRect &rect) { m_rcChanged = rect; }

    // Tells the owner about a click (or a key acting as one) at a point of this window.
    void Send(int code, const QPointF &localPos);

    // Draws the frame and fills the inside with the background colour.
    virtual void EraseBackground(QPainter &painter);
    // Draws the inside. The painter is clipped to InnerRect() and the surface still holds what
    // was drawn before, unless it was just erased. The base class draws nothing.
    virtual void PaintInside(QPainter &painter);

    // True while PaintInside() runs on a surface that was erased just before.
    bool IsFreshlyErased() const { return m_bFreshlyErased; }

    // For a derived class that draws its whole inside at each paint: no surface is kept, each
    // paint erases and draws straight into the window (what Qt keeps of the window suffices).
    void SetDrawsWhole() { m_bDrawsWhole = true; }
    // Such a class's PaintInside() covers every pixel it is asked for: the inside is not erased
    // first.
    virtual bool CoversInside() const { return false; }
    // The sunken frame alone.
    void DrawFrame(QPainter &painter) const;

    // Called once from Create(), after the geometry is set, so a derived class can size itself
    // from the created height.
    virtual void OnCreate(const QRect &rect);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    enum class Button
    {
        None,
        LeftDown,
        LeftUp,
        RightDown,
        RightUp,
    };

    // Paints what is marked into the surface; the rectangle changed, empty when nothing was.
    QRect RenderPending();
    void DrawFocus(QPainter &painter) const;
    bool EnsureSurface();
    bool IsShowing() const;

    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
    Button m_nLastButton = Button::None;
    PanelNotify m_notify;

    int m_nId = 0;
    bool m_bCreated = false;
    bool m_bPaintPending = true;
    bool m_bErasePending = true;
    bool m_bFreshlyErased = false;
    bool m_bDrawsWhole = false;
    QRect m_rcChanged;
    QImage m_surface;
};
