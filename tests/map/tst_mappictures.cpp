#include "map/colourtables.h"
#include "map/mapwnd.h"
#include "map/surface.h"
#include "map/zonemap.h"
#include "res/resources.h"

#include <QTest>

#include <cmath>
#include <memory>
#include <optional>
#include <set>

// The zone lookup along the whole picture and the lit columns, on the program's own pictures
// with the map not turned. Hand-placed cases are in tst_zonemap.
namespace {

constexpr int W = MapPictureWidth;
constexpr int H = MapPictureHeight;

struct Stripe
{
    float offset;
    int first;
    int last;
};

// The sea stripes along the top row of the zone key.
constexpr Stripe Stripes[] = {
    {-11, 0, 15},   {-10, 16, 30},  {-9, 31, 45},   {-8, 46, 59},   {-7, 60, 74},
    {-6, 75, 89},   {-5, 90, 104},  {-4, 105, 119}, {-3, 120, 134}, {-2, 135, 148},
    {-1, 149, 163}, {0, 164, 178},  {1, 179, 192},  {2, 193, 207},  {3, 208, 222},
    {4, 223, 237},  {5, 238, 252},  {6, 253, 267},  {7, 268, 282},  {8, 283, 296},
    {9, 297, 310},  {10, 311, 325}, {11, 326, 340}, {12, 341, 348}, {-12, 349, 356},
};

constexpr COLORREF Magenta = MakeColourRef(255, 0, 255);
constexpr COLORREF Navy = MakeColourRef(0, 0, 128);
constexpr COLORREF DarkGreen = MakeColourRef(0, 128, 0);

} // namespace

class TestMapPictures final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesFitTheGeometry();
    void topRowSelectsTheStripes_data();
    void topRowSelectsTheStripes();
    void landByKeyAndEstimate_data();
    void landByKeyAndEstimate();
    void lightsOnlyTheNamedColumns_data();
    void lightsOnlyTheNamedColumns();
    void mapWindowOnTheRealPictures();

private:
    CZoneMap m_map;
};

void TestMapPictures::initTestCase()
{
    QVERIFY(m_map.SetPictures(LoadZonePicture(), LoadMapPicture()));
}

void TestMapPictures::picturesFitTheGeometry()
{
    QCOMPARE(m_map.Size(), QSize(W, H));
    // The map holds land and sea only, in the picture's own colours.
    std::set<COLORREF> colours;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            colours.insert(PixelAt(m_map.Map(), x, y));
    QCOMPARE(colours, (std::set<COLORREF>{DarkGreen, Navy}));
    // Every pixel of the key is a key colour of some zone.
    std::set<COLORREF> keys;
    for (const ZoneColourEntry &e : ZoneColourTable)
        keys.insert(e.colour);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            QVERIFY2(keys.count(PixelAt(m_map.Zones(), x, y)),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
}

void TestMapPictures::topRowSelectsTheStripes_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    for (const Stripe &s : Stripes)
        QTest::addRow("%+g: %d-%d", double(s.offset), s.first, s.last)
            << s.offset << s.first << s.last;
}

void TestMapPictures::topRowSelectsTheStripes()
{
    QFETCH(float, offset);
    QFETCH(int, first);
    QFETCH(int, last);
    for (int x = first; x <= last; ++x) {
        // The estimate counts the border, so the last yellow column of +3 falls in the window
        // of +5.75, whose yellow land comes later in the table.
        const float expected = x == 222 ? 5.75f : offset;
        const std::optional<float> zone = m_map.ZoneAt(QPoint(x + 2, 2), 0);
        QVERIFY2(zone && *zone == expected,
                 qPrintable(QStringLiteral("column %1 gave %2").arg(x).arg(zone.value_or(-99))));
    }
}

