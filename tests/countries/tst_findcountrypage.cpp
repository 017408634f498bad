// SPDX-License-Identifier: MIT

#include "countries/findcountrypage.h"
#include "countries/propertysheet.h"
#include "countries/tiptreectrl.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
enum How
{
    Enter,
    DoubleClickVictoria,
    Select,
    Cancel
}; // how the sheet is closed
} // namespace

class TestFindCountryPage final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void typing_data();
    void typing();
    void choosing_data();
    void choosing();

private:
    void Open(bool useDatabase);

    CPropertySheet *m_sheet = nullptr;
    CFindCountryPage *m_page = nullptr;
};

void TestFindCountryPage::Open(bool useDatabase)
{
    delete m_sheet;
    m_sheet = new CPropertySheet(QStringLiteral("Find Country/Region"));
    m_page = new CFindCountryPage(useDatabase);
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
    QTest::addColumn<bool>("database");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("listed"); // all of them, or some when count says more
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("entries"); // leaves: countries without parts and parts
    QTest::addColumn<QString>("selected");
    struct Row
    {
        const char *name;
        bool database;
        const char *text, *listed; // listed: '|' between names
        int count, entries;
        const char *selected;
    };
    // clang-format off
    static const Row rows[] = {
        {"aUS, case aside", false, "aUS", "Australes I.|Australia|Austria|Norfolk I. (Australia)", 4, 11, "Australes I."},
        // Equal matches: the lowest table index wins, not the first in the list.
        {"united", false, "united", "United Arab Emirates|United Kingdom|United States of America", 3, 10, "United Kingdom"},
        {"after bracket, whole name first", false, "denmark", "Denmark|Faeroe Is. (Denmark)|Greenland (Denmark)|Jan Mayen I. (Denmark)", 4, 7, "Denmark"},
        {"accent in the name", false, "REUNION", "Réunion (France)", 1, 1, "Réunion (France)"},
        {"accent typed", false, "são  tomé", "Sao Tome e Principe", 1, 1, "Sao Tome e Principe"},
        {"part only", false, "queensland", "Australia", 1, 1, "Queensland"},
        {"is: a code whole first, then a name's start", false, "is", "Iceland|Israel|Baleares, Is.", 38, 53, "Iceland"},
        {"nothing typed", false, "", "", 267, CountryCount, "Admiralty I."},
        // Today's names; a whole name leaves out what only begins inside a longer word.
        {"india, not Indiana", true, "india", "India", 1, 1, "India"},
        // Cities and zones too, ranked: a whole name first, a town's included, then starts of
        // names; whole words inside names last.
        {"indi: a town's whole name, then India and Indiana", true, "indi", "Indi, Karnataka, India|India|United States", 22, 23, "Indi, Karnataka, India"},
        {"uk, not Ukraine; a city's other name", true, "uk", "United Kingdom|Jiayuguan, Gansu, China", 2, 2, "United Kingdom"},
        {"usa lists the country first", true, "usa", "United States|Usa River, Arusha, Tanzania", 2, 9, "Eastern Time exc Indiana"},
        {"one place once", true, "vanuatu", "Vanuatu", 1, 1, "Vanuatu"},
        {"a name the table had", true, "new hebrides", "Vanuatu", 1, 1, "Vanuatu"},
        {"guinea whole, then its start, then later words", true, "guinea", "Guinea|Guinea-Bissau|Equatorial Guinea|Papua New Guinea|Nueva Guinea, South Caribbean Coast, Nicaragua", 5, 5, "Guinea"},
        {"everything today", true, "", "", 280, PlaceCount - 4, "Admiralty Islands"},
        {"middle of a word", false, "stralia", "", 0, 0, ""},
    };
    // clang-format on
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.database << QString::fromUtf8(row.text)
                                << QString::fromUtf8(row.listed).split(u'|', Qt::SkipEmptyParts)
                                << row.count << row.entries << QString::fromUtf8(row.selected);
}

