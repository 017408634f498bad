#include "settings/registrykey.h"

#include <QByteArray>
#include <QSettings>
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

bool KeyExists(const QSettings &settings, const QString &group)
{
    if (group.isEmpty())
        return !settings.allKeys().isEmpty();
    const QString prefix = group + u'/';
    const QStringList keys = settings.allKeys();
    for (const QString &key : keys)
        if (key.startsWith(prefix))
            return true;
    return false;
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
    const QString file = org + u'/' + app;
    if (m_settings && m_file == file)
        return;
    Flush();
    m_settings =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, org, app);
    m_file = file;
    m_bDirty = false;
    m_bOpen = false;
}

long CRegistryKey::Open(RegistryRoot parent, const QString &path, int *created)
{
    m_bOpen = false;
    m_group.clear();
    KeyPath key;
    if (parent != RegistryRoot::CurrentUser || !ParsePath(path, key))
        return ERROR_BAD_PATHNAME;

    UseFile(key.org, key.app);
    // A file that exists but cannot be read must not be replaced by one made of defaults.
    if (m_settings->status() == QSettings::AccessError)
        return ERROR_ACCESS_DENIED;

    if (created)
        *created = KeyExists(*m_settings, key.group) ? 0 : 1;
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
    if (m_settings->status() == QSettings::AccessError)
        return ERROR_ACCESS_DENIED;
    if (!KeyExists(*m_settings, key.group))
        return ERROR_FILE_NOT_FOUND;
    if (!m_settings->isWritable()) {
        m_bRefused = true;
        return ERROR_ACCESS_DENIED;
    }
    // An empty key removes everything: the store's root.
    m_settings->remove(key.group);
    m_bDirty = true;
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
    const bool refused = std::exchange(m_bRefused, false);
    if (!m_settings || !m_bDirty)
        return refused ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
    m_bDirty = false;
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return refused ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
    // The status keeps the first error, so a garbled file read earlier hides whether this write
    // worked. A written file reads back without error.
    const QSettings check(QSettings::NativeFormat, QSettings::UserScope,
                          m_settings->organizationName(), m_settings->applicationName());
    return !refused && check.status() == QSettings::NoError &&
                   m_settings->status() != QSettings::AccessError
               ? ERROR_SUCCESS
               : ERROR_ACCESS_DENIED;
}

long CRegistryKey::SetDword(const QString &name, std::uint32_t value)
{
    return SetDword(name, static_cast<std::int32_t>(value));
}

long CRegistryKey::SetDword(const QString &name, std::int32_t value)
{
    if (!m_bOpen)
        return ERROR_INVALID_HANDLE;
    if (name.isEmpty() || name.contains(u'/'))
        return ERROR_BAD_PATHNAME;
    // QSettings keeps a change it could not write and writes it with some later change of any
    // object of the process: a value refused now must not overwrite a newer one then.
    if (!m_settings->isWritable()) {
        m_bRefused = true;
        return ERROR_ACCESS_DENIED;
    }
    m_settings->setValue(m_group.isEmpty() ? name : m_group + u'/' + name, static_cast<int>(value));
    m_bDirty = true;
    return ERROR_SUCCESS;
}

long CRegistryKey::GetDword(const QString &name, std::uint32_t &out) const
{
    if (!m_bOpen)
        return ERROR_INVALID_HANDLE;
    if (name.isEmpty() || name.contains(u'/'))
        return ERROR_FILE_NOT_FOUND;
    const QVariant value = m_settings->value(m_group.isEmpty() ? name : m_group + u'/' + name);
    if (!value.isValid())
        return ERROR_FILE_NOT_FOUND;

    switch (value.typeId()) {
    case QMetaType::QString:
        return ParseNumber(value.toString(), out);
    case QMetaType::QByteArray: {
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
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return ParseNumber(QString::number(value.toLongLong()), out);
    case QMetaType::ULongLong:
        return ParseNumber(QString::number(value.toULongLong()), out);
    default:
        return ERROR_INVALID_DATA;
    }
}

long CRegistryKey::GetDword(const QString &name, std::int32_t &out) const
{
    std::uint32_t value = 0;
    const long result = GetDword(name, value);
    if (result == ERROR_SUCCESS)
        out = static_cast<std::int32_t>(value);
    return result;
}
