#include "audio/Id3Tag.h"

#include "foundation/collections/IStream.h"

#include <cstring>

namespace s::sound::mp3 {

namespace {

constexpr std::int64_t kVersion2HeaderBytes = 10;

bool startsWith(io::IInputStream& stream, std::int64_t at, const char* tag) {
    stream.seek(at);
    char bytes[3];
    std::uint32_t got = 0;
    return stream.read(bytes, 3, &got) && got == 3 && std::memcmp(bytes, tag, 3) == 0;
}

} // namespace

void Id3Tag::detect(io::IInputStream& stream, std::int64_t start, std::int64_t size) {
    std::int64_t back = stream.position();
    position = start;
    kind = kNone;
    this->size = 0;
    if (startsWith(stream, start, "ID3")) {
        kind = kVersion2;
        this->size = version2Size(stream, start);
    } else if (size > 128 && startsWith(stream, start + size - 128, "TAG")) {
        position = start + size - 128;
        kind = kVersion1;
    }
    stream.seek(back);
}

std::int64_t Id3Tag::version2Size(io::IInputStream& stream, std::int64_t position) {
    // "ID3", major and minor version, flags, and the body's size as four
    // bytes of seven bits each ("syncsafe": no byte of it can be 0xFF).
    std::uint8_t h[kVersion2HeaderBytes];
    std::uint32_t got = 0;
    stream.seek(position);
    if (!stream.read(h, sizeof h, &got) || got != sizeof h || std::memcmp(h, "ID3", 3) != 0)
        return 0;
    if (h[3] == 0xFF || h[4] == 0xFF || ((h[6] | h[7] | h[8] | h[9]) & 0x80) != 0)
        return 0;
    std::int64_t body = static_cast<std::int64_t>(h[6]) << 21 | h[7] << 14 | h[8] << 7 | h[9];
    // Version 2.4 may repeat the header at the end ("3DI"), which its flag
    // bit 4 announces; earlier versions have no footer and no such flag.
    bool footer = h[3] >= 4 && (h[5] & 0x10) != 0;
    return kVersion2HeaderBytes + body + (footer ? kVersion2HeaderBytes : 0);
}

std::int64_t Id3Tag::behindVersion2Tags(io::IInputStream& stream, std::int64_t position,
                                        std::int64_t end) {
    for (;;) {
        std::int64_t size = version2Size(stream, position);
        if (size == 0 || (end >= 0 && position + size >= end))
            return position;
        position += size;
    }
}

} // namespace s::sound::mp3
