#pragma once
// Putting a finished file where the user sees it.

#include <QString>

// Moves `source` to `target` as a whole: renamed over it where both lie on
// one file system, else copied into a temporary file beside the target and
// renamed over it once complete. An earlier file at `target` stays until
// its replacement is whole, and a full disk leaves no cut file behind.
// Empty when done (the source is then gone), else why not.
QString PublishFile(const QString& source, const QString& target);
