#include "localization/SystemLanguage.h"

namespace s::lang {

std::uint16_t queryUserUiLanguage() { return 0; }

} // namespace s::lang
