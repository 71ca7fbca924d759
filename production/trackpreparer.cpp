#include "production/trackpreparer.h"

#include "production/totaltime.h"
#include "library/locations.h"
#include "library/packarchive.h"
#include "library/qaudio.h"
#include "library/quran.h"
#include "library/savefile.h"
#include "production/publish.h"
#include "production/trackscript.h"
#include "production/wavfile.h"
#include "tools/toolpool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <utility>

namespace {

const QString kSilence = QStringLiteral("silence");
const QString kBasmala = QStringLiteral("basmala");
// The steps of the shared recordings name which one they make.
constexpr int kSilenceMember = 0, kBasmalaMember = 1;
// The final line names at most this many failed tracks.
constexpr int kNamedFailures = 20;

QString Sep() { return QString(QDir::separator()); }

// A file directly in the temp folder: "./temp/002.255.mp3".
QString TempFile(const QString& name) { return TrackPreparer::TempFolder() + name; }

QString Key(const saya& entry) { return QString::fromStdString(entry.Key()); }

QString Title(const PlannedTrack& track) {
    return track.wavName.empty() ? Key(track.members.front()) : QString::fromStdString(track.Title());
}

// The sura key of a pack entry name: its file-name part up to the first dot.
std::string SuraKeyOf(const std::string& name) {
    const std::string file = FileNamePart(name);
    return QString::fromStdString(file.substr(0, file.find('.'))).simplified().toStdString();
}

}  // namespace

// One step of a track's work: quick work done in-process, or one tool run.
struct TrackPreparer::Step {
    QString log;                      // logged as the step starts
    int member = -1;                  // an aya's step: skipped once that aya failed
    bool needsWholeTrack = false;     // skipped once anything of the track failed
    std::function<QString()> local;   // in-process work: empty when done, else why not
    QStringList command;              // otherwise the tool to run
    QString output;                   // the file the tool must leave
    bool mp3 = false;                 // the output is an MP3 (else a WAV)
    bool join = false;                // the output must hold the track's planned frames
    QString stretchOf;                // a stretch: the WAV it plays faster or slower
    QString failure;                  // put before the reason in the report
};

// The steps of one track (or of the silence recording) and how far they got.
struct TrackPreparer::Work {
    const PlannedTrack* track = nullptr;  // none for the silence recording
    double seconds = 0;                   // how long the finished track plays
    qint64 plannedFrames = 0;             // what the join must make, give or take
    qint64 frameTolerance = 0;            // one frame per input it converts
    QString encoded, target, fileName;    // MP3 mode: where the MP3 is made and where it goes
    std::vector<Step> steps;
    size_t next = 0;
    std::set<int> failedMembers;
    bool failed = false;
    bool stopped = false;  // cancelled while it ran
    bool done = false;
    QStringList heldLog;   // lines waiting for the tracks before this one
};

TrackPreparer::TrackPreparer(Quran* quran, QObject* parent) : QObject(parent), quran(quran) {}

TrackPreparer::~TrackPreparer() = default;

QString TrackPreparer::TempFolder() { return Locations::Current().JobFolder(); }

QString TrackPreparer::TrackPath(const std::string& wavName) {
    return TempFolder() + Sep() + QString::fromStdString(wavName);
}

QString TrackPreparer::PlayRefusal(const Quran& quran, const std::vector<saya>& burnList, const PlayOptions& play) {
    if (!play.basmala || std::none_of(burnList.begin(), burnList.end(), OpensWithBasmala)) return QString();
    if (quran.PackForSura(1).Holds(kBasmalaKey + ".mp3")) return QString();
    return "The basmala is played from aya 1 of sura 1 (Al-Fatiha), which no installed pack holds. "
           "Please install the pack of Al-Fatiha, or turn \"Basmala before aya 1\" off.";
}

QString TrackPreparer::Mp3Refusal(const QString& dir, const std::vector<saya>& burnList) {
    // Only a folder will do: a file of that name cannot take the MP3s.
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) return "Please choose a valid dir to output your mp3 tracks!";
    if (burnList.empty()) return "Please add some sura(s) or aya(s) to memorize!";
    return QString();
}

