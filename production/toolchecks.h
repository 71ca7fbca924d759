#pragma once
// Judging what a tool left. lame reports success even for input it could
// not read, so only the file it leaves tells whether it worked; joinwav's
// and a stretch's output must also have the length planned for them.

#include "production/joinlist.h"
#include "tools/problem.h"

#include <QString>

class Mp3Probe;

namespace ToolChecks {

// A joined track holds the frames planned for it at the CD rate.
Problem Joined(const QString& tool, const QString& wav, const JoinExpectation& expected);
// A stretched recording plays exactly as long as the speed makes `source`.
Problem Stretched(const QString& tool, const QString& wav, const QString& source, int speedPercent);
// An encoded MP3 is there and not empty.
Problem Encoded(const QString& tool, const QString& mp3);

// How far a made MP3 may play from the track it was made of.
inline constexpr double kMp3LengthTolerance = 0.2;
// A made MP3 plays as long as its track (`shownName` names it in the reason).
Problem Mp3PlaysAsPlanned(Mp3Probe& probe, const QString& mp3, double plannedSeconds, const QString& shownName);

}  // namespace ToolChecks