void TestFindCountryPage::typing()
{
    QFETCH(bool, database);
    QFETCH(QString, text);
    Open(database);
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
    QCOMPARE(m_sheet->OkButton()->isEnabled(), item != nullptr);
    QVERIFY(m_page->Edit()->hasFocus());
    // Emptied, the box lists everything again, with the first entry selected.
    m_page->Edit()->clear();
    QCOMPARE(tree->topLevelItemCount(), database ? 280 : 267);
    QCOMPARE(tree->SelectedItem()->text(0),
             database ? QStringLiteral("Admiralty Islands") : QStringLiteral("Admiralty I."));
}

void TestFindCountryPage::choosing_data()
{
    QTest::addColumn<bool>("database");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("chosen");  // what the sheet takes
    QTest::addColumn<QByteArray>("zone"); // of the selected clocks
    struct Row
    {
        const char *name;
        bool database;
        const char *text;
        const char *chosen;
        const char *zone;
        int how = Enter;
    };
    // Most of what people type is in the search's own table (tst_placesearch); here what the
    // page adds: Enter on the row the search chose, in both modes, and the other ways out.
    // clang-format off
    static const Row rows[] = {
        {"double-click on a part", false, "australia", "Victoria, Australia", "", DoubleClickVictoria},
        {"select button", false, "united", "United Kingdom", "", Select},
        {"cancel", false, "united", "", "", Cancel},
        {"country with parts, table", false, "united states", "Eastern Time exc Indiana, United States of America", ""},
        {"australia", true, "australia", "New South Wales, Australia", "Australia/Sydney"},
        {"samoa, table", false, "samoa", "Western, Samoa Is.", ""},
        {"zaire today", true, "zaire", "West, Democratic Republic of the Congo", "Africa/Kinshasa"},
        {"britain, table", false, "britain", "United Kingdom", ""},
        {"taiwan, table", false, "taiwan", "T'ai-wan", ""},
        {"czech republic", true, "czech republic", "Czechia", "Europe/Prague"},
        {"swaziland", true, "swaziland", "Eswatini", "Africa/Mbabane"},
        {"palau listed once", true, "palau", "Palau", "Pacific/Palau"},
        {"congo whole first", true, "congo", "Congo", "Africa/Brazzaville"},
        {"east timor", true, "east timor", "Timor-Leste", "Asia/Dili"},
        {"a city: its place, its zone", true, "broken hill", "South Australia, Australia", "Australia/Broken_Hill"},
        {"an abbreviation", true, "pst", "Pacific Time, United States", "America/Los_Angeles"},
    };
    // clang-format on
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.database << QString::fromUtf8(row.text) << row.how
                                << QString::fromUtf8(row.chosen) << QByteArray(row.zone);
}

void TestFindCountryPage::choosing()
{
    QFETCH(bool, database);
    QFETCH(QString, text);
    QFETCH(QString, chosen);
    QFETCH(QByteArray, zone);
    QFETCH(int, how);
    Open(database);
    CTipTreeCtrl *tree = m_page->Tree();
    QTest::keyClicks(m_page->Edit(), text);
    QTimer::singleShot(0, m_sheet, [&] {
        if (how == Enter)
            return QTest::keyClick(m_page->Edit(), Qt::Key_Return);
        if (how == Select)
            return m_sheet->OkButton()->click();
        if (how == Cancel)
            return m_sheet->CancelButton()->click();
        QTreeWidgetItem *australia = tree->findItems("Australia", Qt::MatchExactly).value(0);
        australia->setExpanded(true);
        QTreeWidgetItem *victoria = australia->child(6);
        tree->scrollToItem(victoria);
        // A double-click as a mouse delivers it: a click, then the double-click event.
        const QPoint at = tree->visualItemRect(victoria).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
    });
    QCOMPARE(m_sheet->DoModal(), int(how == Cancel ? QDialog::Rejected : QDialog::Accepted));
    QCOMPARE(QString::fromStdString(PlaceDisplayName(m_page->Result(), database)), chosen);
    const PlaceChoice &choice = m_page->Choice();
    if (database) // the zone the selected clocks follow
        QCOMPARE(choice.zone.isEmpty() ? EntryZoneId(choice.place) : choice.zone, zone);
}

QTEST_MAIN(TestFindCountryPage)
#include "tst_findcountrypage.moc"