// --- the steps of a track ----------------------------------------------------

TrackPreparer::Step TrackPreparer::ToolStep(const QStringList& command, const QString& output, bool mp3,
                                            const QString& failure) const {
    Step step;
    step.command = command;
    step.output = output;
    step.mp3 = mp3;
    step.failure = failure;
    return step;
}

std::vector<TrackPreparer::Step> TrackPreparer::JoinSteps(Work& work, const QString& what) const {
    // The inputs go into a list file: a long group names more of them than
    // a command line holds. It is written once every recording is decoded.
    const QString list = TrackPath(work.track->wavName) + ".list";
    Step write;
    write.needsWholeTrack = true;
    write.failure = what + ": ";
    write.local = [this, &work, list] { return WriteJoinList(work, list); };
    const QString output = TrackPath(work.track->wavName);
    Step join = ToolStep({Locations::HelperProgram("joinwav"), "@" + list, output}, output, false,
                         what + ": joining failed: ");
    join.needsWholeTrack = true;
    join.join = true;
    return {write, join};
}

std::vector<TrackPreparer::Step> TrackPreparer::SharedSteps() const {
    Step extract;
    extract.member = kSilenceMember;
    extract.local = [this] {
        std::string why;
        return WritePackEntry(*quran, "silence.mp3", TempFolder().toStdString(), &why) ? QString()
                                                                                       : QString::fromStdString(why);
    };
    std::vector<Step> steps{extract};
    for (Step& step : DecodeSteps(kSilence, kSilenceMember, false, QString())) steps.push_back(std::move(step));
    if (!NeedsBasmala()) return steps;
    // The basmala is aya 1 of sura 1, under a name of its own: the list may
    // hold that aya as well.
    Step basmala;
    basmala.member = kBasmalaMember;
    basmala.local = [this] {
        std::string why;
        const bool ok = WritePackEntry(*quran, kBasmalaKey + ".mp3", TempFolder().toStdString(), &why,
                                       kBasmala.toStdString() + ".mp3");
        return ok ? QString() : QString::fromStdString(why);
    };
    steps.push_back(basmala);
    for (Step& step : DecodeSteps(kBasmala, kBasmalaMember, job.play.Stretches(), QString())) steps.push_back(std::move(step));
    return steps;
}

bool TrackPreparer::NeedsBasmala() const {
    if (!job.play.basmala) return false;
    for (const PlannedTrack& track : plan)
        for (const saya& member : track.members)
            if (OpensWithBasmala(member)) return true;
    return false;
}

// Decoding a recording NAME.mp3 into NAME.wav, and stretching it into
// NAME.speed.wav when the job plays at another speed.
std::vector<TrackPreparer::Step> TrackPreparer::DecodeSteps(const QString& name, int member, bool stretch,
                                                            const QString& failure) const {
    const QString mp3 = TempFile(name + ".mp3"), wav = TempFile(name + ".wav");
    Step decode = ToolStep({"lame", "--silent", "--decode", mp3, wav}, wav, false, failure + "decoding failed: ");
    decode.member = member;
    if (!stretch) return {decode};
    const QString speed = QString::number(job.play.speedPercent / 100.0, 'f', 2);
    Step stretchStep = ToolStep({Locations::HelperProgram("joinwav"), "--speed", speed, wav, StretchedFile(name)},
                                StretchedFile(name), false, failure + "changing the speed failed: ");
    stretchStep.member = member;
    stretchStep.stretchOf = wav;
    return {decode, stretchStep};
}

QString TrackPreparer::StretchedFile(const QString& name) { return TempFile(name + ".speed.wav"); }

// The WAV a recording is joined from.
QString TrackPreparer::PlayedFile(const QString& name) const {
    return job.play.Stretches() ? StretchedFile(name) : TempFile(name + ".wav");
}

