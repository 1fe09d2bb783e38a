#include "foundation/objects/CleanerIObject.h"
#include "foundation/objects/EasyPooler.h"
#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/threads/ObjLocker.h"
#include "foundation/objects/PoolerBase.h"
#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using s::thread::EasyPooler;

namespace {

// Counts what the pool does with the objects it manages.
struct Item {
    int value = 0;
    bool inUse = false;
};

std::atomic<int> created{0}, destroyed{0}, resets{0};

void* createItem() {
    ++created;
    return new Item;
}
void destroyItem(void* item) {
    ++destroyed;
    delete static_cast<Item*>(item);
}
void resetItem(void* item) {
    ++resets;
    static_cast<Item*>(item)->value = 0;
}

class CountingPool : public ::testing::Test {
protected:
    void SetUp() override { created = destroyed = resets = 0; }
};

} // namespace

TEST_F(CountingPool, TakeFromAnEmptyPoolCreatesAndAGivenBackObjectReturnsCleared) {
    EasyPooler pool(1000, createItem, destroyItem, resetItem);
    auto* first = static_cast<Item*>(pool.take());
    EXPECT_EQ(created, 1);
    first->value = 42;
    pool.giveBack(first);
    EXPECT_EQ(resets, 1);
    auto* again = static_cast<Item*>(pool.take());
    EXPECT_EQ(again, first);
    EXPECT_EQ(again->value, 0);
    EXPECT_EQ(created, 1);
    pool.giveBack(again);
}

TEST_F(CountingPool, KeepsAtMostLimitIdleLastInFirstOut) {
    {
        EasyPooler pool(1000, createItem, destroyItem, resetItem);
        std::vector<void*> taken;
        for (int i = 0; i < 1001; ++i)
            taken.push_back(pool.take());
        for (void* item : taken)
            pool.giveBack(item);
        EXPECT_EQ(pool.idleCount(), 1000);
        EXPECT_EQ(destroyed, 1) << "the 1001st give-back with 1000 idle is destroyed";
        EXPECT_EQ(pool.take(), taken[999]);
        pool.giveBack(taken[999]);
    }
    EXPECT_EQ(destroyed, 1001) << "destroying the pool destroys its idle objects";
}

TEST_F(CountingPool, LimitZeroDestroysEverythingGivenBack) {
    EasyPooler pool(0, createItem, destroyItem, resetItem);
    for (int i = 0; i < 3; ++i)
        pool.giveBack(pool.take());
    EXPECT_EQ(created, 3);
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(resets, 0);
    EXPECT_EQ(pool.idleCount(), 0);
}

TEST_F(CountingPool, DestroyThroughTheDestructorInterfaceNullsThePointer) {
    EasyPooler pool(10, createItem, destroyItem, resetItem);
    s::base::IDestructor& destructor = pool;
    void* item = pool.take();
    destructor.destroy(&item);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(pool.idleCount(), 1);
    destructor.destroy(&item);
    EXPECT_EQ(pool.idleCount(), 1);
    s::base::IGenerator& generator = pool;
    void* reused = generator.generate();
    EXPECT_NE(reused, nullptr);
    EXPECT_EQ(created, 1);
    pool.giveBack(reused);
}

namespace {

// A factory of 64-byte blocks whose sizes the test chooses.
class BlockFactory : public s::thread::Factory {
public:
    ~BlockFactory() override { destroyIdle(); }
    s::base::IObject* newInstance() const override { return new BlockFactory; }
    void* generate() override {
        ++generated;
        return new char[64]();
    }
    void resetObject(void* object) override { std::memset(object, 0, 64); }
    void destroyObject(void** object) override {
        ++destroyedCount;
        delete[] static_cast<char*>(*object);
        *object = nullptr;
    }
    std::uint32_t sizeOf(void*) override { return size; }

    std::uint32_t size = 1024;
    int generated = 0;
    int destroyedCount = 0;
};

} // namespace

TEST(PoolerBase, RefusesOnlyWhenMoreThanMaxCountAreIdle) {
    BlockFactory factory;
    std::vector<void*> taken;
    for (int i = 0; i < 1002; ++i)
        taken.push_back(factory.take());
    for (void* block : taken)
        factory.giveBack(block, -1);
    EXPECT_EQ(factory.idleCount(), 1001) << "one is kept at 1000 idle";
    EXPECT_EQ(factory.destroyedCount, 1) << "the next is destroyed";
}

