// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>

#include <sys/types.h>

class QFileSystemWatcher;
class QSocketNotifier;
class QTimer;

// Tells when the system time or the machine's time zone changed, one TimeChanged per change:
// - a jump of the system clock (set by hand or by a time service), seen by a timerfd armed with
//   TFD_TIMER_CANCEL_ON_SET, which the kernel cancels whenever the clock is set;
// - a change of the machine's zone file (/etc/localtime), watched as a file and through its
//   folder, because tools replace the link rather than edit it and a replaced file loses its
//   watch. The steps of one replacement arrive within a moment and count once.
// Only the system's own changes are reported: the program's zone store is not watched, so one
// copy's write is never a notice to another.
class CTimeChangeWatcher : public QObject
{
    Q_OBJECT

public:
    // Watches MachineZoneFile().
    explicit CTimeChangeWatcher(QObject *parent = nullptr);
    // zoneFile stands for /etc/localtime (tests pass a file of their own).
    explicit CTimeChangeWatcher(const QString &zoneFile, QObject *parent = nullptr);
    ~CTimeChangeWatcher() override;
    Q_DISABLE_COPY_MOVE(CTimeChangeWatcher)

    // The clock-jump timer is armed to be cancelled when the clock is set.
    bool IsClockWatchArmed() const;
    const QString &ZoneFile() const { return m_zoneFile; }
    // /etc/localtime, unless the environment names another file (see the .cpp).
    static QString MachineZoneFile();

    // How long the steps of one zone replacement are gathered into one notice.
    static constexpr int SettleMs = 150;

signals:
    void TimeChanged();

protected:
    enum class TimerRead
    {
        ClockSet, // the kernel cancelled the timer: the clock was set
        Expired,  // the far deadline passed
        Nothing,  // nothing to read (spurious wake-up)
    };
    // Reads the clock-jump timer once it is readable. Overridden by tests, which may not set
    // the machine's clock.
    virtual TimerRead ReadClockTimer(int fd);
    // What runs when the timer's descriptor is readable.
    void OnClockTimerReadable();

private:
    void ArmClockTimer();
    void WatchZoneFile();
    void OnZoneEvent();
    void CheckZoneFile();
    QString Fingerprint() const;

    QString m_zoneFile;
    QString m_fingerprint;
    int m_timerFd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_settle = nullptr;
};
