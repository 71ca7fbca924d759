// norvane-make, run as a program in a program folder of its own: the checks
// before any work, an MP3 set, a CD folder that the real cdrdao reads, a
// burn through a fake cdrdao, and a job stopped by a signal. Track
// preparation itself is tried in test_jobs.
#include "burnlist/playlist.h"
#include "library/mushafdivisions.h"
#include "library/recitation.h"
#include "library/suracatalogue.h"
#include "support/testenv.h"

#include <QtTest>
#include <csignal>
#include <signal.h>

namespace {

// Read by mutagen, independently of lame: tag version, title, track, album, genre.
const char* const kReadTags =
    "import sys\nfrom mutagen.id3 import ID3\nfor f in sys.argv[1:]:\n t = ID3(f)\n"
    " print('2.%d|%s|%s|%s|%s|%s|%d' % (t.version[1], t['TIT2'], t['TRCK'], t['TALB'], t['TCON'], t['TIT3'],\n"
    "       t['TIT3'].encoding))\n";
const char* const kTwoTracks = "err:Writing track 01 (mode AUDIO/AUDIO )...\nerr:Writing track 02 (mode AUDIO/AUDIO )...\n";

}  // namespace

class TestNorvaneMake : public QObject {
    Q_OBJECT
    QTemporaryDir folder;  // the program folder
    QTemporaryDir user;    // where the user types the commands
    std::unique_ptr<testenv::FakeTool> cdrdao;

    testenv::RunResult Make(const QStringList& args) {
        return testenv::run(testenv::binDir() + "/norvane-make", QStringList{"--dir", folder.path()} + args, user.path());
    }
    QStringList Files(const QString& dir) { return QDir(user.filePath(dir)).entryList(QDir::Files, QDir::Name); }
    QStringList TempFiles() { return testenv::filesUnder(folder.filePath("temp")); }

private slots:
    void initTestCase() {
        QVERIFY(testenv::writePack(folder.filePath("quran/s001_s002.mat"),
                                   {{"001.001.mp3", testenv::makeMp3(2500)},
                                    {"001.002.mp3", testenv::makeMp3(1200)},
                                    {"002.255.mp3", testenv::makeMp3(2000)},
                                    {"silence.mp3", testenv::makeMp3(1000, 22050, 1, {"--scale", "0"})}}));
        // A translation that lacks 002.255.
        QVERIFY(testenv::writePack(folder.filePath("quran/urdu/s001_s002.mat"),
                                   {{"001.001.mp3", testenv::makeMp3(1500)},
                                    {"001.002.mp3", testenv::makeMp3(800, 44100)},
                                    {"silence.mp3", testenv::makeMp3(1000, 22050, 1, {"--scale", "0"})}}));
        RecitationManifest urdu;
        urdu.kind = RecitationManifest::kTranslation;
        QVERIFY(!urdu.Write(folder.filePath("quran/urdu")));
        testenv::writeFile(user.filePath("two.qap"), "001,001,1,1,1,2\n001,002,1,0,1,2\n002,255,1,0,0,0\n");
        // (1 + 47) x 100 s counting whole seconds per aya: 80:00. Written, the
        // 1.2 s aya and the pauses take far more than the disc's 79:59.74.
        testenv::writeFile(user.filePath("long.qap"), "001,002,100,47,0,0\n");
        testenv::writeFile(user.filePath("empty.qap"), "");
        testenv::writeFile(user.filePath("memorise.qap"),
                           "001,001,1,1,1,2,px=0.5,gp=1,gm=build\n001,002,2,0,1,2,px=3,gp=1,gm=build\n");
        testenv::writeFile(user.filePath("afile"), "not a folder");
        QVERIFY(QDir(user.path()).mkpath("out"));
        cdrdao = std::make_unique<testenv::FakeTool>(user.path());
        QVERIFY(cdrdao->ok());
    }
    void init() { cdrdao->clearLog(); }

