// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtEndian>

// Helpers for the packed little-endian files that tools/art writes into the resources (the city
// index, the map's zone key), which are read where they lie.

inline quint16 PackedU16(const uchar *p)
{
    return qFromLittleEndian<quint16>(p);
}

inline quint32 PackedU32(const uchar *p)
{
    return qFromLittleEndian<quint32>(p);
}

// FNV-1a over the little-endian 32-bit words of [from, to): the generator's checksum.
inline quint32 PackedChecksum(const uchar *data, qsizetype from, qsizetype to)
{
    quint32 hash = 0x811c9dc5;
    for (qsizetype i = from; i + 4 <= to; i += 4)
        hash = (hash ^ PackedU32(data + i)) * 0x01000193;
    return hash;
}

// The bytes of a resource stored uncompressed, or none: a compressed one cannot be read in
// place.
QByteArrayView UncompressedResource(const QString &path);
