#pragma once
// Writing a file as a whole or not at all.

#include <QByteArray>
#include <QString>

// Writes `bytes` into a temporary file beside `path` and renames it over
// `path` once everything is on disk: a full disk, a failed write or a crash
// leaves an earlier file as it was and no cut one. `text` writes the
// platform's line ends. Empty when done, else why not.
QString SaveWholeFile(const QString& path, const QByteArray& bytes, bool text = false);
