#include "storage/win/RegDir.h"
#include "TestSupport.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrArray.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/system/win/Handles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using s::test::narrow;

using s::reg::win::RegDir;

namespace {

constexpr char16_t kTestRoot[] = u"Software\\Vexa\\TarnwickTests";

// Each test works below its own key, removed again afterwards.
class RegDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegDir::nativeReady());
        base_.set(kTestRoot);
        base_.append(u'\\');
        base_.append(::testing::UnitTest::GetInstance()->current_test_info()->name());
        dir = RegDir::opened(s::reg::kCurrentUser, base_.cStr());
        dir->remove(true);
        dir->setKeyPath(base_.cStr());
    }
    void TearDown() override {
        dir->remove(true);
        dir->release();
    }

    // The value as the platform's own registry functions see it.
    std::vector<unsigned char> platformValue(const wchar_t* name, DWORD& type) {
        s::system::win::RegKey key;
        std::vector<unsigned char> data;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(base_.cStr()), 0,
                          KEY_READ, key.put()) != ERROR_SUCCESS)
            return data;
        DWORD size = 0;
        if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            data.resize(size);
            RegQueryValueExW(key.get(), name, nullptr, &type, data.data(), &size);
        }
        return data;
    }

    s::str::StrBuffer base_;
    RegDir* dir = nullptr;
};

} // namespace

TEST_F(RegDirTest, PathsDropTheTrailingBackslashAndNameTheRoot) {
    s::str::StrBuffer path(base_);
    path.append(u"\\Child\\");
    RegDir* child = RegDir::opened(s::reg::kCurrentUser, path.cStr());
    std::string key = narrow(child->getKeyPath());
    EXPECT_EQ(key.back(), 'd') << key;
    EXPECT_EQ(narrow(child->getDisplayPath()), "HKEY_CURRENT_USER\\" + key);
    EXPECT_EQ(narrow(child->getNativePath()).rfind("\\Registry\\User\\S-1-5-", 0), 0u)
        << narrow(child->getNativePath());
    auto* name = child->getName(nullptr, false);
    EXPECT_EQ(narrow(static_cast<s::str::StrBuffer*>(name)->cStr()), "Child");
    name->release();
    child->release();

    RegDir* machine = s::thread::take<RegDir>();
    machine->open(u"hkey_local_machine\\Software\\Microsoft");
    EXPECT_EQ(machine->getRoot(), s::reg::kLocalMachine);
    EXPECT_EQ(narrow(machine->getKeyPath()), "Software\\Microsoft");
    EXPECT_EQ(narrow(machine->getNativePath()), "\\Registry\\Machine\\Software\\Microsoft");
    machine->open(u"HKEY_NOWHERE\\x");
    EXPECT_EQ(machine->getRoot(), s::reg::kCurrentUser);
    EXPECT_EQ(narrow(machine->getKeyPath()), "InvalidKey");
    machine->release();
}

TEST_F(RegDirTest, CreateMakesMissingParentsAndRemoveClearsOrDeletes) {
    s::str::StrBuffer deep(base_);
    deep.append(u"\\A\\B\\C");
    RegDir* leaf = RegDir::opened(s::reg::kCurrentUser, deep.cStr());
    EXPECT_FALSE(leaf->exists());
    ASSERT_TRUE(leaf->create());
    EXPECT_TRUE(leaf->exists());
    EXPECT_TRUE(leaf->setInt32(u"Leaf", 1));
    leaf->release();

    EXPECT_TRUE(dir->setString(u"Kept", u"yes"));
    dir->remove(false);
    EXPECT_TRUE(dir->exists()) << "the key itself stays";
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(dir->getString(u"Kept", u"gone")), L"yes");
    auto* children = dir->listSubKeys();
    EXPECT_EQ(children->length(), 0u);
    children->release();

    dir->remove(true);
    RegDir* again = RegDir::opened(s::reg::kCurrentUser, base_.cStr());
    EXPECT_FALSE(again->exists());
    again->release();
}

