#pragma once
// The installed sura packs of one recitation: found in its pack folders
// (the packs directly in the pack folders of the locations in use, unless
// another recitation is chosen), opened once, and activated by list index
// or sura key.

#include "library/packarchive.h"
#include "library/suracatalogue.h"

#include <QObject>
#include <QString>
#include <map>
#include <string>
#include <vector>

class Quran : public QObject {
    Q_OBJECT
public:
    Quran();

public slots:
    void SetupJMap();
    PackArchive ActivateSura(int s);
    PackArchive ActivateSura(std::string str);
    void GetSuras();
    void Setup();
    std::vector<JMapEntry> WhichSuras();

public:
    // Which recitation the next Setup reads ("" or "default": the packs
    // directly in the pack folders, as every earlier version kept them).
    void UseRecitation(const QString& name) { recitation = name; }
    const QString& Recitation() const { return recitation; }

    // The pack that holds a sura (by number) without changing the active
    // pack; an empty pack when none is installed. Used for measuring.
    PackArchive PackForSura(int suraNumber) const;
    const std::vector<int>& AvailableSuras() const { return availableSuras; }
    // The reciter named inside the pack that holds a sura (by key, "002",
    // or number); empty when the pack names none.
    QString Reciter(const std::string& suraKey) const;
    QString Reciter(int suraNumber) const;

private:
    QString recitation;
    std::map<std::string, JMapEntry> jmap;
    std::map<int, int> indexToSura;
    std::vector<int> availableSuras;
    std::vector<JMapEntry> installedPacks;
    std::map<std::string, PackArchive> openPacks;
    PackArchive activePack;

    // The installed pack whose range holds a sura number, or null.
    const PackArchive* FindPack(int suraNumber) const;
    PackArchive ActivateNumber(int suraNumber);
};
