// SPDX-License-Identifier: MIT

#include "countries/countrytree.h"
#include "countries/itemtipwnd.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/timesource.h"
#include "zones/zonedatabase.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList Labels(const QTreeWidgetItem *parent)
{
    QStringList labels;
    for (int i = 0; parent && i < parent->childCount(); ++i)
        labels << parent->child(i)->text(0);
    return labels;
}

// The item at a path of labels such as "Oceania/Australia/Victoria"; the root for "".
QTreeWidgetItem *At(const QTreeWidget &tree, const QString &path)
{
    QTreeWidgetItem *item = tree.invisibleRootItem();
    for (const QString &label : path.split(u'/', Qt::SkipEmptyParts))
        item = item ? item->child(int(Labels(item).indexOf(label))) : nullptr;
    return item;
}

int Leaves(QTreeWidget &tree)
{
    int leaves = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        leaves += (*it)->childCount() == 0 ? 1 : 0;
    return leaves;
}

// Every row, in order, with its picture.
QStringList Rows(QTreeWidget &tree)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        rows << (*it)->text(0) + u' ' + QString::number(CCountryTree::ItemImage(*it));
    return rows;
}

int Image(const QTreeWidget &tree, const QString &path)
{
    return CCountryTree::ItemImage(At(tree, path));
}

} // namespace

