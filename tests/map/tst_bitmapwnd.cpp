#include "map/bitmapwnd.h"
#include "map/surface.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

namespace {

constexpr int W = 357;
constexpr int H = 178;
const QRect Frame(0, 0, W + 4, H + 4);

QImage Noise(int w, int h)
{
    QRandomGenerator random(42);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
    return image;
}

// The picture shifted cyclically to where the origin says it is shown.
QImage Shifted(const QImage &picture, QPoint origin)
{
    QImage image = picture.copy();
    QImage scratch;
    if (!origin.isNull())
        ScrollSurface(image, scratch, origin.x(), origin.y());
    return image;
}

void Send(QWidget *w, QEvent::Type type, QPoint point, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(point), QPointF(w->mapToGlobal(point)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestBitmapWnd final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void create();
    void scrollMovesViewAndOrigin_data();
    void scrollMovesViewAndOrigin();
    void scrollRefuses();
    void glideFollowsTheClock_data();
    void glideFollowsTheClock();
    void noTopSpeedJumpsAtOnceAndBadOnesAreIgnored();
    void modesExcludeEachOther();
    void clickInCentreModeGlidesThePoint();
    void dragScrollsAlongChosenAxes();

private:
    std::unique_ptr<QWidget> m_host;
    CBitmapWnd *m_wnd = nullptr;
    std::int64_t m_now = 0;
    QImage m_picture;
};

void TestBitmapWnd::init()
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(500, 300);
    m_wnd = new CBitmapWnd(m_host.get());
    m_now = 1000;
    m_wnd->SetClock([this] { return m_now; });
    m_picture = Noise(W, H);
    QVERIFY(m_wnd->Create(Frame, m_host.get(), 7, m_picture));
}

void TestBitmapWnd::cleanup()
{
    m_host.reset();
    m_wnd = nullptr;
}

void TestBitmapWnd::create()
{
    QCOMPARE(m_wnd->GetBitmapSize(), QSize(W, H));
    QCOMPARE(m_wnd->View(), m_picture);

    CBitmapWnd small(m_host.get());
    QVERIFY(small.Create(QRect(0, 0, 10, 10), m_host.get(), 1, m_picture));
    QCOMPARE(small.GetBitmapSize(), QSize(16, 16));
    QCOMPARE(small.View(), ScaleWholePixels(m_picture, QSize(16, 16)));
    QVERIFY(!small.Create(Frame, m_host.get(), 1, m_picture));

    CBitmapWnd wnd(m_host.get());
    QVERIFY(!wnd.Create(Frame, m_host.get(), 1, QStringLiteral(":/no/such/picture.png")));
    // The window stands, empty, at the size it was given.
    QCOMPARE(wnd.GetBitmapSize(), QSize(W, H));
    QCOMPARE(wnd.View(), MakeSurface(QSize(W, H)));
}

void TestBitmapWnd::scrollMovesViewAndOrigin_data()
{
    QTest::addColumn<QList<QPoint>>("steps");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("left past the edge") << QList<QPoint>{{-10, 0}} << QPoint(W - 10, 0);
    QTest::newRow("around the whole width") << QList<QPoint>{{W, 0}} << QPoint(0, 0);
    QTest::newRow("there and back") << QList<QPoint>{{200, 100}, {-200, -100}} << QPoint(0, 0);
    QTest::newRow("many small steps")
        << QList<QPoint>{{300, 0}, {300, 0}, {-43, 5}, {0, 178}} << QPoint(200, 5);
}

void TestBitmapWnd::scrollMovesViewAndOrigin()
{
    QFETCH(QList<QPoint>, steps);
    QFETCH(QPoint, origin);
    for (const QPoint &s : steps)
        QCOMPARE(m_wnd->ScrollBitmap(const_cast<QImage *>(&m_wnd->View()), s.x(), s.y()), s);
    QCOMPARE(m_wnd->GetOrigin(), origin);
    QCOMPARE(m_wnd->View(), Shifted(m_picture, origin));
}

void TestBitmapWnd::scrollRefuses()
{
    auto *view = const_cast<QImage *>(&m_wnd->View());
    QCOMPARE(m_wnd->ScrollBitmap(view, W + 1, 0), QPoint());
    QCOMPARE(m_wnd->ScrollBitmap(view, 0, 0), QPoint());
    QCOMPARE(m_wnd->ScrollBitmap(nullptr, 1, 0), QPoint());
    QImage other(W - 1, H, QImage::Format_RGB32);
    QCOMPARE(m_wnd->ScrollBitmap(&other, 1, 0), QPoint());
    QCOMPARE(m_wnd->SmoothScroll(-W - 1, 0), QPoint());
    QCOMPARE(m_wnd->View(), m_picture);
    QCOMPARE(m_wnd->GetOrigin(), QPoint());

    // Another surface of the right size shifts silently; the origin stays.
    QImage same = m_picture.copy();
    QCOMPARE(m_wnd->ScrollBitmap(&same, 4, 0), QPoint(4, 0));
    QCOMPARE(same, Shifted(m_picture, QPoint(4, 0)));
    QCOMPARE(m_wnd->GetOrigin(), QPoint());
}

void TestBitmapWnd::glideFollowsTheClock_data()
{
    QTest::addColumn<int>("acceleration");
    QTest::addColumn<QList<int>>("expected"); // origin.x every 250 ms from the start
    QTest::newRow("fast") << 600 << QList<int>{0, 18, 75, 131, 150};
}

void TestBitmapWnd::glideFollowsTheClock()
{
    QFETCH(int, acceleration);
    QFETCH(QList<int>, expected);
    m_wnd->SetMaxSpeed(600);
    m_wnd->SetAccelerate(true);
    m_wnd->SetAcceleration(acceleration);
    QCOMPARE(m_wnd->SmoothScroll(150, 0), QPoint(150, 0));
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY(m_wnd->IsGliding());
        m_wnd->GlideFrame();
        QCOMPARE(m_wnd->GetOrigin(), QPoint(expected[i], 0));
        m_now += 250;
    }
    QVERIFY(!m_wnd->IsGliding());
    QCOMPARE(m_wnd->View(), Shifted(m_picture, QPoint(150, 0)));
}

