// The contract every long job keeps, tried on each kind of job with a
// scripted lame and cdrdao: cancelled at every step index, with one, two
// and four tools at once, the job sends exactly one Finished within a
// second (however often Cancel comes), leaves no child process, no working
// folder and nothing half made in the user's folder, and files that were
// there before stay as they were (or, for a track of the set, are replaced
// by a whole new one). Also a job whose every tool fails or hangs past the
// stall limit.
#include "library/locations.h"
#include "library/mp3probe.h"
#include "library/quran.h"
#include "library/recitationimport.h"
#include "production/cdburner.h"
#include "production/erasejob.h"
#include "production/trackpreparer.h"
#include "support/testenv.h"

#include <QtTest>
#include <functional>
#include <unistd.h>

namespace {

// Live processes whose parent is this one.
QStringList ChildProcesses() {
    QStringList children;
    const QString me = QString::number(::getpid());
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        const QByteArray stat = testenv::readFile("/proc/" + pid + "/stat");
        const int close = stat.lastIndexOf(')');
        if (close < 0) continue;
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        if (fields.size() > 1 && fields[0] != "Z" && fields[1] == me.toLatin1()) children << pid;
    }
    return children;
}

const QString kLame = QStandardPaths::findExecutable("lame", {"/usr/bin", "/usr/local/bin"});
const QByteArray kOld = "made by an earlier job";

}  // namespace

class TestJobContract : public QObject {
    Q_OBJECT

    std::unique_ptr<testenv::WorkFolder> work;
    std::unique_ptr<testenv::FakeTool> lame, cdrdao;
    Quran quran;
    // A single aya with a pause, and a group of two played twice.
    const std::vector<saya> list{testenv::makeSaya("001", "001", 2, 1), testenv::makeSaya("001", "002", 1, 0, 1),
                                 testenv::makeSaya("001", "003", 1, 1, 1)};
    const std::map<int, int> reps{{1, 2}};

    // One kind of job: how it starts (with so many tools at once) and what
    // of the user's files it may have changed when it ends.
    struct Kind {
        std::function<std::unique_ptr<Job>(int width)> start;
        std::function<void()> checkUserFiles;
    };
    QMap<QString, Kind> kinds;

    std::unique_ptr<Job> StartTracks(int width, int stallSeconds = 60) {
        auto job = std::make_unique<TrackPreparer>(&quran);
        job->Start(list, reps, {true, "out", 64, width, stallSeconds});
        return job;
    }
    std::unique_ptr<Job> StartDisc(bool burn, int width) {
        auto job = std::make_unique<CdBurner>(&quran);
        job->SetToolsAtOnce(width);
        if (burn) job->Burn(list, reps, DiscTime(), {"/dev/sr0", 4});
        else job->PrepareDiscFolder(list, reps, DiscTime(), "disc");
        return job;
    }

    void SetUpKinds() {
        kinds["mp3"] = {[this](int width) { return StartTracks(width); }, [] {
                            // A track of the set is either the earlier file or a whole new MP3.
                            QCOMPARE(testenv::readFile("out/notes.txt"), kOld);
                            const QByteArray track = testenv::readFile("out/Al-Fatiha.001.mp3");
                            Mp3Probe probe;
                            QVERIFY(track == kOld || probe.GetLen(std::vector<char>(track.begin(), track.end())) > 0);
                            const QStringList allowed{"notes.txt", "Al-Fatiha.001.mp3", "group.1.mp3", "Norvane.m3u8"};
                            for (const QString& file : testenv::filesUnder("out"))
                                QVERIFY2(allowed.contains(file), qPrintable(file));
                        }};
        const auto discUnchanged = [] {
            QCOMPARE(testenv::filesUnder("disc"), QStringList({"Al-Fatiha.001.wav", "quran.toc"}));
            QCOMPARE(testenv::readFile("disc/quran.toc"), kOld);
            QCOMPARE(testenv::readFile("disc/Al-Fatiha.001.wav"), kOld);
        };
        kinds["toc"] = {[this](int width) { return StartDisc(false, width); }, discUnchanged};
        kinds["burn"] = {[this](int width) { return StartDisc(true, width); }, discUnchanged};
        kinds["erase"] = {[](int) {
                              auto job = std::make_unique<EraseJob>();
                              job->Erase("/dev/sr0");
                              return std::unique_ptr<Job>(std::move(job));
                          }, [] {}};
        kinds["import"] = {[](int) {
                               auto job = std::make_unique<RecitationImport>();
                               job->Start("rec", "packs");
                               return std::unique_ptr<Job>(std::move(job));
                           },
                           [] {
                               // Every pack there is whole: the earlier one, or a new one that opens.
                               for (const QString& file : testenv::filesUnder("packs"))
                                   QVERIFY2(file.endsWith(".mat"), qPrintable(file));
                           }};
    }

