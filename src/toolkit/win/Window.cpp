// The window's life: its user-interface thread, the two native windows it
// creates there, and the bounded way both end.

#include "toolkit/win/Window.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/Platform.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/layout/FlowH.h"
#include "toolkit/layout/Vertical.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/KeyboardNavigation.h"
#include "toolkit/win/MemDC.h"
#include "toolkit/win/NativePeers.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

namespace s::gui::win {

namespace {
constexpr DWORD kQuitRetryMs = 10;
// Of the whole stop budget, what the destroy message may take before the
// thread is told to quit regardless.
constexpr DWORD kDestroyMessageWaitMs = 2000;

// True when OLE was initialised, to be undone at the thread's end.
bool initialiseThreadPlatform() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                       ICC_USEREX_CLASSES | ICC_COOL_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
    // Fails harmlessly when the process's security defaults are already set.
    if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                             RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    // Boxes that take dropped URLs register OLE drop targets.
    return SUCCEEDED(OleInitialize(nullptr));
}

// True when hwnd is a combo box, or the field inside one, whose drop-down
// list is open: Escape, Enter and the arrows are then the list's.
bool inOpenDropDown(HWND hwnd) {
    for (int depth = 0; depth < 2 && hwnd != nullptr; ++depth, hwnd = GetParent(hwnd)) {
        wchar_t name[16] = {};
        if (GetClassNameW(hwnd, name, 16) != 0 && lstrcmpiW(name, L"ComboBox") == 0)
            return SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }
    return false;
}

// A key meant for the window or one of its controls is first offered to the
// window's listeners; true when one took it.
bool offerShortcut(HWND root, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || root == nullptr ||
        (msg.hwnd != root && !IsChild(root, msg.hwnd)) || inOpenDropDown(msg.hwnd))
        return false;
    return SendMessageW(root, Window::kShortcutMessage, msg.wParam,
                        reinterpret_cast<LPARAM>(msg.hwnd)) == 1;
}

} // namespace

Window::Window() {
    resetWindow();
    installWindowsPeerFactory();
    abort_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    closingEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    closedEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    startThread();
}

Window::~Window() {
    setLocalizer(nullptr);
    stopThread();
    releaseOwnedIcons();
    releaseOwnedContextMenu();
    if (frameDrawer_ != nullptr && frameDrawerOwned_)
        frameDrawer_->release();
}

base::IObject* Window::newInstance() const {
    return thread::take<Window>();
}

void Window::release() {
    thread::giveBack(this);
}

// A window is never kept idle in its pool (kPoolLimit 0); this is the reset
// that pooled objects owe, without touching the native windows.
void Window::clear() {
    removeAll(false);
    for (col::ArrayP& list : windowListeners_)
        list.freeMemory();
    closeTriggers_.freeMemory();
}

void Window::resetWindow() {
    setLayout(nullptr);
    title_.clear();
    titleId_ = versionId_ = -1;
    middleClickAction_ = kMiddleDoNothing;
    normalX_ = normalY_ = 0;
    normalWidth_ = normalHeight_ = 500;
    targetOpacity_ = currentOpacity_ = 100;
    applicationIcons_ = false;
}

void Window::startThread() {
    ready_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    DWORD id = 0;
    thread_.reset(CreateThread(nullptr, 0, threadMain, this, 0, &id));
    if (!thread_) {
        ready_.reset();
        return;
    }
    threadId_ = id;
    WaitForSingleObject(ready_.get(), INFINITE);
    ready_.reset();
}

