#include "shell/win/ProcessCommandLine.h"

#include "foundation/strings/win/WideText.h"
#include "foundation/system/win/Handles.h"
#include "shell/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

namespace s::process::commandline::win {

bool parseProcessCommandLine(CommandLine& out, const char16_t* commandLineText) {
    const wchar_t* text =
        commandLineText != nullptr ? str::win::wide(commandLineText) : GetCommandLineW();
    int count = 0;
    system::win::LocalMemory<LPWSTR*> arguments(CommandLineToArgvW(text, &count));
    if (!arguments)
        return false;
    for (int i = 1; i < count; ++i)
        out.addArgument(str::win::fromWide(arguments.get()[i]));
    return true;
}

} // namespace s::process::commandline::win
