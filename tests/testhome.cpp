// SPDX-License-Identifier: MIT

// Linked into every test: each runs in a home of its own, whoever starts it, so nothing it
// writes reaches the user's settings and nothing stored there changes what it sees.
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void UseOwnHome()
{
    static QTemporaryDir home;
    const QByteArray path = QFile::encodeName(home.path());
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/config");
    qputenv("XDG_DATA_HOME", path + "/data");
    qputenv("XDG_CACHE_HOME", path + "/cache");
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(UseOwnHome)
