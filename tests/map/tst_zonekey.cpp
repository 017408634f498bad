// SPDX-License-Identifier: MIT

#include "map/zonekey.h"
#include "zones/citytable.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QTest>
#include <QTimeZone>
#include <QtEndian>

#include <cstring>

namespace {

QByteArray BuiltinBytes()
{
    QFile file(QStringLiteral(":/data/zonekey.bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Offsets from UTC every two weeks of 2026: two zones agree when all of them do.
QList<int> OffsetsOf2026(const QByteArray &zone)
{
    static QHash<QByteArray, QList<int>> known;
    if (const auto it = known.constFind(zone); it != known.constEnd())
        return *it;
    QList<int> offsets;
    const QTimeZone tz(zone);
    const QDateTime start(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
    for (int week = 0; tz.isValid() && week < 53; week += 2)
        offsets.append(tz.offsetFromUtc(start.addDays(week * 7)));
    return known[zone] = offsets;
}

} // namespace

class TestZoneKey final : public QObject
{
    Q_OBJECT

private slots:
    void placesByName_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QByteArray>("zone");
        const struct
        {
            const char *name;
            double longitude, latitude;
            const char *zone;
        } places[] = {
            {"Chatham Islands", -176.56, -43.95, "Pacific/Chatham"},
            {"Kiritimati", -157.43, 1.87, "Pacific/Kiritimati"},
            {"Kathmandu, not China", 85.32, 27.70, "Asia/Kathmandu"},
            {"Lord Howe Island", 159.08, -31.55, "Australia/Lord_Howe"},
            {"St. John's", -52.71, 47.56, "America/St_Johns"},
            {"Dublin", -6.26, 53.35, "Europe/Dublin"},
            // Open sea: the nautical zone, split at the date line.
            {"mid-Atlantic", -40, 30, "Etc/GMT+3"},
            {"west of the date line", 179.5, -55, "Etc/GMT-12"},
            {"east of the date line", -179.5, -55, "Etc/GMT+12"},
        };
        for (const int level : {0, 3})
            for (const auto &p : places)
                QTest::addRow("%s, level %d", p.name, level)
                    << level << p.longitude << p.latitude << QByteArray(p.zone);
    }
    void placesByName()
    {
        QFETCH(int, level);
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(QByteArray, zone);
        const ZoneKey &key = ZoneKey::Builtin();
        QCOMPARE(key.LevelSize(level), QSize(357 << level, 178 << level));
        QCOMPARE(key.ZoneAt(level, longitude, latitude), zone);
    }

    // The program's own key inflates its levels on its own path: each the same cells as a copy
    // of its bytes gives through Qt's.
    void ownLevelsAsACopy()
    {
        const ZoneKey copy(BuiltinBytes());
        const ZoneKey &own = ZoneKey::Builtin();
        QCOMPARE(own.LevelCount(), copy.LevelCount());
        for (int level = 0; level < own.LevelCount(); ++level) {
            const QSize size = own.LevelSize(level);
            const quint16 *cells = own.Cells(level);
            QVERIFY(cells && copy.Cells(level));
            QVERIFY2(std::memcmp(cells, copy.Cells(level),
                                 size_t(size.width() * size.height()) * 2) == 0,
                     qPrintable(QString::number(level)));
            own.Release(level);
            copy.Release(level);
        }
    }

    // Damage of any part gives no key, or a missing level with the others intact; never an
    // index out of range or a crash.
    void damagedCopy_data()
    {
        QTest::addColumn<int>("at"); // byte to change; negative: from the level's cells
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("keyKept");
        QTest::newRow("header") << 20 << 0 << false;
        QTest::newRow("zone names") << 70 << 0 << false;
        QTest::newRow("cut short") << -1 << 0 << false;
        QTest::newRow("zone out of range, in place") << -2 << 0 << true;
        QTest::newRow("compressed cells") << -3 << 3 << true;
    }
    void damagedCopy()
    {
        QFETCH(int, at);
        QFETCH(int, level);
        QFETCH(bool, keyKept);
        QByteArray bytes = BuiltinBytes();
        QVERIFY(!bytes.isEmpty());
        const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
        const qsizetype cells = qFromLittleEndian<quint32>(data + 40) + 16 * level + 8;
        const qsizetype start = qFromLittleEndian<quint32>(data + cells);
        if (at >= 0)
            bytes[at] = char(bytes[at] ^ 0x5a);
        else if (at == -1)
            bytes.chop(4);
        else if (at == -2)
            qToLittleEndian<quint16>(ZoneKey::LandBit | 0x7ffe, bytes.data() + start + 200);
        else {
            bytes[start + 4000] = char(bytes[start + 4000] ^ 0x5a);
            QTest::ignoreMessage(QtWarningMsg, "qUncompress: Input data is corrupted");
        }

        const ZoneKey key(bytes);
        QCOMPARE(!key.IsNull(), keyKept);
        QVERIFY(!key.Cells(level));
        QCOMPARE(key.ZoneIndexAt(level, QPoint(100, 100)), -1);
        QCOMPARE(key.ZoneAt(level, -52.71, 47.56), QByteArray("Etc/GMT+4"));
        if (keyKept)
            QCOMPARE(key.ZoneAt(3 - level, -6.26, 53.35), QByteArray("Europe/Dublin"));
    }

    // The zone the map lights at a city is one with the city's offsets all through 2026.
    void citiesAgree_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("allowedShare"); // cities on a border a pixel blurs
        QTest::newRow("level 0") << 0 << 0.05;
        QTest::newRow("level 3") << 3 << 0.01;
    }
    void citiesAgree()
    {
        QFETCH(int, level);
        QFETCH(double, allowedShare);
        const ZoneKey &key = ZoneKey::Builtin();
        QVERIFY(Cities::Count() > 20000);
        int compared = 0;
        QList<QByteArray> differ;
        for (int city = 0; city < Cities::Count(); ++city) {
            const QList<int> expected = OffsetsOf2026(Cities::ZoneId(city));
            if (expected.isEmpty())
                continue;
            ++compared;
            const QByteArray zone =
                key.ZoneAt(level, Cities::Longitude(city), Cities::Latitude(city));
            if (OffsetsOf2026(zone) != expected)
                differ.append(Cities::AsciiName(city).toUtf8() + " (" + Cities::ZoneId(city) +
                              "): " + zone);
        }
        qInfo("%lld of %d cities differ, first: %s", qlonglong(differ.size()), compared,
              differ.mid(0, 12).join("; ").constData());
        QVERIFY(differ.size() <= allowedShare * compared);
    }
};

QTEST_GUILESS_MAIN(TestZoneKey)
#include "tst_zonekey.moc"
