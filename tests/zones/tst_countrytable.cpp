#include "zones/countrytable.h"

#include <QList>
#include <QSet>
#include <QTest>

#include <cmath>
#include <cstring>

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

} // namespace

class TestCountryTable final : public QObject
{
    Q_OBJECT

private slots:
    void wholeTable();
    void entries_data();
    void entries();
};

void TestCountryTable::wholeTable()
{
    QList<int> perRule(std::size(Rules), 0);
    QSet<int> quarterHours;
    for (const CountryEntry &e : CountryTable) {
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
    }
    for (std::size_t r = 0; r < std::size(Rules); ++r)
        QCOMPARE(perRule[static_cast<qsizetype>(r)], Rules[r][7]);
    QCOMPARE(quarterHours.size(), 39);
    for (int id : {-1, 0, 9})
        QCOMPARE(RegionPosition(id), -1);
    for (int bad : {-1, CountryCount})
        QVERIFY(!CountryAt(bad) && !HasDaylightSaving(bad) && DisplayName(bad).empty());
}

void TestCountryTable::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<float>("gmtOffset");
    QTest::addColumn<int>("regionId");
    QTest::addColumn<bool>("daylight");
    auto row = [](const char *tag, int index, const char *name, float offset, int region,
                  bool daylight) {
        QTest::newRow(tag) << index << QString::fromUtf8(name) << offset << region << daylight;
    };
    row("first, no rule", 0, "Admiralty I.", 10.0f, 6, false);
    row("last", 344, "Zimbabwe", 2.0f, 7, false);
    row("northern", 2, "Albania", 1.0f, 1, true);
    row("southern, sub-name", 17, "New South Wales, Australia", 10.0f, 6, true);
    row("half hour west", 70, "Newfoundland, Canada", -3.5f, 3, true);
    row("quarter hour", 79, "Chatham Is.", 12.75f, 6, true);
    row("+14", 183, "exc those in the Rep of Kiribati, Line Is.", 14.0f, 6, false);
    row("trailing blank", 224, "Niue I. ", -11.0f, 6, false);
    row("UTF-8 name", 243, "Réunion (France)", 4.0f, 7, false);
    row("UTF-8 sub-name", 323, "Alaska, E of 169°30'W, United States of America", -9.0f, 3, true);
}

void TestCountryTable::entries()
{
    QFETCH(int, index);
    QFETCH(QString, displayName);
    QFETCH(float, gmtOffset);
    QFETCH(int, regionId);
    QFETCH(bool, daylight);
    QCOMPARE(QString::fromStdString(DisplayName(index)), displayName);
    QCOMPARE(CountryAt(index)->gmtOffset, gmtOffset);
    QCOMPARE(CountryAt(index)->regionId, regionId);
    QCOMPARE(HasDaylightSaving(index), daylight);
}

QTEST_APPLESS_MAIN(TestCountryTable)
#include "tst_countrytable.moc"
