// SPDX-License-Identifier: MIT

#pragma once

#include "map/panelwnd.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextLayout>

#include <memory>

// One line of large text, right-aligned inside a panel, in a font sized from the window's
// height when it is created. A change of text repaints only from the first character that
// differs, so a clock that ticks once a second redraws, and sends to the screen, only its last
// digits. Each text is shaped once, whatever the paint asks of it.
class CTextWnd : public CPanelWnd
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTextWnd)

public:
    explicit CTextWnd(COLORREF crText, COLORREF crBack, QWidget *parent = nullptr);
    ~CTextWnd() override;

    // Shows text, painting before it returns when the window is visible. The same text again
    // paints nothing; a shorter one erases first.
    void SetText(const QString &text);
    const QString &GetText() const { return m_strText; }
    // The text as it stood when last painted (or before the last change, until it is painted).
    const QString &GetPaintedText() const { return m_strPainted; }

    // Words put before the text in the accessible name ("Home time" gives "Home time 09:05:03").
    // A screen reader reads the name when it asks for it, and is told of a change when the window
    // takes the focus; a new text alone sends nothing, so a clock does not speak every second.
    void SetAccessibleLabel(const QString &label);
    const QString &GetAccessibleLabel() const { return m_strLabel; }
    QString AccessibleText() const;

    // Made on first use, for the height the window was created with.
    const QFont &GetFont() const;

    // Shrinks the font so that the widest of samples fits inside the frame; never larger than
    // the height allows. An empty list gives back the font sized from the height alone.
    void FitFontTo(const QStringList &samples);

protected:
    void OnCreate(const QRect &rect) override;
    void PaintInside(QPainter &painter) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void MakeFont(int windowHeight);
    // Whether the font, while it looks up no fallback, has every character of text.
    bool Writes(const QString &text) const;
    int CommonStart();
    void AnnounceName();
    // The text laid out in the font, made once for each text and font.
    struct Line
    {
        QTextLayout layout;
        int width = 0;  // advance
        int extent = 0; // advance, and any ink past its end
    };
    const Line &Shaped();

    QFont m_font;
    std::unique_ptr<Line> m_line;
    bool m_bFont = false;
    int m_nFontHeight = 0; // window height the font was sized for
    QStringList m_fitSamples;
    QString m_strText;
    QString m_strPainted;
    QString m_strLabel;
    // What the surface holds, so an unchanged head need not be drawn over itself again.
    COLORREF m_crPainted = CLR_INVALID;
    int m_nPaintedExtent = -1; // advance of the line, and of any ink past its end
};
