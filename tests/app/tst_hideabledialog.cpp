#include "app/hideabledialog.h"

#include <QTest>
#include <QTimer>

namespace {

// Records what the window looked like while its loop ran, then ends it from the loop.
class Probe final : public CHideableDialog
{
public:
    int endDuringInit = -1;
    int initCalls = 0;
    bool visibleInLoop = false;
    bool loopRan = false;

protected:
    void OnInitDialog() override
    {
        ++initCalls;
        if (endDuringInit >= 0) {
            done(endDuringInit);
            return;
        }
        QTimer::singleShot(0, this, [this] {
            loopRan = true;
            visibleInLoop = isVisible();
            done(7);
        });
    }
};

} // namespace

class TestHideableDialog final : public QObject
{
    Q_OBJECT

private slots:
    void visibility_data();
    void visibility();
    void endedDuringInitialisation();
    void showAndHideWhileRunning();
};

void TestHideableDialog::visibility_data()
{
    QTest::addColumn<bool>("visibleAtStart");
    QTest::newRow("shown at start") << true;
    QTest::newRow("hidden at start") << false;
}

void TestHideableDialog::visibility()
{
    QFETCH(bool, visibleAtStart);
    Probe dialog;
    dialog.SetVisibleAtStart(visibleAtStart);
    QCOMPARE(dialog.DoModal(), 7);
    QCOMPARE(dialog.initCalls, 1);
    QVERIFY(dialog.loopRan);
    QCOMPARE(dialog.visibleInLoop, visibleAtStart);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.IsRunning());
}

void TestHideableDialog::endedDuringInitialisation()
{
    Probe dialog;
    dialog.endDuringInit = 3;
    QCOMPARE(dialog.DoModal(), 3);
    QVERIFY(!dialog.loopRan);
}

void TestHideableDialog::showAndHideWhileRunning()
{
    // Hiding the window is not the end of its run; only done() is.
    CHideableDialog dialog;
    dialog.SetVisibleAtStart(false);
    bool stillRunning = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.show();
        dialog.hide();
        dialog.show();
        QTimer::singleShot(0, &dialog, [&] {
            stillRunning = dialog.IsRunning() && dialog.isVisible();
            dialog.accept();
        });
    });
    QCOMPARE(dialog.DoModal(), int(QDialog::Accepted));
    QVERIFY(stillRunning);
}

QTEST_MAIN(TestHideableDialog)
#include "tst_hideabledialog.moc"
