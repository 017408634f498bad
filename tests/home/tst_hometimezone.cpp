#include "home/daylightoption.h"
#include "home/hometimezone.h"
#include "home/timechangewatcher.h"
#include "home/zonerecord.h"
#include "home/zonestore.h"
#include "tests/filefaults.h"
#include "zones/timesource.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>
#include <sys/stat.h>

Q_DECLARE_METATYPE(OwnDaylightDates)

namespace {

constexpr int NewSouthWales = 17;
constexpr int Queensland = 20; // +10, no rule
constexpr int Georgia = 120;   // two hours forward
constexpr int UsEastern = 328;
constexpr int Reunion = 243;
constexpr int Newfoundland = 70;
const OwnDaylightDates SeptemberToMay{0, 8, 0, 4, 3, 6}; // 1st Sun Sep to last Sat Apr

void WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// The instant a change date happens in a year, its hour read in local time at offset minutesWest.
// Under UTC, NthWeekdayOfMonth gives the day's midnight in UTC.
TimeValue ChangeAt(int year, const ZoneDate &date, int minutesWest)
{
    return NthWeekdayOfMonth(year, date.month, date.day, date.dayOfWeek + 1) + date.hour * 3600 +
           minutesWest * 60;
}

struct Transition
{
    TimeValue at;
    int gmtoff;
    bool isDst;
    bool operator==(const Transition &) const = default;
};

// zdump -v lines: "<file>  Sun Oct  5 15:59:59 2025 UT = Mon Oct  6 02:59:59 2025 GMT+10
// isdst=0 gmtoff=36000". Returns each line's instant and type, in order.
std::optional<QList<Transition>> Dump(const QString &file, int fromYear, int toYear)
{
    QProcess zdump;
    zdump.start(QStringLiteral("zdump"), {QStringLiteral("-v"), QStringLiteral("-c"),
                                          QStringLiteral("%1,%2").arg(fromYear).arg(toYear), file});
    if (!zdump.waitForFinished(10000) || zdump.exitCode() != 0)
        return std::nullopt;
    QList<Transition> lines;
    const QStringList output = QString::fromUtf8(zdump.readAllStandardOutput()).split(u'\n');
    for (const QString &line : output) {
        const qsizetype ut = line.indexOf(QStringLiteral(" UT = "));
        if (ut < 0 || !line.contains(QStringLiteral("isdst=")))
            continue;
        const QString utText = line.left(ut).mid(file.size()).simplified();
        QDateTime when = QLocale::c().toDateTime(utText, QStringLiteral("ddd MMM d hh:mm:ss yyyy"));
        when.setTimeSpec(Qt::UTC);
        if (!when.isValid())
            return std::nullopt;
        const QString tail = line.mid(line.indexOf(QStringLiteral("isdst=")));
        const QStringList fields = tail.split(u' ');
        lines.append({when.toSecsSinceEpoch(), fields.value(1).mid(7).toInt(),
                      fields.value(0).mid(6) == u"1"});
    }
    return lines;
}

// Drives the clock-jump part without setting the machine's clock: the next read reports what
// the test chooses.
class SeamWatcher final : public CTimeChangeWatcher
{
public:
    using CTimeChangeWatcher::CTimeChangeWatcher;
    using CTimeChangeWatcher::OnClockTimerReadable;
    using CTimeChangeWatcher::TimerRead;

    TimerRead next = TimerRead::Nothing;
    int reads = 0;

protected:
    TimerRead ReadClockTimer(int) override
    {
        ++reads;
        return next;
    }
};

// As tools do: a new file, or a link to target, renamed over the old one (its watch is lost).
void ReplaceFile(const QString &path, const QByteArray &content, const QString &target = {})
{
    const QString aside = path + QStringLiteral(".new");
    if (target.isEmpty())
        WriteText(aside, content);
    else
        QVERIFY(QFile::link(target, aside));
    QVERIFY(::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData()) ==
            0);
}

} // namespace

