// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>

// A session bus can take a connection and then never answer (a frozen bus daemon, a stale
// socket someone else listens on). libdbus would wait 25 s for each call, and Qt's one-copy
// check and accessibility bridge make several before the window shows. So the bus is asked
// once, briefly, before the application starts.

// Whether the bus at address (a D-Bus address, "unix:path=..." or "unix:abstract=...") answers
// authentication and Hello within timeoutMs. True for an address it cannot judge (another
// transport) and for a socket that refuses or is missing, which libdbus reports at once itself.
bool SessionBusAnswers(const QByteArray &address, int timeoutMs);

// When the session bus does not answer, this run goes without it, as without any bus: one copy
// per session and the screen reader's bridge are off, and stderr says so. False then.
bool SetAsideSilentSessionBus();
