// SPDX-License-Identifier: MIT

#include "clock/textwnd.h"

#include <QAccessibleWidget>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QRawFont>
#include <QResizeEvent>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// Answers a screen reader's question for the name with the text shown at that moment.
class CTextWndAccessible final : public QAccessibleWidget
{
public:
    explicit CTextWndAccessible(CTextWnd *window)
        : QAccessibleWidget(window, QAccessible::StaticText)
    {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const CTextWnd *>(widget())->AccessibleText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *TextWndAccessible(const QString &, QObject *object)
{
    auto *window = qobject_cast<CTextWnd *>(object);
    return window ? new CTextWndAccessible(window) : nullptr;
}

// Arial, or Liberation Sans, its metric twin. Asked for a family it does not have, Qt sorts
// every font fontconfig knows to find a stand-in: the family is named as the database has it.
const QStringList &ClockFamilies()
{
    static const QStringList families = [] {
        const QStringList known = QFontDatabase::families();
        for (const QString &name : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}) {
            if (known.contains(name, Qt::CaseInsensitive))
                return QStringList{name};
        }
        return QStringList{QStringLiteral("Arial")};
    }();
    return families;
}

} // namespace

CTextWnd::CTextWnd(COLORREF crText, COLORREF crBack, QWidget *parent)
    : CPanelWnd(crText, crBack, parent)
{
    setObjectName(QStringLiteral("textWnd"));
    static const bool factory = (QAccessible::installFactory(TextWndAccessible), true);
    Q_UNUSED(factory);
}

CTextWnd::~CTextWnd() = default;

void CTextWnd::OnCreate(const QRect &rect)
{
    CPanelWnd::OnCreate(rect);
    // Loading a font at its size is a good part of the start: it waits for the first paint,
    // after the window is on the screen.
    m_nFontHeight = rect.height();
}

void CTextWnd::resizeEvent(QResizeEvent *event)
{
    CPanelWnd::resizeEvent(event);
    // A window of another height takes a font of its own, made at the next paint.
    if (m_nFontHeight > 0 && event->size().height() != m_nFontHeight) {
        m_nFontHeight = event->size().height();
        m_bFont = false;
        m_nPaintedExtent = -1;
    }
}

const QFont &CTextWnd::GetFont() const
{
    if (!m_bFont)
        const_cast<CTextWnd *>(this)->MakeFont(m_nFontHeight > 0 ? m_nFontHeight : height());
    return m_font;
}

// The character height fills the inside of the frame.
void CTextWnd::MakeFont(int windowHeight)
{
    m_font = QFont();
    m_font.setFamilies(ClockFamilies());
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPixelSize(std::max(1, windowHeight - 2 * BorderWidth));
    // Glyphs this large look the same unhinted, and hinting a face at a new size costs many
    // times reading it. A fallback font is looked up only for a text the face cannot write.
    m_font.setHintingPreference(QFont::PreferNoHinting);
    m_font.setStyleStrategy(QFont::NoFontMerging);
    m_nFontHeight = windowHeight;
    m_bFont = true;
    m_line.reset();
    if (!Writes(m_strText) || !std::all_of(m_fitSamples.cbegin(), m_fitSamples.cend(),
                                           [this](const QString &s) { return Writes(s); }))
        m_font.setStyleStrategy(QFont::PreferDefault);
    if (m_fitSamples.isEmpty())
        return;
    // A date such as "06/12/2026" is wider than the panel at the height's size: take the
    // largest size at which every sample fits, rather than losing its first characters. The
    // painter keeps half the descent clear on either side, and ink may reach past the advance.
    // Each size measured loads a font, so the samples are measured once, at the height's size,
    // and a smaller size is taken in proportion. Hinting rounds each glyph's advance at the new
    // size: half a pixel a character is kept in hand for it.
    const int full = m_font.pixelSize();
    const QFontMetrics metrics(m_font);
    // Ink reaches past the advance by about the same in every sample: reading a glyph's outline
    // costs many times its advance, so only the widest sample's ink is read, with a pixel spare.
    int advance = -1;
    const QString *wide = nullptr;
    qsizetype longest = 0;
    for (const QString &sample : std::as_const(m_fitSamples)) {
        if (const int a = metrics.horizontalAdvance(sample); a > advance) {
            advance = a;
            wide = &sample;
        }
        longest = std::max(longest, sample.size());
    }
    const QRect ink = metrics.boundingRect(*wide);
    const int widest = std::max(advance, ink.right() + 1) - std::min(0, ink.left()) + 1;
    const int inside = width() - 2 * BorderWidth;
    if (widest <= inside - 2 * (metrics.descent() / 2))
        return;
    // The descent kept clear shrinks with the size as the widths do.
    const double perPixel = double(widest + metrics.descent()) / full;
    const double room = inside - (longest + 1) / 2.0 - 1.0;
    const int size = std::clamp(static_cast<int>(std::floor(room / perPixel)), 1, full - 1);
    m_font.setPixelSize(size);
}

