// Listening in the window before anything is made: an aya of the grid as
// recorded, or an item or a whole track of the burn list exactly as the
// disc or the MP3 will play it, with the aya being heard highlighted.
#include "app/norvane.h"

#include "app/player.h"
#include "app/userdialogs.h"
#include "burnlist/burnlistmodel.h"
#include "library/quran.h"
#include "production/trackaudio.h"
#include "production/trackpreparer.h"
#include "production/trackstream.h"

#include <QLabel>
#include <QListView>
#include <QListWidget>

void Norvane::PlayAya() {
    const int row = ayaListBox->currentRow();
    if (row < 0 || size_t(row) >= shownAyas.size()) return;
    saya aya;
    aya.sura = shownAyas[size_t(row)].SuraText();
    aya.aya = shownAyas[size_t(row)].AyaText();
    PlayOptions play;
    play.speedPercent = ChosenPlay().speedPercent;
    Listen(TrackAudio::SingleAya(aya), play);
}

void Norvane::PlayItem() {
    const QModelIndex current = burnListView->currentIndex();
    if (!current.isValid()) return;
    // The item as its block sounds, in a group too: its repetitions and
    // pauses, its basmala and translation.
    saya alone = burnModel->EntryAt(current.row());
    alone.group = 0;
    Listen(PlanTracks({alone}, {}).front(), ChosenPlay());
}

void Norvane::PlayTrack() {
    const QModelIndex current = burnListView->currentIndex();
    if (!current.isValid()) return;
    const std::string key = burnModel->EntryAt(current.row()).Key();
    for (PlannedTrack& track : PlanTracks(burnList, groupReps))
        for (const saya& member : track.members)
            if (member.Key() == key) return Listen(std::move(track), ChosenPlay());
}

void Norvane::StopPlaying() { player->Stop(); }

void Norvane::Listen(PlannedTrack track, const PlayOptions& play) {
    const QString refusal = TrackPreparer::PlayRefusal(*quran, track.members, play);
    const QString title = QString::fromStdString(track.Title().empty() ? track.members.front().Key() : track.Title());
    const Problem problem = refusal.isEmpty() ? player->Play(std::make_unique<TrackStream>(
                                                    std::make_unique<TrackAudio>(quran->Recitation(), std::move(track), play)))
                                              : Problem(refusal);
    if (problem) {
        statusLabel->setText(tr("Cannot play: %1").arg(problem.Text()));
        UserDialogs::Current().Information("Norvane", tr("Cannot play %1:<br>%2").arg(title, problem.Text().toHtmlEscaped()));
        return;
    }
    statusLabel->setText(tr("Playing %1").arg(title));
}

void Norvane::ShowHeard(const saya& member) {
    const QModelIndexList rows = burnModel->match(burnModel->index(0), BurnListModel::KeyRole,
                                                  QString::fromStdString(member.Key()), 1, Qt::MatchExactly);
    if (!rows.isEmpty()) burnListView->setCurrentIndex(rows.front());
}

void Norvane::PlayingEnded(const QString& why) {
    statusLabel->setText(why.isEmpty() ? tr("Finished playing") : tr("Playing broke off: %1").arg(why));
}
