// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// The settings file's text, in the layout QSettings gives an INI file, so that either reads what
// the other wrote: "[Group]" sections of "Name=value" lines; names escaped as %XX (%UXXXX beyond
// Latin-1) with '\' for '/'; the root's values under [General] and a group named General as
// [%General]. Keys are '/'-separated paths ("Home Country/Home Country").

struct IniText
{
    QMap<QString, QString> values; // key -> the value as written
    // Something could not be read: a line that is no section or value, a section left open, a
    // value with an unclosed quote, a section without values, text that is not UTF-8, or a last
    // line cut short. Everything else is read all the same; a damaged value keeps the text up to
    // its line's end.
    bool damaged = false;
};

IniText ParseIni(const QByteArray &text);

// Sections in key order, firstGroup's first: a file cut short keeps it. Every non-empty key, and
// every value as ParseIni gives it (one line, trimmed, quotes closed), reads back as written.
QByteArray WriteIni(const QMap<QString, QString> &values, const QString &firstGroup);

// A value as written, unquoted and unescaped: text, or bytes for "@ByteArray(...)".
QVariant DecodeIniValue(const QString &written);
