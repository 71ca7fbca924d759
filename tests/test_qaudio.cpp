// The length probe against MP3 files made by the real lame encoder.

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
        QTest::addColumn<int>("channels");
        QTest::addColumn<QStringList>("lameArgs");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");

        // Files with a LAME tag are trimmed to the exact sample count.
        QTest::newRow("CBR 128k 44.1k stereo") << 5000 << 44100 << 2 << QStringList{"-b", "128"} << 4999 << 5001;
        QTest::newRow("VBR -V4 44.1k stereo") << 5000 << 44100 << 2 << QStringList{"-V", "4"} << 4999 << 5001;
        QTest::newRow("400 ms") << 400 << 44100 << 2 << QStringList{"-b", "128"} << 399 << 401;
        // At 48 kbit/s and below there is no tag: the encoder delay and the
        // padding of the last frame stay in (a frame is 26 ms at 22.05 kHz and
        // 72 ms at the 8 kHz that lame picks for 8 kbit/s).
        QTest::newRow("32k 22.05k mono") << 5000 << 22050 << 1 << QStringList{"-b", "32"} << 5000 << 5120;
        QTest::newRow("8k mono") << 5000 << 22050 << 1 << QStringList{"-b", "8"} << 5000 << 5250;
        QTest::newRow("2.5 s 32k") << 2500 << 22050 << 1 << QStringList{"-b", "32"} << 2500 << 2620;
    }

    void measuresEncodedLength() {
        QFETCH(int, ms);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(QStringList, lameArgs);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);

        const QByteArray mp3 = testenv::makeMp3(ms, rate, channels, lameArgs);
        QVERIFY2(!mp3.isEmpty(), "lame made no MP3");
        const int len = audio.GetLen(toVector(mp3));
        QVERIFY2(len >= minMs && len <= maxMs, qPrintable(QString("measured %1 ms").arg(len)));
    }

    void rejectsWhatIsNotMp3_data() {
        QTest::addColumn<QByteArray>("bytes");

        std::mt19937 rng(12345);
        QByteArray garbage(40000, '\0');
        for (char& c : garbage) c = char(rng());

        const QByteArray mp3 = testenv::makeMp3(2000, 22050, 1, {"-b", "32"});
        // An ID3v2 tag whose size field claims about 256 MB in front of real audio.
        const QByteArray hugeTag = QByteArray("ID3\x04\x00\x00\x7f\x7f\x7f\x7f", 10) + mp3;

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("random bytes") << garbage;
        // This tone happens to contain byte patterns that pass as MPEG frames.
        QTest::newRow("WAV") << testenv::makeWav(48000 * 3, 48000, 1);
        QTest::newRow("text") << QByteArray("Sura 2, aya 255\n").repeated(2000);
        QTest::newRow("ID3 header alone") << QByteArray("ID3\x04\x00\x00\x00\x00\x01\x00", 10);
        QTest::newRow("tag size beyond the data") << hugeTag;
        QTest::newRow("less than one frame") << mp3.left(60);
    }

    void rejectsWhatIsNotMp3() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(audio.GetLen(toVector(bytes)), 0);
    }

    void sameBytesSameLengthAndFileMatchesMemory() {
        const QByteArray mp3 = testenv::makeMp3(2500, 44100, 2, {"-b", "128"});
        const int first = audio.GetLen(toVector(mp3));
        QVERIFY(first > 0);
        QCOMPARE(audio.GetLen(toVector(mp3)), first);
        QCOMPARE(first / 1000, 2);  // what the total-time display counts

        QTemporaryDir dir;
        const QString path = dir.filePath("aya.mp3");
        QVERIFY(testenv::writeFile(path, mp3));
        QCOMPARE(audio.GetLen(path), first);
        QCOMPARE(audio.GetLen(dir.filePath("missing.mp3")), 0);
        QCOMPARE(audio.GetLen(dir.path()), 0);  // a folder is not a recording

        QAudio other;  // a second probe alongside the first
        QCOMPARE(other.GetLen(toVector(mp3)), first);
    }

    void survivesDamagedData() {
        const QByteArray mp3 = testenv::makeMp3(3000, 44100, 2, {"-b", "128"});
        const std::vector<char> original = toVector(mp3);
        const int full = audio.GetLen(original);
        QVERIFY(full > 0);

        // Cut anywhere: never longer than the whole by more than the last frame
        // (26 ms) whose trimming information is lost with the cut.
        for (int n = 0; n < mp3.size(); n += 211) {
            const int len = audio.GetLen(toVector(mp3.left(n)));
            QVERIFY2(len >= 0 && len <= full + 27, qPrintable(QString("cut at %1: %2 ms").arg(n).arg(len)));
        }
        // Half the bytes measure about half the length.
        const int half = audio.GetLen(toVector(mp3.left(mp3.size() / 2)));
        QVERIFY2(half > full * 4 / 10 && half < full * 6 / 10, qPrintable(QString("%1 of %2 ms").arg(half).arg(full)));

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
