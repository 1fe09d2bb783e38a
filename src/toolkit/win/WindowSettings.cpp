// The window's texts, icons and attachments: title and its language-pack
// identifiers, the localizer, icons, close triggers, the frame drawer, menus
// and the application window.

#include "toolkit/win/Window.h"

#include "foundation/strings/win/WideText.h"
#include "localization/LangPack.h"
#include "localization/Localizer.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/ISkinHolder.h"
#include "toolkit/IWindowState.h"
#include "toolkit/box/IBox.h"
#include "toolkit/drawers/IDrawer.h"
#include "toolkit/menu/IPopupMenu.h"

namespace s::gui::win {

namespace {

// Every component under container hears of the language change, so that
// those with a text identifier look their text up again.
void tellLanguageChange(IComponent& container, void* localizer) {
    for (std::int32_t i = 0; i < container.getComponentCount(); ++i) {
        IComponent* child = container.getComponent(i);
        child->handleEvent(localizer, 0);
        tellLanguageChange(*child, localizer);
    }
}

} // namespace

void Window::handleEvent(void* source, int) {
    if (source == nullptr)
        return;
    // The localizer calls on the thread that chose the language; the title
    // and the language listeners belong to the window's thread.
    if (localizer_ != nullptr && source == static_cast<void*>(localizer_)) {
        auto rebuild = [](void* self) {
            auto* window = static_cast<Window*>(self);
            // The next start opens in the language chosen last.
            if (lang::LangPack* language = window->localizer_->currentLanguage();
                language != nullptr && window->state_ != nullptr)
                window->state_->setLanguage(language->engName().cStr());
            window->buildTitle();
            tellLanguageChange(*window, window->localizer_);
            if (IComponent* bar = window->statusBar_) {
                bar->handleEvent(window->localizer_, 0);
                tellLanguageChange(*bar, window->localizer_);
            }
            window->raise(kLanguageChanged);
        };
        if (hwnd_ == nullptr || isWindowThread())
            rebuild(this);
        else
            invoke(rebuild, this);
        return;
    }
    if (skinHolder_ != nullptr && source == skinHolder_->eventSource()) {
        onSkinChanged();
        return;
    }
    for (std::uint32_t i = 0; i < closeTriggers_.length(); ++i) {
        if (closeTriggers_.at(i) == source) {
            close();
            return;
        }
    }
}

void Window::setTitle(const char16_t* text) {
    title_.set(text != nullptr ? text : u"");
    if (HWND hwnd = hwnd_)
        SetWindowTextW(hwnd, str::win::wide(title_.cStr()));
    if (trayIconShown_)
        modifyTrayTip();
}

void Window::setTitleIds(std::int32_t titleId, std::int32_t versionId) {
    titleId_ = titleId;
    versionId_ = versionId;
    buildTitle();
}

void Window::buildTitle() {
    if (localizer_ == nullptr || titleId_ == -1)
        return;
    str::StrBuffer text(localizer_->getText(titleId_).cStr());
    if (versionId_ != -1) {
        text.append(u" v");
        text.append(localizer_->getText(versionId_).cStr());
    }
    setTitle(text.cStr());
}

// The localizer may outlive the window (a second window closed before the
// program ends), so the window takes itself off its listeners when it goes
// or changes localizer.
void Window::setLocalizer(lang::Localizer* localizer) {
    auto* self = static_cast<events::IEventListener*>(static_cast<IComponent*>(this));
    if (localizer_ != nullptr)
        localizer_->removeListener(self);
    localizer_ = localizer;
    if (localizer == nullptr)
        return;
    localizer->addListener(self);
    buildTitle();
}

namespace {
// Takes ownership of icon when asked, unless the other owner holds it
// already; gives up an owned predecessor.
void keepIcon(system::win::Icon& owner, const system::win::Icon& other, HICON icon, bool owned) {
    if (owner.get() == icon) {
        if (!owned)
            (void)owner.detach();
        return;
    }
    if (owned && other.get() != icon)
        owner.reset(icon);
    else
        owner.reset();
}
} // namespace

// The application's icon group at 16 and 32 toolkit pixels, in the pixels
// of the monitor the window is on: the platform picks the nearest image of
// the group and scales it, so a 150 % display gets 24 and 48 pixel icons.
void Window::loadApplicationIcons() {
    HINSTANCE module = GetModuleHandleW(nullptr);
    DisplayScale at = scale();
    auto load = [module](std::int32_t size) {
        return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(kApplicationIconId),
                                             IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    };
    HICON smallIcon = load(at.px(16));
    HICON largeIcon = load(at.px(32));
    if (smallIcon != nullptr)
        setSmallIcon(smallIcon, true);
    if (largeIcon != nullptr)
        setLargeIcon(largeIcon, true);
}

void Window::setSmallIcon(void* icon, bool owned) {
    auto handle = static_cast<HICON>(icon);
    keepIcon(smallIconOwned_, largeIconOwned_, handle, owned);
    smallIcon_ = handle;
    if (HWND hwnd = hwnd_)
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(handle));
    owner_.setIcon(ICON_SMALL, handle);
    updateTrayIcon();
}

