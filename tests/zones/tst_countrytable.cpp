#include "zones/countrytable.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QTest>

#include <cmath>
#include <cstring>
#include <string>

namespace {

// The seven daylight fields of an entry: start month/week/day, end month/week/day, shift.
struct Rule
{
    const char *label;
    int fields[7];
    int entries; // how many entries use it
};

constexpr Rule Rules[] = {
    {"none", {0, 0, 0, 0, 0, 0, 1}, 212},
    {"last Sun Mar - last Sun Sep", {3, 5, 1, 9, 5, 1, 1}, 71},
    {"last Sun Oct - 1st Sun Mar", {10, 5, 1, 3, 1, 1, 1}, 5},
    {"1st Sun Oct - last Sun Mar", {10, 1, 1, 3, 5, 1, 1}, 1},
    {"1st Sun Apr - last Sun Oct", {4, 1, 1, 10, 5, 1, 1}, 32},
    {"3rd Sun Oct - 2nd Sun Feb", {10, 3, 1, 2, 2, 1, 1}, 3},
    {"1st Sun Oct - 1st Sun Mar", {10, 1, 1, 3, 1, 1, 1}, 1},
    {"2nd Sun Oct - 2nd Sun Mar", {10, 2, 1, 3, 2, 1, 1}, 4},
    {"1st Sun Apr - 2nd Sun Oct", {4, 1, 1, 10, 2, 1, 1}, 1},
    {"last Sun Apr - last Sun Sep", {4, 5, 1, 9, 5, 1, 1}, 1},
    {"2nd Sun Sep - 3rd Sun Apr", {9, 2, 1, 4, 3, 1, 1}, 1},
    {"last Sun Mar - last Sun Sep, 2 hours", {3, 5, 1, 9, 5, 1, 2}, 1},
    {"3rd Sun Mar - 3rd Sun Sep", {3, 3, 1, 9, 3, 1, 1}, 1},
    {"1st Sun May - last Sun Sep", {5, 1, 1, 9, 5, 1, 1}, 1},
    {"last Sun Mar - last Sun Oct", {3, 5, 1, 10, 5, 1, 1}, 2},
    {"last Sun Mar - 3rd Sun Sep", {3, 5, 1, 9, 3, 1, 1}, 1},
    {"last Sun Mar - 1st Sun Sep", {3, 5, 1, 9, 1, 1, 1}, 1},
    {"2nd Sun Apr - last Sun Sep", {4, 2, 1, 9, 5, 1, 1}, 1},
    {"1st Sun Sep - 1st Sun Apr", {9, 1, 1, 4, 1, 1, 1}, 1},
    {"1st Sun Oct - 3rd Sun Mar", {10, 1, 1, 3, 3, 1, 1}, 1},
    {"1st Sun Oct - last Sun Feb", {10, 1, 1, 2, 5, 1, 1}, 1},
    {"1st Sun Apr - last Sun Sep", {4, 1, 1, 9, 5, 1, 1}, 1},
    {"last Sun Mar - 4th Sun Oct", {3, 5, 1, 10, 4, 1, 1}, 1},
};

bool Follows(const CountryEntry &e, const Rule &rule)
{
    const int fields[7] = {e.daylightMonthStart, e.daylightWeekStart, e.daylightDayOfWeekStart,
                           e.daylightMonthEnd,   e.daylightWeekEnd,   e.daylightDayOfWeekEnd,
                           e.daylightShift};
    return std::memcmp(fields, rule.fields, sizeof fields) == 0;
}

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
    void counts();
    void regions_data();
    void regions();
    void regionLookupOutsideTable();
    void rules_data();
    void rules();
    void everyEntryFollowsOneRule();
    void entriesAreWellFormed();
    void onlyGeorgiaShiftsTwoHours();
    void outOfOrderPlaces();
    void nonAsciiTexts_data();
    void nonAsciiTexts();
    void onlyNineEntriesAreNonAscii();
    void onlyNiueHasOuterBlanks();
    void longestTexts();
    void runsOfEqualNames_data();
    void runsOfEqualNames();
    void equalNamesStandTogether();
    void texts_data();
    void texts();
    void displayName_data();
    void displayName();
    void hasDaylightSaving_data();
    void hasDaylightSaving();
};

