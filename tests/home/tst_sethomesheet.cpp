#include "countries/countrytree.h"
#include "home/daylightoption.h"
#include "home/setcountrypage.h"
#include "home/setdaylightpage.h"
#include "home/sethomesheet.h"
#include "zones/countrytable.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
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

// The tree item of a single entry (a leaf: regions and countries with parts have children).
QTreeWidgetItem *EntryItem(QTreeWidget *tree, int index)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->childCount() == 0 && (*it)->data(0, Qt::UserRole).toInt() == index)
            return *it;
    }
    return nullptr;
}

// The node of the country "Australia", which holds its parts.
QTreeWidgetItem *CountryNode(QTreeWidget *tree, const QString &name)
{
    const auto found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem *item : found) {
        if (item->childCount() > 0)
            return item;
    }
    return nullptr;
}

struct SheetFixture
{
    explicit SheetFixture(int home, int option = DaylightAuto, bool ownDates = false,
                          OwnDaylightDates dates = {})
    {
        SetHomeValues values;
        values.homeIndex = home;
        values.daylightOption = option;
        values.useOwnDaylightDates = ownDates;
        values.ownDates = dates;
        values.landColour = 2;
        sheet.SetValues(values);
        sheet.show();
    }

    QTreeWidget *Tree() const { return sheet.CountryPage()->Tree(); }
    QWidget *DaylightPage() const { return sheet.DaylightPage(); }

    void Choose(int index) const
    {
        QTreeWidgetItem *item = EntryItem(Tree(), index);
        QVERIFY(item);
        Tree()->setCurrentItem(item);
    }
    void ShowCountryPage() const { sheet.TabWidget()->setCurrentIndex(0); }
    void ShowDaylightPage() const { sheet.TabWidget()->setCurrentIndex(1); }

