#include "library/suracatalogue.h"

#include "library/ayakey.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <iterator>

namespace {

struct SuraRow {
    const char* key;
    int ayas;
    const char* shortName;
};

// Key, number of ayas and display name of every sura. The first name keeps
// its trailing space: list rows and saved data have always carried it.
const SuraRow kSuraRows[] = {
    {"001", 7, "1. Al-Fatiha "},
    {"002", 286, "2. Al-Baqara"},
    {"003", 200, "3. Aal-E-Imran"},
    {"004", 176, "4. An-Nisa"},
    {"005", 120, "5. Al-Maeda"},
    {"006", 165, "6. Al-Anaam"},
    {"007", 206, "7. Al-Araf"},
    {"008", 75, "8. Al-Anfal"},
    {"009", 129, "9. At-Tawba"},
    {"010", 109, "10. Yunus"},
    {"011", 123, "11. Hud"},
    {"012", 111, "12. Yusuf"},
    {"013", 43, "13. Ar-Rad"},
    {"014", 52, "14. Ibrahim"},
    {"015", 99, "15. Al-Hijr"},
    {"016", 128, "16. An-Nahl"},
    {"017", 111, "17. Al-Isra"},
    {"018", 110, "18. Al-Kahf"},
    {"019", 98, "19. Maryam"},
    {"020", 135, "20. Ta-Ha"},
    {"021", 112, "21. Al-Anbiya"},
    {"022", 78, "22. Al-Hajj"},
    {"023", 118, "23. Al-Mumenoon"},
    {"024", 64, "24. An-Noor"},
    {"025", 77, "25. Al-Furqan"},
    {"026", 227, "26. Ash-Shuara"},
    {"027", 93, "27. An-Naml"},
    {"028", 88, "28. Al-Qasas"},
    {"029", 69, "29. Al-Ankaboot"},
    {"030", 60, "30. Ar-Room"},
    {"031", 34, "31. Luqman"},
    {"032", 30, "32. As-Sajda"},
    {"033", 73, "33. Al-Ahzab"},
    {"034", 54, "34. Saba"},
    {"035", 45, "35. Fatir"},
    {"036", 83, "36. Ya-Seen"},
    {"037", 182, "37. As-Saaffat"},
    {"038", 88, "38. Sad"},
    {"039", 75, "39. Az-Zumar"},
    {"040", 85, "40. Al-Ghafir"},
    {"041", 54, "41. Fussilat"},
    {"042", 53, "42. Ash-Shura"},
    {"043", 89, "43. Az-Zukhruf"},
    {"044", 59, "44. Ad-Dukhan"},
    {"045", 37, "45. Al-Jathiya"},
    {"046", 35, "46. Al-Ahqaf"},
    {"047", 38, "47. Muhammad"},
    {"048", 29, "48. Al-Fath"},
    {"049", 18, "49. Al-Hujraat"},
    {"050", 45, "50. Qaf"},
    {"051", 60, "51. Adh-Dhariyat"},
    {"052", 49, "52. At-Tur"},
    {"053", 62, "53. An-Najm"},
    {"054", 55, "54. Al-Qamar"},
    {"055", 78, "55. Ar-Rahman"},
    {"056", 96, "56. Al-Waqia"},
    {"057", 29, "57. Al-Hadid"},
    {"058", 22, "58. Al-Mujadila"},
    {"059", 24, "59. Al-Hashr"},
    {"060", 13, "60. Al-Mumtahina"},
    {"061", 14, "61. As-Saff"},
    {"062", 11, "62. Al-Jumua"},
    {"063", 11, "63. Al-Munafiqoon"},
    {"064", 18, "64. At-Taghabun"},
    {"065", 12, "65. At-Talaq"},
    {"066", 12, "66. At-Tahrim"},
    {"067", 30, "67. Al-Mulk"},
    {"068", 52, "68. Al-Qalam"},
    {"069", 52, "69. Al-Haaqqa"},
    {"070", 44, "70. Al-Maarij"},
    {"071", 28, "71. Nooh"},
    {"072", 28, "72. Al-Jinn"},
    {"073", 20, "73. Al-Muzzammil"},
    {"074", 56, "74. Al-Muddaththir"},
    {"075", 40, "75. Al-Qiyama"},
    {"076", 31, "76. Al-Insan"},
    {"077", 50, "77. Al-Mursalat"},
    {"078", 40, "78. An-Naba"},
    {"079", 46, "79. An-Naziat"},
    {"080", 42, "80. Abasa"},
    {"081", 29, "81. At-Takwir"},
    {"082", 19, "82. Al-Infitar"},
    {"083", 36, "83. Al-Mutaffifin"},
    {"084", 25, "84. Al-Inshiqaq"},
    {"085", 22, "85. Al-Burooj"},
    {"086", 17, "86. At-Tariq"},
    {"087", 19, "87. Al-Ala"},
    {"088", 26, "88. Al-Ghashiya"},
    {"089", 30, "89. Al-Fajr"},
    {"090", 20, "90. Al-Balad"},
    {"091", 15, "91. Ash-Shams"},
    {"092", 21, "92. Al-Lail"},
    {"093", 11, "93. Ad-Dhuha"},
    {"094", 8, "94. Al-Inshirah"},
    {"095", 8, "95. At-Tin"},
    {"096", 19, "96. Al-Alaq"},
    {"097", 5, "97. Al-Qadr"},
    {"098", 8, "98. Al-Bayyina"},
    {"099", 8, "99. Az-Zalzala"},
    {"100", 11, "100. Al-Adiyat"},
    {"101", 11, "101. Al-Qaria"},
    {"102", 8, "102. At-Takathur"},
    {"103", 3, "103. Al-Asr"},
    {"104", 9, "104. Al-Humaza"},
    {"105", 5, "105. Al-Fil"},
    {"106", 4, "106. Quraish"},
    {"107", 7, "107. Al-Maun"},
    {"108", 3, "108. Al-Kauther"},
    {"109", 6, "109. Al-Kafiroon"},
    {"110", 3, "110. An-Nasr"},
    {"111", 5, "111. Al-Masadd"},
    {"112", 4, "112. Al-Ikhlas"},
    {"113", 5, "113. Al-Falaq"},
    {"114", 6, "114. An-Nas"},
};

// The row of a three-digit key ("007"); null for anything else. The table
// is small and in key order, so a plain scan needs no index of its own.
const SuraRow* FindRow(const std::string& suraKey) {
    for (const SuraRow& row : kSuraRows)
        if (suraKey == row.key) return &row;
    return nullptr;
}

}  // namespace

