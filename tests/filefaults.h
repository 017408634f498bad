// SPDX-License-Identifier: MIT

#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process grows beyond limit bytes: a write past it fails as it
// does on a full disk.
class FullDisk final
{
public:
    explicit FullDisk(rlim_t limit = 16)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit full = m_old;
        full.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &m_old); }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_old{};
};
