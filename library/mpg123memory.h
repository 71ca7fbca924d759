#pragma once
// Bytes in memory read by libmpg123 as if they were a file, for the length
// probe and the decoder: install the callbacks on a handle with
// mpg123_replace_reader_handle, then open it with mpg123_open_handle on a
// MemoryStream that outlives the reading.

#include <mpg123.h>

#include <cstddef>
#include <vector>

namespace mpg123memory {

struct MemoryStream {
    const char* data;
    size_t size;
    size_t pos;
};

mpg123_ssize_t Read(void* stream, void* buffer, size_t count);
// Seeking past the end is refused, like on a pipe: a damaged tag that
// claims a huge size then ends the stream instead of sending the parser
// into empty space.
off_t Seek(void* stream, off_t offset, int whence);

// A new handle that reads MemoryStreams, quietly and with gapless
// trimming; null when the library cannot make one.
mpg123_handle* NewHandle();

// PCM in a WAV container holds byte patterns that pass as MPEG frame
// headers, so the decoder alone would take it for audio.
bool LooksLikeWav(const std::vector<char>& bytes);

// A state value of an open handle; -1 when it is not known.
long State(mpg123_handle* handle, mpg123_state key);

}  // namespace mpg123memory
