#include "library/qaudio.h"

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

int64_t lengthInMs(mpg123_handle* mh) {
    if (mpg123_scan(mh) != MPG123_OK) return 0;
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(mh, &rate, &channels, &encoding) != MPG123_OK || rate <= 0) return 0;
    const off_t samples = mpg123_length(mh);
    if (samples <= 0) return 0;
    return static_cast<int64_t>(samples) * 1000 / rate;
}

}  // namespace

QAudio::QAudio() {
    initLibraryOnce();
    handle = mpg123_new(nullptr, nullptr);
    if (!handle) return;
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
    mpg123_replace_reader_handle(handle, readMemory, seekMemory, nullptr);
}

QAudio::~QAudio() {
    if (handle) mpg123_delete(handle);
}

int QAudio::GetLen(QString file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return 0;
    const QByteArray bytes = in.readAll();
    return GetLen(std::vector<char>(bytes.begin(), bytes.end()));
}

int QAudio::GetLen(const std::vector<char>& f) {
    if (f.empty() || !handle || looksLikeWav(f)) return 0;
    MemoryStream stream{f.data(), f.size(), 0};
    if (mpg123_open_handle(handle, &stream) != MPG123_OK) return 0;
    const int64_t ms = lengthInMs(handle);
    mpg123_close(handle);
    return static_cast<int>(std::min<int64_t>(ms, INT32_MAX));
}

// The meta-object code lives in this object file, so a program that only
// measures audio does not pull in the meta-objects of the rest of the core.
#include "moc_qaudio.cpp"
