// SPDX-License-Identifier: MIT

#pragma once

#include "app/pinnedrows.h"

#include <QTreeWidget>

#include <vector>

class QMenu;

// The main window's compact list of pinned places: one row a pin with a day or night mark, its
// label or name, its time, its day against home's and its difference from home. It shows rows
// it is given and reports what the person asks; the owner changes the pins and gives the rows
// again. Enter or a click selects a pin's place; Ctrl+Up and Ctrl+Down (or a drag) move it; F2
// renames it in place; Delete unpins it; the Menu key or a right-click offers the same.
class CPinnedList final : public QTreeWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPinnedList)

public:
    enum Column
    {
        MarkColumn,
        NameColumn,
        TimeColumn,
        DayColumn,
        DifferenceColumn,
        ColumnCount
    };

    explicit CPinnedList(QWidget *parent = nullptr);

    // Shows the rows, changing only the texts that differ (a tick repaints only what moved).
    void SetRows(const std::vector<PinnedRow> &rows);
    int RowCount() const { return topLevelItemCount(); }
    // The height that shows rows rows whole.
    int HeightFor(int rows) const;

    // The menu a right-click or the Menu key shows for the pin at row, built for tests too.
    QMenu *CreateMenu(int row, QWidget *parent);

signals:
    void Activated(int row);
    void RenameRequested(int row, const QString &label);
    void UnpinRequested(int row);
    void MoveRequested(int from, int to);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void StartRename(int row);
    void FitColumns();
    int CurrentRow() const;

    std::vector<PinnedRow> m_rows;
};
