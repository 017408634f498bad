#include "app/popupmenus.h"

#include <QAction>
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

QTEST_MAIN(TestPopupMenus)
#include "tst_popupmenus.moc"
