#include "clock/clockctrl.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QTest>
#include <QTimerEvent>

namespace {

constexpr COLORREF Black = MakeColourRef(0, 0, 0);
constexpr COLORREF Face = MakeColourRef(0xd4, 0xd0, 0xc8);

QString ShortDate(int year, int month, int day)
{
    return QLocale::system().toString(QDate(year, month, day), QLocale::ShortFormat);
}

// What the window timer delivers; the clock refreshes on any timer id.
void Tick(CClockCtrl &clock)
{
    QTimerEvent event(0xFFFF);
    QCoreApplication::sendEvent(&clock, &event);
}

} // namespace

class TestClockCtrl final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void formatText_data();
    void formatText();
    void offsetAcrossMidnight_data();
    void offsetAcrossMidnight();
    void dateLagsUntilItsTick();
    void newOffsetRedrawsAtOnce();
    void timerPeriods();
    void sameModeChangesNothing();
    void secondsOffAndOn();
    void elapsedCount();
    void invalidModeIgnored();
    void accessibleName();

private:
    FixedTimeSource m_clock;
    ScopedTimeSource *m_scope = nullptr;
};

void TestClockCtrl::initTestCase()
{
    // Ten hours east, so a clock that ignored local time would show other hours.
    SetProcessTimeZone("<GMT+10>-10");
    m_scope = new ScopedTimeSource(&m_clock);
}

void TestClockCtrl::cleanupTestCase()
{
    delete m_scope;
}

void TestClockCtrl::init()
{
    m_clock.Set(MakeLocalTime(2026, 3, 14, 9, 5, 3));
}

void TestClockCtrl::formatText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("hours24");
    QTest::addColumn<bool>("seconds");
    QTest::addColumn<bool>("days");
    // Modes 1 and 2: local time of day in seconds on 2026-03-14; mode 3: elapsed seconds.
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");

    const qint64 t090503 = 9 * 3600 + 5 * 60 + 3;
    QTest::newRow("24-hour with seconds") << 1 << true << true << true << t090503 << "09:05:03";
    QTest::newRow("24-hour without seconds") << 1 << true << false << true << t090503 << "09:05";
    QTest::newRow("24-hour evening")
        << 1 << true << true << true << qint64(21 * 3600 + 59 * 60) << "21:59:00";
    QTest::newRow("12-hour with seconds") << 1 << false << true << true << t090503 << "9:05:03";
    QTest::newRow("12-hour without seconds") << 1 << false << false << true << t090503 << "9:05";
    QTest::newRow("12-hour evening")
        << 1 << false << true << true << t090503 + 12 * 3600 << "9:05:03";
    QTest::newRow("12-hour noon is 0")
        << 1 << false << true << true << qint64(12 * 3600 + 30 * 60) << "0:30:00";
    QTest::newRow("12-hour midnight is 0")
        << 1 << false << false << true << qint64(7 * 60) << "0:07";
    QTest::newRow("date") << 2 << true << true << true << t090503 << ShortDate(2026, 3, 14);
    QTest::newRow("date ignores seconds flag")
        << 2 << true << false << true << t090503 << ShortDate(2026, 3, 14);

    const qint64 span = 86400 + 3600 + 60 + 1;
    QTest::newRow("elapsed, days and seconds") << 3 << true << true << true << span << "1:1:01:01";
    QTest::newRow("elapsed, days") << 3 << true << false << true << span << "1:1:01";
    QTest::newRow("elapsed, hours and seconds") << 3 << true << true << false << span << "25:01:01";
    QTest::newRow("elapsed, hours") << 3 << true << false << false << span << "25:01";
    QTest::newRow("elapsed, zero") << 3 << true << true << true << qint64(0) << "0:0:00:00";
    QTest::newRow("elapsed, last second of a day")
        << 3 << true << true << true << qint64(3 * 86400 + 86399) << "3:23:59:59";
    QTest::newRow("elapsed, many hours")
        << 3 << true << false << false << qint64(1000 * 3600 + 59) << "1000:00";
}

