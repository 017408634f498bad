// SPDX-License-Identifier: MIT

#include "countries/countrytree.h"
#include "home/daylightoption.h"
#include "home/setcountrypage.h"
#include "home/setdaylightpage.h"
#include "home/sethomesheet.h"
#include "zones/timesource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int Admiralty = 0; // no daylight saving
constexpr int NewSouthWales = 17;
constexpr int Victoria = 18;
constexpr int Austria = 22; // last Sunday of March to last Sunday of September

const char *const OptionRadios[] = {"optionAutoRadio", "optionByHandRadio",
                                    "optionNotAdjustedRadio", "optionNoneRadio"};
const char *const Combos[] = {"startWeekCombo", "startMonthCombo", "startDayCombo",
                              "endWeekCombo",   "endMonthCombo",   "endDayCombo"};
const QStringList NoDates{"", "", "", "", "", ""};

struct SheetFixture
{
    explicit SheetFixture(int home, int option = DaylightAuto, bool ownDates = false,
                          OwnDaylightDates dates = {}, bool database = true)
    {
        sheet.SetValues({home, 2, option, ownDates, dates, database});
        sheet.show();
    }

    QTreeWidget *Tree() const { return sheet.CountryPage()->Tree(); }

    // A single entry's item (a leaf: regions and countries with parts have children).
    void Choose(int index) const
    {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            if ((*it)->childCount() == 0 && (*it)->data(0, Qt::UserRole).toInt() == index)
                return Tree()->setCurrentItem(*it);
        QFAIL("no such entry");
    }
    void ShowCountryPage() const { sheet.TabWidget()->setCurrentIndex(0); }
    void ShowDaylightPage() const { sheet.TabWidget()->setCurrentIndex(1); }

    QRadioButton *Radio(const char *name) const
    {
        return sheet.DaylightPage()->findChild<QRadioButton *>(QString::fromLatin1(name));
    }
    QComboBox *Combo(const char *name) const
    {
        return sheet.DaylightPage()->findChild<QComboBox *>(QString::fromLatin1(name));
    }
    // Radios by name; "edit" makes the own dates 1st Sunday of September to 1st Saturday of
    // March (from the southern home's own rule); "database" ticks the mode's box.
    void Do(const QStringList &clicks) const
    {
        for (const QString &click : clicks) {
            if (click == u"edit") {
                Combo("startWeekCombo")->setCurrentIndex(0);
                Combo("startMonthCombo")->setCurrentIndex(8);
                Combo("endDayCombo")->setCurrentIndex(6);
            } else if (click == u"database") {
                QTest::mouseClick(sheet.DaylightPage()->findChild<QCheckBox *>(
                                      QStringLiteral("timeZoneDatabaseBox")),
                                  Qt::LeftButton);
            } else {
                QTest::mouseClick(Radio(qPrintable(click)), Qt::LeftButton);
            }
        }
    }
    // "1110/1/0 2": the four option radios, the dates radios, the six combos ('?' if mixed), then
    // the checked option.
    QString Enabled() const
    {
        QString options;
        QString checked = QStringLiteral(" -");
        for (int i = 0; i < 4; ++i) {
            options += Radio(OptionRadios[i])->isEnabled() ? u'1' : u'0';
            if (Radio(OptionRadios[i])->isChecked())
                checked = u' ' + QString::number(i);
        }
        const bool dates = Radio("defaultDatesRadio")->isEnabled();
        int combos = 0;
        for (const char *name : Combos)
            combos += Combo(name)->isEnabled() ? 1 : 0;
        const QChar combosState = combos == 0 ? u'0' : combos == 6 ? u'1' : u'?';
        return options + u'/' + (dates ? u'1' : u'0') + u'/' + combosState + checked;
    }
    QString Title(const char *box) const
    {
        return sheet.DaylightPage()->findChild<QGroupBox *>(QString::fromLatin1(box))->title();
    }
    QStringList ComboTexts() const
    {
        QStringList texts;
        for (const char *name : Combos)
            texts << Combo(name)->currentText();
        return texts;
    }

    mutable CSetHomeSheet sheet;
};

} // namespace

class TestSetHomeSheet final : public QObject
{
    Q_OBJECT

private slots:
    void daylightPageFollowsTheHome_data();
    void daylightPageFollowsTheHome();
    void valuesAfterOk_data();
    void valuesAfterOk();
    void noWayOutWithoutAHome();
    void datesOfTheMode_data();
    void datesOfTheMode();

private:
    FixedTimeSource m_clock{1782907200}; // 2026-07-01 12:00:00 GMT
    ScopedTimeSource m_scopedClock{&m_clock};
};

