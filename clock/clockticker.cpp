// SPDX-License-Identifier: MIT

#include "clock/clockticker.h"

#include <QDateTime>

#include <algorithm>
#include <vector>

CClockTicker &CClockTicker::Instance()
{
    static CClockTicker ticker;
    return ticker;
}

CClockTicker::CClockTicker()
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, before the second it was meant for.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        TickNow();
        Arm();
    });
}

int CClockTicker::Add(Client client, bool everySecond)
{
    const int id = m_nNextId++;
    m_clients[id] = Entry{std::move(client), everySecond};
    Arm();
    return id;
}

void CClockTicker::SetEverySecond(int id, bool everySecond)
{
    const auto it = m_clients.find(id);
    if (it == m_clients.end() || it->second.everySecond == everySecond)
        return;
    it->second.everySecond = everySecond;
    Arm();
}

void CClockTicker::Remove(int id)
{
    m_clients.erase(id);
    if (m_clients.empty())
        m_timer.stop();
}

int CClockTicker::Period() const
{
    if (m_clients.empty())
        return 0;
    const bool seconds = std::any_of(m_clients.begin(), m_clients.end(),
                                     [](const auto &entry) { return entry.second.everySecond; });
    return seconds ? 1000 : 60000;
}

void CClockTicker::TickNow()
{
    const TimeValue now = CurrentTime();
    // A client may add or remove clients while it runs: call those there were at the start.
    std::vector<int> ids;
    ids.reserve(m_clients.size());
    for (const auto &entry : m_clients)
        ids.push_back(entry.first);
    for (int id : ids) {
        const auto it = m_clients.find(id);
        if (it != m_clients.end())
            it->second.client(now);
    }
}

void CClockTicker::Arm()
{
    const int period = Period();
    if (period == 0) {
        m_timer.stop();
        return;
    }
    // A few milliseconds past the boundary, so the second read then is the new one.
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    m_timer.start(static_cast<int>(period - ms % period) + 2);
}
