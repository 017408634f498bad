#include "countries/countrytree.h"
#include "zones/countrytable.h"
#include "zones/timesource.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QStringList Labels(const QTreeWidgetItem *parent)
{
    QStringList labels;
    for (int i = 0; i < parent->childCount(); ++i)
        labels << parent->child(i)->text(0);
    return labels;
}

QStringList TopLabels(const QTreeWidget &tree)
{
    QStringList labels;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        labels << tree.topLevelItem(i)->text(0);
    return labels;
}

QTreeWidgetItem *Child(const QTreeWidgetItem *parent, const QString &label)
{
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        if (parent->child(i)->text(0) == label)
            return parent->child(i);
    }
    return nullptr;
}

QTreeWidgetItem *Region(const QTreeWidget &tree, const QString &label)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (tree.topLevelItem(i)->text(0) == label)
            return tree.topLevelItem(i);
    }
    return nullptr;
}

int LeafCount(const QTreeWidget &tree)
{
    int leaves = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(&tree)); *it; ++it)
        leaves += (*it)->childCount() == 0 ? 1 : 0;
    return leaves;
}

int Data(const QTreeWidgetItem *item)
{
    return item->data(0, CTipTreeCtrl::IndexRole).toInt();
}

const QStringList AllRegions = {"Europe",        "Africa",        "Asia (exc SE Asia)",
                                "SE Asia",       "North America", "Central America & West Indies",
                                "South America", "Oceania"};

} // namespace

class TestCountryTree final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void allEntries();
    void filterNarrowsToOneOffset();
    void russiaUnderTwoRegions_data();
    void russiaUnderTwoRegions();
    void partsSortWithBlanksCounting();
    void regionPictureFollowsExpansion();
    void daylightPicturesAtTheMomentOfTheFill_data();
    void daylightPicturesAtTheMomentOfTheFill();
    void keptEntryIsSelected_data();
    void keptEntryIsSelected();
    void refillEmptiesTheSelectionFirst();
    void stripCutIntoPictures();
    void imageListFollowsPictureNumbers();

private:
    FixedTimeSource m_clock;
};

void TestCountryTree::initTestCase()
{
    SetProcessTimeZone("UTC0");
    SetTimeSource(&m_clock);
    m_clock.Set(MakeLocalTime(2026, 1, 15, 12));
}

void TestCountryTree::cleanupTestCase()
{
    SetTimeSource(nullptr);
}

void TestCountryTree::allEntries()
{
    CCountryTree tree;
    QCOMPARE(tree.FillTree(CCountryTree::NoFilter, -1), -1);
    QCOMPARE(TopLabels(tree), AllRegions);
    for (int r = 0; r < tree.topLevelItemCount(); ++r)
        QCOMPARE(Data(tree.topLevelItem(r)), r);
    // Every entry once, Russia's two European parts twice.
    QCOMPARE(LeafCount(tree), CountryCount + 2);

    const QTreeWidgetItem *australia = Child(Region(tree, "Oceania"), "Australia");
    QVERIFY(australia);
    QCOMPARE(Labels(australia),
             QStringList({"ACT", "New South Wales", "Northern Territory", "Queensland",
                          "South Australia", "Tasmania", "Victoria", "Western Australia"}));
    QCOMPARE(Data(Child(australia, "Victoria")), 18);
    QVERIFY(tree.SelectedItem() == nullptr);

    // Countries in label order, case and accents aside.
    const QStringList africa = Labels(Region(tree, "Africa"));
    for (qsizetype i = 1; i < africa.size(); ++i)
        QVERIFY2(!CTipTreeCtrl::LabelLess(africa[i], africa[i - 1]), qPrintable(africa[i]));
    QVERIFY(africa.indexOf(QStringLiteral("Réunion (France)")) <
            africa.indexOf(QStringLiteral("Rwanda")));
}

void TestCountryTree::filterNarrowsToOneOffset()
{
    CCountryTree tree;
    tree.FillTree(9.5f, -1);
    QCOMPARE(TopLabels(tree), QStringList({"Oceania"}));
    const QTreeWidgetItem *oceania = tree.topLevelItem(0);
    QCOMPARE(Labels(oceania), QStringList({"Australia"}));
    QCOMPARE(Labels(oceania->child(0)), QStringList({"Northern Territory", "South Australia"}));

    // An offset no entry has leaves the tree empty.
    QCOMPARE(tree.FillTree(13.5f, 0), -1);
    QCOMPARE(tree.topLevelItemCount(), 0);
    QVERIFY(tree.SelectedItem() == nullptr);
}

void TestCountryTree::russiaUnderTwoRegions_data()
{
    QTest::addColumn<float>("filter");
    QTest::addColumn<int>("inEurope");
    QTest::addColumn<int>("inAsia");
    QTest::newRow("no filter") << CCountryTree::NoFilter << 2 << 11;
    QTest::newRow("GMT+3") << 3.0f << 1 << 0;
    QTest::newRow("GMT+5") << 5.0f << 0 << 1;
}

