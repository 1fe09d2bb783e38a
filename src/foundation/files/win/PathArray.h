#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::file::win {

class PathWin;

// A pooled list of paths that owns them: clearing it gives every path back to
// the path pool.
class PathArray final : public base::IObject, public thread::IPoolable {
public:
    PathArray();
    ~PathArray() override;
    PathArray(const PathArray&) = delete;
    PathArray& operator=(const PathArray&) = delete;

    const char16_t* getClassName() const override { return u"s_file_win_PathArray"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    col::_array::ArrayP& paths() { return paths_; }
    std::uint32_t count() const { return paths_.length(); }
    PathWin* at(std::uint32_t i) const;
    // Takes ownership of the path.
    void add(PathWin* path);

    // The path pool is created first, so that it outlives this pool.
    static void createDependentPools();

private:
    col::_array::ArrayP paths_;
};

} // namespace s::file::win