class TestHomeTimeZone final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase() { SetProcessTimeZone("UTC0"); }
    void record_data();
    void record();
    void applyMakesLocalTimeHomeTime_data();
    void applyMakesLocalTimeHomeTime();
    void compiledZoneMatchesZdump_data();
    void compiledZoneMatchesZdump();
    void appliedCheck();
    void damagedRecordIsNotApplied_data();
    void damagedRecordIsNotApplied();
    void oddFilesInTheStore_data();
    void oddFilesInTheStore();
    void daylightSwitch_data();
    void daylightSwitch();
    void eachChangeIsOneNotice();

private:
    QTemporaryDir m_dir;
};

void TestHomeTimeZone::init()
{
    QDir(CZoneStore().Folder()).removeRecursively();
    SetProcessTimeZone("UTC0");
}

void TestHomeTimeZone::record_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("useOwn");
    QTest::addColumn<OwnDaylightDates>("own");
    QTest::addColumn<int>("bias");
    QTest::addColumn<QStringList>("names"); // standard, daylight
    QTest::addColumn<QList<int>>("dates");  // standard, then daylight: month, day, weekday, hour
    QTest::addColumn<int>("daylightBias");
    const QString nsw = QStringLiteral("GMT+10:00 - Australia");
    const QStringList nswNames{nsw + " Std Time", nsw + " DS Time"};
    QTest::newRow("NSW own dates") << NewSouthWales << int(DaylightAuto) << true << SeptemberToMay
                                   << -600 << nswNames << QList<int>{4, 5, 6, 2, 9, 1, 0, 2} << -60;
    QTest::newRow("own dates naming no day")
        << NewSouthWales << int(DaylightAuto) << true << OwnDaylightDates{0, 8, 0, 4, -1, 6} << -600
        << QStringList{nsw, nsw} << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << -60;
    QTest::newRow("Georgia, names cut")
        << Georgia << int(DaylightAuto) << false << OwnDaylightDates() << -180
        << QStringList{"GMT+3:00 - Georgia, Rep of Std ", "GMT+3:00 - Georgia, Rep of DS T"}
        << QList<int>{9, 5, 0, 2, 3, 5, 0, 2} << -120;
    const QString reunion = QStringLiteral("GMT+4:00 - R\u00e9union (France)");
    QTest::newRow("Reunion none") << Reunion << int(DaylightNone) << false << OwnDaylightDates()
                                  << -240 << QStringList{reunion, reunion}
                                  << QList<int>{0, 0, -1, 2, 0, 0, -1, 2} << -60;
}

void TestHomeTimeZone::record()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(bool, useOwn);
    QFETCH(OwnDaylightDates, own);
    QFETCH(int, bias);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, dates);
    QFETCH(int, daylightBias);

    const std::optional<TimeZoneInformation> zone = BuildHomeTimeZone({home, option, useOwn, own});
    QVERIFY(zone);
    QCOMPARE(zone->bias, bias);
    QCOMPARE((QStringList{zone->standardName, zone->daylightName}), names);
    QCOMPARE(zone->daylightBias, daylightBias);
    const ZoneDate &s = zone->standardDate;
    const ZoneDate &d = zone->daylightDate;
    QCOMPARE((QList<int>{s.month, s.day, s.dayOfWeek, s.hour, d.month, d.day, d.dayOfWeek, d.hour}),
             dates);
    QVERIFY(!BuildHomeTimeZone({345, DaylightAuto, false, {}}));
}

void TestHomeTimeZone::applyMakesLocalTimeHomeTime_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("utc");   // an instant
    QTest::addColumn<QString>("local"); // home time then
    auto row = [](const char *name, int home, int option, const char *utc, const char *local) {
        QTest::newRow(name) << home << option << QString(utc) << QString(local);
    };
    row("NSW summer auto", NewSouthWales, DaylightAuto, "2025-01-15T00:00", "2025-01-15T11:00");
    row("NSW summer not adjusted", NewSouthWales, DaylightNotAdjusted, "2025-01-15T00:00",
        "2025-01-15T10:00");
    row("NSW option 9 as auto", NewSouthWales, 9, "2025-01-15T00:00", "2025-01-15T11:00");
    row("Newfoundland winter", Newfoundland, DaylightAuto, "2025-01-01T00:00", "2024-12-31T20:30");
}

