#pragma once
// What a track plays, piece by piece, in order. An aya block is the aya
// played its repetitions times, each followed by its pause: pause seconds
// of the silence recording and, when set, silence as long as K times the
// aya. A group pass is its members' blocks in list order, then the group's
// pause; a group plays its pass group-reps times, or in build-up stages:
// the pass of members 1..k for k = 1..n, each played group-reps times.
// With the basmala on, it plays once in a track before the first time aya 1
// of a sura other than 1 and 9 is heard, followed by that aya's pause
// seconds. With a translation chosen, each aya block ends with the aya's
// translation, played once, followed by the aya's pause seconds (no
// length pause): every time the block plays, the basmala excepted.
// Production joins the pieces in this order; the disc's length
// and the job's checks add them up without spelling them out, which
// matters for a long group played many times.

#include "production/cdaudio.h"
#include "production/trackplan.h"

#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <functional>

// Job-wide ways of playing, kept in the settings rather than the list.
struct PlayOptions {
    bool basmala = false;
    int speedPercent = 100;  // recitation speed, 50..150; recordings keep their pitch
    // The recitation of kind "translation" played after each aya block, by
    // its name; empty: none. Its recordings are read through a Quran of
    // their own (see translation.h).
    QString translation;

    // The speeds offered, wherever a speed is chosen: 0.50 to 1.50 times
    // the recorded speed in steps of 0.05.
    static constexpr int kMinSpeedPercent = AudioCd::kMinSpeedPercent, kMaxSpeedPercent = AudioCd::kMaxSpeedPercent;
    static constexpr int kSpeedStepPercent = 5;
    // Whether a speed (1 = as recorded, as the user writes it) is one of those.
    static bool SpeedAllowed(double speed);
    // The offered speed nearest to `speed`, in percent; a speed halfway
    // between two goes to the faster, one beyond the range to its end.
    static int NearestAllowedSpeedPercent(double speed);

    bool Stretches() const { return speedPercent != 100; }
    bool Translates() const { return !translation.isEmpty(); }
};

struct TrackPiece {
    enum class Kind {
        Recording,    // the recording of track.members[member]
        LengthPause,  // silence `quarters` quarters as long as the recording just before it
        Silence,      // `seconds` times the one-second silence recording
        Basmala,      // the basmala's recording
        Translation,  // the translation of track.members[member]
    };
    Kind kind = Kind::Recording;
    size_t member = 0;
    int seconds = 0;
    int quarters = 0;
};

// Whether the basmala precedes this aya when it is first heard.
bool OpensWithBasmala(const saya& entry);

// Calls `visit` for every piece of the track in playing order.
void WalkTrack(const PlannedTrack& track, const PlayOptions& options,
               const std::function<void(const TrackPiece&)>& visit);

// What a piece weighs: its frames, say, or 1 to count pieces.
struct PieceWeights {
    std::function<qint64(size_t member)> recording;
    qint64 silenceSecond = 0;  // one second of the silence recording
    // A length pause after the member's recording (only asked for members
    // whose pause grows with their length).
    std::function<qint64(size_t member)> lengthPause;
    qint64 basmala = 0;
    // The member's translation (only asked for with a translation chosen).
    std::function<qint64(size_t member)> translation;
};

// The sum of the weights of every piece WalkTrack would visit, counted in
// time proportional to the track's members, saturating far beyond any
// real track (2^50) instead of overflowing.
qint64 MeasureTrack(const PlannedTrack& track, const PlayOptions& options, const PieceWeights& weights);
inline constexpr qint64 kMeasureLimit = AudioCd::kFrameLimit;
// A sum of lengths that stops at that limit (800 years of audio), for
// sums of whole tracks too.
inline qint64 MeasurePlus(qint64 a, qint64 b) { return a + b < kMeasureLimit ? a + b : kMeasureLimit; }

// A length pause of `quarters` quarters of the recording, as joinwav takes it.
inline int LengthPauseHundredths(int quarters) { return 25 * quarters; }
// The frames of a length pause of `quarters` quarters after `frames` of
// recording, as joinwav makes it.
inline qint64 LengthPauseFrames(qint64 frames, int quarters) {
    return AudioCd::LengthPauseFrames(frames, LengthPauseHundredths(quarters));
}
// The frames a recording of `frames` plays at a speed, as joinwav makes it.
using AudioCd::StretchedFrames;
