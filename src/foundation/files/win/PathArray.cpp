#include "foundation/files/win/PathArray.h"

#include "foundation/objects/Pools.h"
#include "foundation/files/win/PathWin.h"

namespace s::file::win {

PathArray::PathArray() {
    paths_.setDestroyer(&thread::poolOf<PathWin>());
}

PathArray::~PathArray() {
    // Destroyed outright: the path pool may already be gone when an idle
    // array is destroyed at exit.
    for (std::uint32_t i = 0; i < paths_.length(); ++i)
        delete at(i);
    paths_.setDestroyer(nullptr);
}

base::IObject* PathArray::newInstance() const {
    return thread::take<PathArray>();
}

void PathArray::release() {
    thread::giveBack(this);
}

void PathArray::clear() {
    paths_.freeMemory();
    paths_.setDestroyer(&thread::poolOf<PathWin>());
}

void PathArray::createDependentPools() {
    thread::poolOf<PathWin>();
}

PathWin* PathArray::at(std::uint32_t i) const {
    return static_cast<PathWin*>(paths_.at(i));
}

void PathArray::add(PathWin* path) {
    paths_.add(path);
}

} // namespace s::file::win
