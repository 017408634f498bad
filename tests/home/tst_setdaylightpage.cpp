#include "home/setdaylightpage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

namespace {

constexpr int NoHome = -1;
constexpr int Admiralty = 0; // +10, no rule
constexpr int NewSouthWales = 17;
constexpr int Austria = 22; // last Sunday of March to last Sunday of September

const char *const OptionRadios[] = {"optionAutoRadio", "optionByHandRadio",
                                    "optionNotAdjustedRadio", "optionNoneRadio"};
const char *const Combos[] = {"startWeekCombo", "startMonthCombo", "startDayCombo",
                              "endWeekCombo",   "endMonthCombo",   "endDayCombo"};

QRadioButton *Radio(QWidget &page, const char *name)
{
    auto *radio = page.findChild<QRadioButton *>(QString::fromLatin1(name));
    Q_ASSERT(radio);
    return radio;
}

QComboBox *Combo(QWidget &page, const char *name)
{
    auto *combo = page.findChild<QComboBox *>(QString::fromLatin1(name));
    Q_ASSERT(combo);
    return combo;
}

// "1111" for the enabled state of the four option radios.
QString OptionsEnabled(QWidget &page)
{
    QString result;
    for (const char *name : OptionRadios)
        result += Radio(page, name)->isEnabled() ? u'1' : u'0';
    return result;
}

// The texts the six combos show, blank for none.
QStringList ComboTexts(QWidget &page)
{
    QStringList texts;
    for (const char *name : Combos)
        texts << Combo(page, name)->currentText();
    return texts;
}

bool AnyComboEnabled(QWidget &page)
{
    for (const char *name : Combos)
        if (Combo(page, name)->isEnabled())
            return true;
    return false;
}

bool AllCombosEnabled(QWidget &page)
{
    for (const char *name : Combos)
        if (!Combo(page, name)->isEnabled())
            return false;
    return true;
}

} // namespace

class TestSetDaylightPage final : public QObject
{
    Q_OBJECT

private slots:
    void comboLists();
    void setUpForHome_data();
    void setUpForHome();
    void dateControls_data();
    void dateControls();
    void clicksFollowTheChoice();
    void transferRoundTrip();
    void storedValuesOutsideTheLists();
    void resetWhileHidden();
    void layoutFitsThePage_data();
    void layoutFitsThePage();
};

void TestSetDaylightPage::comboLists()
{
    CSetDaylightPage page;
    const auto items = [&](const char *name) {
        QStringList texts;
        QComboBox *combo = Combo(page, name);
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts;
    };
    const QStringList weeks{"1st", "2nd", "3rd", "4th", "last"};
    const QStringList days{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QCOMPARE(items("startWeekCombo"), weeks);
    QCOMPARE(items("endWeekCombo"), weeks);
    QCOMPARE(items("startDayCombo"), days);
    QCOMPARE(items("endDayCombo"), days);
    QCOMPARE(items("startMonthCombo"), months);
    QCOMPARE(items("endMonthCombo"), months);
}

void TestSetDaylightPage::setUpForHome_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QStringList>("combos");

    const QStringList none{"", "", "", "", "", ""};
    QTest::newRow("no home") << NoHome << int(DaylightNone) << "0000" << none;
    QTest::newRow("home without a rule") << Admiralty << int(DaylightNone) << "0001" << none;
    QTest::newRow("last Sunday of March")
        << Austria << int(DaylightAuto) << "1110"
        << QStringList{"last", "Mar", "Sun", "last", "Sep", "Sun"};
    QTest::newRow("southern rule") << NewSouthWales << int(DaylightAuto) << "1110"
                                   << QStringList{"last", "Oct", "Sun", "1st", "Mar", "Sun"};
}

