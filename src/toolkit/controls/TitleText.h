#pragma once

#include "foundation/strings/StrBuffer.h"

namespace s::gui::controls {

// The text a platform control shows literally: every "&", which the platform
// would take as the mark of an underlined access key, doubled.
void literalTitle(const char16_t* text, str::StrBuffer& shown);

} // namespace s::gui::controls
