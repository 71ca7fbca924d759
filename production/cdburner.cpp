#include "production/cdburner.h"

#include "library/locations.h"
#include "production/cdrdao.h"
#include "production/cdrdaoadvice.h"
#include "production/discfolder.h"
#include "production/drivescan.h"
#include "production/tocwriter.h"
#include "production/trackplan.h"
#include "production/tracknames.h"

#include <QDir>
#include <QThread>

namespace {

QString TempFolderPath() { return QDir(TrackPreparer::TempFolder()).absolutePath(); }

}  // namespace

CdBurner::CdBurner(Quran* quran, QObject* parent) : Job(parent), preparer(quran) {
    ForwardReports(preparer);
    connect(&preparer, &Job::ProgressChanged, this,
            [this](int step, int total) {
                preparationSteps = total;
                SetProgress(step, total + tracksToWrite);
            });
    connect(&preparer, &Job::Finished, this, &CdBurner::TracksPrepared);
    connect(&writerRun, &ProcessWrap::LineRead, this, &CdBurner::WriterLine);
    connect(&writerRun, &ProcessWrap::CannotRun, this, &CdBurner::ReportCannotRun);
    connect(&writerRun, &ProcessWrap::ProcessDone, this, &CdBurner::WriterEnded);
}

CdBurner::~CdBurner() {
    if (Running()) Locations::Current().EndJob();
}

CdBurner::Refusal CdBurner::Check(const DiscTime& disc, const std::vector<saya>& burnList) {
    if (!disc.Fits()) return Refusal::TooLong;
    if (burnList.empty()) return Refusal::Empty;
    if (CountTracks(burnList) > kMaxTracks) return Refusal::TooManyTracks;
    return Refusal::None;
}

QString CdBurner::RefusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::TooLong:
        return tr("You have selected more than 80 minutes of audio.\nUsually CDRs can only handle 80 minutes or "
                  "lower.\nPlease remove ayas till you are under 80 minutes!");
    case Refusal::Empty:
        return TrackPreparer::EmptyListRefusal();
    case Refusal::TooManyTracks:
        return tr("You have selected more than 99 tracks.\nA CD can hold at most 99 tracks.\nPlease put ayas into "
                  "groups or remove some ayas!");
    case Refusal::None:
        break;
    }
    return QString();
}

QString CdBurner::TocPath() { return TrackPreparer::TempFolder() + "temp.toc"; }

QString CdBurner::FailureLine(const QString& reason) { return tr("Burning Quran CD failed: %1").arg(reason); }

bool CdBurner::Burn(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const DiscTime& disc,
                    const Writer& chosen) {
    writer = chosen;
    folder.clear();
    return StartJob(burnList, groupReps, disc);
}

bool CdBurner::PrepareDiscFolder(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                                 const DiscTime& disc, const QString& target) {
    folder = target;
    return StartJob(burnList, groupReps, disc);
}

bool CdBurner::StartJob(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const DiscTime& disc) {
    if (Running() || Check(disc, burnList) != Refusal::None) return false;
    list = burnList;
    reps = groupReps;
    return Launch();
}

void CdBurner::Begin() {
    trackList.clear();
    endLine.clear();
    result = Result::Done;
    tracksStarted = 0;
    mediumRefused = writing = false;
    tracksToWrite = folder.isEmpty() ? CountTracks(list) : 0;
    // Making every track first would only end in saying that the writer
    // cannot be run.
    if (folder.isEmpty())
        if (const Problem problem = Cdrdao::CanRun()) {
            ReportCannotRun(Cdrdao::kProgram);
            return End(Result::WriterFailed, FailureLine(problem.Text()));
        }
    TrackPreparer::Options options;
    options.stallSeconds = stallSeconds;
    options.parallel = toolsAtOnce > 0 ? toolsAtOnce : QThread::idealThreadCount();
    options.play = play;
    writerRun.SetStallLimit(stallSeconds);
    preparer.Start(list, reps, options);
}

void CdBurner::CancelledBeforeBegin() {
    Log(TrackPreparer::CancelledLine(0, CountTracks(list)));
    Conclude(Outcome::Cancelled);
}

