#include "storage/win/RegMappedData.h"

#include "../MappedDataContract.h"
#include "foundation/objects/Pools.h"
#include "storage/win/RegDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

using s::reg::MappedData;
using namespace storage_test;

namespace {

constexpr char16_t kContractKey[] = u"Software\\Vexa\\TarnwickTests\\Contract";

void removeKey(const char16_t* path) {
    auto* dir = s::reg::win::RegDir::opened(s::reg::kCurrentUser, path);
    dir->remove(true);
    dir->release();
}

s::map::IMappedData* makeRegistryStore() {
    removeKey(kContractKey);
    return MappedData::create(kContractKey);
}

void dropRegistryStore(s::map::IMappedData* store) {
    static_cast<MappedData*>(store)->release();
    removeKey(kContractKey);
}

INSTANTIATE_TEST_SUITE_P(Registry, MappedDataContract,
                         ::testing::Values(StoreKind{"Registry", makeRegistryStore,
                                                     dropRegistryStore, true}),
                         storeKindName);

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override { store = static_cast<MappedData*>(makeRegistryStore()); }
    void TearDown() override { dropRegistryStore(store); }

    // The type of a value as the platform's own registry functions report it,
    // with the first four bytes of its data.
    DWORD platformType(const wchar_t* subKey, const wchar_t* value, DWORD& data) {
        std::wstring path = reinterpret_cast<const wchar_t*>(kContractKey);
        path += L"\\";
        path += subKey;
        unsigned char bytes[64] = {};
        DWORD type = 0, size = sizeof bytes;
        if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), value, RRF_RT_ANY | RRF_NOEXPAND, &type,
                         bytes, &size) != ERROR_SUCCESS)
            return 0;
        std::memcpy(&data, bytes, sizeof data);
        return type;
    }

    MappedData* store = nullptr;
};

} // namespace

TEST_F(RegistryStore, SettersWriteThroughAsTheirRegistryTypes) {
    store->setInt32(u"Timer", u"Hour", 7);
    DWORD data = 0;
    EXPECT_EQ(platformType(L"Timer", L"Hour", data), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(data, 7u);
    store->setString(u"Timer", u"", u"main");
    DWORD text = 0;
    EXPECT_EQ(platformType(L"Timer", nullptr, text), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text, static_cast<DWORD>('m' | 'a' << 16)) << "the default value holds the text";
}

TEST_F(RegistryStore, NothingIsCreatedUntilSomethingIsWritten) {
    EXPECT_EQ(store->getInt32(u"Timer", u"Hour", 3), 3);
    EXPECT_FALSE(store->findPath(u"Timer"));
    auto* base = s::reg::win::RegDir::opened(s::reg::kCurrentUser, kContractKey);
    EXPECT_FALSE(base->exists());
    base->release();
    EXPECT_TRUE(store->findPath(u"")) << "the top level always exists";
}

TEST_F(RegistryStore, BytesOfAMissingValueAndAMissingKeyDiffer) {
    store->setInt32(u"Section", u"Other", 1);
    EXPECT_EQ(store->getBytes(u"Section", u"Absent", nullptr), nullptr);
    auto* fresh = store->getBytes(u"Nowhere", u"Absent", nullptr);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->length(), 0u);
    fresh->release();
}
