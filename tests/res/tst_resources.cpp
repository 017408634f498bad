// SPDX-License-Identifier: MIT

#include "res/resources.h"

#include <QTest>

class TestResources final : public QObject
{
    Q_OBJECT

private slots:
    // Each land colour's strip, small and large, draws every picture in its own dark shade.
    void treeStrips()
    {
        const QRgb dark[] = {qRgb(0, 0, 0),     qRgb(0, 0, 128),    qRgb(0, 128, 0),
                             qRgb(128, 0, 0),   qRgb(128, 0, 128),  qRgb(128, 128, 0),
                             qRgb(0, 128, 128), qRgb(192, 192, 192)};
        for (int s : {1, 2}) {
            for (int index = 0; index < 8; ++index) {
                const QImage strip = LoadTreeStrip(index, s);
                QCOMPARE(strip.size(), QSize(TreeImageWidth * TreeImageCount, TreeImageHeight) * s);
                for (int n = 0; n < TreeImageCount; ++n) {
                    int darkPixels = 0;
                    for (int y = 0; y < TreeImageHeight * s; ++y)
                        for (int x = n * TreeImageWidth * s; x < (n + 1) * TreeImageWidth * s; ++x)
                            darkPixels += strip.pixel(x, y) == dark[index] ? 1 : 0;
                    QVERIFY2(darkPixels > 8 * s * s,
                             qPrintable(QStringLiteral("%1/%2/%3").arg(index).arg(n).arg(s)));
                }
            }
        }
        for (int index : {-1, 8, 1000000}) // the last as a stored setting might hold
            QVERIFY(LoadTreeStrip(index).isNull());
        QVERIFY(LoadTreeStrip(0, 3).isNull());
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
