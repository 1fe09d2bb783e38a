#include "audio/Mp3.h"

#include "audio/Mp3Decoder.h"
#include "foundation/collections/IStream.h"
#include "foundation/objects/Pools.h"

#include <cstring>

namespace s::sound::mp3::win {

Mp3::Mp3() {
    clear();
}

Mp3::~Mp3() {
    close();
    endDecoder();
}

base::IObject* Mp3::newInstance() const {
    return thread::take<Mp3>();
}

void Mp3::release() {
    thread::giveBack(this);
}

void Mp3::clear() {
    close();
    endDecoder();
    header_.clear();
    tag_ = Id3Tag{};
    inputSize_ = -1;
    audioLength_ = -1;
    attachPosition_ = 0;
    prepared_ = false;
    endOfInput_ = false;
    bitsPerSample_ = 16;
    inputBlock_.freeMemory();
    output_.freeMemory();
}

void Mp3::endDecoder() {
    if (decoder_ != nullptr)
        ExitMP3(decoder_);
    decoder_ = nullptr;
}

void Mp3::setSampleRate(std::uint32_t hz) {
    header_.sampleRateIndex = FrameHeader::sampleRateIndexOf(header_.version(), hz);
}

void Mp3::setBitrate(std::uint32_t kbps) {
    header_.bitrateIndex = FrameHeader::bitrateIndexOf(header_.lsf, header_.layer, kbps);
}

std::int64_t Mp3::frameCount() const {
    std::int64_t frames;
    if (!header_.vbr && audioLength_ >= 0 && header_.frameSize != 0)
        frames = audioLength_ / header_.frameSize;
    else
        frames = header_.xingFrames;
    return frames == 0 ? -1 : frames;
}

std::int64_t Mp3::averageFrameBytes() const {
    if (!header_.vbr)
        return header_.frameSize != 0 ? header_.frameSize : -1;
    std::int64_t frames = frameCount();
    if (frames < 1 || audioLength_ < 0)
        return -1;
    return audioLength_ / frames;
}

std::int64_t Mp3::durationSeconds() const {
    std::int64_t frames = frameCount();
    if (frames < 1 || header_.sampleRate() == 0)
        return -1;
    return frames * header_.samplesPerFrame() / header_.sampleRate();
}

std::int64_t Mp3::durationMilliseconds() const {
    std::int64_t frames = frameCount();
    if (frames < 1 || header_.sampleRate() == 0)
        return -1;
    return frames * header_.samplesPerFrame() * 1000 / header_.sampleRate();
}

std::int64_t Mp3::getBitrate() const {
    if (!header_.vbr)
        return header_.bitrate() != 0 ? header_.bitrate() : -1;
    std::int64_t seconds = durationSeconds();
    if (seconds < 1 || audioLength_ < 0)
        return -1;
    return audioLength_ * 8 / (seconds * 1000);
}

std::int64_t Mp3::getDataLength() const {
    std::int64_t frames = frameCount();
    if (frames < 1)
        return -1;
    return static_cast<std::int64_t>(header_.channels()) * header_.samplesPerFrame() * frames * 2;
}

void Mp3::setInput(io::IInputStream* stream, bool owns) {
    close();
    input_ = stream;
    ownsInput_ = owns;
    attachPosition_ = stream != nullptr ? stream->position() : 0;
    prepared_ = false;
    endOfInput_ = false;
    prepare();
    if (input_ != nullptr)
        input_->seek(header_.headerPosition);
}

void Mp3::prepare() {
    if (input_ == nullptr || prepared_)
        return;
    std::int64_t back = input_->position();
    tag_.detect(*input_, attachPosition_, inputSize_);
    // The search starts behind ID3v2 tags: their pictures can be megabytes
    // of bytes that look like frame syncs.
    std::int64_t end = inputSize_ >= 0 ? attachPosition_ + inputSize_ : -1;
    input_->seek(Id3Tag::behindVersion2Tags(*input_, back, end));
    findFrame(*input_, header_);
    input_->seek(back);
    if (inputSize_ >= 0) {
        std::int64_t start = header_.headerPosition - attachPosition_;
        switch (tag_.kind) {
        case Id3Tag::kVersion1:
            audioLength_ = inputSize_ - start - 128;
            break;
        case Id3Tag::kVersion2:
            audioLength_ = inputSize_ - start;
            break;
        default:
            audioLength_ = inputSize_;
            break;
        }
    }
    prepared_ = true;
}

std::uint32_t Mp3::deliver(std::uint8_t* to, std::uint32_t n) {
    std::uint32_t waiting = output_.length();
    std::uint32_t given = waiting < n ? waiting : n;
    if (given == 0)
        return 0;
    std::memcpy(to, output_.data(), given);
    output_.dropFirst(given);
    return given;
}

void Mp3::keep(const std::uint8_t* pcm, std::uint32_t n) {
    if (n != 0)
        output_.append(pcm, n);
}

bool Mp3::readPcm(void* buffer, std::uint32_t n, std::uint32_t* count) {
    if (count != nullptr)
        *count = 0;
    if (input_ == nullptr)
        return false;
    thread::ObjLockerGuard guard(lock_);
    prepare();
    if (n > 4)
        n &= ~3u;
    if (inputBlock_.capacity() < kInputBlock)
        inputBlock_.reserveExact(kInputBlock);
    if (output_.capacity() < kOutputBlock)
        output_.reserveExact(kOutputBlock);
    if (decoder_ == nullptr)
        decoder_ = InitMP3();
    auto* to = static_cast<std::uint8_t*>(buffer);
    std::uint32_t delivered = deliver(to, n);
    std::uint8_t frame[kOutputBlock];
    while (delivered < n && decoder_ != nullptr && !endOfInput_) {
        int produced = 0;
        int result = decodeMP3(decoder_, nullptr, 0, frame, kOutputBlock, &produced);
        if (result == kDecodeOk) {
            keep(frame, static_cast<std::uint32_t>(produced));
            delivered += deliver(to + delivered, n - delivered);
            continue;
        }
        // Without a codec no later byte decodes either: the end, at once.
        if (result == kDecodeNoCodec) {
            endOfInput_ = true;
            break;
        }
        // Errors count as a need for more input: the decoder resynchronises.
        std::uint32_t got = 0;
        inputBlock_.setLength(kInputBlock);
        if (!input_->read(inputBlock_.data(), kInputBlock, &got) || got == 0) {
            // The last samples the decoder holds back; it answers need-more
            // once it has given them all.
            result = finishMP3(decoder_, frame, kOutputBlock, &produced);
            if (result != kDecodeOk) {
                endOfInput_ = true;
                break;
            }
            keep(frame, static_cast<std::uint32_t>(produced));
            delivered += deliver(to + delivered, n - delivered);
            continue;
        }
        result = decodeMP3(decoder_, static_cast<const std::uint8_t*>(inputBlock_.data()),
                           static_cast<int>(got), frame, kOutputBlock, &produced);
        if (result == kDecodeOk) {
            keep(frame, static_cast<std::uint32_t>(produced));
            delivered += deliver(to + delivered, n - delivered);
        } else if (result == kDecodeNoCodec) {
            endOfInput_ = true;
        }
    }
    if (count != nullptr)
        *count = delivered;
    return delivered != 0 || !endOfInput_;
}

void Mp3::seekPercent(double percent, std::int64_t* pcmPosition) {
    if (pcmPosition != nullptr)
        *pcmPosition = 0;
    if (input_ == nullptr)
        return;
    std::int64_t frames = frameCount();
    std::int64_t bytes = averageFrameBytes();
    if (frames < 1 || bytes < 1)
        return;
    auto target = static_cast<std::int64_t>(percent / 100 * static_cast<double>(frames));
    if (pcmPosition != nullptr)
        *pcmPosition = (isStereo() ? 2 : 1) * static_cast<std::int64_t>(header_.samplesPerFrame()) *
                       target * 2;
    thread::ObjLockerGuard guard(lock_);
    if (decoder_ != nullptr) {
        // What the decoder still holds belongs to the old place.
        std::uint8_t discard[kOutputBlock];
        int produced = 0;
        while (decodeMP3(decoder_, nullptr, 0, discard, kOutputBlock, &produced) == kDecodeOk) {
        }
    }
    input_->seek(header_.headerPosition + target * bytes);
    FrameHeader boundary;
    if (findFrame(*input_, boundary))
        input_->seek(boundary.headerPosition);
    output_.setLength(0);
    endOfInput_ = false;
}

void Mp3::close() {
    if (input_ != nullptr && ownsInput_) {
        input_->close();
        input_->release();
    }
    input_ = nullptr;
    ownsInput_ = false;
}

} // namespace s::sound::mp3::win
