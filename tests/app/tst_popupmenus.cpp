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

// The texts of a menu's items, "-" for a separator.
QStringList Texts(const QMenu *menu)
{
    QStringList texts;
    const auto actions = menu->actions();
    for (const QAction *action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
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

QMenu *Land(const QMenu *map)
{
    return FindSubMenuByText(map, QStringLiteral("&Colours"))->actions().at(0)->menu();
}

QMenu *Sea(const QMenu *map)
{
    return FindSubMenuByText(map, QStringLiteral("&Colours"))->actions().at(1)->menu();
}

// Counts the wait windows shown while it lives.
class WaitWindowWatch final : public QObject
{
public:
    WaitWindowWatch() { qApp->installEventFilter(this); }
    ~WaitWindowWatch() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<CMapColourWaitDialog *>(watched))
            ++shown;
        return false;
    }
};

// A main-window stand-in holding a map and a tree, as the menus find them.
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
    void mapMenuItems();
    void clockMenuItems_data();
    void clockMenuItems();
    void findSubMenuByText_data();
    void findSubMenuByText();
    void mapMarks_data();
    void mapMarks();
    void clockMarks_data();
    void clockMarks();
    void preparedTwice();
    void speedCommands_data();
    void speedCommands();
    void landColour();
    void seaColour();
    void colourAlreadySet_data();
    void colourAlreadySet();
    void clockCommands_data();
    void clockCommands();
    void otherCommandsLeaveTheClock();
};

void TestPopupMenus::mapMenuItems()
{
    std::unique_ptr<QMenu> menu(CreateMapMenu());
    QCOMPARE(Texts(menu.get()),
             (QStringList{"&Scroll Speed", "&Colours", "-", QStringLiteral("Cancel\tEsc")}));
    QMenu *speed = FindSubMenuByText(menu.get(), QStringLiteral("&Scroll Speed"));
    QVERIFY(speed);
    QCOMPARE(Texts(speed), (QStringList{"&Slow", "&Medium", "&Fast"}));
    QCOMPARE(CommandOf(speed->actions().at(0)), int(ID_SPEED_SLOW));
    QCOMPARE(CommandOf(speed->actions().at(2)), int(ID_SPEED_FAST));

    const QStringList colours{"Gre&y",    "&Blue",   "&Green", "&Red",
                              "&Magenta", "&Yellow", "&Cyan",  "&White"};
    QCOMPARE(Texts(FindSubMenuByText(menu.get(), QStringLiteral("&Colours"))),
             (QStringList{"&Land", "&Sea"}));
    QCOMPARE(Texts(Land(menu.get())), colours);
    QCOMPARE(Texts(Sea(menu.get())), colours);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(CommandOf(Land(menu.get())->actions().at(i)), ID_LAND_COLOUR_FIRST + i);
        QCOMPARE(CommandOf(Sea(menu.get())->actions().at(i)), ID_SEA_COLOUR_FIRST + i);
    }
    QCOMPARE(CommandOf(menu->actions().at(3)), int(ID_MAP_CANCEL));
}

void TestPopupMenus::clockMenuItems_data()
{
    QTest::addColumn<bool>("timeClock");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("time") << true
                          << QStringList{"&Show Seconds", "-", "&Colour", "-",
                                         QStringLiteral("Cancel\tEsc")};
    QTest::newRow("date") << false
                          << QStringList{"&Colour", "-",
                                         QStringLiteral("Cancel             \tEsc")};
}

void TestPopupMenus::clockMenuItems()
{
    QFETCH(bool, timeClock);
    QFETCH(QStringList, items);
    std::unique_ptr<QMenu> menu(CreateClockMenu(timeClock));
    QCOMPARE(Texts(menu.get()), items);
    QMenu *colour = FindSubMenuByText(menu.get(), QStringLiteral("&Colour"));
    QVERIFY(colour);
    QCOMPARE(Texts(colour), (QStringList{"&Black", "&Grey", "&Blue", "&Green", "&Red", "&Magenta",
                                         "&Yellow", "&Cyan", "White"}));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(CommandOf(colour->actions().at(i)), ID_CLOCK_COLOUR_FIRST + i);
    QCOMPARE(FindCommand(menu.get(), ID_SHOW_SECONDS) != nullptr, timeClock);
    QVERIFY(FindCommand(menu.get(), ID_CLOCK_CANCEL));
}

