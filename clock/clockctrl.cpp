#include "clock/clockctrl.h"

#include <QDate>
#include <QLocale>
#include <QTimerEvent>

#include <cstdio>
#include <ctime>

CClockCtrl::CClockCtrl(COLORREF crText, COLORREF crBack, QWidget *parent)
    : CTextWnd(crText, crBack, parent)
{
    setObjectName(QStringLiteral("clock"));
    SetAccessibleLabel(DefaultLabel(m_nMode));
}

CClockCtrl::~CClockCtrl() = default;

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
    QString text = QLocale::system().toString(date, QLocale::ShortFormat);
    if (text.size() > MaxDateLength) {
        text.truncate(MaxDateLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
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

void CClockCtrl::SetOffset(int days, int hours, int minutes, int seconds)
{
    SetOffset(TimeSpan(days) * 86400 + TimeSpan(hours) * 3600 + TimeSpan(minutes) * 60 + seconds);
}

void CClockCtrl::SetShowSeconds(bool bSeconds)
{
    m_bSeconds = bSeconds;
    Refresh();
}

void CClockCtrl::Set24Hour(bool b24Hour)
{
    m_b24Hour = b24Hour;
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
    m_timer.stop();
    m_nPeriod = 0;
}

void CClockCtrl::RestartTimer()
{
    StopTimer();
    switch (m_nMode) {
    case ModeTime:
        m_nPeriod = TimePeriod;
        break;
    case ModeDate:
        m_nPeriod = DatePeriod;
        break;
    case ModeElapsed:
        m_nPeriod = TimePeriod;
        m_tStart = CurrentTime();
        break;
    }
    if (m_nPeriod > 0) {
        // Regular second ticks, so the seconds shown neither stall nor skip.
        m_timer.start(m_nPeriod, m_nPeriod == TimePeriod ? Qt::PreciseTimer : Qt::CoarseTimer,
                      this);
    }
    Refresh();
}

void CClockCtrl::timerEvent(QTimerEvent *)
{
    Refresh();
}

void CClockCtrl::Refresh()
{
    const TimeValue now = CurrentTime();
    if (m_nMode == ModeElapsed)
        m_tsElapsed = m_bRunning ? m_tsAccumulated + (now - m_tStart) : m_tsAccumulated;
    else
        m_tShown = now + m_tsOffset;
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

void CClockCtrl::FormatText(QString &text) const
{
    char buffer[64] = {};
    if (m_nMode == ModeTime) {
        std::tm tm{};
        LocalTime(m_tShown, tm);
        const int hour = m_b24Hour ? tm.tm_hour : tm.tm_hour % 12;
        const char *format = m_b24Hour ? (m_bSeconds ? "%.2d:%.2d:%.2d" : "%.2d:%.2d")
                                       : (m_bSeconds ? "%d:%.2d:%.2d" : "%d:%.2d");
        std::snprintf(buffer, sizeof buffer, format, hour, tm.tm_min, tm.tm_sec);
    } else if (m_nMode == ModeDate) {
        std::tm tm{};
        LocalTime(m_tShown, tm);
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
    text = QString::fromLatin1(buffer);
}
