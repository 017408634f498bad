// SPDX-License-Identifier: MIT

#include "app/timeconversion.h"

#include "zones/countrytable.h"
#include "zones/daylight.h"
#include "zones/timeformat.h"

#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>
#include <ctime>
#include <utility>
#include <vector>

namespace {

std::int64_t NthWeekdayDayNumber(int year, int month, int week, int dayOfWeek)
{
    return DaysFromCivil(year, month, NthWeekdayDay(year, month, week, dayOfWeek));
}

} // namespace

TimeValue TableUtcOffsetAt(int index, TimeValue t, bool daylight)
{
    const CountryEntry *entry = CountryAt(index);
    if (!entry)
        return 0;
    const TimeValue standard = HoursToSpan(entry->gmtOffset);
    const TimeValue shift = TimeValue(entry->daylightShift) * 3600;
    if (!daylight || entry->daylightMonthStart == 0)
        return standard;
    std::tm fields{};
    const std::time_t local = static_cast<std::time_t>(t + standard);
    gmtime_r(&local, &fields);
    const int year = fields.tm_year + 1900;
    const TimeValue start =
        NthWeekdayDayNumber(year, entry->daylightMonthStart, entry->daylightWeekStart,
                            entry->daylightDayOfWeekStart) *
            86400 +
        7200 - standard;
    const TimeValue end = NthWeekdayDayNumber(year, entry->daylightMonthEnd, entry->daylightWeekEnd,
                                              entry->daylightDayOfWeekEnd) *
                              86400 +
                          7200 - standard - shift;
    const bool northern = entry->daylightMonthStart < entry->daylightMonthEnd;
    const bool inDaylight = northern ? (t >= start && t < end) : (t >= start || t < end);
    return inDaylight ? standard + shift : standard;
}

PlaceOffsets MakePlaceOffsets(const ClockOffsetInputs &in)
{
    if (in.useDatabase) {
        ClockRules rules = MakeClockRules(in);
        return {std::move(rules.home), std::move(rules.selected)};
    }
    // The program's local time is home time, as the options and own dates made it.
    WallOffset home = [in](TimeValue t) {
        std::tm fields{};
        LocalTime(t, fields);
        TimeValue offset = fields.tm_gmtoff;
        if (!in.showDaylightSaving && fields.tm_isdst > 0)
            offset -=
                TimeValue(CountryAt(in.homeIndex) ? CountryAt(in.homeIndex)->daylightShift : 0) *
                3600;
        return offset;
    };
    WallOffset selected;
    if (in.selectedIndex == in.homeIndex && IsValidCountryIndex(in.homeIndex))
        selected = home;
    else if (IsValidCountryIndex(in.selectedIndex))
        selected = [in](TimeValue t) {
            return TableUtcOffsetAt(in.selectedIndex, t, in.showDaylightSaving);
        };
    else
        selected = [zone = HoursToSpan(in.mapZone)](TimeValue) {
            return zone;
        };
    return {home, selected};
}

WallInstants InstantsShowing(WallTime wall, const WallOffset &offset)
{
    // Clocks run between 14 hours behind and 14 ahead of GMT: every offset that could show
    // wall is in effect somewhere in that span around it. A change lasts longer than the step.
    std::vector<TimeValue> offsets;
    for (TimeValue t = wall - 15 * 3600; t <= wall + 15 * 3600; t += 1800) {
        const TimeValue o = offset(t);
        if (std::find(offsets.begin(), offsets.end(), o) == offsets.end())
            offsets.push_back(o);
    }
    std::vector<TimeValue> instants;
    for (const TimeValue o : offsets) {
        if (offset(wall - o) == o)
            instants.push_back(wall - o);
    }
    std::sort(instants.begin(), instants.end());
    WallInstants result;
    result.count = static_cast<int>(std::min<std::size_t>(instants.size(), 2));
    if (!instants.empty()) {
        result.first = instants.front();
        result.second = instants.back();
        return result;
    }
    // Skipped: clocks skip a time only by going forward, so the offset before is the smaller.
    result.first = wall - *std::min_element(offsets.begin(), offsets.end());
    result.second = result.first;
    return result;
}

