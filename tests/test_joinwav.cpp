// The joinwav program, run as the production runs it: inputs, then output.

#include "support/libfixtures.h"
#include "support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace libfixtures;

namespace {

bool isCdAudio(const Wav& w) {
    return w.valid && w.format == 1 && w.channels == 2 && w.rate == 44100 && w.bits == 16;
}

}  // namespace

class TestJoinwav : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir.emplace().isValid()); }

    void cdAudioIsCopiedBitExact() {
        const QString a = writeWav("a.wav", 3000, 44100, 2, 440);
        const QString b = writeWav("b.wav", 5001, 44100, 2, 1000);
        const QByteArray aData = readWav("a.wav").data, bData = readWav("b.wav").data;
        const auto r = testenv::run(joinwav(), {a, b, a, a, path("out.wav")});
        QVERIFY(r.exitCode == 0 && r.out.isEmpty() && r.err.isEmpty());
        QVERIFY(isCdAudio(readWav("out.wav")) && readWav("out.wav").data == aData + bData + aData + aData);
        QCOMPARE(filesIn(dir->path()).size(), 3);  // no temporary file left

        // The output may be one of the inputs.
        QCOMPARE(testenv::run(joinwav(), {a, b, a, a}).exitCode, 0);
        QVERIFY(readWav("a.wav").data == aData + bData + aData);
    }

    void monoAndOtherRatesAreConverted() {
        // Mono at the CD rate is copied sample for sample into both channels.
        const QString mono = writeWav("mono.wav", 4410, 44100, 1, 440);
        QCOMPARE(testenv::run(joinwav(), {mono, path("dup.wav")}).exitCode, 0);
        const QByteArray in = readWav("mono.wav").data;
        QByteArray doubled;
        for (int i = 0; i < in.size(); i += 2) doubled += in.mid(i, 2).repeated(2);
        QVERIFY(isCdAudio(readWav("dup.wav")) && readWav("dup.wav").data == doubled);

        // 1 s at 22.05 kHz mono, 0.5 s of CD audio, 1.2 s at 48 kHz mono.
        const QString low = writeWav("low.wav", 22050, 22050, 1, 440);
        const QString cd = writeWav("cd.wav", 22050, 44100, 2, 440);
        const QString high = writeWav("high.wav", 57600, 48000, 1, 440);
        QCOMPARE(testenv::run(joinwav(), {low, cd, high, path("out.wav")}).exitCode, 0);
        const Wav out = readWav("out.wav");
        QVERIFY(isCdAudio(out));
        const qint64 expected = 44100 + 22050 + 52920;
        QVERIFY2(std::llabs(out.frames() - expected) <= 4, qPrintable(QString::number(out.frames())));
        // Inside each converted part both channels carry the mono signal at the
        // tone's level (makeWav uses an amplitude of 8000).
        for (const auto& [from, to] : {std::pair<qint64, qint64>{500, 43600}, {67000, 118500}}) {
            for (qint64 i = from; i < to; ++i)
                if (out.sample(i, 0) != out.sample(i, 1)) QFAIL(qPrintable(QString("frame %1 is not mono").arg(i)));
            QVERIFY(std::abs(out.peak(from, to, 0) - 8000) < 200);
        }
    }

    // Every refusal names the culprit and leaves the folder as it was.
    void failures_data() {
        QTest::addColumn<QStringList>("args");  // "@" stands for the temporary folder
        QTest::addColumn<QString>("named");     // expected in the message
        QTest::newRow("no arguments") << QStringList{} << "no input";
        QTest::newRow("only an output") << QStringList{"@/out.wav"} << "@/out.wav";
        QTest::newRow("missing input") << QStringList{"@/good.wav", "@/missing.wav", "@/out.wav"} << "@/missing.wav";
        QTest::newRow("text as input") << QStringList{"@/good.wav", "@/notes.txt", "@/out.wav"} << "@/notes.txt";
        QTest::newRow("four channels") << QStringList{"@/quad.wav", "@/out.wav"} << "@/quad.wav";
        QTest::newRow("missing output folder") << QStringList{"@/good.wav", "@/nofolder/out.wav"} << "@/nofolder/out.wav";
        QTest::newRow("output below a file") << QStringList{"@/good.wav", "@/notes.txt/out.wav"} << "@/notes.txt/out.wav";
        QTest::newRow("earlier output is kept") << QStringList{"@/good.wav", "@/missing.wav", "@/kept.wav"} << "@/missing.wav";
        // Fails only at the final rename, after all audio was written.
        QTest::newRow("output is a folder") << QStringList{"@/good.wav", "@/good.wav", "@/folder"} << "@/folder";
    }

    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        writeWav("good.wav", 44100, 22050, 1);
        writeWav("quad.wav", 1000, 44100, 4);
        QVERIFY(testenv::writeFile(path("notes.txt"), "Sura 2, aya 255\n"));
        QVERIFY(testenv::writeFile(path("kept.wav"), "earlier output"));
        QVERIFY(QDir(dir->path()).mkdir("folder"));
        const QStringList before = QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        const auto r = testenv::run(joinwav(), args.replaceInStrings("@", dir->path()));
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(named.replace("@", dir->path()).toLocal8Bit()), r.err.constData());
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QVERIFY(QDir(path("folder")).isEmpty());
        QCOMPARE(testenv::readFile(path("kept.wav")), QByteArray("earlier output"));
    }

private:
    std::optional<QTemporaryDir> dir;
    QString joinwav() const { return testenv::binDir() + "/joinwav"; }
    QString path(const QString& name) const { return dir->filePath(name); }
    QString writeWav(const QString& name, int frames, int rate, int channels, int toneHz = 440) {
        testenv::writeFile(path(name), testenv::makeWav(frames, rate, channels, toneHz));
        return path(name);
    }
    Wav readWav(const QString& name) const { return parseWav(testenv::readFile(path(name))); }
};

QTEST_GUILESS_MAIN(TestJoinwav)
#include "test_joinwav.moc"
