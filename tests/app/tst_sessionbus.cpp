#include "app/sessionbusprobe.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The short check of the session bus before the program starts: a bus that takes connections
// and never answers is told from one that answers, and from none at all, without a long wait.
class TestSessionBus final : public QObject
{
    Q_OBJECT

private slots:
    void probe_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<bool>("answers");
        QTest::newRow("real bus") << QByteArray("bus") << true;
        QTest::newRow("silent listener") << QByteArray("silent") << false;
        QTest::newRow("silent, abstract name") << QByteArray("abstract") << false;
        QTest::newRow("no socket") << QByteArray("missing") << true;
        QTest::newRow("other transport") << QByteArray("tcp") << true;
    }

    void probe()
    {
        QFETCH(QByteArray, kind);
        QFETCH(bool, answers);
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("bus")));
        QByteArray address = "unix:path=" + path;
        QProcess daemon;
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        auto closeListener = qScopeGuard([&] { ::close(listener); });
        if (kind == "bus") {
            daemon.start(QStringLiteral("dbus-daemon"),
                         {QStringLiteral("--session"), QStringLiteral("--nofork"),
                          QStringLiteral("--print-address=1"),
                          QStringLiteral("--address=") + QString::fromLocal8Bit(address)});
            QVERIFY(daemon.waitForReadyRead(10000));
        } else if (kind == "silent" || kind == "abstract") {
            sockaddr_un where{};
            where.sun_family = AF_UNIX;
            QByteArray name = path;
            if (kind == "abstract") {
                name = "orbiclock-test-" + QByteArray::number(getpid());
                address = "unix:abstract=" + name + ",guid=0";
            }
            // An abstract name follows a NUL and is exactly as long as it is.
            std::memcpy(where.sun_path + (kind == "abstract"), name.constData(), name.size());
            const socklen_t length = offsetof(sockaddr_un, sun_path) + 1 + name.size();
            QCOMPARE(::bind(listener, reinterpret_cast<sockaddr *>(&where), length), 0);
            QCOMPARE(::listen(listener, 4), 0);
        } else if (kind == "tcp") {
            address = "tcp:host=localhost,port=1";
        }
        QElapsedTimer taken;
        taken.start();
        QCOMPARE(SessionBusAnswers(address, 500), answers);
        QVERIFY(taken.elapsed() < 1000);
        daemon.kill();
        daemon.waitForFinished();
    }
};

QTEST_APPLESS_MAIN(TestSessionBus)
#include "tst_sessionbus.moc"
