#include "audio/Id3Tag.h"

#include "foundation/collections/IStream.h"

#include <cstring>

namespace s::sound::mp3 {

namespace {
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
    if (startsWith(stream, start, "ID3")) {
        kind = kVersion2;
    } else if (size > 128 && startsWith(stream, start + size - 128, "TAG")) {
        position = start + size - 128;
        kind = kVersion1;
    }
    stream.seek(back);
}

} // namespace s::sound::mp3