// A track whose pauses or basmala need a shared recording fails when that
// recording could not be made.
std::vector<TrackPreparer::Step> TrackPreparer::SharedRecordingChecks(const PlannedTrack& track,
                                                                      const QString& title) const {
    std::vector<Step> checks;
    const auto check = [&](const QString& what, const QString* problem) {
        Step step;
        step.needsWholeTrack = true;
        step.failure = title + ": " + what + ", which could not be made: ";
        step.local = [problem] { return *problem; };
        checks.push_back(step);
    };
    const auto none = [](size_t) { return qint64(0); };
    if (MeasureTrack(track, job.play, {none, 1, none, 0}) > 0) check("the pause needs the silence recording", &silenceProblem);
    if (MeasureTrack(track, job.play, {none, 0, none, 1}) > 0) check("the basmala needs its recording", &basmalaProblem);
    return checks;
}

std::vector<TrackPreparer::Step> TrackPreparer::StepsOf(Work& work, int position) const {
    const PlannedTrack& track = *work.track;
    std::vector<Step> steps;
    // The whole track is made by one join of every piece it plays, so that
    // no intermediate file as large as the track is written and read again.
    for (size_t j = 0; j < track.members.size(); ++j) {
        const saya& entry = track.members[j];
        const QString key = Key(entry);
        Step extract;
        extract.log = "Creating track: " + key + " ...";
        extract.member = int(j);
        extract.local = [this, entry] { return ExtractAya(entry); };
        extract.failure = key + ": ";
        steps.push_back(extract);

        for (Step& step : DecodeSteps(key, int(j), job.play.Stretches(), key + ": ")) steps.push_back(std::move(step));
    }

    const QString wav = TrackPath(track.wavName), title = Title(track);
    for (Step& step : SharedRecordingChecks(track, title)) steps.push_back(std::move(step));
    for (Step& step : JoinSteps(work, title)) steps.push_back(std::move(step));
    Step finish;
    finish.needsWholeTrack = true;
    finish.failure = title + ": ";
    finish.local = [this, &work] {
        work.seconds = ReadWavInfo(TrackPath(work.track->wavName)).Seconds();
        return FinishTrack(*work.track);
    };
    steps.push_back(finish);

    if (job.mp3) {
        // The MP3 is made in the working folder; it goes into the user's
        // folder once it is whole, plays as long as it should and every
        // track before it is concluded (see ConcludeInOrder).
        const int count = int(plan.size());
        work.fileName = SetFileName(track, position, count, job.set.numbered);
        work.encoded = TempFile(work.fileName);
        work.target = job.mp3Dir + Sep() + work.fileName;
        const QStringList tags = TagArguments(track, position, count, job.set, quran->Reciter(track.members.front().sura));
        Step encode = ToolStep(QStringList{"lame", "--silent", "-b" + QString::number(job.bitrate)} + tags +
                                   QStringList{wav, work.encoded},
                               work.encoded, true, work.fileName + ": encoding failed: ");
        encode.needsWholeTrack = true;
        encode.log = track.group > 0 ? "Encoding MP3 Group: " + QString::number(track.group) + " ..."
                           : "Encoding MP3: " + Key(track.members.front()) + ".mp3 ...";
        steps.push_back(encode);
    }
    return steps;
}

QString TrackPreparer::PublishMp3(double planned, const QString& mp3, const QString& target) {
    if (!lengthProbe) lengthProbe = std::make_unique<QAudio>();
    const double plays = lengthProbe->GetLen(mp3) / 1000.0;
    if (std::abs(plays - planned) > kMp3LengthTolerance)
        return QString("%1 is damaged: it plays %2 s, not %3 s")
            .arg(QFileInfo(target).fileName())
            .arg(plays, 0, 'f', 2)
            .arg(planned, 0, 'f', 2);
    return PublishFile(mp3, target);
}

