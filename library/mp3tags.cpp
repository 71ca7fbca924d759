#include "library/mp3tags.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kId3v2HeaderBytes = 10;
constexpr size_t kId3v1Bytes = 128;
constexpr size_t kApeFooterBytes = 32;

uint32_t LittleEndian32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

// The length of an ID3v2 tag starting at `at`, 0 when none stands there.
// Its size is four 7-bit bytes; a footer of 10 bytes follows when flagged.
size_t Id3v2Length(const std::vector<char>& bytes, size_t at) {
    if (bytes.size() - at < kId3v2HeaderBytes || std::memcmp(bytes.data() + at, "ID3", 3) != 0) return 0;
    const auto* h = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    if ((h[6] | h[7] | h[8] | h[9]) & 0x80) return 0;
    const size_t body = size_t(h[6]) << 21 | size_t(h[7]) << 14 | size_t(h[8]) << 7 | h[9];
    const size_t length = kId3v2HeaderBytes + body + ((h[5] & 0x10) ? kId3v2HeaderBytes : 0);
    return length <= bytes.size() - at ? length : 0;
}

// The length of an APEv2 tag ending at `end`, 0 when none ends there.
size_t ApeLength(const std::vector<char>& bytes, size_t begin, size_t end) {
    if (end - begin < kApeFooterBytes) return 0;
    const char* footer = bytes.data() + end - kApeFooterBytes;
    if (std::memcmp(footer, "APETAGEX", 8) != 0) return 0;
    const size_t withHeader = (LittleEndian32(footer + 20) & 0x80000000u) ? kApeFooterBytes : 0;
    const size_t length = size_t(LittleEndian32(footer + 12)) + withHeader;
    return length >= kApeFooterBytes && length <= end - begin ? length : 0;
}

}  // namespace

std::vector<char> StripMp3Tags(std::vector<char> bytes) {
    size_t begin = 0, end = bytes.size();
    while (const size_t tag = Id3v2Length(bytes, begin)) begin += tag;
    if (end - begin >= kId3v1Bytes && std::memcmp(bytes.data() + end - kId3v1Bytes, "TAG", 3) == 0) end -= kId3v1Bytes;
    end -= ApeLength(bytes, begin, end);
    if (begin == 0 && end == bytes.size()) return bytes;
    return std::vector<char>(bytes.begin() + std::ptrdiff_t(begin), bytes.begin() + std::ptrdiff_t(end));
}