void TestHomeTimeZone::applyMakesLocalTimeHomeTime()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(QString, utc);
    QFETCH(QString, local);

    QVERIFY(ApplyHomeTimeZone({home, option, false, {}}));
    QVERIFY(IsHomeTimeZoneApplied(home));
    QDateTime instant = QDateTime::fromString(utc, Qt::ISODate);
    instant.setTimeSpec(Qt::UTC);
    std::tm fields{};
    QVERIFY(LocalTime(instant.toSecsSinceEpoch(), fields));
    const QDateTime shown(QDate(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday),
                          QTime(fields.tm_hour, fields.tm_min, fields.tm_sec));
    QCOMPARE(shown.toString(Qt::ISODate), local + QStringLiteral(":00"));
    // The store's own zone file, never the machine's.
    QVERIFY(CZoneStore().ZoneFilePath().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
}

void TestHomeTimeZone::compiledZoneMatchesZdump_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("useOwn");
    QTest::addColumn<bool>("switches");
    for (int option : {0, 1, 2, 3})
        QTest::addRow("NSW %d", option) << NewSouthWales << option << false << (option < 2);
    QTest::newRow("Georgia") << Georgia << 0 << false << true;
    QTest::newRow("NSW own dates") << NewSouthWales << 0 << true << true;
    QTest::newRow("Newfoundland") << Newfoundland << 0 << false << true;
}

void TestHomeTimeZone::compiledZoneMatchesZdump()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(bool, useOwn);
    QFETCH(bool, switches);

    const auto zone = BuildHomeTimeZone({home, option, useOwn, SeptemberToMay});
    QVERIFY(zone);
    // Files stay until the end: the C library takes a file with the inode and time of the one it
    // read last for that one, whatever its name.
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    WriteText(path, CompileZoneFile(*zone, DaylightSwitchFor(option)));

    const auto lines = Dump(path, 2025, 2027);
    QVERIFY2(lines, "zdump could not read the file");
    const int standardOffset = -zone->bias * 60;
    const int daylightOffset = -(zone->bias + zone->daylightBias) * 60;

    // The changes zdump sees: where the type differs from the line before.
    QList<Transition> changes;
    for (qsizetype i = 1; i < lines->size(); ++i)
        if (lines->at(i).isDst != lines->at(i - 1).isDst ||
            lines->at(i).gmtoff != lines->at(i - 1).gmtoff)
            changes.append(lines->at(i));
    for (const Transition &line : *lines)
        QVERIFY(line.gmtoff == standardOffset || (switches && line.gmtoff == daylightOffset));

    QList<Transition> expected;
    for (int year : {2025, 2026}) {
        if (!switches)
            break;
        expected.append({ChangeAt(year, zone->daylightDate, zone->bias), daylightOffset, true});
        expected.append({ChangeAt(year, zone->standardDate, zone->bias + zone->daylightBias),
                         standardOffset, false});
    }
    std::sort(expected.begin(), expected.end(),
              [](const Transition &a, const Transition &b) { return a.at < b.at; });
    QCOMPARE(changes, expected);
    if (!switches)
        return;

    // The C library itself reads the file, footer included.
    QVERIFY(SetCheckedProcessTimeZone(":" + path.toStdString()));
    const auto start = std::find_if(expected.cbegin(), expected.cend(),
                                    [](const Transition &t) { return t.isDst; });
    std::tm fields{};
    QVERIFY(LocalTime(start->at, fields));
    QCOMPARE(fields.tm_isdst, 1);
    QCOMPARE(fields.tm_hour, zone->daylightDate.hour + (daylightOffset - standardOffset) / 3600);
}

