// Making tracks and MP3 sets, and following any job: the window's side. The
// work is the core's jobs'; here their reports go into the progress dialog
// and their refusals into boxes.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "library/packentry.h"
#include "library/quran.h"
#include "production/trackpreparer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QThread>

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
    auto* job = new TrackPreparer(quran, this);
    TrackPreparer::Options options;
    options.mp3 = mp3;
    options.mp3Dir = mp3DirEdit->text();
    options.bitrate = BitrateAt(bitrateSlider->value());
    options.parallel = QThread::idealThreadCount();
    if (!playlistName.isEmpty()) options.set.album = playlistName;
    options.set.numbered = numberedCheck->isChecked();
    options.play = ChosenPlay();
    FollowJob(job, [this](Job& ended) { trackList = static_cast<TrackPreparer&>(ended).TrackList(); });
    job->Start(burnList, groupReps, options);
}

void Norvane::FollowJob(Job* job, std::function<void(Job&)> ended) {
    currentJob = job;
    connect(job, &Job::StatusChanged, progress, &Progress::SendMsg);
    connect(job, &Job::ProgressChanged, progress, &Progress::SetProgress);
    connect(job, &Job::LogLine, this, &Norvane::StatMsg);
    connect(job, &Job::CannotRun, this, &Norvane::CannotRunBox);
    connect(job, &Job::Finished, this, [this, job, ended] {
        currentJob = nullptr;
        // The job is still on the stack that reported its end.
        job->deleteLater();
        progress->EnableClose();
        if (ended) ended(*job);
    });
    progress->show();
    progress->DisableAuto(true);
}

void Norvane::CancelJob() {
    if (!currentJob) return;
    // The question may stay open while the job ends by itself; the job is
    // looked at again once it is answered.
    if (currentJob->CancelSpoils() &&
        !UserDialogs::Current().Question("Norvane", tr("Stopping now leaves the disc unusable. Stop anyway?")))
        return;
    if (!currentJob || !currentJob->Running()) return;
    progress->Cancelling();
    currentJob->Cancel();
}

void Norvane::CannotRunBox() { UserDialogs::Current().Information(tr("Norvane Error"), tr("cannot run command")); }
