// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

// The map's land as built for one size: each pixel's share of land (Grayscale8) and its zone
// (Grayscale16, the key's zone number or 0xffff for none). Building it at a large size reads and
// inflates the key's largest levels, many times the cost of reading it back, so the last one
// built is kept between runs.
struct BuiltLand
{
    QImage cover;
    QImage keys;
};

// The bytes to keep for land built from the key whose identity is keyIdentity; empty for land
// that is not whole (images of other formats or sizes).
QByteArray PackLand(const BuiltLand &land, quint32 keyIdentity);

// The land kept in bytes, when it was built at size from that key and reads back unchanged;
// nothing for any other size or key, or damaged bytes.
std::optional<BuiltLand> UnpackLand(const QByteArray &bytes, QSize size, quint32 keyIdentity);
