// The job machinery: the runner against the fake tool, and track
// preparation with the real lame and joinwav, judged by the length of what
// comes out and by what a failure leaves behind. Cancel, and the tool pool
// stopping what it runs and holds back, are tried in test_jobcontract.
#include "library/packarchive.h"
#include "library/quran.h"
#include "library/recitation.h"
#include "production/discfolder.h"
#include "production/publish.h"
#include "production/trackpreparer.h"
#include "production/wavfile.h"
#include "support/libfixtures.h"
#include "support/testenv.h"
#include "tools/processwrap.h"

#include <QtTest>

namespace {

using testenv::filesUnder;

double SecondsOfMp3(const QString& mp3) {
    QTemporaryDir dir;
    testenv::run("lame", {"--silent", "--decode", mp3, dir.filePath("d.wav")});
    return ReadWavInfo(dir.filePath("d.wav")).Seconds();
}

saya Entry(const char* sura, const char* aya, int reps, int pause, int group = 0) {
    return testenv::makeSaya(sura, aya, reps, pause, group);
}

// The playing order spelled out, in seconds, from the lengths of the
// decoded recordings (a translation's as "NAME/002.255"): kept apart from
// the production code on purpose.
double ModelSeconds(const PlannedTrack& t, const PlayOptions& play, QMap<QString, double> len) {
    const double speed = play.speedPercent / 100.0;
    double total = 0;
    QSet<QString> heard;
    const size_t n = t.members.size();
    for (size_t stage = t.buildUp ? 1 : n; stage <= n; ++stage) {
        for (int pass = 0; pass < std::max(1, t.passes); ++pass) {
            for (size_t j = 0; j < stage; ++j) {
                const saya& m = t.members[j];
                const QString key = QString::fromStdString(m.Key());
                const bool opens = m.aya == "001" && m.sura != "001" && m.sura != "009";
                if (play.basmala && opens && !heard.contains(key)) total += len["001.001"] / speed + m.pause * len["silence"];
                heard << key;
                const double aya = len[key] / speed;
                total += m.reps * (aya + m.pause * len["silence"] + m.lengthPauseQuarters / 4.0 * aya);
                if (!play.translation.isEmpty())
                    total += len[play.translation + "/" + key] / speed + m.pause * len["silence"];
            }
            if (t.group > 0) total += t.groupPause * len["silence"];
        }
    }
    return total;
}

// The frequency of a pure tone in a 16-bit stereo WAV: zero crossings of
// the left channel in its middle half.
double ToneHz(const QString& wav) {
    const WavInfo info = ReadWavInfo(wav);
    QFile file(wav);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(info.dataOffset)) return 0;
    const QByteArray data = file.read(info.dataBytes);
    const auto left = [&data](qint64 frame) { return qFromLittleEndian<qint16>(data.constData() + 4 * frame); };
    const qint64 from = info.Frames() / 4, to = 3 * info.Frames() / 4;
    int crossings = 0;
    for (qint64 i = from + 1; i < to; ++i) crossings += (left(i - 1) < 0) != (left(i) < 0);
    return crossings / 2.0 / (double(to - from) / info.rate);
}

}  // namespace

class TestJobs : public QObject {
    Q_OBJECT

    std::unique_ptr<testenv::WorkFolder> work;
    QMap<QString, double> decoded;  // what lame makes of each pack entry, in seconds

