#include "map/colourtables.h"
#include "map/surface.h"
#include "map/zonemap.h"
#include "res/resources.h"
#include "syntheticmap.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace synthetic;

namespace {

constexpr QRgb MapSea = qRgb(0, 0, 128);

// The map as it must look in the given pairs: the picture's land in one, its sea in the other.
QImage Expected(const QImage &picture, int landPair, int seaPair)
{
    QImage image(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int pair = picture.pixel(x, y) == MapSea ? seaPair : landPair;
            image.setPixel(x, y, ToRgb(MapColourTable[static_cast<std::size_t>(pair)].dark));
        }
    return image;
}
constexpr float SeaOfItsStripe = -99;

// The sea stripe of a column along the top row of the zone key: -11 to +12 west to east, then -12.
float StripeOffset(int column)
{
    const int starts[] = {16,  31,  46,  60,  75,  90,  105, 120, 135, 149, 164, 179,
                          193, 208, 223, 238, 253, 268, 283, 297, 311, 326, 341, 349};
    const int stripe = int(std::upper_bound(std::begin(starts), std::end(starts), column) - starts);
    return stripe < 24 ? float(stripe - 11) : -12.0f;
}

COLORREF KeyColour(float offset, int kind)
{
    const int position = ZoneColourPosition(offset);
    return position < 0 ? ZONE_NO_COLOUR
                        : ZoneColourTable[static_cast<std::size_t>(position + kind)].colour;
}

constexpr int Land = 0, Sea = 1, Both = 2; // what a step of colours sets

} // namespace

