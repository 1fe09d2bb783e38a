#pragma once

#include <windows.h>

namespace s::gui::win {

// Notifications the platform sends to a control's parent come back to the
// control as these messages (wParam and lParam as the original message had
// them), so that each control handles its own.
inline constexpr UINT kReflectedColours = WM_APP + 3;      // 32771, answers a brush
inline constexpr UINT kReflectedClick = WM_APP + 4;        // 32772
inline constexpr UINT kReflectedDoubleClick = WM_APP + 5;  // 32773
inline constexpr UINT kReflectedSelection = WM_APP + 10;   // 32778
inline constexpr UINT kReflectedTextChange = WM_APP + 12;  // 32780
inline constexpr UINT kReflectedDropDown = WM_APP + 15;    // 32783
inline constexpr UINT kReflectedCloseUp = WM_APP + 16;     // 32784
inline constexpr UINT kReflectedFocusLost = WM_APP + 21;   // 32789

// The reflected message of a command notification from a control of the
// given window class, 0 when it has none.
UINT reflectedCommand(const wchar_t* className, UINT notification);

} // namespace s::gui::win
