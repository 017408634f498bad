#include "home/timechangewatcher.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

// As tools do: a new file renamed over the old one (the old file's watch is lost).
void ReplaceFile(const QString &path, const QByteArray &content)
{
    const QString aside = path + QStringLiteral(".new");
    QFile file(aside);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QVERIFY(::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData()) ==
            0);
}

void ReplaceLink(const QString &path, const QString &target)
{
    const QString aside = path + QStringLiteral(".link");
    QVERIFY(QFile::link(target, aside));
    QVERIFY(::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData()) ==
            0);
}

} // namespace

class TestTimeChangeWatcher final : public QObject
{
    Q_OBJECT

private slots:
    void zoneFileChangesAreOneNoticeEach();
    void replacedLinkNoticed();
    void folderMadeAgainIsWatchedAgain();
    void clockJumpIsOneNotice();
};

void TestTimeChangeWatcher::zoneFileChangesAreOneNoticeEach()
{
    QTemporaryDir etc;
    const QString zone = etc.filePath(QStringLiteral("localtime"));
    CTimeChangeWatcher watcher(zone); // no zone file yet
    QSignalSpy spy(&watcher, &CTimeChangeWatcher::TimeChanged);
    for (int round = 1; round <= 3; ++round) {
        ReplaceFile(zone, "zone " + QByteArray::number(round));
        QTRY_COMPARE(spy.count(), round);
        // Every step of the replacement has arrived by now: still one notice.
        QTest::qWait(2 * CTimeChangeWatcher::SettleMs);
        QCOMPARE(spy.count(), round);
    }
    // Other files of the folder are no concern.
    ReplaceFile(etc.filePath(QStringLiteral("resolv.conf")), "nameserver");
    QTest::qWait(3 * CTimeChangeWatcher::SettleMs);
    QCOMPARE(spy.count(), 3);

    // Edited in place.
    QFile file(zone);
    QVERIFY(file.open(QIODevice::Append));
    file.write(" edited");
    file.close();
    QTRY_COMPARE(spy.count(), 4);
}

void TestTimeChangeWatcher::replacedLinkNoticed()
{
    QTemporaryDir etc;
    const QString zone = etc.filePath(QStringLiteral("localtime"));
    const QString sydney = etc.filePath(QStringLiteral("Sydney"));
    const QString denver = etc.filePath(QStringLiteral("Denver"));
    ReplaceFile(sydney, "s");
    ReplaceFile(denver, "d");
    ReplaceLink(zone, sydney);
    CTimeChangeWatcher watcher(zone);
    QSignalSpy spy(&watcher, &CTimeChangeWatcher::TimeChanged);

    ReplaceLink(zone, denver);
    QTRY_COMPARE(spy.count(), 1);
    ReplaceLink(zone, sydney);
    QTRY_COMPARE(spy.count(), 2);
}

void TestTimeChangeWatcher::folderMadeAgainIsWatchedAgain()
{
    QTemporaryDir root;
    const QString etc = root.filePath(QStringLiteral("etc"));
    const QString zone = etc + QStringLiteral("/localtime");
    QVERIFY(QDir().mkpath(etc));
    ReplaceFile(zone, "first");
    CTimeChangeWatcher watcher(zone);
    QSignalSpy spy(&watcher, &CTimeChangeWatcher::TimeChanged);
    for (int round = 1; round <= 3; ++round) {
        // Gone long enough for the watcher to look while the folder is missing.
        QVERIFY(QDir(etc).removeRecursively());
        QTRY_COMPARE(spy.count(), 2 * round - 1);
        QVERIFY(QDir().mkpath(etc));
        ReplaceFile(zone, "zone " + QByteArray::number(round));
        QTRY_COMPARE(spy.count(), 2 * round);
    }
}

void TestTimeChangeWatcher::clockJumpIsOneNotice()
{
    QTemporaryDir etc;
    SeamWatcher watcher(etc.filePath(QStringLiteral("localtime")));
    QVERIFY(watcher.IsClockWatchArmed());
    QSignalSpy spy(&watcher, &CTimeChangeWatcher::TimeChanged);

    watcher.next = SeamWatcher::TimerRead::ClockSet;
    watcher.OnClockTimerReadable();
    QCOMPARE(spy.count(), 1);
    QVERIFY(watcher.IsClockWatchArmed()); // armed again for the next jump

    watcher.next = SeamWatcher::TimerRead::Expired;
    watcher.OnClockTimerReadable();
    watcher.next = SeamWatcher::TimerRead::Nothing;
    watcher.OnClockTimerReadable();
    QCOMPARE(spy.count(), 1);
    QVERIFY(watcher.IsClockWatchArmed());
    QCOMPARE(watcher.reads, 3);
}

QTEST_GUILESS_MAIN(TestTimeChangeWatcher)
#include "tst_timechangewatcher.moc"
