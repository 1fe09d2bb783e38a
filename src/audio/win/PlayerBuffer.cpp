#include "audio/win/PlayerBuffer.h"

#include "audio/IEncodedAudio.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/threads/win/Thread.h"

#include <cstring>

namespace s::system::audio::win {

namespace {
constexpr std::int32_t kHighestPriority = 2;
}

PlayerBuffer::PlayerBuffer() : worker_(thread::take<thread::win::Thread>()) {
    worker_->setPriority(kHighestPriority);
    for (Buffer& buffer : buffers_)
        buffer.data.reset(new std::uint8_t[kBufferBytes]);
}

PlayerBuffer::~PlayerBuffer() {
    clear();
    worker_->release();
}

base::IObject* PlayerBuffer::newInstance() const {
    return thread::take<PlayerBuffer>();
}

void PlayerBuffer::release() {
    thread::giveBack(this);
}

void PlayerBuffer::createDependentPools() {
    thread::poolOf<thread::win::Thread>();
}

void PlayerBuffer::emptyAll() {
    for (int i = 0; i < kBuffers; ++i) {
        buffers_[i].length = 0;
        buffers_[i].readPosition = 0;
        filled_[i] = 0;
    }
    fillIndex_ = 0;
    readIndex_ = 0;
}

bool PlayerBuffer::finished() const {
    return worker_->isIdle();
}

void PlayerBuffer::stopWorker() {
    if (worker_->isIdle())
        return;
    stopRequest_ = true;
    flushRequest_ = true;
    // No limit, and no forced end: a buffer whose reader may be stuck in a
    // source read is never started again or given back (see stopWithin and
    // leftovers), so this wait only spans the loop's next 10 ms step.
    while (!worker_->isIdle())
        platform::sleepMillis(5);
}

bool PlayerBuffer::stopWithin(std::uint32_t ms) {
    stopRequest_ = true;
    flushRequest_ = true;
    for (std::uint32_t waited = 0; !worker_->isIdle(); waited += 5) {
        if (waited >= ms)
            return false;
        platform::sleepMillis(5);
    }
    return true;
}

void PlayerBuffer::clear() {
    stopWorker();
    source_ = nullptr;
    stopRequest_ = false;
    flushRequest_ = false;
    endOfSource_ = false;
    running_ = false;
    emptyAll();
}

void PlayerBuffer::start(sound::IEncodedAudio* source) {
    stopWorker();
    source_ = source;
    stopRequest_ = false;
    flushRequest_ = false;
    endOfSource_ = false;
    emptyAll();
    running_ = true;
    worker_->start(this);
}

void PlayerBuffer::run() {
    while (!stopRequest_) {
        if (flushRequest_) {
            thread::ObjLockerGuard guard(lock_);
            emptyAll();
            endOfSource_ = false;
            flushRequest_ = false;
            continue;
        }
        if (endOfSource_) {
            platform::sleepMillis(10);
            continue;
        }
        int index = fillIndex_;
        if (filled_[index] != 0) {
            platform::sleepMillis(10);
            continue;
        }
        Buffer& buffer = buffers_[index];
        std::uint32_t length = 0;
        bool ended = false;
        while (length < kBufferBytes && !flushRequest_ && !stopRequest_) {
            std::uint32_t count = 0;
            bool more;
            {
                thread::ObjLockerGuard guard(lock_);
                more = source_->readPcm(buffer.data.get() + length, kBufferBytes - length, &count);
            }
            length += count;
            if (!more) {
                ended = true;
                break;
            }
        }
        if (flushRequest_)
            continue;
        buffer.length = length;
        buffer.readPosition = 0;
        if (length != 0) {
            filled_[index] = length;
            fillIndex_ = (index + 1) % kBuffers;
        }
        // Only after the last buffer is published: a reader that sees the end
        // must also see what came before it.
        if (ended)
            endOfSource_ = true;
    }
    running_ = false;
}

bool PlayerBuffer::readChunk(void* out, std::uint32_t n, std::uint32_t* count) {
    *count = 0;
    if (flushRequest_)
        return true;
    int index = readIndex_;
    if (filled_[index] == 0)
        return !endOfSource_;
    Buffer& buffer = buffers_[index];
    std::uint32_t left = buffer.length - buffer.readPosition;
    std::uint32_t given = n < left ? n : left;
    std::memcpy(out, buffer.data.get() + buffer.readPosition, given);
    buffer.readPosition += given;
    *count = given;
    if (buffer.readPosition >= buffer.length) {
        buffer.length = 0;
        buffer.readPosition = 0;
        filled_[index] = 0;
        readIndex_ = (index + 1) % kBuffers;
    }
    return true;
}

} // namespace s::system::audio::win
