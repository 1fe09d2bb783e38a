#pragma once

#include "storage/IMappedData.h"

#include <gtest/gtest.h>

// The behaviour every IMappedData implementation shares. A store kind
// instantiates the suite with its own factory:
//
//   INSTANTIATE_TEST_SUITE_P(Registry, MappedDataContract,
//                            ::testing::Values(StoreKind{"Registry", make, drop, true}),
//                            storeKindName);
namespace storage_test {

struct StoreKind {
    const char* name;
    // A new store with nothing in it.
    s::map::IMappedData* (*create)();
    // Disposes of a store made by create, with whatever it left behind.
    void (*destroy)(s::map::IMappedData* store);
    // Whether values keep their type (the registry) or are kept as text (XML),
    // which decides what a getter of another type makes of them.
    bool typedValues;
};

class MappedDataContract : public ::testing::TestWithParam<StoreKind> {
protected:
    void SetUp() override { store = GetParam().create(); }
    void TearDown() override { GetParam().destroy(store); }

    s::map::IMappedData* store = nullptr;
};

inline std::string storeKindName(const ::testing::TestParamInfo<StoreKind>& info) {
    return info.param.name;
}

} // namespace storage_test
