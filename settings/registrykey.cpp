// SPDX-License-Identifier: MIT

#include "settings/registrykey.h"

#include "settings/inifile.h"
#include "settings/safefile.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <limits>
#include <utility>

namespace {

struct KeyPath
{
    QString org;
    QString app;
    QString group; // below the store's root, '/'-separated; empty for the root itself
};

// "Software\Org\App[\Name...]". Empty names and names holding '/' (the group separator of
// QSettings) name no key.
bool ParsePath(const QString &path, KeyPath &out)
{
    const QStringList parts = path.split(u'\\');
    if (parts.size() < 3 || parts.front().compare(u"Software", Qt::CaseInsensitive) != 0)
        return false;
    for (const QString &part : parts)
        if (part.isEmpty() || part.contains(u'/'))
            return false;
    out.org = parts[1];
    out.app = parts[2];
    out.group = parts.mid(3).join(u'/');
    return true;
}

// A store's file is a few hundred bytes; anything far beyond that is not one.
constexpr qint64 LargestStoreFile = 1024 * 1024;
// Written first, so that a file cut short still holds it (settings/settingsstore.h).
constexpr char VersionGroup[] = "Version";

bool IsBelow(const QString &key, const QString &group)
{
    return group.isEmpty() ||
           (key.size() > group.size() && key.startsWith(group) && key[group.size()] == u'/');
}

bool KeyExists(const QMap<QString, QString> &values, const QString &group)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (IsBelow(it.key(), group))
            return true;
    return false;
}

void RemoveBelow(QMap<QString, QString> &values, const QString &group)
{
    values.removeIf([&](const auto &it) { return IsBelow(it.key(), group); });
}

long ParseNumber(const QString &text, std::uint32_t &out)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    if (trimmed.startsWith(u"0x", Qt::CaseInsensitive)) {
        const qulonglong value = trimmed.mid(2).toULongLong(&ok, 16);
        if (!ok)
            return ERROR_INVALID_DATA;
        if (value > std::numeric_limits<std::uint32_t>::max())
            return ERROR_MORE_DATA;
        out = static_cast<std::uint32_t>(value);
        return ERROR_SUCCESS;
    }
    const qlonglong value = trimmed.toLongLong(&ok, 10);
    if (!ok) {
        // Digits that overflow even 64 bits are a number too long, not garbage.
        bool digits = !trimmed.isEmpty();
        for (qsizetype i = 0; i < trimmed.size(); ++i)
            digits = digits && (trimmed[i].isDigit() || (i == 0 && trimmed[i] == u'-'));
        return digits && trimmed != u"-" ? ERROR_MORE_DATA : ERROR_INVALID_DATA;
    }
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > static_cast<qlonglong>(std::numeric_limits<std::uint32_t>::max()))
        return ERROR_MORE_DATA;
    out = static_cast<std::uint32_t>(value);
    return ERROR_SUCCESS;
}

} // namespace

CRegistryKey::CRegistryKey() = default;

CRegistryKey::~CRegistryKey()
{
    Close();
}

void CRegistryKey::UseFile(const QString &org, const QString &app)
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         u'/' + org + u'/' + app + QStringLiteral(".conf");
    if (file == m_fileName)
        return;
    Flush();
    m_fileName = file;
    m_bOpen = false;
    QByteArray text;
    const FileRead read = ReadSmallFile(m_fileName, LargestStoreFile, text);
    // A file that exists but cannot be read must not be replaced by one made of defaults.
    m_bReadable = read != FileRead::Refused;
    const IniText ini = ParseIni(text);
    m_values = ini.values;
    m_bDamaged = ini.damaged;
}

long CRegistryKey::Open(RegistryRoot parent, const QString &path, int *created)
{
    m_bOpen = false;
    m_group.clear();
    KeyPath key;
    if (parent != RegistryRoot::CurrentUser || !ParsePath(path, key))
        return ERROR_BAD_PATHNAME;

    UseFile(key.org, key.app);
    if (!m_bReadable)
        return ERROR_ACCESS_DENIED;

    if (created)
        *created = KeyExists(m_values, key.group) ? 0 : 1;
    m_group = key.group;
    m_path = path;
    m_bOpen = true;
    return ERROR_SUCCESS;
}

long CRegistryKey::DeleteKey(RegistryRoot parent, const QString &path)
{
    KeyPath key;
    if (parent != RegistryRoot::CurrentUser || !ParsePath(path, key))
        return ERROR_BAD_PATHNAME;
    UseFile(key.org, key.app);
    if (!m_bReadable)
        return ERROR_ACCESS_DENIED;
    if (!KeyExists(m_values, key.group))
        return ERROR_FILE_NOT_FOUND;
    // An empty key removes everything: the store's root.
    RemoveBelow(m_values, key.group);
    m_changes.push_back({key.group, std::nullopt, false, std::nullopt});
    return ERROR_SUCCESS;
}

long CRegistryKey::Close()
{
    m_bOpen = false;
    m_group.clear();
    return Flush();
}

