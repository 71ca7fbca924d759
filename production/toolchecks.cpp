#include "production/toolchecks.h"

#include "production/totaltime.h"
#include "library/mp3probe.h"
#include "production/trackscript.h"
#include "production/wavfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>

namespace ToolChecks {

namespace {

Problem NoAudio(const QString& tool, const QString& wav) {
    return Problem(QCoreApplication::translate("ToolChecks", "%1 left no audio in %2").arg(tool, wav));
}

Problem CutShort(const QString& tool, const QString& wav) {
    return Problem(QCoreApplication::translate("ToolChecks", "%1 left a cut %2").arg(tool, wav));
}

}  // namespace

Problem Joined(const QString& tool, const QString& wav, const JoinExpectation& expected) {
    const WavInfo info = ReadWavInfo(wav);
    if (!info.HoldsAudio()) return NoAudio(tool, wav);
    // Every piece, each converted to 44.1 kHz (a frame more or less for each).
    if (info.rate != AudioCd::kRate || std::abs(info.Frames() - expected.frames) > expected.tolerance)
        return CutShort(tool, wav);
    return {};
}

Problem Stretched(const QString& tool, const QString& wav, const QString& source, int speedPercent) {
    const WavInfo info = ReadWavInfo(wav), in = ReadWavInfo(source);
    if (!info.HoldsAudio()) return NoAudio(tool, wav);
    if (info.rate != AudioCd::kRate ||
        info.Frames() != StretchedFrames(AudioCd::CdFrames({in.Frames(), in.rate}), speedPercent))
        return CutShort(tool, wav);
    return {};
}

Problem Encoded(const QString& tool, const QString& mp3) {
    if (QFileInfo(mp3).size() <= 0)
        return Problem(QCoreApplication::translate("ToolChecks", "%1 left no MP3 file at %2").arg(tool, mp3));
    return {};
}

Problem Mp3PlaysAsPlanned(Mp3Probe& probe, const QString& mp3, double plannedSeconds, const QString& shownName) {
    const double plays = probe.GetLen(mp3) / 1000.0;
    if (std::abs(plays - plannedSeconds) <= kMp3LengthTolerance) return {};
    return Problem(QCoreApplication::translate("ToolChecks", "%1 is damaged: it plays %2 s, not %3 s")
                       .arg(shownName, QString::number(plays, 'f', 2), QString::number(plannedSeconds, 'f', 2)));
}

}  // namespace ToolChecks
