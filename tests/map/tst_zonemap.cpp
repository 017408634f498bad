#include "map/colourtables.h"
#include "map/surface.h"
#include "map/zonemap.h"
#include "syntheticmap.h"

#include <QRandomGenerator>
#include <QTest>

#include <optional>

namespace {

constexpr int W = synthetic::Width;
constexpr int H = synthetic::Height;

CZoneMap MakeMap()
{
    CZoneMap map;
    map.SetPictures(synthetic::ZonePicture(), synthetic::MapPicture());
    return map;
}

QImage Noise(int w, int h, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
    return image;
}

// The click point of picture column x, row y: the picture starts inside a two-pixel border.
QPoint Click(int x, int y, int originX = 0)
{
    return {(x + originX) % W + 2, y + 2};
}

// The map as it must look in the given pairs: the picture's land in one, its sea in the other.
QImage Expected(int landPair, int seaPair)
{
    const QImage picture = synthetic::MapPicture();
    QImage image(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool land = FromRgb(picture.pixel(x, y)) == MakeColourRef(0, 128, 0);
            const int pair = land ? landPair : seaPair;
            image.setPixel(x, y, ToRgb(MapColourTable[static_cast<std::size_t>(pair)].dark));
        }
    return image;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<float>)

class TestZoneMap final : public QObject
{
    Q_OBJECT

private slots:
    void scrollMovesEveryPixel_data();
    void scrollMovesEveryPixel();
    void scrollRefuses_data();
    void scrollRefuses();
    void scaleTakesWholePixels();

    void zonePosition_data();
    void zonePosition();
    void zoneColours_data();
    void zoneColours();
    void clickOnLand_data();
    void clickOnLand();
    void clickFollowsTheTurn();

    void coloursAfterAnySequence();
    void equalPairsCanBeParted();
    void outOfRangePairsAreRefused();
    void setColoursIsBothAtOnce();
};

void TestZoneMap::scrollMovesEveryPixel_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QRandomGenerator random(6);
    // Every quadrant, the axes and the extremes, then random shifts within the limits.
    const int fixed[][2] = {{W, 0},  {-W, 0}, {0, H},         {0, -H},       {W, H}, {-W, -H},
                            {1, -1}, {-1, 1}, {-1, -1},       {1, 1},        {5, 0}, {-5, 0},
                            {0, 7},  {0, -7}, {W - 1, 1 - H}, {1 - W, H - 1}};
    for (const auto &s : fixed)
        QTest::addRow("(%d, %d)", s[0], s[1]) << s[0] << s[1];
    for (int i = 0; i < 16; ++i) {
        const int dx = random.bounded(-W, W + 1);
        const int dy = random.bounded(-H, H + 1);
        if (dx != 0 || dy != 0)
            QTest::addRow("random (%d, %d)", dx, dy) << dx << dy;
    }
}

void TestZoneMap::scrollMovesEveryPixel()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    const QImage before = Noise(W, H, 17);
    QImage surface = before;
    QImage scratch;
    QVERIFY(ScrollSurface(surface, scratch, dx, dy));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int ox = (((x - dx) % W) + W) % W;
            const int oy = (((y - dy) % H) + H) % H;
            if (surface.pixel(x, y) != before.pixel(ox, oy))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
}

void TestZoneMap::scrollRefuses_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("rgb32");
    QTest::newRow("zero step") << 0 << 0 << true;
    QTest::newRow("one past the width") << W + 1 << 0 << true;
    QTest::newRow("one past the width, leftwards") << -W - 1 << 0 << true;
    QTest::newRow("one past the height") << 0 << H + 1 << true;
    QTest::newRow("one past the height, upwards") << 3 << -H - 1 << true;
    QTest::newRow("not a pixel surface") << 3 << 3 << false;
}

void TestZoneMap::scrollRefuses()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, rgb32);
    QImage surface = Noise(W, H, 3);
    if (!rgb32)
        surface = surface.convertToFormat(QImage::Format_RGB888);
    const QImage before = surface.copy();
    QImage scratch;
    QVERIFY(!ScrollSurface(surface, scratch, dx, dy));
    QCOMPARE(surface, before);
}