void Window::setLargeIcon(void* icon, bool owned) {
    auto handle = static_cast<HICON>(icon);
    keepIcon(largeIconOwned_, smallIconOwned_, handle, owned);
    largeIcon_ = handle;
    if (HWND hwnd = hwnd_)
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(handle));
    owner_.setIcon(ICON_BIG, handle);
}

// The window hears the trigger's clicks; controls with events of their own
// will register the window with those once the toolkit has them.
void Window::addCloseTrigger(IComponent* component) {
    if (component == nullptr)
        return;
    closeTriggers_.add(static_cast<void*>(component));
    if (auto* box = dynamic_cast<IBox*>(component))
        box->addClickListener(static_cast<events::IEventListener*>(static_cast<IComponent*>(this)));
}

void Window::setFrameDrawer(drawer::IDrawer* drawer, bool owned) {
    if (frameDrawer_ != nullptr && frameDrawerOwned_ && frameDrawer_ != drawer)
        frameDrawer_->release();
    frameDrawer_ = drawer;
    frameDrawerOwned_ = owned;
    if (drawer != nullptr)
        setStandardFrame(false);
    if (HWND hwnd = hwnd_)
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    applyRegion();
    repaint();
}

void Window::setContextMenu(IPopupMenu* menu, bool owned) {
    if (menu != contextMenu_)
        releaseOwnedContextMenu();
    contextMenu_ = menu;
    contextMenuOwned_ = owned;
}

void Window::releaseOwnedContextMenu() {
    if (contextMenuOwned_) {
        if (auto* pooled = dynamic_cast<thread::IPoolable*>(contextMenu_))
            pooled->release();
    }
    contextMenu_ = nullptr;
    contextMenuOwned_ = false;
}

// The window takes its icons and its state from the application window.
void Window::setApplicationWindow(app::IAppWindow* appWindow, bool withVersion) {
    appWindow_ = appWindow;
    appWindowWithVersion_ = withVersion;
    state_ = dynamic_cast<app::IWindowState*>(appWindow);
    if (appWindow == nullptr)
        return;
    applicationIcons_ = true;
    loadApplicationIcons();
    if (lang::Localizer* localizer = appWindow->getLocalizer())
        setLocalizer(localizer);
    if (ISkinHolder* holder = appWindow->getSkinHolder())
        setSkinHolder(holder);
    if (state_ == nullptr)
        return;
    std::int32_t base = state_->getProductTextBase();
    setTitleIds(base, withVersion ? base + 10 : -1);
    setEasyDrag(state_->getEasyDrag());
    setKeepOnTop(state_->getKeepOnTop());
    setMiddleClickAction(state_->getMiddleClickAction());
    widthFromStore_ = state_->hasWidth();
    if (state_->hasX() && state_->hasY()) {
        setBounds(state_->getX(), state_->getY(), state_->getWidth(), state_->getHeight());
        if (!isReachable())
            centerInParent();
    } else {
        setSize(state_->getWidth(), state_->getHeight());
    }
}

void Window::setEasyDrag(bool on) {
    easyDrag_ = on;
    if (state_ != nullptr)
        state_->setEasyDrag(on);
}

void Window::setMiddleClickAction(const char16_t* action) {
    middleClickAction_ = action;
    if (state_ != nullptr)
        state_->setMiddleClickAction(action);
}

// Each value is written only when it is missing or different.
void Window::reportBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    if (!state_->hasX() || state_->getX() != x)
        state_->setX(x);
    if (!state_->hasY() || state_->getY() != y)
        state_->setY(y);
    if (!state_->hasWidth() || state_->getWidth() != w)
        state_->setWidth(w);
    if (!state_->hasHeight() || state_->getHeight() != h)
        state_->setHeight(h);
}

void Window::saveState(bool) {
    HWND hwnd = hwnd_;
    if (state_ == nullptr || hwnd == nullptr || !visible_)
        return;
    if (IsZoomed(hwnd)) {
        if (!state_->getMaximized())
            state_->setMaximized(true);
        return;
    }
    if (IsIconic(hwnd))
        return;
    if (state_->getMaximized())
        state_->setMaximized(false);
    geometry::Rect r = windowRect();
    reportBounds(r.left, r.top, scale().toToolkit(r.width()), scale().toToolkit(r.height()));
}

} // namespace s::gui::win
