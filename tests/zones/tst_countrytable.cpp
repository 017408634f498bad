#include "zones/countrytable.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QTest>

#include <cmath>
#include <cstring>
#include <string>

namespace {

// Start month/week/day, end month/week/day, shift, then how many entries use the rule.
constexpr int Rules[][8] = {
    {0, 0, 0, 0, 0, 0, 1, 212}, {3, 5, 1, 9, 5, 1, 1, 71},  {10, 5, 1, 3, 1, 1, 1, 5},
    {10, 1, 1, 3, 5, 1, 1, 1},  {4, 1, 1, 10, 5, 1, 1, 32}, {10, 3, 1, 2, 2, 1, 1, 3},
    {10, 1, 1, 3, 1, 1, 1, 1},  {10, 2, 1, 3, 2, 1, 1, 4},  {4, 1, 1, 10, 2, 1, 1, 1},
    {4, 5, 1, 9, 5, 1, 1, 1},   {9, 2, 1, 4, 3, 1, 1, 1},   {3, 5, 1, 9, 5, 1, 2, 1},
    {3, 3, 1, 9, 3, 1, 1, 1},   {5, 1, 1, 9, 5, 1, 1, 1},   {3, 5, 1, 10, 5, 1, 1, 2},
    {3, 5, 1, 9, 3, 1, 1, 1},   {3, 5, 1, 9, 1, 1, 1, 1},   {4, 2, 1, 9, 5, 1, 1, 1},
    {9, 1, 1, 4, 1, 1, 1, 1},   {10, 1, 1, 3, 3, 1, 1, 1},  {10, 1, 1, 2, 5, 1, 1, 1},
    {4, 1, 1, 9, 5, 1, 1, 1},   {3, 5, 1, 10, 4, 1, 1, 1},
};

const CountryEntry &Entry(int index)
{
    return CountryTable[static_cast<std::size_t>(index)];
}

QString Name(int index)
{
    return QString::fromUtf8(Entry(index).name);
}

QString SubName(int index)
{
    return QString::fromUtf8(Entry(index).subName);
}

bool IsAscii(const char *text)
{
    for (; *text; ++text) {
        if (static_cast<unsigned char>(*text) > 0x7f)
            return false;
    }
    return true;
}

} // namespace

class TestCountryTable final : public QObject
{
    Q_OBJECT

private slots:
    void countsAndRules();
    void textsAcrossTheTable();
    void equalNamesStandTogether();
    void entries_data();
    void entries();
    void lookups_data();
    void lookups();
};

void TestCountryTable::countsAndRules()
{
    QCOMPARE(static_cast<int>(CountryTable.size()), CountryCount);
    QCOMPARE(CountryCount, 345);

    QList<int> regionIds;
    for (int position = 0; position < static_cast<int>(RegionTable.size()); ++position) {
        regionIds.append(RegionTable[static_cast<std::size_t>(position)].id);
        QCOMPARE(RegionPosition(regionIds.last()), position);
    }
    QCOMPARE(regionIds, (QList<int>{1, 7, 2, 8, 3, 4, 5, 6}));
    for (int id : {-1, 0, 9})
        QCOMPARE(RegionPosition(id), -1);

    QSet<int> quarterHours;
    QList<int> perRule(std::size(Rules), 0);
    QList<int> notOneHour;
    for (int i = 0; i < CountryCount; ++i) {
        const CountryEntry &e = Entry(i);
        const int fields[7] = {e.daylightMonthStart, e.daylightWeekStart, e.daylightDayOfWeekStart,
                               e.daylightMonthEnd,   e.daylightWeekEnd,   e.daylightDayOfWeekEnd,
                               e.daylightShift};
        int matches = 0;
        for (std::size_t r = 0; r < std::size(Rules); ++r) {
            if (std::memcmp(fields, Rules[r], sizeof fields) == 0) {
                ++perRule[static_cast<qsizetype>(r)];
                ++matches;
            }
        }
        QVERIFY2(matches == 1, e.name);
        QVERIFY2(RegionPosition(e.regionId) >= 0, e.name);
        QVERIFY2(e.gmtOffset * 4 == std::round(e.gmtOffset * 4), e.name);
        quarterHours.insert(static_cast<int>(std::lround(e.gmtOffset * 4)));
        if (e.daylightShift != 1)
            notOneHour.append(i);
    }
    for (std::size_t r = 0; r < std::size(Rules); ++r)
        QCOMPARE(perRule[static_cast<qsizetype>(r)], Rules[r][7]);
    QCOMPARE(quarterHours.size(), 39);
    QCOMPARE(notOneHour, QList<int>{120}); // Georgia, 2 hours
}