    // A fresh program folder with these packs of real recordings (each with
    // the silence), and what lame makes of each recording in `decoded` (a
    // recording of a pack in a recitation's folder as "NAME/002.255").
    void InstallPacks(const QMap<QString, testenv::PackEntries>& packs) {
        work = std::make_unique<testenv::WorkFolder>();
        QVERIFY(work->ok() && QDir().mkpath("out"));
        const testenv::PackEntries silence{{"silence.mp3", testenv::makeMp3(1000, 22050, 1, {"--scale", "0"})}};
        for (auto pack = packs.begin(); pack != packs.end(); ++pack) {
            QVERIFY(testenv::writePack("quran/" + pack.key(), pack.value() + silence));
            const QString recitation = QFileInfo(pack.key()).path();
            for (const auto& [name, bytes] : pack.value() + silence) {
                QVERIFY(testenv::writeFile("probe.mp3", bytes));
                decoded[(recitation == "." ? "" : recitation + "/") + QFileInfo(name).completeBaseName()] =
                    SecondsOfMp3("probe.mp3");
            }
        }
    }
    void MakeRealPacks() {
        InstallPacks({{"s001_s002.mat", {{"001.001.mp3", testenv::makeMp3(1000)}, {"001.002.mp3", testenv::makeMp3(1500)},
                                         {"001.003.mp3", testenv::makeMp3(700)}, {"002.255.mp3", testenv::makeMp3(2000)}}}});
    }

    Quran quran;
    std::unique_ptr<TrackPreparer> NewJob() {
        quran.Setup();
        return std::make_unique<TrackPreparer>(&quran);
    }

    // A group of two played twice, a group whose repetitions are 0, and a
    // single aya with pauses.
    const std::vector<saya> list{Entry("001", "001", 2, 1, 1), Entry("001", "002", 1, 0, 1),
                                 Entry("001", "003", 1, 2, 2), Entry("002", "255", 3, 2)};
    const std::map<int, int> groupReps{{0, 0}, {1, 2}, {2, 0}};

    // Runs a whole job; the log lines it printed.
    QStringList RunJob(TrackPreparer& job, const std::vector<saya>& burnList, TrackPreparer::Options options,
                       std::map<int, int> reps = {{0, 0}, {1, 2}, {2, 0}}) {
        QStringList log;
        connect(&job, &Job::LogLine, this, [&log](const QString& line) { log << line; });
        int bar = 0;  // the bar never runs backwards
        connect(&job, &Job::ProgressChanged, this, [&bar](int value) { QVERIFY(value >= bar); bar = value; });
        QSignalSpy done(&job, &Job::Finished);
        job.Start(burnList, reps, options);
        if (!done.wait(120000)) qWarning("the job did not end");
        return log;
    }

private slots:
    void cleanup() { work.reset(); }

    // --- the runner ------------------------------------------------------

    void runnerSplitsLinesAndHandsEachOverOnceInOrder() {
        ProcessWrap runner;
        QStringList seen;
        connect(&runner, &ProcessWrap::LineRead, [&seen](const QString& line) { seen << line; });
        QSignalSpy done(&runner, &ProcessWrap::ProcessDone);
        runner.RunCommand({testenv::fakesDir() + "/faketool", "out:WRITING TRACK 01", "err:writingtrack", "sleep:50", "crlf:a",
                           "cr:Wrote 1 of 2 MB", "sleep:50", "out:to be written; writing track 02", "readstdin",
                           "rawout:no line end"});
        QVERIFY(done.wait(10000));
        const QStringList lines{"WRITING TRACK 01", "writingtrack", "a", "Wrote 1 of 2 MB",
                                "to be written; writing track 02", "stdin:EOF 0", "no line end"};
        QCOMPARE(runner.GetText(), lines);
        QCOMPARE(seen, lines);
        QVERIFY(runner.LastRunSucceeded());
        // A blocking wait (the drive scan at start-up) gives up on a silent tool too.
        runner.SetStallLimit(1);
        runner.RunCommand({testenv::fakesDir() + "/faketool", "out:one line", "hang"});
        runner.WaitForDone();
        QCOMPARE(runner.FailureText(), QString("faketool stopped responding"));
    }

    // --- track preparation -------------------------------------------------

