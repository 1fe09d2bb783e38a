// The WAV source over arbitrary bytes: walking the chunks must end without a
// crash or a hang, a file it takes has a format the player can open, and it
// delivers as many bytes as its data length. Unconverted PCM is exactly the
// input's bytes from where it left the stream, inside the input; converted
// PCM comes from whole frames inside the input.

#include "audio/Wave.h"
#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using s::col::_array::ArrayU08;
    auto* bytes = s::thread::take<ArrayU08>();
    bytes->append(data, static_cast<std::uint32_t>(size));
    bytes->rewind();
    auto* wave = s::thread::take<s::sound::wav::Wave>();
    // Half the inputs leave the size unknown, so the stream's end bounds the data.
    wave->setInputSize(size % 2 == 0 ? static_cast<std::int64_t>(size) : -1);
    wave->setInput(bytes, false);

    std::int64_t start = bytes->position();
    std::int64_t length = wave->getDataLength();
    const bool converts = wave->converts();
    if (start < 0 || length < 0 || (!converts && start + length > static_cast<std::int64_t>(size)))
        std::abort();
    std::uint32_t bits = wave->getBitsPerSample(), channels = wave->channels();
    if (length > 0 && ((bits != 8 && bits != 16) || (channels != 1 && channels != 2) ||
                       wave->getSampleRate() == 0))
        std::abort();

    std::vector<std::uint8_t> pcm;
    std::uint8_t buffer[1001];
    std::uint32_t count = 0;
    while (wave->readPcm(buffer, sizeof buffer, &count) && count != 0)
        pcm.insert(pcm.end(), buffer, buffer + count);
    if (static_cast<std::int64_t>(pcm.size()) != length ||
        (!converts && length > 0 && std::memcmp(pcm.data(), data + start, pcm.size()) != 0) ||
        (converts && (bytes->position() > static_cast<std::int64_t>(size) ||
                      length % (2 * channels) != 0)))
        std::abort();

    std::int64_t position = -1;
    wave->seekPercent(static_cast<double>(size % 101), &position);
    if (position < 0 || position > length || position % 4 != 0 ||
        (!converts && bytes->position() != start + position) ||
        (converts && bytes->position() > static_cast<std::int64_t>(size)))
        std::abort();
    wave->release();
    bytes->release();
    return 0;
}
