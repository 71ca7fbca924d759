// norvane-make toc and cd: a folder that the real cdrdao burns from, and a
// burn through a fake cdrdao with the window's checks, lines and outcomes.
#include "support/testenv.h"

#include <QtTest>

namespace {

QString Program() { return testenv::binDir() + "/norvane-make"; }

const char* const kScan = "ifarg:scanbus\nerr:/dev/sr0 : VENDOR  , MODEL           , REV \n";
const char* const kGoodWrite = "ifarg:write\nerr:Writing track 01 (mode AUDIO/AUDIO )...\n"
                               "err:Writing track 02 (mode AUDIO/AUDIO )...\nerr:Writing finished successfully.\n";

}  // namespace

class TestNorvaneMakeCd : public QObject {
    Q_OBJECT
    QTemporaryDir folder;  // the program folder
    QTemporaryDir user;    // where the user types the commands
    std::unique_ptr<testenv::FakeTool> cdrdao;

    testenv::RunResult Make(const QStringList& args) {
        return testenv::runMake(folder.path(), user.path(), args);
    }
    void SetWriter(const QByteArray& script) { QVERIFY(cdrdao->setScript(QString::fromUtf8(script))); }
    QStringList WriteArguments() { return cdrdao->lastRun("write"); }
    bool TempFolderClean() { return QDir(folder.filePath("temp")).entryList({"*.wav", "*.toc"}, QDir::Files).isEmpty(); }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("lame").isEmpty()) QSKIP("lame is missing");
        QVERIFY(QFileInfo::exists(Program()));
        QVERIFY(testenv::writePack(folder.filePath("quran/s001_s002.mat"),
                          {{"001.001.mp3", testenv::makeMp3(2500)},
                           {"001.002.mp3", testenv::makeMp3(1200)},
                           {"002.255.mp3", testenv::makeMp3(2000)},
                           {"silence.mp3", testenv::makeMp3(1000, 22050, 1, {"--scale", "0"})}}));
        testenv::writeFile(user.filePath("two.qap"), "001,001,1,1,1,2\n001,002,1,0,1,2\n002,255,1,0,0,0\n");
        // (2 + 59) x 80 + (1 + 59) = 4940 s, past 81 minutes.
        testenv::writeFile(user.filePath("long.qap"), "001,001,80,59,0,0\n001,002,1,59,0,0\n");
        testenv::writeFile(user.filePath("empty.qap"), "");

        QVERIFY(QDir().mkpath(user.filePath("lamebin")));
        QVERIFY(QFile::link(QStandardPaths::findExecutable("lame"), user.filePath("lamebin/lame")));
        cdrdao = std::make_unique<testenv::FakeTool>(user.path());
        QVERIFY(cdrdao->ok());
    }
    void init() {
        cdrdao->clearLog();
        cdrdao->putFirstOnPath();
    }
    void cleanupTestCase() { cdrdao.reset(); }

    void tocLeavesAFolderTheRealCdrdaoReads() {
        qputenv("PATH", cdrdao->savedPath());
        const auto r = Make({"toc", "two.qap", "my disc"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QDir disc(user.filePath("my disc"));
        QCOMPARE(disc.entryList(QDir::Files, QDir::Name),
                 (QStringList{"Al-Baqara.255.wav", "group.1.wav", "quran.toc"}));
        QVERIFY(TempFolderClean());

        const QString toc = disc.filePath("quran.toc");
        QVERIFY(testenv::readFile(toc).contains("FILE \"" + QFile::encodeName(disc.absolutePath()) + "//group.1.wav\""));
        const auto test = testenv::run("cdrdao", {"read-test", toc});
        QVERIFY2(test.exitCode == 0, test.err.constData());
        QCOMPARE(test.err.count("Writing track"), 2);
        QVERIFY(!test.err.contains("WARNING"));  // the 2-second aya was padded
        const auto cddb = testenv::run("toc2cddb", {toc});
        QVERIFY(cddb.out.contains("TTITLE0=group.1\nTTITLE1=Al-Baqara.255\n"));
        QVERIFY(r.out.contains("All done preparing Quran CD: " + QFile::encodeName(toc)));
        QVERIFY(r.out.contains("cdrdao write --device DEVICE --driver generic-mmc:0x10"));
    }

    void cdBurnsWithTheScannedOrNamedWriter() {
        SetWriter(QByteArray(kScan) + kGoodWrite);
        auto r = Make({"cd", "two.qap", "--speed", "16"});
        QVERIFY2(r.exitCode == 0, r.err.constData() + r.out);
        QCOMPARE(WriteArguments(), (QStringList{"write", "--device", "/dev/sr0", "--driver", "generic-mmc:0x10",
                                                 "--eject", "--speed", "16", "./temp/temp.toc"}));
        QVERIFY(r.out.contains("Burning Quran CD ...\n"));
        QVERIFY(r.out.contains("[0/2] Burning track: 1. group.1\n"));
        QVERIFY(r.out.contains("[1/2] Burning track: 2. Al-Baqara.255\n"));
        QVERIFY(r.out.endsWith("[2/2] All done burning Quran CD!\n"));
        QVERIFY(TempFolderClean());

        cdrdao->clearLog();
        r = Make({"cd", "two.qap", "--device", "/dev/sr7"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!testenv::readFile(cdrdao->argsLogPath).contains("scanbus"));
        QCOMPARE(WriteArguments().mid(2, 1), QStringList{"/dev/sr7"});
        QCOMPARE(WriteArguments().mid(7, 1), QStringList{"4"});
    }

    // Every way the writer can end, as the window and this program share it.
    void cdFailsAsTheWriterFails_data() {
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<QString>("line");
        QTest::newRow("status 1") << QByteArray("ifarg:write\nexit:1\n")
                                  << "Burning Quran CD failed: cdrdao ended with status 1";
        QTest::newRow("error line") << QByteArray("ifarg:write\nerr:ERROR: Track numbers too large\n")
                                    << "Burning Quran CD failed: ERROR: Track numbers too large";
        QTest::newRow("error in the middle of a line does not count")
            << QByteArray("ifarg:write\nerr:Writing track 01 (mode AUDIO/AUDIO )...\nerr:Buffer ERROR count 0\n")
            << "All done burning Quran CD!";
        QTest::newRow("crash") << QByteArray("ifarg:write\nerr:Writing track 01 (mode AUDIO/AUDIO )...\ncrash\n")
                               << "Burning Quran CD failed: cdrdao stopped before it had finished";
        QTest::newRow("written disc")
            << QByteArray("ifarg:write\nerr:Disk seems to be written - hit return to reload disk.\nhang\n")
            << "Cannot write to media ... ";
    }

    void cdFailsAsTheWriterFails() {
        QFETCH(QByteArray, write);
        QFETCH(QString, line);
        SetWriter(kScan + write);
        const auto r = Make({"cd", "two.qap"});
        const bool done = line.contains("All done");
        QCOMPARE(r.exitCode, done ? 0 : 1);
        QVERIFY2(r.out.trimmed().endsWith(line.toUtf8().trimmed()), r.out.constData());
        QCOMPARE(r.out.contains("All done"), done);
        QCOMPARE(r.err.contains("Cannot write to media!"), line.startsWith("Cannot write"));
        QVERIFY(TempFolderClean());
    }

    void cdWithoutAWriter() {
        SetWriter(kGoodWrite);  // the scan finds nothing
        auto r = Make({"cd", "two.qap"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("no CD writer found"));

        qputenv("PATH", QFile::encodeName(user.filePath("lamebin")));  // lame, but no cdrdao
        r = Make({"cd", "two.qap", "--device", "/dev/sr0"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.contains("Burning Quran CD failed: cdrdao could not be started"), r.out.constData());
        QVERIFY(!r.out.contains("All done"));
        QVERIFY(TempFolderClean());
    }

    void refusedBeforeAnyWork_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("81 minutes") << QStringList{"cd", "long.qap"} << "more than 80 minutes of audio";
        QTest::newRow("81 minutes, toc") << QStringList{"toc", "long.qap", "out"} << "more than 80 minutes of audio";
        QTest::newRow("empty") << QStringList{"cd", "empty.qap"} << "Please add some sura(s) or aya(s)";
        QTest::newRow("speed") << QStringList{"cd", "two.qap", "--speed", "5"} << "--speed must be one of";
    }

    void refusedBeforeAnyWork() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        SetWriter(QByteArray(kScan) + kGoodWrite);
        const auto r = Make(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message.toUtf8()), r.err.constData());
        QVERIFY(!QFile::exists(cdrdao->argsLogPath));
        QVERIFY(!QDir(user.filePath("out")).exists());
    }
};

QTEST_GUILESS_MAIN(TestNorvaneMakeCd)
#include "test_norvanemake_cd.moc"
