#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/system/Platform.h"
#include "foundation/system/win/Handles.h"
#include "toolkit/box/Box.h"
#include "toolkit/window/IWindow.h"
#include "toolkit/window/WindowGeometry.h"
#include "toolkit/win/BackBuffer.h"
#include "toolkit/win/HwndPeer.h"
#include "toolkit/win/InvisibleWindow.h"
#include "toolkit/win/NativeWindowClass.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

namespace s::app {
class IWindowState;
}

namespace s::gui::win {

// The toolkit's top-level window. Its children are handled as a box's are;
// its native window, owned by a hidden InvisibleWindow, lives on a
// user-interface thread of the window's own, which every event is raised on.
//
// A status bar is kept along the bottom edge of the client area, outside the
// laid-out children. The context and tray menus open on a right click; the
// menu bar only takes part in running commands. The application window is told about state
// changes when it offers app::IWindowState.
class Window : public Box, public IWindow, private INativeWindowHandler {
public:
    // The private messages of the window's thread.
    static constexpr UINT kRequestMessage = WM_USER + 1;     // 1025
    static constexpr UINT kTrayMessage = WM_USER + 2;        // 1026
    static constexpr UINT kShowYourselfMessage = WM_USER + 3; // 1027
    static constexpr UINT kInformationMessage = WM_USER + 4; // 1028
    static constexpr UINT kErrorMessage = WM_USER + 5;       // 1029
    static constexpr UINT kYesNoMessage = WM_USER + 6;       // 1030
    static constexpr UINT kInstanceCallMessage = WM_USER + 7; // 1031
    static constexpr UINT kShortcutMessage = WM_APP + 6;     // 32774, answers 1 when taken
    static constexpr UINT kDestroyMessage = WM_APP + 1;      // 32769
    static constexpr UINT kAttachMessage = WM_APP + 2;       // 32770
    static constexpr UINT kDeferredNativesMessage = WM_APP + 7; // 32775
    // The platform's WM_DPICHANGED, named here for headers that predate it.
    static constexpr UINT kDpiChangedMessage = 0x02E0;
    // The executable's icon group of the application icon.
    static constexpr int kApplicationIconId = 128;
    // Messages the shell broadcasts by registered name: its taskbar was
    // (re)created, and a window's taskbar button was.
    static UINT taskbarCreatedMessage();
    static UINT taskbarButtonCreatedMessage();
    // How long destroying a window may wait for its thread.
    static constexpr DWORD kStopWaitMs = 5000;
    // How long a call sent to a closing window may stay untaken before its
    // sender takes the window's thread for one that waits on it.
    static constexpr DWORD kCloseTakeMs = 500;
    // Windows hold native resources: a released one is destroyed at once.
    static constexpr std::int32_t kPoolLimit = 0;

    Window();
    ~Window() override;