QString TrackPreparer::ExtractAya(const saya& entry) const {
    const std::string badKey = EntryProblem(entry);
    if (!badKey.empty()) return QString::fromStdString(badKey);
    std::string why;
    if (!WritePackEntry(*quran, entry.Key() + ".mp3", TempFolder().toStdString(), &why))
        return QString::fromStdString(why);
    return QString();
}

QString TrackPreparer::FinishTrack(const PlannedTrack& track) const {
    if (job.mp3) return QString();
    const QString wavPath = TrackPath(track.wavName);
    const WavInfo info = ReadWavInfo(wavPath);
    if (!info.IsCdAudio()) return "the track is not CD audio (44.1 kHz, 16-bit, stereo)";
    QString why;
    if (info.Seconds() < kMinimumCdTrackSeconds && !PadWavWithSilence(wavPath, kMinimumCdTrackSeconds, &why))
        return "cannot pad the track to the CD's minimum length: " + why;
    return QString();
}

// --- running the job ---------------------------------------------------------

void TrackPreparer::Start(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                          const Job& newJob) {
    if (running) return;  // one job at a time; the running one goes on
    job = newJob;
    // The steps name files in the job's own folder, so it comes first. Files
    // of a run that was killed half-way must not pass for this run's.
    folderProblem = Locations::Current().BeginJob();
    plan = PlanTracks(burnList, groupReps);
    pool = std::make_unique<ToolPool>(job.parallel);
    pool->SetStallLimit(job.stallSeconds);
    connect(pool.get(), &ToolPool::CannotRun, this, &TrackPreparer::CannotRun);
    works.clear();
    for (const PlannedTrack& track : plan) {
        works.push_back(std::make_unique<Work>());
        works.back()->track = &track;
        works.back()->steps = StepsOf(*works.back(), int(works.size() - 1));
    }
    silence = std::make_unique<Work>();
    silence->steps = SharedSteps();

    running = true;
    cancelled = launching = false;
    nextTrack = shownTrack = 0;
    inFlight = stepsDone = tracksMade = 0;
    stepTotal = int(silence->steps.size());
    for (const auto& work : works) stepTotal += int(work->steps.size());
    silenceProblem.clear();
    basmalaProblem.clear();
    trackList.clear();
    published.clear();
    failures.clear();
    failedTracks.clear();
    unstartable.clear();

    emit StatusLine(job.mp3 ? "Creating MP3 tracks ..." : "Creating tracks ...");
    emit ProgressChanged(0, stepTotal);
    // The first steps may all be quick; the caller hears of the end only
    // after Start has returned.
    QMetaObject::invokeMethod(this, &TrackPreparer::Kick, Qt::QueuedConnection);
}

void TrackPreparer::Kick() {
    if (!running) return;  // cancelled before it began
    if (folderProblem) {
        failures << folderProblem.Text();
        emit StatMsg(failures.back());
        for (const PlannedTrack& track : plan) failedTracks << Title(track);
        nextTrack = works.size();
        return LaunchTracks();
    }
    emit StatMsg("Setting up tracks");
    ++inFlight;
    Advance(*silence);
}

void TrackPreparer::Cancel() {
    if (!running || cancelled) return;
    cancelled = true;
    pool->StopAll();
    // Works that had a tool running end when its kill has been seen.
    LaunchTracks();
}

void TrackPreparer::LaunchTracks() {
    if (launching) return;  // a track ended while the loop below started it
    launching = true;
    // One track more than tools: while a track does its quick in-process
    // steps on this thread, the pool still has a tool to run on every core.
    while (!cancelled && inFlight < pool->Width() + 1 && nextTrack < works.size()) {
        ++inFlight;
        Advance(*works[nextTrack++]);
    }
    launching = false;
    if (running && inFlight == 0 && (cancelled || nextTrack == works.size())) Finish();
}

