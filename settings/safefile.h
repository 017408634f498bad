// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

// Reading and replacing the program's own small files (the settings file, the zone store)
// without trusting what lies at their paths: another program, a full disk or a damaged folder
// must never hang the program or cost the file it had.

enum class FileRead
{
    Read,    // a regular file within the limit, read whole
    Missing, // nothing at the path
    Refused, // a FIFO, device, folder or socket, a file beyond the limit, or a failed read
};

// Reads path without blocking (a FIFO or device in its place is refused, never opened for long);
// a link is followed to what it names. out is set only when the result is Read.
FileRead ReadSmallFile(const QString &path, qint64 limit, QByteArray &out);

enum class LinkWrite
{
    Replace, // a symbolic link at the path is replaced by the file, never written through
    Follow,  // the file a link names is replaced (a link the user made on purpose stays)
};

// Replaces path with content: written aside in the same folder, every write and the flush to
// the disk checked, then renamed over the old file. On any failure (a full disk, a refused
// folder, an existing file that is not writable or not a regular file) the old file stays as it
// was and the result is false. A new file's mode follows the umask; a replaced one keeps its
// mode. Asides a killed writer left (over a minute old) are removed.
bool ReplaceFile(const QString &path, const QByteArray &content, LinkWrite links);

// Removes the asides of path (path + "." + six letters or digits) that a writer killed in the
// middle of ReplaceFile left behind: those over a minute old.
void RemoveStaleAsides(const QString &path);
