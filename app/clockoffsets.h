// SPDX-License-Identifier: MIT

#pragma once

#include "home/daylightoption.h"
#include "zones/daylight.h"
#include "zones/timesource.h"
#include "zones/zonedatabase.h"

#include <QString>

#include <functional>
#include <optional>

// The time logic of the main window, kept free of widgets: from home, selection, map zone and
// the daylight-saving choices it computes what the four clocks show, the captions that name the
// offsets and the tip of the tray icon. In table mode the clocks add an offset to the computer's
// clock, which is taken to show home time, including the home's daylight saving when the option
// lets the system adjust. In database mode each clock shows UTC plus its place's offset at that
// instant, from the computer's time-zone database.

struct ClockOffsetInputs
{
    int homeIndex = -1;
    int selectedIndex = -1;
    int daylightOption = DaylightAuto;
    bool useOwnDaylightDates = false;
    OwnDaylightDates ownDates;
    bool showDaylightSaving = true;
    float mapZone = 0.0f; // the map's selected zone, used when nothing is selected
    bool useDatabase = false;
    // Database mode: a city's zone (or a zone chosen by name) that the selected or the home
    // clocks follow instead of their entry's, and the name the selected clocks' caption and
    // the tray tip give instead of the entry's. Empty: the entry's own.
    QByteArray selectedZone{};
    QString selectedName{};    // "Phoenix, Arizona, United States", for the tip
    QString selectedCaption{}; // "Phoenix", for the clocks' caption
    QByteArray homeZone{};
    QString homeName{};
};

// Database mode: the zone the home and the selected clocks follow: the city's, else the
// entry's. Empty in table mode or for none.
QByteArray HomeZoneId(const ClockOffsetInputs &in);
QByteArray SelectedZoneId(const ClockOffsetInputs &in);

// In database mode home and selected are the offsets from UTC the clocks show at the instant.
struct ClockOffsets
{
    TimeValue home = 0;     // seconds the home clocks add to the computer's clock
    TimeValue selected = 0; // seconds the selected clocks add
    float target = 0.0f;    // the selected entry's standard offset, or the map's zone
};

// Whether daylight saving is in effect at home at t, as the computer's clock sees it. Never for
// "not adjusted" and "none": the clock then stays on standard time whatever the home's rule.
bool IsHomeDaylightSavingAt(const ClockOffsetInputs &in, TimeValue t);

// The offsets at t; false without a home (the clocks then keep what they show). An index from
// outside the table counts as none.
bool ComputeClockOffsets(const ClockOffsetInputs &in, TimeValue t, ClockOffsets &out);

// The zone an entry is listed and lit under, in hours: its standard offset, from the database
// at t in database mode, else the table's. 0 outside the table.
float EntryZone(int index, bool useDatabase, TimeValue t);

// Database mode: seconds east of UTC that the home clocks show at t. Auto, By hand and None
// follow the database; Not adjusted, and "Show daylight saving" off, keep the home's standard
// offset; the user's own dates follow the process's local time, which then runs on the rule
// built from them. 0 without a home.
TimeValue HomeUtcOffsetAt(const ClockOffsetInputs &in, TimeValue t);

// Database mode: seconds east of UTC that the selected clocks show at t: the selected entry's
// offset (its standard offset with "Show daylight saving" off; the home's when it is the home),
// or the map's zone when nothing is selected.
TimeValue SelectedUtcOffsetAt(const ClockOffsetInputs &in, TimeValue t);

// What the home and selected clocks ask at each tick in database mode: seconds east of UTC at
// an instant. Both empty in table mode.
struct ClockRules
{
    std::function<TimeValue(TimeValue)> home;
    std::function<TimeValue(TimeValue)> selected;
};
ClockRules MakeClockRules(const ClockOffsetInputs &in);

// The next change after t of the selected entry: from the database in database mode, from the
// table's rule (changing at the computer's midnight) in table mode.
std::optional<ZoneChange> NextSelectedChange(const ClockOffsetInputs &in, TimeValue t);

// Whole hours and minutes of a difference in hours, each truncated toward zero, as seconds:
// -3.5 gives -3 h -30 min.
TimeValue HoursToSpan(float hours);

struct Captions
{
    QString offsetLabel;   // above the map
    QString selectedGroup; // around the selected clocks
    QString treeGroup;     // around the tree
    QString homeGroup;     // around the home clocks
};

Captions MakeCaptions(float offset, float homeOffset, bool listOnly);
// The captions at t: the map label and tree caption name the zone offset; in database mode the
// home and selected captions name the offsets their clocks show at t.
Captions MakeCaptionsAt(const ClockOffsetInputs &in, float offset, float homeOffset, bool listOnly,
                        TimeValue t);

// "part, name " or "name " in the mode's names (zones/places.h), or the map zone's text and a
// blank when nothing is selected, followed by what the selected time clock shows. A name given
// (a city's: "Phoenix, Arizona, United States") stands for the selected entry's.
QString MakeTrayTip(int selectedIndex, bool useDatabase, float mapZone,
                    const QString &selectedTimeText, const QString &selectedName = QString());
