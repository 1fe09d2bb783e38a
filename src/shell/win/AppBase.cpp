#include "shell/win/AppBase.h"

#include "foundation/DiagnosticLog.h"

#include <windows.h>

#include <shellapi.h>

namespace s::app::win {

AppBase::AppBase() {
    int count = 0;
    if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
        LocalFree(arguments);
        argumentCount_ = count > 1 ? count - 1 : 0;
    }
}

void AppBase::runFirstStart() { log::write("application base: first-start step"); }

bool AppBase::findOtherInstance(bool) { return false; }

} // namespace s::app::win