void TestMapPictures::landByKeyAndEstimate_data()
{
    QTest::addColumn<COLORREF>("key");
    QTest::addColumn<float>("lowEstimate");
    QTest::addColumn<float>("highEstimate");
    QTest::addColumn<float>("expected");
    QTest::newRow("magenta land near India") << Magenta << 5.0f << 6.0f << 5.5f;
    QTest::newRow("magenta land further west") << Magenta << -9.0f << -7.0f << -8.0f;
    QTest::newRow("navy land around -9") << Navy << -10.0f << -8.0f << -9.0f;
    QTest::newRow("dark-green sea at the right edge") << DarkGreen << -12.0f << -12.0f << -12.0f;
}

void TestMapPictures::landByKeyAndEstimate()
{
    // Every pixel of that key colour whose estimate lies in the range selects the zone.
    QFETCH(COLORREF, key);
    QFETCH(float, lowEstimate);
    QFETCH(float, highEstimate);
    QFETCH(float, expected);
    int found = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const QPoint point(x + 2, y + 2);
            const float e = m_map.EstimateZoneAt(point.x(), 0);
            if (m_map.ZoneColourAt({x, y}) != key || e < lowEstimate || e > highEstimate)
                continue;
            ++found;
            const std::optional<float> zone = m_map.ZoneAt(point, 0);
            QVERIFY2(zone && *zone == expected,
                     qPrintable(
                         QStringLiteral("(%1, %2) gave %3").arg(x).arg(y).arg(zone.value_or(-99))));
        }
    QVERIFY(found > 0);
}

void TestMapPictures::lightsOnlyTheNamedColumns_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("west");
    QTest::addColumn<int>("east");
    QTest::newRow("+8") << 8.0f << W / 8 << W / 16;
    QTest::newRow("+5.5") << 5.5f << W / 12 << W / 16;
    QTest::newRow("0") << 0.0f << W / 12 << W / 16;
    QTest::newRow("-12") << -12.0f << W / 12 << W / 16;
    QTest::newRow("12.75") << 12.75f << 0 << 0;
    QTest::newRow("-8.5") << -8.5f << 0 << 0;
    QTest::newRow("10.5") << 10.5f << 0 << 0;
}

void TestMapPictures::lightsOnlyTheNamedColumns()
{
    QFETCH(float, offset);
    QFETCH(int, west);
    QFETCH(int, east);
    CZoneMap map = m_map;
    const int x = map.ZonePosition(offset, 0).x();
    map.LightZone(offset, x);
    COLORREF landKey;
    COLORREF seaKey;
    CZoneMap::GetZoneColours(offset, landKey, seaKey);
    int lit = 0;
    for (int py = 0; py < H; ++py)
        for (int px = 0; px < W; ++px) {
            const bool inColumns = (((px - (x - west)) % W) + W) % W < west + east;
            const COLORREF key = map.ZoneColourAt({px, py});
            COLORREF expected = PixelAt(map.Map(), px, py);
            if (inColumns && key == landKey)
                expected = map.LandHighlight();
            else if (inColumns && key == seaKey)
                expected = map.SeaHighlight();
            lit += expected != PixelAt(map.Map(), px, py);
            QVERIFY2(PixelAt(map.Composite(), px, py) == expected,
                     qPrintable(QStringLiteral("pixel (%1, %2)").arg(px).arg(py)));
        }
    QCOMPARE(lit > 0, west + east > 0);
}

void TestMapPictures::mapWindowOnTheRealPictures()
{
    QWidget host;
    auto *wnd = new CMapWnd(&host);
    std::int64_t now = 0;
    wnd->SetClock([&now] { return now; });
    QVERIFY(wnd->Create(QRect(10, 10, W + 4, H + 4), &host));
    QCOMPARE(wnd->GetBitmapSize(), QSize(W, H));
    wnd->SelectZone(9.5f);
    while (wnd->IsGliding()) {
        now += 16;
        wnd->GlideFrame();
    }
    QCOMPARE(wnd->ZoneMap().ZonePosition(9.5f, wnd->GetOrigin().x()).x(), W / 2);
}

QTEST_MAIN(TestMapPictures)
#include "tst_mappictures.moc"
