// SPDX-License-Identifier: MIT

#include "zones/packedfile.h"

#include <QResource>

QByteArrayView UncompressedResource(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return QByteArrayView(resource.data(), resource.size());
}
