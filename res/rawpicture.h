// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QtGlobal>

// The raw form of a picture in the resources: this header, then height rows of width 32-bit
// pixels in the QImage format named. The build makes it from the PNG beside it, so the program
// maps its pictures instead of decoding them at every start.
struct RawPictureHeader
{
    char magic[4] = {'R', 'A', 'W', '1'};
    quint32 width = 0;
    quint32 height = 0;
    quint32 format = 0; // QImage::Format
};

// The picture whose PNG has this resource path (":/images/zones.png"), read from its raw form
// without a copy; decoded from the PNG when the raw form is missing or does not fit.
QImage RawPicture(const QString &path);
