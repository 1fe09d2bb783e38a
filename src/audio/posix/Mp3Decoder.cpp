#include "audio/Mp3Decoder.h"

#include <mpg123.h>

#include <cstring>

namespace s::sound::mp3 {

struct DecoderState {
    mpg123_handle* handle = nullptr;
};

DecoderState* InitMP3() {
    // Initialising the library more than once is harmless since 1.27.
    mpg123_init();
    int error = 0;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    if (handle == nullptr)
        return nullptr;
    mpg123_param(handle, MPG123_FLAGS, MPG123_QUIET, 0);
    // Signed 16-bit at the stream's own rate and channel count.
    mpg123_format_none(handle);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(handle) != MPG123_OK) {
        mpg123_delete(handle);
        return nullptr;
    }
    auto* state = new DecoderState;
    state->handle = handle;
    return state;
}

int decodeMP3(DecoderState* state, const std::uint8_t* in, int inSize, std::uint8_t* out,
              int outSize, int* done) {
    *done = 0;
    if (state == nullptr)
        return kDecodeError;
    if (in != nullptr && inSize > 0 &&
        mpg123_feed(state->handle, in, static_cast<size_t>(inSize)) != MPG123_OK)
        return kDecodeError;
    for (;;) {
        off_t frame = 0;
        unsigned char* audio = nullptr;
        size_t bytes = 0;
        int result = mpg123_decode_frame(state->handle, &frame, &audio, &bytes);
        if (result == MPG123_NEW_FORMAT)
            continue;
        if (result == MPG123_NEED_MORE)
            return kDecodeNeedMore;
        if (result != MPG123_OK)
            return kDecodeError;
        std::size_t copied =
            bytes < static_cast<size_t>(outSize) ? bytes : static_cast<size_t>(outSize);
        if (copied != 0)
            std::memcpy(out, audio, copied);
        *done = static_cast<int>(copied);
        return kDecodeOk;
    }
}

int finishMP3(DecoderState* state, std::uint8_t* out, int outSize, int* done) {
    // libmpg123 decodes every whole frame it is fed and keeps only a frame
    // cut short, which no later call can complete.
    return decodeMP3(state, nullptr, 0, out, outSize, done);
}

void ExitMP3(DecoderState* state) {
    if (state == nullptr)
        return;
    mpg123_delete(state->handle);
    delete state;
}

} // namespace s::sound::mp3
