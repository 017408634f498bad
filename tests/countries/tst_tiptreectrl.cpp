#include "countries/itemtipwnd.h"
#include "countries/tiptreectrl.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

constexpr int RestMs = 60;
constexpr int PauseMs = 300;

} // namespace

class TestTipTreeCtrl final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cutOffLabelGetsTipAfterRest();
    void noTip_data();
    void noTip();
    void tipEnds_data();
    void tipEnds();

private:
    QPoint OnLabel(QTreeWidgetItem *item) const;
    bool TipShown() const { return m_tree->TipWindow() && m_tree->TipWindow()->isVisible(); }

    QWidget *m_window = nullptr;
    CTipTreeCtrl *m_tree = nullptr;
    QLineEdit *m_edit = nullptr;
    QTreeWidgetItem *m_short = nullptr;
    QTreeWidgetItem *m_long = nullptr;
    QTreeWidgetItem *m_longer = nullptr;
};

void TestTipTreeCtrl::init()
{
    m_window = new QWidget;
    m_window->setObjectName("window");
    m_edit = new QLineEdit(m_window);
    m_tree = new CTipTreeCtrl(m_window);
    auto *layout = new QVBoxLayout(m_window);
    layout->addWidget(m_edit);
    layout->addWidget(m_tree);
    m_tree->setFixedSize(120, 200);
    m_tree->SetTipIntervals(RestMs, PauseMs);
    m_short = m_tree->InsertSorted(nullptr, "Chad", 1);
    m_long = m_tree->InsertSorted(nullptr, "Afghanistan, The Islamic Rep of", 2);
    m_longer = m_tree->InsertSorted(nullptr, "Spanish Possessions in N Africa", 3);
    m_window->move(100, 100);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_tree->setFocus();
    QTest::mouseMove(m_tree->viewport(), QPoint(60, 190)); // below the items
}

void TestTipTreeCtrl::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

QPoint TestTipTreeCtrl::OnLabel(QTreeWidgetItem *item) const
{
    const QRect label = m_tree->LabelRect(item);
    return QPoint(label.left() + 8, label.center().y());
}

void TestTipTreeCtrl::cutOffLabelGetsTipAfterRest()
{
    QTest::mouseMove(m_tree->viewport(), OnLabel(m_long));
    QVERIFY(!m_tree->TipWindow());
    QTRY_VERIFY(TipShown());

    // Exactly over the label, showing all of it beyond the tree's edge.
    const QRect label = m_tree->LabelRect(m_long);
    const CItemTipWnd *tip = m_tree->TipWindow();
    QCOMPARE(tip->geometry(),
             QRect(m_tree->viewport()->mapToGlobal(label.topLeft()), label.size()));
    QVERIFY(tip->geometry().right() > m_tree->mapToGlobal(QPoint(m_tree->width(), 0)).x());
    QCOMPARE(tip->Text(), m_long->text(0));
    QVERIFY(!tip->isActiveWindow());
    QVERIFY(m_window->isActiveWindow());
    QVERIFY(m_tree->hasFocus());
}

void TestTipTreeCtrl::tipEnds_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("move to another label") << 0;
    // The tree holds the mouse while the tip shows, so a move far away still ends it.
    QTest::newRow("leave the tree") << 1;
    QTest::newRow("key") << 2;
    QTest::newRow("refill") << 3;
}

void TestTipTreeCtrl::tipEnds()
{
    QFETCH(int, action);
    QTest::mouseMove(m_tree->viewport(), OnLabel(m_long));
    QTRY_VERIFY(TipShown());
    if (action == 0)
        QTest::mouseMove(m_tree->viewport(), OnLabel(m_longer));
    else if (action == 1)
        QTest::mouseMove(m_edit, QPoint(2, 2));
    else if (action == 2)
        QTest::keyClick(m_tree, Qt::Key_Down);
    else
        m_tree->clear();
    QVERIFY(!TipShown());
    if (action == 0) {
        QTRY_VERIFY(TipShown());
        QCOMPARE(m_tree->TipWindow()->Text(), m_longer->text(0));
    }
}

void TestTipTreeCtrl::noTip_data()
{
    QTest::addColumn<int>("why");
    QTest::newRow("label fits") << 0;
    QTest::newRow("just after a click") << 3;
}

void TestTipTreeCtrl::noTip()
{
    QFETCH(int, why);
    QPoint target = OnLabel(why == 0 ? m_short : m_long);
    if (why == 3) {
        QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {}, target);
        QVERIFY(m_long->isSelected()); // the click did its usual work
        target = OnLabel(m_longer);
    }
    QTest::mouseMove(m_tree->viewport(), target);
    QTest::qWait(2 * RestMs);
    QVERIFY(!m_tree->TipWindow());
    if (why == 3) {
        // Once the pause is over the next move arms the tip again.
        QTest::qWait(PauseMs);
        QTest::mouseMove(m_tree->viewport(), target + QPoint(1, 0));
        QTRY_VERIFY(TipShown());
    }
}

QTEST_MAIN(TestTipTreeCtrl)
#include "tst_tiptreectrl.moc"