void TestCountryTable::textsAcrossTheTable()
{
    // Byte order of the UTF-8 names, which for é is the order of the original code page too.
    QList<QPair<QString, QString>> outOfOrder;
    QStringList nonAscii;
    QStringList outerBlanks;
    qsizetype longestName = 0;
    qsizetype longestSubName = 0;
    for (int i = 0; i < CountryCount; ++i) {
        if (i + 1 < CountryCount && std::string(Entry(i).name) > std::string(Entry(i + 1).name))
            outOfOrder.append({Name(i), Name(i + 1)});
        if (!IsAscii(Entry(i).name) || !IsAscii(Entry(i).subName))
            nonAscii.append(QString::fromStdString(DisplayName(i)));
        if (Name(i) != Name(i).trimmed() || SubName(i) != SubName(i).trimmed())
            outerBlanks.append(QString::fromStdString(DisplayName(i)));
        longestName = std::max(longestName, Name(i).size());
        longestSubName = std::max(longestSubName, SubName(i).size());
    }
    const QList<QPair<QString, QString>> expectedOutOfOrder = {
        {"Botswana", "Bosnia-Herzegovina"},
        {"China", "Chagos Archipelago"},
        {"Cocos Is.", "Clipperton I."},
        {"El Salvador", "Ecuador"},
        {"Estonia", "Eritrea"},
        {"Falkland Is. (UK)", "Faeroe Is. (Denmark)"},
        {"Réunion (France)", "Rodriguez Island"},
        {"Tahiti", "T'ai-wan"},
        {"Trinidade, Ilha de", "Trinidad and Tobago"},
        {"United Kingdom", "Ukraine"},
        {"Uruguay", "United States of America"},
    };
    QCOMPARE(outOfOrder, expectedOutOfOrder);
    const QStringList expectedNonAscii = {
        "Northwest Terr, W of 63°W, Canada",
        "Ontario, W of 90°W, Canada",
        "Ontario, E of 90°W, Canada",
        "Quebec, W of 63°W, Canada",
        "Northwest Terr, E of 63°W, Canada",
        "Quebec, E of 63°W, Canada",
        "Réunion (France)",
        "Alaska, E of 169°30'W, United States of America",
        "Aleutian Islands, W of 169°30'W, United States of America",
    };
    QCOMPARE(nonAscii, expectedNonAscii);
    QCOMPARE(outerBlanks, QStringList{"Niue I. "});
    QCOMPARE(longestName, 34);
    QCOMPARE(longestSubName, 40);
}

void TestCountryTable::equalNamesStandTogether()
{
    // A name's entries form one run; a sub-name is given exactly when the run has several
    // entries, and it tells them apart.
    QSet<QString> seen;
    QList<QPair<int, int>> runs; // first entry and length of runs longer than three
    for (int first = 0; first < CountryCount;) {
        const QString name = Name(first);
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen.insert(name);
        int end = first + 1;
        while (end < CountryCount && Name(end) == name)
            ++end;
        QSet<QString> subNames;
        for (int i = first; i < end; ++i) {
            QCOMPARE(SubName(i).isEmpty(), end - first == 1);
            subNames.insert(SubName(i));
        }
        QCOMPARE(subNames.size(), end - first);
        if (end - first > 3)
            runs.append({first, end - first});
        first = end;
    }
    // Australia, Brazil, Canada, Greenland, Leeward Is., Russia, Spanish Possessions, United
    // States, Winward Islands.
    const QList<QPair<int, int>> expected = {{14, 8},   {39, 5},  {50, 21}, {127, 4}, {172, 6},
                                             {247, 11}, {286, 6}, {323, 8}, {336, 4}};
    QCOMPARE(runs, expected);
}

void TestCountryTable::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("subName");
    QTest::addColumn<float>("gmtOffset");
    QTest::addColumn<int>("regionId");
    auto row = [](const char *tag, int index, const char *name, const char *subName,
                  float gmtOffset, int regionId) {
        QTest::newRow(tag) << index << QString::fromUtf8(name) << QString::fromUtf8(subName)
                           << gmtOffset << regionId;
    };
    row("first", 0, "Admiralty I.", "", 10.0f, 6);
    row("last", 344, "Zimbabwe", "", 2.0f, 7);
    row("Newfoundland", 70, "Canada", "Newfoundland", -3.5f, 3);
    row("Chatham", 79, "Chatham Is.", "", 12.75f, 6);
    row("Marquesas", 197, "Marquesas, Iles", "", -9.5f, 6);
    row("Nepal", 214, "Nepal", "", 5.75f, 2);
    row("Line Is. +14", 183, "Line Is.", "exc those in the Rep of Kiribati", 14.0f, 6);
    row("Russia Zone 0", 247, "Russia", "Zone  0", 2.0f, 1);
    row("Sardinia", 268, "Sardinia (italy)", "", 1.0f, 1);
    row("Trinidade", 309, "Trinidade, Ilha de", "", -2.0f, 5);
    row("Venezuala", 333, "Venezuala", "", -4.0f, 5);
    row("Winward Islands", 337, "Winward Islands", "St Vincent and the Grenadines", -4.0f, 4);
    row("Niue", 224, "Niue I. ", "", -11.0f, 6);
}

void TestCountryTable::entries()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, subName);
    QFETCH(float, gmtOffset);
    QFETCH(int, regionId);
    QCOMPARE(Name(index), name);
    QCOMPARE(SubName(index), subName);
    QCOMPARE(Entry(index).gmtOffset, gmtOffset);
    QCOMPARE(Entry(index).regionId, regionId);
}

void TestCountryTable::lookups_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<bool>("hasDaylightSaving");
    QTest::newRow("none") << -1 << QString() << false;
    QTest::newRow("past the end") << CountryCount << QString() << false;
    QTest::newRow("no rule") << 0 << "Admiralty I." << false;
    QTest::newRow("northern") << 2 << "Albania" << true;
    QTest::newRow("southern, sub-name") << 17 << "New South Wales, Australia" << true;
    QTest::newRow("Queensland") << 20 << "Queensland, Australia" << false;
    QTest::newRow("Georgia") << 120 << "Georgia, Rep of" << true;
}

void TestCountryTable::lookups()
{
    QFETCH(int, index);
    QFETCH(QString, displayName);
    QFETCH(bool, hasDaylightSaving);
    QCOMPARE(QString::fromStdString(DisplayName(index)), displayName);
    QCOMPARE(HasDaylightSaving(index), hasDaylightSaving);
    QCOMPARE(CountryAt(index) != nullptr, !displayName.isEmpty());
}

QTEST_APPLESS_MAIN(TestCountryTable)
#include "tst_countrytable.moc"
