// SPDX-License-Identifier: MIT

#pragma once

#include "map/colourref.h"

#include <QImage>
#include <QSize>

// Off-screen pixel surfaces of the map: QImages in Format_RGB32, so a pixel written with a colour
// reads back as exactly that colour and copies never blend.

// A surface of the given size, all black.
QImage MakeSurface(QSize size);

// The picture at size, every pixel a whole pixel of the source (nearest neighbour): no new
// colours arise. A null picture or an empty size gives a null image.
QImage ScaleWholePixels(const QImage &picture, QSize size);

// The pixel at (x, y), or CLR_INVALID outside the surface.
COLORREF PixelAt(const QImage &surface, int x, int y);

// Shifts the surface cyclically: the new pixel (x, y) is the old ((x - dx) mod W, (y - dy) mod H),
// so the picture moves right by dx and down by dy and what leaves comes back on the other side.
// Refuses (false, nothing changes) a zero step, a step larger than the surface, or a surface that
// is not Format_RGB32, Format_Grayscale8 (a share of land) or Format_Grayscale16 (a key).
bool ScrollSurface(QImage &surface, int dx, int dy);
