#include "audio/Mp3Decoder.h"

#include "audio/FrameHeader.h"
#include "audio/win/AudioHandles.h"
#include "foundation/collections/Arrays.h"

#include <windows.h>

#include <mmsystem.h>

#include <mmreg.h>
#include <msacm.h>

#include <cstring>

namespace s::sound::mp3 {

// The platform's MP3 codec through the audio compression manager. ACM takes
// whole frames, so the decoder collects its input, finds the frames itself
// and converts one frame per call.
struct DecoderState {
    system::audio::win::AcmStream stream;
    col::ArrayU08 pending;
    std::uint32_t consumed = 0; // bytes of pending already decoded
    std::uint32_t rate = 0;
    int channels = 0;
};

namespace {

std::uint32_t headerAt(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

bool openStream(DecoderState& state, const FrameHeader& header) {
    MPEGLAYER3WAVEFORMAT source{};
    source.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    source.wfx.nChannels = static_cast<WORD>(header.channels());
    source.wfx.nSamplesPerSec = header.sampleRate();
    source.wfx.nAvgBytesPerSec = header.bitrate() * 125;
    source.wfx.nBlockAlign = 1;
    source.wfx.wBitsPerSample = 0;
    source.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    source.wID = MPEGLAYER3_ID_MPEG;
    source.fdwFlags = MPEGLAYER3_FLAG_PADDING_OFF;
    source.nBlockSize = static_cast<WORD>(header.frameSize);
    source.nFramesPerBlock = 1;
    source.nCodecDelay = 0;

    WAVEFORMATEX target{};
    target.wFormatTag = WAVE_FORMAT_PCM;
    target.nChannels = source.wfx.nChannels;
    target.nSamplesPerSec = source.wfx.nSamplesPerSec;
    target.wBitsPerSample = 16;
    target.nBlockAlign = static_cast<WORD>(target.nChannels * 2);
    target.nAvgBytesPerSec = target.nSamplesPerSec * target.nBlockAlign;

    HACMSTREAM stream = nullptr;
    if (acmStreamOpen(&stream, nullptr, &source.wfx, &target, nullptr, 0, 0,
                      ACM_STREAMOPENF_NONREALTIME) != 0)
        return false;
    state.stream.reset(stream);
    state.rate = header.sampleRate();
    state.channels = header.channels();
    return true;
}

// Converts one frame; the codec may hold samples back at first.
bool convert(DecoderState& state, const std::uint8_t* frame, std::uint32_t size, std::uint8_t* out,
             int outSize, int* done) {
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof header;
    header.pbSrc = const_cast<LPBYTE>(frame);
    header.cbSrcLength = size;
    header.pbDst = out;
    header.cbDstLength = static_cast<DWORD>(outSize);
    if (acmStreamPrepareHeader(state.stream.get(), &header, 0) != 0)
        return false;
    MMRESULT result = acmStreamConvert(state.stream.get(), &header, ACM_STREAMCONVERTF_BLOCKALIGN);
    *done = result == 0 ? static_cast<int>(header.cbDstLengthUsed) : 0;
    acmStreamUnprepareHeader(state.stream.get(), &header, 0);
    return result == 0;
}

} // namespace

DecoderState* InitMP3() {
    return new DecoderState;
}

int decodeMP3(DecoderState* state, const std::uint8_t* in, int inSize, std::uint8_t* out,
              int outSize, int* done) {
    *done = 0;
    if (state == nullptr)
        return kDecodeError;
    if (state->consumed != 0 && state->consumed == state->pending.length()) {
        state->pending.setLength(0);
        state->consumed = 0;
    }
    if (in != nullptr && inSize > 0)
        state->pending.append(in, static_cast<std::uint32_t>(inSize));
    auto* bytes = static_cast<const std::uint8_t*>(state->pending.data());
    std::uint32_t length = state->pending.length();
    // Resynchronise on the next valid header, skipping anything else.
    while (state->consumed + 4 <= length) {
        FrameHeader header;
        const std::uint8_t* at = bytes + state->consumed;
        if (!header.decode(headerAt(at), state->consumed) || !header.isValid()) {
            ++state->consumed;
            continue;
        }
        if (state->consumed + header.frameSize > length)
            break; // the rest of the frame is still to come
        if (!state->stream && !openStream(*state, header)) {
            // The codec takes no stream of this form: a false sync, most
            // likely. Look on, rather than keep the input waiting.
            ++state->consumed;
            continue;
        }
        if (header.sampleRate() != state->rate || header.channels() != state->channels) {
            // A frame of another format is noise inside this stream.
            ++state->consumed;
            continue;
        }
        state->consumed += header.frameSize;
        return convert(*state, at, header.frameSize, out, outSize, done) ? kDecodeOk : kDecodeError;
    }
    // Keep only what is not decoded yet.
    if (state->consumed != 0) {
        state->pending.dropFirst(state->consumed);
        state->consumed = 0;
    }
    return kDecodeNeedMore;
}

void ExitMP3(DecoderState* state) {
    delete state; // and its stream with it
}

} // namespace s::sound::mp3
