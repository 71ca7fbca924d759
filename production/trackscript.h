#pragma once
// What a track plays, piece by piece: each aya's repetitions, each followed
// by its pause, and a group's passes. Production joins the pieces in this
// order; the disc's length and the job's checks add them up without
// spelling them out, which matters for a long group played many times.

#include "production/trackplan.h"

#include <QtGlobal>
#include <cstddef>
#include <functional>

struct TrackPiece {
    enum class Kind {
        Recording,  // the recording of track.members[member]
        Silence,    // `seconds` times the one-second silence recording
    };
    Kind kind = Kind::Recording;
    size_t member = 0;
    int seconds = 0;
};

// Calls `visit` for every piece of the track in playing order.
void WalkTrack(const PlannedTrack& track, const std::function<void(const TrackPiece&)>& visit);

// What a piece weighs: its frames, say, or 1 to count pieces.
struct PieceWeights {
    std::function<qint64(size_t member)> recording;
    qint64 silenceSecond = 0;  // one second of the silence recording
};

// The sum of the weights of every piece WalkTrack would visit, counted in
// time proportional to the track's members, saturating far beyond any
// real track (2^50) instead of overflowing.
qint64 MeasureTrack(const PlannedTrack& track, const PieceWeights& weights);
inline constexpr qint64 kMeasureLimit = qint64(1) << 50;
