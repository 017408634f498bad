// SPDX-License-Identifier: MIT

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <vector>

// Result codes of CRegistryKey, numbered as the registry numbers them.
inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2; // no such value or key
inline constexpr long ERROR_ACCESS_DENIED = 5;  // the store cannot be read or written
inline constexpr long ERROR_INVALID_HANDLE = 6; // no key is open
inline constexpr long ERROR_INVALID_DATA = 13;  // the stored value is not a number
inline constexpr long ERROR_BAD_PATHNAME = 161; // the path names no key of a store
inline constexpr long ERROR_MORE_DATA = 234;    // the stored number needs more than 32 bits

// The hive a path starts from. Only the user's own exists: its "Software\<Org>\<App>" key is the
// settings file of that organisation and application.
enum class RegistryRoot
{
    CurrentUser,
};
inline constexpr RegistryRoot HKEY_CURRENT_USER = RegistryRoot::CurrentUser;

// Names of the program's own store: "Software\Brambleway\Orbiclock".
inline constexpr char OrganisationName[] = "Brambleway";
inline constexpr char ApplicationName[] = "Orbiclock";

// One open key of a settings store, with the registry's semantics on its INI file (the layout
// QSettings gives $XDG_CONFIG_HOME/<Org>/<App>.conf, settings/inifile.h):
// - "Software\Org\App" is the store's root; each further name is a group of the file.
// - A key exists while it holds a value or a key. Open reports a missing key as created; it
//   reaches the file with its first value (an INI file keeps no empty groups).
// - Values are 32-bit; -1 is written as -1. A read accepts a decimal number from -2^31 to
//   2^32-1, a "0x" hexadecimal number up to 0xFFFFFFFF, or 4 raw bytes (little-endian), and
//   leaves the caller's value untouched on any failure.
// - Writes are collected and written at Close (or destruction) in one locked, atomic rewrite
//   of the file that merges with what other processes wrote meanwhile. The lock is waited for
//   a bounded time; a write that fails (a full disk) leaves the file as it was.
// - A damaged file is read as far as it can be; before it is rewritten, a copy is kept beside it
//   as "<App>.conf.damaged".
class CRegistryKey final
{
public:
    CRegistryKey();
    ~CRegistryKey();
    Q_DISABLE_COPY_MOVE(CRegistryKey)

    // Opens (creating) the key at path below parent in place of the key held before. created,
    // when given, becomes 1 when the key did not exist and 0 when it did. Fails with
    // ERROR_ACCESS_DENIED when the store's file exists but cannot be read (a folder, a FIFO or
    // device, a file too large to be the store's).
    long Open(RegistryRoot parent, const QString &path, int *created = nullptr);

    // Deletes the key at path with everything under it. The held key stays held.
    long DeleteKey(RegistryRoot parent, const QString &path);

    // Closes the held key and writes what was set; ERROR_ACCESS_DENIED when the file could not
    // be written (read-only, locked beyond the wait, a full disk): it is then left as it was.
    long Close();

    long SetDword(const QString &name, std::uint32_t value);
    long SetDword(const QString &name, std::int32_t value);
    // Writes value only if the file, when it is written, still holds expected for the name
    // (nothing: no value): a repair that must not undo what another writer stored meanwhile.
    long SetDwordIfStored(const QString &name, std::int32_t value,
                          const std::optional<QString> &expected);

    // A text value: any characters, kept on one line of the file in quotes with escapes, so
    // that it reads back as given (leading blanks, '=', ';', quotes and line breaks included).
    long SetString(const QString &name, const QString &value);
    // Only on success is out overwritten; a number stored by hand reads as its text.
    long GetString(const QString &name, QString &out) const;

    // The value's text as stored, unread; nothing when there is no such value.
    std::optional<QString> StoredText(const QString &name) const;

    // Only on success is out overwritten.
    long GetDword(const QString &name, std::uint32_t &out) const;
    long GetDword(const QString &name, std::int32_t &out) const;

    bool IsOpen() const { return m_bOpen; }
    // The path of the key last opened.
    const QString &Path() const { return m_path; }
    // The store's file, as read by the last Open, did not read cleanly (see IniText::damaged).
    bool IsStoreDamaged() const { return m_bDamaged; }
    // The names of the keys directly below the held key.
    QStringList SubKeyNames() const;
    // Copies the store's file, as it is now, to "<App>.conf.damaged" beside it.
    long KeepDamagedCopy() const;

    // How long a save waits for another writer's lock on the file.
    static constexpr int LockWaitMs = 2000;

private:
    // A change to apply to the file as it is when written: a value set, or a key deleted.
    struct Change
    {
        QString key;
        std::optional<QString> value; // nothing: delete the key with everything below it
        bool conditional = false;     // applied only where the file holds expected
        std::optional<QString> expected;
    };

    long Set(const QString &name, std::int32_t value, bool conditional,
             const std::optional<QString> &expected);
    long SetText(const QString &name, const QString &text, bool conditional,
                 const std::optional<QString> &expected);
    // The full key of a value name of the held key; empty for a name no value can have.
    QString ValueKey(const QString &name) const;

    long Flush();
    // Reads the file of org/app, flushing and closing the key first when it is another file.
    void UseFile(const QString &org, const QString &app);

    QString m_fileName; // empty before the first Open
    bool m_bReadable = false;
    bool m_bDamaged = false;
    QMap<QString, QString> m_values; // the file as read, with this object's changes
    std::vector<Change> m_changes;   // since the last Close
    QString m_group;                 // the held key below the store's root, '/'-separated
    QString m_path;
    bool m_bOpen = false;
};