void TestSetDaylightPage::setUpForHome()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(QString, enabled);
    QFETCH(QStringList, combos);

    CSetDaylightPage page;
    // Leftovers of an earlier home must not survive the reset.
    page.m_nOption = DaylightNotAdjusted;
    page.m_nDatesChoice = 1;
    page.m_dates = {1, 1, 1, 1, 1, 1};
    page.SetUpForHome(home);
    page.show();
    page.OnSetActive();

    QCOMPARE(page.m_nHomeIndex, home);
    QCOMPARE(page.m_nOption, option);
    QCOMPARE(page.m_nDatesChoice, 0);
    QCOMPARE(OptionsEnabled(page), enabled);
    QVERIFY(Radio(page, OptionRadios[option])->isChecked());
    QVERIFY(Radio(page, "defaultDatesRadio")->isChecked());
    QCOMPARE(ComboTexts(page), combos);
    QVERIFY(!AnyComboEnabled(page));
    const bool datesEnabled = option == DaylightAuto;
    QCOMPARE(Radio(page, "defaultDatesRadio")->isEnabled(), datesEnabled);
    QCOMPARE(Radio(page, "ownDatesRadio")->isEnabled(), datesEnabled);
}

void TestSetDaylightPage::dateControls_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("datesChoice");
    QTest::addColumn<bool>("radiosEnabled");
    QTest::addColumn<bool>("combosEnabled");

    QTest::newRow("auto, table dates") << Austria << 0 << 0 << true << false;
    QTest::newRow("auto, own dates") << Austria << 0 << 1 << true << true;
    QTest::newRow("auto, no choice") << Austria << 0 << -1 << true << false;
    QTest::newRow("by hand, own dates") << Austria << 1 << 1 << false << false;
    QTest::newRow("not adjusted") << Austria << 2 << 1 << false << false;
    QTest::newRow("none") << Admiralty << 3 << 0 << false << false;
    QTest::newRow("auto without a home") << NoHome << 0 << 1 << false << false;
}

void TestSetDaylightPage::dateControls()
{
    QFETCH(int, home);
    QFETCH(int, option);
    QFETCH(int, datesChoice);
    QFETCH(bool, radiosEnabled);
    QFETCH(bool, combosEnabled);

    CSetDaylightPage page;
    page.m_nHomeIndex = home;
    page.m_nOption = option;
    page.m_nDatesChoice = datesChoice;
    page.m_dates = {0, 2, 0, 4, 9, 0};
    page.show();
    page.OnSetActive();

    QCOMPARE(Radio(page, "defaultDatesRadio")->isEnabled(), radiosEnabled);
    QCOMPARE(Radio(page, "ownDatesRadio")->isEnabled(), radiosEnabled);
    QCOMPARE(AnyComboEnabled(page), combosEnabled);
    if (combosEnabled)
        QVERIFY(AllCombosEnabled(page));
}

void TestSetDaylightPage::clicksFollowTheChoice()
{
    CSetDaylightPage page;
    page.SetUpForHome(Austria);
    page.show();
    page.OnSetActive();

    QTest::mouseClick(Radio(page, "ownDatesRadio"), Qt::LeftButton);
    QCOMPARE(page.m_nDatesChoice, 1);
    QVERIFY(AllCombosEnabled(page));

    QTest::mouseClick(Radio(page, "optionByHandRadio"), Qt::LeftButton);
    QCOMPARE(page.m_nOption, int(DaylightByHand));
    QVERIFY(!Radio(page, "ownDatesRadio")->isEnabled());
    QVERIFY(!AnyComboEnabled(page));
    // The dates choice survives the detour and comes back with automatic handling.
    QVERIFY(Radio(page, "ownDatesRadio")->isChecked());

    QTest::mouseClick(Radio(page, "optionAutoRadio"), Qt::LeftButton);
    QCOMPARE(page.m_nOption, int(DaylightAuto));
    QVERIFY(AllCombosEnabled(page));

    QTest::mouseClick(Radio(page, "defaultDatesRadio"), Qt::LeftButton);
    QCOMPARE(page.m_nDatesChoice, 0);
    QVERIFY(!AnyComboEnabled(page));
}

