// The window's own keyboard navigation. The platform's dialog navigation
// (GetNextDlgTabItem) walks every child window that is not hidden, which
// here includes the controls of collapsed boxes and buttons of no width:
// they are windows the user cannot see. These walks skip them.

#include "toolkit/win/KeyboardNavigation.h"

#include <vector>

namespace s::gui::win {

namespace {

bool isRadio(HWND hwnd) {
    wchar_t name[16] = {};
    if (GetClassNameW(hwnd, name, 16) == 0 || lstrcmpiW(name, L"Button") != 0)
        return false;
    const LONG_PTR type = GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
}

bool isChecked(HWND hwnd) {
    return SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Whether some of the window lies inside every window around it up to the
// root, which is where the user can see it.
bool shows(HWND root, HWND hwnd) {
    if (!IsWindowVisible(hwnd))
        return false;
    RECT seen;
    if (!GetWindowRect(hwnd, &seen) || IsRectEmpty(&seen))
        return false;
    for (HWND parent = GetParent(hwnd); parent != nullptr; parent = GetParent(parent)) {
        RECT client;
        if (!GetClientRect(parent, &client))
            return false;
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
        if (!IntersectRect(&seen, &seen, &client))
            return false;
        if (parent == root)
            return true;
    }
    return false;
}

bool takesTab(HWND root, HWND hwnd) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    return (style & WS_TABSTOP) != 0 && IsWindowEnabled(hwnd) && shows(root, hwnd);
}

// The shown radio buttons of the box the radio lies in, in child order.
std::vector<HWND> radiosBeside(HWND root, HWND radio) {
    std::vector<HWND> radios;
    for (HWND sibling = GetWindow(GetParent(radio), GW_CHILD); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (isRadio(sibling) && IsWindowEnabled(sibling) && shows(root, sibling))
            radios.push_back(sibling);
    }
    return radios;
}

// A group of radio buttons is one stop: the checked one, or the first when
// none is.
bool isGroupStop(HWND root, HWND radio) {
    if (isChecked(radio))
        return true;
    std::vector<HWND> radios = radiosBeside(root, radio);
    for (HWND other : radios) {
        if (isChecked(other))
            return false;
    }
    return !radios.empty() && radios.front() == radio;
}

struct TabWalk {
    HWND root;
    std::vector<HWND> stops;
};

// Child windows come in the order they were made, parents before their
// children, which is the order the layout places them in: top to bottom,
// and left to right along a row.
BOOL CALLBACK collectStop(HWND hwnd, LPARAM lParam) {
    auto* walk = reinterpret_cast<TabWalk*>(lParam);
    if (takesTab(walk->root, hwnd) && (!isRadio(hwnd) || isGroupStop(walk->root, hwnd)))
        walk->stops.push_back(hwnd);
    return TRUE;
}

bool ownsMessage(HWND root, const MSG& msg) {
    return root != nullptr && (msg.hwnd == root || IsChild(root, msg.hwnd));
}

} // namespace

bool moveFocusByTab(HWND root, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !ownsMessage(root, msg))
        return false;
    TabWalk walk{root, {}};
    EnumChildWindows(root, collectStop, reinterpret_cast<LPARAM>(&walk));
    if (walk.stops.empty())
        return false;
    const bool back = GetKeyState(VK_SHIFT) < 0;
    HWND focus = GetFocus();
    // The field inside a combo box stands for its box.
    for (HWND h = focus; h != nullptr && h != root; h = GetParent(h)) {
        for (std::size_t i = 0; i < walk.stops.size(); ++i) {
            if (walk.stops[i] != h)
                continue;
            const std::size_t n = walk.stops.size();
            HWND next = walk.stops[back ? (i + n - 1) % n : (i + 1) % n];
            SetFocus(next);
            return true;
        }
    }
    SetFocus(back ? walk.stops.back() : walk.stops.front());
    return true;
}

bool pressFocusedButton(HWND root, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN || !ownsMessage(root, msg) ||
        msg.hwnd != GetFocus())
        return false;
    wchar_t name[16] = {};
    GetClassNameW(msg.hwnd, name, 16);
    const LONG_PTR type = GetWindowLongPtrW(msg.hwnd, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiW(name, L"Button") != 0 ||
        (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && type != BS_OWNERDRAW))
        return false;
    // The platform's own press by Space: down, then up, then the click.
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(VK_SPACE, MAPVK_VK_TO_VSC)) << 16;
    SendMessageW(msg.hwnd, WM_KEYDOWN, VK_SPACE, scan | 1);
    SendMessageW(msg.hwnd, WM_KEYUP, VK_SPACE, scan | 1 | (LPARAM{3} << 30));
    return true;
}

bool moveAmongRadios(HWND root, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !ownsMessage(root, msg) || !isRadio(msg.hwnd))
        return false;
    int step = 0;
    switch (msg.wParam) {
    case VK_RIGHT:
    case VK_DOWN:
        step = 1;
        break;
    case VK_LEFT:
    case VK_UP:
        step = -1;
        break;
    default:
        return false;
    }
    std::vector<HWND> radios = radiosBeside(root, msg.hwnd);
    const int n = static_cast<int>(radios.size());
    for (int i = 0; i < n; ++i) {
        if (radios[static_cast<std::size_t>(i)] != msg.hwnd)
            continue;
        HWND next = radios[static_cast<std::size_t>((i + step + n) % n)];
        if (next == msg.hwnd)
            return true;
        SetFocus(next);
        // A click checks it and raises the events a mouse click would.
        SendMessageW(next, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

} // namespace s::gui::win
