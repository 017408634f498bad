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

QImage Noise(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
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

enum Op
{
    Land,
    Sea,
    Both
};

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
    void click_data();
    void click();
    void clickFollowsTheTurn();
    void colours_data();
    void colours();
};

void TestZoneMap::scrollMovesEveryPixel_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    // Every quadrant, the axes and the extremes, then random shifts within the limits.
    const int fixed[][2] = {{W, 0},   {0, -H}, {1, -1},        {-1, 1},
                            {-1, -1}, {1, 1},  {W - 1, 1 - H}, {1 - W, H - 1}};
    for (const auto &s : fixed)
        QTest::addRow("(%d, %d)", s[0], s[1]) << s[0] << s[1];
    QRandomGenerator random(6);
    for (int i = 0; i < 8; ++i) {
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
    const QImage before = Noise(17);
    QImage surface = before;
    QImage scratch;
    QVERIFY(ScrollSurface(surface, scratch, dx, dy));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (surface.pixel(x, y) != before.pixel(((x - dx) % W + W) % W, ((y - dy) % H + H) % H))
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
    QTest::newRow("one past the height, upwards") << 3 << -H - 1 << true;
    QTest::newRow("not a pixel surface") << 3 << 3 << false;
}

void TestZoneMap::scrollRefuses()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, rgb32);
    QImage surface = rgb32 ? Noise(3) : Noise(3).convertToFormat(QImage::Format_RGB888);
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
    QVERIFY(ScaleWholePixels(QImage(), QSize(10, 10)).isNull());
}

void TestZoneMap::zonePosition_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("originX");
    QTest::addColumn<int>("expected");
    QTest::newRow("Greenwich") << 0.0f << 0 << 171;
    QTest::newRow("+5.5 between stripes") << 5.5f << 0 << 252;
    QTest::newRow("+12 left of the date line") << 12.0f << 0 << 346;
    QTest::newRow("-12 right of the date line") << -12.0f << 0 << 354;
    QTest::newRow("+13 at the left edge") << 13.0f << 0 << 0;
    QTest::newRow("+11, turned past the edge") << 11.0f << 100 << 77;
    QTest::newRow("+13, turned") << 13.0f << 356 << 356;
}

void TestZoneMap::zonePosition()
{
    QFETCH(float, offset);
    QFETCH(int, originX);
    QFETCH(int, expected);
    QCOMPARE(MakeMap().ZonePosition(offset, originX), QPoint(expected, H / 2));
}

void TestZoneMap::click_data()
{
    using Zone = std::optional<float>;
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Zone>("expected");
    QTest::newRow("magenta land near India") << Click(246, 90) << Zone(5.5f);
    QTest::newRow("magenta land further west") << Click(50, 55) << Zone(-8.0f);
    QTest::newRow("navy land of -9.5") << Click(33, 102) << Zone(-9.0f);
    QTest::newRow("grey land of +8 west of its stripe") << Click(265, 65) << Zone(8.0f);
    QTest::newRow("dark-green sea at the right edge") << Click(352, 100) << Zone(-12.0f);
    QTest::newRow("dark-green sea in the last column") << Click(356, 10) << Zone(-12.0f);
    QTest::newRow("blue sea of +12 beyond the estimate") << Click(348, 10) << Zone(12.0f);
    QTest::newRow("a colour of no zone") << Click(101, 151) << Zone();
    QTest::newRow("the border") << QPoint(0, 0) << Zone();
    QTest::newRow("below the picture") << QPoint(100, H + 2) << Zone();
}

void TestZoneMap::click()
{
    QFETCH(QPoint, point);
    QFETCH(std::optional<float>, expected);
    QCOMPARE(MakeMap().ZoneAt(point, 0), expected);
}

void TestZoneMap::clickFollowsTheTurn()
{
    const CZoneMap still = MakeMap();
    for (int origin : {1, 178, 356}) {
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

void TestZoneMap::colours_data()
{
    QTest::addColumn<QList<int>>("steps"); // triples: Land/Sea/Both, then one or two pairs
    QRandomGenerator random(11);
    QList<int> randomSteps;
    for (int i = 0; i < 40; ++i)
        randomSteps << int(random.bounded(2)) << int(random.bounded(MapColourCount)) << 0;
    QTest::newRow("any sequence") << randomSteps;
    // Settings can hold the same pair for both: the map is then one colour, and changing either
    // later brings land and sea apart again.
    QTest::newRow("equal pairs parted") << QList<int>{Both, 3, 3, Land, 5, 0, Sea, 5, 0, Sea, 0, 0};
    // Out of range numbers are refused; of two, the good one still applies.
    QTest::newRow("out of range") << QList<int>{Both, 6,    7,    Land, -1,   0,    Sea,
                                                8,    0,    Land, 1000, 0,    Both, -2147483647 - 1,
                                                8,    Both, 9,    4,    Both, 0,    -3};
}

void TestZoneMap::colours()
{
    QFETCH(QList<int>, steps);
    CZoneMap map = MakeMap();
    int land = 2;
    int sea = 1;
    for (qsizetype i = 0; i < steps.size(); i += 3) {
        const int a = steps[i + 1];
        const int b = steps[i + 2];
        const bool ok = steps[i] == Land  ? map.SetLandColour(a)
                        : steps[i] == Sea ? map.SetSeaColour(a)
                                          : map.SetColours(a, b);
        int &first = steps[i] == Sea ? sea : land;
        const bool aValid = IsValidMapColour(a);
        const bool bValid = steps[i] == Both && IsValidMapColour(b);
        QCOMPARE(ok, aValid || bValid);
        if (aValid)
            first = a;
        if (bValid)
            sea = b;
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

QTEST_MAIN(TestZoneMap)
#include "tst_zonemap.moc"
