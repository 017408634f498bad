// SPDX-License-Identifier: MIT

#include "home/timechangewatcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// Far enough that it never fires in practice; an expiry merely re-arms.
constexpr time_t FarDeadlineSeconds = 10 * 365 * 24 * 3600;

QString StatText(const QByteArray &path, bool follow)
{
    struct stat st
    {
    };
    if ((follow ? ::stat(path.constData(), &st) : ::lstat(path.constData(), &st)) != 0)
        return QStringLiteral("-");
    return QStringLiteral("%1:%2:%3:%4.%5")
        .arg(st.st_dev)
        .arg(st.st_ino)
        .arg(st.st_size)
        .arg(st.st_mtim.tv_sec)
        .arg(st.st_mtim.tv_nsec);
}

} // namespace

// The machine's zone file. ORBICLOCK_MACHINE_ZONE_FILE points the watch elsewhere, so that an
// end-to-end test can replace "the machine's zone" without being root; nothing else reads it.
QString CTimeChangeWatcher::MachineZoneFile()
{
    const QString path = qEnvironmentVariable("ORBICLOCK_MACHINE_ZONE_FILE");
    return path.isEmpty() ? QStringLiteral("/etc/localtime") : path;
}

CTimeChangeWatcher::CTimeChangeWatcher(QObject *parent)
    : CTimeChangeWatcher(MachineZoneFile(), parent)
{}

CTimeChangeWatcher::CTimeChangeWatcher(const QString &zoneFile, QObject *parent)
    : QObject(parent), m_zoneFile(zoneFile)
{
    m_timerFd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_timerFd >= 0) {
        ArmClockTimer();
        m_notifier = new QSocketNotifier(m_timerFd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this,
                &CTimeChangeWatcher::OnClockTimerReadable);
    }

    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_settle, &QTimer::timeout, this, &CTimeChangeWatcher::CheckZoneFile);

    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &CTimeChangeWatcher::OnZoneEvent);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &CTimeChangeWatcher::OnZoneEvent);
    WatchZoneFile();
    m_fingerprint = Fingerprint();
}

CTimeChangeWatcher::~CTimeChangeWatcher()
{
    if (m_timerFd >= 0)
        ::close(m_timerFd);
}

void CTimeChangeWatcher::ArmClockTimer()
{
    itimerspec deadline{};
    ::clock_gettime(CLOCK_REALTIME, &deadline.it_value);
    deadline.it_value.tv_sec += FarDeadlineSeconds;
    ::timerfd_settime(m_timerFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &deadline, nullptr);
}

bool CTimeChangeWatcher::IsClockWatchArmed() const
{
    itimerspec deadline{};
    return m_timerFd >= 0 && ::timerfd_gettime(m_timerFd, &deadline) == 0 &&
           (deadline.it_value.tv_sec != 0 || deadline.it_value.tv_nsec != 0);
}

CTimeChangeWatcher::TimerRead CTimeChangeWatcher::ReadClockTimer(int fd)
{
    std::uint64_t expirations = 0;
    const ssize_t n = ::read(fd, &expirations, sizeof expirations);
    if (n < 0 && errno == ECANCELED)
        return TimerRead::ClockSet;
    return n == static_cast<ssize_t>(sizeof expirations) ? TimerRead::Expired : TimerRead::Nothing;
}

void CTimeChangeWatcher::OnClockTimerReadable()
{
    const TimerRead result = ReadClockTimer(m_timerFd);
    if (result == TimerRead::Nothing)
        return;
    // A cancelled timer stays cancelled until it is armed again.
    ArmClockTimer();
    if (result == TimerRead::ClockSet)
        emit TimeChanged();
}

void CTimeChangeWatcher::WatchZoneFile()
{
    // A folder removed and made again loses its watch, as a replaced file does; while it is
    // missing, the nearest folder above it that exists tells when it is back.
    QString folder = QFileInfo(m_zoneFile).absolutePath();
    while (!QFileInfo(folder).isDir() && folder != QFileInfo(folder).absolutePath())
        folder = QFileInfo(folder).absolutePath();
    const QStringList watched = m_watcher->directories();
    for (const QString &other : watched)
        if (other != folder)
            m_watcher->removePath(other);
    if (!watched.contains(folder))
        m_watcher->addPath(folder);
    if (!m_watcher->files().contains(m_zoneFile) && QFileInfo::exists(m_zoneFile))
        m_watcher->addPath(m_zoneFile);
}

void CTimeChangeWatcher::OnZoneEvent()
{
    m_settle->start();
}

void CTimeChangeWatcher::CheckZoneFile()
{
    const QString now = Fingerprint();
    // A watch made through a link stays on the file the link led to, even once the link is
    // gone: after any change the path is watched anew, for what it is now.
    if (now != m_fingerprint)
        m_watcher->removePath(m_zoneFile);
    WatchZoneFile();
    // Other files of the folder change too (e.g. /etc/resolv.conf): only the zone file counts.
    if (now == m_fingerprint)
        return;
    m_fingerprint = now;
    emit TimeChanged();
}

// The link itself and what it leads to: a new link, a new target file or an edited one.
QString CTimeChangeWatcher::Fingerprint() const
{
    const QByteArray path = QFile::encodeName(m_zoneFile);
    return StatText(path, false) + u'|' + StatText(path, true) + u'|' +
           QFileInfo(m_zoneFile).symLinkTarget();
}
