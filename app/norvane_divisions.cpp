// Choosing ayas by juz, hizb, quarter or page of the mushaf besides by
// sura: the choosers beside the sura chooser, and the aya grid across sura
// boundaries.
#include "app/norvane.h"

#include "app/packedimage.h"
#include "library/quran.h"

#include <QComboBox>
#include <QLayout>
#include <QListWidget>
#include <algorithm>

namespace {

constexpr Division kKinds[] = {Division::Sura, Division::Juz, Division::Hizb, Division::Quarter, Division::Page};

// The names the window shows; the table's own names stay English for its files and the command line.
QString KindText(Division kind) {
    switch (kind) {
        case Division::Sura: return Norvane::tr("Sura");
        case Division::Juz: return Norvane::tr("Juz");
        case Division::Hizb: return Norvane::tr("Hizb");
        case Division::Quarter: return Norvane::tr("Quarter");
        case Division::Page: return Norvane::tr("Page");
    }
    return QString();
}

QString NumberedText(Division kind, int n) {
    switch (kind) {
        case Division::Juz: return Norvane::tr("Juz %1").arg(n);
        case Division::Hizb: return Norvane::tr("Hizb %1").arg(n);
        case Division::Quarter: return Norvane::tr("Quarter %1").arg(n);
        case Division::Page: return Norvane::tr("Page %1").arg(n);
        case Division::Sura: break;
    }
    return Norvane::tr("Sura") + " " + QString::number(n);
}

}  // namespace

void Norvane::BuildDivisionChoosers(QWidget* row) {
    byCombo = new QComboBox(row);
    row->layout()->addWidget(byCombo);
    byCombo->setObjectName("byCombo");
    byCombo->setToolTip(tr("Choose ayas by sura, or by juz, hizb, quarter or page of the 604-page mushaf"));
    for (Division kind : kKinds) byCombo->addItem(KindText(kind), int(kind));
    connect(byCombo, qOverload<int>(&QComboBox::activated), this, &Norvane::DivisionKindChosen);
    divisionCombo = new QComboBox(row);
    row->layout()->addWidget(divisionCombo);
    divisionCombo->setObjectName("divisionCombo");
    divisionCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    divisionCombo->hide();
    connect(divisionCombo, qOverload<int>(&QComboBox::activated), this, &Norvane::DivisionSelected);
}

Division Norvane::ChosenDivision() const { return Division(byCombo->currentData().toInt()); }

void Norvane::DivisionKindChosen(int index) {
    byCombo->setCurrentIndex(index);
    const Division kind = ChosenDivision();
    suraCombo->setVisible(kind == Division::Sura);
    divisionCombo->setVisible(kind != Division::Sura);
    if (kind == Division::Sura) {
        SuraSelected(suraCombo->currentIndex());
        return;
    }
    divisionCombo->clear();
    for (int n = 1; n <= MushafDivisions::Count(kind); ++n)
        divisionCombo->addItem(NumberedText(kind, n));
    DivisionSelected(0);
}

// Only ayas of suras the chosen recitation has packs for are offered, as
// the sura chooser offers only those suras.
void Norvane::DivisionSelected(int index) {
    if (index < 0 || index >= MushafDivisions::Count(ChosenDivision())) return;
    divisionCombo->setCurrentIndex(index);
    const std::vector<int>& installed = quran->AvailableSuras();
    std::vector<AyaKey> ayas;
    for (const AyaKey& aya : MushafDivisions::Madani().Range(ChosenDivision(), index + 1).Ayas())
        if (std::find(installed.begin(), installed.end(), aya.SuraNumber()) != installed.end()) ayas.push_back(aya);
    ShowAyas(ayas);
}

void Norvane::ShowAyas(const std::vector<AyaKey>& ayas) {
    ayaListBox->clear();
    shownAyas = ayas;
    const bool acrossSuras = ChosenDivision() != Division::Sura;
    const QIcon icon = LoadPackedIcon("cd.png");
    for (const AyaKey& aya : ayas)
        new QListWidgetItem(icon, QString::fromStdString(acrossSuras ? aya.Text() : aya.AyaText()), ayaListBox);
}
