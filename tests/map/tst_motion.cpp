#include "map/motion.h"

#include <QTest>

#include <cmath>

class TestMotion final : public QObject
{
    Q_OBJECT

private slots:
    void duration_data();
    void duration();
    void travel_data();
    void travel();
    void endsExactlyOnTarget_data();
    void endsExactlyOnTarget();
    void finishJumpsToTheEnd();
};

void TestMotion::duration_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("maxSpeed");
    QTest::addColumn<int>("acceleration");
    QTest::addColumn<bool>("accelerate");
    QTest::addColumn<double>("expected");
    QTest::newRow("150 fast") << 150 << 600 << 600 << true << 1.0;
    QTest::newRow("150 medium") << 150 << 600 << 150 << true << 2.0;
    QTest::newRow("150 slow") << 150 << 600 << 75 << true << 2.828;
    QTest::newRow("1000 fast, cruising") << 1000 << 600 << 600 << true << 2.667;
    QTest::newRow("150 constant speed") << 150 << 300 << 75 << false << 0.5;
    QTest::newRow("no acceleration runs at top speed") << 150 << 300 << 0 << true << 0.5;
}

void TestMotion::duration()
{
    QFETCH(int, distance);
    QFETCH(int, maxSpeed);
    QFETCH(int, acceleration);
    QFETCH(bool, accelerate);
    QFETCH(double, expected);
    const MotionProfile p = MotionProfile::Plan(distance, maxSpeed, acceleration, accelerate);
    QVERIFY2(std::abs(p.totalTime - expected) < 0.001,
             qPrintable(QString::number(p.totalTime, 'f', 4)));
    QCOMPARE(p.TravelAt(p.totalTime + 0.001f), distance);
}

void TestMotion::travel_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<float>("t");
    QTest::addColumn<int>("expected");
    QTest::newRow("150 at 0.25 s, speeding up") << 150 << 0.25f << 18;
    QTest::newRow("150 at 0.50 s, top of the ramp") << 150 << 0.5f << 75;
    QTest::newRow("150 at 0.75 s, slowing down") << 150 << 0.75f << 131;
    QTest::newRow("150 at 1.00 s") << 150 << 1.0f << 150;
    QTest::newRow("150 at 1.50 s, after the end") << 150 << 1.5f << 150;
    QTest::newRow("1000 at 1.5 s, cruising") << 1000 << 1.5f << 600;
    QTest::newRow("1000 at 2.0 s, slowing down") << 1000 << 2.0f << 866;
}

void TestMotion::travel()
{
    QFETCH(int, distance);
    QFETCH(float, t);
    QFETCH(int, expected);
    QCOMPARE(MotionProfile::Plan(distance, 600, 600, true).TravelAt(t), expected);
}

void TestMotion::endsExactlyOnTarget_data()
{
    // Shapes where single-precision products fall a pixel short of the target or dip back near
    // the end; the steps must still add up to the target and never turn back.
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("acceleration");
    QTest::addColumn<int>("frameMs");
    QTest::newRow("(-100, 40) slow") << -100 << 40 << 75 << 16;
    QTest::newRow("(-100, 40) every ms") << -100 << 40 << 600 << 1;
    QTest::newRow("(22, 13) shorter axis rounds short") << 22 << 13 << 600 << 16;
    QTest::newRow("(-37, 6) shorter axis rounds short") << -37 << 6 << 150 << 16;
    QTest::newRow("(355, 0) slow every ms") << 355 << 0 << 75 << 1;
    QTest::newRow("(-178, -178) medium") << -178 << -178 << 150 << 16;
    QTest::newRow("(1, 0) fast") << 1 << 0 << 600 << 16;
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
