// Decoding a whole MP3 file through the MP3 source, to compare with the
// decoder's own command-line tool on the same file (`mpg123 -t FILE`).
//
//   sox -n -r 44100 -c 2 /tmp/five.wav synth 300 sine 440 && lame -b 128 /tmp/five.wav
//   /tmp/five.mp3 mp3_decode_bench /tmp/five.mp3

#include "audio/Mp3.h"
#include "foundation/collections/Arrays.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.mp3 [runs]\n", argv[0]);
        return 2;
    }
    int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    s::str::StrBuffer path;
    path.fromUtf8(reinterpret_cast<const std::uint8_t*>(argv[1]), false, -1);
    s::col::ArrayU08 file;
    if (!s::platform::readFile(path.cStr(), &file)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    double best = 1e30;
    std::uint64_t pcmBytes = 0;
    for (int run = 0; run < runs; ++run) {
        auto* stream = s::thread::take<s::col::ArrayU08>();
        stream->append(file.data(), file.length());
        stream->rewind();
        auto* mp3 = s::thread::take<s::sound::mp3::win::Mp3>();
        mp3->setInputSize(file.length());
        mp3->setInput(stream, true);
        static std::uint8_t buffer[65536];
        std::uint32_t count = 0;
        pcmBytes = 0;
        auto start = std::chrono::steady_clock::now();
        while (mp3->readPcm(buffer, sizeof buffer, &count) && count != 0)
            pcmBytes += count;
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds < best)
            best = seconds;
        mp3->release();
    }
    double audioSeconds = static_cast<double>(pcmBytes) / (44100.0 * 4);
    std::printf("decoded %.1f s of audio (%llu PCM bytes) in %.3f s: %.0fx real time\n",
                audioSeconds, static_cast<unsigned long long>(pcmBytes), best, audioSeconds / best);
    return 0;
}
