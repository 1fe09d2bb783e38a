#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/threads/ITask.h"
#include "localization/IEventListener.h"
#include "timer/StatusEvents.h"

#include <atomic>

namespace s::thread::win {
class Thread;
}
namespace s::gui {
class IWindow;
}

namespace s::sound::gui::dialogs::plinkett {

// Tells the timer window once per wall-clock second to refresh the Clock
// View, on a worker of its own for the whole life of the window.
class ClockThread : public s::gui::events::IEventListener,
                    public s::base::IObject,
                    public s::thread::IPoolable,
                    public s::thread::ITask {
public:
    ClockThread();
    ~ClockThread() override;
    ClockThread(const ClockThread&) = delete;
    ClockThread& operator=(const ClockThread&) = delete;

    const char16_t* getClassName() const override {
        return u"s_sound_gui_dialogs_plinkett_ClockThread";
    }
    s::base::IObject* newInstance() const override;
    void release() override;
    static void createDependentPools();

    void handleEvent(void*, int) override {}

    // Starts ticking into owner's requests.
    void start(s::gui::IWindow* owner);
    // The tick loop: one "ProcessUpdateClock" per new second, checked every 50 ms.
    void run() override;
    // Stops the loop (ending the worker by force after 5 s) and forgets the owner.
    void clear() override;

    bool isTicking() const;
    // Asks the loop to end at its next pass, without waiting for it.
    void requestStop() { stopRequested_ = true; }

private:
    s::gui::IWindow* owner_ = nullptr;
    s::thread::win::Thread* worker_;
    std::atomic<bool> stopRequested_{false};
};

} // namespace s::sound::gui::dialogs::plinkett
