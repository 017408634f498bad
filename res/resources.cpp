// SPDX-License-Identifier: MIT

#include "res/resources.h"

#include "res/rawpicture.h"

#include <QPixmap>
#include <QString>

#include <array>
#include <vector>

namespace {

QImage LoadRgb32(const QString &path)
{
    const QImage image = RawPicture(path);
    if (image.isNull())
        return {};
    // Palette pictures convert exactly; no pixel may be blended or dithered.
    return image.convertToFormat(QImage::Format_RGB32, Qt::ThresholdDither | Qt::AvoidDither);
}

constexpr std::array<int, 8> IconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int HandHotSpotX = 9;
constexpr int HandHotSpotY = 3;

} // namespace

QImage LoadZonePicture()
{
    return LoadRgb32(QStringLiteral(":/images/zones.png"));
}

QImage LoadTreeStrip(int landColour, int scale)
{
    if (landColour < 0 || landColour > 7 || (scale != 1 && scale != 2))
        return {};
    return LoadRgb32(QStringLiteral(":/images/treestrip%1%2.png")
                         .arg(landColour)
                         .arg(scale == 2 ? QStringLiteral("@2x") : QString()));
}

QImage AppIconImage(int size)
{
    for (int s : IconSizes) {
        if (s == size)
            return RawPicture(QStringLiteral(":/icons/orbiclock-%1.png").arg(size));
    }
    return {};
}

QIcon AppIcon(int largest)
{
    // The window, the tray and the about box each ask for the icon; decoding the eight pictures
    // was a sixth of the start-up's work, so it happens once. Pictures, not pixmaps, are kept:
    // a static pixmap would outlive the application.
    static const std::vector<QImage> images = [] {
        std::vector<QImage> decoded;
        for (int size : IconSizes) {
            QImage image = AppIconImage(size);
            if (!image.isNull())
                decoded.push_back(std::move(image));
        }
        return decoded;
    }();
    QIcon icon;
    for (const QImage &image : images)
        if (image.width() <= largest)
            icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QCursor HandCursor()
{
    const QPixmap hand = QPixmap::fromImage(RawPicture(QStringLiteral(":/cursors/hand.png")));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, HandHotSpotX, HandHotSpotY);
}
