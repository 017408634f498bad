// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <ctime>

// Seconds since 1970-01-01 00:00:00 GMT. 64 bits, so nothing overflows in 2038.
using TimeValue = std::int64_t;

// Where "now" comes from. Everything that reads the current instant goes through CurrentTime(),
// so a test can install a FixedTimeSource and stand at any instant without waiting.
class TimeSource
{
public:
    virtual ~TimeSource() = default;
    virtual TimeValue Now() const = 0;
};

// The current instant from the installed source (the system clock unless a test set one).
TimeValue CurrentTime();

// Installs source for CurrentTime(); nullptr restores the system clock. The caller keeps
// ownership and must uninstall it before destroying it.
void SetTimeSource(const TimeSource *source);

// A clock that stands still until it is told to move.
class FixedTimeSource final : public TimeSource
{
public:
    explicit FixedTimeSource(TimeValue t = 0) : m_t(t) {}
    TimeValue Now() const override { return m_t; }
    void Set(TimeValue t) { m_t = t; }
    void Advance(TimeValue seconds) { m_t += seconds; }

private:
    TimeValue m_t;
};

// Installs a source for the lifetime of this object, restoring the previous one afterwards.
class ScopedTimeSource
{
public:
    explicit ScopedTimeSource(const TimeSource *source);
    ~ScopedTimeSource();
    ScopedTimeSource(const ScopedTimeSource &) = delete;
    ScopedTimeSource &operator=(const ScopedTimeSource &) = delete;

private:
    const TimeSource *m_previous;
};

// The C library's local-time conversion under the process's TZ. False when t cannot be
// represented as a calendar date (out fields are then zeroed).
bool LocalTime(TimeValue t, std::tm &out);

// Local calendar fields to an instant (mktime, with the C library deciding daylight saving).
TimeValue MakeLocalTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Sets the process's TZ to rule (a POSIX TZ string or ":path") and re-reads it. An empty rule
// unsets TZ, so the machine's zone applies.
void SetProcessTimeZone(const char *rule);

// Proleptic Gregorian calendar helpers, independent of any zone.
constexpr bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
int DaysInMonth(int year, int month);
// Days since 1970-01-01 of a civil date.
std::int64_t DaysFromCivil(int year, int month, int day);
// 0 = Sunday .. 6 = Saturday.
int WeekdayOf(int year, int month, int day);
