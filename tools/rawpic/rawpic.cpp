// SPDX-License-Identifier: MIT

// rawpic: converts a picture to the raw form the program maps straight from its resources, so
// that starting it decodes no PNG.
//
//   rawpic IN.png OUT.raw rgb32|argb32
//
// The output is a RawPictureHeader (res/rawpicture.h) followed by the rows of a QImage in that
// format. Palette pictures convert exactly: no pixel is blended or dithered.
#include "res/rawpicture.h"

#include <QFile>
#include <QImage>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 4 || (std::strcmp(argv[3], "rgb32") != 0 && std::strcmp(argv[3], "argb32") != 0)) {
        std::fprintf(stderr, "usage: rawpic IN.png OUT.raw rgb32|argb32\n");
        return 2;
    }
    const bool alpha = std::strcmp(argv[3], "argb32") == 0;
    const QImage in(QString::fromLocal8Bit(argv[1]));
    if (in.isNull()) {
        std::fprintf(stderr, "rawpic: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage image =
        in.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32,
                           Qt::ThresholdDither | Qt::AvoidDither);
    RawPictureHeader header;
    header.width = static_cast<quint32>(image.width());
    header.height = static_cast<quint32>(image.height());
    header.format = static_cast<quint32>(image.format());
    QFile out(QString::fromLocal8Bit(argv[2]));
    bool ok = out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              out.write(reinterpret_cast<const char *>(&header), sizeof header) == sizeof header;
    for (int y = 0; ok && y < image.height(); ++y) {
        const qint64 row = qint64(image.width()) * 4;
        ok = out.write(reinterpret_cast<const char *>(image.constScanLine(y)), row) == row;
    }
    if (!ok || !out.flush()) {
        std::fprintf(stderr, "rawpic: cannot write %s\n", argv[2]);
        out.remove();
        return 1;
    }
    return 0;
}
