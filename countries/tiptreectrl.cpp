// SPDX-License-Identifier: MIT

#include "countries/tiptreectrl.h"

#include "countries/itemtipwnd.h"

#include <QApplication>
#include <QCollator>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace {

// Folds one character for ordering: ASCII by case only, others to their lower-case base
// letter (é with e), so that accented names sort among their neighbours.
char32_t FoldChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= 'A' && u <= 'Z') ? char32_t(u + ('a' - 'A')) : char32_t(u);
    QChar base = c;
    if (c.decompositionTag() == QChar::Canonical) {
        const QString decomposed = c.decomposition();
        if (!decomposed.isEmpty())
            base = decomposed.front();
    }
    return base.toLower().unicode();
}

} // namespace

CTipTreeCtrl::CTipTreeCtrl(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("tipTree"));
    setAccessibleName(tr("List"));
    setColumnCount(1);
    setHeaderHidden(true);
    header()->setStretchLastSection(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setUniformRowHeights(true);
    setAnimated(false);
    // Long labels are never shortened with an ellipsis: the tree scrolls sideways to them, and
    // one cut at the edge shows whole in its tip.
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);

    // A tip must never outlive the item it shows.
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, &CTipTreeCtrl::HideTip);
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this, &CTipTreeCtrl::HideTip);
    connect(this, &QTreeWidget::itemExpanded, this, &CTipTreeCtrl::HideTip);
    connect(this, &QTreeWidget::itemCollapsed, this, &CTipTreeCtrl::HideTip);
    const auto remeasure = [this] {
        m_nColumnHint = -1;
    };
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model(), signal, this, remeasure);
    connect(model(), &QAbstractItemModel::dataChanged, this, remeasure);
    connect(model(), &QAbstractItemModel::layoutChanged, this, remeasure);
    connect(model(), &QAbstractItemModel::modelReset, this, remeasure);
    connect(this, &QTreeView::expanded, this, remeasure);
    connect(this, &QTreeView::collapsed, this, remeasure);
}

CTipTreeCtrl::~CTipTreeCtrl()
{
    HideTip();
    // The base classes' destructors clear the model and collapse items: those signals must not
    // reach this part of the object once it is gone.
    disconnect(model(), nullptr, this, nullptr);
    disconnect(this, nullptr, this, nullptr);
}

bool CTipTreeCtrl::LabelLess(const QString &a, const QString &b)
{
    // The user's language decides the order ("Österreich" among the Os in German, "Ö" after
    // "Z" in Swedish); the collator is made again only when the locale changes.
    static QCollator collator;
    static QString collatorLocale = QStringLiteral("none");
    const QLocale locale;
    if (collatorLocale != locale.bcp47Name()) {
        collator = QCollator(locale);
        collatorLocale = locale.bcp47Name();
    }
    // The C locale's collation is by code point; the folding below keeps accents in place.
    if (locale.language() != QLocale::C)
        if (const int order = collator.compare(a, b); order != 0)
            return order < 0;
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t ca = FoldChar(a[i]);
        const char32_t cb = FoldChar(b[i]);
        if (ca != cb)
            return ca < cb;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    // Labels equal but for case or accents still get a fixed order.
    return a < b;
}

QTreeWidgetItem *CTipTreeCtrl::InsertSorted(QTreeWidgetItem *parent, const QString &label, int data)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, label);
    item->setData(0, IndexRole, data);

    const int count = parent ? parent->childCount() : topLevelItemCount();
    auto at = [&](int i) {
        return parent ? parent->child(i) : topLevelItem(i);
    };
    // After any equal labels, as the native control's sorted insertion does.
    int lo = 0;
    int hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (LabelLess(label, at(mid)->text(0)))
            hi = mid;
        else
            lo = mid + 1;
    }
    if (parent)
        parent->insertChild(lo, item);
    else
        insertTopLevelItem(lo, item);
    return item;
}

QTreeWidgetItem *CTipTreeCtrl::SelectedItem() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.isEmpty() ? nullptr : items.front();
}

int CTipTreeCtrl::SelectedEntry() const
{
    const QTreeWidgetItem *item = SelectedItem();
    if (!item || item->childCount() > 0)
        return -1;
    bool ok = false;
    const int index = item->data(0, IndexRole).toInt(&ok);
    return ok ? index : -1;
}

void CTipTreeCtrl::SetTipIntervals(int restMs, int clickPauseMs)
{
    m_nRestMs = std::max(1, restMs);
    m_nClickPauseMs = std::max(1, clickPauseMs);
}

