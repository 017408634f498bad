// SPDX-License-Identifier: MIT

#include "map/bitmapwnd.h"
#include "map/colourtables.h"
#include "map/mapwnd.h"
#include "map/motion.h"
#include "map/panelwnd.h"
#include "map/sunposition.h"
#include "map/surface.h"
#include "map/zonekey.h"
#include "res/resources.h"
#include "syntheticmap.h"
#include "zones/timesource.h"
#include "zones/zonedatabase.h"
#include "zones/zonefile.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>
#include <set>

using namespace synthetic;

constexpr COLORREF Red = MakeColourRef(255, 0, 0);
constexpr COLORREF Blue = MakeColourRef(0, 0, 255);

// The three windows of the map, each built on the one before: the framed panel, the scrolling
// picture and the world map with its zones; then the glide they share.
class TestMapWnd final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetProcessTimeZone("<GMT+0530>-5:30");
        m_host = std::make_unique<QWidget>();
        m_now = 0;
        m_map = new CMapWnd(m_host.get());
        m_map->SetClock([this] { return m_now; });
        QVERIFY(m_map->Create(Frame, m_host.get()));
        // Made with the computer's zone in the middle already, nothing left to glide.
        QVERIFY(!m_map->IsGliding());
        QCOMPARE(m_map->ZoneMap().ZonePosition(5.5f, m_map->GetOrigin().x()).x(), Centre());
        m_wnd = new CBitmapWnd(m_host.get());
        m_wnd->SetClock([this] { return m_now; });
        QVERIFY(m_wnd->Create(Frame, m_host.get(), 7, m_picture));
    }

    void cleanup()
    {
        m_host.reset();
        SetProcessTimeZone("");
    }

    void clicks()
    {
        CPanelWnd panel(Red, Blue);
        panel.Create(QRect(0, 0, 80, 40), nullptr, 1013);
        QSignalSpy spy(&panel, &CPanelWnd::Notify);
        // Presses of both buttons overlapping make no click.
        QTest::mousePress(&panel, Qt::LeftButton);
        QTest::mousePress(&panel, Qt::RightButton);
        QTest::mouseRelease(&panel, Qt::LeftButton);
        QTest::mouseRelease(&panel, Qt::RightButton);
        QTest::mouseClick(&panel, Qt::RightButton);
        QTest::mouseClick(&panel, Qt::LeftButton);
        QTest::mouseDClick(&panel, Qt::LeftButton);
        QTest::mouseRelease(&panel, Qt::LeftButton);
        QList<int> codes;
        for (const QList<QVariant> &args : spy)
            codes << args[0].value<PanelNotify>().code;
        QCOMPARE(codes, (QList<int>{NM_RCLICK, NM_CLICK, NM_DBLCLK}));
    }

    // Equal colours, a picture of another size, a glide past the width, no top speed: all refused.
    void refusals()
    {
        CPanelWnd same(Red, Red); // from settings: black on the button face instead
        QCOMPARE(same.GetTextColour(), MakeColourRef(0, 0, 0));
        QCOMPARE(same.GetBackColour(), FromRgb(QApplication::palette().button().color().rgb()));
        CPanelWnd panel(Red, Blue);
        panel.SetTextColour(Blue);
        QCOMPARE(panel.GetTextColour(), Red);
        panel.SetBackColour(Red);
        QCOMPARE(panel.GetBackColour(), Blue);

        const QSize size = m_wnd->GetBitmapSize();
        QCOMPARE(size, QSize(W, H) * Ratio());
        QCOMPARE(m_wnd->ScrollBitmap(nullptr, 1, 0), QPoint());
        QImage other(size.width() - 1, size.height(), QImage::Format_RGB32);
        QCOMPARE(m_wnd->ScrollBitmap(&other, 1, 0), QPoint());
        QCOMPARE(m_wnd->SmoothScroll(-size.width() - 1, 0), QPoint());
        QCOMPARE(m_wnd->View(), ScaleWholePixels(m_picture, size));
        for (const int speed : {600, 0, -5})
            m_wnd->SetMaxSpeed(speed);
        QCOMPARE(m_wnd->GetMaxSpeed(), 600);
        // Unlike no top speed at all, which jumps at once.
        m_wnd->SetMaxSpeed(-1);
        QCOMPARE(m_wnd->SmoothScroll(-60, 3), QPoint(-60, 3));
        QVERIFY(!m_wnd->IsGliding());
        QCOMPARE(m_wnd->GetOrigin(), QPoint(size.width() - 60, 3));
    }

    void clickInCentreModeGlidesThePoint()
    {
        m_wnd->SetCentreMode(true, false);
        m_wnd->SetDragMode(true, true); // ignored: the modes exclude each other
        QTest::mousePress(m_wnd, Qt::LeftButton, {}, {50, 60});
        QVERIFY(m_wnd->IsGliding());
        m_wnd->FinishGlide();
        // The point inside the border, in device pixels, comes to the middle.
        QCOMPARE(m_wnd->GetOrigin(), QPoint(W * Ratio() / 2 - 48 * Ratio(), 0));
    }

    void glideKeepsEverySurfaceInStep()
    {
        m_map->SetAcceleration(150);
        m_map->SelectZone(-7.0f);
        int frames = 0;
        while (m_map->IsGliding()) {
            m_now += 16;
            m_map->GlideFrame();
            const int origin = m_map->GetOrigin().x();
            QCOMPARE(m_map->ZoneMap().Keys(), Shifted(Unturned().Keys(), {origin, 0}));
            QCOMPARE(m_map->View(), ExpectedView());
            ++frames;
        }
        QVERIFY(frames > 60); // about 2.4 s at 60 frames a second
        QCOMPARE(m_map->ZoneMap().ZonePosition(-7.0f, m_map->GetOrigin().x()).x(), Centre());
    }

    void clickSelectsBeforeTheNotification()
    {
        // It starts on the computer's zone.
        QCOMPARE(m_map->GetZone(), 5.5f);
        QCOMPARE(m_map->ZoneMap().ZonePosition(5.5f, m_map->GetOrigin().x()).x(), Centre());
        QCOMPARE(m_map->View(), ExpectedView());
        float zoneAtNotify = 0.0f;
        PanelNotify notify{};
        connect(m_map, &CPanelWnd::Notify, this, [&](const PanelNotify &n) {
            zoneAtNotify = m_map->GetZone();
            notify = n;
        });
        // Land of -8, where it is shown now.
        const QPoint point = Shown(-119.8, 39.5).toPoint();
        QTest::mouseClick(m_map, Qt::LeftButton, {}, point);
        QCOMPARE(m_map->GetZone(), -8.0f);
        QCOMPARE(notify.code, NM_CLICK);
        QCOMPARE(zoneAtNotify, -8.0f);
        QCOMPARE(notify.pt, m_map->mapToGlobal(point));

        // A click during the glide reads what is shown at that moment.
        m_now += 200;
        m_map->GlideFrame();
        const QPoint india = Shown(79.1, 21.1).toPoint();
        QTest::mouseClick(m_map, Qt::LeftButton, {}, india);
        QCOMPARE(m_map->GetZone(), 5.5f);
        RunGlide();
        QCOMPARE(m_map->ZoneMap().ZonePosition(5.5f, m_map->GetOrigin().x()).x(), Centre());
    }

    void clickInEitherKey_data()
    {
        QTest::addColumn<bool>("database");
        QTest::addColumn<QPointF>("place"); // longitude, latitude
        QTest::addColumn<float>("offset");
        // Inland points: a coast pixel may be sea.
        QTest::newRow("Santarem, table") << false << QPointF(-8.68, 39.23) << 1.0f;
        QTest::newRow("Santarem, database") << true << QPointF(-8.68, 39.23) << 0.0f;
        QTest::newRow("Minsk, database") << true << QPointF(27.56, 53.9) << 3.0f;
        QTest::newRow("Marrakech, database") << true << QPointF(-8.0, 31.63) << 1.0f;
    }

    void clickInEitherKey()
    {
        QFETCH(bool, database);
        QFETCH(QPointF, place);
        m_map->SelectZone(-10.0f);
        RunGlide();
        // Switched while turned away from the start, so the new key must be turned too.
        m_map->SetUseDatabaseZones(database);
        Click(Shown(place.x(), place.y()));
        QTEST(m_map->GetZone(), "offset");
        const QPoint p = m_map->SurfacePoint(Shown(place.x(), place.y()));
        QCOMPARE(PixelAt(m_map->View(), p.x(), p.y()), m_map->ZoneMap().LandHighlight());

        // Switched back, the same zone is lit on the other key, turned like the view.
        m_map->SetUseDatabaseZones(!database);
        QCOMPARE(m_map->View(), ExpectedView());
        QCOMPARE(m_map->ZoneMap().Keys(), Shifted(Unturned().Keys(), m_map->GetOrigin()));
    }

    // A zone lit at a start from its file is lit again by its zone's own answer once reading the
    // zones contradicts the file (a Bratislava keeping Tokyo's time).
    void contradictedZonesAreLitAgain()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Europe")));
        QVERIFY(QFile::copy(QStringLiteral("/usr/share/zoneinfo/Asia/Tokyo"),
                            folder.filePath(QStringLiteral("Europe/Bratislava"))));
        ZoneFile::SetFolderForTesting(QFile::encodeName(folder.path()).constData());
        SetZoneDatabaseHiddenForTesting(false); // nothing read yet
        TakeEntrySnapshotDisproved();
        m_map->SetUseDatabaseZones(true);
        m_map->SelectZone(1.0f);
        RunGlide();
        const QPoint bratislava = m_map->SurfacePoint(Shown(17.6, 48.6));
        QCOMPARE(m_map->ZoneMap().ZoneNameAt(bratislava, 0), QByteArray("Europe/Bratislava"));
        const auto lit = [&] {
            return PixelAt(m_map->View(), bratislava.x(), bratislava.y()) ==
                   m_map->ZoneMap().LandHighlight();
        };
        QVERIFY(!lit());
        EntrySnapshot(); // the zones asked, as after a start
        ZoneFile::SetFolderForTesting(nullptr);
        QVERIFY(TakeEntrySnapshotDisproved());
        m_map->Relight();
        QVERIFY(lit());
        QCOMPARE(m_map->View(), ExpectedView());
    }

    void zoneWithoutColoursStillTurns_data()
    {
        QTest::addColumn<float>("offset");
        QTest::addColumn<int>("position"); // where the zone is shown with the map not turned
        QTest::newRow("12.75") << 12.75f << 0;
        QTest::newRow("-8.5") << -8.5f << 44;
    }

    void zoneWithoutColoursStillTurns()
    {
        QFETCH(float, offset);
        QFETCH(int, position);
        m_map->SelectZone(offset);
        RunGlide();
        QCOMPARE(m_map->GetZone(), offset);
        const int w = m_map->GetBitmapSize().width();
        const int shown = m_map->ZoneMap().ZonePosition(offset, 0).x();
        QVERIFY(std::abs(shown - position * Ratio()) <= 1);
        QCOMPARE(m_map->GetOrigin().x(), ((Centre() - shown) % w + w) % w);
        QCOMPARE(m_map->View(), m_map->ZoneMap().Map());
    }

    // The map takes the size it is given, the turn and the lit zone kept; a glide across it
    // takes as long, and a click on a small island lights its zone.
    void resized_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("default") << QSize(W, H);
        QTest::newRow("1000 x 500") << QSize(1000, 500);
        QTest::newRow("1920 x 960") << QSize(1920, 960);
    }

    void resized()
    {
        QFETCH(QSize, size);
        m_map->SetUseDatabaseZones(true);
        RunGlide(5.5f);
        const int frames = RunGlide(-7.0f);
        RunGlide(5.5f);
        Resize(size);
        QCOMPARE(m_map->GetBitmapSize(), size * Ratio());
        QCOMPARE(m_map->ZoneMap().ZonePosition(5.5f, m_map->GetOrigin().x()).x(), Centre());
        QCOMPARE(m_map->View(), ExpectedView());
        QVERIFY(std::abs(RunGlide(-7.0f) - frames) <= frames / 20);
        const struct
        {
            double lon, lat;
            float offset;
        } islands[] = {{-176.56, -43.95, 12.75f}, // Chatham, by the date line
                       {-140.1, -8.86, -9.5f}};   // the Marquesas
        for (const auto &island : islands) {
            Click(Shown(island.lon, island.lat));
            QCOMPARE(m_map->GetZone(), island.offset);
            RunGlide();
        }
        QCOMPARE(m_map->View(), ExpectedView());
    }

    void colourChangesRecolourMapAndLitZone()
    {
        m_wnd->hide(); // it lies over the map
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        m_map->SelectZone(-8.0f);
        RunGlide();
        QCoreApplication::processEvents();
        int paints = 0;
        CPanelWnd::SetPaintHook(
            [&](const CPanelWnd *window, const QRect &) { paints += window == m_map; });
        QVERIFY(m_map->SetLandColour(4));
        QVERIFY(m_map->SetSeaColour(6));
        QTRY_VERIFY(paints > 0);
        // Colours set again as they are (stored ones at a start) draw nothing.
        paints = 0;
        QVERIFY(m_map->SetColours(4, 6));
        QVERIFY(m_map->SetLandColour(4));
        QCoreApplication::processEvents();
        CPanelWnd::SetPaintHook(nullptr);
        QCOMPARE(paints, 0);
        std::set<QRgb> viewColours;
        const QImage view = m_map->View();
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x)
                viewColours.insert(view.pixel(x, y));
        for (const COLORREF c : {MapColourTable[4].dark, MapColourTable[6].dark,
                                 MapColourTable[4].bright, MapColourTable[6].bright})
            QVERIFY(viewColours.count(ToRgb(c)));
        QCOMPARE(m_map->View(), ExpectedView());
        QVERIFY(!m_map->IsGliding());
    }

    void sunPosition_data()
    {
        QTest::addColumn<QString>("utc");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("elevation");
        // At a pole the sun stands as high as its declination.
        QTest::newRow("June solstice") << "2024-06-20T20:51:00Z" << 90.0 << 0.0 << 23.44;
        // The sun on the meridian of 0° sets on the equator at 90°E; the equation of time is at its
        // extreme, +16 min 25 s.
        QTest::newRow("noon early") << "2024-11-03T11:43:35Z" << 0.0 << 90.0 << 0.0;
        // Tromsø: the polar night's noon below the horizon.
        QTest::newRow("polar night") << "2024-12-21T10:44:00Z" << 69.65 << 18.96 << -3.1;
    }

    void sunPosition()
    {
        QFETCH(QString, utc);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, elevation);
        const SunPoint sun =
            SunPositionAt(QDateTime::fromString(utc, Qt::ISODate).toSecsSinceEpoch());
        const double got = SunElevation(sun, latitude, longitude);
        QVERIFY2(std::abs(got - elevation) < 0.15, qPrintable(QString::number(got)));
    }

    void nightOnTheMap_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("utc");
        QTest::addColumn<QList<QPointF>>("day"); // longitude, latitude
        QTest::addColumn<QList<QPointF>>("night");
        for (const QSize size : {QSize(W, H), QSize(1920, 960)}) {
            // Sun over 0°, -2°: the edge near 92°W and 88°E on the equator, poles on the edge.
            QTest::addRow("equinox noon, %dx%d", size.width(), size.height())
                << size << "2024-03-20T12:07:30Z" << QList<QPointF>{{-84, 0}, {84, 0}, {0, 60}}
                << QList<QPointF>{{-108, 0}, {104, 0}, {180, 30}, {178, 0}};
            QTest::addRow("solstice midnight, %dx%d", size.width(), size.height())
                << size << "2024-06-21T00:00:00Z" << QList<QPointF>{{0, 80}, {180, -50}, {-60, 70}}
                << QList<QPointF>{{0, 0}, {180, -80}, {0, -70}, {-10, 20}};
        }
    }

    void nightOnTheMap()
    {
        QFETCH(QSize, size);
        QFETCH(QString, utc);
        QFETCH(QList<QPointF>, day);
        QFETCH(QList<QPointF>, night);
        Resize(size);
        FixedTimeSource clock(QDateTime::fromString(utc, Qt::ISODate).toSecsSinceEpoch());
        ScopedTimeSource use(&clock);
        m_map->SetShowNight(true);
        // Checked where the map stands, then turned by a glide: the night keeps to the ground.
        for (const float zone : {5.5f, -8.0f}) {
            m_map->SelectZone(zone);
            RunGlide();
            const QImage lit = ExpectedView();
            // What is painted, the night drawn over the part asked for, is the view.
            const QImage view = m_map->View();
            QCOMPARE(Painted(), view);
            auto shown = [&](QPointF place) {
                const QPoint p = m_map->SurfacePoint(Shown(place.x(), place.y()));
                return std::pair{view.pixel(p), lit.pixel(p)};
            };
            for (const QPointF &place : day)
                QVERIFY(shown(place).first == shown(place).second);
            for (const QPointF &place : night)
                QVERIFY(qGray(shown(place).first) < qGray(shown(place).second) * 0.65);
        }
        m_map->SetShowNight(false);
        QCOMPARE(m_map->View(), ExpectedView());
    }

    void nightCatchesUpWhenShown()
    {
        FixedTimeSource clock(1710936450); // 20 March 2024, 12:07:30 GMT: the sun over 0°
        ScopedTimeSource use(&clock);
        m_map->SetShowNight(true);
        m_host->show();
        const QImage noon = m_map->View();
        m_host->hide();
        clock.Advance(12 * 3600);
        m_host->show();
        // Midnight over 0° now: the day side is where the night was.
        const QPoint greenwich = m_map->SurfacePoint(Shown(0, 0));
        QVERIFY(qGray(m_map->View().pixel(greenwich)) < qGray(noon.pixel(greenwich)) * 0.65);
        m_host->hide();
        m_map->SetShowNight(false);
    }

    void motion_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("maxSpeed");
        QTest::addColumn<int>("acceleration");
        QTest::addColumn<bool>("accelerate");
        QTest::addColumn<int>("frameMs");
        QTest::addColumn<double>("total");
        QTest::addColumn<QList<float>>("travel"); // seconds, then pixels covered by then
        QTest::newRow("150 fast") << 150 << 0 << 600 << 600 << true << 16 << 1.0
                                  << QList<float>{0.25f, 18, 0.75f, 131, 1.5f, 150};
        QTest::newRow("1000 fast, cruising")
            << 1000 << 0 << 600 << 600 << true << 16 << 2.667 << QList<float>{1.5f, 600, 2.0f, 866};
        QTest::newRow("150 constant speed")
            << 150 << 0 << 300 << 75 << false << 16 << 0.5 << QList<float>{0.25f, 75};
        QTest::newRow("no acceleration runs at top speed")
            << 150 << 0 << 300 << 0 << true << 16 << 0.5 << QList<float>{};
        // Shapes where single-precision products fall a pixel short of the target or dip back near
        // the end; the steps must still add up to the target and never turn back.
        QTest::newRow("(-100, 40) every ms")
            << -100 << 40 << 600 << 600 << true << 1 << 0.8165 << QList<float>{};
        QTest::newRow("(22, 13) shorter axis rounds short")
            << 22 << 13 << 600 << 600 << true << 16 << 0.383 << QList<float>{};
        QTest::newRow("(355, 0) slow every ms")
            << 355 << 0 << 600 << 75 << true << 1 << 4.3511 << QList<float>{};
        QTest::newRow("(0, -3) fast")
            << 0 << -3 << 600 << 600 << true << 7 << 0.1414 << QList<float>{};
        QTest::newRow("(-178, 89) slow at 60 Hz")
            << -178 << 89 << 600 << 75 << true << 17 << 3.0811 << QList<float>{};
    }

    void motion()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, maxSpeed);
        QFETCH(int, acceleration);
        QFETCH(bool, accelerate);
        QFETCH(int, frameMs);
        QFETCH(double, total);
        QFETCH(QList<float>, travel);
        SmoothMotion motion(dx, dy, maxSpeed, acceleration, accelerate);
        const MotionProfile &p = motion.Profile();
        QCOMPARE_LT(std::abs(p.totalTime - total), 0.001);
        QCOMPARE(p.TravelAt(p.totalTime + 0.001f), std::max(std::abs(dx), std::abs(dy)));
        for (qsizetype i = 0; i < travel.size(); i += 2)
            QCOMPARE(p.TravelAt(travel[i]), int(travel[i + 1]));
        // Frame by frame on a simulated millisecond clock.
        MotionStep done;
        for (int ms = 0; !motion.IsFinished() && ms < 60000; ms += frameMs) {
            const MotionStep step = motion.StepAt(static_cast<float>(ms) / 1000.0f);
            done.dx += step.dx;
            done.dy += step.dy;
            QVERIFY(step.dx * dx >= 0 && step.dy * dy >= 0);
        }
        QCOMPARE(done, (MotionStep{dx, dy}));
    }

