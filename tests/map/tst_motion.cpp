#include "map/motion.h"

#include <QTest>

#include <cmath>

class TestMotion final : public QObject
{
    Q_OBJECT

private slots:
    void profile_data();
    void profile();
    void endsExactlyOnTarget_data();
    void endsExactlyOnTarget();
    void finishJumpsToTheEnd();
};

void TestMotion::profile_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("maxSpeed");
    QTest::addColumn<int>("acceleration");
    QTest::addColumn<bool>("accelerate");
    QTest::addColumn<double>("total");
    QTest::addColumn<QList<float>>("travel"); // seconds, then pixels covered by then
    QTest::newRow("150 fast") << 150 << 600 << 600 << true << 1.0
                              << QList<float>{0.25f, 18, 0.75f, 131, 1.5f, 150};
    QTest::newRow("150 slow") << 150 << 600 << 75 << true << 2.828 << QList<float>{};
    QTest::newRow("1000 fast, cruising")
        << 1000 << 600 << 600 << true << 2.667 << QList<float>{1.5f, 600, 2.0f, 866};
    QTest::newRow("150 constant speed") << 150 << 300 << 75 << false << 0.5 << QList<float>{};
    QTest::newRow("no acceleration runs at top speed")
        << 150 << 300 << 0 << true << 0.5 << QList<float>{};
}

void TestMotion::profile()
{
    QFETCH(int, distance);
    QFETCH(int, maxSpeed);
    QFETCH(int, acceleration);
    QFETCH(bool, accelerate);
    QFETCH(double, total);
    QFETCH(QList<float>, travel);
    const MotionProfile p = MotionProfile::Plan(distance, maxSpeed, acceleration, accelerate);
    QVERIFY2(std::abs(p.totalTime - total) < 0.001,
             qPrintable(QString::number(p.totalTime, 'f', 4)));
    QCOMPARE(p.TravelAt(p.totalTime + 0.001f), distance);
    for (qsizetype i = 0; i < travel.size(); i += 2)
        QCOMPARE(p.TravelAt(travel[i]), int(travel[i + 1]));
}

void TestMotion::endsExactlyOnTarget_data()
{
    // Shapes where single-precision products fall a pixel short of the target or dip back near
    // the end; the steps must still add up to the target and never turn back.
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("acceleration");
    QTest::addColumn<int>("frameMs");
    QTest::newRow("(-100, 40) every ms") << -100 << 40 << 600 << 1;
    QTest::newRow("(22, 13) shorter axis rounds short") << 22 << 13 << 600 << 16;
    QTest::newRow("(-37, 6) shorter axis rounds short") << -37 << 6 << 150 << 16;
    QTest::newRow("(355, 0) slow every ms") << 355 << 0 << 75 << 1;
    QTest::newRow("(0, -3) fast") << 0 << -3 << 600 << 7;
    QTest::newRow("(-178, 89) slow at 60 Hz") << -178 << 89 << 75 << 17;
}

void TestMotion::endsExactlyOnTarget()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, acceleration);
    QFETCH(int, frameMs);
    // Frame by frame on a simulated millisecond clock.
    SmoothMotion motion(dx, dy, 600, acceleration, true);
    MotionStep total;
    for (int ms = 0; !motion.IsFinished() && ms < 60000; ms += frameMs) {
        const MotionStep step = motion.StepAt(static_cast<float>(ms) / 1000.0f);
        total.dx += step.dx;
        total.dy += step.dy;
        QVERIFY(step.dx * dx >= 0 && step.dy * dy >= 0);
    }
    QCOMPARE(total, (MotionStep{dx, dy}));
}

void TestMotion::finishJumpsToTheEnd()
{
    SmoothMotion motion(200, 0, 600, 75, true);
    const MotionStep first = motion.StepAt(0.5f);
    QVERIFY(first.dx > 0 && first.dx < 200);
    QCOMPARE(motion.Finish(), (MotionStep{200 - first.dx, 0}));
    QVERIFY(motion.IsFinished());
    QCOMPARE(motion.StepAt(5.0f), MotionStep{});
    QCOMPARE(motion.Finish(), MotionStep{});
}

QTEST_APPLESS_MAIN(TestMotion)
#include "tst_motion.moc"
