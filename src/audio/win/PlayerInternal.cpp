#include "audio/win/PlayerInternal.h"

#include "audio/win/PcmFormat.h"

#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/threads/win/Thread.h"

#include <cstring>

namespace s::system::audio::win {

namespace {
constexpr std::int32_t kHighestPriority = 2;
constexpr std::uint32_t kOpenLimitMs = 10000;
}

PlayerInternal::PlayerInternal() : worker_(thread::take<thread::win::Thread>()) {
    worker_->setPriority(kHighestPriority);
    for (Slot& slot : slots_) {
        slot.header.lpData = slot.data;
        slot.header.dwUser = reinterpret_cast<DWORD_PTR>(this);
    }
}

PlayerInternal::~PlayerInternal() {
    clear();
    worker_->release();
}

base::IObject* PlayerInternal::newInstance() const {
    return thread::take<PlayerInternal>();
}

void PlayerInternal::release() {
    thread::giveBack(this);
}

void PlayerInternal::createDependentPools() {
    thread::poolOf<thread::win::Thread>();
}

bool PlayerInternal::open(std::int32_t deviceId, bool stereo, std::uint32_t rate,
                          std::uint32_t bits) {
    if (handle_)
        return true;
    if (!finished())
        return false;
    openDevice_ = deviceId;
    openFormat_ = pcmFormat(stereo, rate, bits);
    // A driver that hangs in its open would otherwise hang the caller, the
    // timer's worker, with it. The first open of a process loads the driver,
    // which on a busy machine takes seconds: the limit is generous.
    return runCommand(kOpen, kOpenLimitMs) && handle_.valid();
}

int PlayerInternal::pendingChunks(std::uint8_t (*chunks)[kSlotBytes],
                                  std::uint32_t* lengths) const {
    int count = 0;
    for (int i = 0, slot = completed_; i < kSlots; ++i, slot = (slot + 1) % kSlots) {
        const Slot& pending = slots_[slot];
        if (pending.free.load())
            continue;
        std::uint32_t length = pending.header.dwBufferLength;
        std::memcpy(chunks[count], pending.data, length);
        lengths[count++] = length;
    }
    return count;
}

bool PlayerInternal::allSlotsFree() const {
    for (const Slot& slot : slots_)
        if (!slot.free.load())
            return false;
    return true;
}

void PlayerInternal::write(const void* pcm, std::uint32_t n) {
    if (n > kSlotBytes)
        n = kSlotBytes;
    Slot& slot = slots_[next_];
    slot.free = false;
    written_ = (written_ + 1) % kSlots;
    next_ = (written_ + 1) % kSlots;
    // A device that could not be opened drops the sound; the slot then
    // never completes and the feeding loop waits until it is stopped.
    if (!handle_)
        return;
    if ((slot.header.dwFlags & WHDR_DONE) != 0 || (slot.header.dwFlags & WHDR_PREPARED) != 0)
        waveOutUnprepareHeader(handle_.get(), &slot.header, sizeof slot.header);
    slot.header.dwFlags = 0;
    std::memcpy(slot.data, pcm, n);
    slot.header.dwBufferLength = n;
    waveOutPrepareHeader(handle_.get(), &slot.header, sizeof slot.header);
    waveOutWrite(handle_.get(), &slot.header, sizeof slot.header);
}

void CALLBACK PlayerInternal::completion(HWAVEOUT, UINT message, DWORD_PTR instance,
                                         DWORD_PTR header, DWORD_PTR) {
    if (message != WOM_DONE || header == 0)
        return;
    auto* done = reinterpret_cast<WAVEHDR*>(header);
    auto* output = reinterpret_cast<PlayerInternal*>(instance);
    if ((done->dwFlags & WHDR_DONE) == 0 || output == nullptr ||
        done->dwUser != reinterpret_cast<DWORD_PTR>(output))
        return;
    // Headers complete in the order written.
    Slot& slot = output->slots_[output->completed_];
    output->completed_ = (output->completed_ + 1) % kSlots;
    slot.free = true;
    output->completions_.fetch_add(1);
}

void PlayerInternal::run() {
    switch (command_.load()) {
    case kOpen: {
        HWAVEOUT handle = nullptr;
        if (waveOutOpen(&handle, static_cast<UINT>(openDevice_), &openFormat_,
                        reinterpret_cast<DWORD_PTR>(&completion), reinterpret_cast<DWORD_PTR>(this),
                        CALLBACK_FUNCTION) == MMSYSERR_NOERROR) {
            completions_ = 0;
            handle_.reset(handle);
        }
        break;
    }
    case kPause:
        waveOutPause(handle_.get());
        break;
    case kRestart:
        waveOutRestart(handle_.get());
        break;
    case kReset:
        waveOutReset(handle_.get());
        break;
    case kClose:
        for (Slot& slot : slots_)
            if ((slot.header.dwFlags & WHDR_PREPARED) != 0)
                waveOutUnprepareHeader(handle_.get(), &slot.header, sizeof slot.header);
        handle_.reset();
        break;
    default:
        break;
    }
    command_ = kNone;
}

bool PlayerInternal::drain(std::uint32_t limitMs, const std::atomic<bool>& stop) const {
    for (std::uint32_t waited = 0; !allSlotsFree(); waited += 100) {
        if (waited >= limitMs || stop)
            return false;
        platform::sleepMillis(100);
    }
    return true;
}

void PlayerInternal::pauseDevice() {
    if (handle_)
        runCommand(kPause, 1500);
}

void PlayerInternal::restartDevice() {
    if (handle_)
        runCommand(kRestart, 1500);
}

bool PlayerInternal::finished() const {
    return command_.load() == kNone;
}

bool PlayerInternal::runCommand(Command command, std::uint32_t limitMs) {
    // A command left running past its limit still owns the device.
    if (!finished())
        return false;
    command_ = command;
    worker_->start(this);
    // Polled rather than waited for with a limit: a command that overruns is
    // left to return by itself instead of being ended with its thread, which
    // could leave the driver's or the heap's locks held for ever.
    const std::int64_t deadline = platform::processClockMillis() + limitMs;
    while (!finished()) {
        if (platform::processClockMillis() >= deadline)
            return false;
        platform::sleepMillis(5);
    }
    return true;
}

void PlayerInternal::freeSlots() {
    for (Slot& slot : slots_) {
        slot.free = true;
        slot.header.dwFlags = 0;
        slot.header.dwBufferLength = 0;
    }
    completed_ = 0;
    written_ = kSlots - 1;
    next_ = 0;
}

bool PlayerInternal::close() {
    if (!finished())
        return false;
    if (handle_) {
        // The reset hands every queued buffer back at once, also on a device
        // that has stopped completing them; the player has already let the
        // sound play out when it ended by itself.
        if (!runCommand(kReset, 1500) || !runCommand(kClose, 1500))
            return false;
    }
    freeSlots();
    return true;
}

void PlayerInternal::clear() {
    // Whoever gives the object back has closed it; a command still running
    // here would be one nobody waited for, and is waited for now.
    while (!finished())
        platform::sleepMillis(5);
    close();
}

} // namespace s::system::audio::win
