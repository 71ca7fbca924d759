#include "library/mp3tags.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kId3v2HeaderSize = 10;
constexpr size_t kId3v1Size = 128;
constexpr size_t kApeFooterSize = 32;

// ID3v2 sizes are "synchsafe": four bytes of seven bits each.
bool SynchsafeSize(const unsigned char* bytes, size_t* size) {
    *size = 0;
    for (int i = 0; i < 4; ++i) {
        if (bytes[i] & 0x80) return false;
        *size = (*size << 7) | bytes[i];
    }
    return true;
}

// The length of the ID3v2 tags in front (several may follow each other).
size_t Id3v2Length(const std::vector<char>& data) {
    size_t at = 0;
    while (data.size() - at >= kId3v2HeaderSize && std::memcmp(data.data() + at, "ID3", 3) == 0) {
        const auto* header = reinterpret_cast<const unsigned char*>(data.data() + at);
        size_t body = 0;
        if (header[3] == 0xFF || header[4] == 0xFF || !SynchsafeSize(header + 6, &body)) break;
        const size_t footer = (header[5] & 0x10) ? kId3v2HeaderSize : 0;
        const size_t whole = kId3v2HeaderSize + body + footer;
        if (whole > data.size() - at) break;
        at += whole;
    }
    return at;
}

uint32_t LittleEndian32(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

// The length of an APEv2 tag ending at `end` (its size counts the items
// and the footer; a header, when flagged, comes on top).
size_t ApeLength(const std::vector<char>& data, size_t begin, size_t end) {
    if (end - begin < kApeFooterSize) return 0;
    const char* footer = data.data() + end - kApeFooterSize;
    if (std::memcmp(footer, "APETAGEX", 8) != 0) return 0;
    const size_t size = LittleEndian32(footer + 12);
    const bool hasHeader = LittleEndian32(footer + 20) & 0x80000000u;
    const size_t whole = size + (hasHeader ? kApeFooterSize : 0);
    return whole >= kApeFooterSize && whole <= end - begin ? whole : 0;
}

}  // namespace

std::vector<char> StripMp3Tags(const std::vector<char>& recording) {
    const size_t begin = Id3v2Length(recording);
    size_t end = recording.size();
    if (end - begin >= kId3v1Size && std::memcmp(recording.data() + end - kId3v1Size, "TAG", 3) == 0)
        end -= kId3v1Size;
    end -= ApeLength(recording, begin, end);
    return std::vector<char>(recording.begin() + std::ptrdiff_t(begin), recording.begin() + std::ptrdiff_t(end));
}
