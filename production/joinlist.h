#pragma once
// joinwav's list file for one track: every piece the track plays, in
// order, one per line (a WAV to join, or "--length-pause=K" for silence K
// times as long as the WAV before it), and the length the joined track
// must have. Written once every recording of the track is decoded, since
// the length depends on theirs.

#include "production/trackscript.h"
#include "production/wavfile.h"
#include "tools/problem.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct JoinInput {
    QByteArray file;  // the path as joinwav gets it
    WavInfo info;
};

struct JoinInputs {
    std::vector<JoinInput> members;  // one per track member
    JoinInput silence;               // the one-second silence recording
    JoinInput basmala;               // used only with the basmala on
    std::vector<JoinInput> translations;  // one per track member with a translation chosen, else none
};

// What the join must make: this many frames at the CD rate, give or take
// one frame per input joinwav converts (and a pause as long as it with it).
struct JoinExpectation {
    qint64 frames = 0;
    qint64 tolerance = 0;
};

// A track is joined from at most this many pieces (a long group played
// often), and must fit a WAV file.
inline constexpr qint64 kMaxJoinPieces = 1000000;

// Writes the track's list into `listPath` and says what the join must make.
// Refuses a track of too many pieces or too long for a WAV file before
// writing anything.
Problem WriteJoinList(const PlannedTrack& track, const PlayOptions& play, const JoinInputs& inputs,
                      const QString& listPath, JoinExpectation* expected);
