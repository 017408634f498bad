// SPDX-License-Identifier: MIT

#include "home/zonestore.h"

#include "settings/registrykey.h"
#include "settings/safefile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <QStringList>

#include <sys/stat.h>

namespace {

constexpr char RecordFile[] = "record";
constexpr char SwitchFile[] = "switch";
constexpr char ZoneFile[] = "localtime";
constexpr char SwitchName[] = "DisableAutoDaylightTimeSet";
constexpr qint64 LargestFile = 64 * 1024;

QString DateText(const ZoneDate &d)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
        .arg(d.year)
        .arg(d.month)
        .arg(d.dayOfWeek)
        .arg(d.day)
        .arg(d.hour)
        .arg(d.minute)
        .arg(d.second)
        .arg(d.milliseconds);
}

bool ParseInt(const QString &text, int &out)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok)
        out = value;
    return ok;
}

bool ParseDate(const QString &text, ZoneDate &out)
{
    const QStringList parts = text.split(u' ');
    if (parts.size() != 8)
        return false;
    int *fields[] = {&out.year, &out.month,  &out.dayOfWeek, &out.day,
                     &out.hour, &out.minute, &out.second,    &out.milliseconds};
    for (int i = 0; i < 8; ++i)
        if (!ParseInt(parts[i], *fields[i]))
            return false;
    return true;
}

// "Name=value" lines; nothing when a line has no '='.
std::optional<QHash<QString, QString>> ReadLines(const QString &path)
{
    QByteArray text;
    if (ReadSmallFile(path, LargestFile, text) != FileRead::Read)
        return std::nullopt;
    QHash<QString, QString> values;
    const QStringList lines = QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const qsizetype at = line.indexOf(u'=');
        if (at <= 0)
            return std::nullopt;
        values.insert(line.left(at), line.mid(at + 1));
    }
    return values;
}

} // namespace

CZoneStore::CZoneStore()
    : CZoneStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
                 QLatin1StringView(OrganisationName) + QStringLiteral("/zone"))
{}

CZoneStore::CZoneStore(const QString &folder) : m_folder(folder) {}

QString CZoneStore::ZoneFilePath() const
{
    return m_folder + u'/' + QLatin1StringView(ZoneFile);
}

bool CZoneStore::WriteFile(const QString &name, const QByteArray &content) const
{
    const QString path = m_folder + u'/' + name;
    // The home's zone is written at every start: a plain file that already holds it is left as
    // it is, sparing the disk a flush and the watchers a change.
    struct stat st
    {
    };
    QByteArray old;
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
        st.st_size == content.size() && ReadSmallFile(path, LargestFile, old) == FileRead::Read &&
        old == content)
        return true;
    // Anything else in the store's place, a link to another file included, is replaced.
    return QDir().mkpath(m_folder) && ReplaceFile(path, content, LinkWrite::Replace);
}

bool CZoneStore::WriteZone(const TimeZoneInformation &zone, int disableAutoDaylight,
                           const TimeZoneInformation *clockZone) const
{
    return WriteZone(zone, CompileZoneFile(clockZone ? *clockZone : zone, disableAutoDaylight));
}

bool CZoneStore::WriteZone(const TimeZoneInformation &zone, const QByteArray &compiled) const
{
    // Names are cut to fit and never hold a line break: one field per line.
    auto name = [](const QString &text) {
        QString clean = text.left(ZoneNameLength);
        clean.replace(u'\n', u' ');
        return clean;
    };
    const QString record = QStringLiteral("Bias=%1\nStandardName=%2\nStandardDate=%3\n"
                                          "StandardBias=%4\nDaylightName=%5\nDaylightDate=%6\n"
                                          "DaylightBias=%7\n")
                               .arg(zone.bias)
                               .arg(name(zone.standardName), DateText(zone.standardDate))
                               .arg(zone.standardBias)
                               .arg(name(zone.daylightName), DateText(zone.daylightDate))
                               .arg(zone.daylightBias);
    // The zone file first: a record in place means its zone is in place too.
    const bool zoneWritten = WriteFile(QLatin1StringView(ZoneFile), compiled);
    return WriteFile(QLatin1StringView(RecordFile), record.toUtf8()) && zoneWritten;
}

std::optional<TimeZoneInformation> CZoneStore::ReadRecord() const
{
    const auto lines = ReadLines(m_folder + u'/' + QLatin1StringView(RecordFile));
    if (!lines)
        return std::nullopt;
    const QStringList fields = {"Bias",         "StandardName", "StandardDate", "StandardBias",
                                "DaylightName", "DaylightDate", "DaylightBias"};
    for (const QString &field : fields)
        if (!lines->contains(field))
            return std::nullopt;
    TimeZoneInformation zone;
    zone.standardName = lines->value(QStringLiteral("StandardName")).left(ZoneNameLength);
    zone.daylightName = lines->value(QStringLiteral("DaylightName")).left(ZoneNameLength);
    if (!ParseInt(lines->value(QStringLiteral("Bias")), zone.bias) ||
        !ParseInt(lines->value(QStringLiteral("StandardBias")), zone.standardBias) ||
        !ParseInt(lines->value(QStringLiteral("DaylightBias")), zone.daylightBias) ||
        !ParseDate(lines->value(QStringLiteral("StandardDate")), zone.standardDate) ||
        !ParseDate(lines->value(QStringLiteral("DaylightDate")), zone.daylightDate))
        return std::nullopt;
    return zone;
}

bool CZoneStore::WriteSwitch(int disableAutoDaylight) const
{
    return WriteFile(QLatin1StringView(SwitchFile),
                     QByteArray(SwitchName) + '=' + QByteArray::number(disableAutoDaylight) + '\n');
}

int CZoneStore::ReadSwitch() const
{
    const auto lines = ReadLines(m_folder + u'/' + QLatin1StringView(SwitchFile));
    int value = 0;
    if (lines && ParseInt(lines->value(QLatin1StringView(SwitchName)), value))
        return value;
    return 0;
}
