#include "foundation/objects/Pools.h"

#include <cstdlib>
#include <cstring>

namespace s::thread {

namespace {
constexpr std::int32_t kRecordPoolLimit = 10000;

template <std::size_t Size> void* zeroedBlock() { return std::calloc(1, Size); }
template <std::size_t Size> void zeroBlock(void* block) { std::memset(block, 0, Size); }
void freeBlock(void* block) { std::free(block); }
} // namespace

EasyPooler& recordPool16() {
    static EasyPooler pool(kRecordPoolLimit, zeroedBlock<16>, freeBlock, zeroBlock<16>);
    return pool;
}

EasyPooler& mapEntryPool() {
    static EasyPooler pool(kRecordPoolLimit, zeroedBlock<12>, freeBlock, zeroBlock<12>);
    return pool;
}

} // namespace s::thread
