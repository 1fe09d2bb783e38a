#pragma once

#include "foundation/strings/StrBuffer.h"

namespace s::gui::drawer {

// A named set of skins with a current one. Until the skin set is built in,
// it carries only its name.
class Skinner {
public:
    void setName(const char16_t* name) { name_.set(name); }
    const str::StrBuffer& getName() const { return name_; }

private:
    str::StrBuffer name_;
};

} // namespace s::gui::drawer
