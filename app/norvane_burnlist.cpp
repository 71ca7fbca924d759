// The burn-list slots of the main window.
#include "app/norvane.h"

#include "library/packarchive.h"
#include "library/quran.h"
#include "library/suracatalogue.h"

#include <QListWidget>

void Norvane::SuraSelected(int index) {
    currentPack = quran->ActivateSura(index);
    const auto found = suraByIndex.find(index);
    const std::string key = found == suraByIndex.end() ? std::string() : found->second;
    const int ayas = Sura().AyaCount(key);
    ayaListBox->clear();
    currentSura = key;
    const QIcon icon(LoadPackedImage("cd.png"));
    for (int i = 1; i <= ayas; ++i)
        new QListWidgetItem(icon, QString::fromStdString(PadKey(std::to_string(i))), ayaListBox);
}

// NOT BUILT YET: the editing slots below come with the burn-list work.
void Norvane::AddOne() {}
void Norvane::AddAll() {}
void Norvane::RemoveOne() {}
void Norvane::RemoveAll() {}
void Norvane::RemoveSura() {}
void Norvane::ClickedPlaylist(QListWidgetItem*) { RemoveOne(); }
void Norvane::ClickedAyalist(QListWidgetItem*) { AddOne(); }
void Norvane::AssignGroup() {}
void Norvane::UpdateTotalTime() {}
void Norvane::RemoveSayaFromBurnList(saya) {}
void Norvane::SavePlaylist() {}
void Norvane::LoadPlaylist() {}
