#include "toolkit/win/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using s::gui::IComponent;
using s::gui::IWindow;
using s::gui::win::Window;
using s::test::EventCounter;
using s::test::TestWindow;

namespace {

wchar_t classOf(HWND hwnd, wchar_t (&name)[64]) {
    GetClassNameW(hwnd, name, 64);
    return name[0];
}

// Answers each request with a value made of its own arguments, and checks it
// is on the window's thread.
class Echo : public s::gui::events::IEventListener {
public:
    explicit Echo(Window& window) : window_(window) {}
    void handleEvent(void* source, int eventId) override {
        if (eventId != IWindow::kRequest || source != static_cast<IComponent*>(&window_))
            return;
        if (!window_.isWindowThread())
            ++offThread;
        ++handled;
        auto tag = reinterpret_cast<std::intptr_t>(window_.getRequestValue1());
        window_.setRequestReply(tag * 1000000 + window_.getRequestValue2() * 10 +
                                window_.getRequestValue3() + window_.getRequestValue4());
    }
    std::atomic<int> handled{0};
    std::atomic<int> offThread{0};

private:
    Window& window_;
};

} // namespace

TEST(WindowLife, StartsWithBothNativeWindowsHiddenTheVisibleOneOwnedByTheHiddenToolWindow) {
    TestWindow window;
    ASSERT_TRUE(window->isCreated());
    HWND hwnd = window->handle();
    HWND owner = window->ownerHandle();
    ASSERT_NE(owner, nullptr);
    wchar_t name[64];
    classOf(hwnd, name);
    EXPECT_STREQ(name, L"OstrelWindowClass");
    classOf(owner, name);
    EXPECT_STREQ(name, L"OstrelWindowClass");
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), owner);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_NE(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_NE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(GetWindowThreadProcessId(hwnd, nullptr), GetWindowThreadProcessId(owner, nullptr));
    EXPECT_NE(GetWindowThreadProcessId(hwnd, nullptr), GetCurrentThreadId());
    RECT r = s::test::rectOf(hwnd);
    EXPECT_EQ(r.right - r.left, 240);
    EXPECT_EQ(r.bottom - r.top, 120);
    EXPECT_EQ(window->getWindow(), static_cast<IWindow*>(window.get()));
    window.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindow(owner));
}

TEST(WindowRequests, FourThreadsOfAThousandRequestsEachGetTheirOwnReplies) {
    TestWindow window;
    Echo echo(*window);
    window->addRequestListener(&echo);
    std::atomic<int> wrong{0};
    std::vector<std::thread> senders;
    for (std::intptr_t t = 1; t <= 4; ++t) {
        senders.emplace_back([&, t] {
            for (std::intptr_t i = 0; i < 1000; ++i) {
                std::intptr_t reply = window->sendRequest(reinterpret_cast<const void*>(t), i, 7, t);
                if (reply != t * 1000000 + i * 10 + 7 + t)
                    ++wrong;
            }
        });
    }
    for (auto& sender : senders)
        sender.join();
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(echo.handled, 4000);
    EXPECT_EQ(echo.offThread, 0);

    // Posted ones arrive too, in order, on the window's thread.
    for (std::intptr_t i = 0; i < 10; ++i)
        EXPECT_TRUE(window->postRequest(reinterpret_cast<const void*>(9), i, 0, 0));
    // A synchronous request queued behind them returns after all of them ran.
    EXPECT_EQ(window->sendRequest(reinterpret_cast<const void*>(1), 0, 0, 0), 1000000);
    EXPECT_EQ(echo.handled, 4011);
}

// Sends a request of its own from inside the one with tag 5.
class Nested : public s::gui::events::IEventListener {
public:
    explicit Nested(Window& window) : window_(window) {}
    void handleEvent(void*, int) override {
        if (window_.getRequestValue1() != reinterpret_cast<const void*>(5))
            return;
        inner = window_.sendRequest(reinterpret_cast<const void*>(6), 1, 0, 0);
        outerAfter = window_.getRequestValue1();
    }
    std::intptr_t inner = -1;
    const void* outerAfter = nullptr;

private:
    Window& window_;
};

