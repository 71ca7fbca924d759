// Track preparation: the command lines, log lines and bar values of a job
// (with a runner that records instead of running), and the real production
// with lame and joinwav, checked by the length of what comes out.
#include "library/packarchive.h"
#include "library/quran.h"
#include "production/trackplan.h"
#include "production/trackpreparer.h"
#include "production/wavfile.h"
#include "support/testenv.h"
#include "tools/processwrap.h"

#include <QtTest>

namespace {

const QString S = QString(QDir::separator());
QString T(const QString& name) { return TrackPreparer::TempFolder() + name; }       // ./temp/x
QString TT(const QString& name) { return TrackPreparer::TempFolder() + S + name; }  // ./temp//x

saya Entry(const std::string& sura, const std::string& aya, int reps, int pause, int group = 0) {
    return testenv::makeSaya(sura, aya, reps, pause, group);
}

bool WritePack(const QString& path, const QMap<QString, QByteArray>& entries) {
    testenv::PackEntries list;
    for (auto it = entries.begin(); it != entries.end(); ++it) list.append({it.key(), it.value()});
    return testenv::writePack(path, list);
}

QStringList FilesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files, QDir::Name); }

// Stands in for the tools: records each command line in the shared event
// list and leaves a plausible output file, unless told otherwise.
class RecordingRunner : public ProcessWrap {
public:
    QStringList* events = nullptr;  // shared with the preparer's signals
    QSet<QString> leaveNothing;  // outputs not to create
    QSet<QString> leaveHeaderOnly;  // WAV outputs with no audio, as lame leaves for garbage
    QSet<QString> cannotStart;   // programs that do not start
    QList<QStringList> commands;

    void RunCommand(const QStringList& args) override {
        commands << args;
        *events << "RUN " + args.join(' ');
        if (cannotStart.contains(args.first())) {
            SetOutcome(Outcome::FailedToStart, -1);
            emit CannotRun(args.first());
            return;
        }
        const QString out = args.last();
        if (leaveHeaderOnly.contains(out))
            testenv::writeFile(out, testenv::makeWav(0, 44100, 2));
        else if (!leaveNothing.contains(out))
            testenv::writeFile(out, out.endsWith(".wav") ? testenv::makeWav(4410, 44100, 2) : QByteArray("ID3 mp3"));
        SetOutcome(Outcome::Finished, 0);
    }
};

// The packs of the working folder, a runner and the preparer over them,
// with every signal of the preparer recorded in `events`.
template <typename Runner>
struct Rig {
    Quran quran;
    QStringList events;
    Runner runner;
    TrackPreparer preparer;
    Rig() : preparer(&runner, &quran) {
        if constexpr (std::is_same_v<Runner, RecordingRunner>) runner.events = &events;
        quran.Setup();
        QStringList* log = &events;
        QObject::connect(&preparer, &TrackPreparer::StatMsg, [log](QString l) { *log << "LOG " + l; });
        QObject::connect(&preparer, &TrackPreparer::StatusLine, [log](QString l) { *log << "STATUS " + l; });
        QObject::connect(&preparer, &TrackPreparer::ProgressChanged,
                         [log](int v, int t) { *log << QString("BAR %1/%2").arg(v).arg(t); });
    }
};

using Recorded = Rig<RecordingRunner>;
using Real = Rig<ProcessWrap>;

}  // namespace

class TestTrackPreparer : public QObject {
    Q_OBJECT

    std::unique_ptr<testenv::WorkFolder> work;

    // A working folder of its own for each test, as the program folder.
    void EnterFreshFolder() {
        work.reset();
        work = std::make_unique<testenv::WorkFolder>();
        QVERIFY(work->ok());
        QVERIFY(QDir().mkpath("out"));
    }

    // Packs for the recording tests: any bytes will do, nothing decodes them.
    void WriteFakePacks(const QStringList& keys) {
        QMap<QString, QByteArray> entries{{"silence.mp3", "silence"}};
        for (const QString& k : keys) entries[k + ".mp3"] = "mp3 of " + k.toLatin1();
        QVERIFY(WritePack("quran/s001_s002.mat", entries));
    }

private slots:
    void cleanup() { work.reset(); }

    // --- with the recording runner -------------------------------------

