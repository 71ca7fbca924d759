// The joinwav program, run as the production runs it: inputs, then output.

#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

// The parts of a WAV file the tests look at, read straight from its chunks.
struct Wav {
    bool valid = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    QByteArray data;

    qint64 frames() const { return channels && bits ? data.size() / (channels * bits / 8) : 0; }
    qint16 sample(qint64 frame, int channel) const {
        return qFromLittleEndian<qint16>(data.constData() + 2 * (frame * channels + channel));
    }
};

Wav parseWav(const QByteArray& b) {
    Wav w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return w;
    if (qFromLittleEndian<quint32>(b.constData() + 4) != quint32(b.size() - 8)) return w;
    bool haveFmt = false;
    for (qsizetype pos = 12; pos + 8 <= b.size();) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (body + qsizetype(size) > b.size()) return w;
        if (id == "fmt " && size >= 16) {
            w.format = qFromLittleEndian<quint16>(b.constData() + body);
            w.channels = qFromLittleEndian<quint16>(b.constData() + body + 2);
            w.rate = int(qFromLittleEndian<quint32>(b.constData() + body + 4));
            w.bits = qFromLittleEndian<quint16>(b.constData() + body + 14);
            haveFmt = true;
        } else if (id == "data") {
            w.data = b.mid(body, size);
            w.valid = haveFmt;
            return w;
        }
        pos = body + size + (size & 1);
    }
    return w;
}

bool isCdAudio(const Wav& w) {
    return w.valid && w.format == 1 && w.channels == 2 && w.rate == 44100 && w.bits == 16;
}

// The largest absolute sample of one channel over a range of frames.
int peak(const Wav& w, qint64 from, qint64 to, int channel) {
    int p = 0;
    for (qint64 i = from; i < to; ++i) p = qMax(p, std::abs(int(w.sample(i, channel))));
    return p;
}

}  // namespace

class TestJoinwav : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void cdAudioIsCopiedBitExact() {
        const QString a = writeWav("a.wav", 3000, 44100, 2, 440);
        const QString b = writeWav("b.wav", 5001, 44100, 2, 1000);
        const QByteArray aData = parseWav(testenv::readFile(a)).data;
        const QByteArray bData = parseWav(testenv::readFile(b)).data;

        const auto r = testenv::run(joinwav(), {a, b, a, a, path("out.wav")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.isEmpty());
        const Wav out = readWav("out.wav");
        QVERIFY(isCdAudio(out));
        QCOMPARE(out.frames(), qint64(3000 + 5001 + 3000 + 3000));
        QVERIFY(out.data == aData + bData + aData + aData);

        QVERIFY(testenv::run(joinwav(), {b, b, b, b, b, b, b, path("seven.wav")}).exitCode == 0);
        QVERIFY(readWav("seven.wav").data == bData.repeated(7));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 4);  // no temporary file left

