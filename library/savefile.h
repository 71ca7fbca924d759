#pragma once
// Writing a file as a whole or not at all.

#include "tools/problem.h"

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes `bytes` into a temporary file beside `path` and renames it over
// `path` once everything is on disk: a full disk, a failed write or a crash
// leaves an earlier file as it was and no cut one. `text` writes the
// platform's line ends. Empty when done, else why not.
QString SaveWholeFile(const QString& path, const QByteArray& bytes, bool text = false);

// Writes all `size` bytes to an open, unbuffered file. On a full disk the
// write comes back short and the file itself often holds no error ("Unknown
// error"); the reason is then the system's (errno: "No space left on
// device", "File too large") or, with none, that the disk is full. The
// reason alone: the caller names the file. Read it before cancelling a
// QSaveFile, which puts "Writing canceled by application" in its place.
Problem WriteAll(QFileDevice& file, const char* data, qint64 size);
inline Problem WriteAll(QFileDevice& file, const QByteArray& bytes) {
    return WriteAll(file, bytes.constData(), bytes.size());
}
