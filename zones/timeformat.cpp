// SPDX-License-Identifier: MIT

#include "zones/timeformat.h"

#include <QCoreApplication>

namespace {

bool g_uses24Hour = true;

bool HasDayPeriod(const QString &pattern)
{
    return pattern.contains(u'a') || pattern.contains(u'A');
}

} // namespace

bool Uses24HourClock()
{
    return g_uses24Hour;
}

void SetUses24HourClock(bool h24)
{
    g_uses24Hour = h24;
}

QString TimeOfDayPattern(bool seconds, bool h24, const QLocale &locale)
{
    if (h24)
        return seconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    QString pattern = locale.timeFormat(QLocale::ShortFormat);
    if (!HasDayPeriod(pattern) || !pattern.contains(QLatin1String("mm")))
        pattern = QCoreApplication::translate(
            "TimeFormat", "h:mm Ap",
            "12-hour time of day as a QLocale pattern: h hour, mm minute, Ap the day period "
            "(AM/PM) as the locale writes it; put the period where the language puts it");
    pattern.replace(QLatin1String("hh"), QLatin1String("h"));
    if (seconds && !pattern.contains(QLatin1String("ss")))
        pattern.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    return pattern;
}

QString FormatTimeOfDay(QTime time, bool seconds, bool h24, const QLocale &locale)
{
    return locale.toString(time, TimeOfDayPattern(seconds, h24, locale));
}

QString FormatDayAndTime(const QDateTime &wall, const QLocale &locale)
{
    //: A day and a time, as the lists show them: %1 the day's short name, %2 the time of day.
    return QCoreApplication::translate("TimeFormat", "%1 %2")
        .arg(locale.dayName(wall.date().dayOfWeek(), QLocale::ShortFormat),
             FormatTimeOfDay(wall.time(), false, Uses24HourClock(), locale));
}

QString FormatDayOfYear(QDate date, const QLocale &locale)
{
    return locale.toString(
        date, QCoreApplication::translate("TimeFormat", "ddd d MMM yyyy",
                                          "a day as a QLocale pattern: ddd the day's short name, "
                                          "d the day, MMM the month's short name, yyyy the year"));
}

QString DayPeriodOf(const QString &word, const QLocale &locale)
{
    const auto plain = [](QString text) {
        return text.remove(u'.').toLower();
    };
    const QString w = plain(word);
    if (w.isEmpty())
        return {};
    if (w == u"am" || w == plain(locale.amText()))
        return QStringLiteral("am");
    if (w == u"pm" || w == plain(locale.pmText()))
        return QStringLiteral("pm");
    return {};
}
