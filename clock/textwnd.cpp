#include "clock/textwnd.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <utility>

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

const QFont &CTextWnd::GetFont() const
{
    if (!m_bFont)
        const_cast<CTextWnd *>(this)->MakeFont(m_nFontHeight > 0 ? m_nFontHeight : height());
    return m_font;
}

// The character height fills the inside of the frame; the font keeps the height of its first
// window even when the window is resized later.
void CTextWnd::MakeFont(int windowHeight)
{
    m_font = QFont();
    // Liberation Sans is the metric twin of Arial; fontconfig maps one to the other.
    m_font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPixelSize(std::max(1, windowHeight - 2 * BorderWidth));
    m_nFontHeight = windowHeight;
    m_bFont = true;
    if (m_fitSamples.isEmpty())
        return;
    // A date such as "06/12/2026" is wider than the panel at the height's size: take the
    // largest size at which every sample fits, rather than losing its first characters. The
    // painter keeps half the descent clear on either side, and ink may reach past the advance.
    const auto fitAt = [this](int size) {
        m_font.setPixelSize(size);
        const QFontMetrics metrics(m_font);
        int widest = 0;
        for (const QString &sample : m_fitSamples) {
            const QRect ink = metrics.boundingRect(sample);
            const int advance = metrics.horizontalAdvance(sample);
            widest = std::max(widest, std::max(advance, ink.right() + 1) - std::min(0, ink.left()));
        }
        const int room = width() - 2 * BorderWidth - 2 * (metrics.descent() / 2);
        return std::pair{widest, room};
    };
    // Every size tried loads a font: take the size at which the widths, in proportion, just
    // fit, and go smaller only where hinting makes that one too wide.
    const int full = m_font.pixelSize();
    const auto [widest, room] = fitAt(full);
    if (widest <= room)
        return;
    int size = std::clamp(full * std::max(room, 1) / widest, 1, full - 1);
    while (size > 1) {
        const auto [needed, available] = fitAt(size);
        if (needed <= available)
            break;
        --size;
    }
    m_font.setPixelSize(size);
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
    Invalidate(m_strText.size() < m_strPainted.size());
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

void CTextWnd::PaintInside(QPainter &painter)
{
    if (!m_bFont)
        MakeFont(m_nFontHeight > 0 ? m_nFontHeight : height());
    const QRect inner = InnerRect();
    const QFontMetrics metrics(m_font);
    const int width = metrics.horizontalAdvance(m_strText);
    // The line ends where its ink ends: a last glyph reaching past its advance keeps its edge.
    const int extent = std::max(width, metrics.boundingRect(m_strText).right() + 1);

    int n = CommonStart();
    // The unchanged head is already on the surface at the same place when nothing erased it,
    // the colour is the same and the line kept its extent. Drawing anti-aliased text over itself
    // would thicken its edges a little on every tick, so it is then left as it is. Otherwise
    // the whole inside is drawn afresh, as is right-to-left text, whose changed characters
    // need not lie at its right end.
    bool headShown = !IsFreshlyErased();
    if (headShown && (m_crPainted != ShownTextColour() || m_nPaintedExtent != extent ||
                      m_strText.isRightToLeft())) {
        painter.fillRect(inner, ToQColor(ShownBackColour()));
        headShown = false;
        n = 0;
    }
    m_crPainted = ShownTextColour();
    m_nPaintedExtent = extent;

    const QString head = m_strText.left(n);
    const QString tail = m_strText.mid(n);

    painter.setFont(m_font);
    painter.setPen(ToQColor(ShownTextColour()));
    // The bottom of the character cells lies half the descent below the inside, so the digits
    // sit low and large and the rest of the descent is cut off.
    const int h = metrics.descent() / 2;
    const int cellBottom = inner.y() + inner.height() + h;
    const int baseline = cellBottom - metrics.descent();

    const int tailRight = inner.x() + inner.width() - h;
    const int lineLeft = tailRight - extent;
    const int lineRight = lineLeft + width;
    const int tailWidth = metrics.horizontalAdvance(tail);
    const int tailLeft = std::max(inner.x() + h, lineRight - tailWidth);
    const QRect tailRect(QPoint(tailLeft, inner.y()), QPoint(tailRight - 1, inner.bottom()));
    const QRect headRect(QPoint(inner.x() + h, inner.y()), QPoint(tailLeft - 1, inner.bottom()));

    // Head and tail are both drawn as parts of the whole line, each clipped to its own
    // rectangle, so every glyph lands on the same sub-pixel position whichever part draws it.
    if (!head.isEmpty() && !headShown && headRect.isValid()) {
        painter.save();
        painter.setClipRect(headRect, Qt::IntersectClip);
        painter.drawText(lineLeft, baseline, m_strText);
        painter.restore();
    }
    if (!tail.isEmpty() && tailRect.isValid()) {
        painter.save();
        painter.setClipRect(tailRect, Qt::IntersectClip);
        painter.fillRect(
            QRect(tailLeft, cellBottom - metrics.height(), tailRight - tailLeft, metrics.height()),
            ToQColor(ShownBackColour()));
        painter.drawText(lineLeft, baseline, m_strText);
        painter.restore();
    }
}
