#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::gui::drawer {

// A painter of one kind of element. Drawers are pooled: releasing one
// restores its defaults.
class IDrawer : public base::IObject, public thread::IPoolable {
public:
    // Paints into the native surface over the rectangle (right and bottom
    // exclusive); nothing when it is empty.
    virtual void paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
};

} // namespace s::gui::drawer