void TestSetHomeSheet::daylightPageFollowsTheHome_data()
{
    QTest::addColumn<int>("entry"); // -1: the node of Australia, a country with parts
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QStringList>("combos");
    // The same home chosen again, by the tree or the Find sheet, keeps the edits.
    // clang-format off
    QTest::newRow("same home") << Victoria << "1110/0/0 2" << QStringList{"1st", "Sep", "Sun", "1st", "Mar", "Sat"};
    QTest::newRow("home without a rule") << Admiralty << "0001/0/0 3" << NoDates;
    // The database's next start and end, 4 October 2026 and 4 April 2027.
    QTest::newRow("southern rule") << NewSouthWales << "1110/1/0 0" << QStringList{"1st", "Oct", "Sun", "1st", "Apr", "Sun"};
    QTest::newRow("country with parts") << -1 << "0000/0/0 3" << NoDates;
    // clang-format on
}

void TestSetHomeSheet::daylightPageFollowsTheHome()
{
    QFETCH(int, entry);
    QFETCH(QString, enabled);
    QFETCH(QStringList, combos);

    // Leftovers of the earlier home must not survive the change.
    SheetFixture f(Victoria, DaylightByHand, true, {0, 8, 0, 0, 2, 6});
    f.ShowDaylightPage();
    f.Do({"optionNotAdjustedRadio"});
    f.ShowCountryPage();
    if (entry >= 0) {
        f.Choose(entry);
        f.sheet.OnHomeChosen(entry);
    } else {
        f.Tree()->setCurrentItem(
            f.Tree()->findItems("Australia", Qt::MatchExactly | Qt::MatchRecursive).value(0));
    }
    QCOMPARE(f.sheet.OkButton()->isEnabled(), entry >= 0);
    QCOMPARE(f.sheet.m_nChosenHome, entry);
    f.ShowDaylightPage();
    QCOMPARE(f.Enabled(), enabled);
    QCOMPARE(f.Radio("defaultDatesRadio")->isChecked(), entry != Victoria);
    QCOMPARE(f.ComboTexts(), combos);
}

void TestSetHomeSheet::valuesAfterOk_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<QList<int>>("stored");  // option, own dates?, then the six dates
    QTest::addColumn<QStringList>("clicks"); // radios, or "edit" for the dates
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("own");
    QTest::addColumn<OwnDaylightDates>("dates");

    const QList<int> plain{0, 0, -1, -1, -1, -1, -1, -1};
    const OwnDaylightDates nsw{4, 9, 0, 0, 2, 0};
    const OwnDaylightDates edited{0, 8, 0, 0, 2, 6};
    const QStringList own{"ownDatesRadio", "edit"};
    auto row = [&](const char *name, int home, const QList<int> &stored, const QStringList &clicks,
                   const char *enabled, int option, bool useOwn, OwnDaylightDates dates) {
        QTest::newRow(name) << home << stored << clicks << QString(enabled) << option << useOwn
                            << dates;
    };
    // clang-format off
    row("table dates", NewSouthWales, plain, {"defaultDatesRadio"}, "1110/1/0 0", 0, false, nsw);
    row("own dates", NewSouthWales, plain, own, "1110/1/1 0", 0, true, edited);
    row("by hand", NewSouthWales, plain, {"optionByHandRadio"}, "1110/0/0 1", 1, false, nsw);
    // The dates choice survives a detour and comes back with automatic handling.
    row("own dates, by hand, auto again", NewSouthWales, plain, own + QStringList{"optionByHandRadio", "optionAutoRadio"}, "1110/1/1 0", 0, true, edited);
    // Stored values that do not fit the home or the lists are put right, one row for each kind.
    const OwnDaylightDates aprToOct{0, 3, 1, 4, 9, 0};
    row("stored, fits", Austria, {1, 1, 0, 3, 1, 4, 9, 0}, {}, "1110/0/0 1", 1, true, aprToOct);
    row("stored option out of range", Austria, {9, 0, 0, 3, 1, 4, 9, 0}, {}, "1110/1/0 0", 0, false, aprToOct);
    row("stored dates out of their lists", Austria, {0, 1, 0, 12, 1, 4, 9, 0}, {}, "1110/1/1 0", 0, true, OwnDaylightDates{4, 2, 0, 4, 8, 0});
    row("stored auto for a home without a rule", Admiralty, {0, 1, 0, 3, 1, 4, 9, 0}, {}, "0001/0/0 3", 3, true, OwnDaylightDates{});
    // clang-format on
}

