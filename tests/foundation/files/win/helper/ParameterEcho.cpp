// Started by the shell-execution tests: writes the arguments after the first
// to the file the first names, joined by '|', so that a test sees how its
// parameter string reached the program. The text is written beside the file
// and then moved into place, so that a polling test never reads half of it.
#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    std::wstring joined;
    for (int i = 2; i < argc; ++i) {
        if (i > 2)
            joined += L'|';
        joined += argv[i];
    }
    std::string bytes(static_cast<std::size_t>(joined.size()) * 3, '\0');
    int n = WideCharToMultiByte(CP_UTF8, 0, joined.data(), static_cast<int>(joined.size()),
                                bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    std::wstring target = argv[1];
    std::wstring partial = target + L".part";
    s::system::win::Handle file(CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return 1;
    DWORD written = 0;
    bool ok =
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    file.reset(); // closed before it moves into place
    return ok && MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
