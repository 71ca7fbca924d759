// The burn-list slots of the main window: they read the widgets, change the
// burn list through its core, and show the result.
#include "app/norvane.h"

#include "app/userdialogs.h"
#include "burnlist/burnlist.h"
#include "app/cdlength.h"
#include "burnlist/playlist.h"
#include "app/packedimage.h"
#include "library/quran.h"
#include "library/suracatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
#include <algorithm>
#include <cstdlib>

namespace {

const char kPlaylistFilter[] = "Quran Aya Playlist (*.qap)";

QIcon BurnItemIcon() { return QIcon(LoadPackedImage("cd_add.png")); }

// Replaces the list box's items with the given texts, in that order.
void FillBurnListBox(QListWidget* box, const QStringList& texts) {
    const QIcon icon = BurnItemIcon();
    box->setUpdatesEnabled(false);
    box->clear();
    for (const QString& text : texts) new QListWidgetItem(icon, text, box);
    box->setUpdatesEnabled(true);
}

bool ItemLess(const QListWidgetItem* a, const QListWidgetItem* b) { return *a < *b; }

bool InOrder(const QList<QListWidgetItem*>& items) {
    return std::is_sorted(items.begin(), items.end(), ItemLess);
}

QList<QListWidgetItem*> ItemsOf(const QListWidget* box) {
    QList<QListWidgetItem*> items;
    items.reserve(box->count());
    for (int row = 0; row < box->count(); ++row) items << box->item(row);
    return items;
}

// Puts new items into the list box so that it ends in ascending text order,
// exactly as adding them and sorting the box would. When the box and the new
// items are each in order already (the usual case), every item finds its row
// by binary search, instead of re-sorting the whole box.
void InsertSorted(QListWidget* box, const QList<QListWidgetItem*>& added) {
    if (!InOrder(added) || !InOrder(ItemsOf(box))) {
        for (QListWidgetItem* item : added) box->addItem(item);
        box->sortItems(Qt::AscendingOrder);
        return;
    }
    int low = 0;  // rows before this hold smaller texts than the next new item
    for (QListWidgetItem* item : added) {
        int high = box->count();
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (*box->item(mid) < *item) low = mid + 1;
            else high = mid;
        }
        box->insertItem(low++, item);
    }
}

}  // namespace

void Norvane::SuraSelected(int index) {
    quran->ActivateSura(index);
    const auto found = suraByIndex.find(index);
    const std::string key = found == suraByIndex.end() ? std::string() : found->second;
    const int ayas = Sura().AyaCount(key);
    ayaListBox->clear();
    currentSura = key;
    const QIcon icon(LoadPackedImage("cd.png"));
    for (int i = 1; i <= ayas; ++i)
        new QListWidgetItem(icon, QString::fromStdString(PadKey(std::to_string(i))), ayaListBox);
}

void Norvane::AddOne() {
    const QListWidgetItem* current = ayaListBox->currentItem();
    if (!current) return;
    saya entry;
    entry.sura = currentSura;
    entry.aya = current->text().toStdString();
    entry.reps = ayaRepSpin->value();
    entry.pause = ayaPauseSpin->value();
    entry.lengthPauseQuarters = LengthPauseQuarters();
    if (!burnCore.Add(entry)) {
        UserDialogs::Current().Information(
            "Norvane", QString::fromStdString(entry.Key()) +
                           " already in playlist.<br>Remove from playlist if you wish to update time or pause "
                           "and then re-add.");
        return;
    }
    InsertSorted(burnListBox, {new QListWidgetItem(BurnItemIcon(), ItemText(entry))});
    UpdateTotalTime();
    statusLabel->setText("Added aya");
}

// Adds the whole sura in one batch: each aya finds its place in the list and
// in the list box by binary search, and the total is summed once at the end.
// That gives the same list, order, progress values and total as adding the
// ayas one by one, without re-sorting and re-summing after each of them.
void Norvane::AddAll() {
    const int n = ayaListBox->count();
    // A batch takes milliseconds; repainting the bar (and with it whatever
    // else waits to be painted) at every step would cost more than the batch.
    statusProgress->setUpdatesEnabled(false);
    statusProgress->setRange(0, n);
    const QIcon icon = BurnItemIcon();
    const int quarters = LengthPauseQuarters();
    QList<QListWidgetItem*> added;
    for (int i = 1; i <= n; ++i) {
        saya entry;
        entry.sura = currentSura;
        entry.aya = PadKey(std::to_string(i));
        entry.reps = ayaRepSpin->value();
        entry.pause = ayaPauseSpin->value();
        entry.lengthPauseQuarters = quarters;
        statusProgress->setValue(i);
        if (!burnCore.Add(entry)) continue;  // already listed: skipped without a word
        added << new QListWidgetItem(icon, ItemText(entry));
    }
    statusProgress->setUpdatesEnabled(true);
    if (!added.isEmpty()) {
        burnListBox->setUpdatesEnabled(false);
        InsertSorted(burnListBox, added);
        burnListBox->setUpdatesEnabled(true);
        UpdateTotalTime();
    }
    statusLabel->setText("Done adding sura");
}

