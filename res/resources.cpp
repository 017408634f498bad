#include "res/resources.h"

#include <QPixmap>
#include <QString>

#include <array>

namespace {

QImage LoadRgb32(const QString &path)
{
    QImage image(path);
    if (image.isNull())
        return {};
    // Palette pictures convert exactly; no pixel may be blended or dithered.
    return image.convertToFormat(QImage::Format_RGB32, Qt::ThresholdDither | Qt::AvoidDither);
}

constexpr std::array<int, 8> IconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int HandHotSpotX = 9;
constexpr int HandHotSpotY = 3;

} // namespace

QImage LoadMapPicture()
{
    return LoadRgb32(QStringLiteral(":/images/map.png"));
}

QImage LoadZonePicture()
{
    return LoadRgb32(QStringLiteral(":/images/zones.png"));
}

QImage LoadTreeStrip(int landColour)
{
    if (landColour < 0 || landColour > 7)
        return {};
    return LoadRgb32(QStringLiteral(":/images/treestrip%1.png").arg(landColour));
}

QImage AppIconImage(int size)
{
    for (int s : IconSizes) {
        if (s == size)
            return QImage(QStringLiteral(":/icons/orbiclock-%1.png").arg(size));
    }
    return {};
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : IconSizes) {
        const QImage image = AppIconImage(size);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QCursor HandCursor()
{
    const QPixmap hand(QStringLiteral(":/cursors/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, HandHotSpotX, HandHotSpotY);
}
