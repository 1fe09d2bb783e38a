// Loaded into the program's window thread by the probe's window hook: Wine
// keeps a menu's entries in the process that made it, so another process
// reads nothing through the menu handle, much as a screen reader has to
// read menus from inside the program. Asked through the registered message
// below, it writes the entries of the menu the popup window shows to a file
// the probe names, one line per entry: depth|id|text|marks|left top right
// bottom (the entry on the screen, for a pointer to go to).

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    char out[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
    return out;
}

void writeMenu(HMENU menu, int depth, const wchar_t* path) {
    FILE* file = _wfopen(path, L"ab");
    if (file == nullptr)
        return;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_ID;
        info.dwTypeData = text;
        info.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            continue;
        std::string marks;
        if (info.fState & MFS_CHECKED)
            marks += 'C';
        if (info.fType & MFT_RADIOCHECK)
            marks += 'R';
        if (info.fState & MFS_DISABLED)
            marks += 'D';
        if (info.fType & MFT_SEPARATOR)
            marks += 'S';
        if (info.hSubMenu != nullptr)
            marks += '>';
        RECT at{};
        GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &at);
        std::fprintf(file, "%d|%u|%s|%s|%ld %ld %ld %ld\n", depth, info.wID, utf8(text).c_str(),
                     marks.c_str(), at.left, at.top, at.right, at.bottom);
    }
    std::fclose(file);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK menuReaderHook(int code, WPARAM wParam,
                                                                 LPARAM lParam) {
    static const UINT ask = RegisterWindowMessageW(L"TarnwickProbeReadMenu");
    if (code == HC_ACTION) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (message->message == ask) {
            wchar_t path[MAX_PATH] = {};
            GetTempPathW(MAX_PATH, path);
            lstrcatW(path, L"e2e_probe_menu.txt");
            auto menu = reinterpret_cast<HMENU>(SendMessageW(message->hwnd, MN_GETHMENU, 0, 0));
            if (menu != nullptr)
                writeMenu(menu, static_cast<int>(message->wParam), path);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
