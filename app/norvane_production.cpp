// Making tracks and MP3 sets: the window's side. The work is TrackPreparer's;
// here its reports go into the progress dialog and its refusals into boxes.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "library/packentry.h"
#include "library/quran.h"
#include "library/recitationimport.h"
#include "production/cdburner.h"
#include "production/trackpreparer.h"
#include "tools/processwrap.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QThread>

void Norvane::WriteMP3(std::string name, std::string dir) { (void)WritePackEntry(*quran, name, dir); }

void Norvane::MakeMP3() {
    const QString refusal = TrackPreparer::Mp3Refusal(mp3DirEdit->text(), burnList);
    if (!refusal.isEmpty()) {
        UserDialogs::Current().Information("Norvane", refusal);
        return;
    }
    if (PlayAllowed()) PrepareTracks(true);
}

bool Norvane::PlayAllowed() {
    const QString refusal = TrackPreparer::PlayRefusal(*quran, burnList, ChosenPlay());
    if (!refusal.isEmpty()) UserDialogs::Current().Information("Norvane", refusal);
    return refusal.isEmpty();
}

// Starts making the tracks (MP3 mode: the MP3 set; otherwise the track WAVs
// in the temp folder, as a burn would). Returns at once; the progress
// dialog follows the job and offers Cancel until it ends.
void Norvane::PrepareTracks(bool mp3) {
    trackJob = new TrackPreparer(quran, this);
    connect(trackJob, &TrackPreparer::StatMsg, this, &Norvane::StatMsg);
    connect(trackJob, &TrackPreparer::StatusLine, progress, &Progress::SendMsg);
    connect(trackJob, &TrackPreparer::ProgressChanged, progress, &Progress::SetProgress);
    connect(trackJob, &TrackPreparer::CannotRun, this, &Norvane::CannotRunBox);
    connect(trackJob, &TrackPreparer::Finished, this, [this] {
        trackList = trackJob->TrackList();
        EndJob(trackJob);
    });

    TrackPreparer::Job job;
    job.mp3 = mp3;
    job.mp3Dir = mp3DirEdit->text();
    job.bitrate = BitrateAt(bitrateSlider->value());
    job.parallel = QThread::idealThreadCount();
    if (!playlistName.isEmpty()) job.set.album = playlistName;
    job.set.numbered = numberedCheck->isChecked();
    job.play = ChosenPlay();
    progress->show();
    progress->DisableAuto(true);
    trackJob->Start(burnList, groupReps, job);
}

void Norvane::CancelJob() {
    // The question may stay open while the job ends by itself; the job is
    // looked at again once it is answered.
    const bool spoilsDisc = runnerUse == RunnerUse::Erase || (burnJob && burnJob->WritingDisc());
    if (spoilsDisc &&
        !UserDialogs::Current().Question("Norvane", "Stopping now leaves the disc unusable. Stop anyway?"))
        return;
    progress->Cancelling();
    if (trackJob) trackJob->Cancel();
    if (importJob) importJob->Cancel();
    if (burnJob) burnJob->Cancel();
    if (runnerUse == RunnerUse::Erase) runner->KillIt();
}

void Norvane::EndJob(QObject* job) {
    // The job is still on the stack that reported its end.
    if (job) job->deleteLater();
    trackJob = nullptr;
    burnJob = nullptr;
    progress->EnableClose();
}

void Norvane::CannotRunBox() { UserDialogs::Current().Information("Norvane Error", "cannot run command"); }