void TrackPreparer::Advance(Work& work) {
    while (!cancelled && work.next < work.steps.size()) {
        const Step& step = work.steps[work.next++];
        if (Skipped(work, step)) {
            StepCounted();
            continue;
        }
        if (!step.log.isEmpty()) Log(work, step.log);
        if (!step.local) {
            if (StartTool(work, step)) return;
            continue;
        }
        const QString why = step.local();
        if (!why.isEmpty()) StepFailed(work, step, why);
        StepCounted();
    }
    if (cancelled && work.next < work.steps.size()) work.stopped = true;
    WorkDone(work);
}

bool TrackPreparer::Skipped(const Work& work, const Step& step) const {
    if (step.member >= 0 && work.failedMembers.count(step.member)) return true;
    return step.needsWholeTrack && work.failed;
}

bool TrackPreparer::StartTool(Work& work, const Step& step) {
    // A tool that could not be started will not start for the next track
    // either; trying again would only repeat the same complaint.
    if (unstartable.contains(step.command.first())) {
        StepFailed(work, step, QFileInfo(step.command.first()).fileName() + " could not be started");
        StepCounted();
        return false;
    }
    // Whatever lies at the output path now is not this run's result.
    QFile::remove(step.output);
    pool->Run(
        step.command, [this, &work, &step](const ProcessWrap& run) { ToolEnded(work, step, run); }, step.output);
    return true;
}

void TrackPreparer::ToolEnded(Work& work, const Step& step, const ProcessWrap& run) {
    if (cancelled) {
        // Half made: whatever the tool wrote is no result.
        QFile::remove(step.output);
        work.stopped = true;
        return WorkDone(work);
    }
    QString why = run.FailureText();
    if (run.LastOutcome() == ProcessWrap::Outcome::FailedToStart) unstartable.insert(step.command.first());
    if (why.isEmpty()) why = OutputProblem(work, step);
    if (!why.isEmpty()) {
        QFile::remove(step.output);
        StepFailed(work, step, why);
    }
    StepCounted();
    Advance(work);
}

QString TrackPreparer::WriteJoinList(Work& work, const QString& listPath) const {
    const PlannedTrack& track = *work.track;
    std::vector<QByteArray> files;
    std::vector<WavInfo> infos;
    for (const saya& member : track.members) {
        files.push_back(QFile::encodeName(PlayedFile(Key(member))));
        infos.push_back(ReadWavInfo(PlayedFile(Key(member))));
    }
    const QByteArray silenceFile = QFile::encodeName(TempFile(kSilence + ".wav"));
    const QByteArray basmalaFile = QFile::encodeName(PlayedFile(kBasmala));
    const WavInfo silenceInfo = ReadWavInfo(TempFile(kSilence + ".wav"));
    const WavInfo basmalaInfo = job.play.basmala ? ReadWavInfo(PlayedFile(kBasmala)) : WavInfo();
    const auto cdFrames = [](const WavInfo& info) { return AudioCd::CdFrames({info.Frames(), info.rate}); };
    const auto converted = [](const WavInfo& info) { return qint64(info.rate != kCdRate); };

    const auto one = [](size_t) { return qint64(1); };
    if (MeasureTrack(track, job.play, {one, 1, one, 1}) > kMaxJoinPieces)
        return QString("the track is made of more than %1 pieces, too many to join").arg(kMaxJoinPieces);
    PieceWeights frames{[&](size_t j) { return cdFrames(infos[j]); }, cdFrames(silenceInfo),
                        [&](size_t j) { return LengthPauseFrames(cdFrames(infos[j]), track.members[j].lengthPauseQuarters); },
                        cdFrames(basmalaInfo)};
    work.plannedFrames = MeasureTrack(track, job.play, frames);
    if (work.plannedFrames > kMaxWavFrames) return "the track would play longer than a WAV file can hold";
    // A converted input may come out a frame longer or shorter, and a
    // pause of up to three times its length with it.
    work.frameTolerance = MeasureTrack(track, job.play, {[&](size_t j) { return converted(infos[j]); },
                                                         converted(silenceInfo),
                                                         [&](size_t j) { return 4 * converted(infos[j]); },
                                                         converted(basmalaInfo)});

    QFile list(listPath);
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate)) return "cannot write " + listPath;
    QByteArray text;
    const auto flush = [&list, &text] { return list.write(text) == text.size() ? (text.clear(), true) : false; };
    bool written = true;
    WalkTrack(track, job.play, [&](const TrackPiece& piece) {
        switch (piece.kind) {
            case TrackPiece::Kind::Recording: text += files[piece.member] + '\n'; break;
            case TrackPiece::Kind::Basmala: text += basmalaFile + '\n'; break;
            case TrackPiece::Kind::LengthPause:
                text += QByteArray::fromStdString(AudioCd::LengthPauseArgument(LengthPauseHundredths(piece.quarters))) + '\n';
                break;
            case TrackPiece::Kind::Silence: text += (silenceFile + '\n').repeated(piece.seconds); break;
        }
        if (text.size() > (1 << 16)) written = written && flush();
    });
    if (!(written && flush() && list.flush())) return "cannot write " + listPath + ": " + list.errorString();
    return QString();
}

