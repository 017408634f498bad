#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The program itself, as a terminal runs it.
class TestCommandLine final : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void TestCommandLine::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    // Patterns of standard output and standard error (where Qt may add warnings of its own).
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--help")
        << QStringList{"--help"} << 0
        << "(?s)^Usage: \\S*orbiclock \\[options\\]\n.*--version.*--new-instance"
        << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << "^orbiclock " ORBICLOCK_VERSION "\n$"
                               << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << "^$"
                                    << "(?m)^orbiclock: Unknown option 'frobnicate'.\nTry "
                                       "'orbiclock --help' for more information.\n$";
    QTest::newRow("an argument") << QStringList{"Sydney"} << 2 << "^$"
                                 << "(?m)^orbiclock: unexpected argument 'Sydney'.\nTry";
}

void TestCommandLine::answers()
{
    QFETCH(QStringList, arguments);
    QProcess program;
    program.start(QStringLiteral(ORBICLOCK_BINARY), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QTEST(program.exitCode(), "status");
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(QRegularExpression(out).match(stdOut).hasMatch(), qPrintable(stdOut));
    QVERIFY2(QRegularExpression(err).match(stdErr).hasMatch(), qPrintable(stdErr));
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