void TestHomeTimeZone::appliedCheck()
{
    QVERIFY(!IsHomeTimeZoneApplied(NewSouthWales)); // nothing written yet
    QVERIFY(IsHomeTimeZoneApplied(-1));             // no home: nothing to apply
    QVERIFY(!ApplyHomeTimeZone({-1, DaylightAuto, false, {}}));

    QVERIFY(ApplyHomeTimeZone({NewSouthWales, DaylightAuto, false, {}}));
    // Applied again, as at every start: files that hold it already are not replaced.
    auto inodes = [] {
        struct stat a, b;
        const QString folder = CZoneStore().Folder();
        ::stat(QFile::encodeName(folder + "/record"), &a);
        ::stat(QFile::encodeName(folder + "/localtime"), &b);
        return std::pair{a.st_ino, b.st_ino};
    };
    const auto before = inodes();
    QVERIFY(ApplyHomeTimeZone({NewSouthWales, DaylightAuto, false, {}}));
    QCOMPARE(inodes(), before);
    // Another home of the same bias, whoever wrote it, is left alone.
    QVERIFY(IsHomeTimeZoneApplied(Queensland));
    QVERIFY(!IsHomeTimeZoneApplied(UsEastern));

    TimeZoneInformation foreign = *BuildHomeTimeZone({NewSouthWales, DaylightAuto, false, {}});
    foreign.standardName = QStringLiteral("R\u00e9union = with equals");
    QVERIFY(CZoneStore().WriteZone(foreign, 0));
    QCOMPARE(CZoneStore().ReadRecord(), foreign); // read back as written
    QVERIFY(!IsHomeTimeZoneApplied(NewSouthWales));

    // A rule the C library cannot read leaves TZ as it was.
    QVERIFY(SetCheckedProcessTimeZone("<GMT+10>-10"));
    QVERIFY(!SetCheckedProcessTimeZone("<G>-10"));
    QCOMPARE(qgetenv("TZ"), QByteArray("<GMT+10>-10"));
}

void TestHomeTimeZone::damagedRecordIsNotApplied_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated") << QByteArray("Bias=-600\nStandardName=GMT+10:00 - Aus");
    const QByteArray rest = "\nStandardBias=0\nDaylightName=GMT\nDaylightDate=0 0 0 0 0 0 0 0\n"
                            "DaylightBias=0\n";
    QTest::newRow("bias not a number")
        << "Bias=ten\nStandardName=GMT\nStandardDate=0 0 0 0 0 0 0 0" + rest;
    QTest::newRow("date too short") << "Bias=-600\nStandardName=GMT\nStandardDate=0 0 0" + rest;
}

void TestHomeTimeZone::damagedRecordIsNotApplied()
{
    QFETCH(QByteArray, content);
    QVERIFY(ApplyHomeTimeZone({NewSouthWales, DaylightAuto, false, {}}));
    WriteText(CZoneStore().Folder() + QStringLiteral("/record"), content);
    QVERIFY(!CZoneStore().ReadRecord());
    QVERIFY(!IsHomeTimeZoneApplied(NewSouthWales));
    // The next notice writes it again.
    QVERIFY(ApplyHomeTimeZone({NewSouthWales, DaylightAuto, false, {}}));
    QVERIFY(IsHomeTimeZoneApplied(NewSouthWales));
}

void TestHomeTimeZone::oddFilesInTheStore_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("odd"); // what lies in its place
    QTest::newRow("FIFO as record") << "record" << QByteArray("fifo");
    QTest::newRow("endless device as switch") << "switch" << QByteArray("/dev/zero");
    QTest::newRow("link as zone file") << "localtime" << QByteArray("link");
    QTest::newRow("full disk") << "record" << QByteArray("full");
}

void TestHomeTimeZone::oddFilesInTheStore()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, odd);
    const CZoneStore store;
    QVERIFY(ApplyHomeTimeZone({NewSouthWales, DaylightAuto, false, {}}));
    QVERIFY(store.WriteSwitch(0));
    const QString path = store.Folder() + u'/' + file;
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("mine"));
    WriteText(outside, "not the store's");
    if (odd != "full")
        QVERIFY(QFile::remove(path));
    if (odd == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (odd.startsWith('/') || odd == "link")
        QVERIFY(QFile::link(odd == "link" ? outside : QString::fromLatin1(odd), path));
    auto files = [&] {
        QByteArrayList contents;
        for (const char *name : {"record", "switch", "localtime"}) {
            QFile stored(store.Folder() + u'/' + QLatin1StringView(name));
            contents << (stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray());
        }
        return contents;
    };

    // Read without waiting or growing, then written over: a link is replaced, not followed.
    QVERIFY(!IsHomeTimeZoneApplied(UsEastern));
    QCOMPARE(store.ReadSwitch(), 0);
    const QByteArrayList before = odd == "full" ? files() : QByteArrayList();
    std::optional<FullDisk> full;
    if (odd == "full")
        full.emplace();
    QCOMPARE(ApplyHomeTimeZone({UsEastern, DaylightAuto, false, {}}), !full);
    QCOMPARE(store.WriteSwitch(1), !full);
    full.reset();
    if (odd == "full")
        QCOMPARE(files(), before);
    else
        QVERIFY(IsHomeTimeZoneApplied(UsEastern) && store.ReadSwitch() == 1);
    QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
    QFile mine(outside);
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("not the store's"));
}

