// Making an audio CD: the window's side of a burn. The burn itself (checks,
// tracks, table of contents, writer run, clean-up) is CdBurner's; here its
// refusals and notices go into boxes.
#include "app/norvane.h"

#include "app/progress.h"
#include "app/userdialogs.h"
#include "production/cdburner.h"
#include "production/cdrdao.h"

#include <QSlider>

void Norvane::MakeCD() {
    if (!WriterFound()) return;
    const CdBurner::Refusal refusal = CdBurner::Check(disc, burnList);
    if (refusal != CdBurner::Refusal::None) {
        UserDialogs::Current().Information("Norvane", CdBurner::RefusalText(refusal));
        return;
    }
    if (!PlayAllowed()) return;
    auto* job = new CdBurner(quran, this);
    job->SetPlayOptions(ChosenPlay());
    connect(job, &CdBurner::MediumRefused, this,
            [] { UserDialogs::Current().Information("Norvane", Cdrdao::MediumRefusedNotice()); });
    FollowJob(job, [this](Job& ended) {
        auto& burner = static_cast<CdBurner&>(ended);
        trackList = burner.TrackList();
        if (burner.BurnResult() == CdBurner::Result::WriterFailed)
            UserDialogs::Current().Information("Norvane", burner.EndLine());
    });
    job->Burn(burnList, groupReps, disc,
              CdBurner::Writer{ChosenDevice(), WritingSpeedAt(writingSpeedSlider->value())});
}
