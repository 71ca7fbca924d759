#include "production/trackaudio.h"

#include "joinwav/join.h"
#include "library/mp3decoder.h"
#include "library/packentry.h"
#include "library/quran.h"
#include "production/joinlist.h"
#include "production/totaltime.h"
#include "production/translation.h"

namespace {

// A group of long ayas played in build-up stages comes back to each aya
// many times; up to this much of their audio is kept rather than made again.
constexpr size_t kKeepLimitBytes = size_t(64) << 20;

}  // namespace

TrackAudio::TrackAudio(const QString& recitation, PlannedTrack track, PlayOptions play)
    : quran(Translation::Open(recitation)),
      track(std::move(track)),
      play(std::move(play)),
      translation(this->play.Translates() ? Translation::Open(this->play.translation) : nullptr),
      decoder(std::make_unique<Mp3Decoder>()) {
    // The same bound as a join: a track too long to make is not played either.
    const auto one = [](size_t) { return qint64(1); };
    if (MeasureTrack(this->track, this->play, {one, 1, one, 1, one}) > kMaxJoinPieces) {
        refusal = Problem(tr("the track is made of more than %1 pieces, too many to play")
                              .arg(QString::number(kMaxJoinPieces)));
        return;
    }
    WalkTrack(this->track, this->play, [this](const TrackPiece& piece) { pieces.push_back(piece); });
}

TrackAudio::~TrackAudio() = default;

PlannedTrack TrackAudio::SingleAya(const saya& aya) {
    PlannedTrack single;
    saya once = aya;
    once.reps = 1;
    once.pause = 0;
    once.lengthPauseQuarters = 0;
    once.group = 0;
    single.members = {once};
    return single;
}

Problem TrackAudio::Recording(Quran& packs, const std::string& entry, int speedPercent, const CdPcm** pcm) {
    const std::string key = (&packs == quran.get() ? "" : "translation/") + entry + "@" + std::to_string(speedPercent);
    const auto found = kept.find(key);
    if (found != kept.end()) {
        *pcm = &found->second;
        return {};
    }
    std::vector<char> mp3;
    if (const Problem problem = ReadPackEntry(packs, entry, &mp3)) return problem;
    QByteArray wav;
    if (const Problem problem = decoder->Decode(mp3, &wav))
        return problem.About(tr("%1: decoding failed").arg(QString::fromStdString(entry)));
    CdPcm audio;
    const std::string why = CdAudioOf(entry, wav.constData(), size_t(wav.size()), speedPercent, &audio);
    if (!why.empty()) return Problem(QString::fromStdString(why));
    const size_t bytes = audio.size() * sizeof(short);
    // Beyond the bound the newest is kept alone: it is the one asked for again next.
    if (keptBytes + bytes > kKeepLimitBytes) {
        kept.clear();
        keptBytes = 0;
    }
    keptBytes += bytes;
    *pcm = &(kept[key] = std::move(audio));
    return {};
}

Problem TrackAudio::Render(size_t index, CdPcm* pcm) {
    pcm->clear();
    const TrackPiece& piece = pieces.at(index);
    const saya& member = track.members[piece.member];
    const std::string badKey = EntryProblem(member);
    const CdPcm* source = nullptr;
    Problem problem;
    switch (piece.kind) {
        case TrackPiece::Kind::Recording:
        case TrackPiece::Kind::LengthPause:
            problem = badKey.empty() ? Recording(*quran, member.Key() + ".mp3", play.speedPercent, &source)
                                     : Problem(badKey);
            break;
        case TrackPiece::Kind::Silence: problem = Recording(*quran, "silence.mp3", 100, &source); break;
        case TrackPiece::Kind::Basmala:
            problem = Recording(*quran, kBasmalaKey + ".mp3", play.speedPercent, &source);
            break;
        case TrackPiece::Kind::Translation:
            problem = badKey.empty() && translation
                          ? Recording(*translation, member.Key() + ".mp3", play.speedPercent, &source)
                          : badKey.empty() ? Problem(tr("no translation is chosen")) : Problem(badKey);
            break;
    }
    if (problem) return problem;
    if (piece.kind == TrackPiece::Kind::LengthPause) {
        const qint64 frames = LengthPauseFrames(qint64(source->size() / AudioCd::kChannels), piece.quarters);
        pcm->assign(size_t(frames) * AudioCd::kChannels, 0);
    } else if (piece.kind == TrackPiece::Kind::Silence) {
        pcm->reserve(source->size() * size_t(piece.seconds));
        for (int second = 0; second < piece.seconds; ++second) pcm->insert(pcm->end(), source->begin(), source->end());
    } else {
        *pcm = *source;
    }
    return {};
}
