#pragma once

#include "foundation/objects/IObject.h"

#include <cstdint>

namespace s::process::commandline {

// The arguments the process was started with, the program's own name left
// out, options written with "-" or "/" stored alike with "-".
class ICommandLine : public base::IObject {
public:
    virtual std::int32_t count() const = 0;
    // Terminated and owned by the command line; index must be below count ().
    virtual const char16_t* argumentAt(std::int32_t index) const = 0;
    // A debug walk over the arguments; it writes nothing.
    virtual void dump() const = 0;
};

} // namespace s::process::commandline
