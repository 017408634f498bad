#include "map/colourtables.h"
#include "map/mapcolourwaitdialog.h"
#include "map/mapwnd.h"
#include "map/surface.h"
#include "syntheticmap.h"
#include "zones/timesource.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <set>

namespace {

constexpr int W = synthetic::Width;
constexpr int H = synthetic::Height;
const QRect Frame(0, 0, W + 4, H + 4);

QImage Shifted(const QImage &picture, int dx)
{
    QImage image = picture.copy();
    QImage scratch;
    if (dx != 0)
        ScrollSurface(image, scratch, dx, 0);
    return image;
}

void Click(QWidget *w, QPoint point)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, point);
}

} // namespace

class TestMapWnd final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnTheComputersZone();
    void glideKeepsEverySurfaceInStep();
    void selectionDuringAGlideFinishesItFirst();
    void clickSelectsBeforeTheNotification();
    void clickOnTheSelectedZoneChangesNothing();
    void zoneWithoutColoursStillTurns_data();
    void zoneWithoutColoursStillTurns();
    void colourChangesRecolourMapAndLitZone();
    void formatGmtOffset_data();
    void formatGmtOffset();
    void waitDialog();

private:
    // Runs the running glide to its end on the test clock, frame by frame.
    void RunGlide();
    // The view as it must be now: the map turned with it and the selected zone lit where it is.
    QImage ExpectedView() const;

    std::unique_ptr<QWidget> m_host;
    CMapWnd *m_map = nullptr;
    std::int64_t m_now = 0;
};

void TestMapWnd::init()
{
    SetProcessTimeZone("<GMT+0530>-5:30");
    m_host = std::make_unique<QWidget>();
    m_host->resize(500, 300);
    m_map = new CMapWnd(m_host.get());
    m_now = 0;
    m_map->SetClock([this] { return m_now; });
    QVERIFY(m_map->Create(Frame, m_host.get(), CMapWnd::ControlId, synthetic::ZonePicture(),
                          synthetic::MapPicture()));
    RunGlide();
}

void TestMapWnd::cleanup()
{
    m_host.reset();
    m_map = nullptr;
    SetProcessTimeZone("");
}

void TestMapWnd::RunGlide()
{
    for (int frame = 0; m_map->IsGliding() && frame < 1000; ++frame) {
        m_now += 16;
        m_map->GlideFrame();
    }
}

QImage TestMapWnd::ExpectedView() const
{
    CZoneMap now = m_map->ZoneMap();
    const float zone = m_map->GetZone();
    now.LightZone(zone, now.ZonePosition(zone, m_map->GetOrigin().x()).x());
    return now.Composite();
}

void TestMapWnd::startsOnTheComputersZone()
{
    QCOMPARE(m_map->GetZone(), 5.5f);
    // +5.5 is shown at column 252; turned into the middle.
    QCOMPARE(m_map->GetOrigin(), QPoint(W / 2 - 252 + W, 0));
    QCOMPARE(m_map->ZoneMap().ZonePosition(5.5f, m_map->GetOrigin().x()).x(), W / 2);
    QCOMPARE(m_map->View(), ExpectedView());
}

void TestMapWnd::glideKeepsEverySurfaceInStep()
{
    m_map->SetAcceleration(150);
    m_map->SelectZone(-7.0f);
    QVERIFY(m_map->IsGliding());
    int frames = 0;
    while (m_map->IsGliding()) {
        m_now += 16;
        m_map->GlideFrame();
        const int origin = m_map->GetOrigin().x();
        QCOMPARE(m_map->ZoneMap().Zones(), Shifted(synthetic::ZonePicture(), origin));
        QCOMPARE(m_map->View(), ExpectedView());
        ++frames;
    }
    QVERIFY(frames > 60); // about 2.4 s at 60 frames a second
    QCOMPARE(m_map->ZoneMap().ZonePosition(-7.0f, m_map->GetOrigin().x()).x(), W / 2);
}

void TestMapWnd::selectionDuringAGlideFinishesItFirst()
{
    m_map->SelectZone(8.0f);
    QCOMPARE(m_map->GetZone(), 8.0f);
    m_now += 300;
    m_map->GlideFrame();
    const int midway = m_map->GetOrigin().x();
    m_map->SelectZone(-5.0f);
    QCOMPARE(m_map->GetZone(), -5.0f);
    QVERIFY(m_map->GetOrigin().x() != midway);
    RunGlide();
    QCOMPARE(m_map->ZoneMap().ZonePosition(-5.0f, m_map->GetOrigin().x()).x(), W / 2);
    QCOMPARE(m_map->View(), ExpectedView());
}

