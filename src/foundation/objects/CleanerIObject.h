#pragma once

#include "foundation/objects/IGenerator.h"

namespace s::cleaner {

// Deletes framework objects outright: *pointer must be an IObject*.
class CleanerIObject : public base::IDestructor {
public:
    void destroy(void** pointer) override;

    // The one process-wide instance.
    static CleanerIObject& instance();
};

} // namespace s::cleaner
