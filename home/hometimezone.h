// SPDX-License-Identifier: MIT

#pragma once

#include "home/zonerecord.h"

#include <QString>
#include <QStringList>

#include <string>

// The computer's time zone kept equal to the home's, on the zone store (home/zonestore.h). The
// program's own local time follows what it applied: TZ holds the record's POSIX rule, or, for a
// home that follows the time-zone database, ":Zone/Name" (the system's file), not the store's
// file, so another copy's later write never shifts this copy's clocks.

// Builds the record, makes it this process's local time and writes it with the compiled zone:
// the database's own file for a home that follows it. False without a home, for a rule the C
// library cannot read (TZ is then left as it was) or when the store could not be written (TZ is
// set all the same).
bool ApplyHomeTimeZone(const HomeZoneChoice &choice);

// The stored record has the home's bias and a standard name starting with "GMT", whoever wrote
// it. True without a home: there is no zone to apply.
bool IsHomeTimeZoneApplied(int homeIndex);
// The same for a choice; with the database, the record must be the one the choice builds.
bool IsHomeTimeZoneApplied(const HomeZoneChoice &choice);

// The system's compiled file of a zone of the database ($TZDIR or /usr/share/zoneinfo); empty
// when it cannot be read.
QByteArray DatabaseZoneFile(const QByteArray &zoneId);

// Writes "DisableAutoDaylightTimeSet" for the option.
bool ApplyDaylightSwitch(int option);

// False when the stored switch (0 when missing) disagrees with the option.
bool IsDaylightSwitchApplied(int option);

// Sets TZ to rule and re-reads it; false, restoring the TZ before, when the C library could not
// parse it (it then leaves tzname[0] empty and runs on UTC).
bool SetCheckedProcessTimeZone(const std::string &rule);

// The desktop's date and time settings, the first installed of the known tools, started
// detached. False, with nothing reported, when none is installed.
bool AdjustTime();

// The program and arguments AdjustTime would start; empty program when none is installed.
struct DateTimeTool
{
    QString program;
    QStringList arguments;
};
DateTimeTool FindDateTimeTool();
// The programs AdjustTime looks for, in the order it tries them.
QStringList DateTimeToolNames();
