#include "production/trackscript.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

qint64 Times(qint64 a, qint64 b) {
    return b > 0 && a > kMeasureLimit / b ? kMeasureLimit : std::min(kMeasureLimit, a * b);
}

// How many members each stage plays: all of them once, or 1, 2, ... n.
std::vector<size_t> Stages(const PlannedTrack& track) {
    std::vector<size_t> stages;
    if (track.group > 0 && track.buildUp)
        for (size_t k = 1; k <= track.members.size(); ++k) stages.push_back(k);
    else
        stages.push_back(track.members.size());
    return stages;
}

int GroupPause(const PlannedTrack& track) { return track.group > 0 ? std::max(0, track.groupPause) : 0; }

}  // namespace

bool PlayOptions::SpeedAllowed(double speed) {
    const double percent = speed * 100;
    // A typed decimal is never exact in binary: 1.15 * 100 is 114.99999999999999.
    const double steps = std::round(percent / kSpeedStepPercent);
    return std::abs(percent - steps * kSpeedStepPercent) < 1e-6 && percent > kMinSpeedPercent - 1e-6 &&
           percent < kMaxSpeedPercent + 1e-6;
}

int PlayOptions::NearestAllowedSpeedPercent(double speed) {
    if (!std::isfinite(speed)) return 100;
    const double percent = std::clamp(speed * 100, double(kMinSpeedPercent), double(kMaxSpeedPercent));
    // Just below half a step from rounding up still counts as half a step:
    // 0.575 times 100 is 57.49999999999999 in binary.
    return int(std::floor(percent / kSpeedStepPercent + 0.5 + 1e-9)) * kSpeedStepPercent;
}

bool OpensWithBasmala(const saya& entry) { return entry.aya == "001" && entry.sura != "001" && entry.sura != "009"; }

void WalkTrack(const PlannedTrack& track, const PlayOptions& options,
               const std::function<void(const TrackPiece&)>& visit) {
    std::vector<bool> heard(track.members.size(), false);
    for (const size_t stage : Stages(track)) {
        for (int pass = 0; pass < std::max(1, track.passes); ++pass) {
            for (size_t j = 0; j < stage; ++j) {
                const saya& entry = track.members[j];
                const int pause = PauseSeconds(entry);
                if (options.basmala && !heard[j] && OpensWithBasmala(entry)) {
                    visit({TrackPiece::Kind::Basmala, j, 0, 0});
                    if (pause > 0) visit({TrackPiece::Kind::Silence, j, pause, 0});
                }
                heard[j] = true;
                for (int r = 0; r < PlayCount(entry); ++r) {
                    visit({TrackPiece::Kind::Recording, j, 0, 0});
                    if (entry.lengthPauseQuarters > 0)
                        visit({TrackPiece::Kind::LengthPause, j, 0, entry.lengthPauseQuarters});
                    if (pause > 0) visit({TrackPiece::Kind::Silence, j, pause, 0});
                }
                if (options.Translates()) {
                    visit({TrackPiece::Kind::Translation, j, 0, 0});
                    if (pause > 0) visit({TrackPiece::Kind::Silence, j, pause, 0});
                }
            }
            if (GroupPause(track) > 0) visit({TrackPiece::Kind::Silence, stage - 1, GroupPause(track), 0});
        }
    }
}

qint64 MeasureTrack(const PlannedTrack& track, const PlayOptions& options, const PieceWeights& weights) {
    // Each stage plays a prefix of the members, so the sums of the blocks of
    // the first k members serve every stage.
    std::vector<qint64> prefix{0};
    qint64 basmala = 0;
    for (size_t j = 0; j < track.members.size(); ++j) {
        const saya& entry = track.members[j];
        const qint64 silence = Times(weights.silenceSecond, PauseSeconds(entry));
        qint64 play = MeasurePlus(weights.recording(j), silence);
        if (entry.lengthPauseQuarters > 0) play = MeasurePlus(play, weights.lengthPause(j));
        qint64 block = Times(play, PlayCount(entry));
        if (options.Translates()) block = MeasurePlus(block, MeasurePlus(weights.translation(j), silence));
        prefix.push_back(MeasurePlus(prefix.back(), block));
        if (options.basmala && OpensWithBasmala(entry))
            basmala = MeasurePlus(basmala, MeasurePlus(weights.basmala, silence));
    }
    const qint64 groupPause = Times(weights.silenceSecond, GroupPause(track));
    qint64 total = basmala;
    for (const size_t stage : Stages(track))
        total = MeasurePlus(total, Times(MeasurePlus(prefix[stage], groupPause), std::max(1, track.passes)));
    return total;
}