void TestZoneMap::scaleTakesWholePixels()
{
    const QImage picture = synthetic::MapPicture();
    const QImage scaled = ScaleWholePixels(picture, QSize(200, 311));
    QCOMPARE(scaled.size(), QSize(200, 311));
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x) {
            const COLORREF c = PixelAt(scaled, x, y);
            QVERIFY(c == MakeColourRef(0, 128, 0) || c == MakeColourRef(0, 0, 128));
        }
    QCOMPARE(ScaleWholePixels(picture, picture.size()), picture);
    QVERIFY(ScaleWholePixels(QImage(), QSize(10, 10)).isNull());
    QCOMPARE(PixelAt(picture, -1, 0), CLR_INVALID);
    QCOMPARE(PixelAt(picture, 0, H), CLR_INVALID);
}

void TestZoneMap::zonePosition_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("originX");
    QTest::addColumn<int>("expected");
    QTest::newRow("Greenwich") << 0.0f << 0 << 171;
    QTest::newRow("-11, first stripe") << -11.0f << 0 << 7;
    QTest::newRow("+5.5 between stripes") << 5.5f << 0 << 252;
    QTest::newRow("+12 left of the date line") << 12.0f << 0 << 346;
    QTest::newRow("-12 right of the date line") << -12.0f << 0 << 354;
    QTest::newRow("+13 at the left edge") << 13.0f << 0 << 0;
    QTest::newRow("+14 at the left edge") << 14.0f << 0 << 0;
    QTest::newRow("Greenwich, turned") << 0.0f << 100 << 271;
    QTest::newRow("+11, turned past the edge") << 11.0f << 100 << 77;
    QTest::newRow("+13, turned") << 13.0f << 356 << 356;
}

void TestZoneMap::zonePosition()
{
    QFETCH(float, offset);
    QFETCH(int, originX);
    QFETCH(int, expected);
    const CZoneMap map = MakeMap();
    QCOMPARE(map.ZonePosition(offset, originX), QPoint(expected, H / 2));
}

void TestZoneMap::zoneColours_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<COLORREF>("land");
    QTest::addColumn<COLORREF>("sea");
    QTest::newRow("Greenwich") << 0.0f << MakeColourRef(0, 255, 255) << MakeColourRef(0, 0, 255);
    QTest::newRow("+5.5 has no sea") << 5.5f << MakeColourRef(255, 0, 255) << ZONE_NO_COLOUR;
    QTest::newRow("-12 has no land") << -12.0f << ZONE_NO_COLOUR << MakeColourRef(0, 128, 0);
    QTest::newRow("-8.5 has neither") << -8.5f << ZONE_NO_COLOUR << ZONE_NO_COLOUR;
    QTest::newRow("-99 is no zone") << -99.0f << ZONE_NO_COLOUR << ZONE_NO_COLOUR;
}

void TestZoneMap::zoneColours()
{
    QFETCH(float, offset);
    QFETCH(COLORREF, land);
    QFETCH(COLORREF, sea);
    COLORREF landKey = 1;
    COLORREF seaKey = 1;
    CZoneMap::GetZoneColours(offset, landKey, seaKey);
    QCOMPARE(landKey, land);
    QCOMPARE(seaKey, sea);
}

void TestZoneMap::clickOnLand_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<std::optional<float>>("expected");
    QTest::newRow("magenta land near India") << Click(246, 90) << std::optional<float>(5.5f);
    QTest::newRow("magenta land further west") << Click(50, 55) << std::optional<float>(-8.0f);
    QTest::newRow("navy land of -9.5") << Click(33, 102) << std::optional<float>(-9.0f);
    QTest::newRow("grey land of +8 west of its stripe")
        << Click(265, 65) << std::optional<float>(8.0f);
    QTest::newRow("dark-green sea at the right edge")
        << Click(352, 100) << std::optional<float>(-12.0f);
    QTest::newRow("dark-green sea in the last column")
        << Click(356, 10) << std::optional<float>(-12.0f);
    QTest::newRow("blue sea of +12 beyond the estimate")
        << Click(348, 10) << std::optional<float>(12.0f);
    QTest::newRow("a colour of no zone") << Click(101, 151) << std::optional<float>();
    QTest::newRow("the border") << QPoint(0, 0) << std::optional<float>();
    QTest::newRow("below the picture") << QPoint(100, H + 2) << std::optional<float>();
}

