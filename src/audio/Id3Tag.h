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

    // The bytes of the ID3v2 tag whose header is at position: header, body
    // and footer. 0 when there is none, or its header is malformed (a size
    // byte with its top bit set, a version of 0xFF).
    static std::int64_t version2Size(io::IInputStream& stream, std::int64_t position);
    // The position behind the ID3v2 tags that follow one another from
    // position on, none of them reaching end (the input's end; -1 unknown).
    // A tag that claims to reach it is not skipped.
    static std::int64_t behindVersion2Tags(io::IInputStream& stream, std::int64_t position,
                                           std::int64_t end);

    std::int64_t position = 0;
    Kind kind = kNone;
    // For an ID3v2 tag, its size as version2Size gives it.
    std::int64_t size = 0;
};

} // namespace s::sound::mp3
