// The compiled-in sura catalogue checked against itself, and the installed
// packs: discovery in ./quran and activation by list index and by key. Every
// test runs in a working folder of its own.

#include "library/ayakey.h"
#include "library/locations.h"
#include "library/packentry.h"
#include "library/quran.h"
#include "library/recitation.h"
#include "support/testenv.h"

#include <QtTest>
#include <climits>
#include <optional>

namespace {

// A tiny pack whose entry "which" names the pack, so a test can tell which
// pack an activation returned.
void installPack(const std::string& name) {
    QVERIFY(testenv::writePack(QString::fromStdString("quran/" + name), {{"which", QByteArray::fromStdString(name)}}));
}

QString which(const PackArchive& pack) {
    const std::vector<char> bytes = pack.Extract("which");
    return QString::fromStdString(std::string(bytes.begin(), bytes.end()));
}

}  // namespace

class TestQuran : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(work.emplace().ok()); }

    // PadKey reads like atoi. Every sura has a key of its own number, a title
    // and a pack (its ayas add up to the Quran's total in the key test
    // below); keys of no sura read as absent.
    void catalogueIsConsistent() {
        const QList<QPair<const char*, const char*>> pads{
            {"7", "007"}, {"286", "286"}, {"12abc", "012"}, {"  5", "005"}, {"abc", "000"},
            {"99999999999999999999", "2147483647"}};
        for (const auto& [text, key] : pads) QCOMPARE(QString::fromStdString(PadKey(text)), QString(key));
        const Sura sura;
        for (int n = 1; n <= Sura::kSuraCount; ++n) {
            const std::string key = PadKey(std::to_string(n));
            QVERIFY2(sura.SuraNumber(key) == n && !SuraTitle(key).empty() && !PackNameForSura(n).empty(), key.c_str());
        }
        // The Arabic names, one of its own for each sura, as the dataset spells them.
        const QStringList dataset = QString::fromUtf8(testenv::readFile(NORVANE_SOURCE_DIR "/data/sura-names-ar.txt"))
                                        .split('\n', Qt::SkipEmptyParts).filter(QRegularExpression("^[^#]"));
        QSet<QString> arabic;
        for (int n = 1; n <= Sura::kSuraCount; ++n) arabic << ArabicSuraName(n);
        QVERIFY(arabic.size() == Sura::kSuraCount && !arabic.contains(QString()) && ArabicSuraName(115).isEmpty());
        for (int n = 1; n <= Sura::kSuraCount; ++n) QCOMPARE(ArabicSuraName(n), dataset.value(n - 1));
        for (const char* key : {"78", "1", "", "002 ", "000", "115"})
            QVERIFY2(sura.SuraNumber(key) == 0 && sura.AyaCount(key) == 0 && SuraTitle(key).empty(), key);
    }

    // Keys are read strictly where the program wrote them and leniently
    // where people did (playlists): blanks around any count of digits.
    void ayaKeysParseAndFormat() {
        const QList<QPair<const char*, int>> strictParts{{"007", 7}, {"286", 286}, {"000", 0}, {"07", -1},
            {"0007", -1}, {" 07", -1}, {"+07", -1}, {"0x7", -1}, {"", -1}};
        for (const auto& [text, number] : strictParts)
            QVERIFY2(AyaKey::ParsePart(text).value_or(-1) == number, text);
        const QList<QPair<const char*, int>> lenientParts{{"2", 2}, {" 0002 ", 2}, {"\t7\r", 7}, {"255", 255},
            {"99999999999999999999", INT_MAX}, {"", -1}, {"  ", -1}, {"2a", -1}, {"2 5", -1}, {"-2", -1}, {"+2", -1}};
        for (const auto& [text, number] : lenientParts)
            QVERIFY2(AyaKey::ParseLenientPart(text).value_or(-1) == number, text);
        for (const char* bad : {"2.255", "002.25", "002,255", "002.2550", " 002.255", "002.255 ", "002..55", ""})
            QVERIFY2(!AyaKey::Parse(bad), bad);
        QVERIFY(AyaKey::Parse("002.255") == AyaKey(2, 255));
        // Every aya's key reads back as itself; a key one past a sura's end names no aya.
        int ayas = 0;
        for (int s = 1; s <= Sura::kSuraCount; ++s) {
            const int count = Sura().AyaCount(AyaKey::PartText(s));
            for (int a = 1; a <= count; ++a, ++ayas)
                QVERIFY(AyaKey::Parse(AyaKey(s, a).Text()) == AyaKey(s, a) && AyaKey(s, a).Exists());
            QVERIFY(!AyaKey(s, count + 1).Exists() && !AyaKey(s, 0).Exists());
        }
        QCOMPARE(ayas, Sura::kAyaTotal);
        QVERIFY(!AyaKey(0, 1).SuraExists() && !AyaKey(115, 1).SuraExists());
    }

    // Names are matched exactly; an unreadable pack still lists its suras,
    // activating it gives nothing, and asking it for a recording says why.
    void activationByIndexAndKeyAndRescan() {
        for (const char* name : {"s078_s114.mat", "s003_s004.mat", "s001_s002.mat", "extra.mat", "S005_S006.mat",
                                 "s007_s008.mat.bak"})
            installPack(name);
        QVERIFY(QDir().mkpath("quran/s009_s010.mat"));  // a folder, not a pack
        testenv::writeFile("quran/s011_s014.mat", "JR2 this is no pack");
        Quran quran;
        quran.Setup();
        std::vector<int> expected{1, 2, 3, 4, 11, 12, 13, 14};
        for (int n = 78; n <= 114; ++n) expected.push_back(n);
        QCOMPARE(quran.AvailableSuras(), expected);
        QCOMPARE(which(quran.ActivateSura(8)), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(0)), QString("s001_s002.mat"));
        // An index outside the list activates nothing: the last pack stays.
        QCOMPARE(which(quran.ActivateSura(-1)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("078"))), QString("s078_s114.mat"));
        // "2" is no sura key, and sura 50 is in no installed pack: the active pack stays.
        QCOMPARE(which(quran.ActivateSura(std::string("2"))), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("050"))), QString("s078_s114.mat"));
        // Measuring looks into other packs without activating them.
        QCOMPARE(which(quran.PackForSura(1)), QString("s001_s002.mat"));
        QVERIFY(quran.PackForSura(50).Path().empty());
        QVERIFY(quran.ActivateSura(std::string("011")).Extract("which").empty());
        // Taking a recording out of it names the pack, its reason and the check to run.
        QCOMPARE(WritePackEntry(quran, "011.001.mp3", "./").Text(),
                 QString("the pack s011_s014.mat cannot be read (not a pack archive): run norvane-pack verify"));

        QVERIFY(QFile::remove("quran/s001_s002.mat"));
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), std::vector<int>(expected.begin() + 2, expected.end()));
        QCOMPARE(which(quran.ActivateSura(0)), QString("s003_s004.mat"));
        // Index 44 belonged to the longer list; it must not still name sura 114.
        QCOMPARE(which(quran.ActivateSura(44)), QString("s003_s004.mat"));
        QVERIFY(QDir("quran").removeRecursively());
        quran.Setup();
        QVERIFY(quran.AvailableSuras().empty() && quran.WhichSuras().empty());
    }

    // Recitations side by side: the packs directly in quran/ stay "default";
    // a folder with a manifest or a pack is a recitation of its own, and
    // nothing else is (a hidden folder, a folder of other files). A damaged
    // manifest still leaves the packs usable.
    void recitationsSideBySide() {
        Locations::Use(Locations::Portable());
        installPack("s001_s002.mat");
        installPack("Husary/s078_s114.mat");
        installPack(".hidden/s001_s002.mat");
        QVERIFY(QDir().mkpath("quran/notes") && testenv::writeFile("quran/notes/readme.txt", "x"));
        RecitationManifest english;
        english.kind = RecitationManifest::kTranslation;
        english.displayName = "English (Sahih International)";
        QVERIFY(english.Write("quran/English").Ok());
        installPack("Broken/s003_s004.mat");
        QVERIFY(testenv::writeFile("quran/Broken/recitation.json", "{\"kind\": "));
        QStringList names;
        for (const RecitationInfo& info : Recitations::Installed()) names << info.name + "=" + info.DisplayName();
        QCOMPARE(names, (QStringList{"default=default", "Broken=Broken", "English=English (Sahih International)",
                                     "Husary=Husary"}));
        QVERIFY(Recitations::Find("English")->manifest.IsTranslation() && !Recitations::Find("Husary")->manifest.IsTranslation());
        QVERIFY(!Recitations::Find("notes") && !Recitations::Find(".hidden") && Recitations::Find("")->IsDefault());
        Quran quran;
        for (const auto& [name, first] : QList<QPair<QString, int>>{{"", 1}, {"Husary", 78}, {"Broken", 3}, {"English", -1}}) {
            quran.UseRecitation(name);
            quran.Setup();
            QCOMPARE(quran.AvailableSuras().empty() ? -1 : quran.AvailableSuras().front(), first);
        }
        for (const char* bad : {"", "default", "..", ".x", "a/b", "a\\b", " a", "tab\there", "x:y"})
            QVERIFY2(Recitations::CheckName(bad), bad);
        for (const char* good : {"Alafasy_128kbps", "Husary (Muallim)", "العفاسي"}) QVERIFY2(Recitations::CheckName(good).Ok(), good);
    }

private:
    std::optional<testenv::WorkFolder> work;
};

QTEST_GUILESS_MAIN(TestQuran)
#include "test_quran.moc"
