#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/threads/ITask.h"
#include "foundation/threads/ObjLocker.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace s::sound {
class IEncodedAudio;
}
namespace s::thread::win {
class Thread;
}

namespace s::system::audio::win {

// Decodes ahead of playback into three 256 KiB buffers on a worker of its
// own, so that a slow decoder or disk does not starve the device.
class PlayerBuffer : public base::IObject, public thread::IPoolable, public thread::ITask {
public:
    static constexpr std::uint32_t kBufferBytes = 0x40000;
    static constexpr int kBuffers = 3;

    PlayerBuffer();
    ~PlayerBuffer() override;
    PlayerBuffer(const PlayerBuffer&) = delete;
    PlayerBuffer& operator=(const PlayerBuffer&) = delete;

    const char16_t* getClassName() const override { return u"s_system_audio_win_PlayerBuffer"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Stops the read-ahead and empties the buffers.
    void clear() override;
    static void createDependentPools();

    // Starts reading ahead from source.
    void start(sound::IEncodedAudio* source);
    // Up to n (at most 4096) bytes of PCM in the order decoded: false at the
    // end of the source, true with 0 bytes while the read-ahead lags.
    bool readChunk(void* out, std::uint32_t n, std::uint32_t* count);
    // Throws away what is read ahead (for a seek); the loop refills.
    void requestFlush() { flushRequest_ = true; }
    // Asks the read-ahead to stop and waits up to ms for it; false when it is
    // still inside a read of the source (a stalled file or pipe). Such a
    // buffer must not be released or reused: its worker still writes to it
    // and still reads the source, and ends by itself when the read returns.
    bool stopWithin(std::uint32_t ms);
    // True once the worker has left the read-ahead loop.
    bool finished() const;
    thread::ObjLocker& lock() { return lock_; }

    void run() override;

private:
    struct Buffer {
        std::uint32_t length = 0;
        std::uint32_t readPosition = 0;
        std::unique_ptr<std::uint8_t[]> data;
    };
    void emptyAll();
    void stopWorker();

    thread::ObjLocker lock_;
    thread::win::Thread* worker_;
    std::atomic<bool> running_{false};
    std::atomic<bool> stopRequest_{false};
    std::atomic<bool> endOfSource_{false};
    std::atomic<bool> flushRequest_{false};
    sound::IEncodedAudio* source_ = nullptr;
    Buffer buffers_[kBuffers];
    // Which buffer fills next and which is read; the full lengths are the
    // hand-over between the two threads.
    std::atomic<int> fillIndex_{0};
    std::atomic<int> readIndex_{0};
    std::atomic<std::uint32_t> filled_[kBuffers] = {};
};

} // namespace s::system::audio::win
