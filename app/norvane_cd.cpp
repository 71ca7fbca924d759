// Making an audio CD: the window's side of a burn. The burn itself (checks,
// tracks, table of contents, writer run, clean-up) is CdBurner's; here its
// reports go into the progress dialog and its refusals into boxes.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "production/cdburner.h"
#include "production/tocwriter.h"
#include "production/trackpreparer.h"

#include <QDir>
#include <QSlider>

void Norvane::MakeCD() {
    const CdBurner::Refusal refusal = CdBurner::Check(disc, burnList);
    if (refusal != CdBurner::Refusal::None) {
        UserDialogs::Current().Information("Norvane", CdBurner::RefusalText(refusal));
        return;
    }
    if (!PlayAllowed()) return;
    burnJob = new CdBurner(quran, this);
    burnJob->SetPlayOptions(ChosenPlay());
    connect(burnJob, &CdBurner::StatMsg, this, &Norvane::StatMsg);
    connect(burnJob, &CdBurner::StatusLine, progress, &Progress::SendMsg);
    connect(burnJob, &CdBurner::ProgressChanged, progress, &Progress::SetProgress);
    connect(burnJob, &CdBurner::CannotRun, this, &Norvane::CannotRunBox);
    connect(burnJob, &CdBurner::MediumRefusedNotice, this, [] {
        UserDialogs::Current().Information("Norvane", "Cannot write to media!\nMake sure media is a CDR or CD-RW\n"
                                                      "If it is a CD-RW, make sure you erase it first!");
    });
    connect(burnJob, &CdBurner::Finished, this, [this](CdBurner::Result result) {
        CdBurner* job = burnJob;
        trackList = job->TrackList();
        EndJob(job);
        if (result == CdBurner::Result::WriterFailed)
            UserDialogs::Current().Information("Norvane", job->EndLine());
    });

    progress->show();
    progress->DisableAuto(true);
    burnJob->Burn(burnList, groupReps, disc,
                  CdBurner::Writer{ChosenDevice(), WritingSpeedAt(writingSpeedSlider->value())});
}

void Norvane::CreateTOC(QString fileName) {
    TocWriter writer;
    if (!writer.Write(fileName, trackList, QDir(TrackPreparer::TempFolder()).absolutePath()))
        emit StatMsg(CdBurner::FailureLine(writer.LastError()));
}