void TestClockCtrl::formatText()
{
    QFETCH(int, mode);
    QFETCH(bool, hours24);
    QFETCH(bool, seconds);
    QFETCH(bool, days);
    QFETCH(qint64, value);
    QFETCH(QString, expected);

    CClockCtrl clock(Black, Face);
    clock.Create(QRect(0, 0, 120, 30), nullptr, 1013);
    if (mode == 3) {
        clock.SetMode(3);
        clock.SetElapsed(value);
    } else {
        m_clock.Set(MakeLocalTime(2026, 3, 14) + value);
        clock.SetMode(mode);
        clock.Refresh();
    }
    clock.Set24Hour(hours24);
    clock.SetShowSeconds(seconds);
    clock.SetShowDays(days);

    QString text = QStringLiteral("left over");
    clock.FormatText(text);
    QCOMPARE(text, expected);
    QCOMPARE(clock.GetText(), expected);
    QVERIFY(text.size() <= CClockCtrl::MaxDateLength);
}

void TestClockCtrl::offsetAcrossMidnight_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    QTest::newRow("east, into tomorrow")
        << 23 << 59 << 30 << qint64(60) << "00:00:30" << ShortDate(2026, 3, 15);
    QTest::newRow("far east") << 20 << 0 << 0 << qint64(14 * 3600) << "10:00:00"
                              << ShortDate(2026, 3, 15);
    QTest::newRow("west, into yesterday")
        << 0 << 0 << 20 << qint64(-60) << "23:59:20" << ShortDate(2026, 3, 13);
    QTest::newRow("far west") << 3 << 0 << 0 << qint64(-11 * 3600) << "16:00:00"
                              << ShortDate(2026, 3, 13);
    QTest::newRow("west, same day")
        << 12 << 0 << 0 << qint64(-3600) << "11:00:00" << ShortDate(2026, 3, 14);
}

void TestClockCtrl::offsetAcrossMidnight()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(qint64, offset);
    QFETCH(QString, time);
    QFETCH(QString, date);

    m_clock.Set(MakeLocalTime(2026, 3, 14, hour, minute, second));
    CClockCtrl timeClock(Black, Face);
    CClockCtrl dateClock(Black, Face);
    timeClock.Create(QRect(0, 0, 120, 30), nullptr, 1013);
    dateClock.Create(QRect(0, 40, 120, 30), nullptr, 1010);
    dateClock.SetMode(CClockCtrl::ModeDate);

    timeClock.SetOffset(offset);
    dateClock.SetOffset(offset);
    QCOMPARE(timeClock.GetText(), time);
    QCOMPARE(dateClock.GetText(), date);
}

void TestClockCtrl::dateLagsUntilItsTick()
{
    m_clock.Set(MakeLocalTime(2026, 3, 14, 23, 59, 50));
    CClockCtrl timeClock(Black, Face);
    CClockCtrl dateClock(Black, Face);
    timeClock.Create(QRect(0, 0, 120, 30), nullptr, 1013);
    dateClock.Create(QRect(0, 40, 120, 30), nullptr, 1010);
    dateClock.SetMode(CClockCtrl::ModeDate);
    QCOMPARE(dateClock.GetText(), ShortDate(2026, 3, 14));

    m_clock.Advance(20);
    Tick(timeClock);
    QCOMPARE(timeClock.GetText(), QStringLiteral("00:00:10"));
    // The date clock reads the time only on its own, slower tick.
    QCOMPARE(dateClock.GetText(), ShortDate(2026, 3, 14));
    Tick(dateClock);
    QCOMPARE(dateClock.GetText(), ShortDate(2026, 3, 15));
}

void TestClockCtrl::newOffsetRedrawsAtOnce()
{
    CClockCtrl clock(Black, Face);
    clock.Create(QRect(0, 0, 120, 30), nullptr, 1012);
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    QCOMPARE(clock.GetText(), QStringLiteral("09:05:03"));
    clock.SetOffset(0, 1, 30, 0);
    QCOMPARE(clock.GetOffset(), TimeSpan(5400));
    QCOMPARE(clock.GetText(), QStringLiteral("10:35:03"));
    // Painted before SetOffset returned, not at the next tick or event loop pass.
    QCOMPARE(clock.GetPaintedText(), QStringLiteral("10:35:03"));
}

