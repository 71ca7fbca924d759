#include "production/trackscript.h"

#include <algorithm>

namespace {

qint64 Plus(qint64 a, qint64 b) { return std::min(kMeasureLimit, a + b); }
qint64 Times(qint64 a, qint64 b) {
    return b > 0 && a > kMeasureLimit / b ? kMeasureLimit : std::min(kMeasureLimit, a * b);
}

}  // namespace

void WalkTrack(const PlannedTrack& track, const std::function<void(const TrackPiece&)>& visit) {
    for (int pass = 0; pass < std::max(1, track.passes); ++pass) {
        for (size_t j = 0; j < track.members.size(); ++j) {
            const saya& entry = track.members[j];
            for (int r = 0; r < PlayCount(entry); ++r) {
                visit({TrackPiece::Kind::Recording, j, 0});
                if (PauseSeconds(entry) > 0) visit({TrackPiece::Kind::Silence, j, PauseSeconds(entry)});
            }
        }
    }
}

qint64 MeasureTrack(const PlannedTrack& track, const PieceWeights& weights) {
    qint64 pass = 0;
    for (size_t j = 0; j < track.members.size(); ++j) {
        const saya& entry = track.members[j];
        const qint64 block = Plus(weights.recording(j), Times(weights.silenceSecond, PauseSeconds(entry)));
        pass = Plus(pass, Times(block, PlayCount(entry)));
    }
    return Times(pass, std::max(1, track.passes));
}
