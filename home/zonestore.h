// SPDX-License-Identifier: MIT

#pragma once

#include "home/zonerecord.h"

#include <QString>

#include <optional>

// The program's stand-in for the system's time-zone setting: a folder under the user's
// configuration ($XDG_CONFIG_HOME/Brambleway/zone) shared by every running copy, holding
//   record     the record's fields as written,
//   switch     "DisableAutoDaylightTimeSet",
//   localtime  the compiled zone (TZif), readable by zdump and any other program.
// Each file is replaced atomically (written aside, then renamed over), so a reader sees the old
// or the new file, never a part, and a failed write (a full disk) leaves the old one; a link in
// the store is replaced, never written through. Only regular files are read, never blocking and
// up to a size limit. The machine's own zone (/etc/localtime) is never written.
class CZoneStore final
{
public:
    // The folder QStandardPaths reports for the user's configuration.
    CZoneStore();
    explicit CZoneStore(const QString &folder);

    const QString &Folder() const { return m_folder; }
    QString ZoneFilePath() const;

    // Writes the compiled zone (of clockZone when given, else of the record), then the record.
    // False when either could not be written.
    bool WriteZone(const TimeZoneInformation &zone, int disableAutoDaylight,
                   const TimeZoneInformation *clockZone = nullptr) const;
    // The same with a compiled zone file from elsewhere (the time-zone database's).
    bool WriteZone(const TimeZoneInformation &zone, const QByteArray &compiled) const;
    // The record as written; nothing when it is missing or not a whole record.
    std::optional<TimeZoneInformation> ReadRecord() const;

    bool WriteSwitch(int disableAutoDaylight) const;
    // 0 when missing or unreadable.
    int ReadSwitch() const;

private:
    bool WriteFile(const QString &name, const QByteArray &content) const;

    QString m_folder;
};