    void workedSequenceInMp3Mode() {
        EnterFreshFolder();
        WriteFakePacks({"001.001", "001.002", "002.255"});
        Recorded rig;

        const std::vector<saya> list = {Entry("001", "001", 2, 1, 1), Entry("001", "002", 1, 0, 1),
                                        Entry("002", "255", 3, 2)};
        TrackPreparer::Job job;
        job.mp3 = true;
        job.mp3Dir = "out";
        job.bitrate = 128;
        QVERIFY(rig.preparer.Run(list, {{0, 0}, {1, 2}}, job));

        const QString J = "RUN " + TrackPreparer::ToolPath("joinwav");
        const QString s = T("silence.wav"), a = T("002.255.wav");
        const QStringList expected = {
            "STATUS Creating MP3 tracks ...",
            "BAR 0/3",
            "RUN lame --silent --decode " + T("silence.mp3") + " " + s,
            "LOG Setting up tracks",
            "RUN lame --silent --decode " + T("001.001.mp3") + " " + T("001.001.wav"),
            "LOG Creating track: 001.001 ...",
            "BAR 0/3",
            J + " " + QStringList{T("001.001.wav"), s, T("001.001.wav"), s, TT("subgroup.1.0.wav")}.join(' '),
            "RUN lame --silent --decode " + T("001.002.mp3") + " " + T("001.002.wav"),
            "LOG Creating track: 001.002 ...",
            "BAR 1/3",
            J + " " + T("001.002.wav") + " " + TT("subgroup.1.1.wav"),
            J + " " + TT("subgroup.1.0.wav") + " " + TT("subgroup.1.1.wav") + " " + TT("subgroup.1.wav"),
            J + " " + TT("subgroup.1.wav") + " " + TT("subgroup.1.wav") + " " + TT("group.1.wav"),
            "LOG Encoding MP3 Group: 1 ...",
            "RUN lame --silent -b128 " + TT("group.1.wav") + " out" + S + "group.1.mp3",
            "BAR 1/3",
            "BAR 2/3",
            "RUN lame --silent --decode " + T("002.255.mp3") + " " + a,
            "LOG Creating track: 002.255 ...",
            J + " " + QStringList{a, s, s, a, s, s, a, s, s, TT("Al-Baqara.255.wav")}.join(' '),
            "LOG Encoding MP3: 002.255.mp3 ...",
            "RUN lame --silent -b128 " + TT("Al-Baqara.255.wav") + " out" + S + "Al-Baqara.255.mp3",
            "BAR 3/3",
            "LOG All done creating MP3 tracks!",
        };
        QCOMPARE(rig.events, expected);
        QCOMPARE(rig.preparer.TrackList(), (std::vector<std::string>{"group.1.wav", "Al-Baqara.255.wav"}));
        QVERIFY(rig.preparer.Failures().isEmpty());
        QCOMPARE(FilesIn("temp"), QStringList());
        QCOMPARE(FilesIn("out"), QStringList({"Al-Baqara.255.mp3", "group.1.mp3"}));
        // The pack of the last extraction is handed back for the window.
        QVERIFY(rig.preparer.LastPack().Holds("002.255.mp3"));
    }

    void missingRecordingsFailOnlyTheirTracksAndNameEveryGap() {
        EnterFreshFolder();
        WriteFakePacks({"001.002"});  // no 001.001, 001.003 or 002.255
        Recorded rig;
        const std::vector<saya> list = {Entry("001", "001", 1, 0, 1), Entry("001", "002", 1, 0, 1),
                                        Entry("001", "003", 1, 0, 1), Entry("002", "255", 1, 0),
                                        Entry("001", "002", 1, 0)};
        QVERIFY(!rig.preparer.Run(list, {{1, 2}}, TrackPreparer::Job{true, "out", 64}));

        QCOMPARE(rig.preparer.Failures().size(), 3);
        QVERIFY(rig.preparer.Failures()[0].startsWith("001.001: "));
        QVERIFY(rig.preparer.Failures()[1].startsWith("001.003: "));
        QVERIFY(rig.preparer.Failures()[2].startsWith("002.255: "));
        QCOMPARE(rig.preparer.FailedTracks(), QStringList({"group.1", "Al-Baqara.255"}));
        // No join or encode was spent on the broken group.
        for (const QStringList& c : rig.runner.commands) QVERIFY(!c.last().contains("group.1"));
        QCOMPARE(FilesIn("out"), QStringList({"Al-Fatiha.002.mp3"}));
        QVERIFY(!rig.events.contains("LOG All done creating MP3 tracks!"));
        QCOMPARE(rig.events.last(), QString("LOG Failed to make 2 of 3 tracks: group.1, Al-Baqara.255"));
        // The failed track's log line still comes, and the bar still reaches the end.
        QVERIFY(rig.events.contains("LOG Creating track: 002.255 ..."));
        QVERIFY(rig.events.contains("BAR 5/5"));
        QCOMPARE(FilesIn("temp"), QStringList());
    }