TEST(PoolerBase, SizeAccountingRefusesLargeObjectsAndAFullTotal) {
    BlockFactory factory;
    factory.setSizeAccounting(true);
    void* large = factory.take();
    factory.giveBack(large, 2000);
    EXPECT_EQ(factory.destroyedCount, 1);
    EXPECT_EQ(factory.idleCount(), 0);

    std::vector<void*> taken;
    for (int i = 0; i < 101; ++i)
        taken.push_back(factory.take());
    for (void* block : taken)
        factory.giveBack(block, -1);
    EXPECT_EQ(factory.idleCount(), 100);
    EXPECT_EQ(factory.totalSize(), 102400u);
    EXPECT_EQ(factory.destroyedCount, 2) << "the 101st 1024-byte object is refused";
    void* reused = factory.take();
    EXPECT_EQ(factory.totalSize(), 101376u);
    void* pointer = reused;
    factory.destroy(&pointer);
    EXPECT_EQ(pointer, nullptr);
    EXPECT_EQ(factory.totalSize(), 102400u);
    factory.destroy(&pointer);
    EXPECT_EQ(factory.idleCount(), 100);
}

namespace {

struct Probe : s::base::IObject, s::thread::IPoolable {
    static inline int alive = 0;
    Probe() { ++alive; }
    ~Probe() override { --alive; }
    const char16_t* getClassName() const override { return u"s_test_Probe"; }
    s::base::IObject* newInstance() const override { return s::thread::take<Probe>(); }
    void release() override { s::thread::giveBack(this); }
    void clear() override { text.clear(); }
    std::string text;
};

struct Other : s::base::IObject {
    const char16_t* getClassName() const override { return u"s_test_Other"; }
    s::base::IObject* newInstance() const override { return new Other; }
};

struct ByLength : s::base::IComparator {
    std::int32_t compare(const void* a, const void* b) override {
        auto la = static_cast<const Probe*>(static_cast<const s::base::IComparable*>(a))->text.size();
        auto lb = static_cast<const Probe*>(static_cast<const s::base::IComparable*>(b))->text.size();
        return la < lb ? -1 : la > lb ? 1 : 0;
    }
};

} // namespace

TEST(ObjectModel, DefaultComparisonIsByAddressAndAntisymmetric) {
    Probe a, b;
    EXPECT_EQ(a.compareTo(&a), 0);
    EXPECT_TRUE(a.equals(&a));
    EXPECT_FALSE(a.equals(&b));
    EXPECT_EQ(a.compareTo(&b), -b.compareTo(&a));
    EXPECT_EQ(a.compareTo(&b), &a < &b ? -1 : 1);
    EXPECT_EQ(a.compareToIgnoreCase(&b), a.compareTo(&b));
}

TEST(ObjectModel, AComparatorDecidesWhenGiven) {
    Probe a, b;
    a.text = "xx";
    b.text = "yy";
    ByLength byLength;
    EXPECT_EQ(a.compareTo(&b, &byLength), 0);
    EXPECT_TRUE(a.equals(&b, &byLength));
    EXPECT_TRUE(a.equalsIgnoreCase(&b, &byLength));
    b.text = "yyy";
    EXPECT_EQ(a.compareTo(&b, &byLength), -1);
}

TEST(ObjectModel, HashIdentifiesTheClass) {
    Probe a, b;
    Other other;
    EXPECT_EQ(a.hashCode(), b.hashCode());
    EXPECT_EQ(a.hashCodeIgnoreCase(), a.hashCode());
    EXPECT_NE(a.hashCode(), other.hashCode());
    EXPECT_EQ(a.hashCode(), s::base::classNameHash(u"s_test_Probe"));
}

TEST(ObjectModel, PooledClassesRecycleThroughNewInstanceAndRelease) {
    Probe seed;
    auto* first = static_cast<Probe*>(seed.newInstance());
    first->text = "used";
    first->release();
    auto* second = static_cast<Probe*>(seed.newInstance());
    EXPECT_EQ(second, first);
    EXPECT_TRUE(second->text.empty());
    second->release();
}

namespace {
// Counts the times it is given back.
struct Returnable {
    int released = 0;
    void release() { ++released; }
};
} // namespace

