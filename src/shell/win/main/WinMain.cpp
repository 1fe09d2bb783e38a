#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/Platform.h"
#include "foundation/system/StartupTrace.h"
#include "shell/win/TarnwickApp.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    s::trace::mark("WinMain entered");
    s::platform::releaseUnusedStack();
    {
        CTarnwickApp app;
        // The hook answers false in every case: there is no application message loop.
        app.initInstance();
    }
    // Started from a terminal (as under Wine), the program leaves its
    // diagnostic log there; a normal Windows start has no standard output.
    for (const std::string& line : s::log::lines()) {
        std::string text = line + "\n";
        s::platform::writeStandardOutput(text.data(), text.size());
    }
    s::trace::mark("tear-down done");
    s::trace::flush();
    return 0;
}
