// SPDX-License-Identifier: MIT

#pragma once

#include "app/clockoffsets.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

// A time at home converted to the selected place and back, by the rules the clocks follow.
// Widget-free.

// A wall-clock time: a place's calendar fields counted as seconds since 1970-01-01 00:00, as if
// they were GMT.
using WallTime = TimeValue;

// Seconds east of GMT that a place's clocks show at an instant.
using WallOffset = std::function<TimeValue(TimeValue)>;

struct PlaceOffsets
{
    WallOffset home;
    WallOffset selected;
};

// What the home and selected clocks show at any instant, with in's home, selection and
// daylight-saving choices. In database mode, the clocks' own rules from the database. In table
// mode, home time is the program's own local time, and a selected entry follows its table rule,
// changing at 02:00 of its own standard time and back at 02:00 of its summer time, so a change
// day converts right to the hour.
PlaceOffsets MakePlaceOffsets(const ClockOffsetInputs &in);

// Seconds east of GMT that the entry's table rule gives at t; its standard offset alone with
// daylight false. 0 outside the table.
TimeValue TableUtcOffsetAt(int index, TimeValue t, bool daylight = true);

// The instants at which clocks following offset show wall.
struct WallInstants
{
    // 1 for an ordinary time; 0 for a time the clocks skip on a change day; 2 for one they
    // show twice.
    int count = 0;
    // The instant: for a skipped time, the one the clocks reach by counting on from before
    // the change (02:30 on a spring-forward night is then 03:30); for a repeated one, the
    // earlier.
    TimeValue first = 0;
    TimeValue second = 0; // the later instant of a repeated time
};

WallInstants InstantsShowing(WallTime wall, const WallOffset &offset);

// Typing a time as a person says it. The text is read in the locale (its month and weekday
// names, and English ones; its digits) against the time the field showed: "12:00" keeps the
// day, "7 Dec 14:30" the year, "Mon 7 Dec 2026 12:00" and "2026-12-07 12:00" are whole, "Fri"
// is the next Friday from the shown day on. Hours go 0-23, or 1-12 with am or pm. Nothing for
// text that is no date and time, a day its month lacks, a weekday the date does not fall on, or
// a year outside 1902-2099.
std::optional<WallTime> ParseWallTime(const QString &text, WallTime shown,
                                      const QLocale &locale = QLocale());
// "Mon 7 Dec 2026  12:00" in the locale: what the field shows, and what ParseWallTime reads.
QString FormatWallTime(WallTime wall, const QLocale &locale = QLocale());

// The parts of a wall time the arrow keys step.
enum class WallPart
{
    Year,
    Month,
    Day,
    Hour,
    Minute,
};
// The part of text at a cursor position: the word it is in or just after (a weekday counts as
// the day; a time's hours before its colon, minutes after). Minutes when no word is near.
WallPart WallPartAt(const QString &text, int position, const QLocale &locale = QLocale());
// wall moved by steps of the part, within 1902-2099; a month or year keeps the day where the
// new month has it, else takes its last.
WallTime StepWallTime(WallTime wall, WallPart part, int steps);
