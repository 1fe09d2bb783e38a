#include "audio/Wave.h"

#include "foundation/collections/IStream.h"
#include "foundation/objects/Pools.h"

#include <cstring>

namespace s::sound::wav {

namespace {
constexpr std::uint32_t kChannels = 22, kSampleRate = 24, kByteRate = 28, kBlockAlign = 32,
                        kBitsPerSample = 34, kDataSize = 40;
} // namespace

Wave::Wave() {
    resetHeader();
}

Wave::~Wave() {
    close();
}

base::IObject* Wave::newInstance() const {
    return thread::take<Wave>();
}

void Wave::release() {
    thread::giveBack(this);
}

void Wave::clear() {
    close();
    resetHeader();
    inputSize_ = -1;
    attachPosition_ = 0;
    prepared_ = false;
    modified_ = false;
}

void Wave::resetHeader() {
    static const std::uint8_t kNewFile[kHeaderSize] = {
        'R',  'I', 'F', 'F', 36, 0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
        ' ',  16,  0,   0,   0,  1, 0,   2,   0,   0x44, 0xAC, 0,   0,   0x10, 0xB1,
        0x02, 0,   4,   0,   16, 0, 'd', 'a', 't', 'a',  0,    0,   0,   0};
    std::memcpy(header_, kNewFile, kHeaderSize);
}

std::uint32_t Wave::field32(std::uint32_t offset) const {
    return static_cast<std::uint32_t>(header_[offset]) | header_[offset + 1] << 8 |
           header_[offset + 2] << 16 | static_cast<std::uint32_t>(header_[offset + 3]) << 24;
}

std::uint16_t Wave::field16(std::uint32_t offset) const {
    return static_cast<std::uint16_t>(header_[offset] | header_[offset + 1] << 8);
}

void Wave::setField32(std::uint32_t offset, std::uint32_t value) {
    if (field32(offset) == value)
        return;
    for (int i = 0; i < 4; ++i)
        header_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    modified_ = true;
}

void Wave::setField16(std::uint32_t offset, std::uint16_t value) {
    if (field16(offset) == value)
        return;
    header_[offset] = static_cast<std::uint8_t>(value);
    header_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    modified_ = true;
}

void Wave::recomputeRates() {
    auto blockAlign = static_cast<std::uint16_t>(field16(kChannels) * field16(kBitsPerSample) / 8);
    setField16(kBlockAlign, blockAlign);
    setField32(kByteRate, field32(kSampleRate) * blockAlign);
}

void Wave::setSampleRate(std::uint32_t hz) {
    setField32(kSampleRate, hz);
    setField32(kByteRate, hz * field16(kBlockAlign));
}

std::uint32_t Wave::getSampleRate() const {
    return field32(kSampleRate);
}

void Wave::setStereo(bool on) {
    setField16(kChannels, on ? 2 : 1);
    recomputeRates();
}

bool Wave::isStereo() const {
    return field16(kChannels) == 2;
}

std::uint32_t Wave::channels() const {
    return field16(kChannels);
}

void Wave::setBitsPerSample(std::uint32_t bits) {
    setField16(kBitsPerSample, static_cast<std::uint16_t>(bits));
    recomputeRates();
}

std::uint32_t Wave::getBitsPerSample() const {
    return field16(kBitsPerSample);
}

std::int64_t Wave::getDataLength() const {
    return field32(kDataSize);
}

std::int64_t Wave::durationMilliseconds() const {
    std::int64_t perSecond = static_cast<std::int64_t>(field16(kChannels)) *
                             field16(kBitsPerSample) * field32(kSampleRate);
    // A header that claims no samples per second has no duration.
    if (perSecond == 0)
        return 0;
    return getDataLength() * 8000 / perSecond;
}

std::int64_t Wave::durationSeconds() const {
    return durationMilliseconds() / 1000;
}

void Wave::setInput(io::IInputStream* stream, bool owns) {
    close();
    input_ = stream;
    ownsInput_ = owns;
    attachPosition_ = stream != nullptr ? stream->position() : 0;
    prepared_ = false;
    prepare();
}

void Wave::prepare() {
    if (input_ == nullptr)
        return;
    thread::ObjLockerGuard guard(lock_);
    if (input_->position() != attachPosition_)
        input_->seek(attachPosition_);
    std::uint8_t block[kHeaderSize];
    std::uint32_t got = 0;
    // A file shorter than a header keeps the new-file header, whose data
    // size of 0 gives no PCM.
    if (input_->read(block, kHeaderSize, &got) && got == kHeaderSize)
        std::memcpy(header_, block, kHeaderSize);
    else
        setField32(kDataSize, 0);
    prepared_ = true;
    modified_ = false;
}

bool Wave::readPcm(void* buffer, std::uint32_t n, std::uint32_t* count) {
    if (count != nullptr)
        *count = 0;
    if (input_ == nullptr)
        return false;
    if (!prepared_)
        prepare();
    thread::ObjLockerGuard guard(lock_);
    std::int64_t end = attachPosition_ + kHeaderSize + getDataLength();
    std::int64_t remaining = end - input_->position();
    if (remaining <= 0)
        return false;
    if (n > 4)
        n &= ~3u;
    std::uint32_t wanted = remaining < n ? static_cast<std::uint32_t>(remaining) : n;
    return input_->read(buffer, wanted, count);
}

void Wave::seekPercent(double percent, std::int64_t* pcmPosition) {
    std::int64_t position = 0;
    if (input_ != nullptr) {
        position = static_cast<std::int64_t>(static_cast<double>(getDataLength()) * percent / 100);
        position &= ~static_cast<std::int64_t>(3);
        thread::ObjLockerGuard guard(lock_);
        input_->seek(attachPosition_ + kHeaderSize + position);
    }
    if (pcmPosition != nullptr)
        *pcmPosition = position;
}

void Wave::close() {
    if (input_ != nullptr && ownsInput_) {
        input_->close();
        input_->release();
    }
    input_ = nullptr;
    ownsInput_ = false;
}

} // namespace s::sound::wav
