// The compiled-in sura catalogue checked against itself, and the installed
// packs: discovery in ./quran and activation by list index and by key. Every
// test runs in a working folder of its own.

#include "library/packentry.h"
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

}  // namespace

class TestQuran : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(work.emplace().ok()); }
    void cleanup() { work.reset(); }

    // PadKey reads like atoi. Every sura has a key of its own number, a title
    // and a pack, and the counts add up to the Quran's total; keys of no sura
    // read as absent.
    void catalogueIsConsistent() {
        const QList<QPair<const char*, const char*>> pads{
            {"7", "007"}, {"286", "286"}, {"12abc", "012"}, {"  5", "005"}, {"abc", "000"},
            {"99999999999999999999", "2147483647"}};
        for (const auto& [text, key] : pads) QCOMPARE(QString::fromStdString(PadKey(text)), QString(key));
        const Sura sura;
        int total = 0;
        for (int n = 1; n <= Sura::kSuraCount; ++n) {
            const std::string key = PadKey(std::to_string(n));
            QVERIFY2(sura.SuraNumber(key) == n && !SuraTitle(key).empty() && !PackNameForSura(n).empty(), key.c_str());
            total += sura.AyaCount(key);
        }
        QCOMPARE(total, Sura::kAyaTotal);
        for (const char* key : {"78", "1", "", "002 ", "000", "115"})
            QVERIFY2(sura.SuraNumber(key) == 0 && sura.AyaCount(key) == 0 && SuraTitle(key).empty(), key);
    }

    // Names are matched exactly; an unreadable pack still lists its suras, and
    // activating it gives nothing.
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
        QCOMPARE(which(quran.ActivateSura(45)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(-1)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("078"))), QString("s078_s114.mat"));
        // "2" is no sura key, and sura 50 is in no installed pack: the active pack stays.
        QCOMPARE(which(quran.ActivateSura(std::string("2"))), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("050"))), QString("s078_s114.mat"));
        // Measuring looks into other packs without activating them.
        QCOMPARE(which(quran.PackForSura(1)), QString("s001_s002.mat"));
        QVERIFY(quran.PackForSura(50).Path().empty());
        QVERIFY(quran.ActivateSura(std::string("011")).Extract("which").empty());

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

    // A pack that cannot be read keeps its suras in the list, and taking a
    // recording out of it (the silence too, which lies in the first pack)
    // names the pack, its own reason and the check to run; a recording of
    // a sura no pack holds is still called missing.
    void damagedPackIsNamedWithItsReason_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("index cut short") << QByteArray("JR1\x02\0\0\0", 7) + QByteArray(268, '\0')
                                         << "index cut short at entry 2";
        QTest::newRow("count 2^31") << QByteArray("JR1\0\0\0\x80", 7) << "entry count 2147483648";
        QTest::newRow("bad magic") << QByteArray("JRX\x01\0\0\0", 7) << "not a pack archive";
    }

    void damagedPackIsNamedWithItsReason() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QVERIFY(QDir().mkpath("quran") && testenv::writeFile("quran/s078_s114.mat", bytes));
        Quran quran;
        quran.Setup();
        QCOMPARE(quran.AvailableSuras().front(), 78);
        for (const char* name : {"078.001.mp3", "silence.mp3"}) {
            const QString why = WritePackEntry(quran, name, "./").Text();
            QVERIFY2(why.startsWith("the pack s078_s114.mat cannot be read (" + reason) &&
                         why.endsWith("): run norvane-pack verify"),
                     qPrintable(why));
            QVERIFY(!QFile::exists(name));
        }
        QCOMPARE(WritePackEntry(quran, "001.001.mp3", "./").Text(),
                 QString("the recording 001.001.mp3 is not in the installed packs"));
    }

private:
    std::optional<testenv::WorkFolder> work;
};

QTEST_GUILESS_MAIN(TestQuran)
#include "test_quran.moc"
