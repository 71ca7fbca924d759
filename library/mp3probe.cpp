#include "library/mp3probe.h"

#include "library/mpg123memory.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <mpg123.h>

namespace {

using namespace mpg123memory;

// The gapless length libmpg123 finds, at the recording's rate.
SampleLength scannedLength(mpg123_handle* mh) {
    if (mpg123_scan(mh) != MPG123_OK) return {};
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(mh, &rate, &channels, &encoding) != MPG123_OK || rate <= 0) return {};
    const off_t samples = mpg123_length(mh);
    if (samples <= 0) return {};
    return {static_cast<qint64>(samples), static_cast<int>(rate)};
}

// Opens the data on the handle, measures it with `measure` and closes it;
// nothing for data that is not MP3.
template <class Measure>
SampleLength scanned(mpg123_handle* mh, const std::vector<char>& f, Measure measure) {
    if (f.empty() || !mh || LooksLikeWav(f)) return {};
    MemoryStream stream{f.data(), f.size(), 0};
    if (mpg123_open_handle(mh, &stream) != MPG123_OK) return {};
    const SampleLength result = measure();
    mpg123_close(mh);
    return result;
}

uint32_t BigEndian32(const unsigned char* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// Where the audio starts: past any ID3v2 tags in front.
size_t SkipId3v2(const std::vector<char>& f) {
    size_t pos = 0;
    while (f.size() >= pos + 10 && std::memcmp(f.data() + pos, "ID3", 3) == 0) {
        const auto* tag = reinterpret_cast<const unsigned char*>(f.data() + pos);
        const size_t size = size_t(tag[6] & 0x7f) << 21 | size_t(tag[7] & 0x7f) << 14 | size_t(tag[8] & 0x7f) << 7 |
                            size_t(tag[9] & 0x7f);
        const bool footer = tag[5] & 0x10;
        pos += 10 + size + (footer ? 10 : 0);
    }
    return pos;
}

// The length the first frame of a Layer III stream declares: encoders that
// know the whole stream (lame, and others in Xing's or VBRI's layout) put
// its frame count there, so a file cut short still says how long it was.
struct DeclaredFrames {
    uint32_t frames = 0;  // 0: no such header
    int samplesPerFrame = 0;
    int rate = 0;
};

DeclaredFrames DeclaredByHeader(const std::vector<char>& f) {
    const size_t start = SkipId3v2(f);
    if (start >= f.size() || f.size() - start < 4) return {};
    const auto* frame = reinterpret_cast<const unsigned char*>(f.data() + start);
    const size_t room = f.size() - start;
    const int version = (frame[1] >> 3) & 3;  // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5, 1: reserved
    const int layer = (frame[1] >> 1) & 3;    // 1: Layer III
    const int rateIndex = (frame[2] >> 2) & 3;
    if (frame[0] != 0xff || (frame[1] & 0xe0) != 0xe0 || version == 1 || layer != 1 || rateIndex == 3) return {};
    static const int kMpeg1Rates[3] = {44100, 48000, 32000};
    const int rate = kMpeg1Rates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    const bool mono = (frame[3] >> 6) == 3;
    const int samplesPerFrame = version == 3 ? 1152 : 576;
    // The Xing header follows the side information; VBRI stands at a fixed place.
    const size_t xing = 4 + (version == 3 ? (mono ? 17 : 32) : (mono ? 9 : 17));
    const bool isXing = room >= xing + 12 && (std::memcmp(frame + xing, "Xing", 4) == 0 ||
                                                std::memcmp(frame + xing, "Info", 4) == 0);
    if (isXing && (frame[xing + 7] & 1)) return {BigEndian32(frame + xing + 8), samplesPerFrame, rate};
    const size_t vbri = 4 + 32;
    if (room >= vbri + 18 && std::memcmp(frame + vbri, "VBRI", 4) == 0)
        return {BigEndian32(frame + vbri + 14), samplesPerFrame, rate};
    return {};
}

// A declared count may or may not include the header's own frame, and the
// last frame may lie half in the file: a shortfall up to this passes.
constexpr off_t kFramesOfSlack = 2;

}  // namespace

Mp3Probe::Mp3Probe() : handle(NewHandle()) {}

Mp3Probe::~Mp3Probe() {
    if (handle) mpg123_delete(handle);
}

int Mp3Probe::GetLen(QString file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return 0;
    const QByteArray bytes = in.readAll();
    return GetLen(std::vector<char>(bytes.begin(), bytes.end()));
}

int Mp3Probe::GetLen(const std::vector<char>& f) {
    SampleLength length;
    const SampleLength decoded = scanned(handle, f, [this, &length] {
        length = scannedLength(handle);
        return LameLength(length);
    });
    if (decoded.frames <= 0 || length.rate <= 0) return 0;
    return static_cast<int>(std::clamp<int64_t>(length.frames * 1000 / length.rate, 1, INT32_MAX));
}

bool Mp3Probe::IsRecording(const std::vector<char>& f) { return DecodedLength(f).frames > 0; }

SampleLength Mp3Probe::LameLength(SampleLength length) {
    // No encoder delay known: nothing was trimmed, and lame cuts only
    // what its own decoder adds in front.
    if (length.frames > 0 && State(handle, MPG123_ENC_DELAY) < 0)
        length.frames = std::max<qint64>(0, length.frames - std::max(0L, State(handle, MPG123_DEC_DELAY)));
    return length.frames > 0 ? length : SampleLength{};
}

SampleLength Mp3Probe::DecodedLength(const std::vector<char>& f) {
    return scanned(handle, f, [this] { return LameLength(scannedLength(handle)); });
}

Problem Mp3Probe::CutShort(const std::vector<char>& f) {
    const DeclaredFrames declared = DeclaredByHeader(f);
    if (declared.frames == 0 || declared.rate <= 0) return {};
    off_t found = 0;
    const SampleLength plays = scanned(handle, f, [this, &found] {
        const SampleLength length = scannedLength(handle);
        found = mpg123_framelength(handle);
        return length;
    });
    if (found + kFramesOfSlack >= off_t(declared.frames)) return {};
    const double declaredSeconds = double(declared.frames) * declared.samplesPerFrame / declared.rate;
    const double playsSeconds = plays.rate > 0 ? double(plays.frames) / plays.rate : 0.0;
    return Problem(tr("cut short: plays %1 s of %2 s")
                       .arg(QString::number(playsSeconds, 'f', 2), QString::number(declaredSeconds, 'f', 2)));
}
