#include "map/surface.h"

#include <cstdlib>
#include <cstring>

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
    for (int y = 0; y < size.height(); ++y) {
        const int sy = static_cast<int>(static_cast<qint64>(y) * sh / size.height());
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(sy));
        auto *to = reinterpret_cast<QRgb *>(scaled.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            to[x] = from[static_cast<qint64>(x) * sw / size.width()];
    }
    return scaled;
}

COLORREF PixelAt(const QImage &surface, int x, int y)
{
    if (x < 0 || y < 0 || x >= surface.width() || y >= surface.height())
        return CLR_INVALID;
    return FromRgb(surface.pixel(x, y));
}

bool ScrollSurface(QImage &surface, QImage &scratch, int dx, int dy)
{
    const int w = surface.width();
    const int h = surface.height();
    if (surface.format() != QImage::Format_RGB32 || (dx == 0 && dy == 0) || std::abs(dx) > w ||
        std::abs(dy) > h)
        return false;

    if (scratch.size() != surface.size() || scratch.format() != QImage::Format_RGB32)
        scratch = QImage(surface.size(), QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(w) * sizeof(QRgb);
    for (int y = 0; y < h; ++y)
        std::memcpy(scratch.scanLine(y), surface.constScanLine(y), rowBytes);

    // Each new row is an old row rotated right by `shift`: two copies per row.
    const int shift = ((dx % w) + w) % w;
    const auto head = static_cast<std::size_t>(shift) * sizeof(QRgb);
    for (int y = 0; y < h; ++y) {
        const int from = (((y - dy) % h) + h) % h;
        const auto *src = reinterpret_cast<const QRgb *>(scratch.constScanLine(from));
        auto *dst = reinterpret_cast<QRgb *>(surface.scanLine(y));
        std::memcpy(dst + shift, src, rowBytes - head);
        std::memcpy(dst, src + (w - shift), head);
    }
    return true;
}
