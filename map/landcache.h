// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
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

// Bytes that stay where they are for as long as anything uses them: a file mapped into memory
// (its pages the file's, not the program's own memory), or bytes read. Copies share them.
class SharedBytes
{
public:
    SharedBytes() = default;
    explicit SharedBytes(QByteArray bytes);
    // The file mapped read only; empty when it is missing, larger than limit, or cannot be
    // mapped. The file must be replaced rather than written in place while it may be mapped.
    static SharedBytes MapFile(const QString &path, qint64 limit);

    QByteArrayView View() const;
    bool IsEmpty() const { return View().isEmpty(); }
    bool IsMapped() const;

private:
    struct Holder;
    std::shared_ptr<const Holder> m_holder;
};

// The bytes to keep for land built from the key whose identity is keyIdentity; empty for land
// that is not whole (images of other formats or sizes).
QByteArray PackLand(const BuiltLand &land, quint32 keyIdentity);

// The land kept in bytes, when it was built at size from that key and reads back unchanged;
// nothing for any other size or key, or damaged bytes. Where the machine's byte order allows,
// the images read the bytes in place (keeping them) rather than copies.
std::optional<BuiltLand> UnpackLand(const SharedBytes &bytes, QSize size, quint32 keyIdentity);
