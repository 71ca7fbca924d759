#include "production/joinlist.h"

#include "production/totaltime.h"
#include "production/trackpreparer.h"

#include <QCoreApplication>
#include <QFile>

namespace {

qint64 CdFramesOf(const WavInfo& info) { return AudioCd::CdFrames({info.Frames(), info.rate}); }
qint64 Converted(const WavInfo& info) { return qint64(info.rate != AudioCd::kRate); }

JoinExpectation Expect(const PlannedTrack& track, const PlayOptions& play, const JoinInputs& in) {
    const auto member = [&in](size_t j) -> const WavInfo& { return in.members[j].info; };
    const auto translation = [&in](size_t j) -> const WavInfo& { return in.translations[j].info; };
    const PieceWeights frames{[&](size_t j) { return CdFramesOf(member(j)); }, CdFramesOf(in.silence.info),
                              [&](size_t j) {
                                  return LengthPauseFrames(CdFramesOf(member(j)), track.members[j].lengthPauseQuarters);
                              },
                              CdFramesOf(in.basmala.info), [&](size_t j) { return CdFramesOf(translation(j)); }};
    // A converted input may come out a frame longer or shorter, and a pause
    // of up to three times its length with it.
    const PieceWeights slack{[&](size_t j) { return Converted(member(j)); }, Converted(in.silence.info),
                             [&](size_t j) { return 4 * Converted(member(j)); }, Converted(in.basmala.info),
                             [&](size_t j) { return Converted(translation(j)); }};
    return {MeasureTrack(track, play, frames), MeasureTrack(track, play, slack)};
}

}  // namespace

Problem WriteJoinList(const PlannedTrack& track, const PlayOptions& play, const JoinInputs& inputs,
                      const QString& listPath, JoinExpectation* expected) {
    const auto one = [](size_t) { return qint64(1); };
    if (MeasureTrack(track, play, {one, 1, one, 1, one}) > kMaxJoinPieces)
        return Problem(
            QCoreApplication::translate("JoinList", "the track is made of more than %1 pieces, too many to join")
                .arg(QString::number(kMaxJoinPieces)));
    *expected = Expect(track, play, inputs);
    if (expected->frames > TrackPreparer::kMaxWavFrames)
        return Problem(QCoreApplication::translate("JoinList", "the track would play longer than a WAV file can hold"));

    QFile list(listPath);
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Problem(QCoreApplication::translate("JoinList", "cannot write %1").arg(listPath));
    QByteArray text;
    const auto flush = [&list, &text] { return list.write(text) == text.size() ? (text.clear(), true) : false; };
    bool written = true;
    WalkTrack(track, play, [&](const TrackPiece& piece) {
        switch (piece.kind) {
            case TrackPiece::Kind::Recording: text += inputs.members[piece.member].file + '\n'; break;
            case TrackPiece::Kind::Basmala: text += inputs.basmala.file + '\n'; break;
            case TrackPiece::Kind::Translation: text += inputs.translations[piece.member].file + '\n'; break;
            case TrackPiece::Kind::LengthPause:
                text += QByteArray::fromStdString(AudioCd::LengthPauseArgument(LengthPauseHundredths(piece.quarters))) +
                        '\n';
                break;
            case TrackPiece::Kind::Silence: text += (inputs.silence.file + '\n').repeated(piece.seconds); break;
        }
        if (text.size() > (1 << 16)) written = written && flush();
    });
    if (!(written && flush() && list.flush()))
        return Problem(
            QCoreApplication::translate("JoinList", "cannot write %1: %2").arg(listPath, list.errorString()));
    return {};
}
