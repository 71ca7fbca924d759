#include "production/totaltime.h"

#include "library/ayakey.h"
#include "library/packarchive.h"
#include "library/quran.h"
#include "production/trackplan.h"
#include "production/trackscript.h"
#include "production/trackpreparer.h"
#include "production/translation.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Track preparation pads shorter tracks to this many frames.
const qint64 kMinimumTrackFrames = qint64(std::ceil(TrackPreparer::kMinimumCdTrackSeconds * AudioCd::kRate));

}  // namespace

LengthSource PackLengthSource(const Quran& quran, Mp3Probe& audio) {
    // Copying a pack out of Quran copies its whole index; ayas are measured
    // sura by sura, so keeping the last sura's pack saves nearly every copy.
    struct LastPack {
        int sura = -1;
        PackArchive pack;
        const PackArchive& Of(const Quran& packs, int suraNumber) {
            if (suraNumber != sura) pack = packs.PackForSura(suraNumber), sura = suraNumber;
            return pack;
        }
    };
    // A translation's packs are opened on its first key and kept while keys
    // of the same translation follow.
    struct Packs {
        LastPack recitation, translated;
        QString translation;
        std::unique_ptr<Quran> translationQuran;
    };
    auto packs = std::make_shared<Packs>();
    return [&quran, &audio, packs](const std::string& key) {
        QString translation;
        std::string ayaKey;
        if (Translation::SplitLengthKey(key, &translation, &ayaKey)) {
            if (!packs->translationQuran || packs->translation != translation) {
                packs->translationQuran = Translation::Open(translation);
                packs->translation = translation;
                packs->translated = LastPack();
            }
            const int sura = AyaKey::Parse(ayaKey).value_or(AyaKey()).SuraNumber();
            return audio.DecodedLength(packs->translated.Of(*packs->translationQuran, sura).Extract(ayaKey + ".mp3"));
        }
        const bool silence = key == kSilenceKey;
        if (silence && quran.AvailableSuras().empty()) return SampleLength{};
        const int sura =
            silence ? quran.AvailableSuras().front() : AyaKey::Parse(key).value_or(AyaKey()).SuraNumber();
        return audio.DecodedLength(packs->recitation.Of(quran, sura).Extract(key + ".mp3"));
    };
}

TotalTime::TotalTime(LengthSource source) : measure(std::move(source)) {}

SampleLength TotalTime::Length(const std::string& key) {
    const auto known = lengths.find(key);
    if (known != lengths.end()) return known->second;
    const SampleLength length = measure ? measure(key) : SampleLength{};
    lengths[key] = length;
    return length;
}

qint64 TotalTime::RecordingFrames(const std::string& key, const PlayOptions& options) {
    const qint64 frames = AudioCd::CdFrames(Length(key));
    return options.Stretches() ? StretchedFrames(frames, options.speedPercent) : frames;
}

qint64 TotalTime::TrackFrames(const PlannedTrack& track, const PlayOptions& options) {
    PieceWeights frames;
    frames.recording = [&](size_t member) { return RecordingFrames(track.members[member].Key(), options); };
    frames.lengthPause = [&](size_t member) {
        return LengthPauseFrames(frames.recording(member), track.members[member].lengthPauseQuarters);
    };
    frames.silenceSecond = AudioCd::CdFrames(Length(kSilenceKey));
    if (options.basmala) frames.basmala = RecordingFrames(kBasmalaKey, options);
    frames.translation = [&](size_t member) {
        return RecordingFrames(Translation::LengthKey(options.translation, track.members[member].Key()), options);
    };
    return std::max(kMinimumTrackFrames, MeasureTrack(track, options, frames));
}

DiscTime TotalTime::Disc(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                         const PlayOptions& options) {
    DiscTime disc;
    for (const PlannedTrack& track : PlanTracks(burnList, groupReps)) {
        const qint64 frames = TrackFrames(track, options);
        disc.trackBlocks.push_back((frames + AudioCd::kFramesPerBlock - 1) / AudioCd::kFramesPerBlock);
        disc.trackTotal = MeasurePlus(disc.trackTotal, disc.trackBlocks.back());
    }
    return disc;
}
