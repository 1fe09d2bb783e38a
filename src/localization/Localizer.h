#pragma once

#include "foundation/StrBuffer.h"

#include <cstdint>

namespace s::lang {

// Turns language identifiers into texts of the current language. Until the
// language pack is embedded it knows the English texts that the timer and
// the start-up use.
class Localizer {
public:
    // The text for id, or the empty string when the identifier is unknown.
    const str::StrBuffer& getText(std::int32_t id) const;
};

} // namespace s::lang
