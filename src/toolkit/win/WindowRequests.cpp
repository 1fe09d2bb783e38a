// What other threads hand to the window's thread: requests, message boxes,
// children to attach and functions to run. Each travels as a Call in the
// window's queue, woken by a message; the sender waits for it, or for the
// window to be destroyed. While the window's thread sits in a modal loop (a
// message box, a menu, a drag, a dialog) the loop dispatches the wake-up, so
// calls are answered there too; only a thread that stops pumping while it
// closes is given up on, so a sender never hangs on a window that will not
// answer.

#include "toolkit/win/Window.h"

#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "toolkit/controls/IStatusBar.h"
#include "toolkit/win/MessageBox.h"

#undef MessageBox

namespace s::gui::win {

struct Window::Call {
    enum Kind { kRequest, kInformation, kError, kYesNo, kAttach, kInvoke };

    Kind kind = kRequest;
    const void* value1 = nullptr;
    std::intptr_t value2 = 0, value3 = 0, value4 = 0;
    str::StrBuffer text;
    IComponent* component = nullptr;
    void (*function)(void*) = nullptr;
    void* argument = nullptr;
    std::intptr_t reply = 0;
    std::atomic<bool> done{false};
    // The waiting sender's event; none for a call nobody waits for.
    std::shared_ptr<system::win::Handle> finished;
};

namespace {

// Each sending thread waits on one event of its own, made at its first
// waited call, rather than on a new event per call (making and closing one
// are two round trips to the server under Wine, every second of a
// count-down). The event resets itself when it wakes the sender. A call given
// up on may still set it later, so a sender waits until its own call is
// done, not merely until the event is set. Calls hold the event too: it
// outlives a sender thread that ends before a given-up call finishes.
std::shared_ptr<system::win::Handle> senderEvent() {
    thread_local std::shared_ptr<system::win::Handle> event =
        std::make_shared<system::win::Handle>(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    return event;
}

// Waits until the call is done, the window is aborted or closing (the second
// and third events), or the time is up; returns what ended the wait.
DWORD waitForCall(const std::atomic<bool>& done, const HANDLE* events, DWORD count, DWORD ms) {
    const ULONGLONG start = GetTickCount64();
    DWORD left = ms;
    for (;;) {
        DWORD woken = WaitForMultipleObjects(count, events, FALSE, left);
        if (woken != WAIT_OBJECT_0 || done)
            return woken;
        if (ms != INFINITE) {
            ULONGLONG spent = GetTickCount64() - start;
            left = spent < ms ? static_cast<DWORD>(ms - spent) : 0;
        }
    }
}

} // namespace

// Requests and message boxes are answered while the window closes as at any
// other time: a close listener that asks the user runs a modal loop, which
// takes them. A close listener may instead wait for the very thread that
// sends; such a call, still untaken a short while into the close, gives up.
// Attachments and functions to run give up only when the window is being
// destroyed.
std::intptr_t Window::callOnThread(const std::shared_ptr<Call>& call, bool wait) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr || destroying_)
        return 0;
    if (isWindowThread())
        return runCall(*call);
    bool yieldsToClose = call->kind != Call::kAttach && call->kind != Call::kInvoke;
    if (wait)
        call->finished = senderEvent();
    {
        platform::CriticalSectionGuard guard(callLock_);
        calls_.push_back(call);
    }
    if (!PostMessageW(hwnd, kRequestMessage, 0, 0)) {
        withdraw(call);
        return 0;
    }
    if (!wait)
        return 0;
    HANDLE events[3] = {call->finished->get(), abort_.get(), closingEvent_.get()};
    DWORD woken = waitForCall(call->done, events, yieldsToClose ? 3 : 2, INFINITE);
    if (woken == WAIT_OBJECT_0 + 2) {
        // Closing: a pumping thread takes the call within a moment, and the
        // sender then waits for its answer as usual.
        if (waitForCall(call->done, events, 2, kCloseTakeMs) == WAIT_TIMEOUT && !withdraw(call))
            waitForCall(call->done, events, 2, INFINITE);
    }
    if (call->done)
        return call->reply;
    // Given up: a call not yet taken is withdrawn; one being run keeps the
    // record alive through the window's reference and finishes unheard.
    withdraw(call);
    return call->done ? call->reply : 0;
}

bool Window::withdraw(const std::shared_ptr<Call>& call) {
    platform::CriticalSectionGuard guard(callLock_);
    for (auto it = calls_.begin(); it != calls_.end(); ++it) {
        if (*it == call) {
            calls_.erase(it);
            return true;
        }
    }
    return false;
}

// One wake-up message per queued call; a call withdrawn by its sender leaves
// a wake-up with nothing to take, which does nothing.
void Window::runNextCall() {
    std::shared_ptr<Call> call;
    {
        platform::CriticalSectionGuard guard(callLock_);
        if (calls_.empty())
            return;
        call = calls_.front();
        calls_.pop_front();
    }
    call->reply = runCall(*call);
    call->done = true;
    if (call->finished)
        SetEvent(call->finished->get());
}

