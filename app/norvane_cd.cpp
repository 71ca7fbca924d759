// Making an audio CD: the window's side of a burn. The burn itself (checks,
// tracks, table of contents, writer run, clean-up) is CdBurner's; here its
// reports go into the progress dialog and its refusals into boxes.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "library/quran.h"
#include "production/cdburner.h"
#include "production/tocwriter.h"
#include "production/trackpreparer.h"
#include "tools/processwrap.h"

#include <QComboBox>
#include <QDir>
#include <QSlider>

namespace {

const char* const kBurnerName = "cdBurner";

}  // namespace

void Norvane::MakeCD() {
    const CdBurner::Refusal refusal = CdBurner::Check(totalSeconds, burnList);
    if (refusal != CdBurner::Refusal::None) {
        UserDialogs::Current().Information("Norvane", CdBurner::RefusalText(refusal));
        return;
    }

    // A child of the window for the length of the burn, so that the marker
    // slots below find it while the writer runs.
    auto* burner = new CdBurner(runner, quran, this);
    burner->setObjectName(kBurnerName);
    connect(burner, &CdBurner::StatMsg, this, &Norvane::StatMsg);
    connect(burner, &CdBurner::StatusLine, progress, &Progress::SendMsg);
    connect(burner, &CdBurner::ProgressChanged, progress, &Progress::SetProgress);
    connect(burner, &CdBurner::MediumRefusedNotice, this, [] {
        UserDialogs::Current().Information("Norvane", "Cannot write to media!\nMake sure media is a CDR or CD-RW\n"
                                                      "If it is a CD-RW, make sure you erase it first!");
    });

    progress->show();
    progress->DisableAuto(true);
    const CdBurner::Writer writer{ChosenDevice(), SpeedAt(speedSlider->value())};
    burner->Burn(burnList, groupReps, totalSeconds, writer);

    // The burner keeps the count while it burns; the window's members
    // record how the burn ended.
    trackList = burner->TrackList();
    trackCount = burner->TrackCount();
    trackCounter = burner->TracksStarted();
    errorFlag = burner->MediumRefused();
    delete burner;

    progress->EnableClose();
    // Track preparation left the pack of the last aya it extracted active.
    currentPack = quran->ActivateSura(suraCombo->currentIndex());
}

void Norvane::CreateTOC(QString fileName) {
    TocWriter writer;
    if (!writer.Write(fileName, trackList, QDir(TrackPreparer::TempFolder()).absolutePath()))
        emit StatMsg(CdBurner::FailureLine(writer.LastError()));
}

void Norvane::ProcessMsg() {
    // Outside a burn the phrase means nothing to the window.
    auto* burner = findChild<CdBurner*>(kBurnerName, Qt::FindDirectChildrenOnly);
    if (burner) burner->TrackStarted();
}

void Norvane::ErrorWritten() {
    auto* burner = findChild<CdBurner*>(kBurnerName, Qt::FindDirectChildrenOnly);
    if (burner) burner->MediumNotWritable();
}
