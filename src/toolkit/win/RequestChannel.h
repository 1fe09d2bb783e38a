#pragma once

#include "foundation/system/win/Handles.h"
#include "localization/IEventListener.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <vector>

namespace s::gui::win {

// A user-interface thread with its own message loop and the window's
// synchronous request: another thread's sendRequest is delivered on the
// channel's thread as event 2 and returns only when every listener has
// handled it. It stands in for the request side of the timer's top-level
// window until that window exists.
class RequestChannel {
public:
    static constexpr UINT kRequestMessage = WM_USER + 1; // 1025
    static constexpr int kRequestEvent = 2;

    RequestChannel();
    ~RequestChannel();
    RequestChannel(const RequestChannel&) = delete;
    RequestChannel& operator=(const RequestChannel&) = delete;

    // Starts the thread and its message loop; false when that failed.
    bool open();
    // Ends the message loop, waits for the thread and forgets the listeners.
    void close();

    void addListener(events::IEventListener* listener);

    // Runs on the channel's thread; the caller waits for the reply.
    std::intptr_t sendRequest(const void* a, std::intptr_t b, std::intptr_t c, std::intptr_t d);

    // Valid while a request is being handled, on the channel's thread.
    const void* getRequestValue1() const { return value1_; }
    std::intptr_t getRequestValue2() const { return value2_; }
    std::intptr_t getRequestValue3() const { return value3_; }
    std::intptr_t getRequestValue4() const { return value4_; }
    void setRequestReply(std::intptr_t reply) { reply_ = reply; }

    // Runs function(argument) on the channel's thread and waits for it.
    void invoke(void (*function)(void*), void* argument);

    bool isChannelThread() const { return GetCurrentThreadId() == threadId_; }
    HWND handle() const { return hwnd_; }

private:
    static DWORD WINAPI threadMain(void* self);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    system::win::Handle thread_;
    DWORD threadId_ = 0;
    system::win::Handle ready_;
    std::atomic<HWND> hwnd_{nullptr};
    std::vector<events::IEventListener*> listeners_;
    const void* value1_ = nullptr;
    std::intptr_t value2_ = 0, value3_ = 0, value4_ = 0, reply_ = 0;
};

} // namespace s::gui::win
