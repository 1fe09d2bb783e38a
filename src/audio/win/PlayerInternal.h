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
// commands that may hang (pause, restart, reset, close) run on a worker of
// their own; a command that overruns its time limit is left to finish on
// that worker, and the object stays busy until it has (see close).
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
    // Frees every slot; the device must have been closed (close() true).
    void clear() override;
    static void createDependentPools();

    // Opens the device for PCM, on the worker with a 10 s limit; nothing
    // happens when it is open already. False also when the open has not
    // returned in time; finished() is then false.
    bool open(std::int32_t deviceId, bool stereo, std::uint32_t rate, std::uint32_t bits);
    // Resets and closes the device, with 1.5 s limits each. False when a
    // command is still running on the worker (a device that hangs): the
    // object must then not be given back until finished() is true, and a
    // later close() completes what was left.
    bool close();
    bool finished() const;
    // How many headers the device has completed since it was opened.
    std::uint64_t completions() const { return completions_.load(); }
    // Copies of the chunks written and not yet completed, oldest first, with
    // their lengths: what a device that has stopped has not played.
    int pendingChunks(std::uint8_t (*chunks)[kSlotBytes], std::uint32_t* lengths) const;
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
    enum Command : int { kNone = 0, kClose = 1, kPause = 4, kRestart = 5, kReset = 6, kOpen = 8 };
    struct Slot {
        std::atomic<bool> free{true};
        WAVEHDR header{};
        char data[kSlotBytes];
    };

    static void CALLBACK completion(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR header,
                                    DWORD_PTR);
    // Runs command on the worker and waits at most limitMs for it; false
    // when it is still running then (or an earlier one still is).
    bool runCommand(Command command, std::uint32_t limitMs);
    void freeSlots();

    WaveOut handle_;
    int completed_ = 0; // next slot to complete
    int written_ = kSlots - 1;
    int next_ = 0;
    Slot slots_[kSlots];
    thread::win::Thread* worker_;
    std::atomic<Command> command_{kNone};
    std::atomic<std::uint64_t> completions_{0};
    // What kOpen opens.
    std::int32_t openDevice_ = 0;
    WAVEFORMATEX openFormat_{};
};

} // namespace s::system::audio::win
