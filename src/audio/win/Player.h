#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/threads/ITask.h"
#include "foundation/threads/ObjLocker.h"

#include <atomic>
#include <cstdint>

namespace s::sound {
class IEncodedAudio;
}
namespace s::thread::win {
class Thread;
}

namespace s::system::audio::win {

class Device;
class PlayerBuffer;
class PlayerInternal;

// Plays one PCM source on a wave-out device: a worker feeds 4096-byte chunks
// from the read-ahead through the volume step into the device's ring of
// headers until the source ends, then waits up to 2 s for the device to
// drain. The five effect stages exist only as switches and stay off.
class Player : public base::IObject, public thread::IPoolable, public thread::ITask {
public:
    using ProgressCallback = void (*)(const void* chunk, std::uint32_t bytes, double percent,
                                      void* context);

    Player();
    ~Player() override;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    const char16_t* getClassName() const override { return u"s_system_audio_win_Player"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Stops and restores every default.
    void clear() override;
    static void createDependentPools();

    void setDevice(Device* device) { device_ = device; }
    // Stops what plays, then plays source from its current position.
    void play(sound::IEncodedAudio* source, ProgressCallback callback = nullptr,
              void* context = nullptr);
    void pause();
    void resumePlay();
    // Returns within about 4 s at the most, whatever the device does. A
    // feeding loop that has not ended by then (a driver call that does not
    // return) is left to end alone: isPlaying stays true until it has, and
    // the source counts as abandoned.
    void stopPlay();
    void seek(double percent);
    float getVolume() const { return volume_; }
    void setVolume(float volume);
    float volumeGain() const { return volume_ * volume_; }
    bool isPlaying() const { return output_.load() != nullptr; }
    // True when no feeding loop runs on the player's worker.
    bool feedingEnded() const;
    // The bytes given to the device since the last play; 0 when nothing
    // could be played.
    std::uint64_t bytesQueued() const { return bytesQueued_; }
    // True when the last play ended because the device stopped completing
    // buffers for 2 s and went on doing so after being opened again three
    // times: playing it again would only hang the same way.
    bool stalled() const { return stalled_; }
    // Why the last play gave no sound, or ended before its source did.
    enum Failure : std::int32_t { kNoFailure, kNoDevice, kUndecodable, kStalled };
    Failure failure() const { return failure_; }
    // True when the last stop found the source inside a read that did not
    // return (a stalled file or pipe), or the feeding loop inside a driver
    // call: its reader was left to finish alone and still uses the source,
    // which the caller must then neither release nor reuse.
    bool sourceAbandoned() const { return sourceAbandoned_; }
    // Pauses the device underneath the player, which goes on feeding it:
    // what a device that stops taking buffers looks like. The player opens
    // the device again after 2 s. With devices > 1, that many devices in a
    // row are held: the current one and those opened again after it. For
    // tests.
    void holdDeviceForTesting(int devices = 1);

    void setEqualizerExEnabled(bool on) { stages_[0] = on; }
    bool isEqualizerExEnabled() const { return stages_[0]; }
    void setEqualizerEnabled(bool on) { stages_[1] = on; }
    bool isEqualizerEnabled() const { return stages_[1]; }
    void setStereoEnhancerEnabled(bool on) { stages_[2] = on; }
    bool isStereoEnhancerEnabled() const { return stages_[2]; }
    void setVocalInstrumentEnabled(bool on) { stages_[3] = on; }
    bool isVocalInstrumentEnabled() const { return stages_[3]; }
    void setPreset(std::int32_t index) { presetIndex_ = index; }
    void setOctaveLevel(float level) { octaveLevel_ = level; }

    // The feeding loop, on the player's worker.
    void run() override;

private:
    // Who ends the play: the feeding loop by itself, or (kFeedOrphaned) a
    // stop that gave up waiting for it and left the closing to the loop.
    enum Feed : int { kFeedRunning, kFeedEnded, kFeedOrphaned };
    struct StallWatch {
        std::uint64_t completions;
        std::uint64_t since; // tick of the last completion seen
    };
    // Reads, scales and queues one chunk; false when no bytes came.
    bool produceChunk();
    void dropOutput();
    // True when output, though not paused, has completed nothing for 2 s.
    bool deviceStalled(PlayerInternal* output, StallWatch& watch) const;
    // Closes output and opens the device again with what it had not played
    // queued anew; false when the tries are used up or the device will not
    // open.
    bool recover(PlayerInternal*& output, StallWatch& watch);
    // Closes an output and gives it back, or leaves it to finish alone.
    static void retire(PlayerInternal* output);

    thread::ObjLocker lock_;
    thread::win::Thread* worker_;
    std::atomic<bool> active_{false};
    std::atomic<bool> stopRequest_{true};
    std::atomic<PlayerInternal*> output_{nullptr};
    PlayerBuffer* readAhead_ = nullptr;
    Device* device_ = nullptr;
    bool stages_[4] = {};
    std::atomic<bool> paused_{false};
    std::atomic<bool> endOfSource_{false};
    std::atomic<bool> stalled_{false};
    std::atomic<Failure> failure_{kNoFailure};
    std::atomic<bool> sourceAbandoned_{false};
    std::atomic<float> volume_{1.0f};
    std::int32_t presetIndex_ = -1;
    float octaveLevel_ = 0;
    sound::IEncodedAudio* source_ = nullptr;
    std::int32_t bitsPerSample_ = 16;
    std::int32_t deviceId_ = 0;
    bool stereo_ = true;
    std::uint32_t rate_ = 44100;
    int reopens_ = 0;
    std::atomic<int> holdsLeft_{0};
    std::atomic<Feed> feed_{kFeedEnded};
    std::uint64_t bytesPlayed_ = 0;
    std::atomic<std::uint64_t> bytesQueued_{0};
    ProgressCallback callback_ = nullptr;
    void* context_ = nullptr;
};

} // namespace s::system::audio::win
