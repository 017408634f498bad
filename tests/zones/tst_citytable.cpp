// SPDX-License-Identifier: MIT

#include "zones/citytable.h"
#include "zones/textfold.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <map>

class TestCityTable : public QObject
{
    Q_OBJECT

    // The bytes with their checksum made to fit again.
    static QByteArray resealed(QByteArray bytes)
    {
        quint32 hash = 0x811c9dc5;
        for (qsizetype i = 16; i + 4 <= bytes.size(); i += 4)
            hash = (hash ^ qFromLittleEndian<quint32>(bytes.constData() + i)) * 0x01000193;
        qToLittleEndian(hash, bytes.data() + 8);
        return bytes;
    }

private slots:
    void initTestCase() { QVERIFY2(Cities::Count() > 20000, "the city resource did not load"); }

    // The generator folds in JavaScript; the program folds the person's text with FoldForSearch.
    void storedKeysAreFoldForSearch()
    {
        std::map<int, QSet<QString>> stored;
        for (const auto &[city, folded] : Cities::StoredFoldedNames())
            stored[city].insert(folded);
        for (int city = 0; city < Cities::Count(); ++city) {
            QSet<QString> expected;
            const QStringList names =
                QStringList{Cities::Name(city), Cities::AsciiName(city)} + Cities::Alternates(city);
            for (const QString &name : names)
                expected.insert(FoldForSearch(name));
            expected.remove(QString());
            if (stored[city] != expected) {
                QFAIL(qPrintable(names.join(u" | ") + QStringLiteral(" stored as ") +
                                 QStringList(stored[city].values()).join(u" | ")));
            }
        }
    }

    // Cities under the names people type are checked through the place search; these under
    // names they no longer carry, and an accented one under its plain spelling.
    void cities_data()
    {
        QTest::addColumn<int>("geonameId");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ascii");
        QTest::addColumn<QString>("alternate"); // one that must be kept
        QTest::addColumn<QByteArray>("country");
        QTest::addColumn<QByteArray>("zone");
        auto row = [](const char *what, int id, const char *name, const char *ascii,
                      const char *alternate, const char *country, const char *zone) {
            QTest::newRow(what) << id << QString(name) << QString(ascii) << QString(alternate)
                                << QByteArray(country) << QByteArray(zone);
        };
        row("renamed since the data", 1278994, "Prayagraj", "Prayagraj", "Allahābād", "IN",
            "Asia/Kolkata");
        row("older name", 1566083, "Ho Chi Minh City", "Ho Chi Minh City", "Saigon", "VN",
            "Asia/Ho_Chi_Minh");
        row("accented", 3448439, "São Paulo", "Sao Paulo", "", "BR", "America/Sao_Paulo");
    }

    void cities()
    {
        QFETCH(int, geonameId);
        const int city = Cities::ByGeonameId(geonameId);
        QVERIFY(city >= 0);
        QTEST(Cities::Name(city), "name");
        QTEST(Cities::AsciiName(city), "ascii");
        QFETCH(QString, alternate);
        QVERIFY(alternate.isEmpty() || Cities::Alternates(city).contains(alternate));
        QTEST(Cities::CountryCode(city), "country");
        QTEST(Cities::ZoneId(city), "zone");
        QVERIFY(Cities::Population(city) >= 15000);
        QVERIFY(qAbs(Cities::Latitude(city)) <= 90 && qAbs(Cities::Longitude(city)) <= 180);
    }

    // In a language (none: English), by the usual or the local name, the first shown as named.
    void find_data()
    {
        QTest::addColumn<QString>("pattern"); // as typed; folded here
        QTest::addColumn<int>("firstId");     // 0: no match
        QTest::addColumn<int>("firstRank");
        QTest::addColumn<QString>("languages"); // best first
        QTest::addColumn<QString>("shown");     // of the first; empty: not checked
        auto row = [](const char *what, const char *pattern, int id, int rank,
                      const char *languages, const char *shown) {
            QTest::newRow(what) << QString(pattern) << id << rank << QString(languages)
                                << QString(shown);
        };
        row("alternate, whole", "Kiev", 703448, 0, "", "");
        row("alternate, start", "bomb", 1275339, 1, "", "");
        row("accents and case", "SAO PAULO", 3448439, 0, "", "");
        row("across words", "new york c", 5128581, 1, "", "");
        row("whole name before later word", "york", 2633352, 0, "", "");
        row("punctuation", "St. Johns", 6324733, 0, "", "");
        row("later word only", "chi minh", 1566083, 2, "", "");
        row("nothing", "qqqzx", 0, 0, "", "");
        row("empty", "", 0, 0, "", "");
        row("local name", "moskau", 524901, 0, "de", "Moskau (Moscow)");
        row("usual name in a language", "Moscow", 524901, 0, "de", "Moskau (Moscow)");
        row("local name of an aliased zone", "Kalkutta", 1275004, 0, "de_AT de",
            "Kalkutta (Kolkata)");
        row("local name's start", "ciudad ho", 1566083, 1, "es",
            "Ciudad Ho Chi Minh (Ho Chi Minh City)");
        row("local name's later word", "chi minh v", 1566083, 2, "fr", "");
        row("other script", "東京", 1850147, 0, "ja", "東京 (Tokyo)");
        row("first language naming cities", "Moscou", 524901, 0, "en_XX xx fr es",
            "Moscou (Moscow)");
        row("another language's name", "東京", 0, 0, "fr", "");
        row("same name as usual", "Berlin", 2950159, 0, "fr", "Berlin");
    }

