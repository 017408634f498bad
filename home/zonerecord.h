// SPDX-License-Identifier: MIT

#pragma once

#include "zones/daylight.h"
#include "zones/zonedatabase.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

// The computer's time-zone record as the program builds it from the home entry, in the form
// the system keeps it (the fields of TIME_ZONE_INFORMATION), and its POSIX rule.

// A change date in day-in-month form: month 1-12 (0 = no daylight saving), day = occurrence 1-4
// or 5 for the last, dayOfWeek 0 = Sunday .. 6, at hour:minute local time; year 0.
struct ZoneDate
{
    int year = 0;
    int month = 0;
    int dayOfWeek = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;

    friend bool operator==(const ZoneDate &, const ZoneDate &) = default;
};

struct TimeZoneInformation
{
    int bias = 0;         // minutes: UTC = local standard time + bias
    QString standardName; // at most 31 characters
    ZoneDate standardDate;
    int standardBias = 0;
    QString daylightName; // at most 31 characters
    ZoneDate daylightDate;
    int daylightBias = 0; // added to bias during daylight saving

    friend bool operator==(const TimeZoneInformation &, const TimeZoneInformation &) = default;
};

// What the record is built from: the main window's home and daylight-saving choices. An option
// outside 0-3 counts as DaylightAuto.
struct HomeZoneChoice
{
    int homeIndex = -1;
    int daylightOption = 0;
    bool useOwnDates = false;
    OwnDaylightDates ownDates;
    bool useDatabase = false; // the computer's time-zone database rather than the table
    // With the database, a home city's own zone ("America/Phoenix") in place of the entry's;
    // empty for the entry's.
    QByteArray zoneId{};
};

inline constexpr int ZoneNameLength = 31;

// -(gmtOffset x 60) truncated toward zero: +5.75 gives -345, -3.5 gives 210.
int HomeBias(float gmtOffset);

// Whether the home has daylight saving: by its table rule, or in the database this year or next
// (in zoneId when given: a home city's zone).
bool HomeHasDaylightSaving(int homeIndex, bool useDatabase, TimeValue t,
                           const QByteArray &zoneId = QByteArray());

// The home's next daylight-saving period in the database as of t: the next change into daylight
// saving and the next one out of it (either may be missing), with their local days as positions
// of the date lists (week 1st-4th or last, month, weekday). Nothing for a home outside the
// table or with neither change within two years.
struct DatabaseDaylightDates
{
    std::optional<ZoneChange> begin;
    std::optional<ZoneChange> end;
    OwnDaylightDates dates; // -1 where the change is missing
};
std::optional<DatabaseDaylightDates> NextDatabaseDaylight(int homeIndex, TimeValue t);

// With the database, Auto, By hand and None follow the home's zone as the database has it: its
// compiled file is used as it is. Not adjusted and the user's own dates build a rule instead.
bool FollowsDatabaseZone(const HomeZoneChoice &choice);

// The record for the home; nothing without a home. With the database the standard offset and
// the size of the shift are the database's today; a home that follows the database's zone gets
// a record without change dates, named by the zone ("Europe/Berlin"). The own dates replace the
// table rule under DaylightAuto with "use own dates"; when they name no day (a value outside its
// list) or the home has no daylight saving, the record has no change dates, as the clocks then show
// no daylight saving.
std::optional<TimeZoneInformation> BuildHomeTimeZone(const HomeZoneChoice &choice);

// The zone the program's clock runs on: the record, except that under DaylightByHand it carries
// the home's shift as under DaylightAuto. Nobody moves this program's clock by hand, so the
// clocks, which count on a clock that includes the home's daylight saving, would otherwise be an
// hour off all summer. The record itself keeps its fields.
std::optional<TimeZoneInformation> BuildClockZone(const HomeZoneChoice &choice);

// "DisableAutoDaylightTimeSet": 0 for DaylightAuto and DaylightByHand, 1 for the other two.
int DaylightSwitchFor(int option);

// The record as a POSIX TZ rule, e.g. "<GMT+10>-10<GMT+11>-11,M10.5.0/2:00,M3.1.0/2:00": a
// daylight part only when both months are set and the switch (0) allows automatic changes.
std::string PosixRule(const TimeZoneInformation &zone, int disableAutoDaylight);

// "<GMT+10>", "<GMT-0330>", "<GMT+00>": the quoted abbreviation of a UTC offset in minutes east.
std::string ZoneAbbreviation(int minutesEast);

// A compiled zone file (TZif version 2, RFC 8536) whose footer is the rule. It holds one
// transition, into standard time before the first change, so that readers apply the footer.
QByteArray CompileZoneFile(const TimeZoneInformation &zone, int disableAutoDaylight);
