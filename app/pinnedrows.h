// SPDX-License-Identifier: MIT

#pragma once

#include "app/clockoffsets.h"
#include "map/sunposition.h"
#include "zones/pinnedplaces.h"

#include <QString>

#include <vector>

// What the list of pinned places shows of each pin at an instant: its time, its difference from
// home, its day against home's, day or night there, and the sentence a screen reader reads.
// Widget-free; the instant is given, so the clocks' one tick drives every row.

// What a pin resolves to once, when the list changes: where it lies (for the sun), the zone its
// clock follows in the database's mode, and its city's or zone's own name.
struct PinWhere
{
    double latitude = 0.0;
    double longitude = 0.0;
    QByteArray zone{}; // the city's or the chosen zone; empty: the place's own
    QString ownName{}; // "Sydney", "Chicago"; empty: the place's name
};

// Each pin's city where it has one, else its zone's or place's largest city (one pass over the
// cities for the whole list), else the equator at its zone's meridian.
std::vector<PinWhere> ResolvePins(const std::vector<PinnedPlace> &pins);

struct PinnedRow
{
    bool known = false;  // the mode shows the place (the built-in table: its own places only)
    QString name;        // the label, else the place's name
    QString placeName;   // "Sydney", "New South Wales, Australia"
    QString time;        // "07:40", no seconds
    QString difference;  // "+9 h", "−5 h 30", "0 h"
    int days = 0;        // the pin's calendar day less home's
    QString day;         // "tomorrow", "yesterday", "in 2 days", "2 days ago"; empty: same day
    bool night = false;  // the sun has set there
    QString sentence;    // "Mum, Sydney, 07:40 tomorrow, 10 hours ahead"
    TimeValue ahead = 0; // seconds the pin's clock is ahead of home's
};

// The pin's row at t, by the window's home and rules: the pin's clock is what the selected
// clocks would show with the pin selected (in table mode by the table's rules, its place alone).
// sun is where the sun stands at t (SunPositionAt), worked out once for all rows.
PinnedRow MakePinnedRow(const PinnedPlace &pin, const PinWhere &where,
                        const ClockOffsetInputs &window, TimeValue t, const SunPoint &sun,
                        bool twentyFourHour = true);

// "+9 h", "−5 h 30" (a true minus sign), "0 h"; seconds are dropped.
QString DifferenceText(TimeValue seconds);
// "10 hours ahead", "5 hours 30 minutes behind", "the same time as home".
QString DifferenceWords(TimeValue seconds);
// The day of a pin against home's: "tomorrow", "yesterday", "in 2 days", "2 days ago", or empty.
QString DayText(int days);

// The tip's lines for the pins ("Mum 07:40 tomorrow"), each at most lineLength characters, as
// many whole lines as fit in room characters (line breaks counted).
QString PinnedTipLines(const std::vector<PinnedRow> &rows, int room, int lineLength);