std::intptr_t Window::runCall(Call& call) {
    switch (call.kind) {
    case Call::kRequest:
        return deliverRequest(call.value1, call.value2, call.value3, call.value4);
    case Call::kInformation:
        return messageBox(kInformationMessage, call.text.cStr());
    case Call::kError:
        return messageBox(kErrorMessage, call.text.cStr());
    case Call::kYesNo:
        return messageBox(kYesNoMessage, call.text.cStr());
    case Call::kAttach:
        Box::add(call.component);
        return 1;
    case Call::kInvoke:
        call.function(call.argument);
        return 1;
    }
    return 0;
}

// A listener may send a further request from here (it runs at once, on
// this thread); the values of the outer one are restored afterwards.
std::intptr_t Window::deliverRequest(const void* a, std::intptr_t b, std::intptr_t c,
                                     std::intptr_t d) {
    const void* saved1 = requestValue1_;
    std::intptr_t saved2 = requestValue2_, saved3 = requestValue3_, saved4 = requestValue4_;
    std::intptr_t savedReply = requestReply_;
    requestValue1_ = a;
    requestValue2_ = b;
    requestValue3_ = c;
    requestValue4_ = d;
    requestReply_ = 0;
    raise(kRequest);
    std::intptr_t reply = requestReply_;
    requestValue1_ = saved1;
    requestValue2_ = saved2;
    requestValue3_ = saved3;
    requestValue4_ = saved4;
    requestReply_ = savedReply;
    return reply;
}

bool Window::messageBox(UINT message, const char16_t* text) {
    thread::Pooled<MessageBox> box(thread::take<MessageBox>());
    switch (message) {
    case kInformationMessage:
        box->showInformation(text);
        return true;
    case kErrorMessage:
        box->showError(text);
        return true;
    default:
        return box->askYesNo(text);
    }
}

std::intptr_t Window::sendRequest(const void* a, std::intptr_t b, std::intptr_t c,
                                  std::intptr_t d) {
    auto call = std::make_shared<Call>();
    call->value1 = a;
    call->value2 = b;
    call->value3 = c;
    call->value4 = d;
    return callOnThread(call, true);
}

bool Window::postRequest(const void* a, std::intptr_t b, std::intptr_t c, std::intptr_t d) {
    if (hwnd_ == nullptr || destroying_)
        return false;
    auto call = std::make_shared<Call>();
    call->value1 = a;
    call->value2 = b;
    call->value3 = c;
    call->value4 = d;
    if (isWindowThread()) {
        // Still asynchronous: queued behind whatever the thread does now.
        {
            platform::CriticalSectionGuard guard(callLock_);
            calls_.push_back(call);
        }
        return PostMessageW(hwnd_, kRequestMessage, 0, 0) != FALSE;
    }
    callOnThread(call, false);
    return true;
}

void Window::showInformation(const char16_t* text) {
    auto call = std::make_shared<Call>();
    call->kind = Call::kInformation;
    call->text.set(text);
    callOnThread(call, true);
}

void Window::showError(const char16_t* text) {
    auto call = std::make_shared<Call>();
    call->kind = Call::kError;
    call->text.set(text);
    callOnThread(call, true);
}

bool Window::askYesNo(const char16_t* text) {
    auto call = std::make_shared<Call>();
    call->kind = Call::kYesNo;
    call->text.set(text);
    return callOnThread(call, true) != 0;
}

bool Window::invoke(void (*function)(void*), void* argument) {
    auto call = std::make_shared<Call>();
    call->kind = Call::kInvoke;
    call->function = function;
    call->argument = argument;
    return callOnThread(call, true) != 0;
}

// Children get their native windows on the window's thread, which then owns
// them and receives their messages.
void Window::add(IComponent* component) {
    if (component == nullptr)
        return;
    if (dynamic_cast<IStatusBar*>(component) != nullptr) {
        setStatusBar(component);
        return;
    }
    if (hwnd_ == nullptr || isWindowThread()) {
        Box::add(component);
        return;
    }
    auto call = std::make_shared<Call>();
    call->kind = Call::kAttach;
    call->component = component;
    // A window being destroyed takes no more children.
    if (callOnThread(call, true) == 0 && !call->done)
        component->release();
}

// A child's native window can only be destroyed by the thread that made it.
void Window::remove(IComponent* component, bool recursive) {
    if (component != nullptr && component == statusBar_) {
        setStatusBar(nullptr);
        return;
    }
    if (hwnd_ == nullptr || isWindowThread()) {
        Box::remove(component, recursive);
        return;
    }
    struct Removal {
        Window* window;
        IComponent* component;
        bool recursive;
    } removal{this, component, recursive};
    if (!invoke([](void* p) {
            auto* r = static_cast<Removal*>(p);
            r->window->Box::remove(r->component, r->recursive);
        }, &removal))
        Box::remove(component, recursive);
}

void Window::removeAllHere(bool recursive) {
    Box::removeAll(recursive);
    setStatusBar(nullptr);
}

void Window::removeAll(bool recursive) {
    if (hwnd_ == nullptr || isWindowThread()) {
        removeAllHere(recursive);
        return;
    }
    struct Removal {
        Window* window;
        bool recursive;
    } removal{this, recursive};
    if (!invoke([](void* p) {
            auto* r = static_cast<Removal*>(p);
            r->window->removeAllHere(r->recursive);
        }, &removal))
        removeAllHere(recursive);
}

} // namespace s::gui::win
