#include "home/daylightoption.h"
#include "home/hometimezone.h"
#include "home/zonestore.h"
#include "zones/timesource.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace {

constexpr int NewSouthWales = 17;
constexpr int Queensland = 20; // +10, no rule
constexpr int UsEastern = 328;

void WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

} // namespace

class TestHomeTimeZone final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void applyMakesLocalTimeHomeTime_data();
    void applyMakesLocalTimeHomeTime();
    void recordReadsBackAsWritten();
    void appliedCheck();
    void damagedRecordIsNotApplied_data();
    void damagedRecordIsNotApplied();
    void daylightSwitch_data();
    void daylightSwitch();
    void adjustTimeStartsFirstInstalledTool();
};

void TestHomeTimeZone::init()
{
    QDir(CZoneStore().Folder()).removeRecursively();
    SetProcessTimeZone("UTC0");
}

void TestHomeTimeZone::cleanupTestCase()
{
    SetProcessTimeZone("UTC0");
}

void TestHomeTimeZone::applyMakesLocalTimeHomeTime_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("utc");   // an instant
    QTest::addColumn<QString>("local"); // home time then
    QTest::newRow("NSW summer auto") << NewSouthWales << int(DaylightAuto) << "2025-01-15T00:00:00"
                                     << "2025-01-15T11:00:00";
    QTest::newRow("NSW winter auto") << NewSouthWales << int(DaylightAuto) << "2025-07-15T00:00:00"
                                     << "2025-07-15T10:00:00";
    QTest::newRow("NSW summer by hand")
        << NewSouthWales << int(DaylightByHand) << "2025-01-15T00:00:00"
        << "2025-01-15T10:00:00";
    QTest::newRow("NSW summer not adjusted")
        << NewSouthWales << int(DaylightNotAdjusted) << "2025-01-15T00:00:00"
        << "2025-01-15T10:00:00";
    QTest::newRow("US Eastern summer") << UsEastern << int(DaylightAuto) << "2025-07-04T12:00:00"
                                       << "2025-07-04T08:00:00";
    QTest::newRow("Newfoundland winter") << 70 << int(DaylightAuto) << "2025-01-01T00:00:00"
                                         << "2024-12-31T20:30:00";
    QTest::newRow("Nepal") << 214 << int(DaylightNone) << "2025-01-01T00:00:00"
                           << "2025-01-01T05:45:00";
}

void TestHomeTimeZone::applyMakesLocalTimeHomeTime()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(QString, utc);
    QFETCH(QString, local);

    QVERIFY(ApplyHomeTimeZone({home, option, false, {}}));
    QVERIFY(IsHomeTimeZoneApplied(home));
    const auto zone = BuildHomeTimeZone({home, option, false, {}});
    QCOMPARE(qgetenv("TZ").toStdString(), PosixRule(*zone, DaylightSwitchFor(option)));

    QDateTime instant = QDateTime::fromString(utc, Qt::ISODate);
    instant.setTimeSpec(Qt::UTC);
    std::tm fields{};
    QVERIFY(LocalTime(instant.toSecsSinceEpoch(), fields));
    const QString shown = QStringLiteral("%1-%2-%3T%4:%5:%6")
                              .arg(fields.tm_year + 1900)
                              .arg(fields.tm_mon + 1, 2, 10, QChar(u'0'))
                              .arg(fields.tm_mday, 2, 10, QChar(u'0'))
                              .arg(fields.tm_hour, 2, 10, QChar(u'0'))
                              .arg(fields.tm_min, 2, 10, QChar(u'0'))
                              .arg(fields.tm_sec, 2, 10, QChar(u'0'));
    QCOMPARE(shown, local);

    // The store holds a zone file any program can read, never the machine's own.
    QVERIFY(CZoneStore().ZoneFilePath().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    QFile file(CZoneStore().ZoneFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("TZif2"));
}

void TestHomeTimeZone::recordReadsBackAsWritten()
{
    const auto zone = BuildHomeTimeZone({243, DaylightNone, false, {}}); // Réunion, é
    QVERIFY(CZoneStore().WriteZone(*zone, 1));
    QCOMPARE(CZoneStore().ReadRecord(), zone);

    TimeZoneInformation odd;
    odd.bias = -345;
    odd.standardName = QStringLiteral("name = with equals");
    odd.daylightName = QStringLiteral("x");
    odd.daylightDate = {0, 10, 6, 5, 23, 59, 58, 999};
    QVERIFY(CZoneStore().WriteZone(odd, 0));
    QCOMPARE(CZoneStore().ReadRecord(), odd);
}

