#pragma once
// The fixed knowledge of the Quran compiled into the program: sura keys,
// aya counts, short display names and which pack file holds which suras.

#include <QObject>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// Decimal text to a three-digit, zero-padded key: "7" -> "007", "114" -> "114".
// Reads the leading digits as atoi does.
std::string PadKey(const std::string& text);

// The bare sura title: the short name after its number, white space
// simplified ("1. Al-Fatiha " -> "Al-Fatiha"). Empty for an unknown key.
std::string SuraTitle(const std::string& suraKey);

// The sura's Arabic name (data/sura-names-ar.txt, compiled in); empty for a
// number that is no sura.
QString ArabicSuraName(int suraNumber);

// One JMap row: a pack file name and the suras it holds.
struct JMapEntry {
    std::string name;
    int16_t first = 0;
    int16_t last = 0;
};

// The eighteen JMap rows in pack-name order.
const std::vector<JMapEntry>& JMapRows();

// The name of the pack file that holds a sura (by number); empty when the
// number is no sura.
std::string PackNameForSura(int suraNumber);

class Sura : public QObject {
    Q_OBJECT
public:
    Sura();

    int AyaCount(const std::string& suraKey) const;
    std::string ShortName(const std::string& suraKey) const;
    int SuraNumber(const std::string& suraKey) const;

    static constexpr int kSuraCount = 114;
    static constexpr int kAyaTotal = 6236;
};