void TestPopupMenus::findSubMenuByText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("sub-menu") << "&Colours"
                              << "coloursMenu";
    QTest::newRow("case differs") << "&colours"
                                  << "";
    QTest::newRow("without mnemonic") << "Colours"
                                      << "";
    QTest::newRow("plain item") << "Cancel\tEsc"
                                << "";
    QTest::newRow("nested only") << "&Land"
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestPopupMenus::findSubMenuByText()
{
    QFETCH(QString, text);
    QFETCH(QString, found);
    std::unique_ptr<QMenu> menu(CreateMapMenu());
    const QMenu *sub = FindSubMenuByText(menu.get(), text);
    QCOMPARE(sub ? sub->objectName() : QString(), found);
}

void TestPopupMenus::mapMarks_data()
{
    QTest::addColumn<int>("land");
    QTest::addColumn<int>("sea");
    QTest::addColumn<int>("acceleration");
    QTest::addColumn<QString>("landMarks");
    QTest::addColumn<QString>("seaMarks");
    QTest::addColumn<QString>("speedMarks");

    QTest::newRow("defaults") << 2 << 1 << 150 << ".gc....."
                              << ".cg....."
                              << ".c.";
    QTest::newRow("slow") << 0 << 7 << 75 << "c......g"
                          << "g......c"
                          << "c..";
    QTest::newRow("fast") << 5 << 6 << 600 << ".....cg."
                          << ".....gc."
                          << "..c";
    QTest::newRow("unusual speed") << 3 << 4 << 123 << "...cg..."
                                   << "...gc..."
                                   << "..c";
    QTest::newRow("no speed") << 3 << 4 << 0 << "...cg..."
                              << "...gc..."
                              << "..c";
    QTest::newRow("colour out of range") << 9 << -1 << 150 << "........"
                                         << "........"
                                         << ".c.";
}

void TestPopupMenus::mapMarks()
{
    QFETCH(int, land);
    QFETCH(int, sea);
    QFETCH(int, acceleration);
    QFETCH(QString, landMarks);
    QFETCH(QString, seaMarks);
    QFETCH(QString, speedMarks);

    std::unique_ptr<QMenu> menu(CreateMapMenu());
    PrepareMapMenu(menu.get(), land, sea, acceleration);
    QCOMPARE(Marks(Land(menu.get())), landMarks);
    QCOMPARE(Marks(Sea(menu.get())), seaMarks);
    QCOMPARE(Marks(FindSubMenuByText(menu.get(), QStringLiteral("&Scroll Speed"))), speedMarks);
}

void TestPopupMenus::clockMarks_data()
{
    QTest::addColumn<bool>("timeClock");
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<bool>("seconds");
    QTest::addColumn<QString>("colourMarks");

    QTest::newRow("black time clock") << true << quint32(0) << true << "c........";
    QTest::newRow("red date clock") << false << quint32(255) << false << "....c....";
    QTest::newRow("white without seconds") << true << quint32(0xffffff) << false << "........c";
    QTest::newRow("colour in no row") << true << quint32(0x123456) << true << ".........";
}

void TestPopupMenus::clockMarks()
{
    QFETCH(bool, timeClock);
    QFETCH(quint32, colour);
    QFETCH(bool, seconds);
    QFETCH(QString, colourMarks);

    std::unique_ptr<QMenu> menu(CreateClockMenu(timeClock));
    PrepareClockMenu(menu.get(), colour, seconds);
    QCOMPARE(Marks(FindSubMenuByText(menu.get(), QStringLiteral("&Colour"))), colourMarks);
    if (timeClock)
        QCOMPARE(FindCommand(menu.get(), ID_SHOW_SECONDS)->isChecked(), seconds);
}

void TestPopupMenus::preparedTwice()
{
    // A second preparation leaves no mark of the first.
    std::unique_ptr<QMenu> menu(CreateMapMenu());
    PrepareMapMenu(menu.get(), 2, 1, 75);
    PrepareMapMenu(menu.get(), 4, 3, 150);
    QCOMPARE(Marks(Land(menu.get())), QStringLiteral("...gc..."));
    QCOMPARE(Marks(Sea(menu.get())), QStringLiteral("...cg..."));
    QCOMPARE(Marks(FindSubMenuByText(menu.get(), QStringLiteral("&Scroll Speed"))),
             QStringLiteral(".c."));
}

void TestPopupMenus::speedCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("acceleration");
    QTest::newRow("slow") << int(ID_SPEED_SLOW) << 75;
    QTest::newRow("medium") << int(ID_SPEED_MEDIUM) << 150;
    QTest::newRow("fast") << int(ID_SPEED_FAST) << 600;
}

void TestPopupMenus::speedCommands()
{
    QFETCH(int, command);
    QFETCH(int, acceleration);
    MapFixture f;
    f.map.SetAcceleration(123);
    WaitWindowWatch watch;
    QVERIFY(OnMapMenuCommand(command, f.map, &f.tree));
    QCOMPARE(f.map.GetAcceleration(), acceleration);
    QCOMPARE(watch.shown, 0);
}