long CRegistryKey::Flush()
{
    if (m_changes.empty())
        return ERROR_SUCCESS;
    const std::vector<Change> changes = std::exchange(m_changes, {});
    if (!QDir().mkpath(QFileInfo(m_fileName).path()))
        return ERROR_ACCESS_DENIED;
    // A lock that cannot be taken (a folder in its place, a writer that never ends) counts as
    // a refused write rather than a wait without end.
    QLockFile lock(m_fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return ERROR_ACCESS_DENIED;

    RemoveStaleAsides(m_fileName);
    // Merge with the file as it is now: another copy may have written since it was read.
    QByteArray text;
    if (ReadSmallFile(m_fileName, LargestStoreFile, text) == FileRead::Refused)
        return ERROR_ACCESS_DENIED;
    IniText ini = ParseIni(text);
    if (ini.damaged &&
        !ReplaceFile(m_fileName + QStringLiteral(".damaged"), text, LinkWrite::Replace))
        return ERROR_ACCESS_DENIED;
    for (const Change &change : changes) {
        const auto stored = ini.values.constFind(change.key);
        if (change.conditional &&
            (stored == ini.values.cend() ? std::nullopt : std::optional(*stored)) !=
                change.expected)
            continue;
        if (change.value)
            ini.values.insert(change.key, *change.value);
        else
            RemoveBelow(ini.values, change.key);
    }
    // A link to the file (kept, say, with the user's other settings) stays a link. A file
    // that already holds what would be written is left as it is.
    const QByteArray written = WriteIni(ini.values, QLatin1StringView(VersionGroup));
    if (written != text && !ReplaceFile(m_fileName, written, LinkWrite::Follow))
        return ERROR_ACCESS_DENIED;
    m_values = ini.values;
    m_bDamaged = false;
    return ERROR_SUCCESS;
}

QStringList CRegistryKey::SubKeyNames() const
{
    QStringList names;
    for (auto it = m_values.cbegin(); m_bOpen && it != m_values.cend(); ++it) {
        if (!IsBelow(it.key(), m_group))
            continue;
        const QString below = m_group.isEmpty() ? it.key() : it.key().mid(m_group.size() + 1);
        const qsizetype slash = below.indexOf(u'/');
        if (slash > 0 && !names.contains(below.left(slash)))
            names.append(below.left(slash));
    }
    return names;
}

long CRegistryKey::KeepDamagedCopy() const
{
    QByteArray text;
    return ReadSmallFile(m_fileName, LargestStoreFile, text) == FileRead::Read &&
                   ReplaceFile(m_fileName + QStringLiteral(".damaged"), text, LinkWrite::Replace)
               ? ERROR_SUCCESS
               : ERROR_ACCESS_DENIED;
}

long CRegistryKey::SetDword(const QString &name, std::uint32_t value)
{
    return SetDword(name, static_cast<std::int32_t>(value));
}

QString CRegistryKey::ValueKey(const QString &name) const
{
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    return m_group.isEmpty() ? name : m_group + u'/' + name;
}

long CRegistryKey::SetDword(const QString &name, std::int32_t value)
{
    return Set(name, value, false, std::nullopt);
}

long CRegistryKey::SetDwordIfStored(const QString &name, std::int32_t value,
                                    const std::optional<QString> &expected)
{
    return Set(name, value, true, expected);
}

long CRegistryKey::Set(const QString &name, std::int32_t value, bool conditional,
                       const std::optional<QString> &expected)
{
    return SetText(name, QString::number(value), conditional, expected);
}

long CRegistryKey::SetString(const QString &name, const QString &value)
{
    QString text = QStringLiteral("\"");
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const bool pair =
            c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate();
        if (c == u'\\' || c == u'"') {
            text += u'\\';
            text += c;
        } else if (pair) {
            text += c;
            text += value[++i];
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate()) {
            // Four digits always: the escape reads no further, whatever follows.
            text += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        } else {
            text += c;
        }
    }
    return SetText(name, text + u'"', false, std::nullopt);
}

long CRegistryKey::GetString(const QString &name, QString &out) const
{
    if (!m_bOpen)
        return ERROR_INVALID_HANDLE;
    const std::optional<QString> written = StoredText(name);
    if (!written)
        return ERROR_FILE_NOT_FOUND;
    const QVariant value = DecodeIniValue(*written);
    if (value.typeId() != QMetaType::QString)
        return ERROR_INVALID_DATA;
    out = value.toString();
    return ERROR_SUCCESS;
}

long CRegistryKey::SetText(const QString &name, const QString &text, bool conditional,
                           const std::optional<QString> &expected)
{
    if (!m_bOpen)
        return ERROR_INVALID_HANDLE;
    const QString key = ValueKey(name);
    if (key.isEmpty())
        return ERROR_BAD_PATHNAME;
    if (!conditional || StoredText(name) == expected)
        m_values.insert(key, text);
    m_changes.push_back({key, text, conditional, expected});
    return ERROR_SUCCESS;
}

std::optional<QString> CRegistryKey::StoredText(const QString &name) const
{
    const auto stored = m_bOpen ? m_values.constFind(ValueKey(name)) : m_values.cend();
    return stored == m_values.cend() ? std::nullopt : std::optional(*stored);
}

long CRegistryKey::GetDword(const QString &name, std::uint32_t &out) const
{
    if (!m_bOpen)
        return ERROR_INVALID_HANDLE;
    const QString key = ValueKey(name);
    if (key.isEmpty())
        return ERROR_FILE_NOT_FOUND;
    const auto written = m_values.constFind(key);
    if (written == m_values.cend())
        return ERROR_FILE_NOT_FOUND;
    const QVariant value = DecodeIniValue(*written);
    if (value.typeId() == QMetaType::QString)
        return ParseNumber(value.toString(), out);
    // Raw bytes, as another writer may have stored them.
    const QByteArray bytes = value.toByteArray();
    if (bytes.size() != 4)
        return bytes.size() > 4 ? ERROR_MORE_DATA : ERROR_INVALID_DATA;
    std::uint32_t result = 0;
    for (int i = 3; i >= 0; --i)
        result = (result << 8) | static_cast<std::uint8_t>(bytes[i]);
    out = result;
    return ERROR_SUCCESS;
}

long CRegistryKey::GetDword(const QString &name, std::int32_t &out) const
{
    std::uint32_t value = 0;
    const long result = GetDword(name, value);
    if (result == ERROR_SUCCESS)
        out = static_cast<std::int32_t>(value);
    return result;
}
