// SPDX-License-Identifier: MIT

#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

// The program's pictures, loaded from the resources compiled into it. Pictures come back in
// Format_RGB32 so that every pixel reads as the exact colour drawn; a picture that cannot be
// loaded comes back null.

// The world map's size at its smallest, that of the country table's zone key. The map is
// equirectangular: every pixel spans 360 / 357 degrees both ways, column 0 starts at this
// longitude and row 0 at the north pole.
inline constexpr int MapPictureWidth = 357;
inline constexpr int MapPictureHeight = 178;
inline constexpr double MapPictureWestLongitude = -172.5;

// The country table's zone key: every pixel holds a key colour of the zone colour table.
QImage LoadZonePicture();

// The strip of 19 tree pictures of 24 x 16 drawn in land colour landColour (0..7), white being
// transparent; with scale 2 the same drawn at 48 x 32 for screens of a higher pixel ratio. Null
// for any other index or scale.
inline constexpr int TreeImageWidth = 24;
inline constexpr int TreeImageHeight = 16;
inline constexpr int TreeImageCount = 19;
QImage LoadTreeStrip(int landColour, int scale = 1);

// The application icon in every size drawn up to largest. The window's and the tray's stop at
// WindowIconLargest: X11 hands every size to the window manager and the tray host, and the two
// largest alone were nine tenths of those pixels.
QIcon AppIcon(int largest = 256);
inline constexpr int WindowIconLargest = 64;

// The icon drawn for exactly this size (16, 22, 24, 32, 48, 64, 128 or 256), else null.
QImage AppIconImage(int size);

// A pointing hand with its hot spot at the fingertip; the platform's pointing hand when the
// picture is missing. Needs a QGuiApplication.
QCursor HandCursor();
