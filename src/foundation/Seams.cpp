#include "foundation/Seams.h"

#include <atomic>

namespace s::seams {

namespace {
std::atomic<ClockFunction> clockFunction{nullptr};
}

void setClock(ClockFunction function) { clockFunction.store(function); }

ClockFunction clock() { return clockFunction.load(std::memory_order_relaxed); }

} // namespace s::seams