bool CTextWnd::Writes(const QString &text) const
{
    if (!(m_font.styleStrategy() & QFont::NoFontMerging))
        return true;
    const QFontMetrics metrics(m_font);
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (!metrics.inFontUcs4(c) && QChar::category(c) != QChar::Other_Format)
            return false;
    }
    return true;
}

void CTextWnd::FitFontTo(const QStringList &samples)
{
    if (samples == m_fitSamples)
        return;
    m_fitSamples = samples;
    if (!m_bFont)
        return;
    MakeFont(m_nFontHeight);
    m_nPaintedExtent = -1;
    Invalidate(true);
    UpdateWindow();
}

void CTextWnd::SetText(const QString &text)
{
    if (text == m_strText)
        return;
    m_strPainted = m_strText;
    m_strText = text;
    m_line.reset();
    if (m_bFont && !Writes(text)) {
        m_font.setStyleStrategy(QFont::PreferDefault);
        m_nPaintedExtent = -1;
    }
    MarkChanged(m_strText.size() < m_strPainted.size());
    UpdateWindow();
}

void CTextWnd::SetAccessibleLabel(const QString &label)
{
    m_strLabel = label;
    setAccessibleName(label);
    AnnounceName();
}

QString CTextWnd::AccessibleText() const
{
    if (m_strLabel.isEmpty())
        return m_strText.isEmpty() ? tr("Text") : m_strText;
    if (m_strText.isEmpty())
        return m_strLabel;
    return m_strLabel + u' ' + m_strText;
}

void CTextWnd::AnnounceName()
{
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void CTextWnd::focusInEvent(QFocusEvent *event)
{
    // A screen reader keeps the names it was told; the one it reads on arrival is current.
    AnnounceName();
    CPanelWnd::focusInEvent(event);
}

int CTextWnd::CommonStart()
{
    int n = 0;
    if (m_strPainted.size() == m_strText.size()) {
        while (n < m_strText.size() && m_strText[n] == m_strPainted[n])
            ++n;
    }
    m_strPainted = m_strText;
    return static_cast<int>(n);
}

const CTextWnd::Line &CTextWnd::Shaped()
{
    if (m_line)
        return *m_line;
    m_line = std::make_unique<Line>();
    if (m_strText.isRightToLeft()) {
        // Drawn whole as the painter lays it out (see PaintInside()), and measured so.
        const QFontMetrics metrics(m_font);
        m_line->width = metrics.horizontalAdvance(m_strText);
        m_line->extent = std::max(m_line->width, metrics.boundingRect(m_strText).right() + 1);
        return *m_line;
    }
    QTextLayout &layout = m_line->layout;
    layout.setFont(m_font);
    layout.setText(m_strText);
    // One line from x = 0, in the direction a painter draws text, so its positions read as
    // advances.
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(QGuiApplication::layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(0x7fffff);
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    if (!line.isValid())
        return *m_line;
    m_line->width = qRound(line.horizontalAdvance());
    // The line ends where its ink ends: a last glyph reaching past its advance keeps its edge.
    qreal inkRight = 0;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun &run : runs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            const QRectF ink = font.boundingRect(glyphs[i]);
            if (!ink.isEmpty())
                inkRight = std::max(inkRight, positions[i].x() + ink.right());
        }
    }
    m_line->extent = std::max(m_line->width, static_cast<int>(std::ceil(inkRight)));
    return *m_line;
}