    // Runs a job of `kind` to its end; how many steps its bar counted.
    int StepsOf(const QString& kind) {
        std::unique_ptr<Job> job = kinds[kind].start(1);
        int total = 0;
        connect(job.get(), &Job::ProgressChanged, this, [&total](int, int t) { total = t; });
        QSignalSpy finished(job.get(), &Job::Finished);
        if (!finished.wait(60000)) return -1;
        // What the finished job made is no part of the runs that follow.
        Locations::Current().EndJob();
        return ResetUserFiles() ? total : -1;
    }

    // One Finished and nothing left running or in the job's folder; the
    // user's files as the kind allows.
    void CheckEnded(const QString& kind, const QSignalSpy& finished, const QString& where) {
        QTest::qWait(20);
        QVERIFY2(finished.size() == 1, qPrintable(where));
        QVERIFY2(ChildProcesses().isEmpty(), qPrintable(where));
        QVERIFY2(!QFileInfo::exists(Locations::Current().JobFolder()), qPrintable(where));
        kinds[kind].checkUserFiles();
    }

    // The user's folders as an earlier job left them.
    static bool ResetUserFiles() {
        bool ok = true;
        for (const char* folder : {"out", "disc", "packs"}) ok = ok && QDir(folder).removeRecursively() && QDir().mkpath(folder);
        for (const char* file : {"out/notes.txt", "out/Al-Fatiha.001.mp3", "disc/quran.toc", "disc/Al-Fatiha.001.wav"})
            ok = ok && testenv::writeFile(file, kOld);
        return ok;
    }

private slots:
    void init() {
        work = std::make_unique<testenv::WorkFolder>();
        QVERIFY(work->ok());
        Locations::Use(Locations::Portable());
        const QByteArray silence = testenv::makeMp3(1000, 22050, 1, {"--scale", "0"});
        QVERIFY(testenv::writePack("quran/s001_s002.mat", {{"silence.mp3", silence},
                                                           {"001.001.mp3", testenv::makeMp3(900)},
                                                           {"001.002.mp3", testenv::makeMp3(700)},
                                                           {"001.003.mp3", testenv::makeMp3(800)}}));
        quran.Setup();
        QVERIFY(QDir().mkpath("rec") && ResetUserFiles());
        for (const char* name : {"rec/001001.mp3", "rec/002001.mp3", "rec/078001.mp3"})
            QVERIFY(testenv::writeFile(name, testenv::makeMp3(500)));
        lame = std::make_unique<testenv::FakeTool>(work->path(), "lame");
        cdrdao = std::make_unique<testenv::FakeTool>(work->path(), "cdrdao");
        QVERIFY(lame->setScript("exec:" + kLame));
        QVERIFY(cdrdao->setScript("ifarg:write\nerr:Writing track 01 (mode AUDIO/AUDIO )...\nsleep:100\n"
                                  "err:Writing track 02 (mode AUDIO/AUDIO )...\nsleep:100\nendif\n"
                                  "ifarg:blank\nsleep:300\nendif\n"));
        SetUpKinds();
    }
    void cleanup() {
        cdrdao.reset();
        lame.reset();
        work.reset();
    }

