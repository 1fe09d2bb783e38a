#pragma once

#include <cstdint>

namespace s::gui {

// A window's menu bar, as far as the window's command dispatch needs it.
class IMenuBar {
public:
    virtual ~IMenuBar() = default;
    virtual bool hasItem(std::int32_t commandId) = 0;
    virtual void runCommand(std::int32_t commandId) = 0;
};

} // namespace s::gui
