#include "production/trackrecipe.h"

#include "production/totaltime.h"
#include "library/locations.h"
#include "library/mp3decoder.h"
#include "library/packentry.h"
#include "library/quran.h"
#include "production/jobfiles.h"
#include "production/toolchecks.h"
#include "production/trackpreparer.h"
#include "production/translation.h"
#include "production/wavfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSilence = QStringLiteral("silence");
const QString kBasmala = QStringLiteral("basmala");
// The steps of the shared recordings name which one they make.
constexpr int kSilencePart = 0, kBasmalaPart = 1;

QString Key(const saya& entry) { return QString::fromStdString(entry.Key()); }

Step ToolStep(const QStringList& command, const QString& output, std::function<Problem()> judge,
              Step::Describe failure) {
    Step step;
    step.command = command;
    step.output = output;
    step.judge = std::move(judge);
    step.failure = std::move(failure);
    return step;
}

// A report that names what failed in front: "002.255: <sentence>", the
// sentence holding the reason as %1.
Step::Describe Naming(const QString& what, const QString& sentence = QStringLiteral("%1")) {
    return [what, sentence](const QString& why) { return Problem(sentence.arg(why)).About(what).Text(); };
}

QString ToolName(const QStringList& command) { return QFileInfo(command.value(0)).fileName(); }

// Takes the recording `entry` out of its pack and decodes it into the WAV
// of `recording`; the MP3 itself is never written.
Problem ExtractDecoded(Quran& quran, Mp3Decoder& decoder, const std::string& entry, const QString& recording) {
    std::vector<char> mp3;
    if (const Problem problem = ReadPackEntry(quran, entry, &mp3)) return problem;
    return decoder.DecodeToWav(mp3, JobFiles::Decoded(recording))
        .About(QCoreApplication::translate("TrackRecipe", "decoding failed"));
}

}  // namespace

void SharedRecordings::Failed(const Step& step, const QString& why) {
    (step.part == kBasmalaPart ? basmalaProblem : silenceProblem) = why;
}

TrackRecipe::TrackRecipe(Quran& quran, const TrackOptions& options, const std::vector<PlannedTrack>& plan)
    : quran(quran),
      options(options),
      plan(plan),
      translation(options.play.Translates() ? Translation::Open(options.play.translation) : nullptr),
      decoder(std::make_unique<Mp3Decoder>()) {}

TrackRecipe::~TrackRecipe() = default;

QString TrackRecipe::Title(const PlannedTrack& track) {
    return track.wavName.empty() ? Key(track.members.front()) : QString::fromStdString(track.Title());
}

std::vector<Step> TrackRecipe::SharedSteps(SharedRecordings&) const {
    std::vector<Step> steps = DecodeSteps(quran, "silence.mp3", kSilence, kSilencePart, false, {});
    if (!NeedsBasmala()) return steps;
    // The basmala is aya 1 of sura 1, under a name of its own: the list may
    // hold that aya as well.
    for (Step& step :
         DecodeSteps(quran, kBasmalaKey + ".mp3", kBasmala, kBasmalaPart, options.play.Stretches(), {}))
        steps.push_back(std::move(step));
    return steps;
}

bool TrackRecipe::NeedsBasmala() const {
    if (!options.play.basmala) return false;
    for (const PlannedTrack& track : plan)
        for (const saya& member : track.members)
            if (OpensWithBasmala(member)) return true;
    return false;
}

// Decoding the entry of those packs into NAME.wav in-process, and
// stretching it into NAME.speed.wav when the job plays at another speed.
std::vector<Step> TrackRecipe::DecodeSteps(Quran& packs, const std::string& entry, const QString& name, int part,
                                           bool stretch, const Step::Describe& failure) const {
    const QString wav = JobFiles::Decoded(name);
    Step decode;
    decode.part = part;
    decode.failure = failure;
    decode.local = [this, &packs, entry, name] { return ExtractDecoded(packs, *decoder, entry, name); };
    if (!stretch) return {decode};
    const QString stretched = JobFiles::Stretched(name);
    const int percent = options.play.speedPercent;
    const QStringList command{Locations::HelperProgram("joinwav"), "--speed", QString::number(percent / 100.0, 'f', 2),
                              wav, stretched};
    const Step::Describe speedFailure = [failure](const QString& why) {
        const QString report = tr("changing the speed failed: %1").arg(why);
        return failure ? failure(report) : report;
    };
    Step stretchStep = ToolStep(
        command, stretched, [command, stretched, wav, percent] {
            return ToolChecks::Stretched(ToolName(command), stretched, wav, percent);
        },
        speedFailure);
    stretchStep.part = part;
    return {decode, stretchStep};
}

// A track whose pauses or basmala need a shared recording fails when that
// recording could not be made.
std::vector<Step> TrackRecipe::SharedRecordingChecks(const PlannedTrack& track, const QString& title,
                                                     const SharedRecordings& shared) const {
    std::vector<Step> checks;
    // `sentence` holds the recording's problem as %1.
    const auto check = [&](const QString& sentence, const QString* problem) {
        Step step;
        step.needsWholeWork = true;
        step.failure = Naming(title, sentence);
        step.local = [problem] { return Problem(*problem); };
        checks.push_back(step);
    };
    const auto none = [](size_t) { return qint64(0); };
    if (MeasureTrack(track, options.play, {none, 1, none, 0, none}) > 0)
        check(tr("the pause needs the silence recording, which could not be made: %1"), &shared.silenceProblem);
    if (MeasureTrack(track, options.play, {none, 0, none, 1, none}) > 0)
        check(tr("the basmala needs its recording, which could not be made: %1"), &shared.basmalaProblem);
    return checks;
}

