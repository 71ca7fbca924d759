#pragma once
// Helpers the tests of the core library share: pack bytes written straight
// from the archive layout (for hostile and damaged archives), a reader for
// the WAV files joinwav and lame leave, and a file-size limit that makes
// writes fail part-way the way a full disk does.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QStringList>
#include <csignal>
#include <sys/resource.h>

namespace libfixtures {

// "JR1" and the entry count.
QByteArray packHeader(qint32 count);
// One 268-byte index record; the name field is cut or zero-filled to 256 bytes.
QByteArray packRecord(const QByteArray& nameField, quint32 start, quint32 end, quint32 checksum = 0);
// A sound archive of (name, bytes) entries laid out by hand, not by PackArchive.
QByteArray handMadePack(const QList<QPair<QByteArray, QByteArray>>& entries);

// The parts of a WAV file the tests look at, read straight from its header;
// `valid` is false for anything but a well-formed 16-bit PCM WAV.
struct Wav {
    bool valid = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    QByteArray data;

    qint64 frames() const { return channels && bits ? data.size() / (channels * bits / 8) : 0; }
    qint16 sample(qint64 frame, int channel) const;
    // The largest absolute sample of one channel over frames [from, to).
    int peak(qint64 from, qint64 to, int channel) const;
};
Wav parseWav(const QByteArray& bytes);

// The names of the files in a folder, hidden ones included, sorted.
QStringList filesIn(const QString& folder);

// While alive, no file this process writes can grow past `bytes`; the write
// fails instead of the process being killed. Unlike a read-only folder this
// holds for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    bool ok() const { return active; }

private:
    rlimit saved{};
    void (*previousHandler)(int) = SIG_DFL;
    bool active = false;
};

}  // namespace libfixtures
