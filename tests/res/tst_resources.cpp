#include "res/resources.h"

#include <QSet>
#include <QTest>

#include <cmath>

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

class TestResources final : public QObject
{
    Q_OBJECT

private slots:
    void mapPictureLooksLikeTheWorld_data()
    {
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("lat");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("north pole") << 0.0 << 89.0 << Sea;
        QTest::newRow("south pole") << 0.0 << -89.0 << Land;
        QTest::newRow("Sahara") << 10.0 << 23.0 << Land;
        QTest::newRow("mid-Atlantic") << -35.0 << 30.0 << Sea;
        // Either side of the picture's seam at 172.5 degrees west.
        QTest::newRow("Chukotka") << 175.0 << 66.0 << Land;
        QTest::newRow("Alaska west of the seam") << -162.0 << 65.0 << Land;
    }

    void mapPictureLooksLikeTheWorld()
    {
        QFETCH(double, lon);
        QFETCH(double, lat);
        const QImage map = LoadMapPicture();
        QCOMPARE(map.size(), QSize(MapPictureWidth, MapPictureHeight));
        QTEST(map.pixel(PixelOf(lon, lat)), "colour");
        // Land and sea only, as the recolouring expects.
        QSet<QRgb> colours;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x)
                colours.insert(map.pixel(x, y));
        QCOMPARE(colours, (QSet<QRgb>{Land, Sea}));
    }

    // Each land colour's strip draws every picture in its own dark shade.
    void treeStrips()
    {
        const QRgb dark[] = {qRgb(0, 0, 0),     qRgb(0, 0, 128),    qRgb(0, 128, 0),
                             qRgb(128, 0, 0),   qRgb(128, 0, 128),  qRgb(128, 128, 0),
                             qRgb(0, 128, 128), qRgb(192, 192, 192)};
        for (int index = 0; index < 8; ++index) {
            const QImage strip = LoadTreeStrip(index);
            QCOMPARE(strip.size(), QSize(TreeImageWidth * TreeImageCount, TreeImageHeight));
            for (int n = 0; n < TreeImageCount; ++n) {
                int darkPixels = 0;
                for (int y = 0; y < TreeImageHeight; ++y)
                    for (int x = n * TreeImageWidth; x < (n + 1) * TreeImageWidth; ++x)
                        darkPixels += strip.pixel(x, y) == dark[index] ? 1 : 0;
                QVERIFY2(darkPixels > 8, qPrintable(QStringLiteral("%1/%2").arg(index).arg(n)));
            }
        }
        for (int index : {-1, 8, 1000000}) // the last as a stored setting might hold
            QVERIFY(LoadTreeStrip(index).isNull());
    }

    void handCursor()
    {
        // The hot spot is the top of the fingertip: drawn, with nothing drawn above it.
        const QCursor cursor = HandCursor();
        const QImage hand = cursor.pixmap().toImage();
        const QPoint tip = cursor.hotSpot();
        QCOMPARE(qAlpha(hand.pixel(tip)), 255);
        for (int y = 0; y < tip.y(); ++y)
            QCOMPARE(qAlpha(hand.pixel(tip.x(), y)), 0);
        QVERIFY(tip.y() > 0);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
