// SPDX-License-Identifier: MIT

#include "app/popupmenus.h"

#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "map/mapcolourwaitdialog.h"
#include "map/mapwnd.h"
#include "zones/timeformat.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <memory>

namespace {

// The item texts of the land and sea lists, by map colour pair. Every item of a menu has a
// mnemonic of its own, so each can be chosen with one key.
struct PopupMenus
{
    Q_DECLARE_TR_FUNCTIONS(PopupMenus)
};

struct ColourText
{
    const char *source;
    const char *comment;
};
const std::array<ColourText, 8> MapColourTexts{{
    QT_TRANSLATE_NOOP3("PopupMenus", "Gr&ey", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Blue", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Green", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Red", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Magenta", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Yellow", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Cyan", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&White", "colour"),
}};
const std::array<ColourText, 9> ClockColourTexts{{
    QT_TRANSLATE_NOOP3("PopupMenus", "B&lack", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "Gr&ey", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Blue", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Green", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Red", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Magenta", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Yellow", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&Cyan", "colour"),
    QT_TRANSLATE_NOOP3("PopupMenus", "&White", "colour"),
}};

QString ColourName(const ColourText &colour)
{
    return PopupMenus::tr(colour.source, colour.comment);
}

QString AccessibleText(const QString &text)
{
    QString plain = text.section(u'\t', 0, 0).trimmed();
    plain.remove(u'&');
    return plain;
}

QMenu *NewMenu(const QString &title, const QString &name, QWidget *parent)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(name);
    menu->setAccessibleName(AccessibleText(title.isEmpty() ? name : title));
    return menu;
}

QAction *AddCommand(QMenu *menu, const QString &text, int command)
{
    QAction *action = menu->addAction(text);
    action->setData(command);
    action->setObjectName(QStringLiteral("command%1").arg(command));
    return action;
}

QMenu *AddSubMenu(QMenu *menu, const QString &title, const QString &name)
{
    QMenu *sub = NewMenu(title, name, menu);
    menu->addMenu(sub);
    return sub;
}

// Only a marked item is checkable: the others then show no empty box beside their text.
void SetCheck(QAction *action, bool check)
{
    action->setCheckable(check);
    action->setChecked(check);
}

void CheckCommand(QMenu *menu, int command)
{
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        if (!action->isSeparator() && !action->menu())
            SetCheck(action, CommandOf(action) == command);
    }
}

// Checks the item at position check and greys the one at position grey; the others are
// unchecked and enabled.
void MarkPositions(QMenu *menu, int check, int grey)
{
    if (!menu)
        return;
    const auto actions = menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        SetCheck(actions[i], i == check);
        actions[i]->setEnabled(i != grey);
    }
}

} // namespace

QMenu *CreateMapMenu(QWidget *parent)
{
    QMenu *popup = NewMenu(QString(), QStringLiteral("mapMenu"), parent);
    popup->setAccessibleName(PopupMenus::tr("Map menu"));

    QMenu *speed = AddSubMenu(popup, PopupMenus::tr("&Scroll Speed"), QStringLiteral("speedMenu"));
    AddCommand(speed, PopupMenus::tr("&Slow"), ID_SPEED_SLOW);
    AddCommand(speed, PopupMenus::tr("&Medium"), ID_SPEED_MEDIUM);
    AddCommand(speed, PopupMenus::tr("&Fast"), ID_SPEED_FAST);

    QMenu *colours = AddSubMenu(popup, PopupMenus::tr("&Colours"), QStringLiteral("coloursMenu"));
    QMenu *land = AddSubMenu(colours, PopupMenus::tr("&Land"), QStringLiteral("landMenu"));
    QMenu *sea = AddSubMenu(colours, PopupMenus::tr("&Sea"), QStringLiteral("seaMenu"));
    for (int i = 0; i < int(MapColourTexts.size()); ++i) {
        AddCommand(land, ColourName(MapColourTexts[i]), ID_LAND_COLOUR_FIRST + i);
        AddCommand(sea, ColourName(MapColourTexts[i]), ID_SEA_COLOUR_FIRST + i);
    }

    AddCommand(popup, PopupMenus::tr("Show &Night"), ID_SHOW_NIGHT)->setCheckable(true);
    AddCommand(popup, PopupMenus::tr("&Pin Selected Place	Ctrl+P"), ID_PIN_PLACE);

    popup->addSeparator();
    AddCommand(popup, PopupMenus::tr("C&ancel\tEsc"), ID_MAP_CANCEL);
    return popup;
}

