// SPDX-License-Identifier: MIT

#pragma once

#include "map/colourref.h"

#include <QPointer>
#include <QWidget>

// A pop-up that lies exactly over a tree label the tree cuts off and shows it whole, in the
// colours the item has in the tree. It never takes the focus or the mouse.
class CItemTipWnd final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CItemTipWnd)

public:
    enum Kind
    {
        Plain = 0,            // window colours, border
        SelectedInactive = 1, // selected item of a tree without the keyboard focus
        Focused = 2,          // focused or selected item of a focused tree: no border, focus frame
        Custom = 3,           // caller-given colours, border
    };

    // Kinds 1 and 2 always take highlight colours; two equal colours fall back to kind 0.
    explicit CItemTipWnd(int kind, COLORREF back = 0, COLORREF text = 0, QWidget *parent = nullptr);
    ~CItemTipWnd() override = default;

    // Places the tip over rect (owner's client coordinates; for a scroll area its viewport),
    // moved back inside the owner's screen at the same size. Drawn with the owner's font.
    virtual bool Create(const QString &text, const QRect &rect, QWidget *owner);

    int Kind() const { return m_nKind; }
    COLORREF BackColour() const { return m_crBack; }
    COLORREF TextColour() const { return m_crText; }
    QString Text() const { return m_text; }

    // Rect moved inside screen without changing its size (the left and top edges win when the
    // rectangle is larger than the screen).
    static QRect KeepInside(QRect rect, const QRect &screen);

    // Text inset from the tip's left edge, equal to the inset the tree draws its labels with,
    // so that the tip's text lies exactly over the label's.
    static int TextMargin(const QWidget *owner);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_nKind = Plain;
    COLORREF m_crBack = 0;
    COLORREF m_crText = 0;
    QPointer<QWidget> m_pOwner;
    QString m_text;
};
