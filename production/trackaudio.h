#pragma once
// A track's audio in memory, piece by piece, for listening before anything
// is made. The pieces are WalkTrack's, and each is made by the very code
// joinwav joins with (the recording decoded in-process, converted to
// 44.1 kHz, stretched to the speed), so what is heard is what the CD track
// or the MP3 holds, sample for sample. Nothing is written to disk.

#include "production/trackplan.h"
#include "production/trackscript.h"
#include "tools/problem.h"

#include <QCoreApplication>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Mp3Decoder;
class Quran;

// 44.1 kHz, 16-bit, stereo samples, interleaved.
using CdPcm = std::vector<short>;

class TrackAudio {
    Q_DECLARE_TR_FUNCTIONS(TrackAudio)

public:
    // Reads the recordings of the recitation of that name (see
    // Quran::UseRecitation) and of the translation through packs of its
    // own, so that it may render on a thread of its own.
    TrackAudio(const QString& recitation, PlannedTrack track, PlayOptions play);
    ~TrackAudio();
    TrackAudio(const TrackAudio&) = delete;
    TrackAudio& operator=(const TrackAudio&) = delete;

    // A single aya as recorded, once, at the speed of `play`.
    static PlannedTrack SingleAya(const saya& aya);

    // Why the track cannot be played at all (too many pieces); then it has none.
    const Problem& Refusal() const { return refusal; }
    const PlannedTrack& Track() const { return track; }
    size_t PieceCount() const { return pieces.size(); }
    const TrackPiece& Piece(size_t index) const { return pieces[index]; }

    // The audio of piece `index`. Everything else may be asked from
    // another thread meanwhile.
    Problem Render(size_t index, CdPcm* pcm);

private:
    // The audio of a recording out of `packs`, made once and kept while
    // the kept ones stay under a bound.
    Problem Recording(Quran& packs, const std::string& entry, int speedPercent, const CdPcm** pcm);

    std::unique_ptr<Quran> quran;
    PlannedTrack track;
    PlayOptions play;
    Problem refusal;
    std::vector<TrackPiece> pieces;
    std::unique_ptr<Quran> translation;
    std::unique_ptr<Mp3Decoder> decoder;
    std::map<std::string, CdPcm> kept;  // by pack entry and speed
    size_t keptBytes = 0;
};
