#pragma once

#include "toolkit/component/IContainer.h"

#include <cstdint>

namespace s::lang {
class Localizer;
}
namespace s::app {
class IAppWindow;
}
namespace s::gui::drawer {
class IDrawer;
}
namespace s::gui::layout {
class ILayoutManager;
}

namespace s::gui {

class IPopupMenu;
class IMenuBar;
class ISkinHolder;

// The top-level window: a container that owns a native top-level window, runs
// its message loop on a user-interface thread of its own and raises its
// events, on that thread, with static_cast<IComponent*>(window) as source:
//  1 close (a listener may cancelClose)   2 request        3 right button down
//  4 resized        5 left button down    6 activated      7 deactivated
//  8 sizing         9 middle button down 10 position changing 11 moved
// 12 key down      13 mouse move         14 wheel         15 instance call
// 16 double click  17 drag ended         18 tray right click 19 right-click menu
// 20 language changed 21 restored        22 tray left click 24 right button up
// 25 left button up.
// Icons are the platform's icon handles. Other threads may call the setters;
// requests, message boxes and attaching children are carried to the window's
// thread by the window itself.
class IWindow : public IContainer {
public:
    enum Event : int {
        kClose = 1,
        kRequest = 2,
        kRightButtonDown = 3,
        kResized = 4,
        kLeftButtonDown = 5,
        kActivated = 6,
        kDeactivated = 7,
        kSizing = 8,
        kMiddleButtonDown = 9,
        kPositionChanging = 10,
        kMoved = 11,
        kKeyDown = 12,
        kMouseMove = 13,
        kWheel = 14,
        kInstanceCall = 15,
        kDoubleClick = 16,
        kDragEnded = 17,
        kTrayRightClick = 18,
        kRightClickMenu = 19,
        kLanguageChanged = 20,
        kRestored = 21,
        kTrayLeftClick = 22,
        // The shell made the window's taskbar button (again): what the
        // button shows beyond the window's icon and title has to be set anew.
        kTaskbarButtonCreated = 23,
        kRightButtonUp = 24,
        kLeftButtonUp = 25,
        // A key pressed anywhere in the window, before the control with the
        // focus sees it; a listener that acts on it calls takeKey().
        kShortcutKey = 26,
        // Another copy of the program handed over its arguments.
        kArgumentsHanded = 27,
        // The user's session ends (log off, restart, shut down): the process
        // may be ended once the listeners return, closed or not.
        kSessionEnding = 28,
    };
    static constexpr int kEventKinds = 28;

    // The middle-click actions, compared by identity: each is one object of
    // the whole program (an inline array), unlike a literal, which each
    // translation unit may hold a copy of.
    static constexpr char16_t kMiddleClose[] = u"Close";
    static constexpr char16_t kMiddleIconize[] = u"Iconize";
    static constexpr char16_t kMiddleDoNothing[] = u"DoNothing";

