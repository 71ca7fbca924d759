#pragma once
// The playing time of the audio CD a burn list makes, counted as the tracks
// will be written and as cdrdao counts them, and whether it fits a disc.
// Each recording is measured once per run through a length source and
// remembered, so recomputing the total after every change only adds up
// cached values.

#include "burnlist/saya.h"
#include "library/mp3probe.h"
#include "production/cdaudio.h"
#include "production/trackscript.h"

#include <QtGlobal>
#include <functional>
#include <map>
#include <string>
#include <vector>

class Quran;
struct PlannedTrack;

// Burn key (002.255), kSilenceKey for the recording one pause second is
// made of, or the key of an aya's translation (Translation::LengthKey) to
// the length of the recording as lame decodes it; no frames
// when there is no such recording.
using LengthSource = std::function<SampleLength(const std::string& key)>;
inline const std::string kSilenceKey = "silence";
// The basmala is played from aya 1 of sura 1.
inline const std::string kBasmalaKey = "001.001";

// Measures recordings in the installed sura packs (the entry
// "002.255.mp3" of the pack that holds sura 2; silence.mp3 of the pack of
// the first installed sura, where track preparation takes it) without
// changing which pack is active; a translation's recordings in the packs
// of that recitation. Both objects must outlive the source.
LengthSource PackLengthSource(const Quran& quran, Mp3Probe& audio);

// An audio CD as cdrdao fills it: blocks of 1/75 s (see cdaudio.h), each
// track rounded up to whole blocks, the 2-second pause before track 1 not
// part of the tracks.
namespace AudioCd {
constexpr qint64 kPauseBlocks = 2 * kBlocksPerSecond;
// An 80-minute CD-R after that pause; with it the disc plays 79:59.74.
constexpr qint64 kCapacityBlocks = 359849;

// The frames joinwav makes of a recording when it converts it to 44.1 kHz.
inline qint64 CdFrames(const SampleLength& length) { return CdFrames(length.frames, length.rate); }
}  // namespace AudioCd

// The disc a burn list makes.
struct DiscTime {
    // One entry per track in disc order (PlanTracks): its blocks as
    // written, padded to the CD's minimum track length.
    std::vector<qint64> trackBlocks;
    qint64 trackTotal = 0;  // their sum, which cdrdao holds against the disc

    // The disc's playing time in blocks: the pause before track 1 and the
    // tracks. No tracks make no disc: 0.
    qint64 Blocks() const { return trackBlocks.empty() ? 0 : AudioCd::kPauseBlocks + trackTotal; }
    // Whether the tracks fit an 80-minute CD-R. The window's figure, the
    // burn's check and norvane-make all decide by this.
    bool Fits() const { return trackTotal <= AudioCd::kCapacityBlocks; }
};

class TotalTime {
public:
    explicit TotalTime(LengthSource source = {});

    void SetSource(LengthSource source) { measure = std::move(source); }
    bool HasSource() const { return bool(measure); }

    // The length of one recording, measured on first request only. A
    // recording not found is remembered like any other.
    SampleLength Length(const std::string& key);

    // The disc, measuring the recordings not measured before. Built from
    // the tracks as track preparation makes them: each aya's repetitions
    // followed by its pause seconds of the silence recording, a group's
    // passes, the padding of short tracks, and the ways of playing that
    // the options add (see trackscript.h).
    DiscTime Disc(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                  const PlayOptions& options = {});

private:
    qint64 RecordingFrames(const std::string& key, const PlayOptions& options);
    qint64 TrackFrames(const PlannedTrack& track, const PlayOptions& options);

    LengthSource measure;
    std::map<std::string, SampleLength> lengths;
};
