#include "app/trayicon.h"

#include <QSignalSpy>
#include <QTest>

class TestTrayIcon final : public QObject
{
    Q_OBJECT

private slots:
    void tip_data();
    void tip();
    void notifications_data();
    void notifications();
    void visibility();
    void availabilityOverride();
};

void TestTrayIcon::tip_data()
{
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("shown");
    const QString long64 = QString(60, QLatin1Char('x')) + QStringLiteral("abcd");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("short") << QStringLiteral("Germany 10:09:08")
                           << QStringLiteral("Germany 10:09:08");
    QTest::newRow("exactly 63") << QString(63, QLatin1Char('y')) << QString(63, QLatin1Char('y'));
    QTest::newRow("64 cut to 63") << long64 << long64.left(63);
    QTest::newRow("accents count as one") << QString(62, QLatin1Char('z')) + QStringLiteral("éé")
                                          << QString(62, QLatin1Char('z')) + QStringLiteral("é");
}

void TestTrayIcon::tip()
{
    QFETCH(QString, tip);
    CTrayIcon icon;
    icon.Create(false, 101, QStringLiteral("Orbiclock"));
    QCOMPARE(icon.ShownTip(), QStringLiteral("Orbiclock"));
    icon.SetTip(tip);
    QCOMPARE(icon.Tip(), tip);
    QTEST(icon.ShownTip(), "shown");
}

void TestTrayIcon::notifications_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("click") << NM_CLICK;
    QTest::newRow("double-click") << NM_DBLCLK;
    QTest::newRow("right click") << NM_RCLICK;
}

void TestTrayIcon::notifications()
{
    QFETCH(int, code);
    CTrayIcon icon;
    icon.Create(true, 101, QStringLiteral("Orbiclock"));
    QSignalSpy spy(&icon, &CTrayIcon::Notify);
    icon.SendNotify(code);
    QCOMPARE(spy.count(), 1);
    const auto notify = spy.at(0).at(0).value<PanelNotify>();
    QCOMPARE(notify.idFrom, 101);
    QCOMPARE(notify.code, code);
}

void TestTrayIcon::visibility()
{
    CTrayIcon icon;
    QVERIFY(!icon.IsShown());
    icon.SetVisible(true); // nothing to show before Create
    QVERIFY(!icon.IsShown());
    QVERIFY(icon.Create(true, 101, QStringLiteral("Orbiclock")));
    QVERIFY(icon.IsShown());
    icon.SetVisible(false);
    QVERIFY(!icon.IsShown());
    icon.SetVisible(true);
    QVERIFY(icon.IsShown());
}

void TestTrayIcon::availabilityOverride()
{
    CTrayIcon::SetAvailabilityForTesting(true);
    QVERIFY(CTrayIcon::IsAvailable());
    CTrayIcon::SetAvailabilityForTesting(false);
    QVERIFY(!CTrayIcon::IsAvailable());
    CTrayIcon::SetAvailabilityForTesting(std::nullopt);
}

QTEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