void TestSetDaylightPage::transferRoundTrip()
{
    CSetDaylightPage page;
    page.SetUpForHome(NewSouthWales);
    page.show();
    page.OnSetActive();
    QTest::mouseClick(Radio(page, "ownDatesRadio"), Qt::LeftButton);
    Combo(page, "startWeekCombo")->setCurrentIndex(0);
    Combo(page, "startMonthCombo")->setCurrentIndex(8);
    Combo(page, "endDayCombo")->setCurrentIndex(6);
    page.OnKillActive();

    QCOMPARE(page.m_nOption, int(DaylightAuto));
    QCOMPARE(page.m_nDatesChoice, 1);
    const OwnDaylightDates expected{0, 8, 0, 0, 2, 6};
    QCOMPARE(page.m_dates, expected);

    // Back on the page, the edits are shown again.
    page.OnSetActive();
    QCOMPARE(ComboTexts(page), (QStringList{"1st", "Sep", "Sun", "1st", "Mar", "Sat"}));
    QVERIFY(Radio(page, "ownDatesRadio")->isChecked());
}

void TestSetDaylightPage::storedValuesOutsideTheLists()
{
    CSetDaylightPage page;
    page.m_nHomeIndex = Austria;
    page.m_nOption = 7;
    page.m_nDatesChoice = 5;
    page.m_dates = {5, 12, 7, -2, 11, 6};
    page.show();
    page.OnSetActive();

    QCOMPARE(ComboTexts(page), (QStringList{"", "", "", "", "Dec", "Sat"}));
    for (const char *name : OptionRadios)
        QVERIFY(!Radio(page, name)->isChecked());
    QVERIFY(!Radio(page, "defaultDatesRadio")->isChecked());
    QVERIFY(!Radio(page, "ownDatesRadio")->isChecked());
}

void TestSetDaylightPage::resetWhileHidden()
{
    CSetDaylightPage page;
    page.SetUpForHome(Austria);
    page.show();
    page.OnSetActive();
    QTest::mouseClick(Radio(page, "optionNotAdjustedRadio"), Qt::LeftButton);
    page.OnKillActive();
    page.hide();

    page.SetUpForHome(Admiralty);
    page.show();
    page.OnSetActive();
    QCOMPARE(OptionsEnabled(page), QStringLiteral("0001"));
    QVERIFY(Radio(page, "optionNoneRadio")->isChecked());
    QVERIFY(!Radio(page, "optionNotAdjustedRadio")->isChecked());
}

void TestSetDaylightPage::layoutFitsThePage_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("desktop font") << 0;
    QTest::newRow("small font") << 7;
    QTest::newRow("large font") << 14;
}

void TestSetDaylightPage::layoutFitsThePage()
{
    QFETCH(int, pointSize);
    CSetDaylightPage page;
    if (pointSize > 0) {
        QFont font = page.font();
        font.setPointSize(pointSize);
        page.setFont(font);
    }
    page.resize(page.sizeHint());
    const QRect area = page.rect();
    const auto children = page.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget *child : children) {
        QVERIFY2(area.contains(child->geometry()), qPrintable(child->objectName()));
        QVERIFY2(!child->objectName().isEmpty(), qPrintable(child->metaObject()->className()));
        QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
    }
    // Each multi-line label fits its rectangle, inside the group box, clear of its neighbours.
    const QRect box = page.findChild<QWidget *>(QStringLiteral("adjustmentBox"))->geometry();
    const QRect line = page.findChild<QWidget *>(QStringLiteral("optionLine"))->geometry();
    QRect previous;
    for (const char *name : OptionRadios) {
        const QRadioButton *radio = Radio(page, name);
        QVERIFY2(radio->sizeHint().height() <= radio->height(), name);
        QVERIFY2(radio->sizeHint().width() <= radio->width(), name);
        QVERIFY2(box.contains(radio->geometry()), name);
        QVERIFY2(!radio->geometry().intersects(previous), name);
        QVERIFY2(!radio->geometry().intersects(line), name);
        previous = radio->geometry();
    }
    for (const char *name : {"defaultDatesRadio", "ownDatesRadio"})
        QVERIFY2(Radio(page, name)->sizeHint().width() <= Radio(page, name)->width(), name);
    QVERIFY(line.top() > Radio(page, OptionRadios[2])->geometry().bottom());
    QVERIFY(line.bottom() < Radio(page, OptionRadios[3])->geometry().top());
}

QTEST_MAIN(TestSetDaylightPage)
#include "tst_setdaylightpage.moc"