TEST_F(RegDirTest, ValuesHaveThePlatformsTypesAndBytes) {
    ASSERT_TRUE(dir->setInt8(u"Int8", -2));
    ASSERT_TRUE(dir->setUInt16(u"UInt16", 0xBEEF));
    ASSERT_TRUE(dir->setBool(u"Bool", true));
    ASSERT_TRUE(dir->setInt64(u"Int64", -5));
    ASSERT_TRUE(dir->setDouble(u"Double", 2.5));
    ASSERT_TRUE(dir->setFloat(u"Float", 1.5f));
    ASSERT_TRUE(dir->setString(u"Text", u"abc"));
    ASSERT_TRUE(dir->setExpandString(u"Expand", u"%WINDIR%"));
    struct Case {
        const wchar_t* name;
        DWORD type;
        std::vector<unsigned char> bytes;
    };
    const Case cases[] = {
        {L"Int8", REG_DWORD, {0xFE, 0xFF, 0xFF, 0xFF}},
        {L"UInt16", REG_DWORD, {0xEF, 0xBE, 0, 0}},
        {L"Bool", REG_DWORD, {1, 0, 0, 0}},
        {L"Int64", REG_BINARY, {0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {L"Double", REG_BINARY, {0, 0, 0, 0, 0, 0, 0x04, 0x40}},
        {L"Float", REG_BINARY, {0, 0, 0xC0, 0x3F}},
        {L"Text", REG_SZ, {'a', 0, 'b', 0, 'c', 0, 0, 0}},
    };
    for (const Case& c : cases) {
        DWORD type = 0;
        EXPECT_EQ(platformValue(c.name, type), c.bytes)
            << narrow(reinterpret_cast<const char16_t*>(c.name));
        EXPECT_EQ(type, c.type);
    }
    DWORD type = 0;
    platformValue(L"Expand", type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));

    EXPECT_EQ(dir->getInt8(u"Int8", 0), -2);
    EXPECT_EQ(dir->getUInt16(u"UInt16", 0), 0xBEEF);
    EXPECT_TRUE(dir->getBool(u"Bool", false));
    EXPECT_EQ(dir->getInt64(u"Int64", 0), -5);
    EXPECT_EQ(dir->getDouble(u"Double", 0), 2.5);
    EXPECT_EQ(dir->getFloat(u"Float", 0), 1.5f);
}

TEST_F(RegDirTest, GettersGoByDataSize) {
    s::col::_array::ArrayU08 four, eight;
    for (unsigned char b : {0x78, 0x56, 0x34, 0x12})
        four.add(b);
    for (int i = 0; i < 8; ++i)
        eight.add(static_cast<unsigned char>(i));
    ASSERT_TRUE(dir->setBytes(u"Four", &four));
    ASSERT_TRUE(dir->setBytes(u"Eight", &eight));
    EXPECT_EQ(dir->getInt32(u"Four", -1), 0x12345678) << "a 4-byte binary value gives its bits";
    EXPECT_EQ(dir->getInt32(u"Eight", -1), -1) << "an 8-byte value gives the default";
    EXPECT_EQ(dir->getUInt8(u"Four", 0), 0x78);
    EXPECT_EQ(dir->getInt32(u"Missing", 7), 7);
    ASSERT_TRUE(dir->setInt32(u"Number", 5));
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(dir->getString(u"Number", u"def")), L"def");
    auto* bytes = dir->getBytes(u"Eight", nullptr);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes->length(), 8u);
    bytes->release();
    EXPECT_EQ(dir->getBytes(u"Missing", nullptr), nullptr);
    EXPECT_EQ(dir->getValueSize(u"Eight"), 8u);
}

TEST_F(RegDirTest, NumbersAndFlagsAreNeverReadFromText) {
    // Each text is four or eight bytes long with its terminators, the sizes
    // the numeric getters read by.
    ASSERT_TRUE(dir->setString(u"Text4", u"0"));
    ASSERT_TRUE(dir->setExpandString(u"Expand4", u"1"));
    auto* list = s::thread::take<s::str::StrArray>();
    list->add(new s::str::StrBuffer(u""));
    ASSERT_TRUE(dir->setStringArray(u"Multi4", list));
    list->release();
    ASSERT_TRUE(dir->setString(u"Text8", u"abc"));
    ASSERT_TRUE(dir->setExpandString(u"Expand8", u"%x%"));
    for (const char16_t* name : {u"Text4", u"Expand4", u"Multi4", u"Text8", u"Expand8"}) {
        SCOPED_TRACE(narrow(name));
        EXPECT_EQ(dir->getUInt8(name, 9), 9);
        EXPECT_EQ(dir->getUInt16(name, 9), 9);
        EXPECT_EQ(dir->getUInt32(name, 9u), 9u);
        EXPECT_EQ(dir->getUInt64(name, 9u), 9u);
        EXPECT_EQ(dir->getInt8(name, -9), -9);
        EXPECT_EQ(dir->getInt16(name, -9), -9);
        EXPECT_EQ(dir->getInt32(name, -9), -9);
        EXPECT_EQ(dir->getInt64(name, -9), -9);
        EXPECT_EQ(dir->getFloat(name, 2.5f), 2.5f);
        EXPECT_EQ(dir->getDouble(name, 2.5), 2.5);
        EXPECT_TRUE(dir->getBool(name, true));
        EXPECT_FALSE(dir->getBool(name, false));
    }
    EXPECT_EQ(dir->getValueSize(u"Text4"), 4u);
    EXPECT_EQ(dir->getValueSize(u"Text8"), 8u);
}

