#include "map/colourtables.h"
#include "res/resources.h"

#include <QTest>

#include <cmath>

// The zone picture is the map's key: a colour under the mouse, with a rough position, names the
// zone clicked. These tests hold the committed picture to the program's own colour table.
class TestZonePicture final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hasTheMapsOutline();
    void seaIsStripedAsListed();
    void everyColourIsAKeyOfItsKind();
    void knownPlaces_data();
    void knownPlaces();
    void offsetsWithoutLandShowSea_data();
    void offsetsWithoutLandShowSea();

private:
    QImage m_zones;
    QImage m_map;
};

namespace {

// First column of each sea stripe along the top row, west to east.
struct Stripe
{
    float offset;
    int first;
};
constexpr Stripe Stripes[] = {
    {-11, 0},  {-10, 16}, {-9, 31},  {-8, 46},   {-7, 60}, {-6, 75}, {-5, 90},
    {-4, 105}, {-3, 120}, {-2, 135}, {-1, 149},  {0, 164}, {1, 179}, {2, 193},
    {3, 208},  {4, 223},  {5, 238},  {6, 253},   {7, 268}, {8, 283}, {9, 297},
    {10, 311}, {11, 326}, {12, 341}, {-12, 349},
};

float StripeOffset(int column)
{
    float offset = Stripes[0].offset;
    for (const Stripe &s : Stripes) {
        if (column >= s.first)
            offset = s.offset;
    }
    return offset;
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

constexpr QRgb MapSea = qRgb(0, 0, 128);

} // namespace

void TestZonePicture::initTestCase()
{
    m_zones = LoadZonePicture();
    m_map = LoadMapPicture();
    QCOMPARE(m_zones.size(), QSize(MapPictureWidth, MapPictureHeight));
    QCOMPARE(m_map.size(), m_zones.size());
}

void TestZonePicture::hasTheMapsOutline()
{
    // Where the map shows sea, the key holds its column's sea colour, and on land only where the
    // offset has no land colour: a few islands, and Antarctica under the -12 and -2 stripes.
    const int antarctic = PixelOf(0, -60).y();
    int islandsAsSea = 0;
    for (int y = 0; y < m_zones.height(); ++y)
        for (int x = 0; x < m_zones.width(); ++x) {
            const COLORREF stripe = KeyColour(StripeOffset(x), 0);
            const COLORREF key = FromRgb(m_zones.pixel(x, y));
            if (m_map.pixel(x, y) == MapSea)
                QVERIFY2(key == stripe, qPrintable(QStringLiteral("sea at %1,%2").arg(x).arg(y)));
            else if (key == stripe && y < antarctic)
                ++islandsAsSea;
        }
    QVERIFY2(islandsAsSea <= 12, qPrintable(QString::number(islandsAsSea)));
}

void TestZonePicture::seaIsStripedAsListed()
{
    for (int x = 0; x < m_zones.width(); ++x) {
        const COLORREF expected = KeyColour(StripeOffset(x), 0);
        QVERIFY(expected != ZONE_NO_COLOUR);
        QCOMPARE(FromRgb(m_zones.pixel(x, 0)), expected);
    }
}

void TestZonePicture::everyColourIsAKeyOfItsKind()
{
    for (int y = 0; y < m_zones.height(); ++y)
        for (int x = 0; x < m_zones.width(); ++x) {
            const COLORREF key = FromRgb(m_zones.pixel(x, y));
            const bool land = m_map.pixel(x, y) != MapSea;
            const bool valid = land ? IsKeyOfKind(key, 1) || key == KeyColour(StripeOffset(x), 0)
                                    : IsKeyOfKind(key, 0);
            QVERIFY2(valid,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(key, 6, 16).arg(x).arg(y)));
        }
}

void TestZonePicture::knownPlaces_data()
{
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("lat");
    QTest::addColumn<float>("offset");
    QTest::newRow("India") << 79.1 << 21.1 << 5.5f;
    QTest::newRow("Nepal") << 84.0 << 28.3 << 5.75f;
    QTest::newRow("China, east") << 114.3 << 30.6 << 8.0f;
    QTest::newRow("China, Xinjiang on Beijing time") << 87.6 << 43.8 << 8.0f;
    QTest::newRow("US Pacific") << -119.8 << 39.5 << -8.0f;
    QTest::newRow("US Mountain") << -104.9 << 39.7 << -7.0f;
    QTest::newRow("US Central") << -94.6 << 39.1 << -6.0f;
    QTest::newRow("US Eastern") << -83.0 << 40.0 << -5.0f;
    QTest::newRow("Western Australia") << 121.0 << -26.0 << 8.0f;
    QTest::newRow("Northern Territory") << 133.9 << -23.7 << 9.5f;
    QTest::newRow("Queensland") << 145.0 << -25.0 << 10.0f;
    QTest::newRow("Iran") << 51.7 << 32.7 << 3.5f;
    QTest::newRow("Newfoundland") << -56.0 << 48.8 << -3.5f;
    QTest::newRow("Afghanistan") << 66.0 << 33.5 << 4.5f;
    QTest::newRow("Kazakhstan") << 68.0 << 48.0 << 5.0f;
    QTest::newRow("Portugal as listed") << -8.0 << 39.5 << 1.0f;
    QTest::newRow("Greenland as listed") << -42.0 << 72.0 << -3.0f;
    QTest::newRow("Samoa as listed") << -172.2 << -13.7 << -11.0f;
    QTest::newRow("Moscow") << 37.6 << 55.75 << 3.0f;
}

void TestZonePicture::knownPlaces()
{
    QFETCH(double, lon);
    QFETCH(double, lat);
    QFETCH(float, offset);
    QCOMPARE(FromRgb(m_zones.pixel(PixelOf(lon, lat))), KeyColour(offset, 1));
}

void TestZonePicture::offsetsWithoutLandShowSea_data()
{
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("lat");
    QTest::newRow("Chatham Is., +12:45") << -176.5 << -44.0;
    QTest::newRow("South Georgia, -2") << -36.5 << -54.3;
}

void TestZonePicture::offsetsWithoutLandShowSea()
{
    QFETCH(double, lon);
    QFETCH(double, lat);
    const QPoint p = PixelOf(lon, lat);
    QVERIFY(m_map.pixel(p) != MapSea); // the island is on the map
    QCOMPARE(FromRgb(m_zones.pixel(p)), KeyColour(StripeOffset(p.x()), 0));
}

QTEST_MAIN(TestZonePicture)
#include "tst_zonepicture.moc"
