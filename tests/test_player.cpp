// Listening before making: the player's audio of a track against the WAV
// the track job makes of the very same track, sample for sample.
#include "library/quran.h"
#include "library/recitation.h"
#include "production/trackaudio.h"
#include "production/trackpreparer.h"
#include "production/trackstream.h"
#include "production/wavfile.h"
#include "support/testenv.h"

#include <QtTest>

class TestPlayer : public QObject {
    Q_OBJECT

    static QByteArray Samples(const QString& wav) {
        const WavInfo info = ReadWavInfo(wav);
        QFile file(wav);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(info.dataOffset)) return QByteArray();
        return file.read(info.dataBytes);
    }

private slots:
    // A build-up group played twice with its pause, the basmala before its
    // first aya, a translation after each aya, pauses of 0.5 and 3 times an
    // aya's length, recordings at 22.05 and 44.1 kHz, as recorded and slower.
    void playsWhatTheJobMakes_data() {
        QTest::addColumn<int>("speed");
        QTest::newRow("as recorded") << 100;
        QTest::newRow("0.75") << 75;
    }
    void playsWhatTheJobMakes() {
        testenv::WorkFolder work;
        const testenv::PackEntries silence{{"silence.mp3", testenv::makeMp3(1000, 22050, 1, {"--scale", "0"})}};
        QVERIFY(work.ok() && testenv::writePack("quran/s001_s002.mat",
                                                testenv::PackEntries{{"001.001.mp3", testenv::makeMp3(900)},
                                                                     {"002.001.mp3", testenv::makeMp3(1200)},
                                                                     {"002.002.mp3", testenv::makeMp3(700, 44100)},
                                                                     {"002.003.mp3", testenv::makeMp3(500)}} +
                                                    silence));
        QVERIFY(testenv::writePack("quran/english/s001_s002.mat",
                                   testenv::PackEntries{{"002.001.mp3", testenv::makeMp3(400, 44100)},
                                                        {"002.002.mp3", testenv::makeMp3(300)},
                                                        {"002.003.mp3", testenv::makeMp3(350)}} +
                                       silence));
        RecitationManifest english;
        english.kind = RecitationManifest::kTranslation;
        QVERIFY(!english.Write("quran/english"));
        std::vector<saya> list{testenv::makeSaya("002", "001", 1, 1, 1), testenv::makeSaya("002", "002", 2, 0, 1),
                               testenv::makeSaya("002", "003", 1, 1, 1)};
        list[1].lengthPauseQuarters = 2;
        list[2].lengthPauseQuarters = 12;
        for (saya& member : list) member.groupPause = 1, member.buildUp = true;
        const std::map<int, int> reps{{1, 2}};
        QFETCH(int, speed);
        TrackPreparer::Options options;
        options.play = {true, speed, "english"};
        Quran quran;
        quran.Setup();
        TrackPreparer job(&quran);
        QSignalSpy done(&job, &Job::Finished);
        job.Start(list, reps, options);
        QVERIFY(done.wait(120000));
        QVERIFY2(job.Failures().isEmpty(), qPrintable(job.Failures().join('\n')));
        const PlannedTrack track = PlanTracks(list, reps).front();
        const QByteArray made = Samples(TrackPreparer::TrackPath(track.wavName));

        TrackStream stream(std::make_unique<TrackAudio>(quran.Recitation(), track, options.play));
        QByteArray heard;
        for (QByteArray block; !(block = stream.read(4096 * 7 + 2)).isEmpty();) heard += block;
        QVERIFY(stream.atEnd() && stream.Failure().Ok());
        QCOMPARE(heard.size(), made.size());
        QVERIFY(heard == made);
        // What is heard when: the basmala opens the track, the group's pause
        // after its last aya ends it.
        QCOMPARE(stream.PieceAt(0)->kind, TrackPiece::Kind::Basmala);
        QVERIFY(stream.PieceAt(heard.size() - 1)->kind == TrackPiece::Kind::Silence &&
                stream.PieceAt(heard.size() - 1)->member == 2);

        // A recording missing from the packs ends the stream, saying which.
        list.push_back(testenv::makeSaya("002", "004", 1, 0, 1));
        TrackStream broken(
            std::make_unique<TrackAudio>(quran.Recitation(), PlanTracks(list, reps).front(), options.play));
        while (!broken.read(1 << 20).isEmpty()) {
        }
        QVERIFY(broken.atEnd() && broken.Failure().Text().contains("002.004"));
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "test_player.moc"
