// SPDX-License-Identifier: MIT

#pragma once

#include "zones/timesource.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <map>

// The one timer of every clock in the program. It fires just after each whole second of the
// wall clock, or each whole minute while no client needs seconds, so all clocks change together,
// never drift against the wall clock, and the program wakes once a second at most.
class CClockTicker final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CClockTicker)

public:
    using Client = std::function<void(TimeValue now)>;

    static CClockTicker &Instance();

    // Calls client at every tick from now on; returns its id (never 0).
    int Add(Client client, bool everySecond);
    void SetEverySecond(int id, bool everySecond);
    void Remove(int id);

    // Ticks at once, as the timer does; for an owner that changed what clients show.
    void TickNow();

    bool IsTicking() const { return m_timer.isActive(); }
    // 1000 while a client needs seconds, 60000 otherwise, 0 without clients.
    int Period() const;

private:
    CClockTicker();
    void Arm();

    struct Entry
    {
        Client client;
        bool everySecond = false;
    };
    std::map<int, Entry> m_clients;
    int m_nNextId = 1;
    QTimer m_timer;
};
