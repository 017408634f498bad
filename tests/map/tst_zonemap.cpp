// SPDX-License-Identifier: MIT

#include "map/colourtables.h"
#include "map/landcache.h"
#include "map/surface.h"
#include "map/zonekey.h"
#include "map/zonemap.h"
#include "res/resources.h"
#include "syntheticmap.h"
#include "zones/cityplaces.h"
#include "zones/citytable.h"
#include "zones/zonedatabase.h"
#include "zones/zonefile.h"

#include <QDateTime>
#include <QTest>

#include <cmath>
#include <optional>

using namespace synthetic;

namespace {

constexpr TimeValue June2026 = 1780315200; // 1 June 2026, 12:00 UTC
const QSize Small(371, 173);               // about the window's default
const QSize Large(1920, 960);
constexpr float NotInTable = -99.0f;

CZoneMap Built(QSize size, bool database)
{
    CZoneMap map;
    map.Build(size, ZoneKey::Builtin(), database ? QImage() : LoadZonePicture());
    return map;
}

QRgb At(const QImage &image, QPoint p)
{
    return image.pixel(p);
}

} // namespace

class TestZoneMap final : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_clock = std::make_unique<ScopedTimeSource>(&m_june); }
    void cleanup() { m_clock.reset(); }

    // A click there selects the zone, and lighting it lights the place (a small island may be
    // sea in its own pixel: its land within the click's reach is lit then).
    void knownPlaces_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("database");
        QTest::addColumn<QPointF>("place"); // longitude, latitude
        QTest::addColumn<float>("offset");
        const struct
        {
            const char *name;
            double lon, lat;
            float database, table;
        } places[] = {
            // The table's key has no land of its own there: the sea of the stripe, or nothing.
            {"Chatham", -176.56, -43.95, 12.75f, -12.0f},
            {"Kiritimati", -157.43, 1.87, 14.0f, NotInTable},
            {"Nepal", 84.0, 28.3, 5.75f, 5.75f},
            {"Lord Howe", 159.08, -31.55, 10.5f, NotInTable},
            {"Newfoundland", -56.0, 48.8, -3.5f, -3.5f},
            // The database's Irish winter is its standard time.
            {"Ireland", -8.0, 53.0, 0.0f, 0.0f},
        };
        for (const QSize size : {Small, Large})
            for (const bool database : {true, false})
                for (const auto &p : places)
                    if (database || p.table != NotInTable)
                        QTest::addRow("%s, %dx%d%s", p.name, size.width(), size.height(),
                                      database ? "" : ", table")
                            << size << database << QPointF(p.lon, p.lat)
                            << (database ? p.database : p.table);
    }
    void knownPlaces()
    {
        QFETCH(QSize, size);
        QFETCH(bool, database);
        QFETCH(QPointF, place);
        QFETCH(float, offset);
        CZoneMap map = Built(size, database);
        QCOMPARE(map.Size(), size);
        const QPoint p = PixelOf(place.x(), place.y(), size);
        QCOMPARE(map.ZoneAt(p), offset);
        map.LightZone(offset, map.ZonePosition(offset, 0).x());
        const QImage unlit = map.Map();
        const QImage composite = map.Composite();
        bool lit = false;
        for (int dy = -CZoneMap::LandRadius; dy <= CZoneMap::LandRadius; ++dy)
            for (int dx = -CZoneMap::LandRadius; dx <= CZoneMap::LandRadius; ++dx)
                lit = lit || At(composite, p + QPoint(dx, dy)) != At(unlit, p + QPoint(dx, dy));
        QVERIFY(lit);
    }

    // Only the zone is lit: in table mode within its columns, in database mode every zone of
    // the database with its standard offset met there, whole, and the sea of its nautical zone.
    void lightsOnlyTheZone_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("database");
        QTest::addColumn<float>("offset");
        for (const QSize size : {Small, Large}) {
            const QString s = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            QTest::addRow("+8, table, %s", qPrintable(s)) << size << false << 8.0f;
            QTest::addRow("-12, table, %s", qPrintable(s)) << size << false << -12.0f;
            QTest::addRow("+1, %s", qPrintable(s)) << size << true << 1.0f;
            QTest::addRow("+5.5, %s", qPrintable(s)) << size << true << 5.5f;
        }
    }
    void lightsOnlyTheZone()
    {
        QFETCH(QSize, size);
        QFETCH(bool, database);
        QFETCH(float, offset);
        CZoneMap map = Built(size, database);
        const int w = size.width();
        const int x = map.ZonePosition(offset, 0).x();
        map.LightZone(offset, x);
        const int west = offset == 8.0f ? w / 8 : w / 12;
        const QImage unlit = map.Map();
        const QImage composite = map.Composite();
        const QRgb landLit = ToRgb(map.LandHighlight());
        const QRgb seaLit = ToRgb(map.SeaHighlight());
        int lit = 0;
        for (int py = 0; py < size.height(); ++py)
            for (int px = 0; px < w; ++px) {
                const int share = map.Land().pixel(px, py) & 0xff;
                const QRgb shown = composite.pixel(px, py);
                if (shown == unlit.pixel(px, py) || (share != 0 && share != 255))
                    continue;
                ++lit;
                const bool inColumns = (((px - (x - west)) % w) + w) % w < west + w / 16;
                QVERIFY2(shown == (share ? landLit : seaLit) && map.ZoneAt({px, py}, 0) == offset &&
                             (database || inColumns),
                         qPrintable(QStringLiteral("pixel (%1, %2)").arg(px).arg(py)));
            }
        QVERIFY(lit > size.width() / 4);
    }

    // Every city lies in the zone under which the tree lists its place, or in one with its own
    // zone's offset where the tree cannot list that (Crimea, western Mongolia). Cities on a
    // border or a coast, a pixel from the other side, may differ.
    void citiesAgreeWithTheTree_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("allowedShare");
        QTest::newRow("small") << Small << 0.02;
        QTest::newRow("large") << Large << 0.005;
    }
    void citiesAgreeWithTheTree()
    {
        QFETCH(QSize, size);
        QFETCH(double, allowedShare);
        const CZoneMap map = Built(size, true);
        QVERIFY(Cities::Count() > 20000);
        QStringList differ;
        for (int city = 0; city < Cities::Count(); ++city) {
            const int place = PlaceForCity(city, true, June2026);
            const float listed = EntryListStateAt(place, June2026).standardOffset / 3600.0f;
            const float own = ZoneStateAt(Cities::ZoneId(city), June2026).standardOffset / 3600.0f;
            const std::optional<float> shown =
                map.ZoneAt(PixelOf(Cities::Longitude(city), Cities::Latitude(city), size));
            if (shown != listed && shown != own)
                differ << Cities::AsciiName(city) + " " + Cities::ZoneId(city);
        }
        qInfo("%lld cities differ: %s", qlonglong(differ.size()),
              qPrintable(differ.mid(0, 10).join(QStringLiteral("; "))));
        QVERIFY(differ.size() <= allowedShare * Cities::Count());
    }

    void keyZonesFromFilesAgree_data()
    {
        QTest::addColumn<qint64>("t");
        for (const char *at : {"2008-03-09T07:00:00", "2016-12-31T23:59:59", "2024-03-31T01:00:00",
                               "2026-07-01T00:00:00", "2026-12-07T14:30:00", "2036-12-31T23:59:59"})
            QTest::newRow(at)
                << QDateTime::fromString(QLatin1String(at), Qt::ISODate).toUTC().toSecsSinceEpoch();
    }
    // A start lights the map's zones from their compiled files, before any zone is read: each
    // answers as its zone does once read, and reading them contradicts none.
    void keyZonesFromFilesAgree()
    {
        QFETCH(qint64, t);
        SetZoneDatabaseHiddenForTesting(false); // nothing read or restored yet
        TakeEntrySnapshotDisproved();
        const ZoneKey &key = ZoneKey::Builtin();
        std::vector<std::optional<int>> listed;
        for (int z = 0; z < key.ZoneCount(); ++z) {
            QVERIFY2(ZoneFile::Read(key.ZoneName(z).constData()), key.ZoneName(z));
            listed.push_back(ZoneListStandardOffset(key.ZoneName(z), t));
        }
        for (int z = 0; z < key.ZoneCount(); ++z) {
            const QByteArray name = key.ZoneName(z);
            const int read = ZoneStateAt(name, t).standardOffset;
            QVERIFY2(IsZoneKnown(name) && listed[std::size_t(z)] == read,
                     name + " reads " + QByteArray::number(read));
        }
        QVERIFY(!TakeEntrySnapshotDisproved());
    }

    // Coasts are smooth shares of land at any size but the key's own, and every size shows as
    // much land as the finest level.
    void landAtEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("smooth");
        QTest::newRow("the key's smallest level") << QSize(357, 178) << false;
        QTest::newRow("default") << Small << true;
        QTest::newRow("large") << Large << true;
        QTest::newRow("beyond the finest level") << QSize(4000, 2000) << true;
    }
    void landAtEverySize()
    {
        QFETCH(QSize, size);
        QFETCH(bool, smooth);
        const CZoneMap map = Built(size, true);
        qint64 land = 0;
        int between = 0;
        for (int y = 0; y < size.height(); ++y) {
            const uchar *row = map.Land().constScanLine(y);
            for (int x = 0; x < size.width(); ++x) {
                land += row[x];
                between += row[x] != 0 && row[x] != 255;
            }
        }
        const double share = double(land) / 255 / (qint64(size.width()) * size.height());
        QVERIFY2(std::abs(share - 0.335) < 0.015, qPrintable(QString::number(share)));
        QCOMPARE(between > size.width(), smooth);
    }

    void keptLand_data()
    {
        QTest::addColumn<QSize>("askedSize");
        QTest::addColumn<quint32>("askedKey");
        QTest::addColumn<int>("damagedAt"); // byte changed, counted from the end; -1 none
        QTest::addColumn<int>("cut");       // bytes cut off the end
        QTest::addColumn<bool>("kept");
        const quint32 key = ZoneKey::Builtin().Identity();
        QTest::newRow("read back") << Small << key << -1 << 0 << true;
        QTest::newRow("another size") << Large << key << -1 << 0 << false;
        QTest::newRow("another key") << Small << key + 1 << -1 << 0 << false;
        QTest::newRow("a key changed") << Small << key << 5 << 0 << false;
        QTest::newRow("land changed") << Small << key << 371 * 173 * 2 + 40 << 0 << false;
        QTest::newRow("cut short") << Small << key << -1 << 4 << false;
    }
    // Land kept between runs reads back as built, and only for the size and key it was built for.
    void keptLand()
    {
        QFETCH(QSize, askedSize);
        QFETCH(quint32, askedKey);
        QFETCH(int, damagedAt);
        QFETCH(int, cut);
        const CZoneMap map = Built(Small, true);
        QByteArray bytes = PackLand({map.Land(), map.Keys()}, ZoneKey::Builtin().Identity());
        QVERIFY(!bytes.isEmpty());
        if (damagedAt >= 0)
            bytes[bytes.size() - 1 - damagedAt] = char(bytes[bytes.size() - 1 - damagedAt] ^ 0x10);
        bytes.chop(cut);
        // Read as the program reads it, mapped, and as bytes read.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("land"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        SharedBytes mapped = SharedBytes::MapFile(path, bytes.size());
        QVERIFY(mapped.IsMapped() || bytes.isEmpty());
        QVERIFY(SharedBytes::MapFile(path, bytes.size() - 1).IsEmpty());
        for (const SharedBytes &kept : {std::move(mapped), SharedBytes(bytes)}) {
            const std::optional<BuiltLand> land = UnpackLand(kept, askedSize, askedKey);
            QTEST(land.has_value(), "kept");
            if (land) {
                // The images keep what they read once nothing else does.
                const BuiltLand read = *land;
                QCOMPARE(read.cover, map.Land());
                QCOMPARE(read.keys, map.Keys());
                // The land in use gives way to the same land read back, and only to that.
                CZoneMap shared = map;
                BuiltLand other = read;
                other.cover.scanLine(0)[0] ^= 0x80;
                QVERIFY(!shared.ShareLand(other));
                QVERIFY(shared.ShareLand(read));
                QCOMPARE(shared.Land().constBits(), read.cover.constBits());
            }
        }
    }

    void scroll_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("moves"); // false: refused, the surface unchanged
        // Every quadrant, the axes and the extremes.
        const int shifts[][2] = {{W, 0}, {0, -H},        {1, -1},        {-1, 1},        {-1, -1},
                                 {1, 1}, {W - 1, 1 - H}, {1 - W, H - 1}, {W / 3, -H / 2}};
        for (const auto &s : shifts)
            QTest::addRow("(%d, %d)", s[0], s[1]) << s[0] << s[1] << true;
        QTest::newRow("zero step") << 0 << 0 << false;
        QTest::newRow("one past the width") << W + 1 << 0 << false;
        QTest::newRow("one past the height, upwards") << 3 << -H - 1 << false;
    }

    void scroll()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, moves);
        // A surface of pixels, a share of land of a byte each, a key of two bytes each.
        for (const QImage::Format format :
             {QImage::Format_RGB32, QImage::Format_Grayscale8, QImage::Format_Grayscale16}) {
            const QImage before = Noise(17).convertToFormat(format);
            QImage surface = before;
            QCOMPARE(ScrollSurface(surface, dx, dy), moves);
            const QPoint step = moves ? QPoint(dx, dy) : QPoint();
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    const QPoint from(((x - step.x()) % W + W) % W, ((y - step.y()) % H + H) % H);
                    if (surface.pixel(x, y) != before.pixel(from))
                        QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
                }
        }
        QImage other = Noise(17).convertToFormat(QImage::Format_RGB888);
        QVERIFY(!ScrollSurface(other, 1, 1));
    }

    void nothingOffTheMap()
    {
        const CZoneMap map = Built(Small, true);
        for (const QPoint point :
             {QPoint(-1, 0), QPoint(0, Small.height()), QPoint(Small.width(), 5)})
            QCOMPARE(map.ZoneAt(point), std::optional<float>());
        QCOMPARE(CZoneMap().ZoneAt(QPoint(100, 150)), std::optional<float>());
        // No size, or a damaged key: nothing built, nothing kept.
        CZoneMap none;
        QVERIFY(!none.Build(QSize(0, 10), ZoneKey::Builtin()));
        const ZoneKey damaged(QByteArray(1024, 'x'));
        QVERIFY(!none.Build(Small, damaged));
        QVERIFY(none.IsNull());
        QCOMPARE(none.Map(), QImage());
    }

    void colours_data()
    {
        QTest::addColumn<QList<int>>("steps"); // triples: Land/Sea/Both, then one or two pairs
        // Settings can hold the same pair for both: the map is then one colour, and changing either
        // later brings land and sea apart again.
        QTest::newRow("equal pairs parted")
            << QList<int>{Both, 3, 3, Land, 5, 0, Sea, 5, 0, Sea, 0, 0};
        // Out of range numbers are refused; of two, the good one still applies.
        QTest::newRow("out of range") << QList<int>{
            Both, 6,    7, Land, -1,   0, Sea, 8, 0, Land, 1000, 0, Both, -2147483647 - 1,
            8,    Both, 9, 4,    Both, 0, -3};
    }

    void colours()
    {
        QFETCH(QList<int>, steps);
        CZoneMap map = Built(Small, true);
        int land = 2;
        int sea = 1;
        for (qsizetype i = 0; i < steps.size(); i += 3) {
            const int a = steps[i + 1];
            const int b = steps[i + 2];
            const bool ok = steps[i] == Land  ? map.SetLandColour(a)
                            : steps[i] == Sea ? map.SetSeaColour(a)
                                              : map.SetColours(a, b);
            int &first = steps[i] == Sea ? sea : land;
            const bool aValid = IsValidMapColour(a);
            const bool bValid = steps[i] == Both && IsValidMapColour(b);
            QCOMPARE(ok, aValid || bValid);
            if (aValid)
                first = a;
            if (bValid)
                sea = b;
            // Land and sea in their pairs' dark colours, a coast between the two.
            const QImage shown = map.Map();
            const QRgb l = ToRgb(MapColourTable[std::size_t(land)].dark);
            const QRgb s = ToRgb(MapColourTable[std::size_t(sea)].dark);
            for (int y = 0; y < Small.height(); ++y)
                for (int x = 0; x < Small.width(); ++x) {
                    const int share = map.Land().pixel(x, y) & 0xff;
                    const QRgb p = shown.pixel(x, y);
                    const bool ok =
                        share == 255 ? p == l
                        : share == 0
                            ? p == s
                            : std::abs(qGreen(p) -
                                       (qGreen(s) * (255 - share) + qGreen(l) * share) / 255) <= 1;
                    if (!ok)
                        QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
                }
        }
    }

private:
    static constexpr int Land = 0, Sea = 1, Both = 2; // what a step of colours sets
    FixedTimeSource m_june{June2026};
    std::unique_ptr<ScopedTimeSource> m_clock;
};

QTEST_MAIN(TestZoneMap)
#include "tst_zonemap.moc"