QRect CTipTreeCtrl::LabelRect(QTreeWidgetItem *item) const
{
    if (!item)
        return {};
    const QModelIndex index = indexFromItem(item);
    const QRect row = visualRect(index);
    if (!row.isValid())
        return {};

    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = row;
    option.index = index;
    option.text = item->text(0);
    option.features |= QStyleOptionViewItem::HasDisplay;
    const QIcon icon = item->icon(0);
    if (!icon.isNull()) {
        option.icon = icon;
        option.features |= QStyleOptionViewItem::HasDecoration;
        option.decorationSize = iconSize();
    }
    const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    const int width =
        fontMetrics().horizontalAdvance(option.text) + 2 * CItemTipWnd::TextMargin(this);
    return QRect(text.left(), row.top(), width, row.height());
}

QTreeWidgetItem *CTipTreeCtrl::ItemAtLabel(const QPoint &pos) const
{
    QTreeWidgetItem *item = itemAt(pos);
    return item && LabelRect(item).contains(pos) ? item : nullptr;
}

bool CTipTreeCtrl::IsLabelFullyVisible(QTreeWidgetItem *item) const
{
    const QRect label = LabelRect(item);
    if (!viewport()->rect().contains(label))
        return false;
    const QScreen *screen = this->screen();
    if (!screen)
        return true;
    return screen->geometry().contains(
        QRect(viewport()->mapToGlobal(label.topLeft()), label.size()));
}

bool CTipTreeCtrl::IsTopWindowActive() const
{
    // window() is the dialog, or for a page the sheet that holds it.
    return isVisible() && window()->isActiveWindow();
}

void CTipTreeCtrl::HideTip()
{
    m_pTip.reset();
    m_hTipItem = nullptr;
    viewport()->releaseMouse();
}

void CTipTreeCtrl::mouseMoveEvent(QMouseEvent *event)
{
    if (m_bClickPause) {
        event->accept();
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (!IsTopWindowActive() || !viewport()->rect().contains(pos) ||
        (event->buttons() & Qt::LeftButton)) {
        HideTip();
    } else {
        QTreeWidgetItem *item = ItemAtLabel(pos);
        if (!item || IsLabelFullyVisible(item)) {
            HideTip();
        } else if (item != m_hTipItem) {
            HideTip();
            m_tipTimer.start(m_nRestMs, this);
            m_hTipItem = item;
        }
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CTipTreeCtrl::mousePressEvent(QMouseEvent *event)
{
    HideTip();
    if (event->button() == Qt::LeftButton) {
        m_bClickPause = true;
        m_pauseTimer.start(m_nClickPauseMs, this);
    }
    QTreeWidget::mousePressEvent(event);
}

void CTipTreeCtrl::keyPressEvent(QKeyEvent *event)
{
    // The tip's window goes at once; the rest waits for the mouse to leave the label.
    if (m_pTip)
        m_pTip->hide();
    QTreeWidget::keyPressEvent(event);
}

void CTipTreeCtrl::wheelEvent(QWheelEvent *event)
{
    // Scrolling moves the label from under the tip.
    HideTip();
    QTreeWidget::wheelEvent(event);
}

void CTipTreeCtrl::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_pauseTimer.timerId()) {
        m_pauseTimer.stop();
        m_bClickPause = false;
        return;
    }
    if (event->timerId() != m_tipTimer.timerId()) {
        QTreeWidget::timerEvent(event);
        return;
    }
    m_tipTimer.stop();
    QTreeWidgetItem *item = ItemAtLabel(viewport()->mapFromGlobal(QCursor::pos()));
    if (item && item == m_hTipItem)
        ShowTip(item);
    else
        m_hTipItem = item;
}

void CTipTreeCtrl::ShowTip(QTreeWidgetItem *item)
{
    // A current item that is not selected is drawn in window colours, so its tip is plain.
    int kind = CItemTipWnd::Plain;
    if (item->isSelected())
        kind = hasFocus() ? CItemTipWnd::Focused : CItemTipWnd::SelectedInactive;

    m_pTip = std::make_unique<CItemTipWnd>(kind, 0, 0);
    if (!m_pTip->Create(item->text(0), LabelRect(item), viewport())) {
        m_pTip.reset();
        return;
    }
    m_pTip->show();
    // While the tip shows, every mouse move comes here, so the tip goes when the mouse leaves
    // the label even beyond the tree.
    viewport()->grabMouse();
}

void CTipTreeCtrl::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_nColumnHint = -1;
    if (event->type() == QEvent::ActivationChange && !IsTopWindowActive())
        HideTip();
    QTreeWidget::changeEvent(event);
}

void CTipTreeCtrl::updateGeometries()
{
    // Measuring every shown row is kept until the rows, what is open or the font change.
    if (m_nColumnHint < 0)
        m_nColumnHint = sizeHintForColumn(0);
    const int wanted = std::max(viewport()->width(), m_nColumnHint);
    if (header()->sectionSize(0) != wanted)
        header()->resizeSection(0, wanted);
    QTreeWidget::updateGeometries();
}

void CTipTreeCtrl::hideEvent(QHideEvent *event)
{
    HideTip();
    m_tipTimer.stop();
    QTreeWidget::hideEvent(event);
}
