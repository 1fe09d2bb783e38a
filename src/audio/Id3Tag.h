#pragma once

#include <cstdint>

namespace s::io {
class IInputStream;
}

namespace s::sound::mp3 {

// Where an MP3 file carries its ID3 tag: none, ID3v1 ("TAG" 128 bytes before
// the end) or ID3v2 ("ID3" at the start).
class Id3Tag {
public:
    enum Kind : int { kNone = 0, kVersion1 = 1, kVersion2 = 2 };

    // Looks at the start (from start) and, for a stream of more than 128
    // bytes of size, at the last 128 bytes. Leaves the stream where it was.
    void detect(io::IInputStream& stream, std::int64_t start, std::int64_t size);

    std::int64_t position = 0;
    Kind kind = kNone;
};

} // namespace s::sound::mp3