    void toolLeavingNoOutputIsAFailureEvenWithAnOldFileThere() {
        EnterFreshFolder();
        WriteFakePacks({"001.001", "001.002", "002.255"});
        QVERIFY(QDir().mkpath("temp"));
        // Left by an earlier run that was killed, at the very paths this run
        // writes to: they must not pass for this run's results.
        QVERIFY(testenv::writeFile(TT("subgroup.1.wav"), testenv::makeWav(44100, 44100, 2)));
        QVERIFY(testenv::writeFile("out" + S + "Al-Baqara.255.mp3", "old mp3"));
        Recorded rig;
        rig.runner.leaveNothing = {TT("subgroup.1.wav"), "out" + S + "Al-Baqara.255.mp3"};
        rig.runner.leaveHeaderOnly = {T("001.002.wav")};
        const std::vector<saya> list = {Entry("001", "001", 1, 0, 1), Entry("002", "255", 1, 0),
                                        Entry("001", "002", 1, 0)};
        QVERIFY(!rig.preparer.Run(list, {{1, 1}}, TrackPreparer::Job{true, "out", 64}));
        QCOMPARE(rig.preparer.FailedTracks(), QStringList({"group.1", "Al-Baqara.255", "Al-Fatiha.002"}));
        QVERIFY(rig.preparer.Failures()[0].startsWith("group.1: joining failed: joinwav left no audio"));
        QVERIFY(rig.preparer.Failures()[1].startsWith("Al-Baqara.255.mp3: encoding failed: lame left no MP3 file"));
        QVERIFY(rig.preparer.Failures()[2].startsWith("001.002: decoding failed: lame left no audio"));
        QCOMPARE(FilesIn("out"), QStringList());
        QCOMPARE(FilesIn("temp"), QStringList());
    }

    void toolThatCannotStartIsReportedAndNotRetried() {
        EnterFreshFolder();
        WriteFakePacks({"001.001", "001.002"});
        Recorded rig;
        rig.runner.cannotStart = {"lame"};
        QStringList cannotRun;
        connect(&rig.runner, &ProcessWrap::CannotRun, this, [&](const QString& p) { cannotRun << p; });
        const std::vector<saya> list = {Entry("001", "001", 1, 1), Entry("001", "002", 1, 0)};
        QVERIFY(!rig.preparer.Run(list, {}, TrackPreparer::Job{true, "out", 64}));
        QCOMPARE(cannotRun, QStringList({"lame"}));
        QCOMPARE(rig.runner.commands.size(), 1);  // the silence decode; nothing after it
        QCOMPARE(rig.preparer.FailedTracks(), QStringList({"Al-Fatiha.001", "Al-Fatiha.002"}));
        for (const QString& f : rig.preparer.Failures()) QVERIFY2(f.contains("lame could not be started"), qPrintable(f));
    }

    void malformedKeysNeverNameAFile() {
        EnterFreshFolder();
        WriteFakePacks({"002.255"});
        // Bait: an entry a path-joining program would pick up.
        QVERIFY(WritePack("quran/s003_s004.mat", {{"003.001.mp3", "x"}}));
        Recorded rig;
        const std::vector<saya> list = {Entry("002", "../../../evil", 1, 0), Entry("2", "255", 1, 0),
                                        Entry("002", "255", 1, 0), Entry("../002", "255", 1, 0, 1)};
        QVERIFY(!rig.preparer.Run(list, {}, TrackPreparer::Job{true, "out", 64}));
        for (const QStringList& c : rig.runner.commands)
            for (const QString& arg : c) QVERIFY2(!arg.contains(".."), qPrintable(c.join(' ')));
        QCOMPARE(rig.preparer.Failures().size(), 3);
        QVERIFY(rig.preparer.Failures()[0].startsWith("../002.255: "));  // the group comes first
        QVERIFY(rig.preparer.Failures()[1].startsWith("002.../../../evil: "));
        QVERIFY(rig.preparer.Failures()[2].startsWith("2.255: "));
        QCOMPARE(FilesIn("out"), QStringList({"Al-Baqara.255.mp3"}));
        QVERIFY(!QFile::exists(work->filePath("evil")));
    }