void TestHomeTimeZone::appliedCheck()
{
    QVERIFY(!IsHomeTimeZoneApplied(NewSouthWales)); // nothing written yet
    QVERIFY(IsHomeTimeZoneApplied(-1));             // no home: nothing to apply
    QVERIFY(!ApplyHomeTimeZone({-1, DaylightAuto, false, {}}));

    QVERIFY(ApplyHomeTimeZone({NewSouthWales, DaylightAuto, false, {}}));
    QVERIFY(IsHomeTimeZoneApplied(NewSouthWales));
    // Another home of the same bias, whoever wrote it, is left alone.
    QVERIFY(IsHomeTimeZoneApplied(Queensland));
    QVERIFY(!IsHomeTimeZoneApplied(UsEastern));

    TimeZoneInformation foreign = *BuildHomeTimeZone({NewSouthWales, DaylightAuto, false, {}});
    foreign.standardName = QStringLiteral("AEST");
    QVERIFY(CZoneStore().WriteZone(foreign, 0));
    QVERIFY(!IsHomeTimeZoneApplied(NewSouthWales));
}

void TestHomeTimeZone::damagedRecordIsNotApplied_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << QByteArray("Bias=-600\nStandardName=GMT+10:00 - Aus");
    QTest::newRow("garbage") << QByteArray("\x01\x02\xff\n\n==\n", 8);
    QTest::newRow("bias not a number")
        << QByteArray("Bias=ten\nStandardName=GMT\nStandardDate=0 0 0 0 0 0 0 0\n"
                      "StandardBias=0\nDaylightName=GMT\nDaylightDate=0 0 0 0 0 0 0 0\n"
                      "DaylightBias=0\n");
    QTest::newRow("date too short")
        << QByteArray("Bias=-600\nStandardName=GMT\nStandardDate=0 0 0\n"
                      "StandardBias=0\nDaylightName=GMT\nDaylightDate=0 0 0 0 0 0 0 0\n"
                      "DaylightBias=0\n");
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

void TestHomeTimeZone::daylightSwitch_data()
{
    QTest::addColumn<QByteArray>("stored"); // null: no switch file
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("applied");
    const QList<std::pair<const char *, QByteArray>> stored = {
        {"missing", QByteArray()},
        {"0", QByteArray("DisableAutoDaylightTimeSet=0\n")},
        {"1", QByteArray("DisableAutoDaylightTimeSet=1\n")},
        {"garbled", QByteArray("DisableAutoDaylightTimeSet=yes\n")},
    };
    for (const auto &[name, content] : stored) {
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

void TestHomeTimeZone::adjustTimeStartsFirstInstalledTool()
{
    const QByteArray savedPath = qgetenv("PATH");
    auto restore = qScopeGuard([&] { qputenv("PATH", savedPath); });
    QTemporaryDir bin;
    qputenv("PATH", QFile::encodeName(bin.path()));
    QVERIFY(FindDateTimeTool().program.isEmpty());
    QVERIFY(!AdjustTime()); // nothing installed: nothing happens, nothing is reported

    // Two of the tools; the one earlier in the list wins and gets its argument.
    const QString marker = bin.filePath(QStringLiteral("started"));
    for (const char *tool : {"kcmshell5", "mate-time-admin"}) {
        const QString path = bin.filePath(QString::fromLatin1(tool));
        WriteText(path, "#!/bin/sh\necho \"$0 $*\" > '" + QFile::encodeName(marker) + "'\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    const DateTimeTool tool = FindDateTimeTool();
    QCOMPARE(QFileInfo(tool.program).fileName(), QStringLiteral("kcmshell5"));
    QCOMPARE(tool.arguments, QStringList{QStringLiteral("clock")});
    QVERIFY(AdjustTime());
    const auto startedWith = [&] {
        QFile started(marker);
        return started.open(QIODevice::ReadOnly) ? started.readAll() : QByteArray();
    };
    QTRY_VERIFY(startedWith().contains("kcmshell5 clock"));
}

QTEST_GUILESS_MAIN(TestHomeTimeZone)
#include "tst_hometimezone.moc"
