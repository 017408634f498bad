// SPDX-License-Identifier: MIT

#include "settings/safefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Closes a descriptor on every way out.
class Descriptor final
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(Descriptor)
    int Get() const { return m_fd; }
    // Closes now, reporting what close reports (some file systems report a failed write there).
    bool Close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

bool WriteAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

constexpr char AsideChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int AsideSuffixLength = 6;
// Far longer than any write takes: an aside this old belongs to a writer that was killed.
constexpr qint64 StaleAsideSeconds = 60;

// Creates name + "." + six letters or digits, new, for writing. Its mode is 0666 less the
// umask, as any new file of the user's; mkstemp's 0600 would ignore the umask.
int CreateAside(const QByteArray &name, QByteArray &aside)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        aside = name + '.';
        for (int i = 0; i < AsideSuffixLength; ++i)
            aside += AsideChars[QRandomGenerator::global()->bounded(int(sizeof AsideChars) - 1)];
        const int fd =
            ::open(aside.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

FileRead ReadSmallFile(const QString &path, qint64 limit, QByteArray &out)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st
    {
    };
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Refused;
    if (!S_ISREG(st.st_mode) || st.st_size > limit)
        return FileRead::Refused;
    // Non-blocking, and checked again once open: the path may have changed in between.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return FileRead::Refused;
    // Sized by the file, not the limit, which callers set far above what their files hold; grown
    // only if the file grows while it is read.
    QByteArray content(qMin<qint64>(st.st_size, limit) + 1, Qt::Uninitialized);
    qint64 size = 0;
    while (size <= limit) {
        if (size == content.size())
            content.resize(qMin<qint64>(2 * size, limit + 1));
        const ssize_t n =
            ::read(fd.Get(), content.data() + size, static_cast<size_t>(content.size() - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileRead::Refused;
        if (n == 0)
            break;
        size += n;
    }
    if (size > limit)
        return FileRead::Refused;
    content.truncate(size);
    out = content;
    return FileRead::Read;
}

void RemoveStaleAsides(const QString &path)
{
    const QFileInfo info(path);
    const QString prefix = info.fileName() + u'.';
    const QFileInfoList found =
        QDir(info.path())
            .entryInfoList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QFileInfo &aside : found) {
        const QString suffix = aside.fileName().mid(prefix.size());
        const bool ours = std::all_of(suffix.cbegin(), suffix.cend(), [](QChar c) {
            return c.unicode() < 128 && std::strchr(AsideChars, char(c.unicode()));
        });
        if (ours && !aside.isSymLink() &&
            now - aside.lastModified().toSecsSinceEpoch() > StaleAsideSeconds)
            ::unlink(QFile::encodeName(aside.filePath()).constData());
    }
}

bool ReplaceFile(const QString &path, const QByteArray &content, LinkWrite links)
{
    QString target = path;
    const QFileInfo info(path);
    if (links == LinkWrite::Follow && info.isSymLink())
        target = info.symLinkTarget();
    const QByteArray name = QFile::encodeName(target);

    std::optional<mode_t> mode; // a new file keeps what the umask gives it
    struct stat st
    {
    };
    if (::lstat(name.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return false;
        // A file made read-only is left alone, as an editor would leave it.
        if (S_ISREG(st.st_mode)) {
            if (::access(name.constData(), W_OK) != 0)
                return false;
            mode = st.st_mode & 07777;
        }
    }

    QByteArray aside;
    Descriptor fd(CreateAside(name, aside));
    if (fd.Get() < 0)
        return false;
    const bool written = (!mode || ::fchmod(fd.Get(), *mode) == 0) &&
                         WriteAll(fd.Get(), content.constData(), content.size()) &&
                         ::fsync(fd.Get()) == 0 && fd.Close();
    // rename replaces a link itself, never the file it names.
    if (!written || ::rename(aside.constData(), name.constData()) != 0) {
        ::unlink(aside.constData());
        return false;
    }
    RemoveStaleAsides(QFile::decodeName(name));
    return true;
}
