// SPDX-License-Identifier: MIT

#include "settings/userpaths.h"

#include <QByteArray>
#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>
#include <vector>

void SettleUserPaths()
{
    if (qEnvironmentVariableIsEmpty("HOME")) {
        long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
        std::vector<char> buffer(size > 0 ? std::size_t(size) : 16384);
        passwd entry{};
        passwd *found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_dir && found->pw_dir[0] == '/')
            qputenv("HOME", QByteArray(found->pw_dir));
    }
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty() && !value.startsWith('/'))
            qunsetenv(name);
    }
}
