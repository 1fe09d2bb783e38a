// The time from Player::play to the first bytes reaching the device, read
// from the ALSA capture file the device writes into under Wine:
//
//   export TARNWICK_AUDIO_CAPTURE=/tmp/capture.raw ALSA_CONFIG_PATH=tools/alsa-capture.conf
//   wine build/windows/bench/play_latency_bench.exe [runs]

#include "audio/Wave.h"
#include "audio/win/Device.h"
#include "audio/win/Player.h"
#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include "BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using bench::fileSize;
using bench::nowMs;

s::col::ArrayU08* oneSecondWave() {
    auto* bytes = s::thread::take<s::col::ArrayU08>();
    const std::uint8_t header[44] = {'R', 'I', 'F',  'F',  0x24, 0xB1, 2,    0,    'W',  'A', 'V',
                                     'E', 'f', 'm',  't',  ' ',  16,   0,    0,    0,    1,   0,
                                     2,   0,   0x44, 0xAC, 0,    0,    0x10, 0xB1, 2,    0,   4,
                                     0,   16,  0,    'd',  'a',  't',  'a',  0x10, 0xB1, 2,   0};
    bytes->append(header, sizeof header);
    std::vector<std::uint8_t> pcm(176400, 0x10);
    bytes->append(pcm.data(), static_cast<std::uint32_t>(pcm.size()));
    bytes->rewind();
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    wchar_t unixPath[1024] = {};
    if (GetEnvironmentVariableW(L"TARNWICK_AUDIO_CAPTURE", unixPath, 1024) == 0) {
        std::fprintf(stderr, "set TARNWICK_AUDIO_CAPTURE to the capture file\n");
        return 2;
    }
    std::wstring capture = std::wstring(L"Z:") + unixPath;
    auto* device = s::system::audio::win::Device::firstOutput();
    if (device == nullptr) {
        std::fprintf(stderr, "no output device\n");
        return 1;
    }
    auto* player = s::thread::take<s::system::audio::win::Player>();
    player->setDevice(device);
    std::vector<double> latencies;
    for (int run = 0; run < runs; ++run) {
        auto* wave = s::thread::take<s::sound::wav::Wave>();
        wave->setInput(oneSecondWave(), true);
        DeleteFileW(capture.c_str());
        double start = nowMs();
        player->play(wave);
        while (fileSize(capture) <= 0 && nowMs() - start < 5000)
            Sleep(1);
        latencies.push_back(nowMs() - start);
        player->stopPlay();
        wave->release();
    }
    player->release();
    std::sort(latencies.begin(), latencies.end());
    std::printf("play to first bytes over %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n",
                runs, latencies.front(), latencies[latencies.size() / 2], latencies.back());
    return 0;
}
