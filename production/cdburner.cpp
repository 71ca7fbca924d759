#include "production/cdburner.h"

#include "library/packarchive.h"
#include "production/tocwriter.h"
#include "production/trackplan.h"
#include "production/tracknames.h"
#include "production/trackpreparer.h"
#include "tools/processwrap.h"

#include <QDir>
#include <QFile>

namespace {

QString TempFolderPath() { return QDir(TrackPreparer::TempFolder()).absolutePath(); }

}  // namespace

CdBurner::CdBurner(ProcessWrap* runner, Quran* quran, QObject* parent)
    : QObject(parent), runner(runner), quran(quran) {}

CdBurner::Refusal CdBurner::Check(int totalSeconds, const std::vector<saya>& burnList) {
    if (totalSeconds / 60 > kMaxMinutes) return Refusal::TooLong;
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

void CdBurner::Reset() {
    trackList.clear();
    trackCount = 0;
    tracksStarted = 0;
    mediumRefused = false;
}

CdBurner::Result CdBurner::Burn(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                                int totalSeconds, const Writer& writer) {
    Reset();
    if (Check(totalSeconds, burnList) != Refusal::None) return Result::Refused;

    Result result = Result::Done;
    TocWriter toc;
    if (!PrepareTracks(burnList, groupReps)) {
        // A disc with a track missing or broken is worse than no disc.
        emit StatMsg(FailureLine("not every track could be made, so nothing was written"));
        result = Result::PreparationFailed;
    } else if (!toc.Write(TocPath(), trackList, TempFolderPath())) {
        emit StatMsg(FailureLine(toc.LastError()));
        result = Result::TocFailed;
    } else {
        trackCount = CountTracks(burnList);
        const QString failure = RunWriter(writer);
        if (mediumRefused) {
            result = Result::MediumNotWritable;
        } else if (!failure.isEmpty()) {
            emit StatMsg(FailureLine(failure));
            result = Result::WriterFailed;
        } else {
            emit StatMsg("All done burning Quran CD!");
        }
    }
    RemoveWorkingFiles();
    return result;
}

CdBurner::Result CdBurner::PrepareDiscFolder(const std::vector<saya>& burnList, const std::map<int, int>& groupReps,
                                             int totalSeconds, const QString& folder) {
    Reset();
    if (Check(totalSeconds, burnList) != Refusal::None) return Result::Refused;
    const QString failed = "Preparing the Quran CD failed: ";
    if (!QDir().mkpath(folder)) {
        emit StatMsg(failed + "cannot create the folder " + QDir::toNativeSeparators(folder));
        return Result::PreparationFailed;
    }
    if (!PrepareTracks(burnList, groupReps)) {
        emit StatMsg(failed + "not every track could be made");
        RemoveWorkingFiles();
        return Result::PreparationFailed;
    }
    const QString moveProblem = MoveTracks(folder);
    RemoveWorkingFiles();
    if (!moveProblem.isEmpty()) {
        emit StatMsg(failed + moveProblem);
        return Result::PreparationFailed;
    }
    TocWriter toc;
    const QString tocPath = QDir(folder).absoluteFilePath(kFolderTocName);
    if (!toc.Write(tocPath, trackList, folder)) {
        emit StatMsg(failed + toc.LastError());
        return Result::TocFailed;
    }
    trackCount = int(trackList.size());
    emit StatMsg("All done preparing Quran CD: " + QDir::toNativeSeparators(tocPath));
    return Result::Done;
}

// Moves the finished tracks out of the temp folder; a name already in the
// folder is replaced. Empty when all went, else what failed.
QString CdBurner::MoveTracks(const QString& folder) {
    const QDir temp(TempFolderPath()), target(folder);
    for (const std::string& track : trackList) {
        const QString name = QString::fromStdString(FileNamePart(track));
        const QString from = temp.filePath(name), to = target.filePath(name);
        QFile::remove(to);
        // QFile copies where a rename cannot cross file systems.
        if (!QFile::rename(from, to))
            return "cannot move " + name + " into " + QDir::toNativeSeparators(folder);
    }
    return QString();
}

bool CdBurner::PrepareTracks(const std::vector<saya>& burnList, const std::map<int, int>& groupReps) {
    TrackPreparer preparer(runner, quran);
    connect(&preparer, &TrackPreparer::StatMsg, this, &CdBurner::StatMsg);
    connect(&preparer, &TrackPreparer::StatusLine, this, &CdBurner::StatusLine);
    connect(&preparer, &TrackPreparer::ProgressChanged, this, &CdBurner::ProgressChanged);
    const bool ok = preparer.Run(burnList, groupReps, TrackPreparer::Job{});
    trackList = preparer.TrackList();
    return ok;
}

QString CdBurner::RunWriter(const Writer& writer) {
    emit ProgressChanged(0, trackCount);
    emit StatusLine("Burning Quran CD ...");
    writing = true;
    runner->RunCommand(WriterCommand(writer.device, writer.speed, TocPath()));
    writing = false;
    return WriterFailure();
}

// Why the writer's run cannot count as a burned disc; empty when it can.
QString CdBurner::WriterFailure() const {
    switch (runner->LastOutcome()) {
    case ProcessWrap::Outcome::NotRun:
    case ProcessWrap::Outcome::FailedToStart:
        return "cdrdao could not be started";
    case ProcessWrap::Outcome::Crashed:
    case ProcessWrap::Outcome::Killed:
        return "cdrdao stopped before it had finished";
    case ProcessWrap::Outcome::Finished:
        break;
    }
    // cdrdao's own words say more than its status.
    for (const QString& line : runner->GetText())
        if (line.startsWith("ERROR")) return line.trimmed();
    if (runner->LastExitCode() != 0) return "cdrdao ended with status " + QString::number(runner->LastExitCode());
    return QString();
}

void CdBurner::TrackStarted() {
    if (!writing || tracksStarted >= int(trackList.size())) return;
    const QString title = QString::fromStdString(TrackTitle(trackList[size_t(tracksStarted)]));
    emit StatMsg("Burning track: " + QString::number(tracksStarted + 1) + ". " + title);
    ++tracksStarted;
    emit ProgressChanged(tracksStarted, trackCount);
}

void CdBurner::MediumNotWritable() {
    if (!writing || mediumRefused) return;
    mediumRefused = true;  // the phrase may come again while the user reads the notice
    emit StatMsg("Cannot write to media ... ");
    emit MediumRefusedNotice();
    runner->KillIt();
}

void CdBurner::RemoveWorkingFiles() {
    const QDir temp(TempFolderPath());
    for (const std::string& name : trackList) QFile::remove(temp.filePath(QString::fromStdString(FileNamePart(name))));
    QFile::remove(temp.filePath("temp.toc"));
}