void TestHomeTimeZone::daylightSwitch_data()
{
    QTest::addColumn<QByteArray>("stored"); // null: no switch file
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("applied");
    for (const char *name : {"missing", "0", "1", "garbled"}) {
        const QByteArray content = qstrcmp(name, "missing") == 0
                                       ? QByteArray()
                                       : "DisableAutoDaylightTimeSet=" + QByteArray(name) + "\n";
        const bool disabled = content.contains("=1");
        for (int option : {0, 1, 2, 3}) {
            const bool wantsDisabled = option >= 2;
            QTest::addRow("%s, option %d", name, option)
                << content << option << (disabled == wantsDisabled);
        }
    }
}

void TestHomeTimeZone::daylightSwitch()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, option);
    QFETCH(bool, applied);
    if (!stored.isNull()) {
        QDir().mkpath(CZoneStore().Folder());
        WriteText(CZoneStore().Folder() + QStringLiteral("/switch"), stored);
    }
    QCOMPARE(IsDaylightSwitchApplied(option), applied);
    QVERIFY(ApplyDaylightSwitch(option));
    QVERIFY(IsDaylightSwitchApplied(option));
    QCOMPARE(CZoneStore().ReadSwitch(), option >= 2 ? 1 : 0);
}

// One watcher through every kind of change: a clock jump, zone files replaced or edited, the
// folder removed and made again.
void TestHomeTimeZone::eachChangeIsOneNotice()
{
    QTemporaryDir root;
    const QString etc = root.filePath(QStringLiteral("etc"));
    const QString zone = etc + QStringLiteral("/localtime");
    QVERIFY(QDir().mkpath(etc));
    for (const char *name : {"Sydney", "Denver"})
        ReplaceFile(root.filePath(QLatin1StringView(name)), name);
    SeamWatcher watcher(zone); // no zone file yet
    QSignalSpy spy(&watcher, &CTimeChangeWatcher::TimeChanged);
    using Read = SeamWatcher::TimerRead;
    for (const Read read : {Read::ClockSet, Read::Expired, Read::Nothing}) {
        watcher.next = read;
        watcher.OnClockTimerReadable();
        QVERIFY(watcher.IsClockWatchArmed()); // armed again for the next jump
    }
    QCOMPARE(watcher.reads, 3);
    QCOMPARE(spy.count(), 1);

    // A link made, a link to another zone put in its place, a plain file in place of the link.
    for (int round = 2; round <= 4; ++round) {
        if (round < 4)
            ReplaceFile(zone, {}, root.filePath(round == 2 ? "Sydney" : "Denver"));
        else
            ReplaceFile(zone, "zone");
        QTRY_COMPARE(spy.count(), round);
        // Every step of the replacement has arrived by now: still one notice.
        QTest::qWait(2 * CTimeChangeWatcher::SettleMs);
        QCOMPARE(spy.count(), round);
    }
    // Other files of the folder are no concern.
    ReplaceFile(etc + QStringLiteral("/resolv.conf"), "nameserver");
    QTest::qWait(3 * CTimeChangeWatcher::SettleMs);
    QCOMPARE(spy.count(), 4);

    QFile file(zone);
    QVERIFY(file.open(QIODevice::Append));
    file.write(" edited in place");
    file.close();
    QTRY_COMPARE(spy.count(), 5);

    for (int round = 1; round <= 2; ++round) {
        // Gone long enough for the watcher to look while the folder is missing.
        QVERIFY(QDir(etc).removeRecursively());
        QTRY_COMPARE(spy.count(), 4 + 2 * round);
        QVERIFY(QDir().mkpath(etc));
        ReplaceFile(zone, "zone " + QByteArray::number(round));
        QTRY_COMPARE(spy.count(), 5 + 2 * round);
    }
}

QTEST_GUILESS_MAIN(TestHomeTimeZone)
#include "tst_hometimezone.moc"
