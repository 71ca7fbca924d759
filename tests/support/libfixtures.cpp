#include "support/libfixtures.h"

#include "library/packarchive.h"

#include <QDir>
#include <QtEndian>
#include <csignal>
#include <cstdlib>

namespace libfixtures {

static QByteArray le32(quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray packHeader(qint32 count) { return QByteArray("JR1") + le32(quint32(count)); }

QByteArray packRecord(const QByteArray& nameField, quint32 start, quint32 end, quint32 checksum) {
    QByteArray record = nameField.left(256);
    record.append(QByteArray(256 - record.size(), '\0'));
    return record + le32(start) + le32(end) + le32(checksum);
}

QByteArray handMadePack(const QList<QPair<QByteArray, QByteArray>>& entries) {
    QByteArray index, data;
    quint32 offset = 7 + 268 * quint32(entries.size());
    for (const auto& [name, bytes] : entries) {
        index += packRecord(name, offset, offset + bytes.size(), PackChecksum(bytes.constData(), bytes.size()));
        offset += bytes.size();
        data += bytes;
    }
    return packHeader(entries.size()) + index + data;
}

qint16 Wav::sample(qint64 frame, int channel) const {
    return qFromLittleEndian<qint16>(data.constData() + 2 * (frame * channels + channel));
}

int Wav::peak(qint64 from, qint64 to, int channel) const {
    int largest = 0;
    for (qint64 i = from; i < to; ++i) largest = qMax(largest, std::abs(int(sample(i, channel))));
    return largest;
}

Wav parseWav(const QByteArray& b) {
    const auto u16 = [&b](int at) { return int(qFromLittleEndian<quint16>(b.constData() + at)); };
    const auto u32 = [&b](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    // The plain 44-byte layout that libsndfile and lame write for 16-bit PCM;
    // both sizes must agree with the file.
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data") return Wav();
    if (u32(4) != quint32(b.size() - 8) || u32(16) != 16 || u32(40) != quint32(b.size() - 44)) return Wav();
    return Wav{true, u16(20), u16(22), int(u32(24)), u16(34), b.mid(44)};
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0) return;
    previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = bytes;
    active = setrlimit(RLIMIT_FSIZE, &small) == 0;
    if (!active) std::signal(SIGXFSZ, previousHandler);
}

FileSizeLimit::~FileSizeLimit() {
    if (!active) return;
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
}

}  // namespace libfixtures
