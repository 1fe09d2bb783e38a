#pragma once

#include "audio/win/AudioHandles.h"
#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/threads/ITask.h"

#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <cstdint>

namespace s::thread::win {
class Thread;
}

namespace s::system::audio::win {

// One open wave-out device with a ring of twelve 4096-byte headers. Device
// commands that may hang (reset, close, the drain wait) run on a worker of
// their own and are abandoned after their time limit.
class PlayerInternal : public base::IObject, public thread::IPoolable, public thread::ITask {
public:
    static constexpr int kSlots = 12;
    static constexpr std::uint32_t kSlotBytes = 4096;

    PlayerInternal();
    ~PlayerInternal() override;
    PlayerInternal(const PlayerInternal&) = delete;
    PlayerInternal& operator=(const PlayerInternal&) = delete;

    const char16_t* getClassName() const override { return u"s_system_audio_win_PlayerInternal"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Closes the device (waiting at most 1 s for queued sound, then resetting
    // and closing with 1.5 s limits each) and frees every slot.
    void clear() override;
    static void createDependentPools();

    // Opens the device for PCM; nothing happens when it is open already.
    bool open(std::int32_t deviceId, bool stereo, std::uint32_t rate, std::uint32_t bits);
    bool isOpen() const { return handle_.valid(); }
    // Whether the next slot may be written.
    bool nextSlotFree() const { return slots_[next_].free.load(); }
    bool allSlotsFree() const;
    // Queues up to 4096 bytes on the next slot.
    void write(const void* pcm, std::uint32_t n);
    // Waits, polling every 100 ms, until every slot is free, at most limitMs
    // and not past a stop; true when the device took everything.
    bool drain(std::uint32_t limitMs, const std::atomic<bool>& stop) const;
    // Holds and resumes the device itself: a paused device completes nothing.
    void pauseDevice();
    void restartDevice();

    // The device commands' task on the worker.
    void run() override;

private:
    enum Command : int { kNone = 0, kClose = 1, kPause = 4, kRestart = 5, kReset = 6 };
    struct Slot {
        std::atomic<bool> free{true};
        WAVEHDR header{};
        char data[kSlotBytes];
    };

    static void CALLBACK completion(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR header,
                                    DWORD_PTR);
    // Runs command on the worker and waits at most limitMs for it.
    void runCommand(Command command, std::uint32_t limitMs);
    void freeSlots();

    WaveOut handle_;
    int completed_ = 0; // next slot to complete
    int written_ = kSlots - 1;
    int next_ = 0;
    Slot slots_[kSlots];
    thread::win::Thread* worker_;
    Command command_ = kNone;
};

} // namespace s::system::audio::win