void TestSetHomeSheet::valuesAfterOk()
{
    QFETCH(int, home);
    QFETCH(QList<int>, stored);
    QFETCH(QStringList, clicks);
    QFETCH(QString, enabled);
    QFETCH(int, option);
    QFETCH(bool, own);
    QFETCH(OwnDaylightDates, dates);

    // The table's dates, which do not move with the year.
    SheetFixture f(home, stored[0], stored[1] != 0,
                   {stored[2], stored[3], stored[4], stored[5], stored[6], stored[7]}, false);
    f.ShowDaylightPage();
    f.Do(clicks);
    QCOMPARE(f.Enabled(), enabled);
    // Leaving the page and coming back shows the same; OK from the page takes what it shows.
    f.ShowCountryPage();
    f.ShowDaylightPage();
    QCOMPARE(f.Enabled(), enabled);
    f.sheet.OkButton()->click();
    QCOMPARE(f.sheet.result(), int(QDialog::Accepted));

    const SetHomeValues values = f.sheet.GetValues();
    QCOMPARE(values.homeIndex, home);
    QCOMPARE(values.daylightOption, option);
    QCOMPARE(values.useOwnDaylightDates, own);
    QCOMPARE(values.ownDates, dates);
}

void TestSetHomeSheet::noWayOutWithoutAHome()
{
    SheetFixture f(-1);
    QVERIFY(!f.sheet.OkButton()->isEnabled());
    QVERIFY(!f.sheet.CancelButton()->isEnabled());
    QVERIFY(!f.sheet.close());
    QTest::keyClick(&f.sheet, Qt::Key_Escape);
    f.sheet.reject();
    QVERIFY(f.sheet.isVisible());

    f.Choose(Austria);
    QVERIFY(!f.sheet.CancelButton()->isEnabled());
    f.sheet.OkButton()->click();
    QCOMPARE(f.sheet.result(), int(QDialog::Accepted));
    QCOMPARE(f.sheet.GetValues().homeIndex, Austria);

    // With a home, Cancel and closing are the way out.
    SheetFixture g(Austria);
    QVERIFY(g.sheet.close());
    QCOMPARE(g.sheet.result(), int(QDialog::Rejected));
}

void TestSetHomeSheet::datesOfTheMode_data()
{
    QTest::addColumn<bool>("database");
    QTest::addColumn<QStringList>("clicks"); // radios, or "edit" for the own dates
    QTest::addColumn<QStringList>("combos");
    QTest::addColumn<QString>("titles");
    const QStringList table{"last", "Mar", "Sun", "last", "Sep", "Sun"};
    const QStringList database{"last", "Mar", "Sun", "last", "Oct", "Sun"};
    const QStringList edited{"1st", "Sep", "Sun", "last", "Oct", "Sat"};
    const QString plain = QStringLiteral("Begin daylight saving/End daylight saving");
    const QString next = QStringLiteral("Begins Sun 28 Mar 2027/Ends Sun 25 Oct 2026");
    const QStringList tried{"ownDatesRadio", "edit", "defaultDatesRadio"};
    // clang-format off
    QTest::newRow("table") << false << QStringList{} << table << plain;
    QTest::newRow("database") << true << QStringList{} << database << next;
    QTest::newRow("database, own dates tried, default again") << true << tried << database << next;
    QTest::newRow("own dates kept for a second try") << true << tried + QStringList{"ownDatesRadio"} << edited << plain;
    QTest::newRow("table, own dates tried, database") << false << tried + QStringList{"database"} << database << next;
    // clang-format on
}

// Austria in the summer of 2026: the table ends its summer time in September, the database in
// October. The default dates show the mode's; the own dates wait until chosen again.
void TestSetHomeSheet::datesOfTheMode()
{
    QFETCH(bool, database);
    QFETCH(QStringList, clicks);
    SheetFixture f(Austria, DaylightAuto, false, {}, database);
    f.ShowDaylightPage();
    f.Do(clicks);
    QTEST(f.ComboTexts(), "combos");
    QTEST(f.Title("beginBox") + u'/' + f.Title("endBox"), "titles");
}

QTEST_MAIN(TestSetHomeSheet)
#include "tst_sethomesheet.moc"
