// The burn-list slots of the main window: they read the widgets, change the
// burn list through its core, and show the result.
#include "app/norvane.h"

#include "app/userdialogs.h"
#include "burnlist/ayabatch.h"
#include "burnlist/burnlist.h"
#include "app/cdlength.h"
#include "app/packedimage.h"
#include "burnlist/burnlistmodel.h"
#include "burnlist/playlist.h"
#include "library/ayakey.h"
#include "library/packarchive.h"
#include "library/quran.h"
#include "library/suracatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
#include <algorithm>

namespace {

QString PlaylistFilter() { return Norvane::tr("Quran Aya Playlist (*.qap)"); }

}  // namespace

void Norvane::SuraSelected(int index) {
    quran->ActivateSura(index);
    const auto found = suraByIndex.find(index);
    const std::string key = found == suraByIndex.end() ? std::string() : found->second;
    const int suraNumber = AyaKey::LeadingNumber(key);
    std::vector<AyaKey> ayas;
    for (int i = 1; i <= Sura().AyaCount(key); ++i) ayas.emplace_back(suraNumber, i);
    currentSura = key;
    ShowAyas(ayas);
}

void Norvane::AddOne() {
    const int row = ayaListBox->currentRow();
    if (row < 0 || size_t(row) >= shownAyas.size()) return;
    saya entry;
    entry.sura = shownAyas[size_t(row)].SuraText();
    entry.aya = shownAyas[size_t(row)].AyaText();
    entry.reps = ayaRepSpin->value();
    entry.pause = ayaPauseSpin->value();
    entry.lengthPauseQuarters = LengthPauseQuarters();
    bool added = false;
    burnModel->Change([&](BurnListCore& core) { added = core.Add(entry); });
    if (!added) {
        UserDialogs::Current().Information(
            "Norvane", tr("%1 already in playlist.<br>Remove from playlist if you wish to update time or pause "
                          "and then re-add.").arg(QString::fromStdString(entry.Key())));
        return;
    }
    UpdateTotalTime();
    statusLabel->setText(tr("Added aya"));
}

// Adds the ayas shown in one batch: each aya finds its place in the list by
// binary search, and the rows and the total follow once at the end. That
// gives the same list, order and total as adding the ayas one by one,
// without re-sorting and re-summing after each of them. With "one group per
// page" each page's new ayas become a group of their own.
void Norvane::AddAll() {
    // A batch takes milliseconds: the bar shows it done at once.
    statusProgress->setRange(0, int(shownAyas.size()));
    statusProgress->setValue(int(shownAyas.size()));
    const AyaSettings ayas{ayaRepSpin->value(), ayaPauseSpin->value(), LengthPauseQuarters()};
    std::optional<GroupSettings> groups;
    std::vector<std::vector<AyaKey>> runs{shownAyas};
    if (pageGroupsCheck->isChecked()) {
        groups = GroupSettings{groupRepSpin->value(), groupPauseSpin->value(), buildUpCheck->isChecked()};
        runs = MushafDivisions::Madani().SplitBy(Division::Page, shownAyas);
    }
    const size_t before = burnList.size();
    Problem problem;
    // Ayas already listed are skipped without a word.
    burnModel->Change([&](BurnListCore& core) { problem = AddAyaRuns(core, runs, ayas, groups); });
    if (problem) {
        UserDialogs::Current().Information("Norvane", tr("%1.<br>No aya was added.").arg(problem.Text()));
        return;
    }
    if (burnList.size() != before) UpdateTotalTime();
    statusLabel->setText(ChosenDivision() == Division::Sura ? tr("Done adding sura")
                                                             : tr("Done adding %1").arg(divisionCombo->currentText()));
}

void Norvane::RemoveOne() {
    const QModelIndex current = burnListView->currentIndex();
    if (!current.isValid()) {
        UserDialogs::Current().Information(tr("Norvane Error"), tr("No aya selected to delete!"));
        return;
    }
    RemoveSayaFromBurnList(burnModel->EntryAt(current.row()));
    UpdateTotalTime();
    // The next entry becomes current, ready for the next removal.
    const int row = std::min(current.row(), burnModel->rowCount() - 1);
    if (row >= 0) burnListView->setCurrentIndex(burnModel->index(row));
}

