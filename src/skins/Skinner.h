#pragma once

#include <string>

namespace s::gui::drawer {

// A named set of skins with a current one. Until the skin set is built in,
// it carries only its name.
class Skinner {
public:
    void setName(const std::u16string& name) { name_ = name; }
    const std::u16string& getName() const { return name_; }

private:
    std::u16string name_;
};

} // namespace s::gui::drawer
