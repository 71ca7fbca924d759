#include "production/wavfile.h"

#include "production/cdaudio.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <cmath>

namespace {

constexpr qint64 kRiffHeaderSize = 12;
constexpr qint64 kChunkHeaderSize = 8;

quint32 Le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 Le16(const char* p) { return qFromLittleEndian<quint16>(p); }

bool ReadFormat(QFile& file, qint64 size, WavInfo& info) {
    if (size < 16) return false;
    const QByteArray fmt = file.read(16);
    if (fmt.size() != 16) return false;
    info.formatTag = Le16(fmt.constData());
    info.channels = Le16(fmt.constData() + 2);
    info.rate = int(Le32(fmt.constData() + 4));
    info.blockAlign = Le16(fmt.constData() + 12);
    info.bitsPerSample = Le16(fmt.constData() + 14);
    return info.channels > 0 && info.rate > 0 && info.blockAlign > 0;
}

}  // namespace

bool WavInfo::IsCdAudio() const {
    return valid && formatTag == 1 && channels == AudioCd::kChannels && rate == AudioCd::kRate && bitsPerSample == 16;
}

WavInfo ReadWavInfo(const QString& path) {
    WavInfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return info;
    const QByteArray riff = file.read(kRiffHeaderSize);
    if (riff.size() != kRiffHeaderSize || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") return info;

    bool haveFormat = false;
    qint64 pos = kRiffHeaderSize;
    while (file.seek(pos)) {
        const QByteArray header = file.read(kChunkHeaderSize);
        if (header.size() != kChunkHeaderSize) return info;
        const qint64 size = Le32(header.constData() + 4);
        const QByteArray id = header.left(4);
        if (id == "fmt ") {
            haveFormat = ReadFormat(file, size, info);
        } else if (id == "data") {
            info.dataOffset = pos + kChunkHeaderSize;
            // A writer that never went back to fix the size leaves a
            // placeholder; only what the file holds counts.
            info.dataBytes = qMin(size, file.size() - info.dataOffset);
            info.valid = haveFormat;
            return info;
        }
        pos += kChunkHeaderSize + size + (size & 1);
    }
    return info;
}

bool PadWavWithSilence(const QString& path, double seconds, QString* error) {
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const WavInfo info = ReadWavInfo(path);
    if (!info.valid || info.formatTag != 1)
        return fail(QCoreApplication::translate("WavFile", "it is not a PCM WAV file"));
    const qint64 wantedFrames = qint64(std::ceil(seconds * info.rate));
    if (info.Frames() >= wantedFrames) return true;

    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return fail(file.errorString());
    if (info.dataOffset + info.dataBytes != file.size())
        return fail(QCoreApplication::translate("WavFile", "its samples do not end the file"));

    const qint64 dataBytes = wantedFrames * info.blockAlign;
    if (info.dataOffset + dataBytes > AudioCd::kMaxWavFileBytes)
        return fail(QCoreApplication::translate("WavFile", "the padded file would be too large"));
    // Integer PCM silence is all zero bytes, except 8-bit, which is unsigned.
    const char fill = info.bitsPerSample == 8 ? char(0x80) : char(0);
    const QByteArray silence(dataBytes - info.dataBytes, fill);
    char size[4];
    bool ok = file.seek(file.size()) && file.write(silence) == silence.size();
    qToLittleEndian<quint32>(quint32(dataBytes), size);
    ok = ok && file.seek(info.dataOffset - 4) && file.write(size, 4) == 4;
    qToLittleEndian<quint32>(quint32(info.dataOffset - kChunkHeaderSize + dataBytes), size);
    ok = ok && file.seek(4) && file.write(size, 4) == 4;
    if (!ok) return fail(file.errorString());
    return true;
}
