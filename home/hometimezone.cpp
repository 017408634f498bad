// SPDX-License-Identifier: MIT

#include "home/hometimezone.h"

#include "home/daylightoption.h"
#include "home/zonestore.h"
#include "settings/safefile.h"
#include "zones/countrytable.h"
#include "zones/timesource.h"
#include "zones/zonedatabase.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <cstdlib>
#include <ctime>

bool SetCheckedProcessTimeZone(const std::string &rule)
{
    const char *current = std::getenv("TZ");
    const std::string before = current ? current : "";
    const bool hadTz = current != nullptr;
    SetProcessTimeZone(rule.c_str());
    if (tzname[0] && tzname[0][0])
        return true;
    SetProcessTimeZone(hadTz ? before.c_str() : nullptr);
    return false;
}

QByteArray DatabaseZoneFile(const QByteArray &zoneId)
{
    // A name from outside the table could climb out of the folder.
    if (zoneId.isEmpty() || zoneId.contains("..") || zoneId.startsWith('/'))
        return {};
    const QByteArray dir = qgetenv("TZDIR");
    // Read without blocking: a FIFO or device in a zone file's place is no zone.
    QByteArray content;
    if (ReadSmallFile(
            QString::fromLocal8Bit(dir.isEmpty() ? QByteArray("/usr/share/zoneinfo") : dir) + u'/' +
                QString::fromLatin1(zoneId),
            1024 * 1024, content) != FileRead::Read)
        return {};
    return content.startsWith("TZif") ? content : QByteArray();
}

bool ApplyHomeTimeZone(const HomeZoneChoice &choice)
{
    const std::optional<TimeZoneInformation> zone = BuildHomeTimeZone(choice);
    if (!zone)
        return false;
    if (FollowsDatabaseZone(choice)) {
        const QByteArray id =
            choice.zoneId.isEmpty() ? EntryZoneId(choice.homeIndex) : choice.zoneId;
        const QByteArray compiled = DatabaseZoneFile(id);
        if (!compiled.isEmpty()) {
            if (!SetCheckedProcessTimeZone(':' + id.toStdString()))
                return false;
            return CZoneStore().WriteZone(*zone, compiled);
        }
        // Without the database's file the home keeps its standard offset from the record.
    }
    const TimeZoneInformation clock = *BuildClockZone(choice);
    const int disable = DaylightSwitchFor(choice.daylightOption);
    if (!SetCheckedProcessTimeZone(PosixRule(clock, disable)))
        return false;
    return CZoneStore().WriteZone(*zone, disable, &clock);
}

bool IsHomeTimeZoneApplied(int homeIndex)
{
    const CountryEntry *home = CountryAt(homeIndex);
    if (!home)
        return true;
    const std::optional<TimeZoneInformation> zone = CZoneStore().ReadRecord();
    return zone && zone->bias == HomeBias(home->gmtOffset) &&
           zone->standardName.toLatin1().startsWith("GMT");
}

bool IsHomeTimeZoneApplied(const HomeZoneChoice &choice)
{
    if (!choice.useDatabase)
        return IsHomeTimeZoneApplied(choice.homeIndex);
    const std::optional<TimeZoneInformation> wanted = BuildHomeTimeZone(choice);
    if (!wanted)
        return true;
    const std::optional<TimeZoneInformation> zone = CZoneStore().ReadRecord();
    return zone && zone->bias == wanted->bias && zone->standardName == wanted->standardName;
}

bool ApplyDaylightSwitch(int option)
{
    return CZoneStore().WriteSwitch(DaylightSwitchFor(option));
}

bool IsDaylightSwitchApplied(int option)
{
    const int stored = CZoneStore().ReadSwitch();
    const bool automatic = option == DaylightAuto || option == DaylightByHand;
    const bool disabled = option == DaylightNotAdjusted || option == DaylightNone;
    return !((stored != 0 && automatic) || (stored == 0 && disabled));
}

namespace {

const QList<QStringList> &DateTimeTools()
{
    static const QList<QStringList> tools = {
        {"gnome-control-center", "datetime"}, {"systemsettings", "kcm_clock"},
        {"kcmshell6", "kcm_clock"},           {"kcmshell5", "clock"},
        {"cinnamon-settings", "calendar"},    {"mate-time-admin"},
        {"xfce4-datetime-settings"},
    };
    return tools;
}

} // namespace

QStringList DateTimeToolNames()
{
    QStringList names;
    for (const QStringList &tool : DateTimeTools())
        names.append(tool.front());
    return names;
}

DateTimeTool FindDateTimeTool()
{
    for (const QStringList &tool : DateTimeTools()) {
        const QString program = QStandardPaths::findExecutable(tool.front());
        if (!program.isEmpty())
            return {program, tool.mid(1)};
    }
    return {};
}

bool AdjustTime()
{
    const DateTimeTool tool = FindDateTimeTool();
    return !tool.program.isEmpty() && QProcess::startDetached(tool.program, tool.arguments);
}
