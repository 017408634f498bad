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
    void treeStripOutsideTheColoursIsNull();
    void treeStrips_data();
    void treeStrips();
    void iconSizes();
    void handCursor();
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
    QTest::newRow("Greenland") << -42.0 << 72.0 << true;
    QTest::newRow("mid-Atlantic") << -35.0 << 30.0 << false;
    QTest::newRow("mid-Pacific") << -140.0 << 0.0 << false;
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

void TestResources::treeStripOutsideTheColoursIsNull()
{
    for (int index : {-1, 8, 1000000}) // the last as a stored setting might hold
        QVERIFY(LoadTreeStrip(index).isNull());
}

void TestResources::treeStrips_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRgb>("dark");
    QTest::addColumn<QRgb>("light"); // 0: the strip draws in one shade
    QTest::newRow("Grey") << 0 << qRgb(0, 0, 0) << qRgb(128, 128, 128);
    QTest::newRow("Blue") << 1 << qRgb(0, 0, 128) << qRgb(0, 0, 255);
    QTest::newRow("Green") << 2 << qRgb(0, 128, 0) << qRgb(0, 255, 0);
    QTest::newRow("Red") << 3 << qRgb(128, 0, 0) << qRgb(255, 0, 0);
    QTest::newRow("Magenta") << 4 << qRgb(128, 0, 128) << qRgb(255, 0, 255);
    QTest::newRow("Yellow") << 5 << qRgb(128, 128, 0) << qRgb(255, 255, 0);
    QTest::newRow("Cyan") << 6 << qRgb(0, 128, 128) << qRgb(0, 255, 255);
    QTest::newRow("White") << 7 << qRgb(192, 192, 192) << QRgb(0);
}

void TestResources::treeStrips()
{
    QFETCH(int, index);
    QFETCH(QRgb, dark);
    QFETCH(QRgb, light);
    const QImage strip = LoadTreeStrip(index);
    QCOMPARE(strip.size(), QSize(TreeImageWidth * TreeImageCount, TreeImageHeight));

    const QRgb white = qRgb(255, 255, 255);
    const QRgb sunGrey = qRgb(192, 192, 192);
    const QRgb sunYellow = qRgb(255, 255, 0);
    QSet<QRgb> allowed{white, dark, sunGrey, sunYellow};
    if (light)
        allowed.insert(light);

    auto picture = [&](int n) {
        return strip.copy(n * TreeImageWidth, 0, TreeImageWidth, TreeImageHeight);
    };
    auto count = [&](const QImage &image, QRgb colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == colour ? 1 : 0;
        return n;
    };

    for (int n = 0; n < TreeImageCount; ++n) {
        const QImage image = picture(n);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(allowed.contains(image.pixel(x, y)),
                         qPrintable(QStringLiteral("picture %1 at %2,%3").arg(n).arg(x).arg(y)));
        // Every picture shows something in the strip's own dark shade, and leaves room around it.
        QVERIFY2(count(image, dark) > 8, qPrintable(QString::number(n)));
        QVERIFY2(count(image, white) > TreeImageWidth * TreeImageHeight / 4,
                 qPrintable(QString::number(n)));
    }
    // The three islands differ by their suns.
    const QPoint sun(19, 4);
    QCOMPARE(picture(16).pixel(sun), white);
    QCOMPARE(picture(17).pixel(sun), sunGrey);
    QCOMPARE(picture(18).pixel(sun), sunYellow);
}

void TestResources::iconSizes()
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image = AppIconImage(size);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        // Round: the corners are clear, the middle is drawn.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
    QVERIFY(AppIconImage(20).isNull());

    const QIcon icon = AppIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes().size(), 8);
}

void TestResources::handCursor()
{
    const QImage hand(QStringLiteral(":/cursors/hand.png"));
    QCOMPARE(hand.size(), QSize(32, 32));
    // The hot spot is the top of the fingertip: drawn, with nothing drawn above it.
    QCOMPARE(qAlpha(hand.pixel(9, 3)), 255);
    for (int y = 0; y < 3; ++y)
        QCOMPARE(qAlpha(hand.pixel(9, y)), 0);

    const QCursor cursor = HandCursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(9, 3));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
