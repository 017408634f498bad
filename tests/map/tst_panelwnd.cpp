#include "map/panelwnd.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr COLORREF Red = MakeColourRef(255, 0, 0);
constexpr COLORREF Blue = MakeColourRef(0, 0, 255);

// Counts what the panel draws, so tests can tell an erase from a plain repaint.
class CountingPanel final : public CPanelWnd
{
public:
    using CPanelWnd::CPanelWnd;
    using CPanelWnd::Invalidate;
    using CPanelWnd::UpdateWindow;
    int erases = 0;
    int paints = 0;

protected:
    void EraseBackground(QPainter &painter) override
    {
        ++erases;
        CPanelWnd::EraseBackground(painter);
    }
    void PaintInside(QPainter &painter) override
    {
        ++paints;
        CPanelWnd::PaintInside(painter);
    }
};

class ContextMenuHost final : public QWidget
{
public:
    int menus = 0;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        ++menus;
        event->accept();
    }
};

} // namespace

class TestPanelWnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clicks_data();
    void clicks();
    void rightButtonReachesParentMenu();
    void refusedColours();
    void minimumSize_data();
    void minimumSize();
    void border();
    void colourChangesRepaint();
};

void TestPanelWnd::initTestCase()
{
    // Distinct frame colours, so each step of the frame can be told apart.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Dark, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::Light, QColor(0xfe, 0xfe, 0xfe));
    palette.setColor(QPalette::Button, QColor(0xc0, 0xc0, 0xc0));
    QApplication::setPalette(palette);
}

// Each step is a button (L, R, M), then d (down), u (up) or 2 (double-click).
void TestPanelWnd::clicks_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("left click") << "Ld Lu" << QList<int>{NM_CLICK};
    QTest::newRow("right click") << "Rd Ru" << QList<int>{NM_RCLICK};
    QTest::newRow("right click inside left") << "Ld Rd Ru Lu" << QList<int>{NM_RCLICK};
    QTest::newRow("left click inside right") << "Rd Ld Lu Ru" << QList<int>{NM_CLICK};
    QTest::newRow("overlapping presses") << "Ld Rd Lu Ru" << QList<int>{};
    QTest::newRow("left double-click") << "Ld Lu L2 Lu" << QList<int>{NM_CLICK, NM_DBLCLK};
    QTest::newRow("release without press") << "Lu Ru" << QList<int>{};
    QTest::newRow("middle button ignored") << "Ld Md Mu Lu" << QList<int>{NM_CLICK};
}

void TestPanelWnd::clicks()
{
    QFETCH(QString, steps);
    QFETCH(QList<int>, codes);

    CPanelWnd panel(Red, Blue);
    panel.Create(QRect(0, 0, 80, 40), nullptr, 1013);
    QSignalSpy spy(&panel, &CPanelWnd::Notify);

    const QPoint pos(10, 12);
    for (const QString &step : steps.split(u' ')) {
        const Qt::MouseButton button = step[0] == u'L'   ? Qt::LeftButton
                                       : step[0] == u'R' ? Qt::RightButton
                                                         : Qt::MiddleButton;
        if (step[1] == u'd')
            QTest::mousePress(&panel, button, {}, pos);
        else if (step[1] == u'u')
            QTest::mouseRelease(&panel, button, {}, pos);
        else
            QTest::mouseDClick(&panel, button, {}, pos);
    }

    QList<int> got;
    for (const QList<QVariant> &args : spy) {
        const auto notify = args[0].value<PanelNotify>();
        got << notify.code;
        QCOMPARE(notify.hwndFrom, &panel);
        QCOMPARE(notify.idFrom, 1013);
        QCOMPARE(notify.pt, panel.mapToGlobal(pos));
    }
    QCOMPARE(got, codes);
}

// The owner opens its pop-up menus from the context-menu event; the panel must not keep it.
void TestPanelWnd::rightButtonReachesParentMenu()
{
    ContextMenuHost host;
    host.resize(200, 100);
    CPanelWnd panel(Red, Blue);
    panel.Create(QRect(10, 10, 80, 40), &host, 1010);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy spy(&panel, &CPanelWnd::Notify);

    // Through the window, as the platform delivers it, so Qt makes its context-menu event.
    const QPoint at = panel.mapTo(&host, QPoint(20, 20));
    QTest::mousePress(host.windowHandle(), Qt::RightButton, {}, at);
    QTest::mouseRelease(host.windowHandle(), Qt::RightButton, {}, at);

    QCOMPARE(host.menus, 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].value<PanelNotify>().code, NM_RCLICK);
}

