// SPDX-License-Identifier: MIT

#include "map/landcache.h"

#include "zones/packedfile.h"

#include <QtEndian>

#include <cstring>

namespace {

constexpr char Magic[] = "orbiclock land1\n"; // bump when the land is built otherwise
constexpr qsizetype MagicSize = 16;
constexpr qsizetype HeaderSize = MagicSize + 16;
static_assert(sizeof(Magic) == MagicSize + 1);

// Padded to whole words, which the checksum reads.
qsizetype PackedSize(QSize size)
{
    return HeaderSize + (qsizetype(size.width()) * size.height() * 3 + 3) / 4 * 4;
}

} // namespace

QByteArray PackLand(const BuiltLand &land, quint32 keyIdentity)
{
    const QSize size = land.cover.size();
    if (size.isEmpty() || land.keys.size() != size ||
        land.cover.format() != QImage::Format_Grayscale8 ||
        land.keys.format() != QImage::Format_Grayscale16)
        return {};
    const int w = size.width();
    QByteArray out(PackedSize(size), '\0');
    auto *data = reinterpret_cast<uchar *>(out.data());
    std::memcpy(data, Magic, MagicSize);
    uchar *cover = data + HeaderSize;
    uchar *keys = cover + qsizetype(w) * size.height();
    for (int y = 0; y < size.height(); ++y) {
        std::memcpy(cover + qsizetype(y) * w, land.cover.constScanLine(y), std::size_t(w));
        qToLittleEndian<quint16>(land.keys.constScanLine(y), w, keys + qsizetype(y) * w * 2);
    }
    qToLittleEndian<quint32>(keyIdentity, data + MagicSize);
    qToLittleEndian<quint32>(quint32(w), data + MagicSize + 4);
    qToLittleEndian<quint32>(quint32(size.height()), data + MagicSize + 8);
    qToLittleEndian<quint32>(PackedChecksum(data, HeaderSize, out.size()), data + MagicSize + 12);
    return out;
}

std::optional<BuiltLand> UnpackLand(const QByteArray &bytes, QSize size, quint32 keyIdentity)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    if (size.isEmpty() || bytes.size() != PackedSize(size) ||
        std::memcmp(data, Magic, MagicSize) != 0 || PackedU32(data + MagicSize) != keyIdentity ||
        PackedU32(data + MagicSize + 4) != quint32(size.width()) ||
        PackedU32(data + MagicSize + 8) != quint32(size.height()) ||
        PackedU32(data + MagicSize + 12) != PackedChecksum(data, HeaderSize, bytes.size()))
        return std::nullopt;
    const int w = size.width();
    BuiltLand land{QImage(size, QImage::Format_Grayscale8),
                   QImage(size, QImage::Format_Grayscale16)};
    const uchar *cover = data + HeaderSize;
    const uchar *keys = cover + qsizetype(w) * size.height();
    for (int y = 0; y < size.height(); ++y) {
        std::memcpy(land.cover.scanLine(y), cover + qsizetype(y) * w, std::size_t(w));
        qFromLittleEndian<quint16>(keys + qsizetype(y) * w * 2, w, land.keys.scanLine(y));
    }
    return land;
}