void TestCountryTable::counts()
{
    QCOMPARE(CountryCount, 345);
    QCOMPARE(static_cast<int>(CountryTable.size()), CountryCount);
    QCOMPARE(static_cast<int>(RegionTable.size()), 8);

    QSet<int> quarterHours;
    for (const CountryEntry &entry : CountryTable)
        quarterHours.insert(static_cast<int>(std::lround(entry.gmtOffset * 4)));
    QCOMPARE(quarterHours.size(), 39);
}

void TestCountryTable::regions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("Europe") << 0 << 1 << "Europe";
    QTest::newRow("Africa") << 1 << 7 << "Africa";
    QTest::newRow("Asia") << 2 << 2 << "Asia (exc SE Asia)";
    QTest::newRow("SE Asia") << 3 << 8 << "SE Asia";
    QTest::newRow("North America") << 4 << 3 << "North America";
    QTest::newRow("Central America") << 5 << 4 << "Central America & West Indies";
    QTest::newRow("South America") << 6 << 5 << "South America";
    QTest::newRow("Oceania") << 7 << 6 << "Oceania";
}

void TestCountryTable::regions()
{
    QFETCH(int, position);
    QFETCH(int, id);
    QFETCH(QString, name);
    const RegionEntry &region = RegionTable[static_cast<std::size_t>(position)];
    QCOMPARE(region.id, id);
    QCOMPARE(QString::fromUtf8(region.name), name);
    QCOMPARE(RegionPosition(id), position);
}

void TestCountryTable::regionLookupOutsideTable()
{
    QCOMPARE(RegionPosition(0), -1);
    QCOMPARE(RegionPosition(9), -1);
    QCOMPARE(RegionPosition(-1), -1);
}

void TestCountryTable::rules_data()
{
    QTest::addColumn<int>("rule");
    for (int i = 0; i < static_cast<int>(std::size(Rules)); ++i)
        QTest::newRow(Rules[i].label) << i;
}

void TestCountryTable::rules()
{
    QFETCH(int, rule);
    int count = 0;
    for (const CountryEntry &entry : CountryTable)
        count += Follows(entry, Rules[rule]) ? 1 : 0;
    QCOMPARE(count, Rules[rule].entries);
}

void TestCountryTable::everyEntryFollowsOneRule()
{
    for (int i = 0; i < CountryCount; ++i) {
        int matches = 0;
        for (const Rule &rule : Rules)
            matches += Follows(Entry(i), rule) ? 1 : 0;
        QVERIFY2(matches == 1, qPrintable(QString::number(i)));
    }
}

void TestCountryTable::entriesAreWellFormed()
{
    for (int i = 0; i < CountryCount; ++i) {
        const CountryEntry &e = Entry(i);
        const QByteArray where = QByteArray::number(i) + ' ' + e.name;
        QVERIFY2(RegionPosition(e.regionId) >= 0, where);
        QVERIFY2(!Name(i).trimmed().isEmpty(), where);
        // Offsets are whole quarter hours within the range the map shows.
        const float quarters = e.gmtOffset * 4;
        QVERIFY2(quarters == std::round(quarters), where);
        QVERIFY2(e.gmtOffset >= -12 && e.gmtOffset <= 14, where);
        // Valid UTF-8: decoding and encoding again gives the same bytes.
        QVERIFY2(Name(i).toUtf8() == QByteArray(e.name), where);
        QVERIFY2(SubName(i).toUtf8() == QByteArray(e.subName), where);
        // A northern or a southern period, never an empty one.
        if (e.daylightMonthStart != 0)
            QVERIFY2(e.daylightMonthStart != e.daylightMonthEnd, where);
    }
}

