// The MP3 length probe against files made by the real lame encoder, and
// against data that is no MP3 or is damaged.

#include "library/mp3probe.h"
#include "support/testenv.h"

#include <QtTest>
#include <random>

using testenv::toVector;

class TestMp3Probe : public QObject {
    Q_OBJECT
private slots:
    // Measured in memory and from a file alike.
    void measuresEncodedLength() {
        // A file with a LAME tag is trimmed to the exact sample count (the pack
        // tool's tests measure a tagged CBR file). At 48 kbit/s and below there is
        // no tag: the encoder delay and the padding of the last frame stay in (a
        // frame is 26 ms at 22.05 kHz and 72 ms at the 8 kHz that lame picks for
        // 8 kbit/s). Length, rate, lame's options, and how much longer it may measure:
        const QList<std::tuple<int, int, QStringList, int>> cases{
            {400, 44100, {"-V", "4"}, 1}, {2500, 22050, {"-b", "32"}, 120}, {5000, 22050, {"-b", "8"}, 250}};
        for (const auto& [ms, rate, lameArgs, slackMs] : cases) {
            const QByteArray mp3 = testenv::makeMp3(ms, rate, 1, lameArgs);
            QVERIFY2(!mp3.isEmpty() && testenv::writeFile(dir.filePath("aya.mp3"), mp3), "lame made no MP3");
            const int len = audio.GetLen(toVector(mp3));
            QVERIFY2(len >= ms - 1 && len <= ms + slackMs, qPrintable(QString("%1 ms for %2").arg(len).arg(ms)));
            QCOMPARE(audio.GetLen(dir.filePath("aya.mp3")), len);
        }
    }

    // Nothing, in memory or as a file; a missing file and a folder read as nothing too.
    void rejectsWhatIsNotMp3_data() {
        QTest::addColumn<QByteArray>("bytes");
        std::mt19937 rng(12345);
        QByteArray garbage(40000, '\0');
        for (char& c : garbage) c = char(rng());
        const QByteArray mp3 = testenv::makeMp3(2000, 22050, 1, {"-b", "32"});
        QTest::newRow("random bytes") << garbage;
        // This tone happens to contain byte patterns that pass as MPEG frames.
        QTest::newRow("WAV") << testenv::makeWav(48000 * 3, 48000, 1);
        // An ID3v2 tag whose size field claims about 256 MB in front of real audio.
        QTest::newRow("tag size beyond the data") << QByteArray("ID3\x04\x00\x00\x7f\x7f\x7f\x7f", 10) + mp3;
        QTest::newRow("less than one frame") << mp3.left(60);
    }

    void rejectsWhatIsNotMp3() {
        QFETCH(QByteArray, bytes);
        QVERIFY(testenv::writeFile(dir.filePath("x.mp3"), bytes));
        for (const QString& file : {dir.filePath("x.mp3"), dir.filePath("missing.mp3"), dir.path()})
            QVERIFY2(audio.GetLen(file) == 0, qPrintable(file));
        QCOMPARE(audio.GetLen(toVector(bytes)), 0);
    }

    // Cut anywhere: about in proportion, never longer than the whole by more
    // than the last frame (26 ms) whose trimming information is lost with the
    // cut. Flipped bits, then the untouched recording again: a failed
    // measurement must not leave the reused decoder in a bad state.
    void survivesDamagedData() {
        const QByteArray mp3 = testenv::makeMp3(3000, 44100, 2, {"-b", "128"});
        const std::vector<char> original = toVector(mp3);
        const int full = audio.GetLen(original);
        QVERIFY(full > 0);
        std::mt19937 rng(99);
        for (int n = 0; n < mp3.size(); n += 211) {
            const int len = audio.GetLen(toVector(mp3.left(n))), share = int(qint64(full) * n / mp3.size());
            QVERIFY2(len >= share - 100 && len <= qMin(full + 27, share + 100), qPrintable(QString("cut at %1: %2 ms").arg(n).arg(len)));
            std::vector<char> damaged = original;
            for (int k = 0; k < 30; ++k) damaged[rng() % damaged.size()] ^= char(1 << (rng() % 8));
            QVERIFY(audio.GetLen(damaged) >= 0);
        }
        QCOMPARE(audio.GetLen(original), full);
    }

    // A file cut short still carries the frame count its encoder wrote in
    // front (lame's Info tag for CBR, its Xing tag for VBR, behind an ID3v2
    // tag too); one without such a count cannot tell, and passes.
    void tellsAFileCutShort() {
        // lame's options, and whether the file declares its length.
        const QList<QPair<QStringList, bool>> cases{{{"-b", "128"}, true},  // CBR: Info tag
                                                    {{"-V", "4"}, true},    // VBR: Xing tag
                                                    {{"-b", "64", "--id3v2-only", "--tt", "aya"}, true},
                                                    {{"-b", "32", "--resample", "22.05"}, false}};  // no tag
        for (const auto& [lameArgs, declares] : cases) {
            const QByteArray mp3 = testenv::makeMp3(20000, 44100, 1, lameArgs);
            QVERIFY2(!mp3.isEmpty() && audio.CutShort(toVector(mp3)).Ok(), qPrintable(lameArgs.join(' ')));
            const QString cut = audio.CutShort(toVector(mp3.left(mp3.size() * 3 / 10))).Text();
            const QRegularExpression said(declares ? "^cut short: plays [5-6]\\.\\d\\d s of 20\\.\\d\\d s$" : "^$");
            QVERIFY2(said.match(cut).hasMatch(), qPrintable(lameArgs.join(' ') + ": " + cut));
        }
    }

private:
    Mp3Probe audio;
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestMp3Probe)
#include "test_mp3probe.moc"
