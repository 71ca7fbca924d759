// Making tracks and MP3 sets: the window's side. The work is TrackPreparer's;
// here its reports go into the progress dialog and its refusals into boxes.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "library/quran.h"
#include "production/trackpreparer.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSlider>

void Norvane::WriteMP3(std::string name, std::string dir) { WritePackEntry(*quran, name, dir, &currentPack); }

void Norvane::MakeMP3() {
    currentPack = quran->ActivateSura(suraCombo->currentIndex());
    // Only a folder will do: a file of that name cannot take the MP3s.
    const QString dir = mp3DirEdit->text();
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        UserDialogs::Current().Information("Norvane", "Please choose a valid dir to output your mp3 tracks!");
        return;
    }
    if (burnList.empty()) {
        UserDialogs::Current().Information("Norvane", "Please add some sura(s) or aya(s) to memorize!");
        return;
    }
    PrepareTracks(true);
    // Preparation left the pack of the last aya it extracted active.
    currentPack = quran->ActivateSura(suraCombo->currentIndex());
}

void Norvane::PrepareTracks(bool mp3) {
    progress->show();
    progress->DisableAuto(true);

    // The preparer sets the bar to 0 of the burn list's length as it starts.
    TrackPreparer preparer(runner, quran);
    connect(&preparer, &TrackPreparer::StatMsg, this, &Norvane::StatMsg);
    connect(&preparer, &TrackPreparer::StatusLine, progress, &Progress::SendMsg);
    connect(&preparer, &TrackPreparer::ProgressChanged, progress, &Progress::SetProgress);

    TrackPreparer::Job job;
    job.mp3 = mp3;
    job.mp3Dir = mp3DirEdit->text();
    job.bitrate = BitrateAt(bitrateSlider->value());
    preparer.Run(burnList, groupReps, job);

    trackList = preparer.TrackList();
    currentPack = preparer.LastPack();
    // MakeCD burns through CdBurner, which prepares its own tracks; a CD-mode
    // call here would leave the dialog busy for a burn to follow.
    if (mp3) progress->EnableClose();
}
