#pragma once
// Shared helpers for the tests: where the built programs are, running a
// program, small audio files made with the real lame, test packs, burn-list
// entries, a fake tool first on PATH and a working folder of a test's own.

#include "burnlist/saya.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

class QProcess;

namespace testenv {

QString binDir();     // the built programs (norvane-pack, joinwav, ...)
QString fakesDir();   // the fake tools built for the tests

struct RunResult {
    int exitCode = -1;  // -1 when the program did not start or crashed
    QByteArray out;
    QByteArray err;
};
RunResult run(const QString& program, const QStringList& args, const QString& workDir = QString());

bool writeFile(const QString& path, const QByteArray& bytes);
// The files under a folder, in every subfolder, as sorted relative paths.
QStringList filesUnder(const QString& folder);
QByteArray readFile(const QString& path);

// A 16-bit PCM WAV of a sine tone (or silence when toneHz is 0).
QByteArray makeWav(int frames, int rate, int channels, int toneHz = 440);
// An MP3 of about `ms` milliseconds made with lame from a sine WAV.
// extraArgs go to lame before the file names (for example "-b", "32" or "-V", "4").
QByteArray makeMp3(int ms, int rate = 22050, int channels = 1,
                   const QStringList& extraArgs = QStringList());

inline std::vector<char> toVector(const QByteArray& b) { return std::vector<char>(b.begin(), b.end()); }
inline QByteArray asBytes(const std::vector<char>& v) { return QByteArray(v.data(), int(v.size())); }

// Writes a pack archive of (entry name, bytes) pairs, making its folder.
using PackEntries = QList<QPair<QString, QByteArray>>;
bool writePack(const QString& path, const PackEntries& entries);

saya makeSaya(const std::string& sura, const std::string& aya, int reps = 1, int pause = 0, int group = 0);

// A fake cdrdao script's start: its bus scan finds one writer, /dev/sr0.
inline const QString kScanOneWriter = "ifarg:scanbus\nerr:/dev/sr0 : VENDOR  , MODEL           , REV \n";

// A fake tool (BUILD/fakes/faketool) under a real tool's name, first on
// PATH while the object lives; its script and argument log sit in `folder`.
class FakeTool {
public:
    FakeTool(const QString& folder, const QString& toolName = "cdrdao");
    ~FakeTool();
    bool ok() const { return linked; }
    bool setScript(const QString& actions) const;  // the lines of FAKETOOL_SCRIPT
    void clearLog() const;
    QList<QStringList> runs() const;  // the arguments of every run so far, one list per run
    QStringList lastRun(const QString& firstArg) const;  // the last run whose first argument is firstArg
    int aliveCount() const;  // runs of this fake that still live (not zombies)
    bool anyAlive() const { return aliveCount() > 0; }
    QString scriptPath, argsLogPath;

private:
    QString bin;
    QByteArray originalPath;
    bool linked = false;
};

// tests/ayaserver.py serving `root` on 127.0.0.1 while the object lives:
// base() is the address of its data folder (ROOT/data).
class AyaServer {
public:
    explicit AyaServer(const QString& root);
    ~AyaServer();
    bool ok() const { return !address.isEmpty(); }
    QString base() const { return address; }

private:
    QProcess* process;
    QString address;
};

// A fresh temporary folder that becomes the working folder (the program
// folder) while the object lives; the earlier one is restored afterwards.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    bool ok() const { return entered; }
    QString path() const { return dir.path(); }
    QString filePath(const QString& name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    QString previous;
    bool entered = false;
};

}  // namespace testenv
