#pragma once

#include "home/daylightoption.h"
#include "zones/daylight.h"
#include "zones/timesource.h"

#include <QString>

// The time logic of the main window, kept free of widgets: from home, selection, map zone and
// the daylight-saving choices it computes what the four clocks add to the computer's clock, the
// captions that name the offsets and the tip of the tray icon. The computer's clock is taken to
// show home time, including the home's daylight saving when the option lets the system adjust.

struct ClockOffsetInputs
{
    int homeIndex = -1;
    int selectedIndex = -1;
    int daylightOption = DaylightAuto;
    bool useOwnDaylightDates = false;
    OwnDaylightDates ownDates;
    bool showDaylightSaving = true;
    float mapZone = 0.0f; // the map's selected zone, used when nothing is selected
};

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

// "subName, name " or "name ", or the map zone's text and a blank when nothing is selected,
// followed by what the selected time clock shows.
QString MakeTrayTip(int selectedIndex, float mapZone, const QString &selectedTimeText);
