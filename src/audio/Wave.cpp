#include "audio/Wave.h"

#include "foundation/collections/IStream.h"
#include "foundation/objects/Pools.h"

#include <cstring>

namespace s::sound::wav {

namespace {

constexpr std::uint32_t kChunkSize = 4, kFormatChunkSize = 16, kFormat = 20, kChannels = 22,
                        kSampleRate = 24, kByteRate = 28, kBlockAlign = 32, kBitsPerSample = 34,
                        kDataSize = 40;

constexpr std::uint16_t kFormatPcm = 1, kFormatExtensible = 0xFFFE;
// The fields of a plain "fmt " chunk, and of one with the extensible part
// (valid bits, channel mask and the sub-format GUID).
constexpr std::uint32_t kPlainFormatBytes = 16, kExtensibleFormatBytes = 40, kSubFormat = 24;
// KSDATAFORMAT_SUBTYPE_PCM, 00000001-0000-0010-8000-00AA00389B71, as stored.
constexpr std::uint8_t kPcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                            0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint32_t le32(const std::uint8_t* b) {
    return static_cast<std::uint32_t>(b[0]) | b[1] << 8 | b[2] << 16 |
           static_cast<std::uint32_t>(b[3]) << 24;
}

std::uint16_t le16(const std::uint8_t* b) {
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

bool readAt(io::IInputStream& stream, std::int64_t at, std::uint8_t* to, std::uint32_t n) {
    stream.seek(at);
    std::uint32_t got = 0;
    return stream.read(to, n, &got) && got == n;
}

// PCM of 8 or 16 bits in one or two channels, plain or in the extensible
// form: what the player can hand to the device unchanged.
bool playable(const std::uint8_t* format, std::uint32_t formatBytes) {
    std::uint16_t tag = le16(format);
    bool pcm = tag == kFormatPcm ||
               (tag == kFormatExtensible && formatBytes >= kExtensibleFormatBytes &&
                std::memcmp(format + kSubFormat, kPcmSubFormat, sizeof kPcmSubFormat) == 0);
    std::uint16_t channels = le16(format + 2), bits = le16(format + 14);
    return pcm && (channels == 1 || channels == 2) && (bits == 8 || bits == 16) &&
           le32(format + 4) != 0;
}

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
    dataStart_ = 0;
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
    return le32(header_ + offset);
}

std::uint16_t Wave::field16(std::uint32_t offset) const {
    return le16(header_ + offset);
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
    // A file that is no playable WAV keeps the header it had, with a data
    // size of 0: it gives no PCM.
    if (!readChunks()) {
        setField32(kDataSize, 0);
        dataStart_ = attachPosition_;
    }
    input_->seek(dataStart_);
    prepared_ = true;
    modified_ = false;
}

bool Wave::readChunks() {
    std::uint8_t riff[12];
    if (!readAt(*input_, attachPosition_, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "WAVE", 4) != 0)
        return false;
    // Sizes in the file are not trusted beyond the file's own end.
    std::int64_t end = inputSize_ >= 0 ? attachPosition_ + inputSize_ : input_->seekToEnd();
    std::uint8_t format[kExtensibleFormatBytes] = {};
    std::uint32_t formatSize = 0;
    std::int64_t dataStart = -1;
    std::uint32_t dataSize = 0;
    std::int64_t at = attachPosition_ + sizeof riff;
    while ((formatSize == 0 || dataStart < 0) && at + 8 <= end) {
        std::uint8_t chunk[8];
        if (!readAt(*input_, at, chunk, sizeof chunk))
            break;
        std::uint32_t size = le32(chunk + 4);
        std::int64_t body = at + sizeof chunk;
        if (formatSize == 0 && std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < kPlainFormatBytes)
                return false;
            std::uint32_t wanted = size < kExtensibleFormatBytes ? size : kExtensibleFormatBytes;
            if (!readAt(*input_, body, format, wanted))
                return false;
            formatSize = size;
        } else if (dataStart < 0 && std::memcmp(chunk, "data", 4) == 0) {
            dataStart = body;
            dataSize = size;
        }
        // Chunks start on even offsets: an odd-sized one is followed by a pad byte.
        at = body + size + (size & 1);
    }
    if (formatSize == 0 || dataStart < 0 || !playable(format, formatSize))
        return false;
    if (dataSize > end - dataStart)
        dataSize = static_cast<std::uint32_t>(end - dataStart);
    // The setters mark the header modified; prepare clears the mark.
    setField32(kChunkSize, le32(riff + 4));
    setField32(kFormatChunkSize, formatSize);
    std::memcpy(header_ + kFormat, format, kPlainFormatBytes);
    setField32(kDataSize, dataSize);
    dataStart_ = dataStart;
    return true;
}

bool Wave::readPcm(void* buffer, std::uint32_t n, std::uint32_t* count) {
    if (count != nullptr)
        *count = 0;
    if (input_ == nullptr)
        return false;
    if (!prepared_)
        prepare();
    thread::ObjLockerGuard guard(lock_);
    std::int64_t end = dataStart_ + getDataLength();
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
        input_->seek(dataStart_ + position);
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
