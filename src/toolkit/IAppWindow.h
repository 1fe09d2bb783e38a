#pragma once

#include <cstdint>

namespace s::map {
class IMappedData;
}
namespace s::lang {
class Localizer;
}
namespace s::gui::drawer {
class Skinner;
}
namespace s::gui {
class ISkinHolder;
class Image;
}

namespace s::app {

// What a top-level window starts from before anything is stored.
struct AppWindowDefaults {
    std::int32_t width = 200;
    std::int32_t height = 100;
    bool keepOnTop = true;
    // One of the window's middle-click literals (gui::IWindow::kMiddle...).
    const char16_t* onMClick = nullptr;
    // Null: the application base's skin set is used.
    const char16_t* defaultSkin = nullptr;
    // With a skin set of the window's own: the built-in skins loaded into it.
    const char16_t* skinResourceType = nullptr;
    std::int32_t skinResourceId = -1;
};

// The stored identity of a top-level window: its settings sections, the
// application's store, language and skin set.
class IAppWindow {
public:
    virtual ~IAppWindow() = default;

    // The window name, "\" and section: the path of one settings section,
    // valid until the next call on this object.
    virtual const char16_t* getSectionPath(const char16_t* section) = 0;
    virtual map::IMappedData* getStore() = 0;
    virtual lang::Localizer* getLocalizer() = 0;
    virtual gui::drawer::Skinner* getSkinSet() = 0;
    // The skin set as the window's skin holder; null while the set does not
    // offer one.
    virtual gui::ISkinHolder* getSkinHolder() { return nullptr; }

    // Another application window of the same application, with settings
    // sections under its own name. A given skin set becomes the new
    // window's own; null shares the application's. Null where this window
    // cannot make others; the caller then keeps the skin set. The caller
    // gives the new window back with release().
    virtual IAppWindow* createAppWindow(const char16_t* name, const AppWindowDefaults& defaults,
                                        gui::drawer::Skinner* skinSet) {
        (void)name;
        (void)defaults;
        (void)skinSet;
        return nullptr;
    }
    // Gives back a window createAppWindow made; one that is not pooled has
    // nothing to give back.
    virtual void release() {}

    // The application's two pictures, a wide and a tall one; null when the
    // application has none.
    virtual const gui::Image* getWideImage() { return nullptr; }
    virtual const gui::Image* getTallImage() { return nullptr; }
};

} // namespace s::app
