// Discovery of installed sura packs and activation by list index and key.
// Quran looks in the working directory, so every test runs in a fresh one.

#include "library/quran.h"
#include "support/testenv.h"

#include <QTemporaryDir>
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
    std::vector<int> v;
    for (int n = first; n <= last; ++n) v.push_back(n);
    return v;
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

    void packFolderIsRelative() {
        const QString sep = QDir::separator();
        QCOMPARE(QString::fromStdString(Quran::PackFolder()), "." + sep + "quran" + sep);
    }

    void twoPacksGiveThirtyNineSuras() {
        installPack("s078_s114.mat");
        installPack("s001_s002.mat");
        Quran quran;
        quran.Setup();

        std::vector<int> expected{1, 2};
        const std::vector<int> tail = range(78, 114);
        expected.insert(expected.end(), tail.begin(), tail.end());
        QCOMPARE(quran.AvailableSuras(), expected);
        QCOMPARE(int(expected.size()), 39);

        const std::vector<JMapEntry> packs = quran.WhichSuras();
        QCOMPARE(int(packs.size()), 2);
        QCOMPARE(QString::fromStdString(packs[0].name), QString("s001_s002.mat"));
        QCOMPARE(int(packs[0].first), 1);
        QCOMPARE(int(packs[0].last), 2);
        QCOMPARE(QString::fromStdString(packs[1].name), QString("s078_s114.mat"));
        QCOMPARE(int(packs[1].first), 78);
        QCOMPARE(int(packs[1].last), 114);

        QCOMPARE(which(quran.ActivateSura(1)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(2)), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(38)), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(0)), QString("s001_s002.mat"));
        // An index past the list activates nothing: the last pack stays.
        QCOMPARE(which(quran.ActivateSura(39)), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(-1)), QString("s001_s002.mat"));
    }

    void activationByKeyNeedsAnExactKey() {
        installPack("s001_s002.mat");
        installPack("s078_s114.mat");
        Quran quran;
        quran.Setup();
        QCOMPARE(which(quran.ActivateSura(std::string("002"))), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("078"))), QString("s078_s114.mat"));
        // "78" is no sura key: the previously active pack comes back.
        QCOMPARE(which(quran.ActivateSura(std::string("78"))), QString("s078_s114.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("001"))), QString("s001_s002.mat"));
        QCOMPARE(which(quran.ActivateSura(std::string("78"))), QString("s001_s002.mat"));
        // A sura that no installed pack holds also keeps the previous pack.
        QCOMPARE(which(quran.ActivateSura(std::string("050"))), QString("s001_s002.mat"));
    }

    void measuringDoesNotChangeTheActivePack() {
        installPack("s001_s002.mat");
        installPack("s078_s114.mat");
        Quran quran;
        quran.Setup();
        quran.ActivateSura(0);
        QCOMPARE(which(quran.PackForSura(100)), QString("s078_s114.mat"));
        QCOMPARE(which(quran.PackForSura(50)), QString());
        QVERIFY(quran.PackForSura(50).Path().empty());
        QCOMPARE(which(quran.ActivateSura(std::string("bogus"))), QString("s001_s002.mat"));
    }

    void allEighteenPacks() {
        for (const JMapEntry& row : JMapRows()) installPack(row.name);
        Quran quran;
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), range(1, 114));
        QCOMPARE(int(quran.WhichSuras().size()), 18);
        for (int i = 0; i < 114; ++i)
            QCOMPARE(which(quran.ActivateSura(i)), QString::fromStdString(PackNameForSura(i + 1)));
    }

    void foreignFilesAreSkipped() {
        installPack("s003_s004.mat");
        installPack("extra.mat");
        installPack("S005_S006.mat");  // names are matched exactly
        installPack("s007_s008.mat.bak");
        QVERIFY(QDir().mkpath("quran/s009_s010.mat"));  // a folder, not a pack
        Quran quran;
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), range(3, 4));
        QCOMPARE(int(quran.WhichSuras().size()), 1);
        QCOMPARE(which(quran.ActivateSura(0)), QString("s003_s004.mat"));
        QCOMPARE(which(quran.ActivateSura(2)), QString("s003_s004.mat"));
    }

    void unreadablePackStillListsItsSuras() {
        QVERIFY(QDir().mkpath("quran"));
        testenv::writeFile("quran/s005_s006.mat", "JR2 this is no pack");
        installPack("s007_s008.mat");
        Quran quran;
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), range(5, 8));
        const PackArchive broken = quran.ActivateSura(std::string("005"));
        QVERIFY(broken.Extract("which").empty());
        QVERIFY(broken.Extract("silence.mp3").empty());
        QCOMPARE(which(quran.ActivateSura(2)), QString("s007_s008.mat"));
    }

    void noPacks_data() {
        QTest::addColumn<bool>("makeFolder");
        QTest::newRow("no quran folder") << false;
        QTest::newRow("empty quran folder") << true;
    }

    void noPacks() {
        QFETCH(bool, makeFolder);
        if (makeFolder) QVERIFY(QDir().mkpath("quran"));
        Quran quran;
        quran.Setup();
        QVERIFY(quran.AvailableSuras().empty());
        QVERIFY(quran.WhichSuras().empty());
        const PackArchive pack = quran.ActivateSura(0);
        QVERIFY(pack.Path().empty());
        QVERIFY(pack.Extract("silence.mp3").empty());
    }

    void setupAgainRescans() {
        installPack("s001_s002.mat");
        installPack("s003_s004.mat");
        installPack("s005_s006.mat");
        Quran quran;
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), range(1, 6));
        QVERIFY(QFile::remove("quran/s001_s002.mat"));
        quran.Setup();
        QCOMPARE(quran.AvailableSuras(), range(3, 6));
        QCOMPARE(int(quran.WhichSuras().size()), 2);
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
