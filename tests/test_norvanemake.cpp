// norvane-make, run as a program in a program folder of its own.
#include "support/testenv.h"

#include <QtTest>

namespace {

QString Program() { return testenv::binDir() + "/norvane-make"; }

}  // namespace

class TestNorvaneMake : public QObject {
    Q_OBJECT
    QTemporaryDir folder;  // the program folder
    QTemporaryDir user;    // where the user types the commands

    QString UserFile(const QString& name, const QByteArray& text) {
        const QString path = user.filePath(name);
        testenv::writeFile(path, text);
        return path;
    }
    testenv::RunResult Make(const QStringList& args) {
        return testenv::runMake(folder.path(), user.path(), args);
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("lame").isEmpty()) QSKIP("lame is missing");
        QVERIFY(QFileInfo::exists(Program()));
        // Ayas of 2.5 s and 1.2 s; a second of silence.
        const QByteArray silence = testenv::makeMp3(1000, 22050, 1, {"--scale", "0"});
        QVERIFY(testenv::writePack(folder.filePath("quran/s001_s002.mat"),
                          {{"001.001.mp3", testenv::makeMp3(2500)},
                           {"001.002.mp3", testenv::makeMp3(1200)},
                           {"002.255.mp3", testenv::makeMp3(2500)},
                           {"silence.mp3", silence}}));
        QVERIFY(QDir(user.path()).mkpath("out"));
    }

    void infoListsTracksTimesAndTheCdVerdict() {
        const QString list = UserFile("a.qap", "002,255,3,2,0,0\n001,001,2,1,1,3\n001,002,1,0,1,3\n");
        const auto r = Make({"info", "a.qap"});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        // Whole seconds per aya, as the window's total: group (2+1)x2 + 1, three times.
        QVERIFY2(lines[0].contains(QRegularExpression(R"(^\s*1\s+group\.1\s+00:21\s)")), qPrintable(lines[0]));
        QVERIFY2(lines[1].contains(QRegularExpression(R"(^\s*2\s+Al-Baqara\.255\s+00:12\s)")), qPrintable(lines[1]));
        QCOMPARE(lines[2], QString("Total: 00:33 in 2 track(s)"));
        QCOMPARE(lines[3], QString("Fits an audio CD: yes"));
        QVERIFY(r.err.isEmpty());
    }

    void infoSaysWhenItDoesNotFitACd() {
        // 2 s plus a minute's pause, 100 times: 102 minutes.
        const QString longList = UserFile("long.qap", "001,001,100,60,0,0\n");
        auto r = Make({"info", "long.qap"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("Total: 103:20 in 1 track(s)"));
        QVERIFY(r.out.contains("Fits an audio CD: no, more than 80 minutes"));

        QByteArray many;
        for (int aya = 1; aya <= 100; ++aya) many += QByteArray("002,") + QByteArray::number(aya) + ",1,0\n";
        UserFile("many.qap", many);
        r = Make({"info", "many.qap"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("Fits an audio CD: no, more than 99 tracks"));
        // Recordings the packs lack count 0 s and are named.
        QVERIFY(r.err.contains("002.001"));
    }

    void infoReportsSkippedLinesAndUnreadableFiles() {
        UserFile("bad.qap", "001,001,1,0\nnonsense\n");
        auto r = Make({"info", "bad.qap"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.contains("skipped: 2"));
        r = Make({"info", "nothere.qap"});
        QCOMPARE(r.exitCode, 1);
    }

    void refusedBeforeAnyWork_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString bitrate = "--bitrate must be one of 8, 16, 32, 48, 64, 96, 128, 160";
        QTest::newRow("bitrate between steps") << QStringList{"mp3", "one.qap", "out", "--bitrate", "65"} << bitrate;
        QTest::newRow("bitrate past the slider") << QStringList{"mp3", "one.qap", "out", "--bitrate", "320"} << bitrate;
        QTest::newRow("bitrate not a number") << QStringList{"mp3", "one.qap", "out", "--bitrate", "sixty"} << bitrate;
        const QString folder = "Please choose a valid dir to output your mp3 tracks!";
        QTest::newRow("missing folder") << QStringList{"mp3", "one.qap", "nofolder"} << folder;
        QTest::newRow("file as folder") << QStringList{"mp3", "one.qap", "afile"} << folder;
        QTest::newRow("empty list") << QStringList{"mp3", "empty.qap", "out"}
                                    << "Please add some sura(s) or aya(s) to memorize!";
        QTest::newRow("info without list") << QStringList{"info"} << "";
        QTest::newRow("bitrate for info") << QStringList{"info", "one.qap", "--bitrate", "64"} << "";
    }

    void refusedBeforeAnyWork() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        UserFile("one.qap", "001,002,1,0,0,0\n");
        UserFile("empty.qap", "");
        UserFile("afile", "not a folder");
        const auto r = Make(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message.toUtf8()), r.err.constData());
        QCOMPARE(QDir(user.filePath("out")).entryList(QDir::Files), QStringList());
    }

    void mp3MakesTheSetAndShowsTheLog() {
        UserFile("set.qap", "001,001,2,1,1,2\n001,002,1,0,1,2\n002,255,1,0,0,0\n");
        const auto r = Make({"mp3", "set.qap", "out", "--bitrate", "32"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QStringList lines = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QString("Creating MP3 tracks ..."));
        QVERIFY(lines.contains("[0/3] Creating track: 001.001 ..."));
        QVERIFY(lines.contains("[1/3] Encoding MP3 Group: 1 ..."));
        QCOMPARE(lines.last(), QString("[3/3] All done creating MP3 tracks!"));
        QDir out(user.filePath("out"));
        QCOMPARE(out.entryList(QDir::Files, QDir::Name), QStringList({"Al-Baqara.255.mp3", "group.1.mp3"}));
        for (const QString& f : out.entryList(QDir::Files)) QVERIFY(QFileInfo(out.filePath(f)).size() > 0);
        QCOMPARE(QDir(folder.filePath("temp")).entryList(QDir::Files), QStringList());
        for (const QString& f : out.entryList(QDir::Files)) out.remove(f);
    }

    void mp3FailsWhenARecordingIsMissing() {
        UserFile("gap.qap", "001,002,1,0,0,0\n001,003,1,0,0,0\n");
        const auto r = Make({"mp3", "gap.qap", "out"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!r.out.contains("All done"));
        QVERIFY(r.out.contains("001.003: "));
        QVERIFY(r.out.contains("Failed to make 1 of 2 tracks: Al-Fatiha.003"));
        QVERIFY(QFileInfo::exists(user.filePath("out/Al-Fatiha.002.mp3")));
    }
};

QTEST_GUILESS_MAIN(TestNorvaneMake)
#include "test_norvanemake.moc"
