#include "library/quran.h"

#include <QDir>
#include <QFile>
#include <algorithm>

Quran::Quran() = default;

std::string Quran::PackFolder() {
    const std::string separator = QString(QDir::separator()).toStdString();
    return "." + separator + "quran" + separator;
}

void Quran::SetupJMap() {
    for (const JMapEntry& row : JMapRows()) jmap[row.name] = row;
}

const PackArchive* Quran::FindPack(int suraNumber) const {
    for (const JMapEntry& row : installedPacks) {
        if (row.first <= suraNumber && suraNumber <= row.last) {
            const auto pack = openPacks.find(row.name);
            return pack == openPacks.end() ? nullptr : &pack->second;
        }
    }
    return nullptr;
}

PackArchive Quran::ActivateNumber(int suraNumber) {
    // A sura that no installed pack holds leaves the previous pack active.
    if (const PackArchive* pack = FindPack(suraNumber)) activePack = *pack;
    return activePack;
}

PackArchive Quran::ActivateSura(int s) {
    const auto it = indexToSura.find(s);
    return ActivateNumber(it == indexToSura.end() ? 0 : it->second);
}

PackArchive Quran::ActivateSura(std::string str) { return ActivateNumber(Sura().SuraNumber(str)); }

PackArchive Quran::PackForSura(int suraNumber) const {
    const PackArchive* pack = FindPack(suraNumber);
    return pack ? *pack : PackArchive();
}

void Quran::GetSuras() {
    SetupJMap();
    const QDir folder(QString::fromStdString(PackFolder()));
    const QStringList listed =
        folder.entryList({QStringLiteral("*.mat")}, QDir::Files, QDir::Name | QDir::IgnoreCase);

    availableSuras.clear();
    installedPacks.clear();
    openPacks.clear();

    std::vector<std::string> names;
    for (const QString& name : listed) names.push_back(QFile::encodeName(name).toStdString());
    // Byte order puts the packs, whose names start with their zero-padded
    // first sura, in sura order.
    std::sort(names.begin(), names.end());

    for (const std::string& name : names) {
        const auto row = jmap.find(name);
        if (row == jmap.end()) continue;  // not a sura pack: it has no sura range
        installedPacks.push_back(row->second);
        for (int n = row->second.first; n <= row->second.last; ++n) availableSuras.push_back(n);
        PackArchive pack;
        pack.Open(PackFolder() + name);  // an unreadable pack still lists its suras
        openPacks[name] = pack;
    }
}

void Quran::Setup() {
    GetSuras();
    indexToSura.clear();
    for (size_t i = 0; i < availableSuras.size(); ++i) indexToSura[int(i)] = availableSuras[i];
}

std::vector<JMapEntry> Quran::WhichSuras() { return installedPacks; }
