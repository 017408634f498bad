// SPDX-License-Identifier: MIT

#pragma once

#include <QBasicTimer>
#include <QTreeWidget>

#include <memory>

class CItemTipWnd;

// The tree of every country list. When the mouse rests on a label cut off by the tree's edge
// (or the screen's), a tip lies over the label and shows it whole; it goes as soon as the mouse
// leaves the label, a button or key is pressed or the tree's window stops being active. For a
// moment after a left click no tip appears, so the click's own effect is not hidden.
class CTipTreeCtrl : public QTreeWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTipTreeCtrl)

public:
    // An item's entry index (or region position) lives in this role.
    static constexpr int IndexRole = Qt::UserRole;

    explicit CTipTreeCtrl(QWidget *parent = nullptr);
    ~CTipTreeCtrl() override;

    // Inserts an item under parent (nullptr: the top level) at its place in label order: the
    // locale's collation, blanks counting ("Zone  9" before "Zone 10").
    QTreeWidgetItem *InsertSorted(QTreeWidgetItem *parent, const QString &label, int data);
    static bool LabelLess(const QString &a, const QString &b);

    // The selected item, or nullptr.
    QTreeWidgetItem *SelectedItem() const;
    // The chosen entry: the selected item's data, or -1 with nothing selected or a node with
    // children selected.
    int SelectedEntry() const;

    // The rest before a tip shows and the pause after a left click, in milliseconds.
    void SetTipIntervals(int restMs, int clickPauseMs);
    // The tip on show, or nullptr.
    CItemTipWnd *TipWindow() const { return m_pTip.get(); }

    // The rectangle of the item's text alone, in viewport coordinates.
    QRect LabelRect(QTreeWidgetItem *item) const;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // The column is as wide as the widest label shown, so a long one scrolls into view.
    void updateGeometries() override;

private:
    QTreeWidgetItem *ItemAtLabel(const QPoint &pos) const;
    bool IsLabelFullyVisible(QTreeWidgetItem *item) const;
    bool IsTopWindowActive() const;
    void ShowTip(QTreeWidgetItem *item);
    void HideTip();

    int m_nRestMs = 200;
    int m_nClickPauseMs = 500;
    QBasicTimer m_tipTimer; // running = m_bTipTimer
    QBasicTimer m_pauseTimer;
    std::unique_ptr<CItemTipWnd> m_pTip;
    QTreeWidgetItem *m_hTipItem = nullptr; // compared only, never followed
    bool m_bClickPause = false;
    int m_nColumnHint = -1; // the widest shown row, once measured
};
