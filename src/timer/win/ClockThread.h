#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/system/win/Handles.h"
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
    // The tick loop: one "ProcessUpdateClock" per new second; between two
    // it sleeps until the next second begins.
    void run() override;
    // Stops the loop (ending the worker by force after 5 s) and forgets the owner.
    void clear() override;

    bool isTicking() const;
    // Whether the ticks are wanted: while the clock is not shown the thread
    // still wakes at each second but sends nothing, so that a count-down in
    // the Timer View costs one request a second, not two. Wanted by default.
    void setShown(bool shown) { shown_ = shown; }
    // Wakes the loop and asks it to end, without waiting for it.
    void requestStop();

private:
    s::gui::IWindow* owner_ = nullptr;
    s::thread::win::Thread* worker_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> shown_{true};
    // Set to end the loop's sleep early.
    s::system::win::Handle wake_;
};

} // namespace s::sound::gui::dialogs::plinkett
