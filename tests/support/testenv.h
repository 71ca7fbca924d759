#pragma once
// Shared helpers for the tests: where the built programs are, running a
// program, and making small audio files with the real lame.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace testenv {

QString binDir();     // the built programs (norvane-pack, joinwav, ...)
QString fakesDir();   // the fake tools built for the tests
QString sourceDir();

struct RunResult {
    int exitCode = -1;  // -1 when the program did not start or crashed
    QByteArray out;
    QByteArray err;
};
RunResult run(const QString& program, const QStringList& args,
              const QString& workDir = QString(), const QByteArray& input = QByteArray());

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// A 16-bit PCM WAV of a sine tone (or silence when toneHz is 0).
QByteArray makeWav(int frames, int rate, int channels, int toneHz = 440);
// An MP3 of about `ms` milliseconds made with lame from a sine WAV.
// extraArgs go to lame before the file names (for example "-b", "32" or "-V", "4").
QByteArray makeMp3(int ms, int rate = 22050, int channels = 1,
                   const QStringList& extraArgs = QStringList());

inline std::vector<char> toVector(const QByteArray& b) { return std::vector<char>(b.begin(), b.end()); }

}  // namespace testenv