std::string PadKey(const std::string& text) { return AyaKey::PartText(AyaKey::LeadingNumber(text)); }

std::string SuraTitle(const std::string& suraKey) {
    const std::string shortName = Sura().ShortName(suraKey);
    const size_t dot = shortName.find('.');
    if (dot == std::string::npos) return std::string();
    return QString::fromStdString(shortName.substr(dot + 1)).simplified().toStdString();
}

const std::vector<JMapEntry>& JMapRows() {
    static const std::vector<JMapEntry> rows = {
        {"s001_s002.mat", 1, 2},     {"s003_s004.mat", 3, 4},     {"s005_s006.mat", 5, 6},
        {"s007_s008.mat", 7, 8},     {"s009_s010.mat", 9, 10},    {"s011_s014.mat", 11, 14},
        {"s015_s018.mat", 15, 18},   {"s019_s022.mat", 19, 22},   {"s023_s026.mat", 23, 26},
        {"s027_s032.mat", 27, 32},   {"s033_s037.mat", 33, 37},   {"s038_s041.mat", 38, 41},
        {"s042_s045.mat", 42, 45},   {"s046_s051.mat", 46, 51},   {"s052_s057.mat", 52, 57},
        {"s058_s066.mat", 58, 66},   {"s067_s077.mat", 67, 77},   {"s078_s114.mat", 78, 114},
    };
    return rows;
}

std::string PackNameForSura(int suraNumber) {
    for (const JMapEntry& row : JMapRows()) {
        if (row.first <= suraNumber && suraNumber <= row.last) return row.name;
    }
    return std::string();
}

Sura::Sura() = default;

// Lookups never insert: an unknown key reads as absent (0 or empty).
int Sura::AyaCount(const std::string& suraKey) const {
    const SuraRow* row = FindRow(suraKey);
    return row ? row->ayas : 0;
}

std::string Sura::ShortName(const std::string& suraKey) const {
    const SuraRow* row = FindRow(suraKey);
    return row ? row->shortName : std::string();
}

int Sura::SuraNumber(const std::string& suraKey) const {
    const SuraRow* row = FindRow(suraKey);
    return row ? int(row - std::begin(kSuraRows)) + 1 : 0;
}

QString ArabicSuraName(int suraNumber) {
    // The data file: a header of comment lines, then one name a line in sura order.
    static const QStringList names = [] {
        QFile file(":/data/sura-names-ar.txt");
        QStringList lines;
        if (file.open(QIODevice::ReadOnly))
            for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
                if (!line.startsWith('#')) lines << line.trimmed();
        return lines;
    }();
    return suraNumber >= 1 && suraNumber <= names.size() ? names[suraNumber - 1] : QString();
}
