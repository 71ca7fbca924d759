#include "library/mp3probe.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <mpg123.h>

namespace {

// The bytes being measured, read by libmpg123 through the callbacks below
// as if they were a file.
struct MemoryStream {
    const char* data;
    size_t size;
    size_t pos;
};

mpg123_ssize_t readMemory(void* stream, void* buffer, size_t count) {
    auto* s = static_cast<MemoryStream*>(stream);
    const size_t n = s->pos < s->size ? std::min(count, s->size - s->pos) : 0;
    if (n) std::memcpy(buffer, s->data + s->pos, n);
    s->pos += n;
    return static_cast<mpg123_ssize_t>(n);
}

// Seeking past the end is refused, like on a pipe: a damaged tag that
// claims a huge size then ends the stream instead of sending the parser
// into empty space.
off_t seekMemory(void* stream, off_t offset, int whence) {
    auto* s = static_cast<MemoryStream*>(stream);
    int64_t base = 0;
    switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<int64_t>(s->pos); break;
    case SEEK_END: base = static_cast<int64_t>(s->size); break;
    default: return -1;
    }
    const int64_t target = base + static_cast<int64_t>(offset);
    if (target < 0 || target > static_cast<int64_t>(s->size)) return -1;
    s->pos = static_cast<size_t>(target);
    return static_cast<off_t>(target);
}

void initLibraryOnce() {
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

// PCM in a WAV container holds byte patterns that pass as MPEG frame
// headers, so the decoder alone would report a length for it.
bool looksLikeWav(const std::vector<char>& f) {
    return f.size() >= 4 && std::memcmp(f.data(), "RIFF", 4) == 0;
}

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
    if (f.empty() || !mh || looksLikeWav(f)) return {};
    MemoryStream stream{f.data(), f.size(), 0};
    if (mpg123_open_handle(mh, &stream) != MPG123_OK) return {};
    const SampleLength result = measure();
    mpg123_close(mh);
    return result;
}

long state(mpg123_handle* mh, mpg123_state key) {
    long value = -1;
    double unused = 0;
    return mpg123_getstate(mh, key, &value, &unused) == MPG123_OK ? value : -1;
}

}  // namespace

Mp3Probe::Mp3Probe() {
    initLibraryOnce();
    handle = mpg123_new(nullptr, nullptr);
    if (!handle) return;
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
    mpg123_replace_reader_handle(handle, readMemory, seekMemory, nullptr);
}

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
    const SampleLength length = scanned(handle, f, [this] { return scannedLength(handle); });
    if (length.rate <= 0) return 0;
    return static_cast<int>(std::min<int64_t>(length.frames * 1000 / length.rate, INT32_MAX));
}

SampleLength Mp3Probe::DecodedLength(const std::vector<char>& f) {
    return scanned(handle, f, [this]() -> SampleLength {
        SampleLength length = scannedLength(handle);
        // No encoder delay known: nothing was trimmed, and lame cuts only
        // what its own decoder adds in front.
        if (length.frames > 0 && state(handle, MPG123_ENC_DELAY) < 0)
            length.frames = std::max<qint64>(0, length.frames - std::max(0L, state(handle, MPG123_DEC_DELAY)));
        return length.frames > 0 ? length : SampleLength{};
    });
}