void TestBitmapWnd::noTopSpeedJumpsAtOnceAndBadOnesAreIgnored()
{
    m_wnd->SetMaxSpeed(-1);
    QCOMPARE(m_wnd->SmoothScroll(-60, 3), QPoint(-60, 3));
    QVERIFY(!m_wnd->IsGliding());
    QCOMPARE(m_wnd->GetOrigin(), QPoint(W - 60, 3));
    // Zero or another negative number is no top speed a setting can ask for.
    m_wnd->SetMaxSpeed(600);
    m_wnd->SetMaxSpeed(0);
    m_wnd->SetMaxSpeed(-5);
    QCOMPARE(m_wnd->GetMaxSpeed(), 600);
}

void TestBitmapWnd::modesExcludeEachOther()
{
    m_wnd->SetCentreMode(true, false);
    m_wnd->SetDragMode(true, true);
    QVERIFY(!m_wnd->IsDragMode());
    QVERIFY(m_wnd->IsCentreMode());
    m_wnd->SetCentreMode(false, false);
    m_wnd->SetDragMode(true, false);
    QVERIFY(m_wnd->IsDragMode());
    m_wnd->SetCentreMode(true, true);
    QVERIFY(!m_wnd->IsCentreMode());
}

void TestBitmapWnd::clickInCentreModeGlidesThePoint()
{
    m_wnd->SetCentreMode(true, false);
    Send(m_wnd, QEvent::MouseButtonPress, {50, 60}, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(m_wnd->IsGliding());
    m_wnd->FinishGlide();
    QCOMPARE(m_wnd->GetOrigin(), QPoint(W / 2 - 50, 0));
}

void TestBitmapWnd::dragScrollsAlongChosenAxes()
{
    m_wnd->SetDragMode(true, false);
    Send(m_wnd, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    Send(m_wnd, QEvent::MouseMove, {130, 90}, Qt::NoButton, Qt::LeftButton);
    Send(m_wnd, QEvent::MouseMove, {120, 20}, Qt::NoButton, Qt::LeftButton);
    Send(m_wnd, QEvent::MouseButtonRelease, {120, 20}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(m_wnd->GetOrigin(), QPoint(20, 0));
    // Released: moving no longer drags.
    Send(m_wnd, QEvent::MouseMove, {200, 20}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(m_wnd->GetOrigin(), QPoint(20, 0));
    QCOMPARE(m_wnd->View(), Shifted(m_picture, QPoint(20, 0)));
}

QTEST_MAIN(TestBitmapWnd)
#include "tst_bitmapwnd.moc"
