#pragma once


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
}

namespace s::app {

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
};

} // namespace s::app
