#include "localization/SystemLanguage.h"

#include <windows.h>

namespace s::lang {

std::uint16_t queryUserUiLanguage() { return GetUserDefaultUILanguage(); }

} // namespace s::lang