TEST(WindowRequests, ARequestFromTheWindowsOwnThreadRunsAtOnceAndRestoresTheOuterValues) {
    TestWindow window;
    Nested nested(*window);
    window->addRequestListener(&nested);
    Echo echo(*window);
    window->addRequestListener(&echo);
    EXPECT_EQ(window->sendRequest(reinterpret_cast<const void*>(5), 2, 0, 0), 5000020);
    EXPECT_EQ(nested.inner, 6000010);
    EXPECT_EQ(nested.outerAfter, reinterpret_cast<const void*>(5));
}

TEST(WindowRequests, RequestsDuringAndAfterTheCloseReturnAndABlockedThreadIsStoppedInTime) {
    TestWindow window;
    Echo echo(*window);
    window->addRequestListener(&echo);

    // A close listener that asks the user runs a modal loop: a worker's
    // request is answered there, and the close then goes on or not as the
    // answer says. One that waits for a worker whose request only the
    // waiting thread could answer gets the request given up instead.
    class CloseListener : public s::gui::events::IEventListener {
    public:
        explicit CloseListener(Window& w) : w_(w) {}
        void handleEvent(void*, int) override {
            s::system::win::Handle answered(CreateEventW(nullptr, TRUE, FALSE, nullptr));
            HANDLE signal = answered.get();
            std::thread worker([this, signal] {
                reply = w_.sendRequest(reinterpret_cast<const void*>(3), 1, 0, 0);
                SetEvent(signal);
            });
            double begin = s::test::millisNow();
            if (pumps) {
                while (MsgWaitForMultipleObjects(1, &signal, FALSE, INFINITE, QS_ALLINPUT) ==
                       WAIT_OBJECT_0 + 1) {
                    MSG message;
                    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                        DispatchMessageW(&message);
                }
                w_.cancelClose();
            }
            worker.join();
            waited = s::test::millisNow() - begin;
        }
        Window& w_;
        bool pumps = true;
        std::intptr_t reply = -1;
        double waited = 0;
    } listener(*window);
    window->addCloseListener(&listener);
    window->show(true, false);
    window->close();
    EXPECT_FALSE(window->isClosed());
    EXPECT_EQ(listener.reply, 3000010) << "answered inside the close listener's modal loop";

    listener.pumps = false;
    window->close();
    EXPECT_TRUE(window->isClosed());
    EXPECT_EQ(listener.reply, 0);
    EXPECT_LT(listener.waited, 2000);
    EXPECT_FALSE(IsWindowVisible(window->handle()));

    // Once closed, the thread answers again.
    EXPECT_EQ(window->sendRequest(reinterpret_cast<const void*>(4), 1, 0, 0), 4000010);
    window->waitUntilClosed(); // returns at once

    // A thread that will not answer: destroying still ends within the bound.
    class Stuck : public s::gui::events::IEventListener {
    public:
        void handleEvent(void*, int) override {
            entered = true;
            Sleep(60000);
        }
        std::atomic<bool> entered{false};
    };
    static Stuck stuck; // the suspended thread keeps pointing at it
    window->addRequestListener(&stuck);
    ASSERT_TRUE(window->postRequest(reinterpret_cast<const void*>(8), 0, 0, 0));
    while (!stuck.entered)
        Sleep(5);
    std::intptr_t lateReply = -1;
    Window* raw = window.get();
    std::thread late([&] { lateReply = raw->sendRequest(reinterpret_cast<const void*>(9), 0, 0, 0); });
    Sleep(200); // queued behind the stuck one before the window goes
    double begin = s::test::millisNow();
    window.reset();
    double took = s::test::millisNow() - begin;
    late.join();
    EXPECT_EQ(lateReply, 0) << "a request waiting on a destroyed window gives up";
    EXPECT_LT(took, Window::kStopWaitMs + 700);
    EXPECT_GT(took, 1000) << "it did wait for the thread first";
}

