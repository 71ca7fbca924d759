// The compiled-in sura catalogue checked against itself, and the installed
// packs: discovery in ./quran and activation by list index and by key. Every
// test runs in a working folder of its own.

#include "library/quran.h"
#include "support/testenv.h"

#include <QtTest>
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

std::vector<int> range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) numbers.push_back(n);
    return numbers;
}

}  // namespace

class TestQuran : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(work.emplace().ok()); }
    void cleanup() { work.reset(); }

    void padKeyReadsLikeAtoi() {
        const QList<QPair<const char*, const char*>> cases{
            {"7", "007"}, {"286", "286"}, {"12abc", "012"}, {"  5", "005"}, {"abc", "000"},
            {"99999999999999999999", "2147483647"}};
        for (const auto& [text, key] : cases) QCOMPARE(QString::fromStdString(PadKey(text)), QString(key));
    }

    // Every sura has a key of its own number and a bare title, the counts add
    // up to the Quran's total, and exactly one pack row holds each sura.
    void catalogueIsConsistent() {
        const Sura sura;
        int total = 0;
        for (int n = 1; n <= Sura::kSuraCount; ++n) {
            const std::string key = PadKey(std::to_string(n));
            QCOMPARE(sura.SuraNumber(key), n);
            const QString title = QString::fromStdString(SuraTitle(key));
            QVERIFY2(!title.isEmpty() && title == title.simplified() && !title.at(0).isDigit(), key.c_str());
            total += sura.AyaCount(key);
            const auto holds = [n](const JMapEntry& row) { return row.first <= n && n <= row.last; };
            QCOMPARE(std::count_if(JMapRows().begin(), JMapRows().end(), holds), 1);
            QCOMPARE(PackNameForSura(n), std::find_if(JMapRows().begin(), JMapRows().end(), holds)->name);
        }
        QCOMPARE(total, Sura::kAyaTotal);
        for (const char* key : {"78", "1", "", "002 ", "000", "115"})
            QVERIFY2(sura.SuraNumber(key) == 0 && sura.AyaCount(key) == 0 && SuraTitle(key).empty(), key);
        QVERIFY(PackNameForSura(0).empty() && PackNameForSura(115).empty());
    }

    void activationByIndexAndKeyAndRescan() {
        for (const char* name : {"s078_s114.mat", "s003_s004.mat", "s001_s002.mat"}) installPack(name);
        Quran quran;
        quran.Setup();
        std::vector<int> expected = range(78, 114);
        expected.insert(expected.begin(), {1, 2, 3, 4});
        QVERIFY(quran.AvailableSuras() == expected && quran.WhichSuras().size() == 3);
        QCOMPARE(which(quran.ActivateSura(4)), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(0)), QString("s001_s002.mat"));
        // An index outside the list activates nothing: the last pack stays.
        QCOMPARE(which(quran.ActivateSura(41)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(-1)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("078"))), QString("s078_s114.mat"));
        // "2" is no sura key, and sura 50 is in no installed pack: the active pack stays.
        QCOMPARE(which(quran.ActivateSura(std::string("2"))), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("050"))), QString("s078_s114.mat"));
        // Measuring looks into other packs without activating them.
        QCOMPARE(which(quran.PackForSura(1)), QString("s001_s002.mat"));
        QVERIFY(quran.PackForSura(50).Path().empty());

        QVERIFY(QFile::remove("quran/s001_s002.mat"));
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), std::vector<int>(expected.begin() + 2, expected.end()));
        QCOMPARE(which(quran.ActivateSura(0)), QString("s003_s004.mat"));
        // Index 40 belonged to the longer list; it must not still name sura 114.
        QCOMPARE(which(quran.ActivateSura(40)), QString("s003_s004.mat"));
        QVERIFY(QDir("quran").removeRecursively());
        quran.Setup();
        QVERIFY(quran.AvailableSuras().empty() && quran.WhichSuras().empty());
    }

    void foreignAndBrokenFiles() {
        installPack("s003_s004.mat");
        installPack("extra.mat");
        installPack("S005_S006.mat");  // names are matched exactly
        installPack("s007_s008.mat.bak");
        QVERIFY(QDir().mkpath("quran/s009_s010.mat"));  // a folder, not a pack
        testenv::writeFile("quran/s011_s014.mat", "JR2 this is no pack");
        Quran quran;
        quran.Setup();
        // An unreadable pack still lists its suras; activating it gives nothing.
        QCOMPARE(quran.AvailableSuras(), (std::vector<int>{3, 4, 11, 12, 13, 14}));
        QCOMPARE(which(quran.ActivateSura(1)), QString("s003_s004.mat"));
        QVERIFY(quran.ActivateSura(std::string("011")).Extract("which").empty());
    }

private:
    std::optional<testenv::WorkFolder> work;
};

QTEST_GUILESS_MAIN(TestQuran)
#include "test_quran.moc"
