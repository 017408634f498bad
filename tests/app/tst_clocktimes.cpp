#include "app/maindialog.h"
#include "app/trayicon.h"
#include "clock/clockctrl.h"
#include "home/sethomesheet.h"
#include "home/zonerecord.h"
#include "settings/settingsstore.h"
#include "zones/countrytable.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <cstdlib>

// The clocks against an independent source: what `date` shows under the POSIX rule of the home
// (as the program applied it) and under the rule of the selected place.

namespace {

constexpr int NewSouthWales = 17;
constexpr int Newfoundland = 70;
constexpr int Chile = 80;
constexpr int Germany = 121;
constexpr int India = 143;
constexpr int UsEastern = 328;

constexpr int Auto = DaylightAuto;
constexpr int ByHand = DaylightByHand;
constexpr int NotAdjusted = DaylightNotAdjusted;
constexpr int None = DaylightNone;

TimeValue At(const char *utc)
{
    return QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate).toSecsSinceEpoch();
}

QString Date(const std::string &rule, TimeValue t, const char *format)
{
    QProcess date;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TZ"), QString::fromStdString(rule));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    date.setProcessEnvironment(env);
    date.start(QStringLiteral("date"),
               {QStringLiteral("-d"), QStringLiteral("@%1").arg(t), QString::fromLatin1(format)});
    if (!date.waitForFinished(5000))
        return QStringLiteral("(date did not answer)");
    return QString::fromLatin1(date.readAllStandardOutput()).trimmed();
}

// The rule of a place as its own clocks run: its table rule, or standard time only.
std::string PlaceRule(int index, bool withDaylight)
{
    const int option = withDaylight ? Auto : NotAdjusted;
    const auto zone = BuildHomeTimeZone({index, option, false, {}});
    return zone ? PosixRule(*zone, DaylightSwitchFor(option)) : std::string("UTC0");
}

QString ShortDate(const QString &isoDate)
{
    return QLocale::system()
        .toString(QDate::fromString(isoDate, Qt::ISODate), QLocale::ShortFormat)
        .left(CClockCtrl::MaxDateLength);
}

} // namespace

class TestClockTimes final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void againstDate_data();
    void againstDate();
};

void TestClockTimes::initTestCase()
{
    CTrayIcon::SetAvailabilityForTesting(true);
}

void TestClockTimes::againstDate_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("showDaylight");
    QTest::addColumn<TimeValue>("when");
    QTest::addColumn<int>("handShift"); // seconds the user put the clock forward by hand

    const TimeValue january = At("2026-01-15T12:34:56Z");
    const TimeValue july = At("2026-07-01T23:45:01Z");

    QTest::newRow("north home in winter, south place in summer")
        << Germany << Auto << NewSouthWales << true << january << 0;
    QTest::newRow("north home in summer, south place in winter")
        << Germany << Auto << NewSouthWales << true << july << 0;
    QTest::newRow("south home in summer, north place in winter")
        << NewSouthWales << Auto << UsEastern << true << january << 0;
    QTest::newRow("south home in winter, north place in summer")
        << NewSouthWales << Auto << UsEastern << true << july << 0;
    QTest::newRow("not adjusted: home on standard time")
        << Germany << NotAdjusted << UsEastern << true << july << 0;
    QTest::newRow("daylight saving not shown")
        << Germany << Auto << UsEastern << false << july << 0;
    QTest::newRow("home without daylight saving") << India << None << Chile << true << january << 0;
    QTest::newRow("southern home, half-hour place")
        << Chile << Auto << Newfoundland << true << july << 0;
    QTest::newRow("by hand, clock put forward in summer")
        << NewSouthWales << ByHand << Germany << true << january << 3600;
    QTest::newRow("by hand, not shown")
        << NewSouthWales << ByHand << Germany << false << january << 3600;
}

void TestClockTimes::againstDate()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(int, selected);
    QFETCH(bool, showDaylight);
    QFETCH(TimeValue, when);
    QFETCH(int, handShift);

    // The computer's clock, which under "by hand" the user has put forward by the summer hour.
    FixedTimeSource clock(when + handShift);
    ScopedTimeSource scoped(&clock);

    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brambleway"),
                        QStringLiteral("Orbiclock"));
        store.clear();
    }
    {
        CMainDialog writer;
        writer.SetSetHomeRun([](QWidget *, SetHomeValues &) { return false; });
        QTimer::singleShot(0, &writer, [&] {
            GeneralSettings s;
            s.homeCountry = home;
            s.currentSelection = selected;
            s.daylightOption = option;
            s.showDaylightSaving = showDaylight;
            s.showAtStartup = 1;
            writer.SetGeneralSettings(s);
            writer.SaveSettings();
            writer.done(0);
        });
        writer.DoModal();
    }

    CMainDialog dialog; // applies the home zone: the process's TZ is now the home's rule
    const char *applied = std::getenv("TZ");
    QVERIFY(applied && *applied);
    const std::string homeRule = applied;
    QString homeTime, homeDate, selectedTime, selectedDate;
    QTimer::singleShot(0, &dialog, [&] {
        homeTime = dialog.HomeTimeClock()->FormatText();
        homeDate = dialog.HomeDateClock()->FormatText();
        selectedTime = dialog.SelectedTimeClock()->FormatText();
        selectedDate = dialog.SelectedDateClock()->FormatText();
        dialog.done(0);
    });
    dialog.DoModal();

    // The home clocks: the computer's clock under the home's rule. Standard time when the user
    // does not want daylight saving shown; and "by hand" moves the clock, not the zone.
    TimeValue homeInstant = when + handShift;
    std::string shownHomeRule = homeRule;
    if (!showDaylight) {
        shownHomeRule = PlaceRule(home, false);
        homeInstant = when;
    } else if (option == ByHand) {
        shownHomeRule = PlaceRule(home, false);
    }
    QCOMPARE(homeTime, Date(shownHomeRule, homeInstant, "+%H:%M:%S"));
    QCOMPARE(homeDate, ShortDate(Date(shownHomeRule, homeInstant, "+%Y-%m-%d")));

    const std::string placeRule = PlaceRule(selected, showDaylight);
    QCOMPARE(selectedTime, Date(placeRule, when, "+%H:%M:%S"));
    QCOMPARE(selectedDate, ShortDate(Date(placeRule, when, "+%Y-%m-%d")));
}

QTEST_MAIN(TestClockTimes)
#include "tst_clocktimes.moc"
