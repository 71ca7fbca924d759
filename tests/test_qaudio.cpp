// The MP3 length probe against files made by the real lame encoder, and
// against data that is no MP3 or is damaged.

#include "library/qaudio.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>
#include <random>

using testenv::toVector;

class TestQAudio : public QObject {
    Q_OBJECT
private slots:
    void measuresEncodedLength_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QStringList>("lameArgs");
        QTest::addColumn<int>("slackMs");
        // Files with a LAME tag are trimmed to the exact sample count.
        QTest::newRow("CBR 128k") << 5000 << 44100 << QStringList{"-b", "128"} << 1;
        QTest::newRow("VBR -V4") << 400 << 44100 << QStringList{"-V", "4"} << 1;
        // At 48 kbit/s and below there is no tag: the encoder delay and the
        // padding of the last frame stay in (a frame is 26 ms at 22.05 kHz and
        // 72 ms at the 8 kHz that lame picks for 8 kbit/s).
        QTest::newRow("32k untagged") << 2500 << 22050 << QStringList{"-b", "32"} << 120;
        QTest::newRow("8k untagged") << 5000 << 22050 << QStringList{"-b", "8"} << 250;
    }

    void measuresEncodedLength() {
        QFETCH(int, ms);
        QFETCH(int, rate);
        QFETCH(QStringList, lameArgs);
        QFETCH(int, slackMs);
        const QByteArray mp3 = testenv::makeMp3(ms, rate, 1, lameArgs);
        QVERIFY2(!mp3.isEmpty(), "lame made no MP3");
        const int len = audio.GetLen(toVector(mp3));
        QVERIFY2(len >= ms - 1 && len <= ms + slackMs, qPrintable(QString("measured %1 ms").arg(len)));
    }

    void rejectsWhatIsNotMp3_data() {
        QTest::addColumn<QByteArray>("bytes");
        std::mt19937 rng(12345);
        QByteArray garbage(40000, '\0');
        for (char& c : garbage) c = char(rng());
        const QByteArray mp3 = testenv::makeMp3(2000, 22050, 1, {"-b", "32"});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("random bytes") << garbage;
        // This tone happens to contain byte patterns that pass as MPEG frames.
        QTest::newRow("WAV") << testenv::makeWav(48000 * 3, 48000, 1);
        QTest::newRow("text") << QByteArray("Sura 2, aya 255\n").repeated(2000);
        QTest::newRow("ID3 header alone") << QByteArray("ID3\x04\x00\x00\x00\x00\x01\x00", 10);
        // An ID3v2 tag whose size field claims about 256 MB in front of real audio.
        QTest::newRow("tag size beyond the data") << QByteArray("ID3\x04\x00\x00\x7f\x7f\x7f\x7f", 10) + mp3;
        QTest::newRow("less than one frame") << mp3.left(60);
    }

    void rejectsWhatIsNotMp3() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(audio.GetLen(toVector(bytes)), 0);
    }

    void fileMatchesMemory() {
        const QByteArray mp3 = testenv::makeMp3(2500, 44100, 2, {"-b", "128"});
        QTemporaryDir dir;
        QVERIFY(testenv::writeFile(dir.filePath("aya.mp3"), mp3) && audio.GetLen(toVector(mp3)) > 0);
        QCOMPARE(audio.GetLen(dir.filePath("aya.mp3")), audio.GetLen(toVector(mp3)));
        QCOMPARE(audio.GetLen(dir.filePath("missing.mp3")), 0);
        QCOMPARE(audio.GetLen(dir.path()), 0);  // a folder is not a recording
    }

    void survivesDamagedData() {
        const QByteArray mp3 = testenv::makeMp3(3000, 44100, 2, {"-b", "128"});
        const std::vector<char> original = toVector(mp3);
        const int full = audio.GetLen(original);
        QVERIFY(full > 0);
        // Cut anywhere: about in proportion, never longer than the whole by more
        // than the last frame (26 ms) whose trimming information is lost with the cut.
        for (int n = 0; n < mp3.size(); n += 211) {
            const int len = audio.GetLen(toVector(mp3.left(n))), share = int(qint64(full) * n / mp3.size());
            QVERIFY2(len >= share - 100 && len <= qMin(full + 27, share + 100), qPrintable(QString("cut at %1: %2 ms").arg(n).arg(len)));
        }
        // Flipped bits, then the untouched recording again: a failed measurement
        // must not leave the reused decoder in a bad state.
        std::mt19937 rng(99);
        for (int round = 0; round < 200; ++round) {
            std::vector<char> damaged = original;
            for (int k = 0; k < 30; ++k) damaged[rng() % damaged.size()] ^= char(1 << (rng() % 8));
            QVERIFY(audio.GetLen(damaged) >= 0);
        }
        QCOMPARE(audio.GetLen(original), full);
    }

private:
    QAudio audio;
};

QTEST_GUILESS_MAIN(TestQAudio)
#include "test_qaudio.moc"
