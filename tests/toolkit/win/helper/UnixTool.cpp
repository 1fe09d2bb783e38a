// Started by the toolkit's input tests: starts the Unix program its first
// argument names (a Z: path), with the remaining command line, and ends.
// Wine starts Unix programs without a process to wait for, and the starting
// process's own standard output can stop reaching its reader afterwards, so
// the tests leave the start to this small process and wait for it instead.
#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    std::wstring command = argv[1];
    for (int i = 2; i < argc; ++i)
        command += std::wstring(L" ") + argv[i];
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1;
    s::system::win::Handle thread(process.hThread), owned(process.hProcess);
    return 0;
}