QMenu *CreateClockMenu(bool timeClock, QWidget *parent)
{
    QMenu *popup = NewMenu(QString(), QStringLiteral("clockMenu"), parent);
    popup->setAccessibleName(timeClock ? PopupMenus::tr("Time clock menu")
                                       : PopupMenus::tr("Date clock menu"));
    if (timeClock) {
        AddCommand(popup, PopupMenus::tr("&Show Seconds"), ID_SHOW_SECONDS);
        AddCommand(popup, PopupMenus::tr("&24-Hour Clock"), ID_24_HOUR_CLOCK);
        popup->addSeparator();
    }
    QMenu *colour = AddSubMenu(popup, PopupMenus::tr("&Colour"), QStringLiteral("colourMenu"));
    for (int i = 0; i < int(ClockColourTexts.size()); ++i)
        AddCommand(colour, ColourName(ClockColourTexts[i]), ID_CLOCK_COLOUR_FIRST + i);
    // "&Colour" holds the C.
    AddCommand(popup, PopupMenus::tr("Con&vert a Time...	Ctrl+T"), ID_CONVERT_TIME);
    AddCommand(popup, PopupMenus::tr("&Pin This Place	Ctrl+P"), ID_PIN_PLACE);
    popup->addSeparator();
    // The date menu's Cancel is padded to line its shortcut up with the wider time menu.
    AddCommand(popup,
               timeClock ? PopupMenus::tr("C&ancel\tEsc")
                         : PopupMenus::tr("C&ancel             \tEsc",
                                          "date clock menu: blanks pad it to the time clock "
                                          "menu's width"),
               ID_CLOCK_CANCEL);
    return popup;
}

QMenu *FindSubMenuByText(const QMenu *popup, const QString &text)
{
    if (!popup)
        return nullptr;
    const auto actions = popup->actions();
    for (auto it = actions.crbegin(); it != actions.crend(); ++it) {
        // Item texts are read into a buffer of 20 characters, terminator included.
        if ((*it)->text().left(19) == text)
            return (*it)->menu();
    }
    return nullptr;
}

void PrepareMapMenu(QMenu *popup, int landColour, int seaColour, int acceleration, bool showNight)
{
    if (QAction *night = FindCommand(popup, ID_SHOW_NIGHT))
        night->setChecked(showNight);
    if (QMenu *colours = FindSubMenuByText(popup, PopupMenus::tr("&Colours"))) {
        const auto lists = colours->actions();
        MarkPositions(lists.value(0) ? lists.value(0)->menu() : nullptr, landColour, seaColour);
        MarkPositions(lists.value(1) ? lists.value(1)->menu() : nullptr, seaColour, landColour);
    }
    if (QMenu *speed = FindSubMenuByText(popup, PopupMenus::tr("&Scroll Speed")))
        CheckCommand(speed, SpeedCommandFor(acceleration));
}

void PrepareClockMenu(QMenu *popup, COLORREF textColour, bool showSeconds)
{
    if (QAction *h24 = FindCommand(popup, ID_24_HOUR_CLOCK))
        SetCheck(h24, Uses24HourClock());
    if (QMenu *colour = FindSubMenuByText(popup, PopupMenus::tr("&Colour")))
        MarkPositions(colour, ClockColourRow(textColour), -1);
    if (QAction *seconds = FindCommand(popup, ID_SHOW_SECONDS))
        SetCheck(seconds, showSeconds);
}

QAction *FindCommand(const QMenu *popup, int command)
{
    if (!popup)
        return nullptr;
    const auto actions = popup->actions();
    for (QAction *action : actions) {
        if (QMenu *sub = action->menu()) {
            if (QAction *found = FindCommand(sub, command))
                return found;
        } else if (CommandOf(action) == command) {
            return action;
        }
    }
    return nullptr;
}

int CommandOf(const QAction *action)
{
    return action && !action->menu() ? action->data().toInt() : 0;
}

int SpeedCommandFor(int acceleration)
{
    if (acceleration == SlowAcceleration)
        return ID_SPEED_SLOW;
    if (acceleration == MediumAcceleration)
        return ID_SPEED_MEDIUM;
    return ID_SPEED_FAST;
}

int ClockColourRow(COLORREF colour)
{
    for (int row = int(ClockColourTable.size()) - 1; row >= 0; --row) {
        if (ClockColourTable[row] == colour)
            return row;
    }
    return -1;
}