    void cdModeKeepsTheTracksUntilAskedAndPadsShortOnes() {
        EnterFreshFolder();
        WriteFakePacks({"001.001", "002.255"});
        Recorded rig;
        const std::vector<saya> list = {Entry("002", "255", 1, 0), Entry("001", "001", 1, 0, 4)};
        QVERIFY(rig.preparer.Run(list, {{4, 1}}, TrackPreparer::Job{}));
        QCOMPARE(rig.events.first(), QString("STATUS Creating tracks ..."));
        QVERIFY(!rig.events.last().startsWith("LOG "));  // CD mode says nothing at the end
        QCOMPARE(rig.preparer.TrackList(), (std::vector<std::string>{"group.4.wav", "Al-Baqara.255.wav"}));
        QCOMPARE(FilesIn("temp"), QStringList({"Al-Baqara.255.wav", "group.4.wav"}));
        // The fake joins leave 0.1 s; an audio CD track needs 4.
        QCOMPARE(ReadWavInfo(TrackPreparer::TrackPath("group.4.wav")).Frames(), qint64(4 * 44100));
        rig.preparer.RemoveTrackFiles();
        QCOMPARE(FilesIn("temp"), QStringList());
    }

    void writePackEntryRefusesPathsAndLeavesNothingForAMissingEntry() {
        EnterFreshFolder();
        WriteFakePacks({"002.255"});
        Quran quran;
        quran.Setup();
        QVERIFY(QDir().mkpath("temp"));
        const std::string temp = TrackPreparer::TempFolder().toStdString();
        std::string why;
        PackArchive pack;
        QVERIFY(WritePackEntry(quran, "002.255.mp3", temp, &pack, &why));
        QCOMPARE(testenv::readFile(T("002.255.mp3")), QByteArray("mp3 of 002.255"));
        QVERIFY(pack.Holds("002.255.mp3"));
        QVERIFY(WritePackEntry(quran, "silence.mp3", temp, &pack));
        QCOMPARE(testenv::readFile(T("silence.mp3")), QByteArray("silence"));

        QVERIFY(testenv::writeFile(T("002.254.mp3"), "stale"));
        QVERIFY(!WritePackEntry(quran, "002.254.mp3", temp, &pack, &why));
        QVERIFY(QString::fromStdString(why).contains("002.254.mp3"));
        QVERIFY(!QFile::exists(T("002.254.mp3")));

        for (const std::string bad : {"../002.255.mp3", "x/002.255.mp3", "..", ""}) {
            QVERIFY(!WritePackEntry(quran, bad, temp, &pack, &why));
        }
        QVERIFY(!QFile::exists("002.255.mp3"));
    }

    // --- with the real lame and joinwav -------------------------------------

private:
    QMap<QString, double> decodedSeconds;  // what lame makes of each pack entry

    static bool HaveRealTools() {
        return !QStandardPaths::findExecutable("lame").isEmpty() &&
               QFileInfo::exists(testenv::binDir() + "/joinwav");
    }

    static double SecondsOfMp3(const QString& mp3) {
        QTemporaryDir dir;
        const QString wav = dir.filePath("d.wav");
        testenv::run("lame", {"--silent", "--decode", mp3, wav});
        return ReadWavInfo(wav).Seconds();
    }

    // Real recordings of known length in a fresh program folder.
    void MakeRealPacks() {
        EnterFreshFolder();
        const QMap<QString, int> lengths{{"001.001", 1000}, {"001.002", 1500}, {"001.003", 700},
                                         {"001.004", 800},  {"002.255", 2000}};
        QMap<QString, QByteArray> entries{{"silence.mp3", testenv::makeMp3(1000, 22050, 1, {"--scale", "0"})}};
        for (auto it = lengths.begin(); it != lengths.end(); ++it) entries[it.key() + ".mp3"] = testenv::makeMp3(it.value());
        QVERIFY(WritePack("quran/s001_s002.mat", entries));
        // What the burn list's arithmetic works with: the recordings as lame
        // decodes them (an MP3 without a LAME tag decodes a little longer).
        QTemporaryDir probe;
        decodedSeconds.clear();
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            testenv::writeFile(probe.filePath(it.key()), it.value());
            decodedSeconds[QFileInfo(it.key()).completeBaseName()] = SecondsOfMp3(probe.filePath(it.key()));
        }
    }

    double Expected(const std::vector<saya>& members, int passes) {
        double one = 0;
        for (const saya& m : members)
            one += m.reps * (decodedSeconds[QString::fromStdString(m.Key())] + m.pause * decodedSeconds["silence"]);
        return passes * one;
    }

    // The burn list of the real runs: a group of two repeated twice, a group
    // whose repetitions are 0, single ayas with and without pauses.
    std::vector<saya> RealList() const {
        return {Entry("001", "001", 2, 1, 1), Entry("001", "002", 1, 0, 1), Entry("001", "003", 1, 2, 2),
                Entry("002", "255", 3, 2), Entry("001", "004", 2, 0)};
    }
    std::map<int, int> RealGroupReps() const { return {{0, 0}, {1, 2}, {2, 0}}; }

