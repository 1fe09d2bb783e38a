#pragma once

#include "localization/IEventListener.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/Image.h"

#include <cstdint>

namespace s::gui::win {
class Button;
class Label;
class Window;
class Box;
} // namespace s::gui::win

namespace s::sound::gui::dialogs::plinkett {

// The version-information window: a second application window,
// "AboutWindow", with the product's name, version and texts, its picture,
// a link to its web page and a Close button, painted in a skin of its own
// set ("Classic LG" unless another is stored).
//
// Made on first use and shown again on later ones. Closing it (its buttons,
// a middle click, the platform's close) only hides it; it lives until
// clear(), which the timer calls when it is reset or the program ends.
class VersionWindow final : public s::gui::events::IEventListener {
public:
    static constexpr char16_t kWindowName[] = u"AboutWindow";
    static constexpr std::int32_t kDefaultWidth = 340;
    static constexpr std::int32_t kDefaultHeight = 285;
    static constexpr char16_t kDefaultSkin[] = u"Classic LG";

    VersionWindow() = default;
    ~VersionWindow() override;
    VersionWindow(const VersionWindow&) = delete;
    VersionWindow& operator=(const VersionWindow&) = delete;

    // Shows the window, making it first when there is none yet, and brings
    // it forward. Nothing happens when mainWindow cannot make windows.
    void show(app::IAppWindow* mainWindow);
    // Destroys the window and gives back its application window with the
    // skin set it owns.
    void clear();

    // Null until the first show and after clear().
    s::gui::win::Window* window() const { return window_; }
    app::IAppWindow* appWindow() const { return appWindow_; }

    // The window's close, keys and language change, and the Close buttons.
    void handleEvent(void* source, int eventId) override;

private:
    bool create(app::IAppWindow* mainWindow);
    static void buildOnWindowThread(void* self);
    void build();
    s::gui::win::Box* buildTitleBar();
    s::gui::win::Box* buildBody();
    void showLink();

    app::IAppWindow* appWindow_ = nullptr;
    s::gui::win::Window* window_ = nullptr;
    // The application's tall picture at the size it is shown.
    s::gui::Image picture_;
    s::gui::win::Label* link_ = nullptr;
    s::gui::win::Button* closeGlyph_ = nullptr;
    s::gui::win::Button* closeButton_ = nullptr;
};

} // namespace s::sound::gui::dialogs::plinkett
