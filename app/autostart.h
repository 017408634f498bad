// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Start at login: the user's XDG autostart entry for Orbiclock, named as the launcher entry, in
// $XDG_CONFIG_HOME/autostart. The file itself is the setting, so whatever removes or disables
// it elsewhere (a desktop's own settings, the user by hand) is what the program then reports.

QString AutostartEntryPath();

// The option the entry starts the program with, so that it knows the start is the login's and
// not a person's.
inline constexpr char AutostartOption[] = "--autostart";

// True when the entry exists and a desktop would act on it: neither "Hidden=true" nor GNOME's
// "X-GNOME-Autostart-enabled=false" in its [Desktop Entry] group.
bool IsStartAtLogin();

// On writes the entry (atomically, over any entry there), starting program with the autostart
// option; off removes it.
// False when the file could not be written or removed; the setting then stays as it was.
bool SetStartAtLogin(bool on, const QString &program);

// An entry written before the option existed starts the program as a person would, so a login
// would show the window: its command gets the option, the rest of the file is kept. An entry
// under the launcher's former name (a capital O) is moved to the new one and given the new icon
// name. True when the entry is on and now carries the option; false when there is none, it is
// off, or the rewrite failed.
bool UpdateStartAtLoginEntry();

// program as a launcher entry's Exec value holds it: quoted and escaped
// where it holds blanks or other reserved characters, "%" doubled and then started through env.
QString ExecValue(const QString &program);
