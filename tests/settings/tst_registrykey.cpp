#include "settings/registrykey.h"

#include <QDateTime>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString Product = QStringLiteral("Software\\Brambleway\\Orbiclock");

QString StoreFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Brambleway/Orbiclock.conf");
}

} // namespace

class TestRegistryKey final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void openReportsCreation();
    void deleteTakesEverythingBelow();
    void failedReadKeepsValue_data();
    void failedReadKeepsValue();
    void valuesAreThirtyTwoBits();
    void badPaths_data();
    void badPaths();
};

void TestRegistryKey::init()
{
    QDir(QFileInfo(StoreFile()).path()).removeRecursively();
}

void TestRegistryKey::openReportsCreation()
{
    CRegistryKey key;
    int created = -1;
    QCOMPARE(key.Open(HKEY_CURRENT_USER, Product + QStringLiteral("\\A\\B"), &created),
             ERROR_SUCCESS);
    QCOMPARE(created, 1);
    QCOMPARE(key.Path(), Product + QStringLiteral("\\A\\B"));
    QCOMPARE(key.SetDword(QStringLiteral("V"), 7), ERROR_SUCCESS);
    QCOMPARE(key.Close(), ERROR_SUCCESS);
    QVERIFY(!key.IsOpen());
    QCOMPARE(key.SetDword(QStringLiteral("V"), 7), ERROR_INVALID_HANDLE);

    // A second object, as a later run sees the file.
    CRegistryKey again;
    QCOMPARE(again.Open(HKEY_CURRENT_USER, Product + QStringLiteral("\\A"), &created),
             ERROR_SUCCESS);
    QCOMPARE(created, 0); // holds a key
    QCOMPARE(again.Open(HKEY_CURRENT_USER, Product + QStringLiteral("\\A\\B"), &created),
             ERROR_SUCCESS);
    QCOMPARE(created, 0);
    std::int32_t value = 0;
    QCOMPARE(again.GetDword(QStringLiteral("V"), value), ERROR_SUCCESS);
    QCOMPARE(value, 7);
}

void TestRegistryKey::deleteTakesEverythingBelow()
{
    {
        CRegistryKey key;
        key.Open(HKEY_CURRENT_USER, Product + QStringLiteral("\\A\\B"));
        key.SetDword(QStringLiteral("V"), 1);
        key.Open(HKEY_CURRENT_USER, Product + QStringLiteral("\\C"));
        key.SetDword(QStringLiteral("W"), 2);
    }
    CRegistryKey key;
    QCOMPARE(key.DeleteKey(HKEY_CURRENT_USER, Product + QStringLiteral("\\A")), ERROR_SUCCESS);
    QCOMPARE(key.DeleteKey(HKEY_CURRENT_USER, Product + QStringLiteral("\\A")),
             ERROR_FILE_NOT_FOUND);
    QCOMPARE(key.Close(), ERROR_SUCCESS);
    QCOMPARE(QSettings(StoreFile(), QSettings::IniFormat).allKeys(), QStringList{"C/W"});

    QCOMPARE(key.DeleteKey(HKEY_CURRENT_USER, Product), ERROR_SUCCESS);
    QCOMPARE(key.Close(), ERROR_SUCCESS);
    QVERIFY(QSettings(StoreFile(), QSettings::IniFormat).allKeys().isEmpty());
}

void TestRegistryKey::failedReadKeepsValue_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<long>("result");
    QTest::newRow("missing") << QByteArray() << ERROR_FILE_NOT_FOUND;
    QTest::newRow("text") << QByteArray("V=red") << ERROR_INVALID_DATA;
    QTest::newRow("half a number") << QByteArray("V=12abc") << ERROR_INVALID_DATA;
    QTest::newRow("list") << QByteArray("V=1, 2") << ERROR_INVALID_DATA;
    QTest::newRow("33 bits") << QByteArray("V=4294967296") << ERROR_MORE_DATA;
    QTest::newRow("below -2^31") << QByteArray("V=-2147483649") << ERROR_MORE_DATA;
    QTest::newRow("endless digits") << QByteArray("V=123456789012345678901234") << ERROR_MORE_DATA;
    QTest::newRow("hex 33 bits") << QByteArray("V=0x100000000") << ERROR_MORE_DATA;
    QTest::newRow("five bytes") << QByteArray("V=@ByteArray(12345)") << ERROR_MORE_DATA;
    QTest::newRow("three bytes") << QByteArray("V=@ByteArray(123)") << ERROR_INVALID_DATA;
}