    void cancelAtEveryStepKeepsTheContract_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("width");
        for (const char* kind : {"mp3", "toc", "burn", "erase", "import"})
            for (int width : {1, 2, 4}) QTest::newRow(qPrintable(QString("%1, %2 at once").arg(kind).arg(width))) << kind << width;
    }
    void cancelAtEveryStepKeepsTheContract() {
        QFETCH(QString, kind);
        QFETCH(int, width);
        const int steps = StepsOf(kind);
        QVERIFY(steps >= 1);
        for (int at = 0; at < steps; ++at) {
            const QString where = QString("cancelled at step %1 of %2").arg(at).arg(steps);
            std::unique_ptr<Job> job = kinds[kind].start(width);
            QSignalSpy finished(job.get(), &Job::Finished);
            int shown = 0;
            bool asked = false;
            QElapsedTimer sinceCancel;
            // The cancel comes from inside the job's own report, the hardest moment.
            // Twice, as an impatient user does; once more after the end below.
            const auto cancel = [&] {
                asked = true;
                sinceCancel.start();
                job->Cancel();
                job->Cancel();
            };
            connect(job.get(), &Job::ProgressChanged, this, [&](int step, int) {
                QVERIFY2(step >= shown, qPrintable(where + ": the bar went back"));
                shown = step;
                if (step >= at && !asked) cancel();
            });
            if (at == 0) cancel();
            QTRY_VERIFY_WITH_TIMEOUT(asked || !finished.isEmpty(), 60000);
            QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 1000);
            QVERIFY2(!asked || sinceCancel.elapsed() <= 1000, qPrintable(where));
            job->Cancel();
            // Cancelled before any work, a job cannot have done it.
            QVERIFY2(at == 0 ? job->Result() == Job::Outcome::Cancelled : job->Result() != Job::Outcome::Failed,
                     qPrintable(where + ": " + job->Reasons().join("; ")));
            CheckEnded(kind, finished, where);
            if (QTest::currentTestFailed()) return;
            job.reset();
            Locations::Current().EndJob();
        }
    }

    // Every tool failing, crashing, leaving garbage, hanging past the stall
    // limit or not there at all: one Finished, a failure with its reasons,
    // nothing left, and an earlier file of the set as it was. A tool that
    // cannot start is said once, however many tracks needed it.
    void failingAndHangingToolsEndTheJob_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("reason");
        QTest::newRow("every tool fails") << "exit:1" << "lame ended with status 1";
        QTest::newRow("every tool crashes") << "writelast:3000\ncrash" << "lame did not finish";
        QTest::newRow("garbage") << "writelast:5000" << "Al-Fatiha.001.mp3 is damaged: it plays 0.00 s";
        QTest::newRow("every tool hangs") << "hang" << "lame stopped responding";
        QTest::newRow("no lame") << "" << "";
    }
    void failingAndHangingToolsEndTheJob() {
        QFETCH(QString, script);
        QFETCH(QString, reason);
        QVERIFY(lame->setScript(script));
        const QByteArray path = qgetenv("PATH");
        if (script.isEmpty()) qputenv("PATH", "/nonexistent");
        for (int width : {1, 4}) {
            std::unique_ptr<Job> job = StartTracks(width, 1);
            QSignalSpy finished(job.get(), &Job::Finished), cannot(job.get(), &Job::CannotRun);
            QVERIFY(finished.wait(30000));
            QCOMPARE(cannot.size(), int(script.isEmpty()));
            CheckEnded("mp3", finished, QString("%1 at once").arg(width));
            QCOMPARE(job->Result(), Job::Outcome::Failed);
            QVERIFY2(job->Reasons().join('\n').contains(reason), qPrintable(job->Reasons().join('\n')));
            QCOMPARE(testenv::readFile("out/Al-Fatiha.001.mp3"), kOld);
        }
        qputenv("PATH", path);
    }
};

QTEST_GUILESS_MAIN(TestJobContract)
#include "test_jobcontract.moc"
