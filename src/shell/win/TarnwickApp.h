#pragma once

#include "timer/StartRequest.h"

#include <memory>

namespace s::app::win {
class AppBase;
class AppWindow;
} // namespace s::app::win
namespace s::sound::gui::dialogs::plinkett {
class Dialog;
}

// The application object. Its initialisation hook is the whole life of the
// process: start-up, the timer's main routine, tear-down. It always answers
// false, so that no message loop of the application follows.
class CTarnwickApp {
public:
    CTarnwickApp();
    ~CTarnwickApp();
    CTarnwickApp(const CTarnwickApp&) = delete;
    CTarnwickApp& operator=(const CTarnwickApp&) = delete;

    bool initInstance();

    static constexpr char16_t kUnsupportedSystemText[] =
        u"This Operating System is currently not supported by this Application. "
        u"We are sorry for the inconvenience.";

private:
    s::sound::gui::dialogs::plinkett::StartRequest startRequest();
    void tearDown();

    std::unique_ptr<s::app::win::AppBase> appBase_;
    // Owns its skin set, the one made at start-up.
    s::app::win::AppWindow* appWindow_ = nullptr;
    s::sound::gui::dialogs::plinkett::Dialog* dialog_ = nullptr;
};
