// SPDX-License-Identifier: MIT

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
#include <QRegularExpression>
#include <QScopeGuard>
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
    QDir().mkpath(QFileInfo(path).path());
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

// zdump -v lines from 2025 to 2026: "<file>  Sun Oct  5 15:59:59 2025 UT = Mon Oct  6 02:59:59
// 2025 GMT+10 isdst=0 gmtoff=36000". Returns each line's instant and type, in order.
std::optional<QList<Transition>> Dump(const QString &file)
{
    QProcess zdump;
    zdump.start(QStringLiteral("zdump"), {"-v", "-c", "2025,2027", file});
    if (!zdump.waitForFinished(10000) || zdump.exitCode() != 0)
        return std::nullopt;
    static const QRegularExpression line(
        QStringLiteral(R"((\w{3} +\d+ [\d:]{8} \d{4}) UT = .* isdst=(\d) gmtoff=(-?\d+))"));
    QList<Transition> lines;
    for (const auto &m : line.globalMatch(QString::fromUtf8(zdump.readAllStandardOutput()))) {
        QDateTime when = QLocale::c().toDateTime(m.captured(1).simplified(),
                                                 QStringLiteral("MMM d hh:mm:ss yyyy"));
        when.setTimeSpec(Qt::UTC);
        lines.append({when.toSecsSinceEpoch(), m.captured(3).toInt(), m.captured(2) == u"1"});
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

protected:
    TimerRead ReadClockTimer(int) override { return next; }
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
    void compiledZoneMatchesZdump_data();
    void compiledZoneMatchesZdump();
    void appliedCheck();
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
    QTest::addColumn<OwnDaylightDates>("own"); // used unless the default
    QTest::addColumn<QStringList>("names");    // standard, daylight
    // Bias, daylight bias, then standard and daylight dates: month, day, weekday, hour.
    QTest::addColumn<QList<int>>("numbers");
    const QString nsw = QStringLiteral("GMT+10:00 - Australia");
    const QString reunion = QStringLiteral("GMT+4:00 - R\u00e9union (France)");
    // clang-format off
    QTest::newRow("NSW own dates") << NewSouthWales << int(DaylightAuto) << SeptemberToMay << QStringList{nsw + " Std Time", nsw + " DS Time"} << QList<int>{-600, -60, 4, 5, 6, 2, 9, 1, 0, 2};
    QTest::newRow("own dates naming no day") << NewSouthWales << int(DaylightAuto) << OwnDaylightDates{0, 8, 0, 4, -1, 6} << QStringList{nsw, nsw} << QList<int>{-600, -60, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("Georgia, names cut") << Georgia << int(DaylightAuto) << OwnDaylightDates() << QStringList{"GMT+3:00 - Georgia, Rep of Std ", "GMT+3:00 - Georgia, Rep of DS T"} << QList<int>{-180, -120, 9, 5, 0, 2, 3, 5, 0, 2};
    QTest::newRow("Reunion none") << Reunion << int(DaylightNone) << OwnDaylightDates() << QStringList{reunion, reunion} << QList<int>{-240, -60, 0, 0, -1, 2, 0, 0, -1, 2};
    // clang-format on
}

void TestHomeTimeZone::record()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(OwnDaylightDates, own);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, numbers);

    const auto zone = BuildHomeTimeZone({home, option, own != OwnDaylightDates(), own});
    QVERIFY(zone);
    QCOMPARE((QStringList{zone->standardName, zone->daylightName}), names);
    const ZoneDate &s = zone->standardDate;
    const ZoneDate &d = zone->daylightDate;
    QCOMPARE((QList<int>{zone->bias, zone->daylightBias, s.month, s.day, s.dayOfWeek, s.hour,
                         d.month, d.day, d.dayOfWeek, d.hour}),
             numbers);
    QVERIFY(!BuildHomeTimeZone({345, DaylightAuto, false, {}}));
}

void TestHomeTimeZone::compiledZoneMatchesZdump_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option"); // 9, no option, counts as automatic
    QTest::addColumn<bool>("useOwn");
    for (int option : {0, 1, 2, 9}) // 3 writes the same file as 2
        QTest::addRow("NSW %d", option) << NewSouthWales << option << false;
    QTest::newRow("Georgia") << Georgia << 0 << false;
    QTest::newRow("NSW own dates") << NewSouthWales << 0 << true;
    QTest::newRow("Newfoundland") << Newfoundland << 0 << false;
}