void TestCountryTree::russiaUnderTwoRegions()
{
    QFETCH(float, filter);
    QFETCH(int, inEurope);
    QFETCH(int, inAsia);
    CCountryTree tree;
    tree.FillTree(filter, -1);
    const QTreeWidgetItem *europe = Child(Region(tree, "Europe"), "Russia");
    const QTreeWidgetItem *asia = Child(Region(tree, "Asia (exc SE Asia)"), "Russia");
    QCOMPARE(europe ? europe->childCount() : 0, inEurope);
    QCOMPARE(asia ? asia->childCount() : 0, inAsia);
    if (filter == 3.0f)
        QCOMPARE(Labels(europe), QStringList({"Zone  1"}));
}

void TestCountryTree::partsSortWithBlanksCounting()
{
    CCountryTree tree;
    tree.FillTree(CCountryTree::NoFilter, -1);
    const QTreeWidgetItem *russia = Child(Region(tree, "Asia (exc SE Asia)"), "Russia");
    QVERIFY(russia);
    QStringList expected;
    for (int zone = 0; zone <= 10; ++zone)
        expected << QStringLiteral("Zone %1").arg(zone, 2);
    QCOMPARE(Labels(russia), expected);
    QCOMPARE(Data(russia->child(10)), 257);
}

void TestCountryTree::regionPictureFollowsExpansion()
{
    CCountryTree tree;
    tree.FillTree(CCountryTree::NoFilter, -1);
    QTreeWidgetItem *africa = tree.topLevelItem(1);
    QCOMPARE(CCountryTree::ItemImage(africa), 1);
    africa->setExpanded(true);
    QCOMPARE(CCountryTree::ItemImage(africa), 1 + CCountryTree::ExpandedImageOffset);
    africa->setExpanded(false);
    QCOMPARE(CCountryTree::ItemImage(africa), 1);

    // A country node keeps its daylight picture whatever it does.
    QTreeWidgetItem *australia = Child(Region(tree, "Oceania"), "Australia");
    australia->setExpanded(true);
    QCOMPARE(CCountryTree::ItemImage(australia), CCountryTree::ImageHasDaylight);
}

void TestCountryTree::daylightPicturesAtTheMomentOfTheFill_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("albania");  // northern rule
    QTest::addColumn<int>("victoria"); // southern rule
    QTest::newRow("January") << 1 << 17 << 18;
    QTest::newRow("July") << 7 << 18 << 17;
}

void TestCountryTree::daylightPicturesAtTheMomentOfTheFill()
{
    QFETCH(int, month);
    QFETCH(int, albania);
    QFETCH(int, victoria);
    m_clock.Set(MakeLocalTime(2026, month, 15, 12));
    CCountryTree tree;
    tree.FillTree(CCountryTree::NoFilter, -1);

    const QTreeWidgetItem *australia = Child(Region(tree, "Oceania"), "Australia");
    QCOMPARE(CCountryTree::ItemImage(Child(Region(tree, "Europe"), "Albania")), albania);
    QCOMPARE(CCountryTree::ItemImage(Child(australia, "Victoria")), victoria);
    QCOMPARE(CCountryTree::ItemImage(Child(australia, "Queensland")), 16);
    QCOMPARE(CCountryTree::ItemImage(Child(Region(tree, "Africa"), "Algeria")), 16);
    // A country with parts says only that one of them has daylight saving.
    QCOMPARE(CCountryTree::ItemImage(australia), 17);

    // The pictures tell the moment of the fill, not the present.
    m_clock.Set(MakeLocalTime(2026, month == 1 ? 7 : 1, 15, 12));
    QCOMPARE(CCountryTree::ItemImage(Child(Region(tree, "Europe"), "Albania")), albania);
    m_clock.Set(MakeLocalTime(2026, 1, 15, 12));
}

void TestCountryTree::keptEntryIsSelected_data()
{
    QTest::addColumn<float>("filter");
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("region");
    QTest::newRow("plain entry") << CCountryTree::NoFilter << 2 << 2 << "Europe";
    QTest::newRow("part") << CCountryTree::NoFilter << 18 << 18 << "Oceania";
    QTest::newRow("part within filter") << 9.5f << 15 << 15 << "Oceania";
    QTest::newRow("Russia listed twice") << CCountryTree::NoFilter << 247 << 247 << "Europe";
    QTest::newRow("Russia in Asia only")
        << CCountryTree::NoFilter << 250 << 250 << "Asia (exc SE Asia)";
    QTest::newRow("none") << CCountryTree::NoFilter << -1 << -1 << "";
    QTest::newRow("past the end") << CCountryTree::NoFilter << CountryCount << -1 << "";
    QTest::newRow("far out") << CCountryTree::NoFilter << 100000 << -1 << "";
    QTest::newRow("negative") << CCountryTree::NoFilter << -7 << -1 << "";
    QTest::newRow("filtered out") << 9.5f << 18 << -1 << "";
}