namespace {

const QDateTime FirstWall(QDate(1902, 1, 1), QTime(0, 0), Qt::UTC);
const QDateTime LastWall(QDate(2099, 12, 31), QTime(23, 59), Qt::UTC);

QDateTime WallDateTime(WallTime wall)
{
    return QDateTime::fromSecsSinceEpoch(wall, Qt::UTC);
}

WallTime ToWall(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
}

// The text with every digit of any script as ASCII, names in lower case without dots.
QString Plain(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.isDigit() && c.digitValue() >= 0)
            out += QChar(u'0' + c.digitValue());
        else if (c != u'.')
            out += c.toLower();
    }
    return out;
}

// The locale's day periods as the plain "am" and "pm", padded to the length they replace so
// that positions in the text stay where they were ("p. m." in Spanish is two words otherwise).
QString PlainPeriods(QString text, const QLocale &locale)
{
    for (const auto &[period, plain] : {std::pair{locale.amText(), QStringLiteral("am")},
                                        std::pair{locale.pmText(), QStringLiteral("pm")}}) {
        if (period.size() < plain.size() || period == plain)
            continue;
        for (qsizetype at = 0; (at = text.indexOf(period, at, Qt::CaseInsensitive)) >= 0;
             at += period.size())
            text.replace(at, period.size(), plain.leftJustified(period.size()));
    }
    return text;
}

struct Word
{
    QString text; // plain
    qsizetype start = 0;
    qsizetype end = 0;
};

