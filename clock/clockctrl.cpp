// SPDX-License-Identifier: MIT

#include "clock/clockctrl.h"

#include "clock/clockticker.h"
#include "zones/timeformat.h"

#include <QDate>
#include <QEvent>
#include <QLocale>
#include <QTime>

#include <cstdio>
#include <ctime>

CClockCtrl::CClockCtrl(COLORREF crText, COLORREF crBack, QWidget *parent)
    : CTextWnd(crText, crBack, parent)
{
    setObjectName(QStringLiteral("clock"));
    SetAccessibleLabel(DefaultLabel(m_nMode));
}

CClockCtrl::~CClockCtrl()
{
    StopTimer();
}

QString CClockCtrl::DefaultLabel(int nMode)
{
    switch (nMode) {
    case ModeDate:
        return tr("Date");
    case ModeElapsed:
        return tr("Elapsed time");
    default:
        return tr("Time");
    }
}

void CClockCtrl::OnCreate(const QRect &rect)
{
    CTextWnd::OnCreate(rect);
    FitFontToMode();
    if (m_nMode == ModeTime || m_nMode == ModeDate)
        RestartTimer();
}

QString CClockCtrl::FormatDate(const QDate &date)
{
    QString text = QLocale().toString(date, QLocale::ShortFormat);
    if (text.size() > MaxDateLength) {
        text.truncate(MaxDateLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

QString CClockCtrl::LocaleDigits(QString text)
{
    // The date's digits, so a clock's time and date read alike (Arabic-Indic in ar_EG).
    const QList<uint> zero = QLocale().zeroDigit().toUcs4();
    if (zero.size() != 1 || zero.front() == U'0')
        return text;
    QString out;
    out.reserve(text.size() * 2);
    for (const QChar c : std::as_const(text)) {
        if (c >= u'0' && c <= u'9') {
            const char32_t digit = zero.front() + (c.unicode() - u'0');
            out += QString::fromUcs4(&digit, 1);
        } else {
            out += c;
        }
    }
    return out;
}

void CClockCtrl::FitFontToMode()
{
    QStringList samples;
    if (m_nMode == ModeDate) {
        // Two-digit days in every month cover the widest month name and day number.
        std::tm tm{};
        LocalTime(CurrentTime(), tm);
        for (int month = 1; month <= 12; ++month)
            samples << FormatDate(QDate(tm.tm_year + 1900, month, 28));
    } else if (m_nMode == ModeTime) {
        // A font whose lines stand tall for its width (a Japanese desktop's) would make the
        // panel too narrow for the time at full height: every digit's widest time must fit,
        // in 12-hour form with the wider of the locale's AM and PM.
        const QStringList shapes =
            m_b24Hour ? QStringList{QStringLiteral("88:88:88").left(m_bSeconds ? 8 : 5)}
                      : QStringList{FormatTimeOfDay(QTime(10, 0), m_bSeconds, false),
                                    FormatTimeOfDay(QTime(22, 0), m_bSeconds, false)};
        for (const QString &shape : shapes) {
            for (int digit = 0; digit <= 9; ++digit) {
                const QString digitText = LocaleDigits(QString::number(digit));
                QString sample;
                for (const QChar c : shape)
                    sample += c.isDigit() ? digitText : QString(c);
                samples << sample;
            }
        }
    }
    FitFontTo(samples);
}

void CClockCtrl::SetMode(int nMode)
{
    if (nMode == m_nMode || nMode < ModeTime || nMode > ModeElapsed)
        return;
    // A label the owner chose stays; the clock's own follows the mode.
    if (GetAccessibleLabel() == DefaultLabel(m_nMode))
        SetAccessibleLabel(DefaultLabel(nMode));
    m_nMode = nMode;
    FitFontToMode();
    if (nMode == ModeElapsed)
        StopTimer();
    else
        RestartTimer();
    Refresh();
}

void CClockCtrl::SetOffset(TimeSpan tsOffset)
{
    m_tsOffset = tsOffset;
    Refresh();
}

void CClockCtrl::SetUtcOffsetRule(UtcOffsetRule rule)
{
    m_rule = std::move(rule);
    m_nShownDay = -1;
    Refresh();
}

TimeValue CClockCtrl::ShownAt(TimeValue now) const
{
    return now + (m_rule ? m_rule(now) : m_tsOffset);
}

bool CClockCtrl::ShownFields(TimeValue tShown, std::tm &tm) const
{
    if (!m_rule)
        return LocalTime(tShown, tm);
    const std::time_t t = static_cast<std::time_t>(tShown);
    if (gmtime_r(&t, &tm))
        return true;
    tm = std::tm{};
    return false;
}

void CClockCtrl::SetOffset(int days, int hours, int minutes, int seconds)
{
    SetOffset(TimeSpan(days) * 86400 + TimeSpan(hours) * 3600 + TimeSpan(minutes) * 60 + seconds);
}

void CClockCtrl::SetShowSeconds(bool bSeconds)
{
    m_bSeconds = bSeconds;
    FitFontToMode();
    if (m_nMode == ModeTime && m_nTickerId != 0) {
        m_nPeriod = bSeconds ? TimePeriod : MinutePeriod;
        UpdateTickRate();
    }
    Refresh();
}

void CClockCtrl::Set24Hour(bool b24Hour)
{
    if (b24Hour == m_b24Hour)
        return;
    m_b24Hour = b24Hour;
    FitFontToMode();
    Refresh();
}

void CClockCtrl::SetShowDays(bool bDays)
{
    m_bDays = bDays;
    Refresh();
}

void CClockCtrl::SetElapsed(TimeSpan tsElapsed)
{
    m_tsAccumulated = tsElapsed;
    Refresh();
}

void CClockCtrl::StartElapsed()
{
    // Starting a running count again would drop the time of the current run.
    if (m_bRunning)
        return;
    RestartTimer();
    m_bRunning = true;
}

void CClockCtrl::StopElapsed()
{
    StopTimer();
    m_tsAccumulated = m_tsElapsed;
    m_bRunning = false;
}

void CClockCtrl::StopTimer()
{
    if (m_nTickerId != 0)
        CClockTicker::Instance().Remove(m_nTickerId);
    m_nTickerId = 0;
    m_nPeriod = 0;
}

void CClockCtrl::RestartTimer()
{
    StopTimer();
    switch (m_nMode) {
    case ModeTime:
        m_nPeriod = m_bSeconds ? TimePeriod : MinutePeriod;
        break;
    case ModeDate:
        m_nPeriod = MinutePeriod;
        break;
    case ModeElapsed:
        m_nPeriod = TimePeriod;
        m_tStart = CurrentTime();
        break;
    }
    if (m_nPeriod > 0) {
        m_nTickerId = CClockTicker::Instance().Add([this](TimeValue) { OnTick(); },
                                                   m_nPeriod == TimePeriod && !IsDormant());
    }
    m_nShownDay = -1;
    Refresh();
}

void CClockCtrl::SetPaused(bool bPaused)
{
    m_bPaused = bPaused;
    UpdateTickRate();
    CatchUp();
}

bool CClockCtrl::IsDormant() const
{
    return m_bPaused || !isVisible() || window()->isMinimized();
}

bool CClockCtrl::eventFilter(QObject *watched, QEvent *event)
{
    // A minimised window stays visible to Qt: its clocks wait as a hidden one's do.
    if (watched == window() && event->type() == QEvent::WindowStateChange) {
        UpdateTickRate();
        CatchUp();
    }
    return CTextWnd::eventFilter(watched, event);
}

void CClockCtrl::UpdateTickRate()
{
    // A clock that shows nothing needs no seconds: with no other showing them the program wakes
    // once a minute.
    if (m_nTickerId != 0)
        CClockTicker::Instance().SetEverySecond(m_nTickerId,
                                                m_nPeriod == TimePeriod && !IsDormant());
}

void CClockCtrl::CatchUp()
{
    if (IsDormant() || !m_bStale)
        return;
    m_bStale = false;
    m_nShownDay = -1;
    Refresh();
}

void CClockCtrl::showEvent(QShowEvent *event)
{
    CTextWnd::showEvent(event);
    if (window() != this)
        window()->installEventFilter(this);
    UpdateTickRate();
    CatchUp();
}

void CClockCtrl::hideEvent(QHideEvent *event)
{
    CTextWnd::hideEvent(event);
    UpdateTickRate();
}

void CClockCtrl::OnTick()
{
    if (IsDormant()) {
        m_bStale = true;
        return;
    }
    if (m_nMode == ModeDate) {
        std::tm tm{};
        ShownFields(ShownAt(CurrentTime()), tm);
        if (tm.tm_year * 400 + tm.tm_yday == m_nShownDay)
            return;
    }
    Refresh();
}

void CClockCtrl::Refresh()
{
    const TimeValue now = CurrentTime();
    if (m_nMode == ModeElapsed)
        m_tsElapsed = m_bRunning ? m_tsAccumulated + (now - m_tStart) : m_tsAccumulated;
    else
        m_tShown = ShownAt(now);
    if (m_nMode == ModeDate) {
        std::tm tm{};
        ShownFields(m_tShown, tm);
        m_nShownDay = tm.tm_year * 400 + tm.tm_yday;
    }
    QString text;
    FormatText(text);
    SetText(text);
}

QString CClockCtrl::FormatText() const
{
    QString text;
    FormatText(text);
    return text;
}

QString CClockCtrl::TextAt(TimeValue now, bool bSeconds) const
{
    QString text;
    if (m_nMode == ModeElapsed)
        FormatText(text);
    else
        FormatTextFor(ShownAt(now), text, bSeconds);
    return text;
}

void CClockCtrl::FormatText(QString &text) const
{
    FormatTextFor(m_tShown, text);
}

void CClockCtrl::FormatTextFor(TimeValue tShown, QString &text, bool bSeconds) const
{
    char buffer[64] = {};
    if (m_nMode == ModeTime) {
        std::tm tm{};
        ShownFields(tShown, tm);
        if (!m_b24Hour) {
            // The locale's 12-hour form, with its AM/PM words where it puts them.
            text = FormatTimeOfDay(QTime(tm.tm_hour, tm.tm_min, tm.tm_sec), bSeconds, false);
            return;
        }
        std::snprintf(buffer, sizeof buffer, bSeconds ? "%.2d:%.2d:%.2d" : "%.2d:%.2d", tm.tm_hour,
                      tm.tm_min, tm.tm_sec);
    } else if (m_nMode == ModeDate) {
        std::tm tm{};
        ShownFields(tShown, tm);
        text = FormatDate(QDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday));
        return;
    } else if (m_nMode == ModeElapsed) {
        const long long s = m_tsElapsed;
        const long long days = s / 86400;
        const long long totalHours = s / 3600;
        const long long hours = totalHours - days * 24;
        const long long totalMinutes = s / 60;
        const int minutes = static_cast<int>(totalMinutes - totalHours * 60);
        const int seconds = static_cast<int>(s - totalMinutes * 60);
        if (m_bDays && m_bSeconds)
            std::snprintf(buffer, sizeof buffer, "%lld:%d:%.2d:%.2d", days, static_cast<int>(hours),
                          minutes, seconds);
        else if (m_bDays)
            std::snprintf(buffer, sizeof buffer, "%lld:%d:%.2d", days, static_cast<int>(hours),
                          minutes);
        else if (m_bSeconds)
            std::snprintf(buffer, sizeof buffer, "%lld:%.2d:%.2d", totalHours, minutes, seconds);
        else
            std::snprintf(buffer, sizeof buffer, "%lld:%.2d", totalHours, minutes);
    }
    text = LocaleDigits(QString::fromLatin1(buffer));
}
