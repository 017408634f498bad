// SPDX-License-Identifier: MIT

#pragma once

#include "clock/textwnd.h"
#include "zones/timesource.h"

#include <QDate>

#include <cstdint>
#include <ctime>
#include <functional>

// A signed count of seconds.
using TimeSpan = std::int64_t;

// A panel showing the time of day or the date of now plus an offset, or an elapsed-time count,
// kept current by its own timer. The owner gives only the offset; the clock reads "now" itself.
class CClockCtrl final : public CTextWnd
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CClockCtrl)

public:
    static constexpr int ModeTime = 1;
    static constexpr int ModeDate = 2;
    static constexpr int ModeElapsed = 3;
    // How often a clock can change: each second, or each minute without seconds and for a date,
    // which then changes at the first tick of its place's day.
    static constexpr int TimePeriod = 1000;
    static constexpr int MinutePeriod = 60000;
    // The longest date text kept.
    static constexpr int MaxDateLength = 29;

    explicit CClockCtrl(COLORREF crText, COLORREF crBack, QWidget *parent = nullptr);
    ~CClockCtrl() override;

    // Modes other than ModeTime, ModeDate and ModeElapsed are ignored.
    void SetMode(int nMode);
    int GetMode() const { return m_nMode; }

    void SetOffset(TimeSpan tsOffset);
    void SetOffset(int days, int hours, int minutes, int seconds);
    TimeSpan GetOffset() const { return m_tsOffset; }
    // Seconds east of UTC the clock's place has at a UTC instant. With a rule the clock shows
    // UTC plus the rule's offset, asked at every tick, so it follows every change of its place
    // by itself; the offset is then not used. An empty rule goes back to the offset.
    using UtcOffsetRule = std::function<TimeSpan(TimeValue utc)>;
    void SetUtcOffsetRule(UtcOffsetRule rule);
    bool HasUtcOffsetRule() const { return static_cast<bool>(m_rule); }

    void SetShowSeconds(bool bSeconds);
    bool GetShowSeconds() const { return m_bSeconds; }
    void Set24Hour(bool b24Hour);
    bool Get24Hour() const { return m_b24Hour; }
    void SetShowDays(bool bDays);
    bool GetShowDays() const { return m_bDays; }

    void SetElapsed(TimeSpan tsElapsed);
    TimeSpan GetElapsed() const { return m_tsElapsed; }
    long long GetElapsedSeconds() const { return m_tsElapsed; }
    void StartElapsed();
    void StopElapsed();
    bool IsRunning() const { return m_bRunning; }

    // Restarts the timer at the period of the mode, then refreshes.
    void RestartTimer();
    // Reads the clock once and shows the text for it; paints only when the text changed.
    void Refresh();
    // The text for the current mode and flags, changing nothing.
    void FormatText(QString &text) const;
    QString FormatText() const;

    // The period of the program's tick this clock follows in milliseconds, 0 when stopped.
    int GetTimerPeriod() const { return m_nPeriod; }

    // A paused clock does no work at its ticks; it catches up when it goes on. For a window
    // hidden to the notification area. A clock that is not visible waits so too.
    void SetPaused(bool bPaused);

    // The text the clock would show at now, changing nothing.
    // Without seconds, for a text read long after it was made (a tray host's tip).
    QString TextAt(TimeValue now, bool bSeconds) const;
    QString TextAt(TimeValue now) const { return TextAt(now, m_bSeconds); }
    TimeValue GetShownTime() const { return m_tShown; }

protected:
    void OnCreate(const QRect &rect) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool IsDormant() const;
    void UpdateTickRate();
    void CatchUp();
    void StopTimer();
    void OnTick();
    void FormatTextFor(TimeValue tShown, QString &text) const
    {
        FormatTextFor(tShown, text, m_bSeconds);
    }
    void FormatTextFor(TimeValue tShown, QString &text, bool bSeconds) const;
    // The instant shown at now, and its calendar fields (read as UTC under a rule, where the
    // instant already holds the place's offset).
    TimeValue ShownAt(TimeValue now) const;
    bool ShownFields(TimeValue tShown, std::tm &tm) const;
    static QString DefaultLabel(int nMode);
    // The locale's short date, at most MaxDateLength characters.
    static QString FormatDate(const QDate &date);
    // The text with its ASCII digits written in the locale's digits.
    static QString LocaleDigits(QString text);
    // The font of a date clock fits the widest date of the year shown, so none is cut.
    void FitFontToMode();

    TimeSpan m_tsElapsed = 0;
    TimeSpan m_tsAccumulated = 0;
    TimeValue m_tStart = 0;
    TimeValue m_tShown = CurrentTime();
    TimeSpan m_tsOffset = 0;
    UtcOffsetRule m_rule;
    bool m_b24Hour = true;
    bool m_bSeconds = true;
    bool m_bDays = true;
    int m_nMode = ModeTime;
    bool m_bRunning = false;

    int m_nTickerId = 0;
    bool m_bPaused = false;
    bool m_bStale = false;
    int m_nShownDay = -1; // of a date clock, to format it again only when the day changes
    int m_nPeriod = 0;
};