TEST(ObjectModel, APooledGuardGivesItsObjectBackOnceAndAMovedFromOneNothing) {
    Returnable a, b;
    {
        s::thread::Pooled<Returnable> first(&a);
        s::thread::Pooled<Returnable> second(std::move(first));
        s::thread::Pooled<Returnable> last;
        last = std::move(second);
        EXPECT_FALSE(first);
        EXPECT_FALSE(second);
        EXPECT_EQ(a.released, 0);
        last = std::move(last);
        EXPECT_EQ(a.released, 0) << "moving onto itself gave the object back";
        last.reset(&b);
        EXPECT_EQ(a.released, 1) << "reset gives back what was held";
        EXPECT_EQ(last->released, 0);
    }
    EXPECT_EQ(a.released, 1);
    EXPECT_EQ(b.released, 1);
    EXPECT_EQ(s::thread::Pooled<Returnable>(&a).detach(), &a);
    EXPECT_EQ(a.released, 1) << "a detached object stays with the caller";
}

TEST(ObjectModel, CleanerDeletesAndNullsOnce) {
    int before = Probe::alive;
    void* probe = static_cast<s::base::IObject*>(new Probe);
    s::cleaner::CleanerIObject::instance().destroy(&probe);
    EXPECT_EQ(probe, nullptr);
    EXPECT_EQ(Probe::alive, before);
    s::cleaner::CleanerIObject::instance().destroy(&probe);
}

TEST(ObjLocker, DisposesOfItsObjectByFreeFunctionThenDestroyerThenDeletion) {
    static int freed = 0;
    int before = Probe::alive;
    {
        s::thread::ObjLocker byFunction(new int(5), [](void* p) {
            ++freed;
            delete static_cast<int*>(p);
        });
        s::thread::ObjLocker byDestroyer(static_cast<s::base::IObject*>(new Probe),
                                         &s::cleaner::CleanerIObject::instance());
        s::thread::ObjLocker byDeletion(static_cast<s::base::IObject*>(new Probe));
        s::thread::ObjLockerGuard guard(byDeletion);
        EXPECT_EQ(Probe::alive, before + 2);
    }
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(Probe::alive, before);
}

TEST(RecordPools, HandOutZeroedRecords) {
    auto* record = static_cast<unsigned char*>(s::thread::recordPool16().take());
    std::memset(record, 0xAB, 16);
    s::thread::recordPool16().giveBack(record);
    auto* again = static_cast<unsigned char*>(s::thread::recordPool16().take());
    EXPECT_EQ(again, record);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(again[i], 0) << i;
    s::thread::recordPool16().giveBack(again);
    EXPECT_EQ(s::thread::recordPool16().limit(), 10000);
    EXPECT_EQ(s::thread::mapEntryPool().limit(), 10000);
}

TEST_F(CountingPool, StressOfEightThreadsLosesNothingAndRespectsTheLimit) {
    constexpr int kLimit = 16;
    constexpr int kThreads = 8;
    constexpr int kPairs = 100000;
    EasyPooler pool(kLimit, createItem, destroyItem, resetItem);
    std::atomic<int> errors{0};
    std::atomic<bool> done{false};
    std::atomic<int> maxIdle{0};
    std::thread watcher([&] {
        while (!done) {
            int idle = pool.idleCount();
            if (idle > maxIdle)
                maxIdle = idle;
        }
    });
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([&, t] {
            Item* held[3] = {};
            for (int i = 0; i < kPairs; ++i) {
                int slot = (i + t) % 3;
                if (held[slot] != nullptr) {
                    held[slot]->inUse = false;
                    pool.giveBack(held[slot]);
                }
                auto* item = static_cast<Item*>(pool.take());
                if (item->inUse)
                    ++errors; // handed out twice
                item->inUse = true;
                held[slot] = item;
            }
            for (Item* item : held)
                if (item != nullptr) {
                    item->inUse = false;
                    pool.giveBack(item);
                }
        });
    }
    for (auto& w : workers)
        w.join();
    done = true;
    watcher.join();
    EXPECT_EQ(errors, 0);
    EXPECT_LE(maxIdle, kLimit);
    EXPECT_EQ(created - destroyed, pool.idleCount()) << "every object is idle or destroyed";
}