void CTextWnd::PaintInside(QPainter &painter)
{
    if (!m_bFont)
        MakeFont(m_nFontHeight > 0 ? m_nFontHeight : height());
    const QRect inner = InnerRect();
    const QFontMetrics metrics(m_font);
    const Line &shaped = Shaped();
    const int extent = shaped.extent;

    // Right-to-left text is drawn whole: its changed characters need not lie at its right end.
    const bool rightToLeft = m_strText.isRightToLeft();
    int n = rightToLeft ? (CommonStart(), 0) : CommonStart();
    // The unchanged head is already on the surface at the same place when nothing erased it,
    // the colour is the same and the line kept its extent. Drawing anti-aliased text over itself
    // would thicken its edges a little on every tick, so it is then left as it is. Otherwise
    // the whole inside is drawn afresh.
    bool headShown = !IsFreshlyErased();
    if (headShown &&
        (m_crPainted != ShownTextColour() || m_nPaintedExtent != extent || rightToLeft)) {
        painter.fillRect(inner, ToQColor(ShownBackColour()));
        headShown = false;
        n = 0;
    }
    m_crPainted = ShownTextColour();
    m_nPaintedExtent = extent;

    painter.setPen(ToQColor(ShownTextColour()));
    // The bottom of the character cells lies half the descent below the inside, so the digits
    // sit low and large and the rest of the descent is cut off.
    const int h = metrics.descent() / 2;
    const int cellBottom = inner.y() + inner.height() + h;
    const int baseline = cellBottom - metrics.descent();

    const int tailRight = inner.x() + inner.width() - h;
    const int lineLeft = tailRight - extent;
    int tailStart = 0;
    if (n > 0 && shaped.layout.lineCount() > 0) {
        int cursor = n;
        tailStart = static_cast<int>(std::floor(shaped.layout.lineAt(0).cursorToX(&cursor)));
    }
    const int tailLeft = std::max(inner.x() + h, lineLeft + tailStart);
    const QRect tailRect(QPoint(tailLeft, inner.y()), QPoint(tailRight - 1, inner.bottom()));
    const QRect headRect(QPoint(inner.x() + h, inner.y()), QPoint(tailLeft - 1, inner.bottom()));
    // The layout's top left, so its baseline lands on the cells' baseline.
    const qreal ascent = shaped.layout.lineCount() > 0 ? shaped.layout.lineAt(0).ascent() : 0;
    const QPointF origin(lineLeft, baseline - ascent);
    const auto drawLine = [&] {
        if (rightToLeft) {
            painter.setFont(m_font);
            painter.drawText(lineLeft, baseline, m_strText);
        } else {
            shaped.layout.draw(&painter, origin);
        }
    };

    // Head and tail are both drawn as parts of the whole line, each clipped to its own
    // rectangle, so every glyph lands on the same sub-pixel position whichever part draws it.
    const bool drawHead = n > 0 && !headShown && headRect.isValid();
    if (drawHead) {
        painter.save();
        painter.setClipRect(headRect, Qt::IntersectClip);
        drawLine();
        painter.restore();
    }
    if (n < m_strText.size() && tailRect.isValid()) {
        painter.save();
        painter.setClipRect(tailRect, Qt::IntersectClip);
        painter.fillRect(
            QRect(tailLeft, cellBottom - metrics.height(), tailRight - tailLeft, metrics.height()),
            ToQColor(ShownBackColour()));
        drawLine();
        painter.restore();
    }
    // With the head on the surface as it was, only the tail's cells changed.
    if (headShown)
        SetChangedRect(n < m_strText.size() && tailRect.isValid() ? tailRect : QRect());
}
