#include "audio/win/Player.h"

#include "audio/IEncodedAudio.h"
#include "audio/Volume.h"
#include "audio/win/Device.h"
#include "audio/win/Leftovers.h"
#include "audio/win/PlayerBuffer.h"
#include "audio/win/PlayerInternal.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/threads/win/Thread.h"

namespace s::system::audio::win {

namespace {
constexpr std::int32_t kHighestPriority = 2;
constexpr std::uint32_t kChunkBytes = 4096;
constexpr std::uint32_t kDrainMs = 2000;
constexpr std::uint32_t kStopWaitMs = 4000;
// A device that completes no buffer for this long while the player is not
// paused has stopped taking sound: it is closed and opened again, and the
// sound it held is queued anew, at most this many times in one play; after
// that the play ends as a failure.
constexpr std::uint64_t kStallMs = 2000;
constexpr int kReopenTries = 3;
constexpr std::uint32_t kReopenPauseMs = 200;
// How long a stop waits for the read-ahead to leave a read of the source.
constexpr std::uint32_t kReaderStopMs = 80;
// A device still held by a play that was just stopped, or still closing
// in its driver, is usually free again within a moment (longer on a busy
// machine): a new play waits this long for it before it counts as missing.
constexpr std::uint32_t kBusyDeviceWaitMs = 1500;
constexpr std::uint32_t kBusyDeviceStepMs = 50;
} // namespace

Player::Player() : worker_(thread::take<thread::win::Thread>()) {
    worker_->setPriority(kHighestPriority);
}

Player::~Player() {
    clear();
    worker_->release();
}

base::IObject* Player::newInstance() const {
    return thread::take<Player>();
}

bool Player::feedingEnded() const {
    return worker_->isIdle();
}

void Player::release() {
    // A feeding loop left to end alone still uses the player; it goes back
    // to its pool once the loop has ended.
    if (!worker_->isIdle()) {
        leftovers::keep(this);
        return;
    }
    thread::giveBack(this);
}

void Player::createDependentPools() {
    thread::poolOf<thread::win::Thread>();
    thread::poolOf<PlayerBuffer>();
    thread::poolOf<PlayerInternal>();
}

void Player::clear() {
    stopPlay();
    stopRequest_ = true;
    device_ = nullptr;
    for (bool& stage : stages_)
        stage = false;
    volume_ = 1.0f;
    presetIndex_ = -1;
    octaveLevel_ = 0;
    source_ = nullptr;
    bitsPerSample_ = 16;
    bytesPlayed_ = 0;
    bytesQueued_ = 0;
    failure_ = kNoFailure;
    holdsLeft_ = 0;
    callback_ = nullptr;
    context_ = nullptr;
}

void Player::setVolume(float volume) { volume_ = volume; }

void Player::pause() {
    if (isPlaying())
        paused_ = true;
}

void Player::resumePlay() {
    if (isPlaying())
        paused_ = false;
}

void Player::play(sound::IEncodedAudio* source, ProgressCallback callback, void* context) {
    stopPlay();
    if (device_ == nullptr) {
        // No output device: nothing plays and nothing waits for it.
        log::write("player: no output device, nothing played");
        return;
    }
    if (source == nullptr)
        return;
    for (std::uint32_t waited = 0; isPlaying() && waited < kBusyDeviceWaitMs;
         waited += kBusyDeviceStepMs)
        platform::sleepMillis(kBusyDeviceStepMs);
    if (isPlaying()) {
        // The last play was left to end alone and still holds the device.
        log::write("player: the output device is still held by the last play, nothing played");
        failure_ = kNoDevice;
        return;
    }
    leftovers::sweep();
    callback_ = callback;
    context_ = context;
    source_ = source;
    bitsPerSample_ = static_cast<std::int32_t>(source->getBitsPerSample());
    bytesPlayed_ = 0;
    bytesQueued_ = 0;
    readAhead_ = thread::take<PlayerBuffer>();
    readAhead_->start(source);
    paused_ = false;
    endOfSource_ = false;
    stalled_ = false;
    failure_ = kNoFailure;
    sourceAbandoned_ = false;
    stopRequest_ = false;
    active_ = true;
    feed_ = kFeedRunning;
    deviceId_ = device_->getId();
    stereo_ = source->isStereo();
    rate_ = source->getSampleRate();
    reopens_ = 0;
    thread::Pooled<PlayerInternal> output(thread::take<PlayerInternal>());
    bool opened = output->open(deviceId_, stereo_, rate_, static_cast<std::uint32_t>(bitsPerSample_));
    for (std::uint32_t waited = 0; !opened && output->finished() && waited < kBusyDeviceWaitMs;
         waited += kBusyDeviceStepMs) {
        platform::sleepMillis(kBusyDeviceStepMs);
        opened = output->open(deviceId_, stereo_, rate_, static_cast<std::uint32_t>(bitsPerSample_));
    }
    if (!opened) {
        // A device that is gone, busy, or refuses the format would never
        // complete a chunk: nothing plays, and nothing waits for it.
        log::write("player: the output device could not be opened, nothing played");
        failure_ = kNoDevice;
        retire(output.detach());
        readAhead_->release();
        readAhead_ = nullptr;
        active_ = false;
        stopRequest_ = true;
        return;
    }
    output_ = output.detach();
    worker_->start(this);
}

bool Player::produceChunk() {
    std::uint8_t chunk[kChunkBytes];
    std::uint32_t count = 0;
    if (!readAhead_->readChunk(chunk, kChunkBytes, &count))
        endOfSource_ = true;
    if (count == 0)
        return false;
    float gain = volumeGain();
    if (bitsPerSample_ == 16)
        applyGain16(reinterpret_cast<std::int16_t*>(chunk), count / 2, gain);
    else if (bitsPerSample_ == 8)
        applyGain8(chunk, count, gain);
    output_.load()->write(chunk, count);
    bytesPlayed_ += count;
    bytesQueued_ += count;
    if (callback_ != nullptr) {
        std::int64_t total = source_->getDataLength();
        double percent = total > 0 ? static_cast<double>(bytesPlayed_) * 100.0 / total : 0.0;
        callback_(chunk, count, percent, context_);
    }
    return true;
}

bool Player::deviceStalled(PlayerInternal* output, StallWatch& watch) const {
    std::uint64_t now = GetTickCount64();
    std::uint64_t completions = output->completions();
    if (paused_ || completions != watch.completions || output->allSlotsFree()) {
        watch.completions = completions;
        watch.since = now;
        return false;
    }
    return now - watch.since >= kStallMs;
}

bool Player::recover(PlayerInternal*& output, StallWatch& watch) {
    if (reopens_ >= kReopenTries)
        return false;
    ++reopens_;
    log::write("player: the output device stopped taking sound, opening it again");
    // What the device was given and has not played, to be queued again.
    static thread_local std::uint8_t chunks[PlayerInternal::kSlots][PlayerInternal::kSlotBytes];
    std::uint32_t lengths[PlayerInternal::kSlots];
    int pending = output->pendingChunks(chunks, lengths);
    PlayerInternal* fresh = thread::take<PlayerInternal>();
    PlayerInternal* old = output;
    output_ = fresh;
    output = fresh;
    retire(old);
    watch = StallWatch{0, GetTickCount64()};
    for (int attempt = 0; !stopRequest_; ++attempt) {
        if (fresh->open(deviceId_, stereo_, rate_, static_cast<std::uint32_t>(bitsPerSample_))) {
            for (int i = 0; i < pending; ++i)
                fresh->write(chunks[i], lengths[i]);
            if (holdsLeft_ > 0) {
                --holdsLeft_;
                fresh->pauseDevice();
            }
            return true;
        }
        // An open that did not return keeps the object busy: no more tries.
        if (attempt + 1 >= kReopenTries || !fresh->finished())
            break;
        platform::sleepMillis(kReopenPauseMs);
    }
    return false;
}

void Player::retire(PlayerInternal* output) {
    if (output->close()) {
        output->release();
    } else {
        log::write("player: the output device did not close in time, it was left to finish alone");
        leftovers::keep(output);
    }
}

void Player::run() {
    PlayerInternal* output = output_;
    StallWatch watch{output->completions(), GetTickCount64()};
    bool failed = false;
    while (!stopRequest_ && !endOfSource_) {
        if (paused_) {
            deviceStalled(output, watch);
            platform::sleepMillis(10);
            continue;
        }
        if (!output->nextSlotFree()) {
            if (deviceStalled(output, watch) && !recover(output, watch)) {
                failed = true;
                break;
            }
            platform::sleepMillis(10);
            continue;
        }
        bool produced;
        {
            thread::ObjLockerGuard guard(lock_);
            produced = produceChunk();
        }
        if (!produced)
            platform::sleepMillis(10);
    }
    // Let what is queued play out, at most 2 s once the device has stopped
    // completing headers; a device that stops here is opened again too, so
    // that the end of the sound is not lost.
    while (!stopRequest_ && !failed && !output->drain(kDrainMs, stopRequest_)) {
        if (!stopRequest_ && deviceStalled(output, watch) && !recover(output, watch))
            failed = true;
    }
    if (failed && !stopRequest_) {
        log::write("player: the output device stopped taking sound, play ended");
        stalled_ = true;
        failure_ = kStalled;
    }
    // The source ended without a byte of sound: nothing in it could be read.
    if (!stopRequest_ && !failed && bytesQueued_ == 0)
        failure_ = kUndecodable;
    active_ = false;
    paused_ = false;
    if (!stopRequest_)
        dropOutput();
    // A stop that gave up waiting for this loop left the closing to it.
    else if (feed_.exchange(kFeedEnded) == kFeedOrphaned)
        dropOutput();
}

void Player::dropOutput() {
    if (readAhead_ != nullptr) {
        if (readAhead_->stopWithin(kReaderStopMs)) {
            readAhead_->release();
        } else {
            // Ending the reader by force could leave the source's or the
            // heap's lock held for ever; it is left to return by itself
            // instead, and given back once it has. The source stays in its
            // hands until then.
            log::write("player: the sound source did not answer, its reader was left to end alone");
            sourceAbandoned_ = true;
            leftovers::keep(readAhead_);
        }
        readAhead_ = nullptr;
    }
    // Playing until the device is closed: whoever polls isPlaying sees the
    // end only when the last sound has left the device.
    if (PlayerInternal* output = output_.load()) {
        retire(output);
        output_ = nullptr;
    }
}

void Player::stopPlay() {
    if (!isPlaying())
        return;
    // Still playing after a stop that gave up on the loop: it is ending.
    if (feed_.load() == kFeedOrphaned)
        return;
    stopRequest_ = true;
    paused_ = true;
    // Every wait of the feeding loop is bounded and watches stopRequest: the
    // device commands (open, reset, close) run with limits on the output's
    // worker and are left to finish there, so the loop ends within about
    // 3 s. Only a call it makes itself (preparing or writing a header, the
    // progress callback) can hold it longer; it is then left to end alone
    // and closes the device itself, rather than being ended by force.
    const std::int64_t deadline = platform::processClockMillis() + kStopWaitMs;
    while (!worker_->isIdle()) {
        if (platform::processClockMillis() >= deadline &&
            feed_.exchange(kFeedOrphaned) == kFeedRunning) {
            log::write("player: the output device did not answer, the play was left to end alone");
            // Its reader may still read the source.
            sourceAbandoned_ = true;
            return;
        }
        platform::sleepMillis(10);
    }
    active_ = false;
    paused_ = false;
    endOfSource_ = false;
    dropOutput();
}

void Player::holdDeviceForTesting(int devices) {
    holdsLeft_ = devices - 1;
    if (PlayerInternal* output = output_.load())
        output->pauseDevice();
}

void Player::seek(double percent) {
    if (!isPlaying() || readAhead_ == nullptr)
        return;
    thread::ObjLockerGuard player(lock_);
    thread::ObjLockerGuard buffer(readAhead_->lock());
    readAhead_->requestFlush();
    bool wasPaused = paused_;
    paused_ = true;
    std::int64_t position = 0;
    source_->seekPercent(percent, &position);
    bytesPlayed_ = static_cast<std::uint64_t>(position);
    if (!wasPaused)
        paused_ = false;
}

} // namespace s::system::audio::win
