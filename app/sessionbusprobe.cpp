// SPDX-License-Identifier: MIT

#include "app/sessionbusprobe.h"

#include <QDeadlineTimer>
#include <QList>
#include <QtGlobal>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Long enough for a bus on a busy machine (it answers in well under a millisecond when idle),
// short enough that a start over a silent one still shows its window within two seconds.
constexpr int ProbeTimeoutMs = 1000;

// The value of key in "unix:key=value,...", %-escapes decoded; null when absent.
QByteArray AddressValue(const QByteArray &entry, const QByteArray &key)
{
    const QList<QByteArray> pairs = entry.mid(entry.indexOf(':') + 1).split(',');
    for (const QByteArray &pair : pairs)
        if (pair.startsWith(key + '='))
            return QByteArray::fromPercentEncoding(pair.mid(key.size() + 1));
    return {};
}

class Socket final
{
public:
    Socket() : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(Socket)
    int Get() const { return m_fd; }

private:
    int m_fd;
};

bool WaitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, int(qMax<qint64>(0, deadline.remainingTime())));
        if (n < 0 && errno == EINTR)
            continue;
        return n > 0;
    }
}

bool SendAll(int fd, const QByteArray &data, const QDeadlineTimer &deadline)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n =
            ::send(fd, data.constData() + sent, std::size_t(data.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN && WaitFor(fd, POLLOUT, deadline))
            continue;
        else
            return false;
    }
    return true;
}

enum class Heard
{
    Line,    // a line, or at least one byte where any will do
    Closed,  // the bus hung up or failed: an answer of its own kind
    Silence, // nothing before the deadline
};

Heard Receive(int fd, QByteArray &line, bool wholeLine, const QDeadlineTimer &deadline)
{
    while (!wholeLine ? line.isEmpty() : !line.contains("\r\n")) {
        if (!WaitFor(fd, POLLIN, deadline))
            return Heard::Silence;
        char buffer[256];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return Heard::Closed;
        line.append(buffer, n);
    }
    return Heard::Line;
}

// org.freedesktop.DBus.Hello, the first call of every client, as the wire format lays it out.
QByteArray HelloMessage()
{
    QByteArray m("l\1\0\1", 4);
    auto pad = [&m](int to) {
        while (m.size() % to)
            m += '\0';
    };
    auto u32 = [&m](quint32 v) {
        for (int i = 0; i < 4; ++i)
            m += char(v >> (8 * i));
    };
    u32(0); // body length
    u32(1); // serial
    u32(0); // header fields' length, set below
    auto field = [&](char code, char type, const char *text) {
        pad(8);
        m += code;
        m += QByteArray("\1", 1) + type + QByteArray("\0", 1);
        u32(quint32(std::strlen(text)));
        m += QByteArray(text) + QByteArray("\0", 1);
    };
    pad(8);
    const qsizetype fields = m.size();
    field(1, 'o', "/org/freedesktop/DBus");
    field(6, 's', "org.freedesktop.DBus");
    field(2, 's', "org.freedesktop.DBus");
    field(3, 's', "Hello");
    const quint32 length = quint32(m.size() - fields);
    for (int i = 0; i < 4; ++i)
        m[12 + i] = char(length >> (8 * i));
    pad(8);
    return m;
}

} // namespace

bool SessionBusAnswers(const QByteArray &address, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // The first entry libdbus would try over a local socket.
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    socklen_t length = 0;
    for (const QByteArray &entry : address.split(';')) {
        if (!entry.startsWith("unix:"))
            return true;
        const QByteArray path = AddressValue(entry, "path");
        const QByteArray abstract = AddressValue(entry, "abstract");
        const QByteArray name = path.isNull() ? abstract : path;
        if (name.isNull())
            continue;
        if (name.size() + 1 > qsizetype(sizeof where.sun_path))
            return true;
        // An abstract name follows a NUL and is as long as it is; a path ends with one.
        std::memcpy(where.sun_path + (path.isNull() ? 1 : 0), name.constData(),
                    std::size_t(name.size()));
        length = socklen_t(offsetof(sockaddr_un, sun_path) + name.size() + 1);
        break;
    }
    if (length == 0)
        return true;

    const Socket socket;
    if (socket.Get() < 0)
        return true;
    if (::connect(socket.Get(), reinterpret_cast<const sockaddr *>(&where), length) != 0)
        // A listener whose queue is full takes no one: it is not answering either.
        return errno != EAGAIN;

    const QByteArray uid = QByteArray::number(::getuid()).toHex();
    QByteArray reply;
    if (!SendAll(socket.Get(), QByteArray("\0AUTH EXTERNAL ", 15) + uid + "\r\n", deadline))
        return true;
    Heard heard = Receive(socket.Get(), reply, true, deadline);
    if (heard == Heard::Line && reply.startsWith("OK")) {
        reply.clear();
        if (!SendAll(socket.Get(), "BEGIN\r\n" + HelloMessage(), deadline))
            return true;
        heard = Receive(socket.Get(), reply, false, deadline);
    }
    return heard != Heard::Silence;
}

bool SetAsideSilentSessionBus()
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty() || SessionBusAnswers(address, ProbeTimeoutMs))
        return true;
    // An address libdbus refuses at once: Qt then runs as without a session bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    std::fputs("orbiclock: the session bus does not answer; running without it (no check for "
               "another copy, no screen reader)\n",
               stderr);
    return false;
}