private:
    // Selects the zone unless nothing is given, and runs the glide to its end on the test clock,
    // frame by frame; returns the frames it took.
    int RunGlide(std::optional<float> zone = {})
    {
        if (zone)
            m_map->SelectZone(*zone);
        int frame = 0;
        for (; m_map->IsGliding() && frame < 1000; ++frame) {
            m_now += 16;
            m_map->GlideFrame();
        }
        return frame;
    }

    // A hidden window learns of its new size when shown.
    void Resize(QSize inside)
    {
        m_map->setGeometry(QRect(QPoint(), inside + QSize(4, 4)));
        m_host->show();
    }

    int Ratio() const { return qRound(m_map->PixelRatio()); }
    int Centre() const { return m_map->GetBitmapSize().width() / 2; }

    // The window point where a place is shown now: the middle of its device pixel.
    QPointF Shown(double lon, double lat) const
    {
        const QPoint p = PixelOf(lon, lat, m_map->GetBitmapSize(), m_map->GetOrigin().x());
        return m_map->WindowPoint(p) + QPointF(0.5, 0.5) / m_map->PixelRatio();
    }

    // A click at a point between whole window units, as a screen of another pixel ratio gives.
    void Click(QPointF at)
    {
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, m_map->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(m_map, &event);
        }
    }

    // The map's surfaces as built in its mode and size, not turned.
    CZoneMap Unturned() const
    {
        CZoneMap map;
        map.Build(m_map->GetBitmapSize(), ZoneKey::Builtin(),
                  m_map->IsUsingDatabaseZones() ? QImage() : LoadZonePicture());
        return map;
    }

    // The inside of the map as it paints itself, in device pixels.
    QImage Painted() const
    {
        const QImage window = m_map->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal ratio = m_map->PixelRatio();
        QImage inside = window.copy(QRect((QPointF(m_map->InnerRect().topLeft()) * ratio).toPoint(),
                                          m_map->GetBitmapSize()));
        inside.setDevicePixelRatio(1.0);
        return inside;
    }

    // The view as it must be now: the map turned with it and the selected zone lit where it is.
    QImage ExpectedView() const
    {
        CZoneMap now = m_map->ZoneMap();
        const float zone = m_map->GetZone();
        now.LightZone(zone, now.ZonePosition(zone, m_map->GetOrigin().x()).x());
        return now.Composite();
    }

    std::unique_ptr<QWidget> m_host;
    CMapWnd *m_map = nullptr;
    CBitmapWnd *m_wnd = nullptr; // a plain scrolling picture of noise
    std::int64_t m_now = 0;
    const QImage m_picture = Noise(42);
};

QTEST_MAIN(TestMapWnd)
#include "tst_mapwnd.moc"