DWORD WINAPI Window::threadMain(void* parameter) {
    platform::releaseUnusedStack();
    auto* self = static_cast<Window*>(parameter);
    bool ole = initialiseThreadPlatform();
    bool created = self->createNativeWindows();
    SetEvent(self->ready_.get());
    // From here on the window object may be gone once the loop ends: the
    // destroy message and the quit request are the last things it sees.
    if (created) {
        HWND root = self->hwnd_;
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (moveFocusByTab(root, msg) || moveAmongRadios(root, msg) ||
                pressFocusedButton(root, msg) || offerShortcut(root, msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    PaintSurface::releaseKept();
    releaseMeasuringDc();
    if (ole)
        OleUninitialize();
    CoUninitialize();
    return 0;
}

bool Window::createNativeWindows() {
    if (!registerToolkitClass() || !owner_.create())
        return false;
    HWND hwnd = createToolkitWindow(WS_EX_CLIENTEDGE, L"Window", WS_OVERLAPPEDWINDOW,
                                    CW_USEDEFAULT, CW_USEDEFAULT, 240, 120, owner_.handle(),
                                    this);
    if (hwnd == nullptr) {
        reportCreationFailure();
        owner_.destroy();
        return false;
    }
    ShowWindow(hwnd, SW_HIDE);
    ShowWindow(owner_.handle(), SW_HIDE);
    // A copy started later at a lower integrity level (this one run as
    // administrator) still hands over its arguments and brings it forward.
    ChangeWindowMessageFilterEx(hwnd, kShowYourselfMessage, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(hwnd, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    RECT r;
    GetWindowRect(hwnd, &r);
    normalX_ = r.left;
    normalY_ = r.top;
    hwnd_ = hwnd;
    return true;
}

// On the window's thread, from the destroy message. The children's native
// windows belong to this thread, which is the one that may destroy them.
void Window::destroyNativeWindows() {
    HWND hwnd = hwnd_;
    if (hwnd == nullptr)
        return;
    removeAll(false);
    if (trayIconShown_) {
        trayIconPinned_ = false;
        removeTrayIcon();
    }
    detachHandler(hwnd);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
    owner_.destroy();
}

// Bounded whatever the thread does: the destroy message, then the quit
// request retried while posting fails, then a wait for what is left of the
// budget; a thread still running after that is suspended.
void Window::stopThread() {
    if (!thread_)
        return;
    destroying_ = true;
    SetEvent(abort_.get());
    if (isWindowThread()) {
        destroyNativeWindows();
        PostQuitMessage(0);
        // The thread is the caller; it ends when its loop sees the quit.
        thread_.reset();
        return;
    }
    DWORD start = GetTickCount();
    auto left = [start]() -> DWORD {
        DWORD spent = GetTickCount() - start;
        return spent >= kStopWaitMs ? 0 : kStopWaitMs - spent;
    };
    if (HWND hwnd = hwnd_) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(hwnd, kDestroyMessage, 0, 0, SMTO_NORMAL, kDestroyMessageWaitMs,
                            &ignored);
    }
    while (!PostThreadMessageW(threadId_, WM_QUIT, 0, 0) && left() > 0) {
        if (WaitForSingleObject(thread_.get(), kQuitRetryMs) == WAIT_OBJECT_0)
            break;
    }
    if (WaitForSingleObject(thread_.get(), left()) != WAIT_OBJECT_0) {
        SuspendThread(thread_.get());
        // Its windows stay behind with the suspended thread; they must not
        // reach this object any more.
        detachHandler(hwnd_);
        detachHandler(owner_.handle());
    }
    hwnd_ = nullptr;
    thread_.reset();
    threadId_ = 0;
}

void Window::releaseOwnedIcons() {
    smallIcon_ = largeIcon_ = nullptr;
    smallIconOwned_.reset();
    largeIconOwned_.reset();
    trayImage_.reset();
}

layout::ILayoutManager* Window::getLayout() {
    layout::ILayoutManager* manager = Box::getLayout();
    // Box answers its own shared default when no manager is set.
    if (manager == &layout::FlowH::shared())
        return &layout::Vertical::shared();
    return manager;
}

// The layout manager places the children in the client area; a window keeps
// no layout results of its own, its sizes come from the children directly.
void Window::doLayout() {
    if (windowLayoutDepth_ >= 2)
        return;
    LayoutPass pass;
    ++windowLayoutDepth_;
    if (getComponentCount() > 0)
        getLayout()->layoutContainer(static_cast<IWindow*>(this));
    placeStatusBar();
    --windowLayoutDepth_;
}

void Window::listen(int eventId, events::IEventListener* listener) {
    if (eventId >= 1 && eventId <= IWindow::kEventKinds && listener != nullptr)
        windowListeners_[eventId - 1].add(listener);
}

// The list is read afresh at each step, so a listener may add another.
void Window::raise(int eventId) {
    col::ArrayP& list = windowListeners_[eventId - 1];
    for (std::uint32_t i = 0; i < list.length(); ++i)
        static_cast<events::IEventListener*>(list.at(i))
            ->handleEvent(static_cast<IComponent*>(static_cast<IWindow*>(this)), eventId);
}

std::int64_t Window::nowMs() {
    return static_cast<std::int64_t>(GetTickCount64());
}

} // namespace s::gui::win