void TestClockCtrl::timerPeriods()
{
    CClockCtrl clock(Black, Face);
    QCOMPARE(clock.GetTimerPeriod(), 0);
    clock.Create(QRect(0, 0, 120, 30), nullptr, 1013);
    QCOMPARE(clock.GetTimerPeriod(), 1000);
    clock.SetMode(CClockCtrl::ModeDate);
    QCOMPARE(clock.GetTimerPeriod(), 50000);
    clock.SetMode(CClockCtrl::ModeElapsed);
    QCOMPARE(clock.GetTimerPeriod(), 0);
    clock.StartElapsed();
    QCOMPARE(clock.GetTimerPeriod(), 1000);
    clock.StopElapsed();
    QCOMPARE(clock.GetTimerPeriod(), 0);
}

void TestClockCtrl::sameModeChangesNothing()
{
    CClockCtrl clock(Black, Face);
    clock.Create(QRect(0, 0, 120, 30), nullptr, 1013);
    m_clock.Advance(5);
    clock.SetMode(CClockCtrl::ModeTime);
    // No refresh either: the text still shows the time of the last tick.
    QCOMPARE(clock.GetText(), QStringLiteral("09:05:03"));
    QCOMPARE(clock.GetTimerPeriod(), 1000);
}

void TestClockCtrl::secondsOffAndOn()
{
    CClockCtrl clock(Black, Face);
    clock.Create(QRect(0, 0, 120, 30), nullptr, 1013);
    const QString before = clock.GetText();
    clock.SetShowSeconds(false);
    QCOMPARE(clock.GetText(), QStringLiteral("09:05"));
    clock.SetShowSeconds(true);
    QCOMPARE(clock.GetText(), before);
}

void TestClockCtrl::elapsedCount()
{
    CClockCtrl clock(Black, Face);
    clock.Create(QRect(0, 0, 120, 30), nullptr, 1);
    clock.SetMode(CClockCtrl::ModeElapsed);
    clock.SetElapsed(100);
    clock.StartElapsed();
    m_clock.Advance(65);
    Tick(clock);
    QCOMPARE(clock.GetElapsedSeconds(), 165);
    QCOMPARE(clock.GetText(), QStringLiteral("0:0:02:45"));

    // Starting a running count again keeps the time counted so far.
    clock.StartElapsed();
    m_clock.Advance(5);
    Tick(clock);
    QCOMPARE(clock.GetElapsedSeconds(), 170);

    clock.StopElapsed();
    QVERIFY(!clock.IsRunning());
    m_clock.Advance(1000);
    clock.Refresh();
    QCOMPARE(clock.GetElapsedSeconds(), 170);

    // A new run adds to what was banked.
    clock.StartElapsed();
    m_clock.Advance(10);
    clock.Refresh();
    QCOMPARE(clock.GetElapsed(), TimeSpan(180));
}

void TestClockCtrl::invalidModeIgnored()
{
    CClockCtrl clock(Black, Face);
    clock.Create(QRect(0, 0, 120, 30), nullptr, 1013);
    clock.SetMode(0);
    clock.SetMode(4);
    QCOMPARE(clock.GetMode(), CClockCtrl::ModeTime);
    QCOMPARE(clock.GetText(), QStringLiteral("09:05:03"));
}

void TestClockCtrl::accessibleName()
{
    CClockCtrl clock(Black, Face);
    clock.Create(QRect(0, 0, 120, 30), nullptr, 1013);
    QCOMPARE(clock.accessibleName(), QStringLiteral("Time 09:05:03"));
    clock.SetMode(CClockCtrl::ModeDate);
    QCOMPARE(clock.accessibleName(), QStringLiteral("Date ") + ShortDate(2026, 3, 14));

    clock.SetAccessibleLabel(QStringLiteral("Home date"));
    clock.SetMode(CClockCtrl::ModeTime);
    QCOMPARE(clock.accessibleName(), QStringLiteral("Home date 09:05:03"));
}

QTEST_MAIN(TestClockCtrl)
#include "tst_clockctrl.moc"