void TestRegistryKey::failedReadKeepsValue()
{
    QFETCH(QByteArray, stored);
    QFETCH(long, result);
    QDir().mkpath(QFileInfo(StoreFile()).path());
    QFile file(StoreFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[K]\nOther=1\n" + stored + "\n");
    file.flush();
    static int written = 0; // QSettings re-reads only a file whose size or time changed
    file.setFileTime(QDateTime::currentDateTime().addSecs(-1000 + ++written),
                     QFileDevice::FileModificationTime);
    file.close();

    CRegistryKey key;
    QCOMPARE(key.Open(HKEY_CURRENT_USER, Product + QStringLiteral("\\K")), ERROR_SUCCESS);
    std::uint32_t value = 0xDEADBEEF;
    QCOMPARE(key.GetDword(QStringLiteral("V"), value), result);
    QCOMPARE(value, 0xDEADBEEFu);
}

void TestRegistryKey::valuesAreThirtyTwoBits()
{
    CRegistryKey key;
    key.Open(HKEY_CURRENT_USER, Product + QStringLiteral("\\K"));
    QCOMPARE(key.SetDword(QStringLiteral("Minus"), std::int32_t(-1)), ERROR_SUCCESS);
    QCOMPARE(key.SetDword(QStringLiteral("Colour"), std::uint32_t(0x00FF8040)), ERROR_SUCCESS);
    QCOMPARE(key.SetDword(QStringLiteral("Top"), std::uint32_t(0xFFFFFFFE)), ERROR_SUCCESS);
    QCOMPARE(key.Close(), ERROR_SUCCESS);
    QSettings raw(StoreFile(), QSettings::IniFormat);
    QCOMPARE(raw.value("K/Minus").toString(), QStringLiteral("-1"));
    QCOMPARE(raw.value("K/Colour").toString(), QStringLiteral("16744512"));

    key.Open(HKEY_CURRENT_USER, Product + QStringLiteral("\\K"));
    std::uint32_t u = 0;
    QCOMPARE(key.GetDword(QStringLiteral("Minus"), u), ERROR_SUCCESS);
    QCOMPARE(u, 0xFFFFFFFFu);
    std::int32_t i = 0;
    QCOMPARE(key.GetDword(QStringLiteral("Top"), i), ERROR_SUCCESS);
    QCOMPARE(i, -2);
    QCOMPARE(key.GetDword(QStringLiteral("Colour"), u), ERROR_SUCCESS);
    QCOMPARE(u, 0x00FF8040u);
}

void TestRegistryKey::badPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty") << QString();
    QTest::newRow("no application") << QStringLiteral("Software\\Brambleway");
    QTest::newRow("not Software") << QStringLiteral("System\\Brambleway\\Orbiclock");
    QTest::newRow("empty name") << QStringLiteral("Software\\Brambleway\\Orbiclock\\\\General");
    QTest::newRow("slash in a name") << QStringLiteral("Software\\Brambleway\\Orbiclock\\a/b");
}

void TestRegistryKey::badPaths()
{
    QFETCH(QString, path);
    CRegistryKey key;
    QCOMPARE(key.Open(HKEY_CURRENT_USER, path), ERROR_BAD_PATHNAME);
    QVERIFY(!key.IsOpen());
    QCOMPARE(key.DeleteKey(HKEY_CURRENT_USER, path), ERROR_BAD_PATHNAME);
}

QTEST_APPLESS_MAIN(TestRegistryKey)
#include "tst_registrykey.moc"
