#include "library/mp3decoder.h"

#include "library/mpg123memory.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

namespace {

using namespace mpg123memory;

QByteArray WavHeader(int rate, int channels, qint64 dataBytes) {
    QByteArray header(44, '\0');
    char* h = header.data();
    const auto put32 = [h](int at, quint32 v) { qToLittleEndian<quint32>(v, h + at); };
    const auto put16 = [h](int at, quint16 v) { qToLittleEndian<quint16>(v, h + at); };
    std::copy_n("RIFF", 4, h);
    put32(4, quint32(36 + dataBytes));
    std::copy_n("WAVEfmt ", 8, h + 8);
    put32(16, 16);
    put16(20, 1);  // integer PCM
    put16(22, quint16(channels));
    put32(24, quint32(rate));
    put32(28, quint32(rate * channels * 2));
    put16(32, quint16(channels * 2));
    put16(34, 16);
    std::copy_n("data", 4, h + 36);
    put32(40, quint32(dataBytes));
    return header;
}

}  // namespace

Mp3Decoder::Mp3Decoder() : handle(NewHandle()) {
    if (!handle) return;
    // Every rate and channel count as it is, always as 16-bit samples.
    mpg123_format_none(handle);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
}

Mp3Decoder::~Mp3Decoder() {
    if (handle) mpg123_delete(handle);
}

Problem Mp3Decoder::Decode(const std::vector<char>& mp3, QByteArray* wav) {
    wav->clear();
    if (!handle) return Problem(tr("the MP3 decoder could not be set up"));
    if (mp3.empty() || LooksLikeWav(mp3)) return Problem(tr("not MP3 audio"));
    MemoryStream stream{mp3.data(), mp3.size(), 0};
    if (mpg123_open_handle(handle, &stream) != MPG123_OK) return Problem(tr("not MP3 audio"));
    // Room for the header in front, filled in once the format is known.
    QByteArray& pcm = *wav;
    pcm.resize(44);
    long rate = 0;
    int channels = 0, encoding = 0;
    // A scan first, so that the encoder's delay in a LAME tag is known
    // before the first samples come out.
    mpg123_scan(handle);
    unsigned char buffer[1 << 16];
    for (;;) {
        size_t got = 0;
        const int status = mpg123_read(handle, buffer, sizeof buffer, &got);
        pcm.append(reinterpret_cast<const char*>(buffer), qsizetype(got));
        if (status == MPG123_NEW_FORMAT || status == MPG123_OK) continue;
        break;  // MPG123_DONE, or an error that ends what can be decoded
    }
    const bool gapless = State(handle, MPG123_ENC_DELAY) >= 0;
    const long decoderDelay = std::max(0L, State(handle, MPG123_DEC_DELAY));
    const bool formatKnown = mpg123_getformat(handle, &rate, &channels, &encoding) == MPG123_OK;
    mpg123_close(handle);
    const qsizetype decoded = pcm.size() - 44;
    if (!formatKnown || rate <= 0 || channels <= 0 || decoded <= 0) return Problem(tr("not MP3 audio"));
    // Without the encoder's delay known nothing was trimmed, and lame drops
    // what its own decoder puts in front.
    const qsizetype skip = gapless ? 0 : std::min<qsizetype>(decoded, qsizetype(decoderDelay) * channels * 2);
    const qint64 bytes = decoded - skip;
    if (bytes <= 0) return Problem(tr("not MP3 audio"));
    pcm.remove(44, skip);
    pcm.replace(0, 44, WavHeader(int(rate), channels, bytes));
    return {};
}

Problem Mp3Decoder::DecodeToWav(const std::vector<char>& mp3, const QString& wavPath) {
    QByteArray decoded;
    if (const Problem problem = Decode(mp3, &decoded)) return problem;
    QFile wav(wavPath);
    if (!wav.open(QIODevice::WriteOnly | QIODevice::Truncate) || wav.write(decoded) != decoded.size() ||
        !wav.flush()) {
        const QString why = wav.errorString();
        wav.close();
        QFile::remove(wavPath);
        return Problem(tr("cannot write %1: %2").arg(wavPath, why));
    }
    return {};
}