    virtual void setLayout(layout::ILayoutManager* manager) = 0;
    virtual void setLeft(std::int32_t x) = 0;
    virtual void setTop(std::int32_t y) = 0;
    virtual bool isClosed() const = 0;
    virtual void close() = 0;
    virtual void cancelClose() = 0;
    virtual void waitUntilClosed() = 0;
    virtual void activate(bool on) = 0;
    virtual bool isMinimized() = 0;
    virtual void minimize() = 0;
    virtual bool isMaximized() = 0;
    virtual void maximize() = 0;
    virtual void restore() = 0;
    virtual void showNormal() = 0;
    virtual void iconize() = 0;
    virtual bool isIconized() const = 0;
    virtual void setEasyDrag(bool on) = 0;
    virtual void setMaximizeBox(bool on) = 0;
    virtual void setMinimizeBox(bool on) = 0;
    virtual void setSystemMenu(bool on) = 0;
    virtual void setCaption(bool on) = 0;
    virtual void setToolWindow(bool on) = 0;
    virtual void setStandardFrame(bool on) = 0;
    virtual void setClientEdge(bool on) = 0;
    virtual void setTaskbarButton(bool on) = 0;
    virtual void setTrayIcon(bool on) = 0;
    virtual void updateTrayIcon() = 0;
    virtual void setTrayIconPinned(bool on) = 0;
    virtual bool isTrayIconShown() const = 0;
    virtual bool isBorderResizable() const = 0;
    virtual void setBorderResizable(bool on) = 0;
    virtual void setTrayIconKept(bool on) = 0;
    virtual void setCloseIconizes(bool on) = 0;
    virtual void setModalState(bool on) = 0;
    virtual void setKeepOnTop(bool on) = 0;
    virtual bool isKeepOnTop() const = 0;
    virtual const char16_t* getTitle() const = 0;
    virtual void setTitle(const char16_t* text) = 0;
    virtual void setTitleIds(std::int32_t titleId, std::int32_t versionId) = 0;
    virtual void* getSmallIcon() const = 0;
    virtual void setSmallIcon(void* icon, bool owned) = 0;
    virtual void* getLargeIcon() const = 0;
    virtual void setLargeIcon(void* icon, bool owned) = 0;
    virtual bool hasLocalizer() const = 0;
    virtual lang::Localizer* getLocalizer() const = 0;
    virtual void setLocalizer(lang::Localizer* localizer) = 0;
    virtual bool hasSkinHolder() const = 0;
    virtual ISkinHolder* getSkinHolder() const = 0;
    // Takes the window painter from the holder and listens to its skin
    // changes.
    virtual void setSkinHolder(ISkinHolder* holder) = 0;
    virtual void addCloseTrigger(IComponent* component) = 0;
    virtual void addCloseListener(events::IEventListener* listener) = 0;
    virtual void addRightButtonDownListener(events::IEventListener* listener) = 0;
    virtual void addLeftButtonDownListener(events::IEventListener* listener) = 0;
    virtual void addRightButtonUpListener(events::IEventListener* listener) = 0;
    virtual void addLeftButtonUpListener(events::IEventListener* listener) = 0;
    virtual void addTrayClickListener(events::IEventListener* listener) = 0;
    virtual void addDoubleClickListener(events::IEventListener* listener) = 0;
    virtual void addMiddleClickListener(events::IEventListener* listener) = 0;
    virtual void addResizeListener(events::IEventListener* listener) = 0;
    virtual void addActivateListener(events::IEventListener* listener) = 0;
    virtual void addDeactivateListener(events::IEventListener* listener) = 0;
    virtual void addPositionChangingListener(events::IEventListener* listener) = 0;
    virtual void addMoveListener(events::IEventListener* listener) = 0;
    virtual void addKeyListener(events::IEventListener* listener) = 0;
    virtual void addTrayRightClickListener(events::IEventListener* listener) = 0;
    virtual void addRightClickListener(events::IEventListener* listener) = 0;
    virtual void addRestoreListener(events::IEventListener* listener) = 0;
    virtual void setMenuBar(IMenuBar* menu) = 0;
    virtual void setTrayMenu(IPopupMenu* menu) = 0;
    // Synchronous: returns the reply a request listener set, 0 when the
    // window does not exist, is closing or is being destroyed.
    virtual std::intptr_t sendRequest(const void* a, std::intptr_t b, std::intptr_t c,
                                      std::intptr_t d) = 0;
    // Asynchronous: the values are copied and delivered later; false when
    // they could not be queued.
    virtual bool postRequest(const void* a, std::intptr_t b, std::intptr_t c,
                             std::intptr_t d) = 0;
    virtual const void* getRequestValue1() const = 0;
    virtual std::intptr_t getRequestValue2() const = 0;
    virtual std::intptr_t getRequestValue3() const = 0;
    virtual std::intptr_t getRequestValue4() const = 0;
    virtual void setRequestReply(std::intptr_t value) = 0;
    virtual void addRequestListener(events::IEventListener* listener) = 0;
    virtual void setFocus() = 0;
    virtual void setContextMenu(IPopupMenu* menu, bool owned) = 0;
    virtual bool isSizingLeft() const = 0;
    virtual bool isSizingRight() const = 0;
    virtual bool isSizingTop() const = 0;
    virtual bool isSizingBottom() const = 0;
    virtual bool isSizingTopLeft() const = 0;
    virtual bool isSizingTopRight() const = 0;
    virtual bool isSizingBottomLeft() const = 0;
    virtual bool isSizingBottomRight() const = 0;
    virtual std::int32_t getSizingLeft() const = 0;
    virtual void setSizingLeft(std::int32_t v) = 0;
    virtual std::int32_t getSizingRight() const = 0;
    virtual void setSizingRight(std::int32_t v) = 0;
    virtual std::int32_t getSizingTop() const = 0;
    virtual void setSizingTop(std::int32_t v) = 0;
    virtual std::int32_t getSizingBottom() const = 0;
    virtual void setSizingBottom(std::int32_t v) = 0;
    virtual void addSizingListener(events::IEventListener* listener) = 0;
    virtual void setFrameDrawer(drawer::IDrawer* drawer, bool owned) = 0;
    virtual void setFixedWidth(std::int32_t w) = 0;
    virtual void setFixedHeight(std::int32_t h) = 0;
    virtual void setKeepMinimumSize(bool on) = 0;
    virtual void setKeepMinimumSize(bool onWidth, bool onHeight) = 0;
    virtual void enforceMinimumSize() = 0;
    virtual void shrinkToMinimumHeight() = 0;
    virtual void shrinkToMinimumSize() = 0;
    virtual void setToPreferredSize() = 0;
    virtual std::int32_t getLastKey() const = 0;
    virtual void addMouseMoveListener(events::IEventListener* listener) = 0;
    virtual void addWheelListener(events::IEventListener* listener) = 0;
    virtual std::int32_t getWheelLines() const = 0;
    virtual std::int32_t getFrameWidth() = 0;
    virtual std::int32_t getFrameHeight() = 0;
    virtual void setMinimumWidth(std::int32_t w) = 0;
    virtual void setMinimumHeight(std::int32_t h) = 0;
    virtual void focusNext() = 0;
    virtual void showInformation(const char16_t* text) = 0;
    virtual void showError(const char16_t* text) = 0;
    virtual bool askYesNo(const char16_t* text) = 0;
    virtual void setApplicationWindow(app::IAppWindow* appWindow, bool withVersion) = 0;
    virtual void saveState(bool force) = 0;
    virtual void setMiddleClickAction(const char16_t* action) = 0;
    virtual bool isReachable() = 0;
    virtual void moveIntoScreen() = 0;
    virtual void show(bool visible, bool activate) = 0;
    virtual void addInstanceListener(events::IEventListener* listener) = 0;
    virtual void setTransparency(std::int32_t percent, bool onlyOnTop) = 0;
    virtual void setCheckReachableOnShow(bool on) = 0;
    virtual void setKeepInScreen(bool on) = 0;
    virtual void startDragCapture() = 0;
    virtual std::int32_t getDragEndX() const = 0;
    virtual std::int32_t getDragEndY() const = 0;
    virtual void addDragEndListener(events::IEventListener* listener) = 0;
    virtual void setTrayClickToggles(bool on) = 0;
    virtual void setPassDoubleClicks(bool on) = 0;
    virtual void addLanguageListener(events::IEventListener* listener) = 0;
    virtual bool isSuspended() const = 0;
    virtual bool isShuttingDown() const = 0;
};

} // namespace s::gui