// A request given up on because its window went away while running it still
// finishes and says so to its sender's thread; that thread's next request,
// to another window, must wait for its own answer all the same.
TEST(WindowRequests, ARequestGivenUpOnWhileRunningLeavesTheSendersNextRequestItsAnswer) {
    class Slow : public s::gui::events::IEventListener {
    public:
        void handleEvent(void*, int eventId) override {
            if (eventId == IWindow::kRequest)
                Sleep(300);
        }
    } slow;
    TestWindow first;
    first->addRequestListener(&slow);
    TestWindow second;
    Echo echo(*second);
    second->addRequestListener(&echo);
    // The first request's end reaches the sender while the second runs.
    second->addRequestListener(&slow);
    std::atomic<bool> sent{false};
    std::intptr_t givenUp = -1, answered = -1;
    Window* gone = first.get();
    std::thread sender([&] {
        sent = true;
        givenUp = gone->sendRequest(reinterpret_cast<const void*>(1), 0, 0, 0);
        answered = second->sendRequest(reinterpret_cast<const void*>(2), 3, 0, 0);
    });
    while (!sent)
        Sleep(1);
    Sleep(100); // the first window is running the request
    first.reset();
    sender.join();
    EXPECT_EQ(givenUp, 0);
    EXPECT_EQ(answered, 2000030);
}

TEST(WindowRequests, MessageBoxesAndRequestsOfAWindowThatIsGoneReturnAtOnce) {
    TestWindow window;
    HWND hwnd = window->handle();
    // Destroyed from the outside through its own message: the thread ends.
    SendMessageW(hwnd, Window::kDestroyMessage, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    double begin = s::test::millisNow();
    EXPECT_EQ(window->sendRequest(nullptr, 1, 2, 3), 0);
    EXPECT_FALSE(window->postRequest(nullptr, 1, 2, 3));
    EXPECT_FALSE(window->askYesNo(u"Never shown"));
    window->showInformation(u"Never shown");
    EXPECT_LT(s::test::millisNow() - begin, 500);
}

namespace {

// The message box a thread shows, once it is up; null after the timeout.
HWND waitForBoxOf(DWORD thread, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND hwnd, LPARAM out) -> BOOL {
                wchar_t name[16] = {};
                GetClassNameW(hwnd, name, 16);
                if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(hwnd))
                    return TRUE;
                *reinterpret_cast<HWND*>(out) = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found != nullptr)
            return found;
        Sleep(20);
    }
    return nullptr;
}

} // namespace

TEST(WindowRequests, MessageBoxesAskedFromOtherThreadsBelongToTheWindowsThread) {
    TestWindow window;
    DWORD windowThread = GetWindowThreadProcessId(window->handle(), nullptr);
    for (UINT answer : {IDYES, IDNO}) {
        std::atomic<int> result{-1};
        std::thread asker([&] { result = window->askYesNo(u"Go on?") ? 1 : 0; });
        HWND box = waitForBoxOf(windowThread, 5000);
        ASSERT_NE(box, nullptr) << "the question is shown by the window's thread";
        PostMessageW(box, WM_COMMAND, answer, 0);
        asker.join();
        EXPECT_EQ(result, answer == IDYES ? 1 : 0);
    }
    std::thread informer([&] { window->showError(u"Broken"); });
    HWND box = waitForBoxOf(windowThread, 5000);
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    informer.join();

    // The second instance's messages: shown and activated, and its call heard.
    EventCounter instance;
    window->addInstanceListener(&instance);
    SendMessageW(window->handle(), Window::kInstanceCallMessage, 0, 0);
    EXPECT_EQ(instance.count, 1);
    window->iconize();
    EXPECT_FALSE(IsWindowVisible(window->handle()));
    SendMessageW(window->handle(), Window::kShowYourselfMessage, 0, 0);
    EXPECT_FALSE(window->isIconized());
    EXPECT_TRUE(IsWindowVisible(window->handle()));
}
