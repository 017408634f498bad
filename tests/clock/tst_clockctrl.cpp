#include "clock/clockctrl.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QTest>
#include <QTimerEvent>

#include <memory>

namespace {

QString ShortDate(int year, int month, int day)
{
    return QLocale::system().toString(QDate(year, month, day), QLocale::ShortFormat);
}

std::unique_ptr<CClockCtrl> MakeClock(int mode = CClockCtrl::ModeTime)
{
    auto clock =
        std::make_unique<CClockCtrl>(MakeColourRef(0, 0, 0), MakeColourRef(0xd4, 0xd0, 0xc8));
    clock->Create(QRect(0, 0, 120, 30), nullptr, 1013);
    clock->SetMode(mode);
    return clock;
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
    void cleanupTestCase() { delete m_scope; }
    void init() { m_clock.Set(MakeLocalTime(2026, 3, 14, 9, 5, 3)); }
    void formatText_data();
    void formatText();
    void offsetAcrossMidnight_data();
    void offsetAcrossMidnight();
    void dateLagsUntilItsTick();
    void newOffsetRedrawsAtOnce();
    void dateFitsItsPanel();
    void timerPeriodsAndModes();
    void elapsedCount();

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

void TestClockCtrl::formatText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("flags"); // 24: 24-hour, s: seconds, d: days
    // Time and date: local time of day in seconds on 2026-03-14; elapsed: seconds counted.
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    const int Time = CClockCtrl::ModeTime;
    const int Elapsed = CClockCtrl::ModeElapsed;
    const qint64 t090503 = 9 * 3600 + 5 * 60 + 3;
    const qint64 span = 86400 + 3600 + 60 + 1;
    QTest::newRow("24-hour with seconds") << Time << "24 s" << t090503 << "09:05:03";
    QTest::newRow("24-hour without seconds") << Time << "24" << t090503 << "09:05";
    QTest::newRow("12-hour with seconds") << Time << "s" << t090503 << "9:05:03";
    QTest::newRow("12-hour evening") << Time << "s" << t090503 + 12 * 3600 << "9:05:03";
    QTest::newRow("12-hour noon is 0") << Time << "s" << qint64(12 * 3600 + 1800) << "0:30:00";
    QTest::newRow("12-hour midnight is 0") << Time << "" << qint64(7 * 60) << "0:07";
    QTest::newRow("date") << int(CClockCtrl::ModeDate) << "24 s" << t090503
                          << ShortDate(2026, 3, 14);
    QTest::newRow("elapsed, days and seconds") << Elapsed << "s d" << span << "1:1:01:01";
    QTest::newRow("elapsed, hours and seconds") << Elapsed << "s" << span << "25:01:01";
    QTest::newRow("elapsed, hours") << Elapsed << "" << span << "25:01";
    QTest::newRow("elapsed, last second of a day")
        << Elapsed << "s d" << qint64(3 * 86400 + 86399) << "3:23:59:59";
    QTest::newRow("elapsed, many hours") << Elapsed << "" << qint64(1000 * 3600 + 59) << "1000:00";
}

void TestClockCtrl::formatText()
{
    QFETCH(int, mode);
    QFETCH(QString, flags);
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    m_clock.Set(MakeLocalTime(2026, 3, 14) + value);
    const auto clock = MakeClock(mode);
    if (mode == CClockCtrl::ModeElapsed)
        clock->SetElapsed(value);
    clock->Set24Hour(flags.contains(u"24"));
    clock->SetShowSeconds(flags.contains(u's'));
    clock->SetShowDays(flags.contains(u'd'));

    QString text = QStringLiteral("left over");
    clock->FormatText(text);
    QCOMPARE(text, expected);
    QCOMPARE(clock->GetText(), expected);
    QVERIFY(text.size() <= CClockCtrl::MaxDateLength);
}

void TestClockCtrl::offsetAcrossMidnight_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    QTest::newRow("east, into tomorrow")
        << QTime(23, 59, 30) << qint64(60) << "00:00:30" << ShortDate(2026, 3, 15);
    QTest::newRow("west, into yesterday")
        << QTime(0, 0, 20) << qint64(-60) << "23:59:20" << ShortDate(2026, 3, 13);
    QTest::newRow("west, same day")
        << QTime(12, 0) << qint64(-3600) << "11:00:00" << ShortDate(2026, 3, 14);
}

void TestClockCtrl::offsetAcrossMidnight()
{
    QFETCH(QTime, now);
    QFETCH(qint64, offset);
    QFETCH(QString, time);
    QFETCH(QString, date);
    m_clock.Set(MakeLocalTime(2026, 3, 14) + now.msecsSinceStartOfDay() / 1000);
    const auto timeClock = MakeClock();
    const auto dateClock = MakeClock(CClockCtrl::ModeDate);
    timeClock->SetOffset(offset);
    dateClock->SetOffset(offset);
    QCOMPARE(timeClock->GetText(), time);
    QCOMPARE(dateClock->GetText(), date);
}

