#pragma once

#include "toolkit/IAppWindow.h"

#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::app::win {

class AppBase;

// The defaults a top-level window starts from before anything is stored.
struct AppWindowDefaults {
    std::int32_t width = 200;
    std::int32_t height = 100;
    bool keepOnTop = true;
    const char16_t* onMClick = u"Iconize";
    const char16_t* defaultSkin = u"Gray WG";
    const char16_t* skinResourceType = u"IDR_XML";
    std::int32_t skinResourceId = 150;
};

// The stored identity of one top-level window: its name, defaults, settings
// sections and skin set.
class AppWindow : public IAppWindow {
public:
    const char16_t* getClassName() const { return u"s_app_win_AppWindow"; }

    void create(AppBase* appBase, const char16_t* name, const AppWindowDefaults& defaults,
                gui::drawer::Skinner* skinSet);

    AppBase* getAppBase() { return appBase_; }
    const str::StrBuffer& getName() const { return name_; }
    const AppWindowDefaults& getDefaults() const { return defaults_; }

    const char16_t* getSectionPath(const char16_t* section) override;
    map::IMappedData* getStore() override;
    lang::Localizer* getLocalizer() override;
    gui::drawer::Skinner* getSkinSet() override { return skinSet_; }

private:
    AppBase* appBase_ = nullptr;
    str::StrBuffer name_;
    str::StrBuffer pathBuffer_;
    AppWindowDefaults defaults_;
    gui::drawer::Skinner* skinSet_ = nullptr;
};

} // namespace s::app::win
