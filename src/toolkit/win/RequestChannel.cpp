#include "toolkit/win/RequestChannel.h"

namespace s::gui::win {

namespace {
constexpr UINT kInvokeMessage = WM_APP + 1;
constexpr wchar_t kClassName[] = L"s_gui_win_RequestChannel";

struct Request {
    const void* a;
    std::intptr_t b, c, d;
};

struct Invocation {
    void (*function)(void*);
    void* argument;
};
} // namespace

RequestChannel::RequestChannel() = default;

RequestChannel::~RequestChannel() { close(); }

bool RequestChannel::open() {
    if (thread_)
        return hwnd_ != nullptr;
    ready_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    thread_.reset(CreateThread(nullptr, 0, threadMain, this, 0, &threadId_));
    if (thread_)
        WaitForSingleObject(ready_.get(), INFINITE);
    ready_.reset();
    return thread_ && hwnd_ != nullptr;
}

void RequestChannel::close() {
    if (!thread_)
        return;
    if (HWND hwnd = hwnd_)
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
    threadId_ = 0;
    listeners_.clear();
}

void RequestChannel::addListener(events::IEventListener* listener) {
    listeners_.push_back(listener);
}

std::intptr_t RequestChannel::sendRequest(const void* a, std::intptr_t b, std::intptr_t c,
                                          std::intptr_t d) {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return 0;
    Request request{a, b, c, d};
    return static_cast<std::intptr_t>(
        SendMessageW(hwnd, kRequestMessage, 0, reinterpret_cast<LPARAM>(&request)));
}

void RequestChannel::invoke(void (*function)(void*), void* argument) {
    if (isChannelThread()) {
        function(argument);
        return;
    }
    Invocation invocation{function, argument};
    if (HWND hwnd = hwnd_)
        SendMessageW(hwnd, kInvokeMessage, 0, reinterpret_cast<LPARAM>(&invocation));
}

DWORD WINAPI RequestChannel::threadMain(void* parameter) {
    auto* self = static_cast<RequestChannel*>(parameter);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc); // fails harmlessly when another channel registered it
    HWND hwnd = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, self);
    self->hwnd_ = hwnd;
    SetEvent(self->ready_.get());
    if (hwnd == nullptr)
        return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

LRESULT CALLBACK RequestChannel::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RequestChannel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case kRequestMessage: {
        const auto* request = reinterpret_cast<const Request*>(lParam);
        self->value1_ = request->a;
        self->value2_ = request->b;
        self->value3_ = request->c;
        self->value4_ = request->d;
        self->reply_ = 0;
        // Listeners may send further requests from here; copy the list so
        // a listener added meanwhile does not disturb this delivery.
        std::vector<events::IEventListener*> listeners = self->listeners_;
        for (auto* listener : listeners)
            listener->handleEvent(self, kRequestEvent);
        return static_cast<LRESULT>(self->reply_);
    }
    case kInvokeMessage: {
        const auto* invocation = reinterpret_cast<const Invocation*>(lParam);
        invocation->function(invocation->argument);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        self->hwnd_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace s::gui::win
