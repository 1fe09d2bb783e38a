#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/IWindowState.h"

#include <cstdint>

namespace s::app::win {

class AppBase;

// The defaults a window starts from are the toolkit's, as the timer names
// them when it makes windows of its own.
using app::AppWindowDefaults;

// The persistent identity of one top-level window: its name, its remembered
// position, size and view options, its middle-click action, its skin set and
// chosen skin, and the product texts of its title. It holds no native
// window; an attached toolkit Window reads its state from here and reports
// every change back, and each change is written to the store at once.
//
// Section paths and the middle-click comparison use buffers of the object,
// so a path returned by getSectionPath lives only until the next call.
class AppWindow final : public base::IObject,
                        public thread::IPoolable,
                        public IAppWindow,
                        public IWindowState {
public:
    static constexpr std::int32_t kProductTextBase = 500000;
    static constexpr std::int32_t kSoftwareIdText = 300000;

    AppWindow() { clear(); }
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;
    ~AppWindow() override;

    const char16_t* getClassName() const override { return u"s_app_win_AppWindow"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    // Takes one from the pool and initialises it; skinSet may be null, and
    // when it is not the application base's set the window owns it.
    static AppWindow* create(AppBase* appBase, const char16_t* name,
                             const AppWindowDefaults& defaults, gui::drawer::Skinner* skinSet);

    AppBase* getAppBase() const { return appBase_; }
    const str::StrBuffer& getName() const { return name_; }

    // IAppWindow
    const char16_t* getSectionPath(const char16_t* section) override;
    map::IMappedData* getStore() override;
    lang::Localizer* getLocalizer() override;
    gui::drawer::Skinner* getSkinSet() override { return skinSet_; }
    gui::ISkinHolder* getSkinHolder() override;
    IAppWindow* createAppWindow(const char16_t* name, const AppWindowDefaults& defaults,
                                gui::drawer::Skinner* skinSet) override;
    const gui::Image* getWideImage() override;
    const gui::Image* getTallImage() override;

    bool hasSkinSet() const { return skinSet_ != nullptr; }
    bool ownsSkinSet() const { return ownsSkinSet_; }
    // The stored skin name when the set holds it, else the default.
    const char16_t* getSkin();
    // The skin's name stored as the window's "Skin" (the application's, when
    // the window shares the application's set).
    void setSkin(const char16_t* name) override;
    // The application-wide "Language".
    void setLanguage(const char16_t* engName) override;

    void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
    void setSize(std::int32_t w, std::int32_t h);
    void removeBounds();
    // At least 10 pixels and not beyond the virtual screen.
    bool isWidthValid();
    bool isHeightValid();
    bool isMiddleClickClose();
    bool isMiddleClickIconize();

    // IWindowState
    std::int32_t getProductTextBase() override { return productTextBase_; }
    bool hasPosition() override { return hasX() && hasY(); }
    bool hasX() override;
    std::int32_t getX() override;
    void setX(std::int32_t x) override;
    bool hasY() override;
    std::int32_t getY() override;
    void setY(std::int32_t y) override;
    bool hasWidth() override;
    std::int32_t getWidth() override;
    void setWidth(std::int32_t w) override;
    bool hasHeight() override;
    std::int32_t getHeight() override;
    void setHeight(std::int32_t h) override;
    bool getEasyDrag() override;
    void setEasyDrag(bool on) override;
    bool getMaximized() override;
    void setMaximized(bool on) override;
    bool getKeepOnTop() override;
    void setKeepOnTop(bool on) override;
    const char16_t* getMiddleClickAction() override;
    void setMiddleClickAction(const char16_t* action) override;

private:
    void init(AppBase* appBase, const char16_t* name, const AppWindowDefaults& defaults,
              gui::drawer::Skinner* skinSet);
    const char16_t* viewPath() { return getSectionPath(u"View"); }
    // The stored "OnMClick" text, or the current action's, compared ignoring case.
    bool storedActionIs(const char16_t* literal);

    str::StrBuffer scratch_;
    str::StrBuffer pathBuffer_;
    AppBase* appBase_ = nullptr;
    str::StrBuffer name_;
    std::int32_t productTextBase_ = kProductTextBase;
    gui::drawer::Skinner* skinSet_ = nullptr;
    bool ownsSkinSet_ = false;
    str::StrBuffer defaultSkinName_;
    std::int32_t defaultWidth_ = 500;
    std::int32_t defaultHeight_ = 500;
    bool defaultEasyDrag_ = true;
    bool defaultMaximized_ = false;
    bool defaultKeepOnTop_ = false;
    const char16_t* middleClickAction_ = nullptr;
};

} // namespace s::app::win
