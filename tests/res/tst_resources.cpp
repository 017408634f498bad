#include "res/resources.h"

#include <QSet>
#include <QTest>

#include <cmath>

class TestResources final : public QObject
{
    Q_OBJECT

private slots:
    void mapPictureHasTwoColours();
    void mapPictureLooksLikeTheWorld_data();
    void mapPictureLooksLikeTheWorld();
    void treeStripOutsideTheColoursIsNull_data();
    void treeStripOutsideTheColoursIsNull();
};

namespace {

constexpr QRgb Land = qRgb(0, 128, 0);
constexpr QRgb Sea = qRgb(0, 0, 128);

// The pixel of a place: column 0 starts 172.5 degrees west, rows start at 90 degrees north, and
// both go at 357 / 360 pixels a degree.
QPoint PixelOf(double lon, double lat)
{
    const int x = static_cast<int>(std::floor((lon + 172.5) * 357.0 / 360.0));
    return {(x % 357 + 357) % 357, static_cast<int>(std::floor((90.0 - lat) * 357.0 / 360.0))};
}

} // namespace

void TestResources::mapPictureHasTwoColours()
{
    const QImage map = LoadMapPicture();
    QCOMPARE(map.size(), QSize(MapPictureWidth, MapPictureHeight));
    QCOMPARE(map.format(), QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            colours.insert(map.pixel(x, y));
    QCOMPARE(colours, (QSet<QRgb>{Land, Sea}));
}

void TestResources::mapPictureLooksLikeTheWorld_data()
{
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("lat");
    QTest::addColumn<bool>("land");
    QTest::newRow("north pole") << 0.0 << 89.0 << false;
    QTest::newRow("south pole") << 0.0 << -89.0 << true;
    QTest::newRow("Sahara") << 10.0 << 23.0 << true;
    QTest::newRow("Siberia") << 100.0 << 62.0 << true;
    QTest::newRow("Amazon") << -60.0 << -5.0 << true;
    QTest::newRow("Kansas") << -98.0 << 38.5 << true;
    QTest::newRow("Australia") << 134.0 << -25.0 << true;
    QTest::newRow("Greenland") << -42.0 << 72.0 << true;
    QTest::newRow("mid-Atlantic") << -35.0 << 30.0 << false;
    QTest::newRow("mid-Pacific") << -140.0 << 0.0 << false;
    QTest::newRow("Indian Ocean") << 80.0 << -20.0 << false;
    QTest::newRow("Mediterranean") << 18.0 << 35.0 << false;
    QTest::newRow("Hudson Bay") << -85.0 << 60.0 << false;
    // Either side of the picture's seam at 172.5 degrees west.
    QTest::newRow("Chukotka") << 175.0 << 66.0 << true;
    QTest::newRow("Alaska west of the seam") << -162.0 << 65.0 << true;
}

void TestResources::mapPictureLooksLikeTheWorld()
{
    QFETCH(double, lon);
    QFETCH(double, lat);
    QFETCH(bool, land);
    const QImage map = LoadMapPicture();
    QCOMPARE(map.pixel(PixelOf(lon, lat)), land ? Land : Sea);
}

void TestResources::treeStripOutsideTheColoursIsNull_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("8") << 8;
    QTest::newRow("stored garbage") << 1000000;
}

void TestResources::treeStripOutsideTheColoursIsNull()
{
    QFETCH(int, index);
    QVERIFY(LoadTreeStrip(index).isNull());
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
