// Pooled take + give-back against new + delete of the same small object,
// on one thread and on two threads sharing the pool.

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/objects/Pools.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

struct Small : s::base::IObject, s::thread::IPoolable {
    const char16_t* getClassName() const override { return u"s_bench_Small"; }
    s::base::IObject* newInstance() const override { return s::thread::take<Small>(); }
    void release() override { s::thread::giveBack(this); }
    void clear() override { value = 0; }
    std::int64_t value = 0;
    char payload[40] = {};
};

void PooledTakeGiveBack(benchmark::State& state) {
    for (auto _ : state) {
        Small* object = s::thread::take<Small>();
        benchmark::DoNotOptimize(object);
        object->release();
    }
}

void NewDelete(benchmark::State& state) {
    for (auto _ : state) {
        Small* object = new Small;
        benchmark::DoNotOptimize(object);
        delete object;
    }
}

} // namespace

BENCHMARK(PooledTakeGiveBack)->Threads(1)->Threads(2);
BENCHMARK(NewDelete)->Threads(1)->Threads(2);

BENCHMARK_MAIN();