class TestZoneMap final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_zones = LoadZonePicture();
        m_picture = LoadMapPicture();
        QVERIFY(m_map.SetPictures(m_zones, m_picture));
    }

    void everyPixelIsAKeyOfItsKind()
    {
        // The top row is sea striped as StripeOffset says. Where the map shows sea, the key holds
        // its column's sea colour; on land a land key, or the sea colour only where the offset has
        // no land colour: a few islands.
        int islandsAsSea = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const COLORREF stripe = KeyColour(StripeOffset(x), 0);
                const COLORREF key = FromRgb(m_zones.pixel(x, y));
                const bool sea = m_picture.pixel(x, y) == MapSea;
                const bool landKey = std::any_of(
                    std::begin(ZoneColourTable), std::end(ZoneColourTable),
                    [&](const ZoneColourEntry &e) { return e.kind == 1 && e.colour == key; });
                const bool valid = key == stripe || (!sea && landKey);
                QVERIFY2(valid && (sea || y > 0),
                         qPrintable(QStringLiteral("%1 at %2,%3").arg(key, 6, 16).arg(x).arg(y)));
                islandsAsSea += !sea && key == stripe;
            }
        QVERIFY2(islandsAsSea <= 12, qPrintable(QString::number(islandsAsSea)));
    }

    void knownPlaces_data()
    {
        QTest::addColumn<QPointF>("place"); // longitude, latitude
        QTest::addColumn<float>("offset");
        QTest::newRow("Nepal") << QPointF(84.0, 28.3) << 5.75f;
        QTest::newRow("Northern Territory") << QPointF(133.9, -23.7) << 9.5f;
        QTest::newRow("Newfoundland") << QPointF(-56.0, 48.8) << -3.5f;
        // Land of offsets without a land colour shows its stripe's sea.
        QTest::newRow("Chatham Is., +12:45") << QPointF(-176.5, -44.0) << SeaOfItsStripe;
        QTest::newRow("South Georgia, -2") << QPointF(-36.5, -54.3) << SeaOfItsStripe;
    }

    void knownPlaces()
    {
        QFETCH(QPointF, place);
        QFETCH(float, offset);
        const QPoint p = PixelOf(place.x(), place.y());
        QVERIFY(m_picture.pixel(p) != MapSea);
        const bool asSea = offset == SeaOfItsStripe;
        QCOMPARE(FromRgb(m_zones.pixel(p)),
                 asSea ? KeyColour(StripeOffset(p.x()), 0) : KeyColour(offset, 1));
        // A click there finds the zone among those sharing its key colour.
        QCOMPARE(m_map.ZoneAt(p + Border, 0), asSea ? StripeOffset(p.x()) : offset);
    }

    void topRowSelectsTheStripes()
    {
        for (int x = 0; x < W; ++x) {
            // The estimate counts the border, so the last yellow column of +3 falls in the window
            // of +5.75, whose yellow land comes later in the table.
            const float expected = x == 222 ? 5.75f : StripeOffset(x);
            const std::optional<float> zone = m_map.ZoneAt(QPoint(x, 0) + Border, 0);
            QVERIFY2(
                zone && *zone == expected,
                qPrintable(QStringLiteral("column %1 gave %2").arg(x).arg(zone.value_or(-99))));
        }
    }

    void lightsOnlyTheNamedColumns_data()
    {
        QTest::addColumn<float>("offset");
        QTest::addColumn<int>("west");
        QTest::addColumn<int>("east");
        QTest::newRow("+8") << 8.0f << W / 8 << W / 16;
        QTest::newRow("+5.5") << 5.5f << W / 12 << W / 16;
        QTest::newRow("-12") << -12.0f << W / 12 << W / 16;
    }

    void lightsOnlyTheNamedColumns()
    {
        QFETCH(float, offset);
        QFETCH(int, west);
        QFETCH(int, east);
        CZoneMap map = m_map;
        const int x = map.ZonePosition(offset, 0).x();
        map.LightZone(offset, x);
        COLORREF landKey;
        COLORREF seaKey;
        CZoneMap::GetZoneColours(offset, landKey, seaKey);
        const QImage unlit = map.Map(); // drawn at each call
        int lit = 0;
        for (int py = 0; py < H; ++py)
            for (int px = 0; px < W; ++px) {
                const bool inColumns = (((px - (x - west)) % W) + W) % W < west + east;
                const COLORREF key = map.ZoneColourAt({px, py});
                COLORREF expected = PixelAt(unlit, px, py);
                if (inColumns && key == landKey)
                    expected = map.LandHighlight();
                else if (inColumns && key == seaKey)
                    expected = map.SeaHighlight();
                lit += expected != PixelAt(unlit, px, py);
                QVERIFY2(PixelAt(map.Composite(), px, py) == expected,
                         qPrintable(QStringLiteral("pixel (%1, %2)").arg(px).arg(py)));
            }
        QVERIFY(lit > 0);
    }

    void scroll_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("moves"); // false: refused, the surface unchanged
        // Every quadrant, the axes and the extremes.
        const int shifts[][2] = {{W, 0}, {0, -H},        {1, -1},        {-1, 1},        {-1, -1},
                                 {1, 1}, {W - 1, 1 - H}, {1 - W, H - 1}, {W / 3, -H / 2}};
        for (const auto &s : shifts)
            QTest::addRow("(%d, %d)", s[0], s[1]) << s[0] << s[1] << true;
        QTest::newRow("zero step") << 0 << 0 << false;
        QTest::newRow("one past the width") << W + 1 << 0 << false;
        QTest::newRow("one past the height, upwards") << 3 << -H - 1 << false;
    }

    void scroll()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, moves);
        // A surface of pixels, and a mask of a byte each.
        for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_Grayscale8}) {
            const QImage before = Noise(17).convertToFormat(format);
            QImage surface = before;
            QCOMPARE(ScrollSurface(surface, dx, dy), moves);
            const QPoint step = moves ? QPoint(dx, dy) : QPoint();
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    const QPoint from(((x - step.x()) % W + W) % W, ((y - step.y()) % H + H) % H);
                    if (surface.pixel(x, y) != before.pixel(from))
                        QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
                }
        }
        QImage other = Noise(17).convertToFormat(QImage::Format_RGB888);
        QVERIFY(!ScrollSurface(other, 1, 1));
    }

    void noZoneOffTheKey()
    {
        // A colour of no zone, the border, below the picture; a map without pictures.
        QImage zones = m_zones.copy();
        zones.setPixel(100, 150, qRgb(255, 128, 0));
        CZoneMap map;
        QVERIFY(map.SetPictures(zones, m_picture));
        for (const QPoint point : {QPoint(100, 150) + Border, QPoint(0, 0), QPoint(100, H + 2)})
            QCOMPARE(map.ZoneAt(point, 0), std::optional<float>());
        QCOMPARE(CZoneMap().ZoneAt(QPoint(100, 150) + Border, 0), std::optional<float>());
    }

    void colours_data()
    {
        QTest::addColumn<QList<int>>("steps"); // triples: Land/Sea/Both, then one or two pairs
        // Settings can hold the same pair for both: the map is then one colour, and changing either
        // later brings land and sea apart again.
        QTest::newRow("equal pairs parted")
            << QList<int>{Both, 3, 3, Land, 5, 0, Sea, 5, 0, Sea, 0, 0};
        // Out of range numbers are refused; of two, the good one still applies.
        QTest::newRow("out of range") << QList<int>{
            Both, 6,    7, Land, -1,   0, Sea, 8, 0, Land, 1000, 0, Both, -2147483647 - 1,
            8,    Both, 9, 4,    Both, 0, -3};
    }

    void colours()
    {
        QFETCH(QList<int>, steps);
        CZoneMap map = m_map;
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
            QCOMPARE(map.Map(), Expected(m_picture, land, sea));
        }
    }

private:
    // The program's own pictures, the map not turned.
    QImage m_zones;
    QImage m_picture;
    CZoneMap m_map;
};

QTEST_MAIN(TestZoneMap)
#include "tst_zonemap.moc"
