// SPDX-License-Identifier: MIT

#pragma once

#include "map/colourref.h"

#include <QPoint>
#include <QString>

#include <array>
#include <optional>

class CClockCtrl;
class CCountryTree;
class CMapWnd;
class QAction;
class QMenu;
class QWidget;

// The pop-up menus of the map and of the clocks. Each menu is built whole, as a resource would
// be, then adjusted to the state it changes; every action carries its command in its data, so
// a menu can be inspected and its commands dispatched without showing it.

enum PopupCommand : int
{
    ID_MAP_CANCEL = 32785,
    ID_SHOW_SECONDS = 32795,
    ID_CLOCK_CANCEL = 32796,
    ID_CLOCK_COLOUR_FIRST = 32808, // rows of ClockColourTable, in menu order
    ID_CLOCK_COLOUR_LAST = 32816,
    ID_LAND_COLOUR_FIRST = 32817, // map colour pairs 0..7
    ID_LAND_COLOUR_LAST = 32824,
    ID_SEA_COLOUR_FIRST = 32825,
    ID_SEA_COLOUR_LAST = 32832,
    ID_SPEED_SLOW = 32833,
    ID_SPEED_MEDIUM = 32834,
    ID_SPEED_FAST = 32835,
    ID_SHOW_NIGHT = 32836,
    ID_CONVERT_TIME = 32837,  // run by the main window
    ID_PIN_PLACE = 32838,     // run by the main window
    ID_24_HOUR_CLOCK = 32839, // run by the main window: every clock and time the program shows
};

// Text colours of the clock colour commands, by row.
inline constexpr std::array<COLORREF, 9> ClockColourTable{
    MakeColourRef(0, 0, 0),     MakeColourRef(128, 128, 128), MakeColourRef(0, 0, 255),
    MakeColourRef(0, 255, 0),   MakeColourRef(255, 0, 0),     MakeColourRef(255, 0, 255),
    MakeColourRef(255, 255, 0), MakeColourRef(0, 255, 255),   MakeColourRef(255, 255, 255)};

// Scrolling accelerations of the speed commands, in pixels per second squared.
inline constexpr int SlowAcceleration = 75;
inline constexpr int MediumAcceleration = 150;
inline constexpr int FastAcceleration = 600;

// The map's menu: "&Scroll Speed", "&Colours" ("&Land", "&Sea"), "Show &Night", "&Pin Selected
// Place", a separator, "C&ancel\tEsc".
QMenu *CreateMapMenu(QWidget *parent = nullptr);
// A clock's menu: "&Show Seconds", "&24-Hour Clock" and a separator for a time clock, then
// "&Colour", "Con&vert a Time...", "&Pin This Place" (shown for the selected clocks only), a
// separator and Cancel.
QMenu *CreateClockMenu(bool timeClock, QWidget *parent = nullptr);

// The sub-menu of the last item of popup whose text (its first 19 characters) equals text,
// case included; nullptr when there is none or that item holds no sub-menu.
QMenu *FindSubMenuByText(const QMenu *popup, const QString &text);

// Checks the current land colour, sea colour and speed, and greys in each colour list the
// colour the other one has, so land and sea can never be given the same colour; checks
// "Show &Night" by showNight.
void PrepareMapMenu(QMenu *popup, int landColour, int seaColour, int acceleration,
                    bool showNight = false);
// Checks the clock's colour (nothing for a colour in no row) and, on a time clock's menu, the
// seconds item by showSeconds and the 24-hour item by the hour cycle in use.
void PrepareClockMenu(QMenu *popup, COLORREF textColour, bool showSeconds);

// The action of a command anywhere in popup or its sub-menus, or nullptr.
QAction *FindCommand(const QMenu *popup, int command);
// The command an action carries, 0 for none.
int CommandOf(const QAction *action);

// The speed command checked for an acceleration: 75 slow, 150 medium, anything else fast.
int SpeedCommandFor(int acceleration);
// The row of ClockColourTable holding colour, searched from the last row, or -1.
int ClockColourRow(COLORREF colour);

// The top-left corner that puts popup's right edge at the screen point, its top at the point.
QPoint RightAlignedAt(QMenu *popup, const QPoint &screenPos);

// Shows popup with its right edge at the screen point and returns the command chosen, or 0
// when the menu was closed without one.
int TrackPopupMenu(QMenu *popup, const QPoint &screenPos);

// Runs a command of the map's menu. A speed, and the night on or off, go to the map at once. A new
// land or sea colour recolours the map behind the "Changing Map Colours" window, which is the only
// feedback while that runs; a land colour also redraws the tree's continent pictures in the same
// colour. The colour the map has already does nothing. False for a command that is not the map's.
bool OnMapMenuCommand(int command, CMapWnd &map, CCountryTree *tree);
// Runs a command of a clock's menu on menuClock (a colour of the table, or seconds on and off)
// and then clears menuClock. False, changing nothing, for a command that is not a clock's.
bool OnClockMenuCommand(int command, CClockCtrl *&menuClock);

// The whole of a right-click: builds the menu, marks it from the map or clock, shows it at the
// screen point and runs the command chosen. menuClock records the clock whose menu is open.
// Both return the command chosen, 0 for none, so the caller can run those that are not theirs;
// canPin enables "&Pin". A clock's menu offers it only when pin is given (the selected clocks).
int ShowMapMenu(CMapWnd &map, CCountryTree *tree, const QPoint &screenPos, bool canPin = false);
int ShowClockMenu(CClockCtrl *clock, CClockCtrl *&menuClock, const QPoint &screenPos,
                  std::optional<bool> canPin = std::nullopt);
