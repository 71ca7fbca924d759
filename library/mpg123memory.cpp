#include "library/mpg123memory.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace mpg123memory {

mpg123_ssize_t Read(void* stream, void* buffer, size_t count) {
    auto* s = static_cast<MemoryStream*>(stream);
    const size_t n = s->pos < s->size ? std::min(count, s->size - s->pos) : 0;
    if (n) std::memcpy(buffer, s->data + s->pos, n);
    s->pos += n;
    return static_cast<mpg123_ssize_t>(n);
}

off_t Seek(void* stream, off_t offset, int whence) {
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

mpg123_handle* NewHandle() {
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    if (!handle) return nullptr;
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
    mpg123_replace_reader_handle(handle, Read, Seek, nullptr);
    return handle;
}

bool LooksLikeWav(const std::vector<char>& bytes) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), "RIFF", 4) == 0;
}

long State(mpg123_handle* handle, mpg123_state key) {
    long value = -1;
    double unused = 0;
    return mpg123_getstate(handle, key, &value, &unused) == MPG123_OK ? value : -1;
}

}  // namespace mpg123memory