void TestCountryTree::keptEntryIsSelected()
{
    QFETCH(float, filter);
    QFETCH(int, select);
    QFETCH(int, expected);
    QFETCH(QString, region);
    CCountryTree tree;
    QSignalSpy changes(&tree, &QTreeWidget::itemSelectionChanged);
    QCOMPARE(tree.FillTree(filter, select), expected);
    QCOMPARE(tree.SelectedEntry(), expected);
    if (expected < 0) {
        QVERIFY(tree.SelectedItem() == nullptr);
        return;
    }
    const QTreeWidgetItem *item = tree.SelectedItem();
    QVERIFY(item);
    QCOMPARE(changes.count(), 1); // owners learn of the choice from the tree
    QVERIFY(item == tree.currentItem());
    const QTreeWidgetItem *top = item;
    while (top->parent()) {
        top = top->parent();
        QVERIFY(top->isExpanded());
    }
    QCOMPARE(top->text(0), region);
    QCOMPARE(CCountryTree::ItemImage(top), Data(top) + CCountryTree::ExpandedImageOffset);
}

void TestCountryTree::refillEmptiesTheSelectionFirst()
{
    CCountryTree tree;
    tree.FillTree(CCountryTree::NoFilter, 17);
    QList<int> seen;
    connect(&tree, &QTreeWidget::itemSelectionChanged, &tree,
            [&] { seen << tree.SelectedEntry(); });
    tree.FillTree(10.0f, 18);
    // First nothing (the list is rebuilt), then the kept entry.
    QCOMPARE(seen.front(), -1);
    QCOMPARE(seen.back(), 18);

    // A node with children is no choice.
    tree.setCurrentItem(tree.topLevelItem(0));
    QCOMPARE(tree.SelectedEntry(), -1);
}

void TestCountryTree::stripCutIntoPictures()
{
    QImage strip(CCountryTree::ImageCount * 24, 16, QImage::Format_RGB32);
    strip.fill(Qt::white);
    for (int i = 0; i < CCountryTree::ImageCount; ++i)
        strip.setPixel(i * 24 + 5, 7, qRgb(i, 0, 128));
    const QList<QIcon> images = CCountryTree::CutImageStrip(strip);
    QCOMPARE(images.size(), CCountryTree::ImageCount);
    for (int i : {0, 8, 18}) {
        const QImage image =
            images[i].pixmap(QSize(24, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(24, 16));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(image.pixel(5, 7), qRgb(i, 0, 128));
    }

    // A strip that is missing or too short gives empty pictures, never a crash.
    QVERIFY(CCountryTree::CutImageStrip(QImage()).at(0).isNull());
    const QList<QIcon> shortStrip = CCountryTree::CutImageStrip(strip.copy(0, 0, 240, 16));
    QCOMPARE(shortStrip.size(), CCountryTree::ImageCount);
    QVERIFY(!shortStrip[9].isNull());
    QVERIFY(shortStrip[10].isNull());
    QCOMPARE(CCountryTree::LoadImageStrip(42).size(), CCountryTree::ImageCount);
}

void TestCountryTree::imageListFollowsPictureNumbers()
{
    QImage strip(CCountryTree::ImageCount * 24, 16, QImage::Format_RGB32);
    for (int x = 0; x < strip.width(); ++x) {
        for (int y = 0; y < 16; ++y)
            strip.setPixel(x, y, qRgb(x / 24 * 10, 50, 50));
    }
    CCountryTree tree;
    tree.FillTree(CCountryTree::NoFilter, -1);
    QVERIFY(tree.topLevelItem(0)->icon(0).isNull());

    tree.SetImageList(CCountryTree::CutImageStrip(strip));
    auto shade = [](const QTreeWidgetItem *item) {
        return qRed(item->icon(0).pixmap(QSize(24, 16)).toImage().pixel(3, 3)) / 10;
    };
    QCOMPARE(shade(tree.topLevelItem(3)), 3);
    const QTreeWidgetItem *queensland =
        Child(Child(Region(tree, "Oceania"), "Australia"), "Queensland");
    QCOMPARE(shade(queensland), 16);
    // Items filled later take the attached pictures too.
    tree.FillTree(CCountryTree::NoFilter, -1);
    tree.topLevelItem(7)->setExpanded(true);
    QCOMPARE(shade(tree.topLevelItem(7)), 15);
    tree.SetImageList({});
    QVERIFY(tree.topLevelItem(7)->icon(0).isNull());
}

QTEST_MAIN(TestCountryTree)
#include "tst_countrytree.moc"