JoinInputs TrackRecipe::InputsOf(const PlannedTrack& track) const {
    const bool stretched = options.play.Stretches();
    const auto input = [](const QString& path) { return JoinInput{QFile::encodeName(path), ReadWavInfo(path)}; };
    JoinInputs inputs;
    for (const saya& member : track.members) inputs.members.push_back(input(JobFiles::Played(Key(member), stretched)));
    inputs.silence = input(JobFiles::Decoded(kSilence));
    if (options.play.basmala) inputs.basmala = input(JobFiles::Played(kBasmala, stretched));
    if (translation)
        for (const saya& member : track.members)
            inputs.translations.push_back(input(JobFiles::Played(JobFiles::Translated(Key(member)), stretched)));
    return inputs;
}

std::vector<Step> TrackRecipe::JoinSteps(TrackWork& work, const QString& title) const {
    // The inputs go into a list file: a long group names more of them than
    // a command line holds. It is written once every recording is decoded.
    const PlannedTrack& track = *work.track;
    const QString list = JobFiles::JoinList(track.wavName), output = JobFiles::TrackPath(track.wavName);
    Step write;
    write.needsWholeWork = true;
    write.failure = Naming(title);
    write.local = [this, &work, list] {
        return WriteJoinList(*work.track, options.play, InputsOf(*work.track), list, &work.expected);
    };
    const QStringList command{Locations::HelperProgram("joinwav"), "@" + list, output};
    Step join = ToolStep(command, output, [&work, command, output] {
        return ToolChecks::Joined(ToolName(command), output, work.expected);
    }, Naming(title, tr("joining failed: %1")));
    join.needsWholeWork = true;
    return {write, join};
}

Problem TrackRecipe::FinishTrack(TrackWork& work) const {
    const QString wavPath = JobFiles::TrackPath(work.track->wavName);
    const WavInfo info = ReadWavInfo(wavPath);
    work.seconds = info.Seconds();
    if (options.mp3) return {};
    if (!info.IsCdAudio()) return Problem(tr("the track is not CD audio (44.1 kHz, 16-bit, stereo)"));
    QString why;
    if (info.Seconds() < TrackPreparer::kMinimumCdTrackSeconds &&
        !PadWavWithSilence(wavPath, TrackPreparer::kMinimumCdTrackSeconds, &why))
        return Problem(tr("cannot pad the track to the CD's minimum length: %1").arg(why));
    return {};
}

Step TrackRecipe::EncodeStep(TrackWork& work) const {
    // The MP3 is made in the working folder; it goes into the user's folder
    // once it is whole, plays as long as it should and every track before
    // it is concluded.
    const PlannedTrack& track = *work.track;
    const int count = int(plan.size());
    work.fileName = SetFileName(track, work.position, count, options.set.numbered);
    work.encoded = JobFiles::File(work.fileName);
    work.target = options.mp3Dir + QDir::separator() + work.fileName;
    const QStringList tags =
        TagArguments(track, work.position, count, options.set, quran.Reciter(track.members.front().sura));
    const QString encoded = work.encoded;
    Step encode = ToolStep(QStringList{"lame", "--silent", "-b" + QString::number(options.bitrate)} + tags +
                               QStringList{JobFiles::TrackPath(track.wavName), encoded},
                           encoded, [encoded] { return ToolChecks::Encoded("lame", encoded); },
                           Naming(work.fileName, tr("encoding failed: %1")));
    encode.needsWholeWork = true;
    encode.log = track.group > 0 ? tr("Encoding MP3 Group: %1 ...").arg(QString::number(track.group))
                                 : tr("Encoding MP3: %1.mp3 ...").arg(Key(track.members.front()));
    return encode;
}

void TrackRecipe::Fill(TrackWork& work, const PlannedTrack& track, int position, const SharedRecordings& shared) const {
    work.track = &track;
    work.position = position;
    std::vector<Step>& steps = work.steps;
    // The whole track is made by one join of every piece it plays, so that
    // no intermediate file as large as the track is written and read again.
    for (size_t j = 0; j < track.members.size(); ++j) {
        const saya& entry = track.members[j];
        const QString key = Key(entry);
        std::vector<Step> recording =
            DecodeSteps(quran, entry.Key() + ".mp3", key, int(j), options.play.Stretches(), Naming(key));
        recording.front().log = tr("Creating track: %1 ...").arg(key);
        // A malformed key names no file.
        const std::string badKey = EntryProblem(entry);
        if (!badKey.empty())
            recording.front().local = [badKey] { return Problem(badKey); };
        else if (translation)
            for (Step& step : DecodeSteps(*translation, entry.Key() + ".mp3", JobFiles::Translated(key),
                                          int(track.members.size() + j), options.play.Stretches(),
                                          Naming(tr("%1 (translation %2)").arg(key, options.play.translation))))
                recording.push_back(std::move(step));
        for (Step& step : recording) steps.push_back(std::move(step));
    }
    const QString title = Title(track);
    for (Step& step : SharedRecordingChecks(track, title, shared)) steps.push_back(std::move(step));
    for (Step& step : JoinSteps(work, title)) steps.push_back(std::move(step));
    Step finish;
    finish.needsWholeWork = true;
    finish.failure = Naming(title);
    finish.local = [this, &work] { return FinishTrack(work); };
    steps.push_back(finish);
    if (options.mp3) steps.push_back(EncodeStep(work));
}
