// WAV and MP3 sources over arbitrary bytes: the header reads, the frame
// search, the decoding and the PCM reads must end without a crash or a hang,
// and a WAV never delivers more than the data its header allows.

#include "audio/FrameHeader.h"
#include "audio/Id3Tag.h"
#include "audio/Mp3.h"
#include "audio/Wave.h"
#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using s::col::_array::ArrayU08;
    auto* bytes = s::thread::take<ArrayU08>();
    bytes->append(data, static_cast<std::uint32_t>(size));
    bytes->rewind();

    auto* wave = s::thread::take<s::sound::wav::Wave>();
    wave->setInputSize(static_cast<std::int64_t>(size));
    wave->setInput(bytes, false);
    std::uint8_t buffer[4096];
    std::uint32_t count = 0;
    std::uint64_t total = 0;
    while (wave->readPcm(buffer, sizeof buffer, &count) && count != 0)
        total += count;
    if (total > size || total > static_cast<std::uint64_t>(wave->getDataLength()))
        std::abort();
    std::int64_t position = 0;
    wave->seekPercent(static_cast<double>(size % 101), &position);
    if (position < 0 || position > wave->getDataLength())
        std::abort();
    wave->release();

    // The MP3 source decodes whatever frames it finds and ends with the input.
    bytes->rewind();
    auto* mp3 = s::thread::take<s::sound::mp3::win::Mp3>();
    mp3->setInputSize(static_cast<std::int64_t>(size));
    mp3->setInput(bytes, false);
    int reads = 0;
    while (mp3->readPcm(buffer, sizeof buffer, &count) && reads++ < 10000) {
        if (count > sizeof buffer)
            std::abort();
    }
    if (reads >= 10000)
        std::abort(); // a source that never ends
    mp3->seekPercent(static_cast<double>(size % 101), &position);
    mp3->release();

    bytes->rewind();
    s::sound::mp3::Id3Tag tag;
    tag.detect(*bytes, 0, static_cast<std::int64_t>(size));
    s::sound::mp3::FrameHeader header;
    if (s::sound::mp3::findFrame(*bytes, header) &&
        (!header.isValid() || header.headerPosition < 0 ||
         header.headerPosition + 4 > static_cast<std::int64_t>(size)))
        std::abort();
    bytes->release();
    return 0;
}