void TestPopupMenus::landColour()
{
    MapFixture f;
    const int sea = f.map.GetSeaColour();
    QVERIFY(f.map.GetLandColour() != 4 && sea != 4);
    QVERIFY(f.TreeDrawnIn(f.map.GetLandColour()));
    WaitWindowWatch watch;
    QVERIFY(OnMapMenuCommand(ID_LAND_COLOUR_FIRST + 4, f.map, &f.tree));
    QCOMPARE(f.map.GetLandColour(), 4);
    QCOMPARE(f.map.GetSeaColour(), sea);
    QCOMPARE(watch.shown, 1);
    QVERIFY(f.TreeDrawnIn(4));
    // The wait window is gone once the map is recoloured.
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows)
        QVERIFY(!(qobject_cast<const CMapColourWaitDialog *>(w) && w->isVisible()));
}

void TestPopupMenus::seaColour()
{
    MapFixture f;
    const int land = f.map.GetLandColour();
    QVERIFY(land != 6 && f.map.GetSeaColour() != 6);
    WaitWindowWatch watch;
    QVERIFY(OnMapMenuCommand(ID_SEA_COLOUR_FIRST + 6, f.map, &f.tree));
    QCOMPARE(f.map.GetSeaColour(), 6);
    QCOMPARE(f.map.GetLandColour(), land);
    QCOMPARE(watch.shown, 1);
    // The tree keeps the land's pictures.
    QVERIFY(f.TreeDrawnIn(land));
}

void TestPopupMenus::colourAlreadySet_data()
{
    QTest::addColumn<bool>("land");
    QTest::addColumn<bool>("sameAsOther");
    QTest::newRow("land already set") << true << false;
    QTest::newRow("sea already set") << false << false;
    QTest::newRow("land as the sea") << true << true;
    QTest::newRow("sea as the land") << false << true;
}

void TestPopupMenus::colourAlreadySet()
{
    QFETCH(bool, land);
    QFETCH(bool, sameAsOther);
    MapFixture f;
    const int landColour = f.map.GetLandColour();
    const int seaColour = f.map.GetSeaColour();
    const QImage before = f.map.grab().toImage();
    const int colour = (land != sameAsOther) ? landColour : seaColour;
    const int command = (land ? ID_LAND_COLOUR_FIRST : ID_SEA_COLOUR_FIRST) + colour;

    WaitWindowWatch watch;
    QVERIFY(OnMapMenuCommand(command, f.map, &f.tree));
    QCOMPARE(watch.shown, 0);
    QCOMPARE(f.map.GetLandColour(), landColour);
    QCOMPARE(f.map.GetSeaColour(), seaColour);
    QCOMPARE(f.map.grab().toImage(), before);
    QVERIFY(f.TreeDrawnIn(landColour));
}

void TestPopupMenus::clockCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<bool>("seconds");
    QTest::newRow("grey") << int(ID_CLOCK_COLOUR_FIRST + 1) << quint32(0x808080) << true;
    QTest::newRow("red") << int(ID_CLOCK_COLOUR_FIRST + 4) << quint32(0x0000ff) << true;
    QTest::newRow("white") << int(ID_CLOCK_COLOUR_LAST) << quint32(0xffffff) << true;
    QTest::newRow("seconds off") << int(ID_SHOW_SECONDS) << quint32(0xff0000) << false;
}

void TestPopupMenus::clockCommands()
{
    QFETCH(int, command);
    QFETCH(quint32, colour);
    QFETCH(bool, seconds);
    CClockCtrl clock(MakeColourRef(0, 0, 255), MakeColourRef(212, 208, 200));
    CClockCtrl other(MakeColourRef(0, 0, 0), MakeColourRef(212, 208, 200));
    clock.SetShowSeconds(true);
    CClockCtrl *menuClock = &clock;
    QVERIFY(OnClockMenuCommand(command, menuClock));
    QCOMPARE(menuClock, nullptr);
    QCOMPARE(clock.GetTextColour(), COLORREF(colour));
    QCOMPARE(clock.GetShowSeconds(), seconds);
    QCOMPARE(other.GetTextColour(), COLORREF(0));

    // With the menu clock gone the command reaches no clock.
    QVERIFY(OnClockMenuCommand(ID_SHOW_SECONDS, menuClock));
    QCOMPARE(clock.GetShowSeconds(), seconds);
}

void TestPopupMenus::otherCommandsLeaveTheClock()
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
