#include "app/maindialog.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "home/setcountrypage.h"
#include "home/setdaylightpage.h"
#include "home/sethomesheet.h"
#include "home/zonestore.h"
#include "zones/countrytable.h"
#include "zones/timesource.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <functional>

namespace {

constexpr int NewSouthWales = 17;

QTreeWidgetItem *EntryItem(QTreeWidget *tree, int index)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->childCount() == 0 && (*it)->data(0, Qt::UserRole).toInt() == index)
            return *it;
    }
    return nullptr;
}

// Calls act once the Set Home sheet is the modal window; gives up after about two seconds.
void WhenSheetOpens(QObject *context, std::function<void(CSetHomeSheet *)> act, int tries = 100)
{
    QTimer::singleShot(20, context, [context, act, tries] {
        if (auto *sheet = qobject_cast<CSetHomeSheet *>(QApplication::activeModalWidget())) {
            act(sheet);
        } else if (tries > 0) {
            WhenSheetOpens(context, act, tries - 1);
        }
    });
}

} // namespace

// The first start of the program, as a person meets it: no settings, so the Set Home sheet
// opens by itself; the choice made there reaches the settings file, the zone store and the
// home clocks.
class TestFirstStart final : public QObject
{
    Q_OBJECT

private slots:
    void chooseHomeOnFirstStart();
};

void TestFirstStart::chooseHomeOnFirstStart()
{
    SetProcessTimeZone("UTC0");
    // 15 January 2026, 01:00 GMT: summer in New South Wales, 12:00 there (GMT+11).
    const FixedTimeSource now(DaysFromCivil(2026, 1, 15) * 86400 + 3600);
    ScopedTimeSource clock(&now);

    CMainDialog dialog;
    dialog.SetExitQuestion([](QWidget *, const QString &) { return true; });

    bool sheetSeen = false;
    bool leftWithoutHome = false;
    WhenSheetOpens(&dialog, [&](CSetHomeSheet *sheet) {
        sheetSeen = true;
        // Without a home there is no way out but OK, and OK waits for an entry.
        QVERIFY(!sheet->CancelButton()->isEnabled());
        QVERIFY(!sheet->OkButton()->isEnabled());
        sheet->close();
        leftWithoutHome = !sheet->isVisible();

        QTreeWidget *tree = sheet->CountryPage()->Tree();
        QTreeWidgetItem *item = EntryItem(tree, NewSouthWales);
        QVERIFY(item);
        tree->setCurrentItem(item);
        QVERIFY(sheet->OkButton()->isEnabled());

        sheet->TabWidget()->setCurrentIndex(1);
        QWidget *page = sheet->DaylightPage();
        auto *own = page->findChild<QRadioButton *>(QStringLiteral("ownDatesRadio"));
        QTest::mouseClick(own, Qt::LeftButton);
        // Begin on the 1st Sunday of October instead of the table's last.
        page->findChild<QComboBox *>(QStringLiteral("startWeekCombo"))->setCurrentIndex(0);
        sheet->OkButton()->click();
        QTimer::singleShot(50, &dialog, [&dialog] { dialog.done(QDialog::Rejected); });
    });
    // Should the sheet never open or never close, end both runs rather than hang.
    QTimer::singleShot(15000, &dialog, [&dialog] {
        if (auto *sheet = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            sheet && sheet != &dialog)
            sheet->done(QDialog::Rejected);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(QDialog::Rejected); });
    });
    dialog.DoModal();

    QVERIFY(sheetSeen);
    QVERIFY(!leftWithoutHome);
    QCOMPARE(dialog.HomeIndex(), NewSouthWales);

    // The settings file.
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brambleway"),
                    QStringLiteral("Orbiclock"));
    const auto value = [&](const char *key) {
        return store.value(QLatin1String(key)).toInt();
    };
    QCOMPARE(value("Home Country/Home Country"), NewSouthWales);
    QCOMPARE(value("Home Country/Daylight Saving Option"), 0);
    QCOMPARE(value("Home Country/Use User Daylight Dates"), 1);
    QCOMPARE(value("Home Country/Daylight Week Start"), 0);
    QCOMPARE(value("Home Country/Daylight Month Start"), 9);
    QCOMPARE(value("Home Country/Daylight Day of Week Start"), 0);
    QCOMPARE(value("Home Country/Daylight Week End"), 0);
    QCOMPARE(value("Home Country/Daylight Month End"), 2);
    QCOMPARE(value("Home Country/Daylight Day of Week End"), 0);

    // The zone store: the home's record with the user's dates, automatic changes allowed.
    const CZoneStore zones;
    const std::optional<TimeZoneInformation> record = zones.ReadRecord();
    QVERIFY(record);
    QCOMPARE(record->bias, -600);
    QCOMPARE(record->standardName, QStringLiteral("GMT+10:00 - Australia Std Time"));
    QCOMPARE(record->daylightName, QStringLiteral("GMT+10:00 - Australia DS Time"));
    QCOMPARE(record->daylightBias, -60);
    QCOMPARE(record->daylightDate.month, 10);
    QCOMPARE(record->daylightDate.day, 1);
    QCOMPARE(record->daylightDate.dayOfWeek, 0);
    QCOMPARE(record->daylightDate.hour, 2);
    QCOMPARE(record->standardDate.month, 3);
    QCOMPARE(record->standardDate.day, 1);
    QCOMPARE(record->standardDate.dayOfWeek, 0);
    QCOMPARE(zones.ReadSwitch(), 0);

    // The home clocks show New South Wales summer time.
    CClockCtrl *homeTime = dialog.HomeTimeClock();
    QVERIFY(homeTime);
    homeTime->Refresh();
    QVERIFY2(homeTime->GetText().startsWith(QStringLiteral("12:00")),
             qPrintable(homeTime->GetText()));
}

QTEST_MAIN(TestFirstStart)
#include "tst_firststart.moc"