// The compiled file read by zdump changes on the record's dates, and once the choice is
// applied, the program's own local time agrees with it throughout.
void TestHomeTimeZone::compiledZoneMatchesZdump()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(bool, useOwn);
    const bool switches = option != DaylightNotAdjusted && option != DaylightNone;

    const HomeZoneChoice choice{home, option, useOwn, SeptemberToMay};
    const auto zone = BuildClockZone(choice); // what the store's zone file is compiled from
    QVERIFY(zone);
    // Files stay until the end: the C library takes a file with the inode and time of the one it
    // read last for that one, whatever its name.
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    WriteText(path, CompileZoneFile(*zone, DaylightSwitchFor(option)));

    const auto lines = Dump(path);
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
    for (int year = 2025; switches && year <= 2026; ++year) {
        expected.append({ChangeAt(year, zone->daylightDate, zone->bias), daylightOffset, true});
        expected.append({ChangeAt(year, zone->standardDate, zone->bias + zone->daylightBias),
                         standardOffset, false});
    }
    std::sort(expected.begin(), expected.end(),
              [](const Transition &a, const Transition &b) { return a.at < b.at; });
    QCOMPARE(changes, expected);

    QVERIFY(ApplyHomeTimeZone(choice));
    QVERIFY(IsHomeTimeZoneApplied(home));
    for (const Transition &line : *lines) {
        std::tm fields{};
        QVERIFY(LocalTime(line.at, fields));
        QCOMPARE((Transition{line.at, int(fields.tm_gmtoff), fields.tm_isdst > 0}), line);
    }
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

    // A FIFO in place of the database's file is no zone, and is not waited on.
    const QByteArray tzdir = qgetenv("TZDIR");
    auto restore = qScopeGuard([&] { qputenv("TZDIR", tzdir); });
    qputenv("TZDIR", QFile::encodeName(m_dir.path()));
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir.filePath(QStringLiteral("Fifo"))), 0600), 0);
    QVERIFY(DatabaseZoneFile("Fifo").isEmpty());

    // A rule the C library cannot read leaves TZ as it was.
    QVERIFY(SetCheckedProcessTimeZone("<GMT+10>-10"));
    QVERIFY(!SetCheckedProcessTimeZone("<G>-10"));
    QCOMPARE(qgetenv("TZ"), QByteArray("<GMT+10>-10"));
}

void TestHomeTimeZone::oddFilesInTheStore_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("odd"); // what lies in its place, or the text it holds
    QTest::newRow("FIFO as record") << "record" << QByteArray("fifo");
    QTest::newRow("endless device as switch") << "switch" << QByteArray("/dev/zero");
    QTest::newRow("link as zone file") << "localtime" << QByteArray("link");
    QTest::newRow("full disk") << "record" << QByteArray("full");
    QTest::newRow("truncated record")
        << "record" << QByteArray("Bias=-600\nStandardName=GMT+10:00 - Aus");
    const QByteArray rest = "\nStandardBias=0\nDaylightName=GMT\nDaylightDate=0 0 0 0 0 0 0 0\n"
                            "DaylightBias=0\n";
    QTest::newRow("bias not a number")
        << "record"
        << "Bias=ten\nStandardName=GMT\nStandardDate=0 0 0 0 0 0 0 0" + rest;
    QTest::newRow("date too short") << "record"
                                    << "Bias=-600\nStandardName=GMT\nStandardDate=0 0 0" + rest;
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
    else if (odd.startsWith('/') || odd == "link")
        QVERIFY(QFile::link(odd == "link" ? outside : QString::fromLatin1(odd), path));
    else if (odd != "full")
        WriteText(path, odd);
    auto files = [&] {
        QByteArrayList contents;
        for (const char *name : {"record", "switch", "localtime"}) {
            QFile stored(store.Folder() + u'/' + QLatin1StringView(name));
            contents << (stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray());
        }
        return contents;
    };

    // Read without waiting or growing, then written over: a link is replaced, not followed.
    const bool recordSound = file != u"record" || odd == "full";
    QCOMPARE(bool(store.ReadRecord()), recordSound);
    QCOMPARE(IsHomeTimeZoneApplied(NewSouthWales), recordSound);
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
    for (const char *name : {"missing", "0", "1", "garbled"})
        for (int option : {0, 1, 2, 3})
            QTest::addRow("%s, option %d", name, option)
                << (qstrcmp(name, "missing") ? "DisableAutoDaylightTimeSet=" + QByteArray(name)
                                             : QByteArray())
                << option;
}

void TestHomeTimeZone::daylightSwitch()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, option);
    if (!stored.isNull())
        WriteText(CZoneStore().Folder() + QStringLiteral("/switch"), stored + '\n');
    // Options 2 and 3 want automatic changes disabled, the others want them on.
    QCOMPARE(IsDaylightSwitchApplied(option), stored.endsWith("=1") == (option >= 2));
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
    QCOMPARE(spy.count(), 1);

    // A link made, a link to another zone put in its place, a plain file in place of the link.
    for (int round = 2; round <= 4; ++round) {
        ReplaceFile(zone, "zone", round < 4 ? root.filePath(round == 2 ? "Sydney" : "Denver") : "");
        QTRY_COMPARE(spy.count(), round);
        // Every step of the replacement has arrived by now: still one notice.
        QTest::qWait(2 * CTimeChangeWatcher::SettleMs);
        QCOMPARE(spy.count(), round);
    }
    // Other files of the folder are no concern.
    ReplaceFile(etc + QStringLiteral("/resolv.conf"), "nameserver");
    QTest::qWait(3 * CTimeChangeWatcher::SettleMs);
    QCOMPARE(spy.count(), 4);

    WriteText(zone, "zone edited in place");
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