// Words split at blanks and commas, a time's am or pm split off ("2:30pm").
std::vector<Word> Words(const QString &text)
{
    std::vector<Word> words;
    static const QRegularExpression word(QStringLiteral("[^\\s,]+"));
    static const QRegularExpression meridiem(QStringLiteral("^(\\d{1,2}(?::\\d{2})+)([ap]m)$"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString plain = Plain(m.captured());
        const QRegularExpressionMatch split = meridiem.match(plain);
        if (split.hasMatch()) {
            const qsizetype cut = m.capturedStart() + split.capturedLength(1);
            words.push_back({split.captured(1), m.capturedStart(), cut});
            words.push_back({split.captured(2), cut, m.capturedEnd()});
        } else {
            words.push_back({plain, m.capturedStart(), m.capturedEnd()});
        }
    }
    return words;
}

// 1-12 for a month name or its short form in the locale or in English, else 0.
int MonthOf(const QString &word, const QLocale &locale)
{
    for (const QLocale &l : {locale, QLocale::c()})
        for (int month = 1; month <= 12; ++month)
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
                for (const QString &name :
                     {l.monthName(month, format), l.standaloneMonthName(month, format)})
                    if (!name.isEmpty() && Plain(name) == word)
                        return month;
    return 0;
}

// 1 (Monday) to 7 for a weekday name or its short form, else 0.
int WeekdayOf(const QString &word, const QLocale &locale)
{
    for (const QLocale &l : {locale, QLocale::c()})
        for (int day = 1; day <= 7; ++day)
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
                for (const QString &name :
                     {l.dayName(day, format), l.standaloneDayName(day, format)})
                    if (!name.isEmpty() && Plain(name) == word)
                        return day;
    return 0;
}

const QRegularExpression &TimePattern()
{
    static const QRegularExpression time(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    return time;
}

} // namespace

std::optional<WallTime> ParseWallTime(const QString &text, WallTime shown, const QLocale &locale)
{
    const QDateTime before = WallDateTime(shown);
    int year = 0, month = 0, day = 0, weekday = 0, hour = -1, minute = -1;
    QString meridiem;
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    const std::vector<Word> words = Words(PlainPeriods(text, locale));
    if (words.empty())
        return std::nullopt;
    // Each part may be given once.
    const auto take = [](int &part, int value) {
        if (part != 0 && part != -1)
            return false;
        part = value;
        return true;
    };
    for (const Word &w : words) {
        bool ok = true;
        if (const QRegularExpressionMatch m = TimePattern().match(w.text); m.hasMatch()) {
            ok = hour == -1 && take(hour, m.captured(1).toInt()) &&
                 take(minute, m.captured(2).toInt());
        } else if (const QRegularExpressionMatch d = iso.match(w.text); d.hasMatch()) {
            ok = take(year, d.captured(1).toInt()) && take(month, d.captured(2).toInt()) &&
                 take(day, d.captured(3).toInt());
        } else if (number.match(w.text).hasMatch()) {
            ok = w.text.size() == 4   ? take(year, w.text.toInt())
                 : w.text.size() <= 2 ? take(day, w.text.toInt())
                                      : false;
        } else if (const QString period = DayPeriodOf(w.text, locale); !period.isEmpty()) {
            ok = meridiem.isEmpty();
            meridiem = period;
        } else if (const int m = MonthOf(w.text, locale)) {
            ok = take(month, m);
        } else if (const int d = WeekdayOf(w.text, locale)) {
            ok = take(weekday, d);
        } else {
            ok = false;
        }
        if (!ok)
            return std::nullopt;
    }
    if (!meridiem.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (meridiem == u"pm" ? 12 : 0);
    }
    QDate date;
    if (year == 0 && month == 0 && day == 0) {
        date = before.date();
        if (weekday != 0)
            date = date.addDays((weekday - date.dayOfWeek() + 7) % 7);
    } else {
        year = year ? year : before.date().year();
        month = month ? month : before.date().month();
        // A month without a day keeps the shown day where the month has it.
        day = day ? day : std::min(before.date().day(), QDate(year, month, 1).daysInMonth());
        date = QDate(year, month, day);
        if (!date.isValid() || (weekday != 0 && date.dayOfWeek() != weekday))
            return std::nullopt;
    }
    const QTime time =
        hour == -1 ? QTime(before.time().hour(), before.time().minute()) : QTime(hour, minute);
    if (!time.isValid())
        return std::nullopt;
    const QDateTime wall(date, time, Qt::UTC);
    if (wall < FirstWall || wall > LastWall)
        return std::nullopt;
    return ToWall(date, time);
}

QString FormatWallTime(WallTime wall, const QLocale &locale)
{
    const QDateTime t = WallDateTime(wall);
    return FormatDayOfYear(t.date(), locale) + QStringLiteral("  ") +
           FormatTimeOfDay(t.time(), false, Uses24HourClock(), locale);
}

WallPart WallPartAt(const QString &text, int position, const QLocale &locale)
{
    const std::vector<Word> words = Words(PlainPeriods(text, locale));
    const Word *at = nullptr;
    for (const Word &w : words)
        if (w.start <= position)
            at = &w;
    if (!at)
        return words.empty() ? WallPart::Minute : WallPartAt(text, words.front().start, locale);
    if (TimePattern().match(at->text).hasMatch())
        return position <= at->start + at->text.indexOf(u':') ? WallPart::Hour : WallPart::Minute;
    if (!DayPeriodOf(at->text, locale).isEmpty())
        return WallPart::Hour;
    if (at->text.size() == 4 && at->text.at(0).isDigit())
        return WallPart::Year;
    if (MonthOf(at->text, locale))
        return WallPart::Month;
    return WallPart::Day;
}

WallTime StepWallTime(WallTime wall, WallPart part, int steps)
{
    QDateTime t = WallDateTime(wall);
    switch (part) {
    case WallPart::Year:
        t = t.addYears(steps);
        break;
    case WallPart::Month:
        t = t.addMonths(steps);
        break;
    case WallPart::Day:
        t = t.addDays(steps);
        break;
    case WallPart::Hour:
        t = t.addSecs(3600LL * steps);
        break;
    case WallPart::Minute:
        t = t.addSecs(60LL * steps);
        break;
    }
    return std::clamp(t, FirstWall, LastWall).toSecsSinceEpoch();
}
