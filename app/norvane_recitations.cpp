// The window's recitations: which one the sura list, the disc's length and
// the jobs use.
#include "app/norvane.h"
#include "app/getrecitation.h"
#include "app/progress.h"
#include "app/userdialogs.h"
#include "library/quran.h"
#include "library/recitation.h"
#include "settings/qinifile.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

const char kSection[] = "play";
const char kRecitationKey[] = "recitation";

// How the chooser names a recitation: its title, and its kind when it is
// no recitation of the Quran itself.
QString ChooserText(const RecitationInfo& recitation) {
    if (recitation.IsDefault()) return Norvane::tr("Installed packs");
    const QString title = recitation.DisplayName();
    return recitation.manifest.IsTranslation() ? Norvane::tr("%1 (translation)").arg(title) : title;
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

void Norvane::FillTranslationList() {
    const QSignalBlocker quiet(translationCombo);  // the choice kept is not rewritten while the list fills
    translationCombo->clear();
    translationCombo->addItem(tr("none"), QString());
    for (const RecitationInfo& recitation : Recitations::Installed())
        if (recitation.manifest.IsTranslation()) translationCombo->addItem(recitation.DisplayName(), recitation.name);
    // A translation no longer installed falls back to none.
    translationCombo->setCurrentIndex(qMax(0, translationCombo->findData(settings->ReadString(kSection, "translation"))));
}

void Norvane::RecitationChosen(int index) {
    const QString name = recitationCombo->itemData(index).toString();
    if (name == quran->Recitation()) return;
    settings->WriteString(kSection, kRecitationKey, name);
    quran->UseRecitation(name);
    ReloadPacks();
}

void Norvane::ReloadPacks() {
    ayaTimes = TotalTime();  // the lengths measured were of other packs
    RefreshSuraList();
    UpdateTotalTime();
}

void Norvane::ShowReport(const QString& title, const QString& outcome, const QStringList& lines) {
    // The report in a box of its own, where long lines can be read; the rest
    // stays in the log.
    const int shown = 25;
    QString text = outcome + "\n\n" + lines.mid(0, shown).join('\n');
    if (lines.size() > shown) text += tr("\n… and %1 more lines in the log.").arg(lines.size() - shown);
    progress->SendMsg(outcome);
    UserDialogs::Current().Information(title, text);
}

void Norvane::GetRecitation() {
    if (currentJob) return;
    GetRecitationDialog dialog(settings->ReadString("download", "base"), this);
    if (!UserDialogs::Current().Run(dialog)) return;
    settings->WriteString("download", "base", dialog.Base());
    const DownloadOrder order = dialog.Order();
    auto* job = new RecitationDownload(this);
    FollowJob(job, [this, name = order.RecitationName()](Job& ended) {
        const DownloadReport& report = static_cast<RecitationDownload&>(ended).Report();
        RefreshRecitations(report.packsWritten.isEmpty() ? QString() : name);
        ShowReport(tr("Get Recitation"), tr("%1 of %2 ayas held.").arg(report.held).arg(report.asked),
                   RecitationDownload::ReportLines(report, ended.Result() == Job::Outcome::Cancelled));
    });
    job->Start(order);
}

void Norvane::RefreshRecitations(const QString& arrived) {
    FillRecitationList();
    FillTranslationList();
    // A recitation that just arrived is what the learner wants to hear.
    const int index = recitationCombo->findData(arrived);
    const auto recitation = Recitations::Find(arrived);
    if (index >= 0 && recitation && !recitation->manifest.IsTranslation()) recitationCombo->setCurrentIndex(index);
    const QString chosen = recitationCombo->currentData().toString();
    settings->WriteString(kSection, kRecitationKey, chosen);
    quran->UseRecitation(chosen);
    ReloadPacks();
}
