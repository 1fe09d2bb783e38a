#include "toolkit/controls/win/ControlMessages.h"

namespace s::gui::win {

namespace {

struct Reflection {
    UINT notification;
    UINT message;
};

// Notification codes overlap between classes (a button's lost focus has the
// code of a combo box's drop-down), so each class has its own table.
constexpr Reflection kButton[] = {
    {BN_CLICKED, kReflectedClick},
    {BN_DOUBLECLICKED, kReflectedDoubleClick},
    {BN_KILLFOCUS, kReflectedFocusLost},
};
constexpr Reflection kComboBox[] = {
    {CBN_SELCHANGE, kReflectedSelection}, {CBN_DBLCLK, kReflectedDoubleClick},
    {CBN_DROPDOWN, kReflectedDropDown},   {CBN_CLOSEUP, kReflectedCloseUp},
    {CBN_KILLFOCUS, kReflectedFocusLost}, {CBN_EDITCHANGE, kReflectedTextChange},
};
constexpr Reflection kEdit[] = {
    {EN_CHANGE, kReflectedTextChange},
    {EN_KILLFOCUS, kReflectedFocusLost},
};
constexpr Reflection kListBox[] = {
    {LBN_SELCHANGE, kReflectedSelection},
    {LBN_DBLCLK, kReflectedDoubleClick},
    {LBN_KILLFOCUS, kReflectedFocusLost},
};

template <std::size_t N> UINT find(const Reflection (&table)[N], UINT notification) {
    for (const Reflection& r : table) {
        if (r.notification == notification)
            return r.message;
    }
    return 0;
}

} // namespace

UINT reflectedCommand(const wchar_t* className, UINT notification) {
    if (lstrcmpiW(className, L"Button") == 0)
        return find(kButton, notification);
    if (lstrcmpiW(className, L"ComboBox") == 0)
        return find(kComboBox, notification);
    if (lstrcmpiW(className, L"Edit") == 0)
        return find(kEdit, notification);
    if (lstrcmpiW(className, L"ListBox") == 0 || lstrcmpiW(className, L"ComboLBox") == 0)
        return find(kListBox, notification);
    return 0;
}

} // namespace s::gui::win
