#include "production/cdburner.h"

#include "library/locations.h"
#include "library/packarchive.h"
#include "production/cdrdaoadvice.h"
#include "production/drivescan.h"
#include "production/publish.h"
#include "production/tocwriter.h"
#include "production/trackplan.h"
#include "production/tracknames.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace {

QString TempFolderPath() { return QDir(TrackPreparer::TempFolder()).absolutePath(); }

}  // namespace

CdBurner::CdBurner(Quran* quran, QObject* parent) : QObject(parent), preparer(quran) {
    connect(&preparer, &TrackPreparer::StatMsg, this, &CdBurner::StatMsg);
    connect(&preparer, &TrackPreparer::StatusLine, this, &CdBurner::StatusLine);
    connect(&preparer, &TrackPreparer::ProgressChanged, this, &CdBurner::ProgressChanged);
    connect(&preparer, &TrackPreparer::CannotRun, this, &CdBurner::CannotRun);
    connect(&preparer, &TrackPreparer::Finished, this, &CdBurner::TracksPrepared);
    connect(&writerRun, &ProcessWrap::ProcessMsg, this, &CdBurner::TrackStarted);
    connect(&writerRun, &ProcessWrap::ErrorWritten, this, &CdBurner::MediumNotWritable);
    connect(&writerRun, &ProcessWrap::CannotRun, this, &CdBurner::CannotRun);
    connect(&writerRun, &ProcessWrap::ProcessDone, this, &CdBurner::WriterEnded);
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
        return "You have selected more than 80 minutes of audio.\nUsually CDRs can only handle 80 minutes or "
               "lower.\nPlease remove ayas till you are under 80 minutes!";
    case Refusal::Empty:
        return "Please add some sura(s) or aya(s) to memorize!";
    case Refusal::TooManyTracks:
        return "You have selected more than 99 tracks.\nA CD can hold at most 99 tracks.\nPlease put ayas into "
               "groups or remove some ayas!";
    case Refusal::None:
        break;
    }
    return QString();
}

QString CdBurner::TocPath() { return TrackPreparer::TempFolder() + "temp.toc"; }

QStringList CdBurner::WriterCommand(const QString& device, int speed, const QString& tocPath) {
    return {"cdrdao",  "write",   "--device", device,       "--driver", "generic-mmc:0x10",
            "--eject", "--speed", QString::number(speed), tocPath};
}

QString CdBurner::FailureLine(const QString& reason) { return "Burning Quran CD failed: " + reason; }

bool CdBurner::Burn(const std::vector<saya>& burnList, const std::map<int, int>& groupReps, const DiscTime& disc,
                    const Writer& chosen) {
    if (running || Check(disc, burnList) != Refusal::None) return false;
    writer = chosen;
    folder.clear();
    StartPreparing(burnList, groupReps);
    return true;
}

bool CdBurner::PrepareDiscFolder(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                                 const DiscTime& disc, const QString& target) {
    if (running || Check(disc, burnList) != Refusal::None) return false;
    folder = target;
    StartPreparing(burnList, groupReps);
    return true;
}

void CdBurner::StartPreparing(const std::vector<saya>& burnList, const std::map<int, int>& groupReps) {
    running = true;
    trackList.clear();
    tracksStarted = 0;
    mediumRefused = false;
    TrackPreparer::Job job;
    job.stallSeconds = stallSeconds;
    job.parallel = QThread::idealThreadCount();
    job.play = play;
    writerRun.SetStallLimit(stallSeconds);
    preparer.Start(burnList, groupReps, job);
}

void CdBurner::Cancel() {
    if (!running) return;
    if (writing)
        writerRun.KillIt();
    else
        preparer.Cancel();
}

void CdBurner::TracksPrepared(bool ok) {
    trackList = preparer.TrackList();
    if (preparer.Cancelled()) return End(Result::Cancelled, QString());
    // A disc with a track missing or broken is worse than no disc.
    if (!ok && folder.isEmpty())
        return End(Result::PreparationFailed, FailureLine("not every track could be made, so nothing was written"));
    if (!ok) return End(Result::PreparationFailed, "Preparing the Quran CD failed: not every track could be made");
    if (!folder.isEmpty()) return FillFolder();
    TocWriter toc;
    if (!toc.Write(TocPath(), trackList, TempFolderPath())) return End(Result::TocFailed, FailureLine(toc.LastError()));
    StartWriter();
}

void CdBurner::FillFolder() {
    const QString failed = "Preparing the Quran CD failed: ";
    if (!QDir().mkpath(folder))
        return End(Result::PreparationFailed, failed + "cannot create the folder " + QDir::toNativeSeparators(folder));
    const QString moveProblem = MoveTracks(folder);
    if (!moveProblem.isEmpty()) return End(Result::PreparationFailed, failed + moveProblem);
    TocWriter toc;
    const QString tocPath = QDir(folder).absoluteFilePath(kFolderTocName);
    if (!toc.Write(tocPath, trackList, folder)) return End(Result::TocFailed, failed + toc.LastError());
    End(Result::Done, "All done preparing Quran CD: " + QDir::toNativeSeparators(tocPath));
}

// Moves the finished tracks out of the temp folder; a name already in the
// folder is replaced only by a whole new track. Empty when all went, else
// what failed.
QString CdBurner::MoveTracks(const QString& target) {
    const QDir temp(TempFolderPath()), into(target);
    for (const std::string& track : trackList) {
        const QString name = QString::fromStdString(FileNamePart(track));
        const QString problem = PublishFile(temp.filePath(name), into.filePath(name));
        if (!problem.isEmpty()) return problem;
    }
    return QString();
}

void CdBurner::StartWriter() {
    emit ProgressChanged(0, int(trackList.size()));
    emit StatusLine("Burning Quran CD ...");
    writing = true;
    writerRun.RunCommand(WriterCommand(writer.device, writer.speed, TocPath()));
}

void CdBurner::WriterEnded() {
    if (!writing) return;
    writing = false;
    if (mediumRefused) return End(Result::MediumNotWritable, QString());
    if (writerRun.LastOutcome() == ProcessWrap::Outcome::Killed)
        return End(Result::Cancelled, QString("Cancelled after %1 of %2 tracks were written; the disc is probably "
                                              "unusable.")
                                          .arg(tracksStarted)
                                          .arg(trackList.size()));
    const QString failure = WriterFailure();
    if (failure.isEmpty()) return End(Result::Done, "All done burning Quran CD!");
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

void CdBurner::End(Result result, const QString& line) {
    endLine = line;
    if (!line.isEmpty()) emit StatMsg(line);
    RemoveWorkingFiles();
    running = false;
    emit Finished(result);
}

void CdBurner::TrackStarted() {
    if (!writing || tracksStarted >= int(trackList.size())) return;
    const QString title = QString::fromStdString(TrackTitle(trackList[size_t(tracksStarted)]));
    emit StatMsg("Burning track: " + QString::number(tracksStarted + 1) + ". " + title);
    ++tracksStarted;
    emit ProgressChanged(tracksStarted, int(trackList.size()));
}

void CdBurner::MediumNotWritable() {
    if (!writing || mediumRefused) return;
    mediumRefused = true;  // the phrase may come again while the user reads the notice
    emit StatMsg("Cannot write to media ... ");
    emit MediumRefusedNotice();
    writerRun.KillIt();
}

void CdBurner::RemoveWorkingFiles() { Locations::Current().EndJob(); }
