// Decodes an MP3 file to raw 16-bit PCM with the host build's decoder (the
// libmpg123 adapter of src/audio/posix), fed the way the MP3 source feeds
// it: 40,960-byte blocks, frames drained after each, then the end.
//   mp3_reference IN.mp3 OUT.pcm
#include "audio/Mp3Decoder.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    using namespace s::sound::mp3;
    if (argc != 3)
        return 2;
    std::FILE* in = std::fopen(argv[1], "rb");
    std::FILE* out = std::fopen(argv[2], "wb");
    DecoderState* decoder = InitMP3();
    if (in == nullptr || out == nullptr || decoder == nullptr)
        return 1;
    std::vector<std::uint8_t> block(40960), pcm(8192);
    int done = 0;
    for (;;) {
        while (decodeMP3(decoder, nullptr, 0, pcm.data(), 8192, &done) == kDecodeOk)
            std::fwrite(pcm.data(), 1, static_cast<std::size_t>(done), out);
        std::size_t got = std::fread(block.data(), 1, block.size(), in);
        if (got == 0)
            break;
        if (decodeMP3(decoder, block.data(), static_cast<int>(got), pcm.data(), 8192, &done) ==
            kDecodeOk)
            std::fwrite(pcm.data(), 1, static_cast<std::size_t>(done), out);
    }
    while (finishMP3(decoder, pcm.data(), 8192, &done) == kDecodeOk)
        std::fwrite(pcm.data(), 1, static_cast<std::size_t>(done), out);
    ExitMP3(decoder);
    std::fclose(in);
    return std::fclose(out) == 0 ? 0 : 1;
}
