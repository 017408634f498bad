// SPDX-License-Identifier: MIT

#include "res/rawpicture.h"

#include <QResource>

#include <cstring>

QImage RawPicture(const QString &path)
{
    // ":/images/zones.png" has its raw form at ":/raw/images/zones.png".
    const QResource raw(QStringLiteral(":/raw") + path.mid(1));
    constexpr qint64 headerSize = sizeof(RawPictureHeader);
    if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression &&
        raw.size() >= headerSize) {
        RawPictureHeader header;
        std::memcpy(&header, raw.data(), sizeof header);
        const auto format = static_cast<QImage::Format>(header.format);
        const bool known =
            std::memcmp(header.magic, RawPictureHeader().magic, 4) == 0 &&
            (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied);
        const bool sized = header.width > 0 && header.width <= 4096 && header.height > 0 &&
                           header.height <= 4096 &&
                           raw.size() == headerSize + qint64(header.width) * header.height * 4;
        if (known && sized) {
            const uchar *pixels = raw.data() + headerSize;
            const QImage mapped(pixels, int(header.width), int(header.height),
                                int(header.width) * 4, format);
            // The resources live as long as the program, so the picture can stay where it is;
            // rows that are not 32-bit aligned are copied once.
            return reinterpret_cast<quintptr>(pixels) % 4 == 0 ? mapped : mapped.copy();
        }
    }
    return QImage(path);
}
