#pragma once

#include <QString>

// Start at login: the user's XDG autostart entry for Orbiclock, named as the launcher entry, in
// $XDG_CONFIG_HOME/autostart. The file itself is the setting, so whatever removes or disables
// it elsewhere (a desktop's own settings, the user by hand) is what the program then reports.

QString AutostartEntryPath();

// True when the entry exists and a desktop would act on it: neither "Hidden=true" nor GNOME's
// "X-GNOME-Autostart-enabled=false" in its [Desktop Entry] group.
bool IsStartAtLogin();

// On writes the entry (atomically, over any entry there), starting program; off removes it.
// False when the file could not be written or removed; the setting then stays as it was.
bool SetStartAtLogin(bool on, const QString &program);

// program as a launcher entry's Exec value holds it: quoted and escaped
// where it holds blanks or other reserved characters, "%" doubled.
QString ExecValue(const QString &program);