        // The output may be one of the inputs.
        QCOMPARE(testenv::run(joinwav(), {a, b, a, a}).exitCode, 0);
        QVERIFY(readWav("a.wav").data == aData + bData + aData);
    }

    void monoAtCdRateIsDuplicated() {
        const QString mono = writeWav("mono.wav", 4410, 44100, 1, 440);
        const Wav in = readWav("mono.wav");
        QCOMPARE(testenv::run(joinwav(), {mono, path("out.wav")}).exitCode, 0);
        const Wav out = readWav("out.wav");
        QVERIFY(isCdAudio(out));
        QCOMPARE(out.frames(), in.frames());
        for (qint64 i = 0; i < out.frames(); ++i) {
            if (out.sample(i, 0) != in.sample(i, 0) || out.sample(i, 1) != in.sample(i, 0))
                QFAIL(qPrintable(QString("frame %1 differs").arg(i)));
        }
    }

    void mixedRatesAndChannelsAreConverted() {
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
                if (out.sample(i, 0) != out.sample(i, 1)) QFAIL(qPrintable(QString("frame %1 not mono").arg(i)));
            QVERIFY(std::abs(peak(out, from, to, 0) - 8000) < 200);
        }
        // The 440 Hz tone keeps its pitch: about 880 zero crossings per second.
        int crossings = 0;
        for (qint64 i = 501; i < 44100 - 500; ++i)
            if ((out.sample(i - 1, 0) < 0) != (out.sample(i, 0) < 0)) ++crossings;
        QVERIFY2(std::abs(crossings - 880 * 43100 / 44100) <= 4, qPrintable(QString::number(crossings)));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");  // "@" stands for the temporary folder
        QTest::addColumn<QString>("named");     // expected in the message
        QTest::addColumn<QString>("output");    // must not exist afterwards ("" for none)

        QTest::newRow("no arguments") << QStringList{} << "no input" << "";
        QTest::newRow("only an output") << QStringList{"@/out.wav"} << "@/out.wav" << "@/out.wav";
        QTest::newRow("missing input") << QStringList{"@/good.wav", "@/missing.wav", "@/out.wav"} << "@/missing.wav"
                                       << "@/out.wav";
        QTest::newRow("text as input") << QStringList{"@/good.wav", "@/notes.txt", "@/out.wav"} << "@/notes.txt"
                                       << "@/out.wav";
        QTest::newRow("four channels") << QStringList{"@/quad.wav", "@/out.wav"} << "@/quad.wav" << "@/out.wav";
        QTest::newRow("missing output folder") << QStringList{"@/good.wav", "@/nofolder/out.wav"}
                                               << "@/nofolder/out.wav" << "@/nofolder/out.wav";
        QTest::newRow("output below a file") << QStringList{"@/good.wav", "@/notes.txt/out.wav"}
                                             << "@/notes.txt/out.wav" << "";
        QTest::newRow("earlier output is kept") << QStringList{"@/good.wav", "@/missing.wav", "@/kept.wav"}
                                                << "@/missing.wav" << "";
        // Fails only at the final rename, after all audio was written.
        QTest::newRow("output is a folder") << QStringList{"@/good.wav", "@/good.wav", "@/folder"} << "@/folder"
                                            << "";
    }

    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QString, named);
        QFETCH(QString, output);
        writeWav("good.wav", 44100, 22050, 1);
        writeWav("quad.wav", 1000, 44100, 4);
        QVERIFY(testenv::writeFile(path("notes.txt"), "Sura 2, aya 255\n"));
        QVERIFY(QDir(dir->path()).mkdir("folder"));
        QVERIFY(testenv::writeFile(path("kept.wav"), "earlier output"));
        const QStringList before = QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        args.replaceInStrings("@", dir->path());
        named.replace("@", dir->path());
        output.replace("@", dir->path());
        const auto r = testenv::run(joinwav(), args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(named.toLocal8Bit()), r.err.constData());
        QVERIFY(r.out.isEmpty());
        if (!output.isEmpty()) QVERIFY(!QFile::exists(output));
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QVERIFY(QDir(path("folder")).isEmpty());
        QCOMPARE(testenv::readFile(path("kept.wav")), QByteArray("earlier output"));
    }

    void readOnlyFolderIsReported() {
        const QString good = writeWav("good.wav", 1000, 44100, 2);
        QVERIFY(QDir(dir->path()).mkdir("locked"));
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        if (testenv::writeFile(path("locked/probe"), "x")) {
            QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permissions are not enforced for this user (root)");
        }
        const auto locked = testenv::run(joinwav(), {good, path("locked/out.wav")});
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(locked.exitCode, 1);
        QVERIFY(locked.err.contains("locked/out.wav"));
        QVERIFY(QDir(path("locked")).isEmpty());
    }

private:
    QString joinwav() const { return testenv::binDir() + "/joinwav"; }
    QString path(const QString& name) const { return dir->filePath(name); }
    QString writeWav(const QString& name, int frames, int rate, int channels, int toneHz = 440) {
        testenv::writeFile(path(name), testenv::makeWav(frames, rate, channels, toneHz));
        return path(name);
    }
    Wav readWav(const QString& name) const { return parseWav(testenv::readFile(path(name))); }

    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_GUILESS_MAIN(TestJoinwav)
#include "test_joinwav.moc"