void CdBurner::Stop() {
    if (writing)
        writerRun.KillIt();
    else
        preparer.Cancel();
}

void CdBurner::TracksPrepared() {
    trackList = preparer.TrackList();
    if (preparer.Result() == Outcome::Cancelled || CancelRequested()) return End(Result::Cancelled, QString());
    // A disc with a track missing or broken is worse than no disc.
    const bool ok = preparer.Result() == Outcome::Done;
    if (!ok && folder.isEmpty())
        return End(Result::PreparationFailed,
                   FailureLine(tr("not every track could be made, so nothing was written")));
    if (!ok) return End(Result::PreparationFailed, tr("Preparing the Quran CD failed: not every track could be made"));
    if (!folder.isEmpty()) return FillFolder();
    TocWriter toc;
    if (!toc.Write(TocPath(), trackList, TempFolderPath())) return End(Result::TocFailed, FailureLine(toc.LastError()));
    StartWriter();
}

void CdBurner::FillFolder() {
    if (const Problem problem = FillDiscFolder(folder, kFolderTocName, trackList, TempFolderPath()))
        return End(Result::PreparationFailed, tr("Preparing the Quran CD failed: %1").arg(problem.Text()));
    const QString tocPath = QDir(folder).absoluteFilePath(kFolderTocName);
    End(Result::Done, tr("All done preparing Quran CD: %1").arg(QDir::toNativeSeparators(tocPath)));
}

void CdBurner::StartWriter() {
    SetStatus(tr("Burning Quran CD ..."));
    writing = true;
    writerRun.RunCommand(Cdrdao::WriteCommand(writer.device, writer.writingSpeed, TocPath()));
}

void CdBurner::WriterLine(const QString& line) {
    if (!writing) return;
    if (Cdrdao::StartsTrack(line) && tracksStarted < int(trackList.size())) {
        const QString title = QString::fromStdString(TrackTitle(trackList[size_t(tracksStarted)]));
        Log(tr("Burning track: %1. %2").arg(QString::number(tracksStarted + 1), title));
        ++tracksStarted;
        SetProgress(preparationSteps + tracksStarted, preparationSteps + tracksToWrite);
    }
    if (Cdrdao::RefusesMedium(line) && !mediumRefused) {
        mediumRefused = true;  // the phrase may come again while the user reads the notice
        Log(tr("Cannot write to media ... "));
        emit MediumRefused();
        writerRun.KillIt();
    }
}

void CdBurner::WriterEnded() {
    if (!writing) return;
    writing = false;
    if (mediumRefused) return End(Result::MediumNotWritable, QString());
    if (writerRun.LastOutcome() == ProcessWrap::Outcome::Killed && CancelRequested())
        return End(Result::Cancelled, tr("Cancelled after %1 of %2 tracks were written; the disc is probably "
                                         "unusable.")
                                          .arg(QString::number(tracksStarted), QString::number(trackList.size())));
    const QString failure = WriterFailure();
    if (failure.isEmpty()) return End(Result::Done, tr("All done burning Quran CD!"));
    const QString advice = CdrdaoAdvice(writerRun.GetText());
    End(Result::WriterFailed, FailureLine(advice.isEmpty() ? failure : advice));
}

// Why the writer's run cannot count as a burned disc; empty when it can.
QString CdBurner::WriterFailure() const {
    if (writerRun.LastOutcome() != ProcessWrap::Outcome::Finished) return writerRun.FailureText();
    // cdrdao's own words say more than its status.
    const QString error = FirstErrorLine(writerRun.GetText());
    if (!error.isEmpty()) return error;
    return writerRun.FailureText();
}

void CdBurner::End(Result ended, const QString& line) {
    result = ended;
    endLine = line;
    if (!line.isEmpty()) Log(line);
    Locations::Current().EndJob();
    const Outcome outcome = ended == Result::Done        ? Outcome::Done
                            : ended == Result::Cancelled ? Outcome::Cancelled
                                                         : Outcome::Failed;
    QStringList why = preparer.Reasons();
    if (outcome == Outcome::Failed && !line.isEmpty()) why << line;
    Conclude(outcome, outcome == Outcome::Failed ? why : QStringList());
}