    // As many tools at once as asked and never more; a failing encode fails
    // only its track, the others play as long as the list says and the log
    // tells them in disc order however they overlap. The set's playlist lists
    // what the folder holds: the earlier file of the failed track too.
    void mp3SetPlaysAsLongAsTheListSaysOnEveryWidth_data() {
        QTest::addColumn<int>("parallel");
        QTest::newRow("one at a time") << 1;
        QTest::newRow("two at a time") << 2;
    }
    void mp3SetPlaysAsLongAsTheListSaysOnEveryWidth() {
        MakeRealPacks();
        QVERIFY(testenv::writeFile("out/group.2.mp3", testenv::makeMp3(1500)));
        const QString lame = QStandardPaths::findExecutable("lame");
        testenv::FakeTool fake(work->path(), "lame");
        QVERIFY(fake.setScript("ifarg:group.2.mp3\nexit:1\nendif\nsleep:300\nexec:" + lame));
        int most = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] { most = qMax(most, fake.aliveCount()); });
        poll.start(5);
        auto job = NewJob();
        QFETCH(int, parallel);
        const QStringList log = RunJob(*job, list, {true, "out", 128, parallel});
        QCOMPARE(most, parallel);
        QCOMPARE(log.last(), QString("Failed to make 1 of 3 tracks: group.2"));
        QCOMPARE(log.filter("Creating track").join(','),
                 QString("Creating track: 001.001 ...,Creating track: 001.002 ...,Creating track: 001.003 ...,"
                         "Creating track: 002.255 ..."));
        for (const PlannedTrack& t : PlanTracks(list, groupReps)) {
            const QString mp3 = "out/" + QString::fromStdString(t.Title()) + ".mp3";
            QVERIFY2(t.Title() == "group.2" || qAbs(SecondsOfMp3(mp3) - ModelSeconds(t, {}, decoded)) < 0.03, qPrintable(mp3));
        }
        QCOMPARE(QString(testenv::readFile("out/Norvane.m3u8")).split("\r\n").filter(".mp3"),
                 QStringList({"group.1.mp3", "group.2.mp3", "Al-Baqara.255.mp3"}));
        QCOMPARE(filesUnder("temp"), QStringList());
    }

    // The memorisation patterns against the model above: a pause of 0, 0.5
    // and 3 times the aya, a build-up group of three with its pause played
    // twice, the basmala before 002.001 but not 009.001, the translation
    // after each aya block, and the speed; a 10 s tone keeps its pitch at
    // every speed. The tracks are CD audio, a short one padded to 4 s. The
    // working folder of a program that is gone goes; the user's own file
    // stays.
    void tracksPlayAsTheModelSays_data() {
        QTest::addColumn<bool>("basmala");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("translation");
        QTest::newRow("as recited") << false << 100 << "";
        QTest::newRow("basmala") << true << 100 << "";
        QTest::newRow("basmala, 0.75") << true << 75 << "";
        QTest::newRow("1.25") << false << 125 << "";
        QTest::newRow("translation") << false << 100 << "english";
        QTest::newRow("translation, basmala, 0.75") << true << 75 << "english";
    }
    void tracksPlayAsTheModelSays() {
        InstallPacks({{"s001_s002.mat", {{"001.001.mp3", testenv::makeMp3(1200)}, {"002.001.mp3", testenv::makeMp3(1500)},
                                         {"002.002.mp3", testenv::makeMp3(700, 44100)}, {"002.003.mp3", testenv::makeMp3(2000)},
                                         {"002.004.mp3", testenv::makeMp3(10000, 44100)}}},
                      {"s009_s010.mat", {{"009.001.mp3", testenv::makeMp3(1300)}}},
                      {"english/s001_s002.mat", {{"002.001.mp3", testenv::makeMp3(900)}, {"002.002.mp3", testenv::makeMp3(600, 44100)},
                                                 {"002.003.mp3", testenv::makeMp3(1100)}, {"002.004.mp3", testenv::makeMp3(800)}}},
                      {"english/s009_s010.mat", {{"009.001.mp3", testenv::makeMp3(500)}}}});
        RecitationManifest english;
        english.kind = RecitationManifest::kTranslation;
        QVERIFY(!english.Write("quran/english"));
        QVERIFY(QDir().mkpath("temp/job-2147483646") && testenv::writeFile("temp/job-2147483646/x.wav", "stale"));
        QVERIFY(testenv::writeFile("temp/notes.txt", "mine"));
        std::vector<saya> list{Entry("002", "001", 1, 1, 1), Entry("002", "002", 2, 0, 1), Entry("002", "003", 1, 0, 1),
                               Entry("009", "001", 1, 1), Entry("002", "004", 1, 0)};
        list[1].lengthPauseQuarters = 2;
        list[2].lengthPauseQuarters = 12;
        for (saya& member : list) std::tie(member.groupPause, member.buildUp) = std::pair(member.group ? 2 : 0, member.group);
        QFETCH(bool, basmala);
        QFETCH(int, speed);
        QFETCH(QString, translation);
        TrackPreparer::Options options;
        options.play = {basmala, speed, translation};
        auto job = NewJob();
        RunJob(*job, list, options, {{1, 2}});
        QVERIFY2(job->Failures().isEmpty(), qPrintable(job->Failures().join('\n')));
        for (const PlannedTrack& t : PlanTracks(list, {{1, 2}})) {
            const WavInfo made = ReadWavInfo(TrackPreparer::TrackPath(t.wavName));
            QVERIFY2(made.IsCdAudio() && qAbs(made.Seconds() - qMax(4.0, ModelSeconds(t, options.play, decoded))) < 0.05,
                     t.wavName.c_str());
        }
        QVERIFY(!QFileInfo::exists("temp/job-2147483646") && testenv::readFile("temp/notes.txt") == "mine");
        const QString tone = TrackPreparer::TrackPath(PlanTracks(list, {}).back().wavName);
        const double translated = translation.isEmpty() ? 0 : decoded["english/002.004"];
        QVERIFY(qAbs((ReadWavInfo(tone).Seconds() * speed / 100.0 - translated) / decoded["002.004"] - 1) < 0.01);
        QVERIFY2(qAbs(ToneHz(tone) / 440 - 1) < 0.01, qPrintable(QString::number(ToneHz(tone))));
        // Without sura 1 the basmala is refused up front, but only for a list
        // that needs it; so is a translation that lacks an aya of the list,
        // naming it.
        QVERIFY(QFile::remove("quran/s001_s002.mat") && QFile::remove("quran/english/s009_s010.mat"));
        quran.Setup();
        QCOMPARE(TrackPreparer::PlayRefusal(quran, list, options.play).isEmpty(), !basmala && translation.isEmpty());
        QCOMPARE(TrackPreparer::PlayRefusal(quran, {list[3]}, options.play).contains("009.001"), !translation.isEmpty());
        QVERIFY(TrackPreparer::PlayRefusal(quran, {list[4]}, options.play).isEmpty());
    }

    // Missing and damaged recordings, and a group longer than a WAV file
    // holds, fail only their tracks and are all named; single ayas before a
    // group of three keep the bar going forward.
    void badRecordingsFailOnlyTheirTracksAndAreAllNamed() {
        MakeRealPacks();
        PackArchive pack;
        QVERIFY(pack.Open("quran/s001_s002.mat"));
        QFile file("quran/s001_s002.mat");
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(pack.Find("001.002.mp3")->start + 500));
        file.write(QByteArray(64, 'x'));
        file.close();
        auto job = NewJob();
        const QStringList log = RunJob(*job,
                                       {Entry("001", "001", 1, 1), Entry("001", "002", 1, 0), Entry("002", "200", 1, 0),
                                        Entry("001", "004", 1, 0, 1), Entry("001", "005", 1, 0, 1), Entry("001", "003", 1, 0, 1),
                                        Entry("002", "255", 100, 60, 4)},
                                       {true, "out", 64}, {{1, 1}, {4, 100}});
        QCOMPARE(job->Failures().filter("not in the installed packs").size(), 3);
        QCOMPARE(job->Failures().filter("damaged in its pack s001_s002.mat").size(), 1);
        QCOMPARE(job->Failures().filter("group.4: the track would play longer than a WAV file can hold").size(), 1);
        QCOMPARE(log.last(), QString("Failed to make 4 of 5 tracks: group.1, group.4, Al-Fatiha.002, Al-Baqara.200"));
        QCOMPARE(filesUnder("out"), QStringList({"Al-Fatiha.001.mp3", "Norvane.m3u8"}));
        QCOMPARE(filesUnder("temp"), QStringList());
    }

    // A disc folder changes only when everything for it is ready: a track
    // that cannot be put there leaves the earlier disc as it was.
    void aDiscFolderIsFilledWholeOrNotAtAll() {
        work = std::make_unique<testenv::WorkFolder>();
        QVERIFY(QDir().mkpath("disc") && QDir().mkpath("new"));
        for (const char* file : {"disc/quran.toc", "disc/A.wav"}) QVERIFY(testenv::writeFile(file, "earlier disc"));
        for (const char* file : {"new/A.wav", "new/B.wav"}) QVERIFY(testenv::writeFile(file, testenv::makeWav(44100, 44100, 2)));
        QVERIFY(QDir().mkpath("disc/.B.wav.norvane-new/blocked"));  // B cannot be put there
        QVERIFY(FillDiscFolder("disc", "quran.toc", {"A.wav", "B.wav"}, "new"));
        QCOMPARE(testenv::readFile("disc/quran.toc"), QByteArray("earlier disc"));
        QCOMPARE(testenv::readFile("disc/A.wav"), QByteArray("earlier disc"));
        QCOMPARE(QDir("disc").entryList(QDir::Files | QDir::Hidden), QStringList({"A.wav", "quran.toc"}));

        QVERIFY(QDir("disc/.B.wav.norvane-new").removeRecursively());
        QVERIFY(testenv::writeFile("new/A.wav", testenv::makeWav(44100, 44100, 2)));
        QVERIFY(!FillDiscFolder("disc", "quran.toc", {"A.wav", "B.wav"}, "new"));
        QCOMPARE(QDir("disc").entryList(QDir::Files | QDir::Hidden), QStringList({"A.wav", "B.wav", "quran.toc"}));
        QVERIFY(testenv::readFile("disc/quran.toc").contains("B.wav"));
        QCOMPARE(ReadWavInfo("disc/A.wav").Frames(), 44100);
    }

    // A copy to another file system that fails part-way (a full disk)
    // leaves the earlier file whole and nothing beside it.
    void publishingAcrossFileSystemsIsWholeOrNothing() {
        QTemporaryDir shm("/dev/shm/norvane-test-XXXXXX"), disk;
        if (!shm.isValid() || QStorageInfo(shm.path()).device() == QStorageInfo(disk.path()).device())
            QSKIP("no second file system here");
        QVERIFY(testenv::writeFile(shm.filePath("new.mp3"), QByteArray(100000, 'n')));
        QVERIFY(testenv::writeFile(disk.filePath("set.mp3"), "old"));
        {
            libfixtures::Limit full(RLIMIT_FSIZE, 50000);
            QVERIFY(full.ok());
            QCOMPARE(PublishFile(shm.filePath("new.mp3"), disk.filePath("set.mp3")),
                     "cannot write " + disk.filePath("set.mp3") + ": File too large");
        }
        QCOMPARE(testenv::filesUnder(disk.path()), QStringList{"set.mp3"});
        QCOMPARE(testenv::readFile(disk.filePath("set.mp3")), QByteArray("old"));
        QVERIFY(PublishFile(shm.filePath("new.mp3"), disk.filePath("set.mp3")).isEmpty());
        QCOMPARE(testenv::readFile(disk.filePath("set.mp3")).size(), 100000);
        QVERIFY(!QFile::exists(shm.filePath("new.mp3")));
    }
};

QTEST_GUILESS_MAIN(TestJobs)
#include "test_jobs.moc"