    const char16_t* getClassName() const override { return u"s_gui_win_Window"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    // Whether the thread and both native windows exist.
    bool isCreated() const { return hwnd_ != nullptr; }
    HWND handle() const { return hwnd_; }
    HWND ownerHandle() const { return owner_.handle(); }
    bool isWindowThread() const { return GetCurrentThreadId() == threadId_; }
    // Runs function(argument) on the window's thread and waits for it; false
    // when it could not run there (no window, closing, being destroyed).
    bool invoke(void (*function)(void*), void* argument);

    // IEventListener: the localizer's language change and the close triggers.
    void handleEvent(void* source, int eventId) override;

    // Component operations a window does its own way.
    std::int32_t getScreenX() override;
    std::int32_t getScreenY() override;
    bool containsScreenPoint(std::int32_t sx, std::int32_t sy) override;
    std::int32_t getWidth() const override;
    std::int32_t getHeight() const override;
    std::int32_t getInnerWidth() const override;
    std::int32_t getInnerHeight() const override;
    void setLocation(std::int32_t x, std::int32_t y) override;
    void setSize(std::int32_t w, std::int32_t h) override;
    void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
    std::int32_t getMinimumWidth() const override;
    std::int32_t getMinimumHeight() const override;
    std::int32_t getMinimumInnerWidth() const override;
    std::int32_t getMinimumInnerHeight() const override;
    std::int32_t getPreferredWidth() const override;
    std::int32_t getPreferredHeight() const override;
    std::int32_t getPreferredInnerWidth() const override;
    std::int32_t getPreferredInnerHeight() const override;
    bool isShowing() const override { return visible_ && hwnd_ != nullptr; }
    void setVisible(bool visible, bool refresh) override;
    void centerInParent() override;
    IWindow* getWindow() const override { return const_cast<Window*>(this); }
    void add(IComponent* component) override;
    void remove(IComponent* component, bool recursive) override;
    void removeAll(bool recursive) override;
    void repaint() override;
    // Paints at once what is invalid in the window and its children, rather
    // than when the thread next waits for messages.
    void paintInvalid();
    void setSizeWithinLimits(std::int32_t w, std::int32_t h) override;
    INativePeer* nativePeer() const override { return hwnd_ != nullptr ? &peer_ : nullptr; }

    // IContainer
    void doLayout() override;
    layout::ILayoutManager* getLayout() override;

    // IWindow
    void setLayout(layout::ILayoutManager* manager) override { Box::setLayout(manager); }
    void setLeft(std::int32_t x) override { setLocation(x, getScreenY()); }
    void setTop(std::int32_t y) override { setLocation(getScreenX(), y); }
    bool isClosed() const override { return closed_; }
    void close() override;
    void cancelClose() override { closeCancelled_ = true; }
    void waitUntilClosed() override;
    void activate(bool on) override;
    bool isMinimized() override;
    void minimize() override;
    bool isMaximized() override;
    void maximize() override;
    void restore() override;
    void showNormal() override;
    void iconize() override;
    bool isIconized() const override { return iconized_; }
    void setEasyDrag(bool on) override;
    void setMaximizeBox(bool on) override;
    void setMinimizeBox(bool on) override;
    void setSystemMenu(bool on) override;
    void setCaption(bool on) override;
    void setToolWindow(bool on) override;
    void setStandardFrame(bool on) override;
    void setClientEdge(bool on) override;
    void setTaskbarButton(bool on) override;
    void setTrayIcon(bool on) override;
    void updateTrayIcon() override;
    void setTrayIconPinned(bool on) override;
    bool isTrayIconShown() const override { return trayIconShown_; }
    bool isBorderResizable() const override { return borderResizable_; }
    void setBorderResizable(bool on) override;
    void setTrayIconKept(bool on) override;
    void setCloseIconizes(bool on) override { closeIconizes_ = on; }
    void setModalState(bool on) override;
    void setKeepOnTop(bool on) override;
    bool isKeepOnTop() const override { return keepOnTop_; }
    const char16_t* getTitle() const override { return title_.cStr(); }
    void setTitle(const char16_t* text) override;
    void setTitleIds(std::int32_t titleId, std::int32_t versionId) override;
    void* getSmallIcon() const override { return smallIcon_; }
    void setSmallIcon(void* icon, bool owned) override;
    void* getLargeIcon() const override { return largeIcon_; }
    void setLargeIcon(void* icon, bool owned) override;
    bool hasLocalizer() const override { return localizer_ != nullptr; }
    lang::Localizer* getLocalizer() const override { return localizer_; }
    void setLocalizer(lang::Localizer* localizer) override;
    bool hasSkinHolder() const override { return skinHolder_ != nullptr; }
    ISkinHolder* getSkinHolder() const override { return skinHolder_; }
    void setSkinHolder(ISkinHolder* holder) override;
    void addCloseTrigger(IComponent* component) override;
    void addCloseListener(events::IEventListener* l) override { listen(kClose, l); }
    void addRightButtonDownListener(events::IEventListener* l) override {
        listen(kRightButtonDown, l);
    }
    void addLeftButtonDownListener(events::IEventListener* l) override {
        listen(kLeftButtonDown, l);
    }
    void addRightButtonUpListener(events::IEventListener* l) override { listen(kRightButtonUp, l); }
    void addLeftButtonUpListener(events::IEventListener* l) override { listen(kLeftButtonUp, l); }
    void addTrayClickListener(events::IEventListener* l) override { listen(kTrayLeftClick, l); }
    void addDoubleClickListener(events::IEventListener* l) override { listen(kDoubleClick, l); }
    void addMiddleClickListener(events::IEventListener* l) override {
        listen(kMiddleButtonDown, l);
    }
    void addResizeListener(events::IEventListener* l) override { listen(kResized, l); }
    void addActivateListener(events::IEventListener* l) override { listen(kActivated, l); }
    void addDeactivateListener(events::IEventListener* l) override { listen(kDeactivated, l); }
    void addPositionChangingListener(events::IEventListener* l) override {
        listen(kPositionChanging, l);
    }
    void addMoveListener(events::IEventListener* l) override { listen(IWindow::kMoved, l); }
    void addKeyListener(events::IEventListener* l) override { listen(kKeyDown, l); }
    void addTrayRightClickListener(events::IEventListener* l) override {
        listen(kTrayRightClick, l);
    }
    void addRightClickListener(events::IEventListener* l) override { listen(kRightClickMenu, l); }
    void addRestoreListener(events::IEventListener* l) override { listen(kRestored, l); }
    void setMenuBar(IMenuBar* menu) override { menuBar_ = menu; }
    void setTrayMenu(IPopupMenu* menu) override { trayMenu_ = menu; }
    std::intptr_t sendRequest(const void* a, std::intptr_t b, std::intptr_t c,
                              std::intptr_t d) override;
    bool postRequest(const void* a, std::intptr_t b, std::intptr_t c, std::intptr_t d) override;
    const void* getRequestValue1() const override { return requestValue1_; }
    std::intptr_t getRequestValue2() const override { return requestValue2_; }
    std::intptr_t getRequestValue3() const override { return requestValue3_; }
    std::intptr_t getRequestValue4() const override { return requestValue4_; }
    void setRequestReply(std::intptr_t value) override { requestReply_ = value; }
    void addRequestListener(events::IEventListener* l) override { listen(kRequest, l); }
    void setFocus() override;
    void setContextMenu(IPopupMenu* menu, bool owned) override;
    bool isSizingLeft() const override { return sizingEdge_ == geometry::kLeft; }
    bool isSizingRight() const override { return sizingEdge_ == geometry::kRight; }
    bool isSizingTop() const override { return sizingEdge_ == geometry::kTop; }
    bool isSizingBottom() const override { return sizingEdge_ == geometry::kBottom; }
    bool isSizingTopLeft() const override { return sizingEdge_ == geometry::kTopLeft; }
    bool isSizingTopRight() const override { return sizingEdge_ == geometry::kTopRight; }
    bool isSizingBottomLeft() const override { return sizingEdge_ == geometry::kBottomLeft; }
    bool isSizingBottomRight() const override { return sizingEdge_ == geometry::kBottomRight; }
    std::int32_t getSizingLeft() const override { return sizing_.left; }
    void setSizingLeft(std::int32_t v) override { sizing_.left = v; }
    std::int32_t getSizingRight() const override { return sizing_.right; }
    void setSizingRight(std::int32_t v) override { sizing_.right = v; }
    std::int32_t getSizingTop() const override { return sizing_.top; }
    void setSizingTop(std::int32_t v) override { sizing_.top = v; }
    std::int32_t getSizingBottom() const override { return sizing_.bottom; }
    void setSizingBottom(std::int32_t v) override { sizing_.bottom = v; }
    void addSizingListener(events::IEventListener* l) override { listen(kSizing, l); }
    void setFrameDrawer(drawer::IDrawer* drawer, bool owned) override;
    void setFixedWidth(std::int32_t w) override;
    void setFixedHeight(std::int32_t h) override;
    void setFixedWidth(std::int32_t w, bool) override { setFixedWidth(w); }
    void setFixedHeight(std::int32_t h, bool) override { setFixedHeight(h); }
    void setKeepMinimumSize(bool on) override { setKeepMinimumSize(on, on); }
    void setKeepMinimumSize(bool onWidth, bool onHeight) override;
    void enforceMinimumSize() override;
    void shrinkToMinimumHeight() override { setSize(getWidth(), getMinimumHeight()); }
    void shrinkToMinimumSize() override { setSize(getMinimumWidth(), getMinimumHeight()); }
    void setToPreferredSize() override { setSize(getPreferredWidth(), getPreferredHeight()); }
    // Lays the window out again after its content changed its needs (a new
    // language, skin or part shown) and gives it its new minimum height and
    // width, growing or shrinking; a width the user chose by sizing the
    // window stays while the content fits it. The top-left corner stays
    // where it is. An iconized window does so when it is restored.
    void fitToMinimumSize();
    std::int32_t getLastKey() const override { return lastKey_; }
    // What another copy handed over with the tag kArgumentsTag: its
    // arguments, each ended by a zero. Valid while kArgumentsHanded is raised.
    static constexpr unsigned long kArgumentsTag = 0x54524B41;
    const std::u16string& getHandedArguments() const { return handedArguments_; }
    void addArgumentsListener(events::IEventListener* l) { listen(kArgumentsHanded, l); }
    void addTaskbarButtonListener(events::IEventListener* l) { listen(kTaskbarButtonCreated, l); }
    void addSessionEndListener(events::IEventListener* l) { listen(kSessionEnding, l); }
    // Keys before the focused control: getLastKey() holds the key,
    // getShortcutFocus() the native window with the focus (may be null).
    void addShortcutListener(events::IEventListener* l) { listen(kShortcutKey, l); }
    HWND getShortcutFocus() const { return shortcutFocus_; }
    // A balloon over the notification-area icon; false without the icon.
    bool showTrayBalloon(const char16_t* title, const char16_t* text);
    // The notification-area icon drawn in place of the small icon (a
    // count-down's progress). The window owns it and destroys the one it
    // replaces once the shell has the new one; null returns to the small icon.
    void setTrayImage(HICON icon);
    // The side of a notification-area icon on the window's monitor, pixels.
    std::int32_t trayIconSize() const;
    void takeKey() { keyTaken_ = true; }
    void addMouseMoveListener(events::IEventListener* l) override { listen(kMouseMove, l); }
    void addWheelListener(events::IEventListener* l) override { listen(IWindow::kWheel, l); }
    std::int32_t getWheelLines() const override { return wheelLines_; }
    std::int32_t getFrameWidth() override;
    std::int32_t getFrameHeight() override;
    void setMinimumWidth(std::int32_t w) override { minimumWidth_ = w; }
    void setMinimumHeight(std::int32_t h) override { minimumHeight_ = h; }
    void focusNext() override;
    void showInformation(const char16_t* text) override;
    void showError(const char16_t* text) override;
    bool askYesNo(const char16_t* text) override;
    void setApplicationWindow(app::IAppWindow* appWindow, bool withVersion) override;
    void saveState(bool force) override;
    void setMiddleClickAction(const char16_t* action) override;
    bool isReachable() override;
    void moveIntoScreen() override;
    void show(bool visible, bool activate) override;
    void addInstanceListener(events::IEventListener* l) override { listen(kInstanceCall, l); }
    void setTransparency(std::int32_t percent, bool onlyOnTop) override;
    void setCheckReachableOnShow(bool on) override { checkReachableOnShow_ = on; }
    void setKeepInScreen(bool on) override;
    void startDragCapture() override;
    std::int32_t getDragEndX() const override { return dragEndX_; }
    std::int32_t getDragEndY() const override { return dragEndY_; }
    void addDragEndListener(events::IEventListener* l) override { listen(kDragEnded, l); }
    void setTrayClickToggles(bool on) override { trayClickToggles_ = on; }
    void setPassDoubleClicks(bool on) override { passDoubleClicks_ = on; }
    void addLanguageListener(events::IEventListener* l) override { listen(kLanguageChanged, l); }
    bool isSuspended() const override { return suspended_; }
    bool isShuttingDown() const override { return shuttingDown_; }

    // The bar along the bottom of the client area: a component that is an
    // IStatusBar (add() of one comes here too), owned by the window, which
    // releases the one it replaces; null removes it. The inner height leaves
    // it out.
    void setStatusBar(IComponent* bar);
    IComponent* getStatusBar() const { return statusBar_; }

    // Read by tests and by the application window.
    std::int32_t getCurrentOpacity() const { return currentOpacity_; }
    bool isActive() const { return active_; }
    const char16_t* getMiddleClickAction() const { return middleClickAction_; }

private:
    // The window's own native window, as its children's parent.
    class Peer final : public HwndPeer {
    public:
        explicit Peer(Window& window) : window_(window) {}
        HWND handle() const override { return window_.hwnd_; }
        bool create(INativePeer*) override { return window_.hwnd_ != nullptr; }
        void destroy() override {}
        void move(std::int32_t x, std::int32_t y, bool) override { window_.setLocation(x, y); }
        void resize(std::int32_t w, std::int32_t h, bool) override { window_.setSize(w, h); }
        void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                       bool) override {
            window_.setBounds(x, y, w, h);
        }
        void show(bool visible) override { window_.show(visible, false); }
        void enable(bool enabled) override { EnableWindow(window_.hwnd_, enabled); }
        void repaint() override { window_.repaint(); }
        void repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
        bool screenPosition(std::int32_t& x, std::int32_t& y) override;
        void setText(const char16_t* text) override { window_.setTitle(text); }
        void orderBefore(INativePeer*) override {}
        void setAcceptFiles(bool) override {}
        void setAcceptUrls(bool) override {}
        BackBuffer* backBuffer() override {
            return window_.backBuffer_.dc() != nullptr ? &window_.backBuffer_ : nullptr;
        }
        void releaseBackBuffer() override { window_.backBuffer_.release(); }

    private:
        Window& window_;
    };

