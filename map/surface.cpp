// SPDX-License-Identifier: MIT

#include "map/surface.h"

#include <QVarLengthArray>

#include <cstdlib>
#include <cstring>
#include <numeric>

QImage MakeSurface(QSize size)
{
    if (size.isEmpty())
        return {};
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(0xff000000u);
    return surface;
}

QImage ScaleWholePixels(const QImage &picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int sw = source.width();
    const int sh = source.height();
    QImage scaled(size, QImage::Format_RGB32);
    // The source column of each column, worked out once rather than divided for every pixel.
    QVarLengthArray<int, 2048> columns(size.width());
    for (int x = 0; x < size.width(); ++x)
        columns[x] = static_cast<int>(static_cast<qint64>(x) * sw / size.width());
    for (int y = 0; y < size.height(); ++y) {
        const int sy = static_cast<int>(static_cast<qint64>(y) * sh / size.height());
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(sy));
        auto *to = reinterpret_cast<QRgb *>(scaled.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            to[x] = from[columns[x]];
    }
    return scaled;
}

COLORREF PixelAt(const QImage &surface, int x, int y)
{
    if (x < 0 || y < 0 || x >= surface.width() || y >= surface.height())
        return CLR_INVALID;
    return FromRgb(surface.pixel(x, y));
}

bool ScrollSurface(QImage &surface, int dx, int dy)
{
    const int w = surface.width();
    const int h = surface.height();
    const QImage::Format format = surface.format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_Grayscale8 &&
         format != QImage::Format_Grayscale16) ||
        (dx == 0 && dy == 0) || std::abs(dx) > w || std::abs(dy) > h)
        return false;

    // In place, with one row to spare: the map keeps several surfaces of its size, and a second
    // copy of each as working space was a fifth of the program's memory.
    const auto bpl = static_cast<std::size_t>(surface.bytesPerLine());
    const auto bpp = static_cast<std::size_t>(surface.depth() / 8);
    uchar *const bits = surface.bits();
    QVarLengthArray<uchar, 8192> spare(static_cast<qsizetype>(bpl));

    // Rows: the new row y is the old row y - down. Each cycle of that permutation moves its rows
    // one step along, the first one through the spare row.
    const int down = ((dy % h) + h) % h;
    for (int start = 0, cycles = std::gcd(h, down); down != 0 && start < cycles; ++start) {
        std::memcpy(spare.data(), bits + start * bpl, bpl);
        int y = start;
        for (int from = (y - down + h) % h; from != start; from = (y - down + h) % h) {
            std::memcpy(bits + y * bpl, bits + from * bpl, bpl);
            y = from;
        }
        std::memcpy(bits + y * bpl, spare.data(), bpl);
    }

    // Columns: each row turns right by shift, its last pixels coming round to the front.
    const auto shift = static_cast<std::size_t>(((dx % w) + w) % w) * bpp;
    const std::size_t rowBytes = static_cast<std::size_t>(w) * bpp;
    for (int y = 0; shift != 0 && y < h; ++y) {
        uchar *row = bits + static_cast<std::size_t>(y) * bpl;
        std::memcpy(spare.data(), row + rowBytes - shift, shift);
        std::memmove(row + shift, row, rowBytes - shift);
        std::memcpy(row, spare.data(), shift);
    }
    return true;
}
