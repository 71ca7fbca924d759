// The joinwav program, run as the production runs it: inputs, then output.

#include "support/testenv.h"

#include <QtTest>
#include <optional>

namespace {

// The samples of a file that is CD audio (16-bit PCM, stereo, 44.1 kHz) in
// the 44-byte layout libsndfile writes, with both sizes in it agreeing with
// the file; empty for anything else.
QByteArray cdAudio(const QByteArray& b) {
    const auto u32 = [&b](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data") return {};
    if (u32(4) != quint32(b.size() - 8) || u32(16) != 16 || u32(40) != quint32(b.size() - 44)) return {};
    // PCM, 2 channels, 44100 frames and 176400 bytes a second, 4 bytes a frame, 16 bits.
    return b.mid(20, 16) == QByteArray::fromHex("0100020044ac000010b1020004001000") ? b.mid(44) : QByteArray();
}

}  // namespace

class TestJoinwav : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir.emplace().isValid()); }

    // CD audio is copied bit for bit and mono at the CD rate into both
    // channels; other rates are converted: 1 s at 22.05 kHz and 1.2 s at 48 kHz.
    void joinsIntoCdAudio() {
        const QByteArray stereo = writeWav("a.wav", 3001, 44100, 2, 1000), mono = writeWav("m.wav", 4410, 44100, 1);
        writeWav("low.wav", 22050, 22050, 1);
        writeWav("high.wav", 57600, 48000, 1);
        const auto r = joinwav({"a.wav", "m.wav", "low.wav", "high.wav", "out.wav"});
        QVERIFY(r.exitCode == 0 && r.out.isEmpty() && r.err.isEmpty());
        QByteArray doubled;
        for (int i = 0; i < mono.size(); i += 2) doubled += mono.mid(i, 2).repeated(2);
        const QByteArray out = readCdAudio("out.wav");
        QVERIFY(out.startsWith(stereo + doubled));
        const qint64 frames = out.size() / 4, base = 3001 + 4410;
        QVERIFY2(std::llabs(frames - base - 44100 - 52920) <= 4, qPrintable(QString::number(frames)));
        // Inside each converted part both channels carry the mono signal at the
        // tone's level (makeWav uses an amplitude of 8000).
        const auto sample = [&out](qint64 frame, int channel) {
            return qFromLittleEndian<qint16>(out.constData() + 4 * frame + 2 * channel);
        };
        for (const qint64 from : {base + 500, base + 45000}) {
            int peak = 0;
            for (qint64 i = from; i < from + 43100; ++i) {
                if (sample(i, 0) != sample(i, 1)) QFAIL(qPrintable(QString("frame %1 is not mono").arg(i)));
                peak = qMax(peak, std::abs(int(sample(i, 0))));
            }
            QVERIFY(std::abs(peak - 8000) < 200);
        }
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 5);  // no temporary file left
        // An input named again (kept in memory, not read again) gives the
        // very samples it gave the first time; @LIST names inputs in a file.
        const auto alone = [this](const QString& in) { return joinwav({in, "one.wav"}), readCdAudio("one.wav"); };
        const QByteArray low = alone("low.wav"), high = alone("high.wav");
        QVERIFY(testenv::writeFile(path("list.txt"), "high.wav\r\n\nlow.wav\nlow.wav"));
        QCOMPARE(joinwav({"low.wav", "@list.txt", "high.wav", "out.wav"}).exitCode, 0);
        QCOMPARE(readCdAudio("out.wav"), low + high + low + low + high);
        // The output may be one of the inputs.
        QCOMPARE(joinwav({"a.wav", "m.wav", "a.wav", "a.wav"}).exitCode, 0);
        QCOMPARE(readCdAudio("a.wav"), stereo + doubled + stereo);
    }

    // Every refusal names the culprit and leaves the folder as it was. The
    // last case fails only at the final rename, after all audio was written.
    void refusalsLeaveNothing() {
        writeWav("good.wav", 44100, 22050, 1);
        writeWav("quad.wav", 1000, 44100, 4);
        QVERIFY(testenv::writeFile(path("notes.txt"), "Sura 2, aya 255\n"));
        QVERIFY(testenv::writeFile(path("kept.wav"), "earlier output"));
        QVERIFY(QDir(dir->path()).mkdir("folder"));
        const QStringList before = QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        // The arguments, and a text the message must hold.
        const QList<QPair<QStringList, QByteArray>> cases{
            {{}, "no input"},
            {{"out.wav"}, "out.wav"},
            {{"good.wav", "notes.txt", "out.wav"}, "notes.txt"},
            {{"quad.wav", "out.wav"}, "quad.wav"},
            {{"good.wav", "nofolder/out.wav"}, "nofolder/out.wav"},
            {{"good.wav", "missing.wav", "kept.wav"}, "missing.wav"},
            {{"@nolist.txt", "out.wav"}, "nolist.txt"},
            {{"good.wav", "good.wav", "folder"}, "folder"}};
        for (const auto& [args, named] : cases) {
            const auto r = joinwav(args);
            QVERIFY2(r.exitCode == 1 && r.err.contains(named), qPrintable(args.join(' ') + ": " + r.err));
            QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
            QVERIFY(QDir(path("folder")).isEmpty());
            QCOMPARE(testenv::readFile(path("kept.wav")), QByteArray("earlier output"));
        }
    }

private:
    std::optional<QTemporaryDir> dir;
    // Run in the temporary folder, so that file names are paths.
    testenv::RunResult joinwav(const QStringList& args) const {
        return testenv::run(testenv::binDir() + "/joinwav", args, dir->path());
    }
    QString path(const QString& name) const { return dir->filePath(name); }
    // Writes a sine tone and returns its samples.
    QByteArray writeWav(const QString& name, int frames, int rate, int channels, int toneHz = 440) {
        const QByteArray wav = testenv::makeWav(frames, rate, channels, toneHz);
        testenv::writeFile(path(name), wav);
        return wav.mid(44);
    }
    QByteArray readCdAudio(const QString& name) const { return cdAudio(testenv::readFile(path(name))); }
};

QTEST_GUILESS_MAIN(TestJoinwav)
#include "test_joinwav.moc"
