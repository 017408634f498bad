// SPDX-License-Identifier: MIT

#include "app/autostart.h"

#include "settings/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr auto EntryName = "io.github.brambleway.orbiclock.desktop";
constexpr auto IconName = "io.github.brambleway.orbiclock";
// The launcher entry, the icon and the bus name were first spelt with a capital letter.
constexpr auto FormerEntryName = "io.github.brambleway.Orbiclock.desktop";
constexpr auto FormerIconName = "io.github.brambleway.Orbiclock";
// An entry is a few hundred bytes.
constexpr qint64 LargestEntry = 64 * 1024;

} // namespace

QString AutostartEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + QLatin1String(EntryName);
}

bool IsStartAtLogin()
{
    // Read without blocking: a FIFO or device in the entry's place is no entry.
    QByteArray text;
    if (ReadSmallFile(AutostartEntryPath(), LargestEntry, text) != FileRead::Read)
        return false;
    bool inEntry = false;
    for (const QString &raw : QString::fromUtf8(text).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const QString key = line.section(u'=', 0, 0).trimmed();
        const QString value = line.section(u'=', 1).trimmed();
        if (inEntry && ((key == QLatin1String("Hidden") && value == QLatin1String("true")) ||
                        (key == QLatin1String("X-GNOME-Autostart-enabled") &&
                         value == QLatin1String("false"))))
            return false;
    }
    return true;
}

QString ExecValue(const QString &program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg = program;
    if (std::any_of(arg.cbegin(), arg.cend(), [](QChar c) { return reserved.contains(c); })) {
        QString quoted;
        for (QChar c : arg) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        arg = u'"' + quoted + u'"';
    }
    // GLib looks for the program before it reads "%%" as "%", and refuses an entry whose
    // program it cannot find: such a path is handed to env, which GLib finds.
    const bool percent = arg.contains(u'%');
    arg.replace(u'%', QStringLiteral("%%"));
    if (percent)
        arg.prepend(QStringLiteral("env "));
    // The value is a string of the file format too, with its own escapes.
    arg.replace(u'\\', QStringLiteral("\\\\"));
    arg.replace(u'\n', QStringLiteral("\\n"));
    arg.replace(u'\t', QStringLiteral("\\t"));
    return arg;
}

bool SetStartAtLogin(bool on, const QString &program)
{
    const QString path = AutostartEntryPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orbiclock\n"
           "Comment=Time and date at home and anywhere in the world, on a world map\n"
           "Exec="
        << ExecValue(program) << ' ' << AutostartOption << "\nIcon=" << IconName
        << "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.commit();
}

bool UpdateStartAtLoginEntry()
{
    const QString path = AutostartEntryPath();
    // An entry under the former name moves to the new one; beside a new one, a desktop would
    // start the program twice, so it goes.
    const QString former = QFileInfo(path).absolutePath() + u'/' + QLatin1String(FormerEntryName);
    if (QFileInfo(former).isFile() && (QFileInfo::exists(path) || !QFile::rename(former, path)))
        QFile::remove(former);
    if (!IsStartAtLogin())
        return false;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
    in.close();
    bool inEntry = false;
    bool changed = false;
    bool started = false;
    for (QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            inEntry = trimmed == QLatin1String("[Desktop Entry]");
            continue;
        }
        const QString key = trimmed.section(u'=', 0, 0).trimmed();
        if (!inEntry)
            continue;
        if (key == QLatin1String("Icon") &&
            trimmed.section(u'=', 1).trimmed() == QLatin1String(FormerIconName)) {
            line = QStringLiteral("Icon=") + QLatin1String(IconName);
            changed = true;
        } else if (key == QLatin1String("Exec") && !started) {
            started = true;
            if (!trimmed.section(u'=', 1)
                     .split(u' ', Qt::SkipEmptyParts)
                     .contains(QLatin1String(AutostartOption))) {
                line = trimmed + u' ' + QLatin1String(AutostartOption);
                changed = true;
            }
        }
    }
    if (!started)
        return false;
    if (!changed)
        return true;
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Text) &&
           out.write(lines.join(u'\n').toUtf8()) >= 0 && out.commit();
}
