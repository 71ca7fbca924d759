#include "support/testenv.h"

#include "library/packarchive.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>

namespace testenv {

QString binDir() { return QStringLiteral(NORVANE_BIN_DIR); }
QString fakesDir() { return QDir::cleanPath(binDir() + "/../fakes"); }

RunResult run(const QString& program, const QStringList& args, const QString& workDir) {
    RunResult r;
    QProcess p;
    if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
    p.start(program, args);
    if (!p.waitForStarted(30000)) return r;
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

QStringList filesUnder(const QString& folder) {
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(QDir(folder).absolutePath()).relativeFilePath(QFileInfo(it.next()).absoluteFilePath());
    files.sort();
    return files;
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

bool writePack(const QString& path, const PackEntries& entries) {
    PackArchive pack;
    for (const auto& [name, bytes] : entries) pack.AddPending(PackArchive::EntryFromBytes(name.toStdString(), toVector(bytes)));
    QDir().mkpath(QFileInfo(path).path());
    return pack.Write(path.toStdString());
}

saya makeSaya(const std::string& sura, const std::string& aya, int reps, int pause, int group) {
    return saya{sura, aya, pause, reps, group};
}

FakeTool::FakeTool(const QString& folder, const QString& toolName)
    : scriptPath(folder + "/" + toolName + ".script"),
      argsLogPath(folder + "/" + toolName + ".args"),
      bin(folder + "/fake-" + toolName),
      originalPath(qgetenv("PATH")) {
    // A wrapper of the tool's name, so that several fakes can stand in at once.
    const QString wrapper = bin + "/" + toolName;
    linked = QDir().mkpath(bin) &&
             writeFile(wrapper, QString("#!/bin/sh\nexport FAKETOOL_SCRIPT='%1' FAKETOOL_ARGS_LOG='%2'\n"
                                        "exec '%3/faketool' \"$@\"\n")
                                    .arg(scriptPath, argsLogPath, fakesDir())
                                    .toUtf8()) &&
             QFile::setPermissions(wrapper, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin) + ":" + originalPath);
}

FakeTool::~FakeTool() { qputenv("PATH", originalPath); }

bool FakeTool::setScript(const QString& actions) const { return writeFile(scriptPath, actions.toUtf8()); }
void FakeTool::clearLog() const {
    QFile::remove(argsLogPath);
    QFile::remove(argsLogPath + ".pids");
}

int FakeTool::aliveCount() const {
    int alive = 0;
    for (const QByteArray& pid : readFile(argsLogPath + ".pids").split('\n')) {
        const QByteArray stat = readFile("/proc/" + QString::fromLatin1(pid) + "/stat");
        alive += !pid.isEmpty() && !stat.isEmpty() && stat.mid(stat.lastIndexOf(')') + 2, 1) != "Z";
    }
    return alive;
}

QList<QStringList> FakeTool::runs() const {
    QList<QStringList> calls{QStringList()};
    for (const QString& line : QString::fromUtf8(readFile(argsLogPath)).split('\n')) {
        if (line == "--end--") calls.append(QStringList());
        else calls.last() << line;
    }
    calls.removeLast();
    return calls;
}

QStringList FakeTool::lastRun(const QString& firstArg) const {
    const QList<QStringList> all = runs();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (it->value(0) == firstArg) return *it;
    return QStringList();
}

AyaServer::AyaServer(const QString& root) : process(new QProcess) {
    for (const char* proxy : {"http_proxy", "HTTP_PROXY", "all_proxy"}) qunsetenv(proxy);
    process->start("python3", {NORVANE_SOURCE_DIR "/tests/ayaserver.py", root});
    if (!process->waitForStarted() || !process->waitForReadyRead(10000)) return;
    const QByteArray first = process->readLine().trimmed();  // "PORT n"
    if (first.startsWith("PORT ")) address = "http://127.0.0.1:" + QString::fromLatin1(first.mid(5)) + "/data";
}

AyaServer::~AyaServer() {
    process->kill();
    process->waitForFinished();
    delete process;
}

WorkFolder::WorkFolder() : previous(QDir::currentPath()) {
    entered = dir.isValid() && QDir::setCurrent(dir.path());
}

WorkFolder::~WorkFolder() { QDir::setCurrent(previous); }

}  // namespace testenv
