#pragma once

#include "shell/IAppWindow.h"

#include <cstdint>
#include <string>

namespace s::app::win {

class AppBase;

// The defaults a top-level window starts from before anything is stored.
struct AppWindowDefaults {
    std::int32_t width = 200;
    std::int32_t height = 100;
    bool keepOnTop = true;
    std::u16string onMClick = u"Iconize";
    std::u16string defaultSkin = u"Gray WG";
    std::u16string skinResourceType = u"IDR_XML";
    std::int32_t skinResourceId = 150;
};

// The stored identity of one top-level window: its name, defaults, settings
// sections and skin set.
class AppWindow : public IAppWindow {
public:
    const char16_t* getClassName() const { return u"s_app_win_AppWindow"; }

    void create(AppBase* appBase, const std::u16string& name, const AppWindowDefaults& defaults,
                gui::drawer::Skinner* skinSet);

    AppBase* getAppBase() { return appBase_; }
    const std::u16string& getName() const { return name_; }
    const AppWindowDefaults& getDefaults() const { return defaults_; }

    std::u16string getSectionPath(const std::u16string& section) const override;
    map::IMappedData* getStore() override;
    lang::Localizer* getLocalizer() override;
    gui::drawer::Skinner* getSkinSet() override { return skinSet_; }

private:
    AppBase* appBase_ = nullptr;
    std::u16string name_;
    AppWindowDefaults defaults_;
    gui::drawer::Skinner* skinSet_ = nullptr;
};

} // namespace s::app::win
