// SPDX-License-Identifier: MIT

#pragma once

#include "zones/timesource.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Answers for the entries of the country table from the computer's time-zone database (the
// system's tzdata, read through QTimeZone), so they follow today's rules and the system's
// updates. An entry's zone is loaded on its first use and kept for the run; its state is kept
// with the span of time it holds for, so asking again within that span costs two comparisons.
// An entry whose zone the machine does not know (a machine without tzdata) answers by the
// table's offset and daylight-saving rule. Use from one thread (the GUI's).

struct ZoneState
{
    int utcOffset = 0;      // seconds east of UTC in effect
    int standardOffset = 0; // seconds east of UTC of the zone's standard time
    bool daylight = false;  // daylight saving in effect

    // Seconds the clocks are ahead of standard time (negative where a zone's "daylight" is
    // its winter); 0 outside daylight saving.
    int Shift() const { return utcOffset - standardOffset; }
};

struct ZoneChange
{
    TimeValue at = 0; // the first second of the new offset
    ZoneState before;
    ZoneState after;
};

// The place's zone in the database, e.g. "Europe/Berlin"; empty for any index no place has.
QByteArray EntryZoneId(int index);

// The database knows the entry's zone.
bool IsEntryZoneKnown(int index);

// The entry's state at t; all zero for an index outside the table.
ZoneState EntryStateAt(int index, TimeValue t);

// The first change of offset or of daylight saving after t; nothing when none is ahead.
std::optional<ZoneChange> NextEntryChange(int index, TimeValue t);

// The size of the entry's daylight shift around t: the one in effect, else that of its next
// daylight period within a year, else of its last one within a year; 0 when it has none.
int EntryDaylightShift(int index, TimeValue t);

// Daylight saving is in effect at some time of the UTC year of t or of the year after.
bool EntryHasDaylightSavingThisOrNextYear(int index, TimeValue t);

// The same answers for any zone of the database by its name (a city's, "America/Phoenix"),
// loaded on first use and kept for the run. An unknown zone is not known, answers all zero,
// has no change and no daylight saving.
bool IsZoneKnown(const QByteArray &zoneId);
ZoneState ZoneStateAt(const QByteArray &zoneId, TimeValue t);
std::optional<ZoneChange> NextZoneChange(const QByteArray &zoneId, TimeValue t);
int ZoneDaylightShift(const QByteArray &zoneId, TimeValue t);
bool ZoneHasDaylightSavingThisOrNextYear(const QByteArray &zoneId, TimeValue t);

// "Summer time ends Sun 25 Oct 2026, 03:00 → 02:00": what happens, on which local day, and the
// local time before and after.
QString DescribeChange(const ZoneChange &change);
// The text for a place with no change ahead.
QString NoChangeAheadText();

// The machine has no time-zone database (no zone of the table can be read), asked once a run;
// ZoneDatabaseMissingText() says so in a line.
bool IsZoneDatabaseMissing();
QString ZoneDatabaseMissingText();
// Tests stand in for a machine without the database: no zone is known. Forgets every zone and
// answer of the run.
void SetZoneDatabaseHiddenForTesting(bool hidden);

// What a list shows of an entry at t: its state, and whether it has daylight saving in the UTC
// year of t or the next. Answered from a restored snapshot while that covers t, so a start can
// list and picture every entry without loading their zones; the clocks ask EntryStateAt, which
// always reads the zone.
ZoneState EntryListStateAt(int index, TimeValue t);
bool EntryListHasDaylightSaving(int index, TimeValue t);
// Whether the database knows the entry's zone, answered the same way.
bool IsEntryListZoneKnown(int index, TimeValue t);
// The standard offset at t of a zone by name, as the map lights it; nothing where the database
// does not know the zone. Answered the same way, from a restored snapshot or else the zone's
// compiled file, so the map's zones are lit at a start without loading them; ZoneStateAt always
// reads the zone.
std::optional<int> ZoneListStandardOffset(const QByteArray &zoneId, TimeValue t);

// The answers of this run, the entries' and the zones' by name given to a list (restored ones
// and those from files asked again of their zones first), bound to this machine's database: its
// files' place and identity, the entries' zone names and Qt's version. Empty when the database
// offers nothing to bind it to, or is no longer the one this run read.
QByteArray EntrySnapshot();
// Takes a snapshot of an earlier run for the entries not loaded yet; false, using none of it,
// when it belongs to another database or does not read cleanly.
bool RestoreEntrySnapshot(const QByteArray &snapshot);
// Answers were worked out since the last snapshot taken or restored.
bool EntrySnapshotOutdated();
// A restored answer was contradicted once its zone was read (since the last call): every
// restored answer was then dropped, and what lists and the map showed of them should be shown
// again.
bool TakeEntrySnapshotDisproved();
