#include "library/quran.h"

#include "library/recitation.h"

#include <QDir>
#include <QFile>
#include <algorithm>

Quran::Quran() = default;


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
    // Pack names to their files; of packs of one name the first folder's wins.
    std::map<std::string, std::string> found;
    for (const QString& folderPath : Recitations::FoldersOf(recitation)) {
        const QDir folder(folderPath);
        for (const QString& name : folder.entryList({QStringLiteral("*.mat")}, QDir::Files))
            found.emplace(QFile::encodeName(name).toStdString(), QFile::encodeName(folderPath + name).toStdString());
    }
    availableSuras.clear();
    installedPacks.clear();
    openPacks.clear();

    // Byte order puts the packs, whose names start with their zero-padded
    // first sura, in sura order.
    for (const auto& [name, path] : found) {
        const auto row = jmap.find(name);
        if (row == jmap.end()) continue;  // not a sura pack: it has no sura range
        installedPacks.push_back(row->second);
        for (int n = row->second.first; n <= row->second.last; ++n) availableSuras.push_back(n);
        PackArchive pack;
        pack.Open(path);  // an unreadable pack still lists its suras
        openPacks[name] = pack;
    }
}

QString Quran::Reciter(int suraNumber) const {
    const PackArchive* pack = FindPack(suraNumber);
    return pack ? ReciterOfPack(*pack) : QString();
}

QString Quran::Reciter(const std::string& suraKey) const { return Reciter(Sura().SuraNumber(suraKey)); }

void Quran::Setup() {
    GetSuras();
    indexToSura.clear();
    for (size_t i = 0; i < availableSuras.size(); ++i) indexToSura[int(i)] = availableSuras[i];
}

std::vector<JMapEntry> Quran::WhichSuras() { return installedPacks; }