// lame reports success even for input it could not read, so only the file
// it leaves tells whether it worked.
QString TrackPreparer::OutputProblem(const Work& work, const Step& step) const {
    const QString tool = QFileInfo(step.command.first()).fileName();
    const WavInfo wav = step.mp3 ? WavInfo() : ReadWavInfo(step.output);
    if (!step.mp3 && !wav.HoldsAudio()) return tool + " left no audio in " + step.output;
    // Every piece, each converted to 44.1 kHz (a frame more or less for each).
    if (step.join && (wav.rate != kCdRate || std::abs(wav.Frames() - work.plannedFrames) > work.frameTolerance))
        return tool + " left a cut " + step.output;
    if (!step.stretchOf.isEmpty()) {
        const WavInfo in = ReadWavInfo(step.stretchOf);
        if (wav.rate != kCdRate ||
            wav.Frames() != StretchedFrames(AudioCd::CdFrames({in.Frames(), in.rate}), job.play.speedPercent))
            return tool + " left a cut " + step.output;
    }
    if (step.mp3 && QFileInfo(step.output).size() <= 0) return tool + " left no MP3 file at " + step.output;
    return QString();
}

void TrackPreparer::StepFailed(Work& work, const Step& step, const QString& why) {
    work.failed = true;
    if (step.member >= 0) work.failedMembers.insert(step.member);
    if (!work.track) {
        // Only a track that needs the recording fails for it.
        (step.member == kBasmalaMember ? basmalaProblem : silenceProblem) = why;
        return;
    }
    failures << step.failure + why;
    Log(work, failures.back());
}

void TrackPreparer::StepCounted() { emit ProgressChanged(++stepsDone, stepTotal); }

void TrackPreparer::WorkDone(Work& work) {
    work.done = true;
    --inFlight;
    if (work.track) {
        RemoveTrackFiles(*work.track, !work.failed && !work.stopped && !job.mp3);
        ConcludeInOrder();
    }
    LaunchTracks();
}

void TrackPreparer::Log(Work& work, const QString& line) {
    if (!work.track) return emit StatMsg(line);
    work.heldLog << line;
    ConcludeInOrder();
}

void TrackPreparer::ConcludeInOrder() {
    while (shownTrack < works.size()) {
        Work& work = *works[shownTrack];
        // A made MP3 waits for the tracks before it; after a Cancel it
        // stays out of the folder.
        if (work.done && job.mp3 && !work.failed && !work.stopped) {
            if (cancelled)
                work.stopped = true;
            else
                Publish(work);
        }
        for (const QString& line : std::exchange(work.heldLog, {})) emit StatMsg(line);
        if (!work.done) break;
        if (!work.failed && !work.stopped) ++tracksMade;
        if (work.failed) failedTracks << Title(*work.track);
        ++shownTrack;
    }
}

