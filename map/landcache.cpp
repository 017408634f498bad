// SPDX-License-Identifier: MIT

#include "map/landcache.h"

#include "zones/packedfile.h"

#include <QFile>
#include <QSysInfo>
#include <QtEndian>

#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char Magic[] = "orbiclock land2\n"; // bump when the land is built or laid out otherwise
constexpr qsizetype MagicSize = 16;
constexpr qsizetype HeaderSize = MagicSize + 16;
static_assert(sizeof(Magic) == MagicSize + 1);

// Rows padded to whole words, as images lay them out, so the images can read them in place;
// the checksum reads words too.
qsizetype CoverStride(int width)
{
    return (qsizetype(width) + 3) / 4 * 4;
}

qsizetype KeyStride(int width)
{
    return (qsizetype(width) * 2 + 3) / 4 * 4;
}

qsizetype PackedSize(QSize size)
{
    return HeaderSize + (CoverStride(size.width()) + KeyStride(size.width())) * size.height();
}

void ReleaseBytes(void *holder)
{
    delete static_cast<SharedBytes *>(holder);
}

} // namespace

struct SharedBytes::Holder
{
    QByteArray bytes;
    void *mapped = nullptr;
    std::size_t mappedSize = 0;

    Holder() = default;
    Q_DISABLE_COPY_MOVE(Holder)
    ~Holder()
    {
        if (mapped)
            munmap(mapped, mappedSize);
    }
};

SharedBytes::SharedBytes(QByteArray bytes)
{
    auto holder = std::make_shared<Holder>();
    holder->bytes = std::move(bytes);
    m_holder = std::move(holder);
}

SharedBytes SharedBytes::MapFile(const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st
    {
    };
    void *mapped = MAP_FAILED;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size <= limit)
        mapped = mmap(nullptr, std::size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (mapped == MAP_FAILED)
        return {};
    auto holder = std::make_shared<Holder>();
    holder->mapped = mapped;
    holder->mappedSize = std::size_t(st.st_size);
    SharedBytes out;
    out.m_holder = std::move(holder);
    return out;
}

QByteArrayView SharedBytes::View() const
{
    if (!m_holder)
        return {};
    if (m_holder->mapped)
        return {static_cast<const char *>(m_holder->mapped), qsizetype(m_holder->mappedSize)};
    return m_holder->bytes;
}

bool SharedBytes::IsMapped() const
{
    return m_holder && m_holder->mapped;
}

QByteArray PackLand(const BuiltLand &land, quint32 keyIdentity)
{
    const QSize size = land.cover.size();
    if (size.isEmpty() || land.keys.size() != size ||
        land.cover.format() != QImage::Format_Grayscale8 ||
        land.keys.format() != QImage::Format_Grayscale16)
        return {};
    const int w = size.width();
    const int h = size.height();
    QByteArray out(PackedSize(size), '\0');
    auto *data = reinterpret_cast<uchar *>(out.data());
    std::memcpy(data, Magic, MagicSize);
    uchar *cover = data + HeaderSize;
    uchar *keys = cover + CoverStride(w) * h;
    for (int y = 0; y < h; ++y) {
        std::memcpy(cover + CoverStride(w) * y, land.cover.constScanLine(y), std::size_t(w));
        qToLittleEndian<quint16>(land.keys.constScanLine(y), w, keys + KeyStride(w) * y);
    }
    qToLittleEndian<quint32>(keyIdentity, data + MagicSize);
    qToLittleEndian<quint32>(quint32(w), data + MagicSize + 4);
    qToLittleEndian<quint32>(quint32(h), data + MagicSize + 8);
    qToLittleEndian<quint32>(PackedChecksum(data, HeaderSize, out.size()), data + MagicSize + 12);
    return out;
}

std::optional<BuiltLand> UnpackLand(const SharedBytes &bytes, QSize size, quint32 keyIdentity)
{
    const QByteArrayView view = bytes.View();
    const auto *data = reinterpret_cast<const uchar *>(view.data());
    if (size.isEmpty() || view.size() != PackedSize(size) ||
        std::memcmp(data, Magic, MagicSize) != 0 || PackedU32(data + MagicSize) != keyIdentity ||
        PackedU32(data + MagicSize + 4) != quint32(size.width()) ||
        PackedU32(data + MagicSize + 8) != quint32(size.height()) ||
        PackedU32(data + MagicSize + 12) != PackedChecksum(data, HeaderSize, view.size()))
        return std::nullopt;
    const int w = size.width();
    const int h = size.height();
    const uchar *cover = data + HeaderSize;
    const uchar *keys = cover + CoverStride(w) * h;
    // Read in place: each image keeps the bytes while it lives.
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian && quintptr(data) % 4 == 0) {
        return BuiltLand{QImage(cover, w, h, CoverStride(w), QImage::Format_Grayscale8,
                                ReleaseBytes, new SharedBytes(bytes)),
                         QImage(keys, w, h, KeyStride(w), QImage::Format_Grayscale16, ReleaseBytes,
                                new SharedBytes(bytes))};
    }
    BuiltLand land{QImage(size, QImage::Format_Grayscale8),
                   QImage(size, QImage::Format_Grayscale16)};
    for (int y = 0; y < h; ++y) {
        std::memcpy(land.cover.scanLine(y), cover + CoverStride(w) * y, std::size_t(w));
        qFromLittleEndian<quint16>(keys + KeyStride(w) * y, w, land.keys.scanLine(y));
    }
    return land;
}
