#include "audio/Wave.h"

#include "audio/PcmConverter.h"

#include "foundation/collections/IStream.h"
#include "foundation/objects/Pools.h"

#include <cstring>

namespace s::sound::wav {

namespace {

constexpr std::uint32_t kChunkSize = 4, kFormatChunkSize = 16, kFormat = 20, kChannels = 22,
                        kSampleRate = 24, kByteRate = 28, kBlockAlign = 32, kBitsPerSample = 34,
                        kDataSize = 40;

constexpr std::uint16_t kFormatPcm = 1, kFormatFloat = 3, kFormatExtensible = 0xFFFE;
// The fields of a plain "fmt " chunk, and of one with the extensible part
// (valid bits, channel mask and the sub-format GUID).
constexpr std::uint32_t kPlainFormatBytes = 16, kExtensibleFormatBytes = 40, kSubFormat = 24;
// The sub-format GUIDs KSDATAFORMAT_SUBTYPE_PCM and _IEEE_FLOAT
// (0000000X-0000-0010-8000-00AA00389B71) as stored, but for the first byte.
constexpr std::uint8_t kSubFormatTail[15] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

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

// Sets converter up for the frames the format chunk describes: integer PCM
// or IEEE float, plain or in the extensible form. False for anything else
// (compressed formats, no sample rate, sizes that do not agree).
bool describe(const std::uint8_t* format, std::uint32_t formatBytes, PcmConverter& converter) {
    std::uint16_t tag = le16(format);
    if (tag == kFormatExtensible) {
        if (formatBytes < kExtensibleFormatBytes ||
            std::memcmp(format + kSubFormat + 1, kSubFormatTail, sizeof kSubFormatTail) != 0)
            return false;
        tag = format[kSubFormat];
    }
    if ((tag != kFormatPcm && tag != kFormatFloat) || le32(format + 4) == 0)
        return false;
    return converter.configure(tag == kFormatFloat ? PcmConverter::kFloat : PcmConverter::kInteger,
                               le16(format + 2), le16(format + 14), le16(format + 12));
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
    sourceDataSize_ = 0;
    converter_ = PcmConverter();
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
        sourceDataSize_ = 0;
        converter_ = PcmConverter();
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
    PcmConverter converter;
    if (formatSize == 0 || dataStart < 0 || !describe(format, formatSize, converter))
        return false;
    if (dataSize > end - dataStart)
        dataSize = static_cast<std::uint32_t>(end - dataStart);
    converter_ = converter;
    // A trailing part of a frame is no sound.
    std::uint32_t frames = dataSize / converter.inputFrameBytes();
    // Three 8-bit channels grow into four bytes a frame: the length must
    // still fit the header's 32 bits.
    if (frames > 0xFFFFFFFFu / converter.outputFrameBytes())
        frames = 0xFFFFFFFFu / converter.outputFrameBytes();
    // The setters mark the header modified; prepare clears the mark.
    setField32(kChunkSize, le32(riff + 4));
    if (converter.passThrough()) {
        setField32(kFormatChunkSize, formatSize);
        std::memcpy(header_ + kFormat, format, kPlainFormatBytes);
        setField32(kDataSize, dataSize);
    } else {
        // The header describes what readPcm gives: 16-bit PCM.
        setField32(kFormatChunkSize, kPlainFormatBytes);
        setField16(kFormat, kFormatPcm);
        setField16(kChannels, static_cast<std::uint16_t>(converter.outputChannels()));
        setField32(kSampleRate, le32(format + 4));
        setField16(kBitsPerSample, 16);
        recomputeRates();
        setField32(kDataSize, frames * converter.outputFrameBytes());
    }
    dataStart_ = dataStart;
    sourceDataSize_ = converter.passThrough() ? dataSize : frames * converter.inputFrameBytes();
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
    std::int64_t end = dataStart_ + sourceDataSize_;
    std::int64_t remaining = end - input_->position();
    if (remaining <= 0)
        return false;
    if (n > 4)
        n &= ~3u;
    if (converter_.passThrough()) {
        std::uint32_t wanted = remaining < n ? static_cast<std::uint32_t>(remaining) : n;
        return input_->read(buffer, wanted, count);
    }
    return readConverted(static_cast<std::uint8_t*>(buffer), n, remaining, count);
}

bool Wave::readConverted(std::uint8_t* to, std::uint32_t n, std::int64_t remaining,
                         std::uint32_t* count) {
    const std::uint32_t inFrame = converter_.inputFrameBytes();
    const std::uint32_t outFrame = converter_.outputFrameBytes();
    std::int64_t framesLeft = remaining / inFrame;
    if (framesLeft == 0)
        return false;
    std::uint32_t frames = n / outFrame;
    if (frames > framesLeft)
        frames = static_cast<std::uint32_t>(framesLeft);
    std::uint8_t scratch[kScratchBytes];
    const std::uint32_t perPass = kScratchBytes / inFrame;
    std::uint32_t done = 0;
    while (done < frames) {
        std::uint32_t pass = frames - done < perPass ? frames - done : perPass;
        std::uint32_t got = 0;
        bool read = input_->read(scratch, pass * inFrame, &got);
        std::uint32_t whole = got / inFrame;
        converter_.convert(scratch, whole, to + static_cast<std::size_t>(done) * outFrame);
        done += whole;
        if (!read || whole < pass) {
            // Keep the stream on a frame: the part of a frame read is dropped.
            input_->seek(input_->position() - (got - whole * inFrame));
            if (count != nullptr)
                *count = done * outFrame;
            return read && done != 0;
        }
    }
    if (count != nullptr)
        *count = done * outFrame;
    return true;
}

void Wave::seekPercent(double percent, std::int64_t* pcmPosition) {
    std::int64_t position = 0;
    if (input_ != nullptr) {
        position = static_cast<std::int64_t>(static_cast<double>(getDataLength()) * percent / 100);
        // Garbage percentages land on the start or the end, never outside.
        if (!(position >= 0))
            position = 0;
        if (position > getDataLength())
            position = getDataLength();
        position &= ~static_cast<std::int64_t>(3);
        std::int64_t sourceOffset = position;
        if (!converter_.passThrough()) {
            std::int64_t frame = position / converter_.outputFrameBytes();
            position = frame * converter_.outputFrameBytes();
            sourceOffset = frame * converter_.inputFrameBytes();
        }
        thread::ObjLockerGuard guard(lock_);
        input_->seek(dataStart_ + sourceOffset);
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