    QRadioButton *Radio(const char *name) const
    {
        return DaylightPage()->findChild<QRadioButton *>(QString::fromLatin1(name));
    }
    QComboBox *Combo(const char *name) const
    {
        return DaylightPage()->findChild<QComboBox *>(QString::fromLatin1(name));
    }
    QString OptionsEnabled() const
    {
        QString result;
        for (const char *name : OptionRadios)
            result += Radio(name)->isEnabled() ? u'1' : u'0';
        return result;
    }
    int CheckedOption() const
    {
        for (int i = 0; i < 4; ++i)
            if (Radio(OptionRadios[i])->isChecked())
                return i;
        return -1;
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
    void opensOnTheHome();
    void homeWithoutDaylightSaving();
    void homeWithARule();
    void sameHomeKeepsEdits();
    void regionNodeResets_data();
    void regionNodeResets();
    void doubleClickEndsAsOk();
    void doubleClickOnANodeDoesNot();
    void findButton();
    void findPicksTheHome();
    void firstStart();
    void cancelChangesNothing();
    void valuesAfterOk_data();
    void valuesAfterOk();
    void storedValuesThatDoNotFit_data();
    void storedValuesThatDoNotFit();
};

void TestSetHomeSheet::opensOnTheHome()
{
    SheetFixture f(NewSouthWales, DaylightByHand);
    QCOMPARE(f.sheet.windowTitle(), QStringLiteral("Set Home Country"));
    QCOMPARE(f.sheet.TabWidget()->tabText(0), QStringLiteral("Country/Region"));
    QCOMPARE(f.sheet.TabWidget()->tabText(1), QStringLiteral("Daylight Saving"));
    QCOMPARE(f.sheet.CountryPage()->ChosenEntry(), NewSouthWales);
    QCOMPARE(f.sheet.CountryPage()->HomeNameEdit()->text(),
             QStringLiteral("New South Wales, Australia"));
    QVERIFY(f.sheet.OkButton()->isEnabled());
    QVERIFY(f.sheet.CancelButton()->isEnabled());
    QCOMPARE(f.sheet.FindButton()->text(), QStringLiteral("&Find Country"));
    QVERIFY(f.sheet.FindButton()->isEnabled());
    // Opening must not reset the stored handling to the home's defaults.
    f.ShowDaylightPage();
    QCOMPARE(f.CheckedOption(), int(DaylightByHand));
}

void TestSetHomeSheet::homeWithoutDaylightSaving()
{
    SheetFixture f(Austria);
    f.Choose(Admiralty);
    f.ShowDaylightPage();
    QCOMPARE(f.OptionsEnabled(), QStringLiteral("0001"));
    QCOMPARE(f.CheckedOption(), int(DaylightNone));
    QVERIFY(!f.Radio("defaultDatesRadio")->isEnabled());
    QVERIFY(!f.Radio("ownDatesRadio")->isEnabled());
    QCOMPARE(f.ComboTexts(), (QStringList{"", "", "", "", "", ""}));

    f.sheet.OkButton()->click();
    QCOMPARE(f.sheet.result(), int(QDialog::Accepted));
    const SetHomeValues values = f.sheet.GetValues();
    QCOMPARE(values.homeIndex, Admiralty);
    QCOMPARE(values.daylightOption, int(DaylightNone));
    QCOMPARE(values.ownDates, OwnDaylightDates{});
}

void TestSetHomeSheet::homeWithARule()
{
    SheetFixture f(Admiralty);
    f.Choose(Austria);
    f.ShowDaylightPage();
    QCOMPARE(f.OptionsEnabled(), QStringLiteral("1110"));
    QCOMPARE(f.CheckedOption(), int(DaylightAuto));
    QVERIFY(f.Radio("defaultDatesRadio")->isChecked());
    QVERIFY(f.Radio("defaultDatesRadio")->isEnabled());
    QVERIFY(!f.Combo("startWeekCombo")->isEnabled());
    QCOMPARE(f.ComboTexts(), (QStringList{"last", "Mar", "Sun", "last", "Sep", "Sun"}));
}

void TestSetHomeSheet::sameHomeKeepsEdits()
{
    SheetFixture f(Admiralty);
    f.Choose(Austria);
    f.ShowDaylightPage();
    QTest::mouseClick(f.Radio("ownDatesRadio"), Qt::LeftButton);
    f.Combo("startMonthCombo")->setCurrentIndex(3);
    f.ShowCountryPage();

    // The same home chosen again, by the tree or the Find sheet, keeps the edits.
    f.Choose(Austria);
    f.sheet.OnHomeChosen(Austria);
    f.ShowDaylightPage();
    QVERIFY(f.Radio("ownDatesRadio")->isChecked());
    QCOMPARE(f.ComboTexts().at(1), QStringLiteral("Apr"));
    f.ShowCountryPage();

    // Another home in between resets them.
    f.Choose(NewSouthWales);
    f.Choose(Austria);
    f.ShowDaylightPage();
    QVERIFY(f.Radio("defaultDatesRadio")->isChecked());
    QCOMPARE(f.ComboTexts().at(1), QStringLiteral("Mar"));
}

void TestSetHomeSheet::regionNodeResets_data()
{
    QTest::addColumn<QString>("node");
    QTest::newRow("region") << "Europe";
    QTest::newRow("country with parts") << "Australia";
}

void TestSetHomeSheet::regionNodeResets()
{
    QFETCH(QString, node);
    SheetFixture f(Austria);
    f.ShowDaylightPage();
    QTest::mouseClick(f.Radio("optionNotAdjustedRadio"), Qt::LeftButton);
    f.ShowCountryPage();

    f.Tree()->setCurrentItem(CountryNode(f.Tree(), node));
    QVERIFY(!f.sheet.OkButton()->isEnabled());
    QCOMPARE(f.sheet.m_nChosenHome, -1);
    f.ShowDaylightPage();
    QCOMPARE(f.OptionsEnabled(), QStringLiteral("0000"));
    QCOMPARE(f.ComboTexts(), (QStringList{"", "", "", "", "", ""}));
    f.ShowCountryPage();

    f.Choose(Austria);
    QVERIFY(f.sheet.OkButton()->isEnabled());
    f.ShowDaylightPage();
    QCOMPARE(f.CheckedOption(), int(DaylightAuto));
    QCOMPARE(f.ComboTexts(), (QStringList{"last", "Mar", "Sun", "last", "Sep", "Sun"}));
}

void TestSetHomeSheet::doubleClickEndsAsOk()
{
    SheetFixture f(-1);
    QTreeWidgetItem *item = EntryItem(f.Tree(), Victoria);
    f.Tree()->scrollToItem(item);
    const QPoint at = f.Tree()->visualItemRect(item).center();
    QTest::mouseClick(f.Tree()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(f.Tree()->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!f.sheet.isVisible());
    QCOMPARE(f.sheet.result(), int(QDialog::Accepted));
    QCOMPARE(f.sheet.GetValues().homeIndex, Victoria);
}

void TestSetHomeSheet::doubleClickOnANodeDoesNot()
{
    SheetFixture f(Austria);
    QTreeWidgetItem *item = CountryNode(f.Tree(), QStringLiteral("Australia"));
    f.Tree()->scrollToItem(item);
    const QPoint at = f.Tree()->visualItemRect(item).center();
    QTest::mouseClick(f.Tree()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(f.Tree()->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(f.sheet.isVisible());
    QVERIFY(!f.sheet.OkButton()->isEnabled());
}

void TestSetHomeSheet::findButton()
{
    SheetFixture f(Austria);
    QPushButton *find = f.sheet.FindButton();
    const QRect ok = f.sheet.OkButton()->geometry();
    QVERIFY(find->isVisible());
    QCOMPARE(find->geometry().top(), ok.top());
    QVERIFY(find->geometry().right() < ok.left());
    QVERIFY(!find->geometry().intersects(f.sheet.CancelButton()->geometry()));

    f.ShowDaylightPage();
    QVERIFY(!find->isEnabled());
    f.ShowCountryPage();
    QVERIFY(find->isEnabled());
}

void TestSetHomeSheet::findPicksTheHome()
{
    SheetFixture f(-1);
    int runs = 0;
    int found = NewSouthWales;
    f.sheet.SetFindRun([&](QWidget *parent) {
        ++runs;
        Q_ASSERT(parent == &f.sheet);
        return found;
    });
    f.sheet.FindButton()->click();
    QCOMPARE(runs, 1);
    QCOMPARE(f.sheet.m_nChosenHome, NewSouthWales);
    QCOMPARE(f.sheet.CountryPage()->ChosenEntry(), NewSouthWales);
    QVERIFY(f.sheet.OkButton()->isEnabled());
    // The name shows the home as it was when the sheet opened.
    QCOMPARE(f.sheet.CountryPage()->HomeNameEdit()->text(), QString());
    f.ShowDaylightPage();
    QCOMPARE(f.CheckedOption(), int(DaylightAuto));
    QTest::mouseClick(f.Radio("optionByHandRadio"), Qt::LeftButton);
    f.ShowCountryPage();

    // Cancelling the Find sheet changes nothing.
    found = -1;
    f.sheet.FindButton()->click();
    QCOMPARE(f.sheet.m_nChosenHome, NewSouthWales);
    f.ShowDaylightPage();
    QCOMPARE(f.CheckedOption(), int(DaylightByHand));
}

void TestSetHomeSheet::firstStart()
{
    SheetFixture f(-1);
    QVERIFY(!f.sheet.OkButton()->isEnabled());
    QVERIFY(!f.sheet.CancelButton()->isEnabled());
    QCOMPARE(f.sheet.CountryPage()->ChosenEntry(), -1);
    f.ShowDaylightPage();
    QCOMPARE(f.OptionsEnabled(), QStringLiteral("0000"));
    f.ShowCountryPage();

    QVERIFY(!f.sheet.close());
    QVERIFY(f.sheet.isVisible());
    QTest::keyClick(&f.sheet, Qt::Key_Escape);
    QVERIFY(f.sheet.isVisible());
    f.sheet.reject();
    QVERIFY(f.sheet.isVisible());

    f.Choose(Austria);
    QVERIFY(f.sheet.OkButton()->isEnabled());
    QVERIFY(!f.sheet.CancelButton()->isEnabled());
    QVERIFY(!f.sheet.close());
    f.sheet.OkButton()->click();
    QVERIFY(!f.sheet.isVisible());
    QCOMPARE(f.sheet.result(), int(QDialog::Accepted));
    QCOMPARE(f.sheet.GetValues().homeIndex, Austria);
}

void TestSetHomeSheet::cancelChangesNothing()
{
    SheetFixture f(Austria, DaylightByHand);
    f.Choose(Admiralty);
    f.sheet.CancelButton()->click();
    QCOMPARE(f.sheet.result(), int(QDialog::Rejected));

    SheetFixture g(Austria);
    QVERIFY(g.sheet.close());
    QCOMPARE(g.sheet.result(), int(QDialog::Rejected));
}

void TestSetHomeSheet::valuesAfterOk_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("dates");
    QTest::addColumn<int>("expectedOption");
    QTest::addColumn<bool>("expectedOwn");
    QTest::addColumn<OwnDaylightDates>("expectedDates");

    const OwnDaylightDates nsw{4, 9, 0, 0, 2, 0};
    const OwnDaylightDates edited{0, 8, 0, 0, 2, 6}; // 1st Sun Sep .. 1st Sat Mar
    QTest::newRow("auto, table dates") << NewSouthWales << "optionAutoRadio"
                                       << "defaultDatesRadio" << 0 << false << nsw;
    QTest::newRow("auto, own dates") << NewSouthWales << "optionAutoRadio"
                                     << "ownDatesRadio" << 0 << true << edited;
    QTest::newRow("by hand") << NewSouthWales << "optionByHandRadio"
                             << "" << 1 << false << nsw;
    QTest::newRow("not adjusted") << NewSouthWales << "optionNotAdjustedRadio"
                                  << "" << 2 << false << nsw;
    QTest::newRow("own dates, then by hand") << NewSouthWales << "optionByHandRadio"
                                             << "ownDatesRadio" << 1 << true << edited;
    QTest::newRow("none") << Admiralty << ""
                          << "" << 3 << false << OwnDaylightDates{};
}

void TestSetHomeSheet::valuesAfterOk()
{
    QFETCH(int, home);
    QFETCH(QString, option);
    QFETCH(QString, dates);
    QFETCH(int, expectedOption);
    QFETCH(bool, expectedOwn);
    QFETCH(OwnDaylightDates, expectedDates);

    SheetFixture f(Austria);
    f.Choose(home);
    f.ShowDaylightPage();
    if (!dates.isEmpty()) {
        QTest::mouseClick(f.Radio("optionAutoRadio"), Qt::LeftButton);
        QTest::mouseClick(f.Radio(qPrintable(dates)), Qt::LeftButton);
        if (dates == QLatin1String("ownDatesRadio")) {
            f.Combo("startWeekCombo")->setCurrentIndex(0);
            f.Combo("startMonthCombo")->setCurrentIndex(8);
            f.Combo("endDayCombo")->setCurrentIndex(6);
        }
    }
    if (!option.isEmpty())
        QTest::mouseClick(f.Radio(qPrintable(option)), Qt::LeftButton);
    // OK from the daylight page takes what it shows.
    f.sheet.OkButton()->click();
    QCOMPARE(f.sheet.result(), int(QDialog::Accepted));

    const SetHomeValues values = f.sheet.GetValues();
    QCOMPARE(values.homeIndex, home);
    QCOMPARE(values.daylightOption, expectedOption);
    QCOMPARE(values.useOwnDaylightDates, expectedOwn);
    QCOMPARE(values.ownDates, expectedDates);
    QCOMPARE(values.landColour, 2);
}

void TestSetHomeSheet::storedValuesThatDoNotFit_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("storedOption");
    QTest::addColumn<OwnDaylightDates>("storedDates");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("combos");

    const QStringList austria{"last", "Mar", "Sun", "last", "Sep", "Sun"};
    const QStringList none{"", "", "", "", "", ""};
    QTest::newRow("fits") << Austria << 1 << OwnDaylightDates{0, 3, 1, 4, 9, 0} << 1
                          << QStringList{"1st", "Apr", "Mon", "last", "Oct", "Sun"};
    QTest::newRow("none for a home with a rule")
        << Austria << 3 << OwnDaylightDates{0, 3, 1, 4, 9, 0} << 0
        << QStringList{"1st", "Apr", "Mon", "last", "Oct", "Sun"};
    QTest::newRow("option out of range") << Austria << 9 << OwnDaylightDates{} << 0 << austria;
    QTest::newRow("dates out of their lists")
        << Austria << 0 << OwnDaylightDates{0, 12, 1, 4, 9, 0} << 0 << austria;
    QTest::newRow("auto for a home without a rule")
        << Admiralty << 0 << OwnDaylightDates{0, 3, 1, 4, 9, 0} << 3 << none;
}

void TestSetHomeSheet::storedValuesThatDoNotFit()
{
    QFETCH(int, home);
    QFETCH(int, storedOption);
    QFETCH(OwnDaylightDates, storedDates);
    QFETCH(int, option);
    QFETCH(QStringList, combos);

    SheetFixture f(home, storedOption, true, storedDates);
    f.ShowDaylightPage();
    QCOMPARE(f.CheckedOption(), option);
    if (HasDaylightSaving(home))
        QCOMPARE(f.ComboTexts(), combos);
    f.sheet.OkButton()->click();
    const SetHomeValues values = f.sheet.GetValues();
    QCOMPARE(values.daylightOption, option);
    if (HasDaylightSaving(home))
        QVERIFY(values.ownDates.IsComplete());
    else
        QCOMPARE(values.ownDates, OwnDaylightDates{});
}

QTEST_MAIN(TestSetHomeSheet)
#include "tst_sethomesheet.moc"
