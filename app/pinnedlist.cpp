// SPDX-License-Identifier: MIT

#include "app/pinnedlist.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyledItemDelegate>

#include <algorithm>
#include <memory>

namespace {

constexpr int PinRole = Qt::UserRole;

// Edits a pin's label: the editor starts from the label, empty when the pin shows its name.
class LabelDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setObjectName(QStringLiteral("pinLabelEditor"));
            line->setAccessibleName(CPinnedList::tr("Label"));
            line->setMaxLength(PinnedPlaces::MaxLabelLength);
            line->setPlaceholderText(index.data(Qt::UserRole + 1).toString());
        }
        return editor;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setText(index.data(Qt::UserRole + 2).toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *,
                      const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            emit static_cast<CPinnedList *>(parent())->RenameRequested(index.row(), line->text());
    }
};

} // namespace

CPinnedList::CPinnedList(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("pinnedList"));
    setAccessibleName(tr("Pinned places"));
    setColumnCount(ColumnCount);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegateForColumn(NameColumn, new LabelDelegate(this));
    QHeaderView *h = header();
    h->setStretchLastSection(false);
    // The columns are fitted to the rows as they change (FitColumns()): fitting them to their
    // contents, the header would measure its own hidden labels in a bold font it must load.
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { emit Activated(indexOfTopLevelItem(item)); });
}

void CPinnedList::SetRows(const std::vector<PinnedRow> &rows)
{
    // A tick that changes nothing must leave a rename going on undisturbed.
    const int current = CurrentRow();
    const bool sameCount = RowCount() == static_cast<int>(rows.size());
    while (topLevelItemCount() > static_cast<int>(rows.size()))
        delete takeTopLevelItem(topLevelItemCount() - 1);
    while (topLevelItemCount() < static_cast<int>(rows.size())) {
        auto *item = new QTreeWidgetItem(this);
        // Dropped between rows only, never into one.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                       Qt::ItemIsEditable);
        item->setTextAlignment(TimeColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(DifferenceColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    auto set = [](QTreeWidgetItem *item, int column, const QString &text) {
        if (item->text(column) != text)
            item->setText(column, text);
    };
    auto setData = [](QTreeWidgetItem *item, int column, int role, const QVariant &value) {
        if (item->data(column, role) != value)
            item->setData(column, role, value);
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PinnedRow &row = rows[i];
        QTreeWidgetItem *item = topLevelItem(static_cast<int>(i));
        // The sun or the moon: a mark that reads in any colour scheme.
        set(item, MarkColumn,
            !row.known  ? QString()
            : row.night ? QStringLiteral("\u263E")
                        : QStringLiteral("\u2600"));
        set(item, NameColumn, row.name);
        set(item, TimeColumn, row.known ? row.time : QStringLiteral("\u2014"));
        set(item, DayColumn, row.day);
        set(item, DifferenceColumn, row.difference);
        setData(item, NameColumn, PinRole, static_cast<int>(i));
        setData(item, NameColumn, Qt::UserRole + 1, row.placeName);
        setData(item, NameColumn, Qt::UserRole + 2,
                row.name == row.placeName ? QString() : row.name);
        if (i >= m_rows.size() || m_rows[i].sentence != row.sentence) {
            for (int c = 0; c < ColumnCount; ++c)
                item->setData(c, Qt::AccessibleTextRole, row.sentence);
            item->setToolTip(NameColumn, row.placeName);
        }
    }
    m_rows = rows;
    if (!sameCount && current >= 0 && current < RowCount())
        setCurrentItem(topLevelItem(current));
    FitColumns();
}

void CPinnedList::changeEvent(QEvent *event)
{
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitColumns();
}

void CPinnedList::FitColumns()
{
    QHeaderView *h = header();
    for (int c = 0; c < ColumnCount; ++c) {
        if (c != NameColumn)
            h->resizeSection(c, std::max(sizeHintForColumn(c), h->minimumSectionSize()));
    }
}

int CPinnedList::HeightFor(int rows) const
{
    const int shown = sizeHintForRow(0);
    const int row = shown > 0 ? shown : fontMetrics().height() + 2;
    return rows * row + 2 * frameWidth();
}

int CPinnedList::CurrentRow() const
{
    return indexOfTopLevelItem(currentItem());
}

void CPinnedList::StartRename(int row)
{
    if (QTreeWidgetItem *item = topLevelItem(row)) {
        setCurrentItem(item, NameColumn);
        editItem(item, NameColumn);
    }
}

QMenu *CPinnedList::CreateMenu(int row, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("pinMenu"));
    menu->setAccessibleName(tr("Pinned place menu"));
    auto add = [&](const char *name, const QString &text, bool enabled, auto &&run) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, run);
    };
    add("pinSelectAction", tr("&Select"), true, [this, row] { emit Activated(row); });
    add("pinRenameAction", tr("&Rename...\tF2"), true, [this, row] { StartRename(row); });
    add("pinUpAction", tr("Move &Up\tCtrl+Up"), row > 0,
        [this, row] { emit MoveRequested(row, row - 1); });
    add("pinDownAction", tr("Move &Down\tCtrl+Down"), row + 1 < RowCount(),
        [this, row] { emit MoveRequested(row, row + 1); });
    menu->addSeparator();
    add("unpinAction", tr("U&npin\tDel"), true, [this, row] { emit UnpinRequested(row); });
    return menu;
}

void CPinnedList::keyPressEvent(QKeyEvent *event)
{
    // Enter selects the pin, or ends a rename (coming up from the editor): never the window's
    // default button.
    const int row = CurrentRow();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (row >= 0 && state() != QAbstractItemView::EditingState)
            emit Activated(row);
        event->accept();
        return;
    }
    if (row >= 0 && state() != QAbstractItemView::EditingState) {
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        const int key = event->key();
        if (key == Qt::Key_Delete) {
            emit UnpinRequested(row);
            return;
        }
        if (ctrl && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            const int to = row + (key == Qt::Key_Up ? -1 : 1);
            if (to >= 0 && to < RowCount()) {
                emit MoveRequested(row, to);
                setCurrentItem(topLevelItem(to));
            }
            return;
        }
        if (key == Qt::Key_F2) {
            StartRename(row);
            return;
        }
        if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() & Qt::ShiftModifier)) {
            const QRect r = visualItemRect(topLevelItem(row));
            std::unique_ptr<QMenu> menu(CreateMenu(row, this));
            menu->exec(viewport()->mapToGlobal(r.bottomLeft()));
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}

void CPinnedList::contextMenuEvent(QContextMenuEvent *event)
{
    QTreeWidgetItem *item = event->reason() == QContextMenuEvent::Mouse
                                ? itemAt(viewport()->mapFromGlobal(event->globalPos()))
                                : currentItem();
    if (!item)
        return;
    std::unique_ptr<QMenu> menu(CreateMenu(indexOfTopLevelItem(item), this));
    menu->exec(event->globalPos());
}

void CPinnedList::dropEvent(QDropEvent *event)
{
    // The view moves nothing itself: the owner moves the pin and gives the rows again.
    const int from = CurrentRow();
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    int to = target ? indexOfTopLevelItem(target) : RowCount() - 1;
    if (target && dropIndicatorPosition() == QAbstractItemView::BelowItem && to < from)
        ++to;
    else if (target && dropIndicatorPosition() == QAbstractItemView::AboveItem && to > from)
        --to;
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (from >= 0 && to >= 0 && from != to)
        emit MoveRequested(from, to);
}
