#include "app/popupmenus.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "map/mapcolourwaitdialog.h"
#include "map/mapwnd.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {

// The item at a path of item texts, such as "&Colours/&Land/&Cyan".
QAction *Item(const QMenu *menu, const QString &path)
{
    QAction *found = nullptr;
    for (const QString &text : path.split(u'/')) {
        found = nullptr;
        const auto actions = menu ? menu->actions() : QList<QAction *>();
        for (QAction *action : actions)
            found = action->text() == text ? action : found;
        menu = found ? found->menu() : nullptr;
    }
    return found;
}

// "c" checked, "g" greyed, "." neither, per item.
QString Marks(const QMenu *menu)
{
    QString marks;
    const auto actions = menu->actions();
    for (const QAction *action : actions)
        marks += !action->isEnabled() ? u'g' : action->isChecked() ? u'c' : u'.';
    return marks;
}

// A main-window stand-in holding a map (land 2, sea 1) and a tree, as the menus find them.
struct MapFixture
{
    MapFixture()
    {
        window.resize(400, 300);
        QVERIFY(map.Create(QRect(0, 0, 357, 178), &window, CMapWnd::ControlId));
        tree.setParent(&window);
        tree.SetLandColour(map.GetLandColour());
        tree.FillTree(CCountryTree::NoFilter, 17);
        window.show();
    }

    // Whether the tree's pictures are those of the strip of a land colour.
    bool TreeDrawnIn(int landColour) const
    {
        const QList<QIcon> strip = CCountryTree::LoadImageStrip(landColour);
        QTreeWidgetItem *item = tree.topLevelItem(0);
        const int image = CCountryTree::ItemImage(item);
        if (image < 0 || image >= strip.size() || strip[image].isNull())
            return false;
        return item->icon(0).pixmap(24, 16).toImage() == strip[image].pixmap(24, 16).toImage();
    }

    QWidget window;
    CMapWnd map;
    CCountryTree tree;
};

} // namespace

class TestPopupMenus final : public QObject
{
    Q_OBJECT

private slots:
    void mapCommands_data();
    void mapCommands();
    void clockCommands_data();
    void clockCommands();
    void mapMarks_data();
    void mapMarks();
    void commandsOfTheOtherMenu();
};

// An item of the map's menu as the user picks it, and what the map and tree show after.
void TestPopupMenus::mapCommands_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("land");
    QTest::addColumn<int>("sea");
    QTest::addColumn<int>("acceleration");
    QTest::newRow("slow") << "&Scroll Speed/&Slow" << 2 << 1 << 75;
    QTest::newRow("medium") << "&Scroll Speed/&Medium" << 2 << 1 << 150;
    QTest::newRow("fast") << "&Scroll Speed/&Fast" << 2 << 1 << 600;
    QTest::newRow("land cyan") << "&Colours/&Land/&Cyan" << 6 << 1 << 123;
    QTest::newRow("sea magenta") << "&Colours/&Sea/&Magenta" << 2 << 4 << 123;
    // The colour already set, or the other's (greyed in the menu), does nothing.
    QTest::newRow("land already set") << "&Colours/&Land/&Green" << 2 << 1 << 123;
    QTest::newRow("land as the sea") << "&Colours/&Land/&Blue" << 2 << 1 << 123;
    QTest::newRow("sea as the land") << "&Colours/&Sea/&Green" << 2 << 1 << 123;
}

void TestPopupMenus::mapCommands()
{
    QFETCH(QString, path);
    QFETCH(int, land);
    QFETCH(int, sea);
    MapFixture f;
    f.map.SetAcceleration(123);
    QCOMPARE(f.map.GetLandColour(), 2);
    QCOMPARE(f.map.GetSeaColour(), 1);
    const QImage before = f.map.grab().toImage();
    std::unique_ptr<QMenu> menu(CreateMapMenu());
    QVERIFY(OnMapMenuCommand(CommandOf(Item(menu.get(), path)), f.map, &f.tree));
    QCOMPARE(f.map.GetLandColour(), land);
    QCOMPARE(f.map.GetSeaColour(), sea);
    QTEST(f.map.GetAcceleration(), "acceleration");
    QVERIFY(f.TreeDrawnIn(land));
    QCOMPARE(f.map.grab().toImage() == before, land == 2 && sea == 1);
    // The wait window is gone once the map is recoloured.
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows)
        QVERIFY(!(qobject_cast<const CMapColourWaitDialog *>(w) && w->isVisible()));
}