private slots:
    void realMp3SetPlaysAsLongAsTheBurnListSays() {
        if (!HaveRealTools()) QSKIP("lame or joinwav is missing");
        MakeRealPacks();
        Real rig;
        QVERIFY2(rig.preparer.Run(RealList(), RealGroupReps(), TrackPreparer::Job{true, "out", 128}),
                 qPrintable(rig.preparer.Failures().join('\n')));
        QCOMPARE(rig.events.last(), QString("LOG All done creating MP3 tracks!"));

        const std::vector<PlannedTrack> plan = PlanTracks(RealList(), RealGroupReps());
        QCOMPARE(int(plan.size()), 4);
        for (const PlannedTrack& t : plan) {
            const QString mp3 = "out/" + QString::fromStdString(t.Title()) + ".mp3";
            const double got = SecondsOfMp3(mp3), want = Expected(t.members, t.passes);
            QVERIFY2(qAbs(got - want) < 0.03, qPrintable(QString("%1: %2 s, expected %3 s").arg(mp3).arg(got).arg(want)));
        }
        QCOMPARE(FilesIn("out").size(), 4);
        QCOMPARE(FilesIn("temp"), QStringList());
    }

    void realCdTracksAreCdAudioOfTheRightLength() {
        if (!HaveRealTools()) QSKIP("lame or joinwav is missing");
        MakeRealPacks();
        // Leftovers of a killed run at the paths this run writes to must not
        // end up in its tracks, and the user's own file must survive.
        QVERIFY(QDir().mkpath("temp"));
        const QByteArray tenSeconds = testenv::makeWav(441000, 44100, 2);
        for (const QString& stale : {T("002.255.wav"), T("silence.wav"), T("002.255.mp3"), TT("Al-Baqara.255.wav"),
                                     TT("subgroup.1.0.wav"), TT("Al-Baqara.255.wav") + ".0123abcd.joinwav-tmp"})
            QVERIFY(testenv::writeFile(stale, tenSeconds));
        QVERIFY(testenv::writeFile(T("notes.txt"), "the user's own file"));
        Real rig;
        QVERIFY2(rig.preparer.Run(RealList(), RealGroupReps(), TrackPreparer::Job{}),
                 qPrintable(rig.preparer.Failures().join('\n')));

        const std::vector<PlannedTrack> plan = PlanTracks(RealList(), RealGroupReps());
        QCOMPARE(rig.preparer.TrackList().size(), plan.size());
        for (size_t i = 0; i < plan.size(); ++i) {
            QCOMPARE(rig.preparer.TrackList()[i], plan[i].wavName);
            const WavInfo wav = ReadWavInfo(TrackPreparer::TrackPath(plan[i].wavName));
            QVERIFY(wav.IsCdAudio());
            // group.2 (0.7 s + 2 s) and Al-Fatiha.004 (2 x 0.8 s) are padded to 4 s.
            const double want = qMax(4.0, Expected(plan[i].members, plan[i].passes));
            QVERIFY2(qAbs(wav.Seconds() - want) < 0.005,
                     qPrintable(QString("%1: %2 s, expected %3 s").arg(plan[i].wavName.c_str()).arg(wav.Seconds()).arg(want)));
        }
        QCOMPARE(ReadWavInfo(TrackPreparer::TrackPath("Al-Fatiha.004.wav")).Frames(), qint64(4 * 44100));
        QCOMPARE(FilesIn("temp").size(), plan.size() + 1);
        rig.preparer.RemoveTrackFiles();
        QCOMPARE(FilesIn("temp"), QStringList({"notes.txt"}));
    }

};

QTEST_GUILESS_MAIN(TestTrackPreparer)
#include "test_trackpreparer.moc"
