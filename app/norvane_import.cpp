// Importing a recitation from the window: a folder of per-aya recordings
// becomes sura packs in the user's pack folder, with the progress dialog
// counting the packs and a report of what was written, missing and left out.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "library/locations.h"
#include "library/quran.h"
#include "library/recitationimport.h"

#include <QComboBox>

void Norvane::ImportRecitation() {
    const QString folder = UserDialogs::Current().ExistingDirectory(
        this, tr("Choose a folder of aya recordings (SSSAAA.mp3)"), UserDialogs::StartDir());
    if (folder.isEmpty()) return;
    auto* job = new RecitationImport(this);
    FollowJob(job, [this](Job& ended) { ImportFinished(static_cast<RecitationImport&>(ended)); });
    job->Start(folder, Locations::Current().NewPackFolder());
}

void Norvane::ImportFinished(RecitationImport& job) {
    const PackImportResult& result = job.Imported();
    const QStringList report = RecitationImport::ReportLines(result, job.Result() == Job::Outcome::Cancelled);
    const QString outcome = job.Result() == Job::Outcome::Done ? tr("Imported %1 sura pack(s).").arg(result.packs.size())
                            : job.Result() == Job::Outcome::Cancelled ? tr("Import cancelled.")
                                                                      : tr("Import failed.");
    if (!result.packs.empty()) ReloadPacks();
    ShowReport(tr("Import Recitation"), outcome, report);
}

void Norvane::RefreshSuraList() {
    const std::string shown = currentSura;
    suraCombo->clear();
    suraByIndex.clear();
    FillSuraList();
    int index = 0;
    for (const auto& [i, key] : suraByIndex)
        if (key == shown) index = i;
    suraCombo->setCurrentIndex(index);
    if (ChosenDivision() == Division::Sura)
        SuraSelected(index);
    else
        DivisionSelected(divisionCombo->currentIndex());  // the ayas of the newly installed suras too
}
