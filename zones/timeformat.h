// SPDX-License-Identifier: MIT

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// How times of day read everywhere: the clocks, the tray tip, Find's times, the time changes
// and Convert a Time. The hour cycle is the user's choice (24-hour unless chosen otherwise);
// the digits and the day periods (AM/PM, 午前/午後, ص/م) are the locale's.

bool Uses24HourClock();
void SetUses24HourClock(bool h24);

// The QLocale pattern of a time of day: "HH:mm" or "HH:mm:ss" in 24-hour form; in 12-hour form
// the locale's own 12-hour pattern, or where the locale keeps 24 hours, the translated one
// ("h:mm Ap"; Japanese puts the period first).
QString TimeOfDayPattern(bool seconds, bool h24, const QLocale &locale = QLocale());

// A time of day in the pattern above, in the locale's digits.
QString FormatTimeOfDay(QTime time, bool seconds, bool h24 = Uses24HourClock(),
                        const QLocale &locale = QLocale());

// A day with its weekday, as the time changes and Convert a Time show it ("Sun 25 Oct 2026").
QString FormatDayOfYear(QDate date, const QLocale &locale = QLocale());

// "am" or "pm" for a day period written in the locale's words or in English, whatever the case
// or dots; empty for any other word.
QString DayPeriodOf(const QString &word, const QLocale &locale = QLocale());

// A short day and time, as Find and Convert a Time list them ("Wed 14:05", "Wed 2:05 PM").
QString FormatDayAndTime(const QDateTime &wall, const QLocale &locale = QLocale());
