// The window's recitations: which one the sura list, the disc's length and
// the jobs use.
#include "app/norvane.h"
#include "library/quran.h"
#include "library/recitation.h"
#include "settings/qinifile.h"

#include <QComboBox>

namespace {

const char kSection[] = "play";
const char kRecitationKey[] = "recitation";

// How the chooser names a recitation: its title, and its kind when it is
// no recitation of the Quran itself.
QString ChooserText(const RecitationInfo& recitation) {
    if (recitation.IsDefault()) return "Installed packs";
    const QString title = recitation.DisplayName();
    return recitation.manifest.IsTranslation() ? title + " (translation)" : title;
}

}  // namespace

void Norvane::FillRecitationList() {
    const QString kept = settings->ReadString(kSection, kRecitationKey);
    recitationCombo->clear();
    for (const RecitationInfo& recitation : Recitations::Installed()) {
        recitationCombo->addItem(ChooserText(recitation), recitation.name);
        recitationCombo->setItemData(recitationCombo->count() - 1, recitation.manifest.source, Qt::ToolTipRole);
    }
    // A recitation that is gone since leaves the installed packs chosen.
    const int index = recitationCombo->findData(kept.isEmpty() ? Recitations::kDefaultName : kept);
    recitationCombo->setCurrentIndex(qMax(index, 0));
    quran->UseRecitation(recitationCombo->currentData().toString());
}

void Norvane::RecitationChosen(int index) {
    const QString name = recitationCombo->itemData(index).toString();
    if (name == quran->Recitation()) return;
    settings->WriteString(kSection, kRecitationKey, name);
    quran->UseRecitation(name);
    ayaTimes = TotalTime();  // the lengths were the other recitation's
    RefreshSuraList();
    UpdateTotalTime();
}