    // A piece of work another thread hands to the window's thread: a
    // request, a message box, an attachment or a function to run. Shared
    // with the sender, which may stop waiting for it when the window closes.
    struct Call;

    // Thread and life.
    void resetWindow();
    // The status bar's height while it shows, and putting it in its place.
    std::int32_t statusBarHeight() const;
    void placeStatusBar();
    void removeAllHere(bool recursive);
    void startThread();
    void stopThread();
    static DWORD WINAPI threadMain(void* self);
    bool createNativeWindows();
    void destroyNativeWindows();
    void releaseOwnedIcons();
    void loadApplicationIcons();

    // Calls carried to the window's thread.
    std::intptr_t callOnThread(const std::shared_ptr<Call>& call, bool wait);
    // Takes a call the window has not taken yet out of its queue.
    // Takes a call out of the queue; false when the thread already took it.
    bool withdraw(const std::shared_ptr<Call>& call);
    void runNextCall();
    std::intptr_t runCall(Call& call);
    std::intptr_t deliverRequest(const void* a, std::intptr_t b, std::intptr_t c, std::intptr_t d);
    bool messageBox(UINT message, const char16_t* text);
    void abortCalls();

    // The message procedure and its parts.
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled) override;
    LRESULT onHitTest(WPARAM wParam, LPARAM lParam);
    void onSizing(WPARAM edge, RECT* rect);
    void onPositionChanging(WINDOWPOS* pos);
    void onSize(WPARAM kind);
    void onDpiChanged(const RECT* suggested);
    void onMoved();
    void onActivate(bool on);
    void onWheel(WPARAM wParam, LPARAM lParam);
    void onMiddleButtonDown();
    void onRightButtonDown();
    // True when one of the window's menus held the command and ran it.
    bool onMenuCommand(std::int32_t commandId);
    void releaseOwnedContextMenu();
    void onEndSession(bool ending, LPARAM flags);
    // Painting (WindowPaint.cpp): the client through the back buffer, the
    // shape the frame drawer gives the window, and a change of skin.
    void paintClient(HWND hwnd);
    void applyRegion();
    void onSkinChanged();
    // Wheel steps no child box took.
    bool onCopyData(const COPYDATASTRUCT* data);
    void raiseWheel(WPARAM wParam);
    void runCloseSequence();
    void recordNormalBounds();
    void reportBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);

    // Showing, state, transparency.
    void trimWorkingSet();
    void applyOpacity(std::int32_t percent);
    void leaveTopBand(UINT flags);
    void changeStyle(LONG_PTR add, LONG_PTR remove, bool extended);
    geometry::Rect windowRect() const;
    // The scale of the monitor the window is on. Positions on the screen are
    // the platform's pixels; sizes are the toolkit's, as for every component.
    DisplayScale scale() const;
    // Moves the window, unsized, to where it lies inside bounds.
    void moveInside(const geometry::Rect& bounds);
    geometry::Rect workAreaOfWindow() const;
    void placeNative(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, UINT flags);

    // Tray icon.
    bool addTrayIcon();
    void onTaskbarCreated();
    void onCaptionPress(LPARAM lParam);
    static bool followsDrag(HWND hwnd, POINT press, POINT& at);
    bool removeTrayIcon();
    void modifyTrayTip();
    HICON trayIcon() const { return trayImage_ ? trayImage_.get() : smallIcon_; }
    void onTrayMessage(LPARAM lParam);

    void listen(int eventId, events::IEventListener* listener);
    void raise(int eventId);
    void buildTitle();
    static std::int64_t nowMs();

    mutable Peer peer_{*this};
    std::atomic<HWND> hwnd_{nullptr};
    InvisibleWindow owner_;
    system::win::Handle thread_;
    std::atomic<DWORD> threadId_{0};
    system::win::Handle ready_;
    // Set once destruction started, and while the close sequence runs: the
    // callers waiting for the window's thread give up.
    system::win::Handle abort_;
    system::win::Handle closingEvent_;
    system::win::Handle closedEvent_;
    std::atomic<bool> destroying_{false};
    platform::CriticalSection callLock_;
    std::deque<std::shared_ptr<Call>> calls_;

    col::ArrayP windowListeners_[IWindow::kEventKinds];
    col::ArrayP closeTriggers_;
    str::StrBuffer title_;
    std::int32_t titleId_ = -1, versionId_ = -1;
    HICON smallIcon_ = nullptr, largeIcon_ = nullptr;
    // The icons are the application's, made again at each change of scale.
    bool applicationIcons_ = false;
    // The icons the window was given to own.
    system::win::Icon smallIconOwned_, largeIconOwned_;
    system::win::Icon trayImage_;
    lang::Localizer* localizer_ = nullptr;
    ISkinHolder* skinHolder_ = nullptr;
    IComponent* statusBar_ = nullptr;
    app::IAppWindow* appWindow_ = nullptr;
    // The application window's remembered state, when it offers one.
    app::IWindowState* state_ = nullptr;
    bool appWindowWithVersion_ = false;
    drawer::IDrawer* frameDrawer_ = nullptr;
    bool frameDrawerOwned_ = false;
    IPopupMenu* trayMenu_ = nullptr;
    IPopupMenu* contextMenu_ = nullptr;
    bool contextMenuOwned_ = false;
    IMenuBar* menuBar_ = nullptr;
    const char16_t* middleClickAction_ = kMiddleDoNothing;

    std::atomic<bool> visible_{false};
    std::atomic<bool> closed_{false};
    bool closeCancelled_ = false;
    bool iconized_ = false;
    bool keepOnTop_ = false;
    bool easyDrag_ = false;
    bool taskbarButton_ = true;
    bool closeIconizes_ = false;
    bool trayIconShown_ = false;
    bool trayIconKept_ = false;
    bool trayIconPinned_ = false;
    bool trayClickToggles_ = true;
    bool borderResizable_ = true;
    bool maximizeBox_ = true, minimizeBox_ = true;
    bool keepMinWidth_ = true, keepMinHeight_ = true;
    std::int32_t fixedWidth_ = -1, fixedHeight_ = -1;
    std::int32_t minimumWidth_ = -1, minimumHeight_ = -1;
    std::int32_t normalX_ = 0, normalY_ = 0, normalWidth_ = 500, normalHeight_ = 500;
    bool wasMaximized_ = false;
    std::int32_t targetOpacity_ = 100, currentOpacity_ = 100;
    bool transparencyOnlyOnTop_ = false;
    bool keepInScreen_ = false;
    bool checkReachableOnShow_ = true;
    bool passDoubleClicks_ = true;
    std::int32_t sizingEdge_ = geometry::kNoEdge;
    bool widthChosen_ = false;
    // The width came from the stored settings and was not fitted yet.
    bool widthFromStore_ = false;
    bool fitPending_ = false;
    geometry::Rect sizing_;
    const void* requestValue1_ = nullptr;
    std::intptr_t requestValue2_ = 0, requestValue3_ = 0, requestValue4_ = 0;
    std::intptr_t requestReply_ = 0;
    std::int32_t lastKey_ = 0;
    std::u16string handedArguments_;
    HWND shortcutFocus_ = nullptr;
    bool keyTaken_ = false;
    std::int32_t wheelLines_ = 0;
    std::int32_t dragEndX_ = 0, dragEndY_ = 0;
    bool dragCapture_ = false;
    bool suspended_ = false, shuttingDown_ = false;
    bool active_ = false;
    std::int64_t deactivatedAt_ = 0;
    std::int32_t windowLayoutDepth_ = 0;
    BackBuffer backBuffer_;
    // A window region from the frame drawer is in place.
    bool regionApplied_ = false;
    WPARAM lastSizeKind_ = SIZE_RESTORED;
};

} // namespace s::gui::win