void TestPopupMenus::clockCommands_data()
{
    QTest::addColumn<bool>("timeClock");
    QTest::addColumn<QString>("path");
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<bool>("seconds");
    QTest::newRow("grey") << true << "&Colour/&Grey" << quint32(0x808080) << true;
    QTest::newRow("red date") << false << "&Colour/&Red" << quint32(0x0000ff) << true;
    QTest::newRow("white") << true << "&Colour/White" << quint32(0xffffff) << true;
    QTest::newRow("seconds off") << true << "&Show Seconds" << quint32(0xff0000) << false;
}

void TestPopupMenus::clockCommands()
{
    QFETCH(bool, timeClock);
    QFETCH(QString, path);
    QFETCH(quint32, colour);
    QFETCH(bool, seconds);
    CClockCtrl clock(MakeColourRef(0, 0, 255), MakeColourRef(212, 208, 200));
    CClockCtrl other(MakeColourRef(0, 0, 0), MakeColourRef(212, 208, 200));
    clock.SetShowSeconds(true);
    std::unique_ptr<QMenu> menu(CreateClockMenu(timeClock));
    QCOMPARE(FindCommand(menu.get(), ID_SHOW_SECONDS) != nullptr, timeClock);
    CClockCtrl *menuClock = &clock;
    QVERIFY(OnClockMenuCommand(CommandOf(Item(menu.get(), path)), menuClock));
    QCOMPARE(menuClock, nullptr);
    QCOMPARE(clock.GetTextColour(), COLORREF(colour));
    QCOMPARE(clock.GetShowSeconds(), seconds);
    QCOMPARE(other.GetTextColour(), COLORREF(0));

    // Shown again, the menu checks the colour picked, and Show Seconds only while on.
    PrepareClockMenu(menu.get(), clock.GetTextColour(), clock.GetShowSeconds());
    QCOMPARE(Item(menu.get(), path)->isChecked(), seconds);
    QCOMPARE(Marks(Item(menu.get(), "&Colour")->menu()).count(u'c'), 1);

    // With the menu clock gone the command reaches no clock.
    QVERIFY(OnClockMenuCommand(ID_SHOW_SECONDS, menuClock));
    QCOMPARE(clock.GetShowSeconds(), seconds);
}

// Marks after a first preparation for slow speed, land 7 and sea 0: none of those may stay.
void TestPopupMenus::mapMarks_data()
{
    QTest::addColumn<int>("land");
    QTest::addColumn<int>("sea");
    QTest::addColumn<int>("acceleration");
    QTest::addColumn<QString>("marks"); // land, sea, speed
    QTest::newRow("defaults") << 2 << 1 << 150 << ".gc..... .cg..... .c.";
    QTest::newRow("fast") << 5 << 6 << 600 << ".....cg. .....gc. ..c";
    QTest::newRow("unusual speed") << 3 << 4 << 123 << "...cg... ...gc... ..c";
    QTest::newRow("colour out of range") << 9 << -1 << 0 << "........ ........ ..c";
}

void TestPopupMenus::mapMarks()
{
    QFETCH(int, land);
    QFETCH(int, sea);
    QFETCH(int, acceleration);
    std::unique_ptr<QMenu> menu(CreateMapMenu());
    PrepareMapMenu(menu.get(), 7, 0, 75);
    PrepareMapMenu(menu.get(), land, sea, acceleration);
    const QStringList marks{Marks(Item(menu.get(), "&Colours/&Land")->menu()),
                            Marks(Item(menu.get(), "&Colours/&Sea")->menu()),
                            Marks(FindSubMenuByText(menu.get(), QStringLiteral("&Scroll Speed")))};
    QTEST(marks.join(u' '), "marks");
    // Only the top level's sub-menus, by their exact text.
    QVERIFY(!FindSubMenuByText(menu.get(), QStringLiteral("&colours")));
    QVERIFY(!FindSubMenuByText(menu.get(), QStringLiteral("&Land")));
}

void TestPopupMenus::commandsOfTheOtherMenu()
{
    CClockCtrl clock(MakeColourRef(0, 0, 0), MakeColourRef(212, 208, 200));
    CClockCtrl *menuClock = &clock;
    for (int command : {int(ID_CLOCK_CANCEL), int(ID_MAP_CANCEL), int(ID_SPEED_FAST), 0})
        QVERIFY(!OnClockMenuCommand(command, menuClock));
    QCOMPARE(menuClock, &clock);

    MapFixture f;
    for (int command : {int(ID_MAP_CANCEL), int(ID_SHOW_SECONDS), int(ID_CLOCK_COLOUR_FIRST), 0})
        QVERIFY(!OnMapMenuCommand(command, f.map, &f.tree));
}

QTEST_MAIN(TestPopupMenus)
#include "tst_popupmenus.moc"