void TestCountryTable::onlyGeorgiaShiftsTwoHours()
{
    QList<int> others;
    for (int i = 0; i < CountryCount; ++i) {
        if (Entry(i).daylightShift != 1)
            others.append(i);
    }
    QCOMPARE(others, QList<int>{120});
    QCOMPARE(Name(120), QStringLiteral("Georgia, Rep of"));
    QCOMPARE(Entry(120).daylightShift, 2);
    QVERIFY(HasDaylightSaving(120));
}

void TestCountryTable::outOfOrderPlaces()
{
    // Byte order of the UTF-8 names, which for é is the order of the original code page too.
    QList<QPair<QString, QString>> found;
    for (int i = 0; i + 1 < CountryCount; ++i) {
        if (std::string(Entry(i).name) > std::string(Entry(i + 1).name))
            found.append({Name(i), Name(i + 1)});
    }
    const QList<QPair<QString, QString>> expected = {
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
    QCOMPARE(found, expected);
}

void TestCountryTable::nonAsciiTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("subName");
    QTest::newRow("59") << 59 << "Canada"
                        << "Northwest Terr, W of 63°W";
    QTest::newRow("61") << 61 << "Canada"
                        << "Ontario, W of 90°W";
    QTest::newRow("62") << 62 << "Canada"
                        << "Ontario, E of 90°W";
    QTest::newRow("63") << 63 << "Canada"
                        << "Quebec, W of 63°W";
    QTest::newRow("66") << 66 << "Canada"
                        << "Northwest Terr, E of 63°W";
    QTest::newRow("67") << 67 << "Canada"
                        << "Quebec, E of 63°W";
    QTest::newRow("243") << 243 << "Réunion (France)"
                         << "";
    QTest::newRow("323") << 323 << "United States of America"
                         << "Alaska, E of 169°30'W";
    QTest::newRow("330") << 330 << "United States of America"
                         << "Aleutian Islands, W of 169°30'W";
}

void TestCountryTable::nonAsciiTexts()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, subName);
    QCOMPARE(Name(index), name);
    QCOMPARE(SubName(index), subName);
}

void TestCountryTable::onlyNineEntriesAreNonAscii()
{
    QList<int> found;
    for (int i = 0; i < CountryCount; ++i) {
        if (!IsAscii(Entry(i).name) || !IsAscii(Entry(i).subName))
            found.append(i);
    }
    QCOMPARE(found, (QList<int>{59, 61, 62, 63, 66, 67, 243, 323, 330}));
}

void TestCountryTable::onlyNiueHasOuterBlanks()
{
    QCOMPARE(QByteArray(Entry(224).name), QByteArray("Niue I. "));
    QCOMPARE(QString::fromStdString(DisplayName(224)), QStringLiteral("Niue I. "));
    for (int i = 0; i < CountryCount; ++i) {
        if (i == 224)
            continue;
        QVERIFY2(Name(i) == Name(i).trimmed(), qPrintable(Name(i)));
        QVERIFY2(SubName(i) == SubName(i).trimmed(), qPrintable(SubName(i)));
    }
}

void TestCountryTable::longestTexts()
{
    qsizetype longestName = 0;
    qsizetype longestSubName = 0;
    for (int i = 0; i < CountryCount; ++i) {
        longestName = std::max(longestName, Name(i).size());
        longestSubName = std::max(longestSubName, SubName(i).size());
    }
    QCOMPARE(longestName, 34);
    QCOMPARE(longestSubName, 40);
}

void TestCountryTable::runsOfEqualNames_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("length");
    QTest::newRow("Australia") << 14 << 8;
    QTest::newRow("Brazil") << 39 << 5;
    QTest::newRow("Canada") << 50 << 21;
    QTest::newRow("Russia") << 247 << 11;
    QTest::newRow("Spanish Possessions") << 286 << 6;
    QTest::newRow("United States") << 323 << 8;
    QTest::newRow("Winward Islands") << 336 << 4;
}

void TestCountryTable::runsOfEqualNames()
{
    QFETCH(int, first);
    QFETCH(int, length);
    const QString name = Name(first);
    for (int i = first; i < first + length; ++i)
        QCOMPARE(Name(i), name);
    QVERIFY(first == 0 || Name(first - 1) != name);
    QVERIFY(first + length == CountryCount || Name(first + length) != name);
}

