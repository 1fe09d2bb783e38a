#pragma once

#include <cstdint>

// The MP3 decoder the MP3 source uses, with the calls of the mpglib decoder:
// frames go in (all at once or in pieces), 16-bit little-endian PCM comes
// out one frame per successful call. The host build decodes with
// libmpg123, the product with the platform's ACM MP3 codec.
namespace s::sound::mp3 {

struct DecoderState;

// kDecodeNoCodec: the machine has no decoder for this stream (no MP3 codec
// installed, or none that takes its format); every later call answers the
// same, so the caller can stop at once instead of reading on.
enum DecodeResult : int {
    kDecodeOk = 0,
    kDecodeNeedMore = 1,
    kDecodeError = -1,
    kDecodeNoCodec = -2
};

// A new decoder; null when none can be made.
DecoderState* InitMP3();

// Adds in (may be null) to the decoder's input and decodes the next frame
// into out: kDecodeOk with *done bytes of PCM (possibly 0 while the codec
// fills its delay), kDecodeNeedMore when no whole frame is waiting, or
// kDecodeError.
int decodeMP3(DecoderState* state, const std::uint8_t* in, int inSize, std::uint8_t* out,
              int outSize, int* done);

// The input has ended: hands out, one piece per kDecodeOk, the samples the
// decoder still holds (a codec's look-ahead, the frames of a last partial
// read), then answers kDecodeNeedMore.
int finishMP3(DecoderState* state, std::uint8_t* out, int outSize, int* done);

void ExitMP3(DecoderState* state);

} // namespace s::sound::mp3