void Norvane::RemoveOne() {
    QListWidgetItem* current = burnListBox->currentItem();
    if (!current) {
        UserDialogs::Current().Information("Norvane Error", "No aya selected to delete!");
        return;
    }
    RemoveSayaFromBurnList(SayaOfItemText(current->text()));
    UpdateTotalTime();
    delete burnListBox->takeItem(burnListBox->row(current));
}

void Norvane::RemoveAll() {
    burnListBox->clear();
    burnCore.Clear();
    playlistName.clear();  // a new list, no longer the loaded playlist
    UpdateTotalTime();
}

void Norvane::RemoveSura() {
    const QListWidgetItem* current = burnListBox->currentItem();
    if (!current) {
        UserDialogs::Current().Information("Norvane Error", "No sura selected to delete!");
        return;
    }
    burnCore.RemoveSura(SayaOfItemText(current->text()).sura);
    // Entries that keep a group show it, so the list shows what will be made.
    FillBurnListBox(burnListBox, burnCore.ItemTexts());
    UpdateTotalTime();
    burnListBox->sortItems(Qt::AscendingOrder);
}

void Norvane::ClickedPlaylist(QListWidgetItem*) { RemoveOne(); }

void Norvane::ClickedAyalist(QListWidgetItem*) { AddOne(); }

void Norvane::AssignGroup() {
    if (!burnListBox->currentItem()) return;
    std::set<std::pair<std::string, std::string>> selected;
    for (int i = 0; i < burnListBox->count(); ++i) {
        if (!burnListBox->item(i)->isSelected()) continue;
        const saya s = SayaOfItemText(burnListBox->item(i)->text());
        selected.insert({s.sura, s.aya});
    }
    const int group = std::atoi(groupCombo->currentText().toLatin1().constData());
    burnCore.AssignGroup(selected, group, groupRepSpin->value(), groupPauseSpin->value(), buildUpCheck->isChecked());
    UpdateTotalTime();
    // Refilled in burn-list order, the order the tracks will be made in.
    FillBurnListBox(burnListBox, burnCore.ItemTexts());
}

void Norvane::UpdateTotalTime() {
    if (!ayaTimes.HasSource() && quran && audio) ayaTimes.SetSource(PackLengthSource(*quran, *audio));
    disc = ayaTimes.Disc(burnList, groupReps, ChosenPlay());
    cdLengthLabel->setText(CdLengthHtml(disc));
}

void Norvane::RemoveSayaFromBurnList(saya s) { burnCore.Remove(s.sura, s.aya); }

void Norvane::SavePlaylist() {
    const QString chosen = UserDialogs::Current().SaveFileName(this, "Choose a playlist name to save",
                                                                UserDialogs::StartDir(), kPlaylistFilter);
    if (chosen.isEmpty()) return;
    const QString path = PlaylistFileName(chosen);
    const QString error = SavePlaylistFile(path, burnList, groupReps);
    if (!error.isEmpty()) {
        UserDialogs::Current().Information(
            "Norvane", "The playlist could not be saved to " + QDir::toNativeSeparators(path).toHtmlEscaped() +
                           ":<br>" + error.toHtmlEscaped());
        return;
    }
    playlistName = QFileInfo(path).completeBaseName();
    statusLabel->setText("Finished Saving Playlist");
}

void Norvane::LoadPlaylist() {
    const QString chosen = UserDialogs::Current().OpenFileName(this, "Choose a playlist to open",
                                                                UserDialogs::StartDir(), kPlaylistFilter);
    if (chosen.isEmpty() || !QFileInfo::exists(chosen)) return;
    const PlaylistLoad load = LoadPlaylistFile(chosen);
    if (!load.ok()) {
        // The list on screen stays: an unreadable file must not cost the user it.
        UserDialogs::Current().Information(
            "Norvane", "The playlist " + QDir::toNativeSeparators(chosen).toHtmlEscaped() +
                           " could not be read:<br>" + load.error.toHtmlEscaped() +
                           "<br>The current playlist was kept.");
        return;
    }
    burnCore.Replace(load);
    playlistName = QFileInfo(chosen).completeBaseName();
    // Built after every line is read, so each group shows the repetitions
    // it will be made with.
    FillBurnListBox(burnListBox, burnCore.ItemTexts());
    burnListBox->sortItems(Qt::AscendingOrder);
    UpdateTotalTime();
    statusLabel->setText("Finished Loading Playlist");
    const QString note = PlaylistLoadNote(load);
    if (!note.isEmpty()) UserDialogs::Current().Information("Norvane", note);
}
