#include "support/libfixtures.h"

#include "library/packarchive.h"

#include <QDir>
#include <QtEndian>
#include <csignal>
#include <cstdlib>

namespace libfixtures {

QByteArray le32(quint32 value) {
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