void TestClockCtrl::dateLagsUntilItsTick()
{
    m_clock.Set(MakeLocalTime(2026, 3, 14, 23, 59, 50));
    const auto timeClock = MakeClock();
    const auto dateClock = MakeClock(CClockCtrl::ModeDate);
    QCOMPARE(dateClock->accessibleName(), QStringLiteral("Date ") + ShortDate(2026, 3, 14));

    m_clock.Advance(20);
    Tick(*timeClock);
    QCOMPARE(timeClock->GetText(), QStringLiteral("00:00:10"));
    // The date clock reads the time only on its own, slower tick.
    QCOMPARE(dateClock->GetText(), ShortDate(2026, 3, 14));
    Tick(*dateClock);
    QCOMPARE(dateClock->GetText(), ShortDate(2026, 3, 15));
}

void TestClockCtrl::newOffsetRedrawsAtOnce()
{
    const auto clock = MakeClock();
    QVERIFY(QTest::qWaitForWindowExposed(clock.get()));
    clock->SetOffset(0, 1, 30, 0);
    QCOMPARE(clock->GetOffset(), TimeSpan(5400));
    // Painted before SetOffset returned, not at the next tick or event loop pass.
    QCOMPARE(clock->GetPaintedText(), QStringLiteral("10:35:03"));
}

// At the height's font size a long date is wider than a clock panel and would lose its day.
void TestClockCtrl::dateFitsItsPanel()
{
    auto fits = [](const CClockCtrl &clock) {
        const int room = clock.width() - 2 * CPanelWnd::BorderWidth;
        return QFontMetrics(clock.GetFont()).horizontalAdvance(clock.GetText()) <= room;
    };
    m_clock.Set(MakeLocalTime(2026, 12, 28, 12, 0, 0));
    const auto clock = MakeClock(CClockCtrl::ModeDate);
    QVERIFY(fits(*clock));
    QVERIFY(clock->GetFont().pixelSize() <= 30 - 2 * CPanelWnd::BorderWidth);

    // Back to the time, the font fills the height again.
    clock->SetMode(CClockCtrl::ModeTime);
    QCOMPARE(clock->GetFont().pixelSize(), 30 - 2 * CPanelWnd::BorderWidth);
    QVERIFY(fits(*clock));
}

void TestClockCtrl::timerPeriodsAndModes()
{
    CClockCtrl unmade(MakeColourRef(0, 0, 0), MakeColourRef(255, 255, 255));
    QCOMPARE(unmade.GetTimerPeriod(), 0);
    const auto clock = MakeClock();
    QCOMPARE(clock->GetTimerPeriod(), 1000);
    // The current mode again, or one that does not exist, changes nothing, not even the text.
    m_clock.Advance(5);
    for (int mode : {int(CClockCtrl::ModeTime), 0, 4})
        clock->SetMode(mode);
    QCOMPARE(clock->GetMode(), CClockCtrl::ModeTime);
    QCOMPARE(clock->GetText(), QStringLiteral("09:05:03"));
    QCOMPARE(clock->GetTimerPeriod(), 1000);

    clock->SetMode(CClockCtrl::ModeDate);
    QCOMPARE(clock->GetTimerPeriod(), 50000);
    clock->SetMode(CClockCtrl::ModeElapsed);
    QCOMPARE(clock->GetTimerPeriod(), 0);
    clock->StartElapsed();
    QCOMPARE(clock->GetTimerPeriod(), 1000);
    clock->StopElapsed();
    QCOMPARE(clock->GetTimerPeriod(), 0);
}

void TestClockCtrl::elapsedCount()
{
    const auto clock = MakeClock(CClockCtrl::ModeElapsed);
    clock->SetElapsed(100);
    clock->StartElapsed();
    m_clock.Advance(65);
    Tick(*clock);
    QCOMPARE(clock->GetText(), QStringLiteral("0:0:02:45"));

    // Starting a running count again keeps the time counted so far.
    clock->StartElapsed();
    m_clock.Advance(5);
    Tick(*clock);
    QCOMPARE(clock->GetElapsedSeconds(), 170);

    clock->StopElapsed();
    m_clock.Advance(1000);
    clock->Refresh();
    QCOMPARE(clock->GetElapsedSeconds(), 170);

    // A new run adds to what was banked.
    clock->StartElapsed();
    m_clock.Advance(10);
    clock->Refresh();
    QCOMPARE(clock->GetElapsed(), TimeSpan(180));
}

QTEST_MAIN(TestClockCtrl)
#include "tst_clockctrl.moc"