void TestCountryTable::equalNamesStandTogether()
{
    // A name's entries form one run; a sub-name is given exactly when the run has several
    // entries, and it tells them apart.
    QSet<QString> seen;
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
        first = end;
    }
}

void TestCountryTable::texts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("subName");
    QTest::addColumn<float>("gmtOffset");
    QTest::addColumn<int>("regionId");
    QTest::newRow("first") << 0 << "Admiralty I."
                           << "" << 10.0f << 6;
    QTest::newRow("last") << 344 << "Zimbabwe"
                          << "" << 2.0f << 7;
    QTest::newRow("New South Wales") << 17 << "Australia"
                                     << "New South Wales" << 10.0f << 6;
    QTest::newRow("Newfoundland") << 70 << "Canada"
                                  << "Newfoundland" << -3.5f << 3;
    QTest::newRow("Chatham") << 79 << "Chatham Is."
                             << "" << 12.75f << 6;
    QTest::newRow("Marquesas") << 197 << "Marquesas, Iles"
                               << "" << -9.5f << 6;
    QTest::newRow("Nepal") << 214 << "Nepal"
                           << "" << 5.75f << 2;
    QTest::newRow("Line Is. +14") << 183 << "Line Is."
                                  << "exc those in the Rep of Kiribati" << 14.0f << 6;
    QTest::newRow("Russia Zone 0") << 247 << "Russia"
                                   << "Zone  0" << 2.0f << 1;
    QTest::newRow("Sardinia") << 268 << "Sardinia (italy)"
                              << "" << 1.0f << 1;
    QTest::newRow("Trinidade") << 309 << "Trinidade, Ilha de"
                               << "" << -2.0f << 5;
    QTest::newRow("Venezuala") << 333 << "Venezuala"
                               << "" << -4.0f << 5;
    QTest::newRow("Winward Islands") << 337 << "Winward Islands"
                                     << "St Vincent and the Grenadines" << -4.0f << 4;
    QTest::newRow("Greenland 40") << 127 << "Greenland (Denmark)"
                                  << "exc Thule, Danmarkshavn & Scoresby Sound" << -3.0f << 3;
    QTest::newRow("Netherlands Antilles 34") << 216 << "Netherlands Antilles (Netherlands)"
                                             << "" << -4.0f << 4;
}

void TestCountryTable::texts()
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

void TestCountryTable::displayName_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << -1 << QString();
    QTest::newRow("past the end") << CountryCount << QString();
    QTest::newRow("plain") << 0 << QStringLiteral("Admiralty I.");
    QTest::newRow("with sub-name") << 17 << QStringLiteral("New South Wales, Australia");
    QTest::newRow("trailing blank") << 224 << QStringLiteral("Niue I. ");
    QTest::newRow("accent") << 243 << QStringLiteral("Réunion (France)");
    QTest::newRow("degree sign") << 323
                                 << QStringLiteral(
                                        "Alaska, E of 169°30'W, United States of America");
}

void TestCountryTable::displayName()
{
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(DisplayName(index)), expected);
}

void TestCountryTable::hasDaylightSaving_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("expected");
    QTest::newRow("none") << -1 << false;
    QTest::newRow("past the end") << CountryCount << false;
    QTest::newRow("no rule") << 0 << false;
    QTest::newRow("northern") << 2 << true;
    QTest::newRow("southern") << 17 << true;
    QTest::newRow("Georgia") << 120 << true;
    QTest::newRow("Queensland") << 20 << false;
}

void TestCountryTable::hasDaylightSaving()
{
    QFETCH(int, index);
    QFETCH(bool, expected);
    QCOMPARE(HasDaylightSaving(index), expected);
    QCOMPARE(CountryAt(index) != nullptr, IsValidCountryIndex(index));
}

QTEST_APPLESS_MAIN(TestCountryTable)
#include "tst_countrytable.moc"
