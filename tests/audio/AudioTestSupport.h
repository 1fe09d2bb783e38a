#pragma once

#include "foundation/collections/Arrays.h"
#include "TestSupport.h"
#include "foundation/objects/Pools.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace audio_test {

using s::test::TempFolder;

// A pooled source of type Source reading bytes through an in-memory stream
// it owns.
template <class Source> Source* sourceOver(const std::vector<std::uint8_t>& bytes) {
    auto* stream = s::thread::take<s::col::_array::ArrayU08>();
    if (!bytes.empty())
        stream->append(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    stream->rewind();
    auto* source = s::thread::take<Source>();
    source->setInputSize(static_cast<std::int64_t>(bytes.size()));
    source->setInput(stream, true);
    return source;
}

using Bytes = std::vector<std::uint8_t>;

inline void putLittleEndian(Bytes& to, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        to.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// One RIFF chunk: its id, the body's size (or claimedSize), the body and
// the pad byte that keeps the next chunk on an even offset.
inline Bytes chunk(const char* id, const Bytes& body, std::uint32_t claimedSize = 0xFFFFFFFF) {
    Bytes out(id, id + 4);
    auto size = static_cast<std::uint32_t>(body.size());
    putLittleEndian(out, claimedSize != 0xFFFFFFFF ? claimedSize : size, 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0)
        out.push_back(0);
    return out;
}

// The body of a "fmt " chunk. With a subFormat, the extensible form
// (format 0xFFFE) whose sub-format GUID starts with it: 1 is PCM, 3 IEEE
// floating point.
inline Bytes formatBody(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                        std::uint16_t subFormat = 0, std::uint16_t format = 1) {
    Bytes b;
    putLittleEndian(b, subFormat != 0 ? 0xFFFE : format, 2);
    putLittleEndian(b, channels, 2);
    putLittleEndian(b, rate, 4);
    putLittleEndian(b, rate * channels * bits / 8, 4);
    putLittleEndian(b, static_cast<std::uint32_t>(channels * bits / 8), 2);
    putLittleEndian(b, bits, 2);
    if (subFormat != 0) {
        putLittleEndian(b, 22, 2);
        putLittleEndian(b, bits, 2);
        putLittleEndian(b, channels == 1 ? 0x4 : 0x3, 4);
        putLittleEndian(b, subFormat, 2);
        const std::uint8_t rest[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        b.insert(b.end(), rest, rest + sizeof rest);
    }
    return b;
}

// A RIFF/WAVE file of the chunks given, in order.
inline Bytes riffWave(std::initializer_list<Bytes> chunks) {
    Bytes out = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks)
        out.insert(out.end(), c.begin(), c.end());
    auto size = static_cast<std::uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i)
        out[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    return out;
}

} // namespace audio_test
