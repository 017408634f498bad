#include "countries/findcountrypage.h"
#include "countries/propertysheet.h"
#include "countries/tiptreectrl.h"
#include "zones/countrytable.h"
#include "zones/textfold.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A double-click as a mouse delivers it: a click, then the double-click event.
void DoubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

QTreeWidgetItem *Top(const QTreeWidget *tree, const QString &label)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->text(0) == label)
            return tree->topLevelItem(i);
    }
    return nullptr;
}

} // namespace

class TestFindCountryPage final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typing_data();
    void typing();
    void closing_data();
    void closing();
    void fold_data();
    void fold();

private:
    CPropertySheet *m_sheet = nullptr;
    CFindCountryPage *m_page = nullptr;
};

void TestFindCountryPage::init()
{
    m_sheet = new CPropertySheet(QStringLiteral("Find Country/Region"));
    m_page = new CFindCountryPage;
    m_sheet->AddPage(m_page);
    m_sheet->show();
    m_sheet->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_sheet));
}

void TestFindCountryPage::cleanup()
{
    delete m_sheet;
    m_sheet = nullptr;
    m_page = nullptr;
}

void TestFindCountryPage::typing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("listed"); // all of them, or some when count says more
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("entries"); // leaves: countries without parts and parts
    QTest::addColumn<QString>("selected");
    const QStringList aus{"Australes I.", "Australia", "Austria", "Norfolk I. (Australia)"};
    QTest::newRow("aUS, case aside") << "aUS" << aus << 4 << 11 << "Australes I.";
    // Equal matches: the lowest table index wins, not the first in the list.
    QTest::newRow("united") << "united"
                            << QStringList{"United Arab Emirates", "United Kingdom",
                                           "United States of America"}
                            << 3 << 10 << "United Kingdom";
    QTest::newRow("after bracket, whole name first")
        << "denmark"
        << QStringList{"Denmark", "Faeroe Is. (Denmark)", "Greenland (Denmark)",
                       "Jan Mayen I. (Denmark)"}
        << 4 << 7 << "Denmark";
    QTest::newRow("accent in the name")
        << "REUNION" << QStringList{"Réunion (France)"} << 1 << 1 << "Réunion (France)";
    QTest::newRow("accent typed") << "são  tomé" << QStringList{"Sao Tome e Principe"} << 1 << 1
                                  << "Sao Tome e Principe";
    QTest::newRow("part only") << "queensland" << QStringList{"Australia"} << 1 << 1
                               << "Queensland";
    QTest::newRow("is, a name's start first")
        << "is" << QStringList{"Israel", "Afghanistan, The Islamic Rep of", "Baleares, Is."} << 37
        << 52 << "Israel";
    QTest::newRow("nothing typed") << "" << QStringList{} << 267 << CountryCount << "Admiralty I.";
    QTest::newRow("middle of a word") << "stralia" << QStringList{} << 0 << 0 << "";
}

void TestFindCountryPage::typing()
{
    QFETCH(QString, text);
    QFETCH(QStringList, listed);
    QFETCH(int, count);
    QFETCH(int, entries);
    QFETCH(QString, selected);
    CTipTreeCtrl *tree = m_page->Tree();
    QInputMethodEvent typed; // as an input method delivers accented letters
    typed.setCommitString(text);
    QApplication::sendEvent(m_page->Edit(), &typed);
    QCOMPARE(m_page->Edit()->text(), text); // the box keeps what was typed

    QStringList labels;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        labels << tree->topLevelItem(i)->text(0);
    int leaves = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        leaves += (*it)->childCount() == 0 ? 1 : 0;
    QCOMPARE(labels.size(), count);
    QCOMPARE(leaves, entries);
    if (count == listed.size())
        QCOMPARE(labels, listed);
    for (const QString &name : listed)
        QVERIFY2(labels.contains(name), qPrintable(name));

    const QTreeWidgetItem *item = tree->SelectedItem();
    QCOMPARE(item ? item->text(0) : QString(), selected);
    QCOMPARE(m_sheet->OkButton()->isEnabled(), item && item->childCount() == 0);
    QVERIFY(m_page->Edit()->hasFocus());
    // Only a single entry can be chosen, never a country with parts.
    if (QTreeWidgetItem *first = tree->topLevelItem(0)) {
        tree->setCurrentItem(first);
        QCOMPARE(m_sheet->OkButton()->isEnabled(), first->childCount() == 0);
    }
    // Emptied, the box lists everything again, with the first entry selected.
    m_page->Edit()->clear();
    QCOMPARE(tree->topLevelItemCount(), 267);
    QCOMPARE(tree->SelectedItem()->text(0), QStringLiteral("Admiralty I."));
}

void TestFindCountryPage::closing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("how"); // 0: double-click on Victoria, 1: "&Select", 2: Cancel
    QTest::addColumn<QString>("result");
    QTest::newRow("double-click on a part") << "australia" << 0 << "Victoria, Australia";
    QTest::newRow("select button") << "united" << 1 << "United Kingdom";
    QTest::newRow("cancel") << "united" << 2 << "";
}

void TestFindCountryPage::closing()
{
    QFETCH(QString, text);
    QFETCH(int, how);
    QFETCH(QString, result);
    CTipTreeCtrl *tree = m_page->Tree();
    QTest::keyClicks(m_page->Edit(), text);
    QTimer::singleShot(0, m_sheet, [&] {
        if (how == 1)
            return m_sheet->OkButton()->click();
        if (how == 2)
            return m_sheet->CancelButton()->click();
        QTreeWidgetItem *australia = Top(tree, "Australia");
        australia->setExpanded(true);
        QTreeWidgetItem *victoria = australia->child(6);
        tree->scrollToItem(victoria);
        DoubleClick(tree->viewport(), tree->visualItemRect(victoria).center());
    });
    QCOMPARE(m_sheet->DoModal(), int(how == 2 ? QDialog::Rejected : QDialog::Accepted));
    QCOMPARE(QString::fromStdString(DisplayName(m_page->Result())), result);
}

void TestFindCountryPage::fold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("accents, case, blanks") << "  São  TOMÉ "
                                           << "sao tome";
    QTest::newRow("saint and apostrophe") << "Saint John’s"
                                          << "st johns";
    QTest::newRow("abbreviated saint") << "St. John's"
                                       << "st johns";
    QTest::newRow("one-letter word before apostrophe") << "Côte d'Ivoire"
                                                       << "cote d ivoire";
    QTest::newRow("hyphen and brackets") << "Guinea-Bissau (Rep)"
                                         << "guinea bissau rep";
    QTest::newRow("sainte, saint inside a word") << "Sainte-Marie, Saintes"
                                                 << "ste marie saintes";
}

void TestFindCountryPage::fold()
{
    QFETCH(QString, text);
    QTEST(FoldForSearch(text), "folded");
}

QTEST_MAIN(TestFindCountryPage)
#include "tst_findcountrypage.moc"