    void find()
    {
        QFETCH(QString, pattern);
        QFETCH(int, firstId);
        QFETCH(QString, languages);
        QFETCH(QString, shown);
        Cities::SetLanguages(languages.split(u' ', Qt::SkipEmptyParts));
        const std::vector<Cities::Match> matches = Cities::Find(FoldForSearch(pattern), 20);
        QCOMPARE(matches.empty() ? 0 : Cities::GeonameId(matches.front().city), firstId);
        if (!matches.empty()) {
            QTEST(matches.front().rank, "firstRank");
            if (!shown.isEmpty())
                QCOMPARE(Cities::DisplayName(matches.front().city), shown);
        }
        Cities::SetLanguages({});
    }

    // Each city once, by rank then population, cut at the limit.
    void findOrder()
    {
        const std::vector<Cities::Match> matches = Cities::Find(u"s", 300);
        QCOMPARE(matches.size(), size_t(300));
        auto order = [](const Cities::Match &m) {
            return std::pair(m.rank, -Cities::Population(m.city));
        };
        QSet<int> seen;
        for (size_t i = 0; i < matches.size(); ++i) {
            seen.insert(matches[i].city);
            QVERIFY(i == 0 || order(matches[i - 1]) <= order(matches[i]));
        }
        QCOMPARE(seen.size(), 300);
        QVERIFY(Cities::Find(u"s", 0).empty());
    }

    void outOfRange()
    {
        for (int city : {-1, Cities::Count(), 1 << 30}) {
            QVERIFY(Cities::GeonameId(city) == 0 && Cities::Population(city) == 0);
            QVERIFY(Cities::Name(city).isEmpty() && Cities::AsciiName(city).isEmpty());
            QVERIFY(Cities::Alternates(city).isEmpty() && Cities::RegionName(city).isEmpty());
            QVERIFY(Cities::CountryCode(city).isEmpty() && Cities::ZoneId(city).isEmpty());
        }
        QVERIFY(Cities::ByGeonameId(0) == -1 && Cities::ByGeonameId(-5) == -1);
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = Cities::ResourceBytes().toByteArray();
        QByteArray flipped = good;
        flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x40);
        // Damage behind a checksum made to fit, which the layout's own checks must catch.
        QByteArray count = good;
        qToLittleEndian(quint32(0xfff0), count.data() + 16);
        QByteArray key = good;
        qToLittleEndian(quint32(0xfffffff0),
                        key.data() + qFromLittleEndian<quint32>(good.constData() + 32));
        QByteArray zone = good;
        qToLittleEndian(quint16(0xfffe),
                        zone.data() + qFromLittleEndian<quint32>(good.constData() + 20) + 20);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << good.left(64);
        QTest::newRow("truncated") << good.left(good.size() / 2);
        QTest::newRow("one bit") << flipped;
        QTest::newRow("city count") << resealed(count);
        QTest::newRow("key outside the pool") << resealed(key);
        QTest::newRow("zone out of range") << resealed(zone);
    }

    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!Cities::Load(bytes));
        QVERIFY(Cities::Count() == 0 && Cities::ByGeonameId(703448) == -1);
        QVERIFY(Cities::Find(u"london", 10).empty() && Cities::Name(0).isEmpty());
        QVERIFY(Cities::Load(Cities::ResourceBytes()) && Cities::Count() > 20000);
    }

    // Bytes changed anywhere, checksum resealed: either refused, or every answer stays inside
    // the bytes (the sanitizer build would catch a read outside).
    void resealedDamageIsSafe()
    {
        const QByteArray good = Cities::ResourceBytes().toByteArray();
        QRandomGenerator random(7);
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes = good;
            for (int i = 0; i < 4; ++i)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            if (!Cities::Load(resealed(bytes)))
                continue;
            for (const char16_t *pattern : {u"a", u"s", u"new", u"k"}) {
                for (const Cities::Match &m : Cities::Find(pattern, 40)) {
                    QVERIFY(m.city >= 0 && m.city < Cities::Count());
                    Cities::Alternates(m.city);
                    Cities::RegionName(m.city);
                    Cities::ZoneId(m.city);
                    QVERIFY(Cities::ByGeonameId(Cities::GeonameId(m.city)) >= 0);
                }
            }
        }
        QVERIFY(Cities::Load(good));
    }
};

QTEST_GUILESS_MAIN(TestCityTable)
#include "tst_citytable.moc"