void TestMapWnd::clickSelectsBeforeTheNotification()
{
    float zoneAtNotify = 0.0f;
    int code = 0;
    QPoint pt;
    connect(m_map, &CPanelWnd::Notify, this, [&](const PanelNotify &n) {
        zoneAtNotify = m_map->GetZone();
        code = n.code;
        pt = n.pt;
    });
    // Magenta land of -8, where it is shown now.
    const int origin = m_map->GetOrigin().x();
    const QPoint point((50 + origin) % W + 2, 55 + 2);
    Click(m_map, point);
    QCOMPARE(m_map->GetZone(), -8.0f);
    QCOMPARE(code, NM_CLICK);
    QCOMPARE(zoneAtNotify, -8.0f);
    QCOMPARE(pt, m_map->mapToGlobal(point));

    // A click during the glide reads what is shown at that moment.
    m_now += 200;
    m_map->GlideFrame();
    const int moving = m_map->GetOrigin().x();
    Click(m_map, QPoint((246 + moving) % W + 2, 90 + 2));
    QCOMPARE(m_map->GetZone(), 5.5f);
    RunGlide();
    QCOMPARE(m_map->ZoneMap().ZonePosition(5.5f, m_map->GetOrigin().x()).x(), W / 2);
}

void TestMapWnd::clickOnTheSelectedZoneChangesNothing()
{
    const QImage view = m_map->View();
    QSignalSpy spy(m_map, &CPanelWnd::Notify);
    Click(m_map, QPoint(W / 2 + 2 - 6, 90 + 2)); // India, in the middle
    QCOMPARE(m_map->GetZone(), 5.5f);
    QVERIFY(!m_map->IsGliding());
    QCOMPARE(m_map->View(), view);
    QCOMPARE(spy.count(), 1);
}

void TestMapWnd::zoneWithoutColoursStillTurns_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("position"); // where the zone is shown with the map not turned
    QTest::newRow("12.75") << 12.75f << 0;
    QTest::newRow("-8.5") << -8.5f << 44;
    QTest::newRow("10.5") << 10.5f << 327;
}

void TestMapWnd::zoneWithoutColoursStillTurns()
{
    QFETCH(float, offset);
    QFETCH(int, position);
    m_map->SelectZone(offset);
    RunGlide();
    QCOMPARE(m_map->GetZone(), offset);
    QCOMPARE(m_map->GetOrigin().x(), ((W / 2 - position) % W + W) % W);
    QCOMPARE(m_map->View(), m_map->ZoneMap().Map());
}

void TestMapWnd::colourChangesRecolourMapAndLitZone()
{
    m_map->SelectZone(-8.0f); // green sea, magenta land
    RunGlide();
    QVERIFY(m_map->SetLandColour(4));
    QVERIFY(m_map->SetSeaColour(6));
    std::set<QRgb> viewColours;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            viewColours.insert(m_map->View().pixel(x, y));
    QCOMPARE(viewColours,
             (std::set<QRgb>{ToRgb(MapColourTable[4].dark), ToRgb(MapColourTable[6].dark),
                             ToRgb(MapColourTable[4].bright), ToRgb(MapColourTable[6].bright)}));
    QCOMPARE(m_map->View(), ExpectedView());
    QVERIFY(!m_map->IsGliding());
}

void TestMapWnd::formatGmtOffset_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("5.5") << 5.5f << QStringLiteral("GMT+5:30");
    QTest::newRow("5.75") << 5.75f << QStringLiteral("GMT+5:45");
    QTest::newRow("-3.5") << -3.5f << QStringLiteral("GMT-3:30");
    QTest::newRow("12.75") << 12.75f << QStringLiteral("GMT+12:45");
    QTest::newRow("-12") << -12.0f << QStringLiteral("GMT-12:00");
}

void TestMapWnd::formatGmtOffset()
{
    QFETCH(float, offset);
    QFETCH(QString, expected);
    QString text = QStringLiteral("old");
    CMapWnd::FormatGmtOffset(offset, text);
    QCOMPARE(text, expected);
}

void TestMapWnd::waitDialog()
{
    CMapColourWaitDialog dialog;
    QVERIFY(dialog.Create());
    QVERIFY(!dialog.Create());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Changing Map Colours"));
    auto *text = dialog.findChild<QLabel *>(QStringLiteral("waitText"));
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("Please wait while the map colour is changed ..."));
    m_host->show();
    dialog.ShowOver(m_map);
    QVERIFY(dialog.isVisible());
    const QPoint mapCentre = m_map->mapToGlobal(m_map->rect().center());
    // Centred over the map, give or take a window frame.
    QVERIFY((dialog.frameGeometry().center() - mapCentre).manhattanLength() <= 8);
}

QTEST_MAIN(TestMapWnd)
#include "tst_mapwnd.moc"