void Norvane::RemoveAll() {
    burnModel->Change([](BurnListCore& core) { core.Clear(); });
    playlistName.clear();  // a new list, no longer the loaded playlist
    UpdateTotalTime();
}

void Norvane::RemoveSura() {
    const QModelIndex current = burnListView->currentIndex();
    if (!current.isValid()) {
        UserDialogs::Current().Information(tr("Norvane Error"), tr("No sura selected to delete!"));
        return;
    }
    const std::string sura = burnModel->EntryAt(current.row()).sura;
    burnModel->Change([&](BurnListCore& core) { core.RemoveSura(sura); });
    UpdateTotalTime();
}

void Norvane::ClickedPlaylist(const QModelIndex&) { RemoveOne(); }

void Norvane::ClickedAyalist(QListWidgetItem*) { AddOne(); }

void Norvane::AssignGroup() {
    if (!burnListView->currentIndex().isValid()) return;
    std::set<std::pair<std::string, std::string>> selected;
    for (const QModelIndex& index : burnListView->selectionModel()->selectedIndexes()) {
        const saya& s = burnModel->EntryAt(index.row());
        selected.insert({s.sura, s.aya});
    }
    const int group = groupCombo->currentIndex() + 1;
    burnModel->Change([&](BurnListCore& core) {
        core.AssignGroup(selected, group, groupRepSpin->value(), groupPauseSpin->value(), buildUpCheck->isChecked());
    });
    UpdateTotalTime();
}

void Norvane::UpdateTotalTime() {
    if (!ayaTimes.HasSource() && quran && audio) ayaTimes.SetSource(PackLengthSource(*quran, *audio));
    disc = ayaTimes.Disc(burnList, groupReps, ChosenPlay());
    cdLengthLabel->setText(CdLengthHtml(disc));
}

void Norvane::RemoveSayaFromBurnList(saya s) {
    burnModel->Change([&](BurnListCore& core) { core.Remove(s.sura, s.aya); });
}

void Norvane::SavePlaylist() {
    const QString chosen = UserDialogs::Current().SaveFileName(this, tr("Choose a playlist name to save"),
                                                                UserDialogs::StartDir(), PlaylistFilter());
    if (chosen.isEmpty()) return;
    const QString path = PlaylistFileName(chosen);
    const QString error = SavePlaylistFile(path, burnList, groupReps);
    if (!error.isEmpty()) {
        UserDialogs::Current().Information(
            "Norvane", tr("The playlist could not be saved to %1:<br>%2")
                           .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), error.toHtmlEscaped()));
        return;
    }
    playlistName = QFileInfo(path).completeBaseName();
    statusLabel->setText(tr("Finished Saving Playlist"));
}

void Norvane::LoadPlaylist() {
    const QString chosen = UserDialogs::Current().OpenFileName(this, tr("Choose a playlist to open"),
                                                                UserDialogs::StartDir(), PlaylistFilter());
    if (chosen.isEmpty() || !QFileInfo::exists(chosen)) return;
    const PlaylistLoad load = LoadPlaylistFile(chosen);
    if (!load.ok()) {
        // The list on screen stays: an unreadable file must not cost the user it.
        UserDialogs::Current().Information(
            "Norvane", tr("The playlist %1 could not be read:<br>%2<br>The current playlist was kept.")
                           .arg(QDir::toNativeSeparators(chosen).toHtmlEscaped(), load.error.toHtmlEscaped()));
        return;
    }
    burnModel->Change([&](BurnListCore& core) { core.Replace(load); });
    playlistName = QFileInfo(chosen).completeBaseName();
    UpdateTotalTime();
    statusLabel->setText(tr("Finished Loading Playlist"));
    const QString note = PlaylistLoadNote(load);
    if (!note.isEmpty()) UserDialogs::Current().Information("Norvane", note);
}
