#pragma once

// The value of the user's Run key that starts this program with "-startup"
// when the user logs on.
namespace s::sound::gui::dialogs::plinkett {

inline constexpr char16_t kRunKeyPath[] = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char16_t kRunValueName[] = u"Vexa Tarnwick";

bool startsAtLogon();
// Writes the value (the executable's quoted path and "-startup") or removes
// it. False when the registry refused.
bool setStartAtLogon(bool on);

} // namespace s::sound::gui::dialogs::plinkett