void TestPanelWnd::refusedColours()
{
    // Equal colours from settings fall back to black on the button face.
    CPanelWnd same(Red, Red);
    QCOMPARE(same.GetTextColour(), MakeColourRef(0, 0, 0));
    QCOMPARE(same.GetBackColour(), MakeColourRef(0xc0, 0xc0, 0xc0));

    CPanelWnd panel(Red, Blue);
    panel.SetTextColour(Blue);
    QCOMPARE(panel.GetTextColour(), Red);
    panel.SetBackColour(Red);
    QCOMPARE(panel.GetBackColour(), Blue);

    // Swapping works in the order that never makes them equal.
    const COLORREF green = MakeColourRef(0, 255, 0);
    panel.SetTextColour(green);
    panel.SetBackColour(Red);
    panel.SetTextColour(Blue);
    QCOMPARE(panel.GetTextColour(), Blue);
    QCOMPARE(panel.GetBackColour(), Red);
}

void TestPanelWnd::minimumSize_data()
{
    QTest::addColumn<QRect>("requested");
    QTest::addColumn<QSize>("created");
    QTest::newRow("both small") << QRect(5, 6, 10, 10) << QSize(20, 20);
    QTest::newRow("flat") << QRect(0, 0, 90, 0) << QSize(90, 20);
    QTest::newRow("large enough") << QRect(0, 0, 20, 21) << QSize(20, 21);
}

void TestPanelWnd::minimumSize()
{
    QFETCH(QRect, requested);
    QFETCH(QSize, created);
    QWidget host;
    CPanelWnd panel(Red, Blue);
    QVERIFY(panel.Create(requested, &host, 1));
    QCOMPARE(panel.geometry(), QRect(requested.topLeft(), created));
    QVERIFY(!panel.Create(requested, &host, 1));
    panel.resize(5, 5);
    QCOMPARE(panel.size(), QSize(20, 20));
}

void TestPanelWnd::border()
{
    // Outer step: shadow along the top and left, light along the bottom and right; inner step:
    // black, then the button face; the back colour inside. Negative x and y count from the far
    // edge, so each run is checked at both of its ends.
    const QRgb shadow = 0xff404040, black = 0xff000000, light = 0xfffefefe, face = 0xffc0c0c0,
               back = ToRgb(Blue);
    const struct
    {
        int x, y;
        QRgb colour;
    } expected[] = {{0, 0, shadow}, {-2, 0, shadow}, {0, -2, shadow}, {-1, 0, light},
                    {0, -1, light}, {-1, -1, light}, {1, 1, black},   {-3, 1, black},
                    {1, -3, black}, {-2, 1, face},   {1, -2, face},   {-2, -2, face},
                    {2, 2, back},   {-3, -3, back}};
    CPanelWnd panel(Red, Blue);
    panel.Create(QRect(0, 0, 40, 30), nullptr, 1);
    const QImage image = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(40, 30));
    for (const auto &e : expected) {
        const QPoint p(e.x < 0 ? 40 + e.x : e.x, e.y < 0 ? 30 + e.y : e.y);
        QVERIFY2(image.pixel(p) == e.colour,
                 qPrintable(
                     QStringLiteral("(%1, %2): %3").arg(e.x).arg(e.y).arg(image.pixel(p), 0, 16)));
    }
}

void TestPanelWnd::colourChangesRepaint()
{
    CountingPanel panel(Red, Blue);
    panel.Create(QRect(0, 0, 40, 30), nullptr, 1);
    panel.UpdateWindow();
    QCOMPARE(panel.erases, 1);
    QCOMPARE(panel.paints, 1);

    panel.SetTextColour(MakeColourRef(1, 2, 3));
    panel.UpdateWindow();
    QCOMPARE(panel.erases, 1);
    QCOMPARE(panel.paints, 2);

    panel.SetBackColour(MakeColourRef(4, 5, 6));
    panel.UpdateWindow();
    QCOMPARE(panel.erases, 2);
    QCOMPARE(panel.paints, 3);
    QCOMPARE(panel.grab().toImage().pixel(20, 15), ToRgb(MakeColourRef(4, 5, 6)));

    // Refused colours do not paint.
    panel.SetTextColour(MakeColourRef(4, 5, 6));
    panel.UpdateWindow();
    QCOMPARE(panel.paints, 3);
}

QTEST_MAIN(TestPanelWnd)
#include "tst_panelwnd.moc"