QPoint RightAlignedAt(QMenu *popup, const QPoint &screenPos)
{
    popup->ensurePolished();
    return {screenPos.x() - popup->sizeHint().width(), screenPos.y()};
}

int TrackPopupMenu(QMenu *popup, const QPoint &screenPos)
{
    if (!popup)
        return 0;
    return CommandOf(popup->exec(RightAlignedAt(popup, screenPos)));
}

namespace {

// Shows the wait window over the map while recolour runs, then closes it.
template <typename Recolour> void RecolourMap(CMapWnd &map, Recolour recolour)
{
    auto wait = std::make_unique<CMapColourWaitDialog>(map.window());
    wait->Create();
    wait->ShowOver(&map);
    recolour();
    wait->close();
}

} // namespace

bool OnMapMenuCommand(int command, CMapWnd &map, CCountryTree *tree)
{
    switch (command) {
    case ID_SPEED_SLOW:
        map.SetAcceleration(SlowAcceleration);
        return true;
    case ID_SPEED_MEDIUM:
        map.SetAcceleration(MediumAcceleration);
        return true;
    case ID_SPEED_FAST:
        map.SetAcceleration(FastAcceleration);
        return true;
    case ID_SHOW_NIGHT:
        map.SetShowNight(!map.GetShowNight());
        return true;
    default:
        break;
    }
    if (command >= ID_LAND_COLOUR_FIRST && command <= ID_LAND_COLOUR_LAST) {
        const int colour = command - ID_LAND_COLOUR_FIRST;
        // The sea's colour is greyed in the menu; a stray command must not give both one colour.
        if (colour == map.GetLandColour() || colour == map.GetSeaColour())
            return true;
        RecolourMap(map, [&] {
            map.SetLandColour(colour);
            if (tree)
                tree->SetLandColour(colour);
        });
        return true;
    }
    if (command >= ID_SEA_COLOUR_FIRST && command <= ID_SEA_COLOUR_LAST) {
        const int colour = command - ID_SEA_COLOUR_FIRST;
        if (colour == map.GetSeaColour() || colour == map.GetLandColour())
            return true;
        RecolourMap(map, [&] { map.SetSeaColour(colour); });
        return true;
    }
    return false;
}

bool OnClockMenuCommand(int command, CClockCtrl *&menuClock)
{
    if (command >= ID_CLOCK_COLOUR_FIRST && command <= ID_CLOCK_COLOUR_LAST) {
        if (menuClock)
            menuClock->SetTextColour(ClockColourTable[command - ID_CLOCK_COLOUR_FIRST]);
        menuClock = nullptr;
        return true;
    }
    if (command == ID_SHOW_SECONDS) {
        if (menuClock)
            menuClock->SetShowSeconds(!menuClock->GetShowSeconds());
        menuClock = nullptr;
        return true;
    }
    return false;
}

int ShowMapMenu(CMapWnd &map, CCountryTree *tree, const QPoint &screenPos, bool canPin)
{
    std::unique_ptr<QMenu> popup(CreateMapMenu(map.window()));
    PrepareMapMenu(popup.get(), map.GetLandColour(), map.GetSeaColour(), map.GetAcceleration(),
                   map.GetShowNight());
    FindCommand(popup.get(), ID_PIN_PLACE)->setEnabled(canPin);
    map.window()->activateWindow();
    const int command = TrackPopupMenu(popup.get(), screenPos);
    popup.reset();
    OnMapMenuCommand(command, map, tree);
    return command;
}

int ShowClockMenu(CClockCtrl *clock, CClockCtrl *&menuClock, const QPoint &screenPos,
                  std::optional<bool> canPin)
{
    if (!clock)
        return 0;
    menuClock = clock;
    const bool timeClock = clock->GetMode() == CClockCtrl::ModeTime;
    std::unique_ptr<QMenu> popup(CreateClockMenu(timeClock, clock->window()));
    PrepareClockMenu(popup.get(), clock->GetTextColour(), clock->GetShowSeconds());
    QAction *pin = FindCommand(popup.get(), ID_PIN_PLACE);
    pin->setVisible(canPin.has_value());
    pin->setEnabled(canPin.value_or(false));
    clock->window()->activateWindow();
    const int command = TrackPopupMenu(popup.get(), screenPos);
    popup.reset();
    OnClockMenuCommand(command, menuClock);
    return command;
}
