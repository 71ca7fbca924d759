#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>

namespace testenv {

QString binDir() { return QStringLiteral(NORVANE_BIN_DIR); }
QString fakesDir() { return QDir::cleanPath(binDir() + "/../fakes"); }
QString sourceDir() { return QStringLiteral(NORVANE_SOURCE_DIR); }

RunResult run(const QString& program, const QStringList& args, const QString& workDir,
              const QByteArray& input) {
    RunResult r;
    QProcess p;
    if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
    p.start(program, args);
    if (!p.waitForStarted(30000)) return r;
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(300000);
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    if (p.exitStatus() == QProcess::NormalExit) r.exitCode = p.exitCode();
    return r;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

static void put16(QByteArray& b, quint16 v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); }
static void put32(QByteArray& b, quint32 v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); }

QByteArray makeWav(int frames, int rate, int channels, int toneHz) {
    const quint32 dataBytes = quint32(frames) * channels * 2;
    QByteArray b;
    b.append("RIFF"); put32(b, 36 + dataBytes); b.append("WAVE");
    b.append("fmt "); put32(b, 16); put16(b, 1); put16(b, channels); put32(b, rate);
    put32(b, rate * channels * 2); put16(b, channels * 2); put16(b, 16);
    b.append("data"); put32(b, dataBytes);
    for (int i = 0; i < frames; ++i) {
        const double v = toneHz ? 8000.0 * std::sin(2 * M_PI * toneHz * i / rate) : 0.0;
        for (int c = 0; c < channels; ++c) put16(b, quint16(qint16(std::lround(v))));
    }
    return b;
}

QByteArray makeMp3(int ms, int rate, int channels, const QStringList& extraArgs) {
    QTemporaryDir dir;
    const QString wav = dir.filePath("in.wav"), mp3 = dir.filePath("out.mp3");
    writeFile(wav, makeWav(int(qint64(rate) * ms / 1000), rate, channels));
    QStringList args{"--silent"};
    args << extraArgs << wav << mp3;
    run("lame", args);
    return readFile(mp3);
}

}  // namespace testenv
