// The compiled-in sura catalogue checked against itself, and the installed
// packs: discovery in ./quran and activation by list index and by key. Every
// test runs in a working folder of its own.

#include "library/quran.h"
#include "support/testenv.h"

#include <QtTest>

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
    void init() {
        work = std::make_unique<testenv::WorkFolder>();
        QVERIFY(work->ok());
    }
    void cleanup() { work.reset(); }

    void padKeyReadsLikeAtoi() {
        const QList<QPair<const char*, const char*>> cases{
            {"7", "007"}, {"286", "286"}, {"12abc", "012"}, {"  5", "005"}, {"abc", "000"},
            {"99999999999999999999", "2147483647"}};
        for (const auto& [text, key] : cases) QCOMPARE(QString::fromStdString(PadKey(text)), QString(key));
    }

    // Every sura has ayas, a name of its own number and a bare title, the
    // counts add up to the Quran's total, and exactly one pack row holds it.
    void catalogueIsConsistent() {
        const Sura sura;
        int total = 0;
        for (int n = 1; n <= Sura::kSuraCount; ++n) {
            const std::string key = PadKey(std::to_string(n));
            QCOMPARE(sura.SuraNumber(key), n);
            QVERIFY2(sura.ShortName(key).rfind(std::to_string(n) + ". ", 0) == 0, key.c_str());
            const QString title = QString::fromStdString(SuraTitle(key));
            QVERIFY2(!title.isEmpty() && title == title.simplified() && !title.at(0).isDigit(), key.c_str());
            total += sura.AyaCount(key);
            int rows = 0;
            std::string holder;
            for (const JMapEntry& row : JMapRows()) {
                if (row.first > n || n > row.last) continue;
                ++rows;
                holder = row.name;
            }
            QCOMPARE(rows, 1);
            QCOMPARE(PackNameForSura(n), holder);
        }
        // A pack's name spells its range.
        for (const JMapEntry& row : JMapRows())
            QCOMPARE(row.name, "s" + PadKey(std::to_string(row.first)) + "_s" + PadKey(std::to_string(row.last)) + ".mat");
        QCOMPARE(total, Sura::kAyaTotal);
        for (const char* key : {"78", "1", "", "002 ", "000", "115"}) QCOMPARE(sura.SuraNumber(key), 0);
        QCOMPARE(sura.AyaCount("115"), 0);
        QVERIFY(PackNameForSura(0).empty() && PackNameForSura(115).empty() && SuraTitle("115").empty());
    }

    void activationByIndexAndKey() {
        installPack("s078_s114.mat");
        installPack("s001_s002.mat");
        Quran quran;
        quran.Setup();
        std::vector<int> expected = range(78, 114);
        expected.insert(expected.begin(), {1, 2});
        QCOMPARE(quran.AvailableSuras(), expected);
        QCOMPARE(int(quran.WhichSuras().size()), 2);

        QCOMPARE(which(quran.ActivateSura(2)), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(0)), QString("s001_s002.mat"));
        // An index past the list activates nothing: the last pack stays.
        QCOMPARE(which(quran.ActivateSura(39)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(-1)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("078"))), QString("s078_s114.mat"));
        // "2" is no sura key, and sura 50 is in no installed pack: the active pack stays.
        QCOMPARE(which(quran.ActivateSura(std::string("2"))), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("050"))), QString("s078_s114.mat"));
        // Measuring looks into other packs without activating them.
        QCOMPARE(which(quran.PackForSura(1)), QString("s001_s002.mat"));
        QVERIFY(quran.PackForSura(50).Path().empty());
        QCOMPARE(which(quran.ActivateSura(std::string("bogus"))), QString("s078_s114.mat"));
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

    void noPacksAtAll() {
        Quran quran;
        quran.Setup();
        QVERIFY(quran.AvailableSuras().empty() && quran.WhichSuras().empty());
        QVERIFY(quran.ActivateSura(0).Path().empty());
    }

    void setupAgainRescans() {
        for (const char* name : {"s001_s002.mat", "s003_s004.mat", "s005_s006.mat"}) installPack(name);
        Quran quran;
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), range(1, 6));
        QVERIFY(QFile::remove("quran/s001_s002.mat"));
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), range(3, 6));
        QCOMPARE(which(quran.ActivateSura(0)), QString("s003_s004.mat"));
        // Index 5 belonged to the longer list; it must not still name sura 6.
        QCOMPARE(which(quran.ActivateSura(5)), QString("s003_s004.mat"));
        QCOMPARE(which(quran.ActivateSura(3)), QString("s005_s006.mat"));
    }

private:
    std::unique_ptr<testenv::WorkFolder> work;
};

QTEST_GUILESS_MAIN(TestQuran)
#include "test_quran.moc"
