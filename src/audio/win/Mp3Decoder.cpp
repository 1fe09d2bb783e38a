#include "audio/Mp3Decoder.h"

#include "audio/FrameHeader.h"
#include "audio/win/AudioHandles.h"
#include "foundation/collections/Arrays.h"
#include "foundation/system/DiagnosticLog.h"

#include <windows.h>

#include <mmsystem.h>

#include <mmreg.h>
#include <msacm.h>

#include <cstring>

namespace s::sound::mp3 {

// The platform's MP3 codec through the audio compression manager. The
// decoder collects its input, finds the frames itself and hands the codec
// one frame per call; what the codec does not take of it (cbSrcLengthUsed)
// is handed again first on the next call. At the end, conversions marked
// ACM_STREAMCONVERTF_END give back what the codec still holds.
struct DecoderState {
    system::audio::win::AcmStream stream;
    col::ArrayU08 pending;
    std::uint32_t consumed = 0;  // bytes of pending the codec has taken
    std::uint32_t frameLeft = 0; // of the frame at consumed, still to be taken
    std::uint32_t rate = 0;
    int channels = 0;
    bool noCodec = false;
    bool flushed = false;
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

// One conversion of size source bytes (possibly none); *used gets what the
// codec took of them, *done the PCM bytes it gave.
bool convert(DecoderState& state, const std::uint8_t* source, std::uint32_t size, DWORD flags,
             std::uint8_t* out, int outSize, std::uint32_t* used, int* done) {
    *used = 0;
    *done = 0;
    // The codec is never given a null source, even an empty one.
    std::uint8_t nothing = 0;
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof header;
    header.pbSrc = const_cast<LPBYTE>(size != 0 ? source : &nothing);
    header.cbSrcLength = size;
    header.pbDst = out;
    header.cbDstLength = static_cast<DWORD>(outSize);
    if (acmStreamPrepareHeader(state.stream.get(), &header, 0) != 0)
        return false;
    MMRESULT result = acmStreamConvert(state.stream.get(), &header, flags);
    if (result == 0) {
        *used = header.cbSrcLengthUsed < size ? header.cbSrcLengthUsed : size;
        *done = static_cast<int>(header.cbDstLengthUsed);
    }
    acmStreamUnprepareHeader(state.stream.get(), &header, 0);
    return result == 0;
}

// Whether a frame of the same form starts right behind header, as it does in
// a real stream and rarely behind a false sync; unknown (-1) while the bytes
// there have not come yet.
int confirmedByNext(const std::uint8_t* bytes, std::uint32_t length, const FrameHeader& header) {
    std::uint64_t next = header.headerPosition + header.frameSize;
    if (next + 4 > length)
        return -1;
    FrameHeader second;
    return second.decode(headerAt(bytes + next), static_cast<std::int64_t>(next)) &&
                   second.isValid() && second.matches(header)
               ? 1
               : 0;
}

// Whether the frame at bytes is the Xing or Info frame that encoders put
// first in a stream to describe it: silence to a decoder, which the host's
// decoder skips as well.
bool isInfoFrame(const std::uint8_t* bytes, const FrameHeader& header) {
    bool mono = header.channels() == 1;
    std::uint32_t sideInfo = header.lsf ? (mono ? 9 : 17) : (mono ? 17 : 32);
    std::uint32_t at = 4 + (header.protection ? 2 : 0) + sideInfo;
    if (header.layer != 3 || at + 4 > header.frameSize)
        return false;
    return std::memcmp(bytes + at, "Xing", 4) == 0 || std::memcmp(bytes + at, "Info", 4) == 0;
}

// Opens the codec for the first frame that the next one confirms. A codec
// that refuses a confirmed frame will refuse the whole stream: the machine
// has no MP3 codec, or none for this form. With atEnd, a lone last frame
// needs no confirmation.
int openOnFirstFrame(DecoderState& state, bool atEnd) {
    auto* bytes = static_cast<const std::uint8_t*>(state.pending.data());
    std::uint32_t length = state.pending.length();
    while (state.consumed + 4 <= length) {
        FrameHeader header;
        if (!header.decode(headerAt(bytes + state.consumed), state.consumed) || !header.isValid()) {
            ++state.consumed;
            continue;
        }
        int confirmed = confirmedByNext(bytes, length, header);
        if (confirmed == 0 || (confirmed < 0 && atEnd && state.consumed + header.frameSize > length)) {
            ++state.consumed;
            continue;
        }
        if (confirmed < 0 && !atEnd)
            return kDecodeNeedMore;
        if (!openStream(state, header)) {
            log::write("mp3: the system has no codec for this stream, nothing decoded");
            state.noCodec = true;
            state.pending.setLength(0);
            state.consumed = 0;
            return kDecodeNoCodec;
        }
        if (state.consumed + header.frameSize <= length &&
            isInfoFrame(bytes + state.consumed, header))
            state.consumed += header.frameSize;
        return kDecodeOk;
    }
    return kDecodeNeedMore;
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
    if (state->noCodec)
        return kDecodeNoCodec;
    if (state->consumed != 0 && state->consumed == state->pending.length()) {
        state->pending.setLength(0);
        state->consumed = 0;
    }
    if (in != nullptr && inSize > 0) {
        state->pending.append(in, static_cast<std::uint32_t>(inSize));
        state->flushed = false; // new input after a seek ends anew
    }
    if (!state->stream) {
        int opened = openOnFirstFrame(*state, false);
        if (opened != kDecodeOk) {
            if (opened == kDecodeNeedMore && state->consumed != 0) {
                state->pending.dropFirst(state->consumed);
                state->consumed = 0;
            }
            return opened;
        }
    }
    auto* bytes = static_cast<const std::uint8_t*>(state->pending.data());
    std::uint32_t length = state->pending.length();
    if (state->frameLeft == 0) {
        // Resynchronise on the next valid header of this stream's form.
        while (state->consumed + 4 <= length) {
            FrameHeader header;
            const std::uint8_t* at = bytes + state->consumed;
            if (!header.decode(headerAt(at), state->consumed) || !header.isValid() ||
                header.sampleRate() != state->rate || header.channels() != state->channels) {
                ++state->consumed;
                continue;
            }
            if (state->consumed + header.frameSize <= length)
                state->frameLeft = header.frameSize;
            break; // a whole frame, or the rest of it is still to come
        }
    }
    if (state->frameLeft == 0) {
        // Keep only what is not decoded yet.
        if (state->consumed != 0) {
            state->pending.dropFirst(state->consumed);
            state->consumed = 0;
        }
        return kDecodeNeedMore;
    }
    std::uint32_t used = 0;
    if (!convert(*state, bytes + state->consumed, state->frameLeft, ACM_STREAMCONVERTF_BLOCKALIGN,
                 out, outSize, &used, done)) {
        state->consumed += state->frameLeft;
        state->frameLeft = 0;
        return kDecodeError;
    }
    // A codec that takes nothing and gives nothing would be handed the same
    // bytes for ever: the rest of that frame is dropped instead.
    if (used == 0 && *done == 0)
        used = state->frameLeft;
    state->consumed += used;
    state->frameLeft -= used;
    return kDecodeOk;
}

int finishMP3(DecoderState* state, std::uint8_t* out, int outSize, int* done) {
    *done = 0;
    if (state == nullptr)
        return kDecodeError;
    if (state->noCodec)
        return kDecodeNoCodec;
    if (state->flushed)
        return kDecodeNeedMore;
    if (!state->stream) {
        int opened = openOnFirstFrame(*state, true);
        if (opened != kDecodeOk) {
            state->flushed = true;
            return opened;
        }
    }
    // Whole frames still waiting go first, as decodeMP3 would give them.
    int result = decodeMP3(state, nullptr, 0, out, outSize, done);
    if (result == kDecodeOk)
        return result;
    // Then the bytes of a frame cut short and whatever the codec holds back;
    // the codec may take the bytes and give nothing.
    auto* bytes = static_cast<const std::uint8_t*>(state->pending.data());
    std::uint32_t left = state->pending.length() - state->consumed;
    std::uint32_t used = 0;
    if (!convert(*state, bytes + state->consumed, left, ACM_STREAMCONVERTF_END, out, outSize, &used,
                 done) ||
        *done == 0) {
        state->flushed = true;
        state->pending.setLength(0);
        state->consumed = 0;
        return kDecodeNeedMore;
    }
    state->consumed += used;
    return kDecodeOk;
}

void ExitMP3(DecoderState* state) {
    delete state; // and its stream with it
}

} // namespace s::sound::mp3
