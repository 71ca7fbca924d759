#pragma once
// Filling a folder with a disc's tracks and its table of contents, for a
// later "cdrdao write". The folder changes only once everything is ready:
// the tracks and the table are first put beside their final names, and
// only when all of them are there do they take those names, the table
// last. A failure on the way (a full disk, say) leaves whatever the folder
// held before as it was.

#include "tools/problem.h"

#include <QString>
#include <string>
#include <vector>

// Moves the finished tracks `trackNames` (bare names) out of `fromFolder`
// into `folder` (created if need be) and writes `tocName` there naming them.
Problem FillDiscFolder(const QString& folder, const QString& tocName, const std::vector<std::string>& trackNames,
                       const QString& fromFolder);
