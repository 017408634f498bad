// SPDX-License-Identifier: MIT

#include "zones/timesource.h"

#include <atomic>
#include <chrono>
#include <cstdlib>

namespace {

std::atomic<const TimeSource *> g_source{nullptr};

} // namespace

TimeValue CurrentTime()
{
    if (const TimeSource *source = g_source.load(std::memory_order_acquire))
        return source->Now();
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

void SetTimeSource(const TimeSource *source)
{
    g_source.store(source, std::memory_order_release);
}

ScopedTimeSource::ScopedTimeSource(const TimeSource *source)
    : m_previous(g_source.exchange(source, std::memory_order_acq_rel))
{}

ScopedTimeSource::~ScopedTimeSource()
{
    g_source.store(m_previous, std::memory_order_release);
}

bool LocalTime(TimeValue t, std::tm &out)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    if (localtime_r(&tt, &out))
        return true;
    out = std::tm{};
    return false;
}

TimeValue MakeLocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return static_cast<TimeValue>(std::mktime(&fields));
}

void SetProcessTimeZone(const char *rule)
{
    if (rule && *rule)
        ::setenv("TZ", rule, 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month];
}

std::int64_t DaysFromCivil(int year, int month, int day)
{
    // Counts March-based years so the leap day falls at the end of the cycle.
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int WeekdayOf(int year, int month, int day)
{
    const std::int64_t days = DaysFromCivil(year, month, day);
    // 1970-01-01 was a Thursday.
    return static_cast<int>(((days % 7) + 11) % 7);
}