class TestCountryTree final : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { SetTimeSource(nullptr); }

    void initTestCase()
    {
        SetProcessTimeZone("UTC0");
        SetTimeSource(&m_clock);
        m_clock.Set(MakeLocalTime(2026, 1, 15, 12));
    }

    void fill_data()
    {
        QTest::addColumn<bool>("database");
        QTest::addColumn<float>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("9.5: two parts") << false << 9.5f << "Oceania/Australia"
                                        << QStringList{"Northern Territory", "South Australia"};
        QTest::newRow("3.0: Russia in Europe")
            << false << 3.0f << "Europe/Russia" << QStringList{"Zone  1"};
        QTest::newRow("3.0: Russia not in Asia")
            << false << 3.0f << "Asia (exc SE Asia)/Russia" << QStringList{};
        QTest::newRow("13.5: nothing") << false << 13.5f << "" << QStringList{};
        // Today's names: the Caroline Islands' parts outside Palau are Micronesia's.
        QTest::newRow("database 11.0: a part of Micronesia")
            << true << 11.0f << "Oceania/Micronesia" << QStringList{"Pohnpei and Kosrae"};
        QTest::newRow("database 11.0: no Caroline Is.")
            << true << 11.0f << "Oceania/Caroline Is." << QStringList{};
    }

    void fill()
    {
        QFETCH(bool, database);
        QFETCH(float, filter);
        QFETCH(QString, path);
        QFETCH(QStringList, labels);
        CCountryTree tree;
        tree.SetUseDatabase(database);
        QCOMPARE(tree.FillTree(filter, 0), -1); // Admiralty I., of +10, is not listed
        QCOMPARE(Labels(At(tree, path)), labels);
    }

    void everyEntryOnceInLabelOrder()
    {
        CCountryTree tree;
        tree.FillTree(CCountryTree::NoFilter, -1);
        QVERIFY(tree.SelectedItem() == nullptr);
        // Every entry once, Russia's two European parts twice.
        QCOMPARE(Leaves(tree), CountryCount + 2);
        const QTreeWidgetItem *zone10 = At(tree, "Asia (exc SE Asia)/Russia/Zone 10");
        QCOMPARE(zone10->data(0, CTipTreeCtrl::IndexRole).toInt(), 257);

        // Countries in label order, case and accents aside, blanks counting.
        const QStringList africa = Labels(At(tree, "Africa"));
        for (qsizetype i = 1; i < africa.size(); ++i)
            QVERIFY2(!CTipTreeCtrl::LabelLess(africa[i], africa[i - 1]), qPrintable(africa[i]));
        QVERIFY(africa.indexOf(QStringLiteral("Réunion (France)")) <
                africa.indexOf(QStringLiteral("Rwanda")));
        QVERIFY(CTipTreeCtrl::LabelLess(QStringLiteral("zone  2"), QStringLiteral("Zone 10")));

        // Database mode: four duplicates hidden, today's countries added, today's names.
        tree.SetUseDatabase(true);
        tree.FillTree(CCountryTree::NoFilter, -1);
        QCOMPARE(Leaves(tree), PlaceCount - 4 + 2);
        const QStringList oceania = Labels(At(tree, "Oceania"));
        QCOMPARE(oceania.count(QStringLiteral("Vanuatu")), 1);
        QVERIFY(!oceania.contains(QStringLiteral("New Hebrides (UK & France)")));
        for (const char *path : {"Africa/Eswatini", "Africa/South Sudan", "Europe/Kosovo",
                                 "Europe/Czechia", "SE Asia/Timor-Leste", "SE Asia/Hong Kong"})
            QVERIFY2(At(tree, QString::fromLatin1(path)), path);
    }

    // In every zone's list, in either mode, a country's parts sit under one row of the country, and
    // no two rows under one parent read the same.
    void noTwinRowsInAnyZone()
    {
        CCountryTree tree;
        QStringList twins;
        for (const bool database : {false, true}) {
            tree.SetUseDatabase(database);
            for (int quarter = -48; quarter <= 56; ++quarter) { // every zone from -12 to +14
                tree.FillTree(quarter / 4.0f, -1);
                for (QTreeWidgetItemIterator it(&tree); *it; ++it)
                    for (const QString &label : Labels(*it))
                        if (Labels(*it).count(label) > 1)
                            twins << QString::number(database) + (*it)->text(0) + u'/' + label;
            }
        }
        twins.removeDuplicates();
        QVERIFY2(twins.isEmpty(), qPrintable(twins.join(QStringLiteral("; "))));
    }

    void firstDatabaseFillIsWhatTheZonesSay_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<float>("filter");
        QTest::newRow("January, every place") << 1 << CCountryTree::NoFilter;
        QTest::newRow("July, every place") << 7 << CCountryTree::NoFilter;
        QTest::newRow("July, -5") << 7 << -5.0f;
        QTest::newRow("March, +1") << 3 << 1.0f;
        QTest::newRow("October, +5:30") << 10 << 5.5f;
    }

    // A first start lists from the zones' files before any zone is read: the tree it shows is
    // the one the zones give once read, row for row and picture for picture.
    void firstDatabaseFillIsWhatTheZonesSay()
    {
        QFETCH(int, month);
        QFETCH(float, filter);
        m_clock.Set(MakeLocalTime(2026, month, 28, 12));
        SetZoneDatabaseHiddenForTesting(false); // nothing read or restored yet
        TakeEntrySnapshotDisproved();
        CCountryTree tree;
        tree.SetUseDatabase(true);
        tree.FillTree(filter, -1);
        const QStringList first = Rows(tree);
        QVERIFY(!first.isEmpty());
        for (int i = 0; i < CountryCount; ++i) {
            EntryStateAt(i, CurrentTime());
            EntryHasDaylightSavingThisOrNextYear(i, CurrentTime());
        }
        QVERIFY(!TakeEntrySnapshotDisproved());
        tree.FillTree(filter, -1);
        QCOMPARE(first, Rows(tree));
        m_clock.Set(MakeLocalTime(2026, 1, 15, 12));
    }

    void daylightPicturesAtTheMomentOfTheFill_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("albania");  // northern rule
        QTest::addColumn<int>("victoria"); // southern rule
        QTest::newRow("January") << 1 << 17 << 18;
        QTest::newRow("July") << 7 << 18 << 17;
    }

    void daylightPicturesAtTheMomentOfTheFill()
    {
        QFETCH(int, month);
        QFETCH(int, albania);
        m_clock.Set(MakeLocalTime(2026, month, 15, 12));
        CCountryTree tree;
        tree.FillTree(CCountryTree::NoFilter, -1);
        QCOMPARE(Image(tree, "Europe/Albania"), albania);
        QTEST(Image(tree, "Oceania/Australia/Victoria"), "victoria");
        QCOMPARE(Image(tree, "Oceania/Australia/Queensland"), 16);
        // A country with parts says only that one of them has daylight saving.
        QCOMPARE(Image(tree, "Oceania/Australia"), 17);

        // The pictures tell the moment of the fill, not the present.
        m_clock.Set(MakeLocalTime(2026, month == 1 ? 7 : 1, 15, 12));
        QCOMPARE(Image(tree, "Europe/Albania"), albania);
        m_clock.Set(MakeLocalTime(2026, 1, 15, 12));
    }

    void keptEntryIsSelected_data()
    {
        QTest::addColumn<bool>("database");
        QTest::addColumn<float>("filter");
        QTest::addColumn<int>("select");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("region");
        const float all = CCountryTree::NoFilter;
        QTest::newRow("plain entry") << false << all << 2 << 2 << "Europe";
        QTest::newRow("part within filter") << false << 9.5f << 15 << 15 << "Oceania";
        QTest::newRow("Russia listed twice") << false << all << 247 << 247 << "Europe";
        QTest::newRow("Russia in Asia only") << false << all << 250 << 250 << "Asia (exc SE Asia)";
        QTest::newRow("past the end") << false << all << CountryCount << -1 << "";
        QTest::newRow("filtered out") << false << 9.5f << 18 << -1 << "";
        QTest::newRow("hidden duplicate: the place listed")
            << true << all << 218 << 332 << "Oceania";
        QTest::newRow("hidden part: the place listed") << true << all << 73 << 229 << "Oceania";
        QTest::newRow("today's country") << true << all << 347 << 347 << "Europe";
        QTest::newRow("past today's places") << true << all << PlaceCount << -1 << "";
    }

    void keptEntryIsSelected()
    {
        QFETCH(bool, database);
        QFETCH(float, filter);
        QFETCH(int, select);
        QFETCH(int, expected);
        CCountryTree tree;
        tree.SetUseDatabase(database);
        QSignalSpy changes(&tree, &QTreeWidget::itemSelectionChanged);
        QCOMPARE(tree.FillTree(filter, select), expected);
        QCOMPARE(tree.SelectedEntry(), expected);
        const QTreeWidgetItem *item = tree.SelectedItem();
        QCOMPARE(item != nullptr, expected >= 0);
        if (!item)
            return;
        QCOMPARE(changes.count(), 1); // owners learn of the choice from the tree
        QVERIFY(item == tree.currentItem());
        while (item->parent()) {
            item = item->parent();
            QVERIFY(item->isExpanded());
        }
        QTEST(item->text(0), "region");
    }

    void refillEmptiesTheSelectionFirst()
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

    void imageStrip()
    {
        // Picture i of the strip in shade i * 10; items filled later take the attached pictures
        // too.
        QImage strip(CCountryTree::ImageCount * 24, 16, QImage::Format_RGB32);
        for (int x = 0; x < strip.width(); ++x) {
            for (int y = 0; y < 16; ++y)
                strip.setPixel(x, y, qRgb(x / 24 * 10, 50, 50));
        }
        CCountryTree tree;
        tree.SetImageList(CCountryTree::CutImageStrip(strip));
        tree.FillTree(CCountryTree::NoFilter, -1);
        const QTreeWidgetItem *queensland = At(tree, "Oceania/Australia/Queensland");
        QCOMPARE(qRed(queensland->icon(0).pixmap(QSize(24, 16)).toImage().pixel(3, 3)), 160);

        // With the strip at twice the size a pixel ratio of 2 draws its picture, not a blow-up.
        QImage sharp(strip.size() * 2, QImage::Format_RGB32);
        sharp.fill(qRgb(0, 99, 0));
        const QIcon two = CCountryTree::CutImageStrip(strip, sharp).at(5);
        QCOMPARE(two.pixmap(QSize(24, 16), 2.0).toImage().pixel(47, 31), qRgb(0, 99, 0));
        QCOMPARE(two.pixmap(QSize(24, 16), 1.0).toImage().pixel(3, 3), qRgb(50, 50, 50));

        // Drawn as an icon of the same pixmaps draws, white left out, selected or not; from
        // strips of a few colours, and of too many for a palette.
        strip.setPixel(5 * 24 + 1, 1, qRgb(255, 255, 255));
        sharp.setPixel(5 * 48 + 2, 2, qRgb(255, 255, 255));
        QImage many = sharp;
        for (int x = 5 * 48 + 4; x < 6 * 48; ++x) {
            for (int y = 0; y < 32; ++y)
                many.setPixel(x, y, qRgb(x * 5 % 256, y * 8, 0));
        }
        const auto painted = [](const QIcon &icon, qreal ratio, QIcon::Mode mode) {
            QImage image(QSize(30, 20) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::blue);
            QPainter painter(&image);
            icon.paint(&painter, QRect(3, 2, 24, 16), Qt::AlignCenter, mode);
            return image;
        };
        for (const QImage &large : {sharp, many}) {
            const QIcon cut = CCountryTree::CutImageStrip(strip, large).at(5);
            QIcon pixmaps;
            for (const QImage &from :
                 {strip.copy(5 * 24, 0, 24, 16), large.copy(5 * 48, 0, 48, 32)}) {
                QImage picture = from.convertToFormat(QImage::Format_ARGB32);
                picture.setPixel(picture.width() / 24, picture.width() / 24, 0);
                QPixmap pixmap = QPixmap::fromImage(picture);
                pixmap.setDevicePixelRatio(picture.width() / 24);
                pixmaps.addPixmap(pixmap);
            }
            for (const qreal ratio : {1.0, 1.5, 1.75, 2.0, 3.0}) {
                for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Selected}) {
                    const QImage image = painted(cut, ratio, mode);
                    QCOMPARE(image, painted(pixmaps, ratio, mode));
                    if (ratio == 1.0 || ratio == 2.0)
                        QCOMPARE(image.pixel(QPoint(4, 3) * ratio), qRgb(0, 0, 255));
                }
            }
        }

        // A strip that is missing or too short gives empty pictures, never a crash.
        QVERIFY(CCountryTree::CutImageStrip(QImage()).at(0).isNull());
        const QList<QIcon> shortStrip = CCountryTree::CutImageStrip(strip.copy(0, 0, 240, 16));
        QCOMPARE(shortStrip.size(), CCountryTree::ImageCount);
        QVERIFY(!shortStrip[9].isNull() && shortStrip[10].isNull());
        QCOMPARE(CCountryTree::LoadImageStrip(42).size(), CCountryTree::ImageCount);
    }

    void noTipJustAfterAClick()
    {
        QWidget window;
        auto *tree = new CTipTreeCtrl(&window);
        tree->setFixedSize(120, 200);
        const int restMs = 60;
        const int pauseMs = 300;
        tree->SetTipIntervals(restMs, pauseMs);
        QTreeWidgetItem *clicked =
            tree->InsertSorted(nullptr, "Afghanistan, The Islamic Rep of", 2);
        QTreeWidgetItem *next = tree->InsertSorted(nullptr, "Spanish Possessions in N Africa", 3);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto onLabel = [&](QTreeWidgetItem *item) {
            const QRect label = tree->LabelRect(item);
            return QPoint(label.left() + 8, label.center().y());
        };
        QTest::mouseMove(tree->viewport(), QPoint(60, 190)); // below the items

        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, onLabel(clicked));
        QVERIFY(clicked->isSelected()); // the click did its usual work
        QTest::mouseMove(tree->viewport(), onLabel(next));
        QTest::qWait(2 * restMs);
        QVERIFY(!tree->TipWindow());

        // Once the pause is over the next move arms the tip again, for the cut-off label under it.
        QTest::qWait(pauseMs);
        QTest::mouseMove(tree->viewport(), onLabel(next) + QPoint(1, 0));
        QTRY_VERIFY(tree->TipWindow() && tree->TipWindow()->isVisible());
        QCOMPARE(tree->TipWindow()->Text(), next->text(0));
        // The window goes with the tip still shown: the tree's destructor must not reach itself.
    }

    void longLabelsScrollIntoView_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("region") << "Central America & West Indies";
        QTest::newRow("part") << "Oceania/Phoenix Is./Those in Rep of Kiribati";
    }

    // A label wider than the tree, as in the main window, can be scrolled to and read whole.
    void longLabelsScrollIntoView()
    {
        QFETCH(QString, path);
        CCountryTree tree;
        tree.setFixedSize(196, 136);
        tree.show();
        tree.FillTree(CCountryTree::NoFilter, -1);
        QTreeWidgetItem *item = At(tree, path);
        QVERIFY(item);
        for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
            p->setExpanded(true);
        tree.scrollToItem(item);
        QVERIFY(!tree.viewport()->rect().contains(tree.LabelRect(item)));
        tree.horizontalScrollBar()->setValue(tree.horizontalScrollBar()->maximum());
        QVERIFY(tree.viewport()->rect().contains(tree.LabelRect(item)));
    }

private:
    FixedTimeSource m_clock;
};

QTEST_MAIN(TestCountryTree)
#include "tst_countrytree.moc"