void TrackPreparer::Publish(Work& work) {
    const QString why = PublishMp3(work.seconds, work.encoded, work.target);
    QFile::remove(work.encoded);
    if (why.isEmpty()) return published.push_back({work.fileName, int(std::lround(work.seconds)), TagTitle(*work.track)});
    work.failed = true;
    failures << work.fileName + ": " + why;
    work.heldLog << failures.back();
}

// The set's playlist lists what this job put into the folder.
void TrackPreparer::WriteM3u8() {
    if (!job.mp3 || cancelled || published.empty()) return;
    const QString name = M3u8FileName(job.set.album);
    const QString why = SaveWholeFile(job.mp3Dir + Sep() + name, M3u8Text(published));
    if (why.isEmpty()) return;
    failures << name + ": " + why;
    emit StatMsg(failures.back());
}

void TrackPreparer::Finish() {
    running = false;
    WriteM3u8();
    const bool ok = failures.isEmpty() && !cancelled;
    for (const auto& work : works)
        if (work->done && !work->failed && !work->stopped) trackList.push_back(work->track->wavName);
    // CD tracks wait in the job's folder for the writer; nothing else stays.
    if (job.mp3 || !ok) Locations::Current().EndJob();
    for (const QString& name : {kSilence, kBasmala})
        for (const QString& file : {TempFile(name + ".mp3"), TempFile(name + ".wav"), StretchedFile(name)})
            QFile::remove(file);
    if (cancelled)
        emit StatMsg(QString("Cancelled after %1 of %2 tracks.").arg(tracksMade).arg(works.size()));
    else if (!ok)
        emit StatMsg(FinalLine());
    else if (job.mp3)
        emit StatMsg("All done creating MP3 tracks!");
    emit Finished(ok);
}

// --- clean-up ------------------------------------------------------------------

void TrackPreparer::RemoveTrackFiles(const PlannedTrack& track, bool keepWav) const {
    for (const saya& entry : track.members) {
        // A malformed key never named a file, and must not be used to name one now.
        if (EntryProblem(entry).empty()) {
            QFile::remove(TempFile(Key(entry) + ".mp3"));
            QFile::remove(TempFile(Key(entry) + ".wav"));
            QFile::remove(StretchedFile(Key(entry)));
        }
    }
    if (track.wavName.empty()) return;
    QFile::remove(TrackPath(track.wavName) + ".list");
    if (!keepWav) QFile::remove(TrackPath(track.wavName));
}

QString TrackPreparer::FinalLine() const {
    QStringList named = failedTracks.mid(0, kNamedFailures);
    if (failedTracks.size() > kNamedFailures) named << QString("and %1 more").arg(failedTracks.size() - kNamedFailures);
    if (failedTracks.isEmpty()) return "Failed: " + failures.value(0);
    return QString("Failed to make %1 of %2 tracks: %3").arg(failedTracks.size()).arg(works.size()).arg(named.join(", "));
}

bool WritePackEntry(Quran& quran, const std::string& name, const std::string& dir, std::string* error,
                    const std::string& fileName) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (name.empty() || name != FileNamePart(name) || name == "." || name == "..")
        return fail("\"" + name + "\" is not a plain file name");
    const PackArchive active = name == "silence.mp3" ? quran.ActivateSura(0) : quran.ActivateSura(SuraKeyOf(name));

    const QString path = QFile::decodeName(QByteArray::fromStdString(dir + (fileName.empty() ? name : fileName)));
    QFile::remove(path);
    const std::vector<char> bytes = active.Extract(name);
    if (bytes.empty())
        return fail(active.Holds(name) ? "the recording " + name + " is empty in its pack"
                                       : "the recording " + name + " is not in the installed packs");
    // Damaged data would play as a cut or garbled aya, and the job would
    // still call itself done; the pack's own checksum tells.
    if (PackChecksum(bytes.data(), bytes.size()) != active.Find(name)->checksum)
        return fail("the recording " + name + " is damaged in its pack " + FileNamePart(active.Path()) +
                    ": run norvane-pack verify");
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && file.flush();
    file.close();
    if (!written) {
        QFile::remove(path);
        return fail("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
    }
    return true;
}