    void refusedBeforeAnyWork_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("bitrate between steps") << QStringList{"mp3", "two.qap", "out", "--bitrate", "65"}
                                               << "--bitrate must be one of";
        QTest::newRow("file as folder") << QStringList{"mp3", "two.qap", "afile"} << "Please choose a valid dir";
        QTest::newRow("empty list") << QStringList{"mp3", "empty.qap", "out"} << "Please add some sura(s)";
        QTest::newRow("no such recitation") << QStringList{"mp3", "two.qap", "out", "--recitation", "Nobody"}
                                            << "no recitation \"Nobody\" is installed";
        QTest::newRow("speed off the steps") << QStringList{"mp3", "two.qap", "out", "--speed", "0.73"} << "--speed must be";
        QTest::newRow("no such translation") << QStringList{"info", "two.qap", "--translation", "french"}
                                             << "--translation: no translation \"french\" is installed";
        QTest::newRow("untranslated aya") << QStringList{"mp3", "two.qap", "out", "--translation", "urdu"}
                                          << "has no recording of aya 002.255";
        QTest::newRow("80:00 in whole seconds") << QStringList{"toc", "long.qap", "out"} << "more than 80 minutes of audio";
        // No cdrdao on the search path: said at once, with or without a writer named.
        QTest::newRow("no cdrdao") << QStringList{"cd", "two.qap"} << "cdrdao cannot be run";
        QTest::newRow("no cdrdao, writer named") << QStringList{"cd", "two.qap", "--device", "/dev/sr0"}
                                                 << "cdrdao cannot be run";
    }
    void refusedBeforeAnyWork() {
        QVERIFY(cdrdao->setScript(testenv::kScanOneWriter));
        QFETCH(QStringList, args);
        const QByteArray path = qgetenv("PATH");
        if (QString(QTest::currentDataTag()).startsWith("no cdrdao")) qputenv("PATH", "/nonexistent");
        const auto r = Make(args);
        qputenv("PATH", path);
        QVERIFY2(!r.err.contains("Creating track") && !r.out.contains("Creating track"), r.out.constData());
        QCOMPARE(r.exitCode, 1);
        QFETCH(QString, message);
        QVERIFY2(r.err.contains(message.toUtf8()), r.err.constData());
        QCOMPARE(Files("out"), QStringList());
        QVERIFY(cdrdao->runs().isEmpty());
    }

    // plan needs no packs (there are none of juz 30 here). Its groups hold
    // one page each, pages 582 to 604 in order, and together the juz; a
    // range that names no ayas ends with status 2 and writes nothing.
    void planWritesAGroupPerPage() {
        const auto r = Make({"plan", "juz30.qap", "--juz", "30", "--group-by", "page", "--group-reps", "2", "--pause",
                             "1", "--build-up"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const PlaylistLoad load = LoadPlaylistFile(user.filePath("juz30.qap"));
        QVERIFY(load.ok() && load.skippedLines.empty() && load.adjustedLines.empty());
        std::vector<AyaKey> keys;
        for (const saya& s : load.entries) {
            keys.emplace_back(std::stoi(s.sura), std::stoi(s.aya));
            const int page = MushafDivisions::Madani().NumberOf(Division::Page, keys.back());
            QVERIFY2(s.group == page - 581 && s.pause == 1 && s.buildUp && load.groupReps.at(s.group) == 2,
                     s.Key().c_str());
        }
        QVERIFY(keys == MushafDivisions::Madani().Range(Division::Juz, 30).Ayas());
        QCOMPARE(load.entries.back().group, 23);
        for (const QStringList& range : {QStringList{"--juz", "31"}, {"--pages", "0"}, {"--ayas", "2:300"}}) {
            const auto refused = Make(QStringList{"plan", "bad.qap"} + range);
            QVERIFY2(refused.exitCode == 2 && refused.err.contains(range[1].toUtf8() + " "), refused.err.constData());
            QVERIFY(!QFileInfo::exists(user.filePath("bad.qap")));
        }
    }

    // However a player orders the set, it plays in playing order: numbered
    // names, tags with n/N, and the .m3u8. An earlier file of a name is
    // replaced by a whole new one; a file of the user's stays.
    void mp3SetIsNumberedTaggedAndListed() {
        QVERIFY(QDir(user.path()).mkpath("set") && testenv::writeFile(user.filePath("set/01 group.1.mp3"), "old"));
        QVERIFY(testenv::writeFile(user.filePath("set/mine.txt"), "mine"));
        const auto r = Make({"mp3", "two.qap", "set", "--numbered"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(Files("set"), (QStringList{"01 group.1.mp3", "02 Al-Baqara.255.mp3", "mine.txt", "two.m3u8"}));
        const auto tags = testenv::run("/usr/bin/python3", {"-c", kReadTags, "01 group.1.mp3", "02 Al-Baqara.255.mp3"},
                                       user.filePath("set"));
        // The suras' Arabic names are the subtitle, in UTF-16 (encoding 1), whatever the locale.
        QCOMPARE(QString::fromUtf8(tags.out), "2.3|Group 1: Al-Fatiha 1–2|1/2|two|Speech|" + ArabicSuraName(1) + "|1\n"
                                              "2.3|Al-Baqara 255|2/2|two|Speech|" + ArabicSuraName(2) + "|1\n");
        // Whole seconds of about 9.5 and 2: the recordings' exact lengths are lame's.
        QVERIFY(QRegularExpression("^#EXTM3U\r\n#EXTINF:(9|10),Group 1: Al-Fatiha 1–2\r\n01 group.1.mp3\r\n"
                                   "#EXTINF:2,Al-Baqara 255\r\n02 Al-Baqara.255.mp3\r\n$")
                    .match(QString::fromUtf8(testenv::readFile(user.filePath("set/two.m3u8"))))
                    .hasMatch());
    }

    // A named recitation plays instead of the packs in quran/: here its
    // 001.001 lasts 2 s longer, heard twice in group 1.
    void aNamedRecitationIsPlayedInstead() {
        QVERIFY(testenv::writePack(folder.filePath("quran/Slow/s001_s002.mat"),
                                   {{"001.001.mp3", testenv::makeMp3(4500)}, {"001.002.mp3", testenv::makeMp3(1200)},
                                    {"002.255.mp3", testenv::makeMp3(2000)}, {"silence.mp3", testenv::makeMp3(1000)}}));
        const auto blocks = [this](const QStringList& options) {
            const QByteArray out = Make(QStringList{"info", "two.qap"} + options).out;
            return out.mid(out.indexOf(" take ") + 6).split(' ').first().toInt();
        };
        QVERIFY(qAbs(blocks({"--recitation", "Slow"}) - blocks({}) - 2 * 2 * 75) <= 4);  // lame pads a few ms
        QCOMPARE(blocks({"--recitation", "default"}), blocks({}));
    }

    void tocLeavesAFolderTheRealCdrdaoReads() {
        const auto r = Make({"toc", "two.qap", "my disc"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(Files("my disc"), (QStringList{"Al-Baqara.255.wav", "group.1.wav", "quran.toc"}));
        const QString realCdrdao = QStandardPaths::findExecutable("cdrdao", {"/usr/bin", "/usr/local/bin"});
        // The blocks info foretold are the blocks cdrdao counts.
        const auto size = testenv::run(realCdrdao, {"toc-size", user.filePath("my disc/quran.toc")});
        QVERIFY2(Make({"info", "two.qap"}).out.contains(" take " + size.out.trimmed() + " of "), size.out.constData());
        // So do they for a build-up group with pauses, played slower with a
        // translation after each aya; an MP3 set takes the translation too.
        const QStringList slowly{"--speed", "0.75", "--translation", "urdu"};
        QCOMPARE(Make(QStringList{"toc", "memorise.qap", "slow"} + slowly).exitCode, 0);
        const auto slow = testenv::run(realCdrdao, {"toc-size", user.filePath("slow/quran.toc")});
        QVERIFY(Make(QStringList{"info", "memorise.qap"} + slowly).out.contains(" take " + slow.out.trimmed() + " of "));
        QVERIFY(QDir(user.path()).mkpath("translated"));
        QCOMPARE(Make(QStringList{"mp3", "memorise.qap", "translated"} + slowly).exitCode, 0);
        QCOMPARE(Files("translated"), (QStringList{"group.1.mp3", "memorise.m3u8"}));
        const auto test = testenv::run(realCdrdao, {"read-test", user.filePath("my disc/quran.toc")});
        QVERIFY2(test.exitCode == 0, test.err.constData());
        QCOMPARE(test.err.count("Writing track"), 2);
        QVERIFY(!test.err.contains("WARNING"));  // the 2-second aya was padded to 4 s
        QCOMPARE(TempFiles(), QStringList());
    }

    // How the writer ends decides the status; known failures become advice.
    void cdEndsAsTheWriterEnds_data() {
        QTest::addColumn<QString>("write");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("saidOnStderr");
        QTest::newRow("written") << QString(kTwoTracks) << 0 << "";
        QTest::newRow("unknown error") << "err:ERROR: Something odd\nexit:1\n" << 1 << "ERROR: Something odd";
        // Known failures are explained instead of shown raw.
        QTest::newRow("written disc") << "err:Disk seems to be written - hit return to reload disk.\nhang\n" << 1
                                      << "Cannot write to media!";
    }
    void cdEndsAsTheWriterEnds() {
        QFETCH(QString, write);
        QVERIFY(cdrdao->setScript(testenv::kScanOneWriter + QString("ifarg:write\n") + write));
        const auto r = Make({"cd", "two.qap"});
        QFETCH(int, status);
        QCOMPARE(r.exitCode, status);
        QFETCH(QString, saidOnStderr);
        QVERIFY2(r.err.contains(saidOnStderr.toUtf8()), r.err.constData());
        QCOMPARE(r.out.contains("All done burning Quran CD!"), r.exitCode == 0);
        QCOMPARE(cdrdao->lastRun("write").mid(2, 1), QStringList{"/dev/sr0"});
        QCOMPARE(TempFiles(), QStringList());
    }

    // A signal stops the job: the tool goes, nothing half-made stays (a
    // cancel while tracks wait for a tool is tried in test_jobcontract). After
    // SIGKILL the tool still dies with the program, and the next job clears
    // what the killed one left.
    void aSignalStopsTheJob_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("SIGINT while encoding") << int(SIGINT) << QStringList{"mp3", "two.qap", "out"}
                                               << "Cancelled after 1 of 2 tracks.";
        QTest::newRow("SIGTERM while writing") << int(SIGTERM) << QStringList{"cd", "two.qap"}
                                               << "tracks were written; the disc is probably unusable";
        QTest::newRow("SIGKILL while encoding") << int(SIGKILL) << QStringList{"mp3", "two.qap", "out"} << "";
    }
    void aSignalStopsTheJob() {
        QFETCH(int, signal);
        QFETCH(QString, lastLine);
        QFETCH(QStringList, args);
        testenv::FakeTool fakeLame(user.path(), "lame");
        const QString lame = QStandardPaths::findExecutable("lame", {"/usr/bin", "/usr/local/bin"});
        QVERIFY(fakeLame.setScript("ifarg:Al-Baqara.255.mp3\nwritelast:5000\nhang\nendif\nexec:" + lame));
        QVERIFY(cdrdao->setScript(testenv::kScanOneWriter + QString("ifarg:write\nerr:Writing track 01 (mode AUDIO/AUDIO )...\nhang\n")));
        QProcess make;
        make.setWorkingDirectory(user.path());
        make.start(testenv::binDir() + "/norvane-make", QStringList{"--dir", folder.path()} + args);
        QTRY_VERIFY_WITH_TIMEOUT((TempFiles().join(' ').contains("Al-Baqara.255.mp3") && !Files("out").isEmpty()) ||
                                     (!cdrdao->lastRun("write").isEmpty() && cdrdao->anyAlive()),
                                 30000);
        QTest::qWait(300);
        QVERIFY2(make.state() == QProcess::Running, make.readAllStandardError().constData());
        ::kill(pid_t(make.processId()), signal);
        QVERIFY(make.waitForFinished(signal == SIGKILL ? 10000 : 2000));
        QTRY_VERIFY(!fakeLame.anyAlive() && !cdrdao->anyAlive());
        QVERIFY(!QFileInfo::exists(user.filePath("out/Al-Baqara.255.mp3")));
        if (signal == SIGKILL) {
            QVERIFY(!TempFiles().isEmpty());
            testenv::writeFile(user.filePath("one.qap"), "001,002,1,0,0,0\n");
            QCOMPARE(Make({"mp3", "one.qap", "out"}).exitCode, 0);
        } else {
            QCOMPARE(make.exitCode(), 128 + signal);
            QVERIFY(make.readAllStandardOutput().contains(lastLine.toUtf8()));
        }
        QCOMPARE(TempFiles(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestNorvaneMake)
#include "test_norvanemake.moc"