TEST_F(RegDirTest, ExpandableStringsExpandOnlyWhenAsked) {
    SetEnvironmentVariableW(L"TARNWICK_TEST_DIR", L"C:\\Alarm");
    ASSERT_TRUE(dir->setExpandString(u"Sound", u"%TARNWICK_TEST_DIR%\\ring.mp3"));
    bool expandable = false;
    EXPECT_EQ(narrow(dir->getString(u"Sound", u"", &expandable, false)),
              "%TARNWICK_TEST_DIR%\\ring.mp3");
    EXPECT_TRUE(expandable);
    EXPECT_EQ(narrow(dir->getString(u"Sound", u"", nullptr, true)), "C:\\Alarm\\ring.mp3");
    // An expansion far beyond 520 units comes back whole.
    std::wstring longValue(1500, L'x');
    SetEnvironmentVariableW(L"TARNWICK_TEST_LONG", longValue.c_str());
    ASSERT_TRUE(dir->setExpandString(u"Long", u"%TARNWICK_TEST_LONG%!"));
    EXPECT_EQ(narrow(dir->getString(u"Long", u"", nullptr, true)).size(), 1501u);
}

TEST_F(RegDirTest, LargeValuesReadBackWhole) {
    s::col::_array::ArrayU08 big;
    for (int i = 0; i < 20000; ++i)
        big.add(static_cast<unsigned char>(i * 7));
    ASSERT_TRUE(dir->setBytes(u"Big", &big));
    auto* back = dir->getBytes(u"Big", nullptr);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->length(), 20000u);
    EXPECT_EQ(back->compareTo(&big), 0);
    back->release();
    std::uint32_t type = 0, size = 0;
    EXPECT_TRUE(dir->queryValue(u"Big", &type, &size, REG_BINARY));
    EXPECT_EQ(size, 20000u);
    EXPECT_FALSE(dir->queryValue(u"Big", &type, &size, REG_SZ));
}

TEST_F(RegDirTest, ListsArraysRenamesAndSizes) {
    auto* names = s::thread::take<s::str::StrArray>();
    names->add(new s::str::StrBuffer(u"one"));
    names->add(new s::str::StrBuffer(u"two"));
    ASSERT_TRUE(dir->setStringArray(u"List", names));
    names->release();
    auto* back = dir->getStringArray(u"List");
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->count(), 2u);
    EXPECT_EQ(narrow(back->at(1)->cStr()), "two");
    back->release();

    for (const char16_t* child : {u"\\Alpha", u"\\Beta", u"\\alpine"}) {
        s::str::StrBuffer path(base_);
        path.append(child);
        RegDir* sub = RegDir::opened(s::reg::kCurrentUser, path.cStr());
        sub->setInt32(u"V", 1);
        sub->release();
    }
    auto* all = dir->listSubKeys();
    EXPECT_EQ(all->length(), 3u);
    all->release();
    auto* alp = dir->listSubKeysStartingWith(u"ALP");
    EXPECT_EQ(alp->length(), 2u);
    alp->release();

    auto* values = dir->listValueNames();
    EXPECT_EQ(values->count(), 1u);
    values->release();
    std::uint32_t valueCount = 0, keyCount = 0;
    std::uint64_t total = dir->totalSize(true, &valueCount, &keyCount, true);
    EXPECT_EQ(valueCount, 4u);
    EXPECT_EQ(keyCount, 3u);
    EXPECT_EQ(total, 18u + 3 * 4u) << "\"one\", \"two\" and the list end, and three DWORDs";

    s::str::StrBuffer betaPath(base_);
    betaPath.append(u"\\Beta");
    RegDir* beta = RegDir::opened(s::reg::kCurrentUser, betaPath.cStr());
    EXPECT_TRUE(beta->rename(u"Gamma"));
    beta->release();
    auto* renamed = dir->listSubKeysStartingWith(u"Gamma");
    EXPECT_EQ(renamed->length(), 1u);
    renamed->release();
    EXPECT_TRUE(dir->removeValue(u"List"));
    EXPECT_EQ(dir->getValueSize(u"List"), 0u);
}
