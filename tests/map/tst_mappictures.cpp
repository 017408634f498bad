#include "map/colourtables.h"
#include "map/surface.h"
#include "map/zonemap.h"
#include "res/resources.h"
#include "syntheticmap.h"

#include <QTest>

#include <cmath>
#include <optional>

// The program's own pictures: the zone key held to the colour table, the zone lookup along the
// top row and the lit columns, with the map not turned. Hand-placed cases are in tst_zonemap.
namespace {

constexpr int W = MapPictureWidth;
constexpr int H = MapPictureHeight;
constexpr QRgb MapSea = qRgb(0, 0, 128);
constexpr float SeaOfItsStripe = -99;

float StripeOffset(int column)
{
    for (const synthetic::Stripe &s : synthetic::Stripes()) {
        if (column <= s.last)
            return s.offset;
    }
    return SeaOfItsStripe;
}

COLORREF KeyColour(float offset, int kind)
{
    const int position = ZoneColourPosition(offset);
    return position < 0 ? ZONE_NO_COLOUR
                        : ZoneColourTable[static_cast<std::size_t>(position + kind)].colour;
}

bool IsKeyOfKind(COLORREF colour, int kind)
{
    for (const ZoneColourEntry &e : ZoneColourTable) {
        if (e.kind == kind && e.colour == colour)
            return true;
    }
    return false;
}

QPoint PixelOf(double lon, double lat)
{
    const int x = static_cast<int>(std::floor((lon + 172.5) * 357.0 / 360.0));
    return {(x % 357 + 357) % 357, static_cast<int>(std::floor((90.0 - lat) * 357.0 / 360.0))};
}

} // namespace

class TestMapPictures final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPixelIsAKeyOfItsKind();
    void knownPlaces_data();
    void knownPlaces();
    void topRowSelectsTheStripes_data();
    void topRowSelectsTheStripes();
    void lightsOnlyTheNamedColumns_data();
    void lightsOnlyTheNamedColumns();

private:
    QImage m_zones;
    QImage m_picture;
    CZoneMap m_map;
};

void TestMapPictures::initTestCase()
{
    m_zones = LoadZonePicture();
    m_picture = LoadMapPicture();
    QCOMPARE(m_zones.size(), QSize(W, H));
    QVERIFY(m_map.SetPictures(m_zones, m_picture));
}

void TestMapPictures::everyPixelIsAKeyOfItsKind()
{
    // The top row is sea striped as listed. Where the map shows sea, the key holds its column's
    // sea colour; on land a land key, or the sea colour only where the offset has no land
    // colour: a few islands, and Antarctica under the -12 and -2 stripes.
    const int antarctic = PixelOf(0, -60).y();
    int islandsAsSea = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const COLORREF stripe = KeyColour(StripeOffset(x), 0);
            const COLORREF key = FromRgb(m_zones.pixel(x, y));
            const bool sea = m_picture.pixel(x, y) == MapSea;
            const bool valid = sea ? key == stripe : IsKeyOfKind(key, 1) || key == stripe;
            QVERIFY2(valid && (sea || y > 0),
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(key, 6, 16).arg(x).arg(y)));
            islandsAsSea += !sea && key == stripe && y < antarctic;
        }
    QVERIFY2(islandsAsSea <= 12, qPrintable(QString::number(islandsAsSea)));
}

void TestMapPictures::knownPlaces_data()
{
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("lat");
    QTest::addColumn<float>("offset");
    QTest::newRow("India") << 79.1 << 21.1 << 5.5f;
    QTest::newRow("Nepal") << 84.0 << 28.3 << 5.75f;
    QTest::newRow("China, east") << 114.3 << 30.6 << 8.0f;
    QTest::newRow("US Pacific") << -119.8 << 39.5 << -8.0f;
    QTest::newRow("US Mountain") << -104.9 << 39.7 << -7.0f;
    QTest::newRow("US Central") << -94.6 << 39.1 << -6.0f;
    QTest::newRow("US Eastern") << -83.0 << 40.0 << -5.0f;
    QTest::newRow("Western Australia") << 121.0 << -26.0 << 8.0f;
    QTest::newRow("Northern Territory") << 133.9 << -23.7 << 9.5f;
    QTest::newRow("Queensland") << 145.0 << -25.0 << 10.0f;
    QTest::newRow("Iran") << 51.7 << 32.7 << 3.5f;
    QTest::newRow("Newfoundland") << -56.0 << 48.8 << -3.5f;
    // Land of offsets without a land colour shows its stripe's sea.
    QTest::newRow("Chatham Is., +12:45") << -176.5 << -44.0 << SeaOfItsStripe;
    QTest::newRow("South Georgia, -2") << -36.5 << -54.3 << SeaOfItsStripe;
}

void TestMapPictures::knownPlaces()
{
    QFETCH(double, lon);
    QFETCH(double, lat);
    QFETCH(float, offset);
    const QPoint p = PixelOf(lon, lat);
    QVERIFY(m_picture.pixel(p) != MapSea);
    QCOMPARE(FromRgb(m_zones.pixel(p)),
             offset == SeaOfItsStripe ? KeyColour(StripeOffset(p.x()), 0) : KeyColour(offset, 1));
}

void TestMapPictures::topRowSelectsTheStripes_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    for (const synthetic::Stripe &s : synthetic::Stripes())
        QTest::addRow("%+g: %d-%d", double(s.offset), s.first, s.last)
            << s.offset << s.first << s.last;
}

void TestMapPictures::topRowSelectsTheStripes()
{
    QFETCH(float, offset);
    QFETCH(int, first);
    QFETCH(int, last);
    for (int x = first; x <= last; ++x) {
        // The estimate counts the border, so the last yellow column of +3 falls in the window
        // of +5.75, whose yellow land comes later in the table.
        const float expected = x == 222 ? 5.75f : offset;
        const std::optional<float> zone = m_map.ZoneAt(QPoint(x + 2, 2), 0);
        QVERIFY2(zone && *zone == expected,
                 qPrintable(QStringLiteral("column %1 gave %2").arg(x).arg(zone.value_or(-99))));
    }
}

void TestMapPictures::lightsOnlyTheNamedColumns_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("west");
    QTest::addColumn<int>("east");
    QTest::newRow("+8") << 8.0f << W / 8 << W / 16;
    QTest::newRow("+5.5") << 5.5f << W / 12 << W / 16;
    QTest::newRow("-12") << -12.0f << W / 12 << W / 16;
    QTest::newRow("12.75") << 12.75f << 0 << 0;
    QTest::newRow("-8.5") << -8.5f << 0 << 0;
    QTest::newRow("10.5") << 10.5f << 0 << 0;
}

void TestMapPictures::lightsOnlyTheNamedColumns()
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
    int lit = 0;
    for (int py = 0; py < H; ++py)
        for (int px = 0; px < W; ++px) {
            const bool inColumns = (((px - (x - west)) % W) + W) % W < west + east;
            const COLORREF key = map.ZoneColourAt({px, py});
            COLORREF expected = PixelAt(map.Map(), px, py);
            if (inColumns && key == landKey)
                expected = map.LandHighlight();
            else if (inColumns && key == seaKey)
                expected = map.SeaHighlight();
            lit += expected != PixelAt(map.Map(), px, py);
            QVERIFY2(PixelAt(map.Composite(), px, py) == expected,
                     qPrintable(QStringLiteral("pixel (%1, %2)").arg(px).arg(py)));
        }
    QCOMPARE(lit > 0, west + east > 0);
}

QTEST_MAIN(TestMapPictures)
#include "tst_mappictures.moc"