void TestZoneMap::clickOnLand()
{
    QFETCH(QPoint, point);
    QFETCH(std::optional<float>, expected);
    QCOMPARE(MakeMap().ZoneAt(point, 0), expected);
}

void TestZoneMap::clickFollowsTheTurn()
{
    const CZoneMap still = MakeMap();
    for (int origin : {1, 100, 178, 300, 356}) {
        CZoneMap turned = MakeMap();
        QVERIFY(turned.Turn(origin, 0));
        for (int x = 0; x < W; ++x) {
            for (int y : {0, 55, 90, 102}) {
                if (turned.ZoneAt(Click(x, y, origin), origin) != still.ZoneAt(Click(x, y), 0))
                    QFAIL(qPrintable(
                        QStringLiteral("origin %1, column %2, row %3").arg(origin).arg(x).arg(y)));
            }
        }
    }
}

void TestZoneMap::coloursAfterAnySequence()
{
    CZoneMap map = MakeMap();
    QCOMPARE(map.GetLandColour(), 2);
    QCOMPARE(map.GetSeaColour(), 1);
    QRandomGenerator random(11);
    int land = 2;
    int sea = 1;
    for (int i = 0; i < 40; ++i) {
        const int pair = random.bounded(MapColourCount);
        if (random.bounded(2) == 0) {
            QVERIFY(map.SetLandColour(pair));
            land = pair;
        } else {
            QVERIFY(map.SetSeaColour(pair));
            sea = pair;
        }
        QCOMPARE(map.Map(), Expected(land, sea));
        QCOMPARE(map.GetLandColour(), land);
        QCOMPARE(map.GetSeaColour(), sea);
    }
    // The lit zone shows the two bright colours of the chosen pairs.
    map.LightZone(5.5f, map.ZonePosition(5.5f, 0).x());
    QCOMPARE(PixelAt(map.Composite(), 246, 90), MapColourTable[std::size_t(land)].bright);
    map.LightZone(0.0f, map.ZonePosition(0.0f, 0).x());
    QCOMPARE(PixelAt(map.Composite(), 170, 10), MapColourTable[std::size_t(sea)].bright);
}

void TestZoneMap::equalPairsCanBeParted()
{
    // Settings can hold the same pair for both: the map is then one colour, and changing either
    // later brings land and sea apart again.
    CZoneMap map = MakeMap();
    QVERIFY(map.SetColours(3, 3));
    QCOMPARE(map.Map(), Expected(3, 3));
    QVERIFY(map.SetLandColour(5));
    QCOMPARE(map.Map(), Expected(5, 3));
    QVERIFY(map.SetSeaColour(5));
    QVERIFY(map.SetSeaColour(0));
    QCOMPARE(map.Map(), Expected(5, 0));
}

void TestZoneMap::outOfRangePairsAreRefused()
{
    CZoneMap map = MakeMap();
    map.SetColours(6, 7);
    for (int bad : {-1, 8, 1000, -2147483647 - 1}) {
        QVERIFY(!map.SetLandColour(bad));
        QVERIFY(!map.SetSeaColour(bad));
        QVERIFY(!map.RecolourMap(true, bad));
        QVERIFY(!map.SetColours(bad, bad));
        QCOMPARE(map.Map(), Expected(6, 7));
        QCOMPARE(map.GetLandColour(), 6);
        QCOMPARE(map.GetSeaColour(), 7);
    }
    // One bad number of two: the good one still applies.
    QVERIFY(map.SetColours(9, 4));
    QCOMPARE(map.Map(), Expected(6, 4));
    QVERIFY(map.SetColours(0, -3));
    QCOMPARE(map.Map(), Expected(0, 4));
}

void TestZoneMap::setColoursIsBothAtOnce()
{
    CZoneMap one = MakeMap();
    CZoneMap two = MakeMap();
    QVERIFY(one.SetColours(7, 3));
    two.SetLandColour(7);
    two.SetSeaColour(3);
    QCOMPARE(one.Map(), two.Map());
    QCOMPARE(one.LandHighlight(), two.LandHighlight());
    QCOMPARE(one.SeaHighlight(), two.SeaHighlight());
}

QTEST_MAIN(TestZoneMap)
#include "tst_zonemap.moc"
