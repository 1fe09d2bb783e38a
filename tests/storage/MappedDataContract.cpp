#include "MappedDataContract.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace storage_test {

namespace {

std::u16string text(const char16_t* value) {
    return value != nullptr ? std::u16string(value) : std::u16string(u"(null)");
}

} // namespace

TEST_P(MappedDataContract, MissingPathGivesTheDefaultAndCreatesNothing) {
    EXPECT_EQ(store->getInt32(u"Missing\\Deep", u"Key", 42), 42);
    EXPECT_EQ(store->getUInt64(u"Missing\\Deep", u"Key", 7), 7u);
    EXPECT_TRUE(store->getBool(u"Missing", u"Key", true));
    EXPECT_DOUBLE_EQ(store->getDouble(u"Missing", u"Key", 2.5), 2.5);
    const char16_t* def = u"default";
    EXPECT_EQ(store->getString(u"Missing", u"Key", def), def);
    EXPECT_FALSE(store->hasKey(u"Missing\\Deep", u"Key"));
    EXPECT_FALSE(store->removeKey(u"Missing\\Deep", u"Key"));
    EXPECT_FALSE(store->removePath(u"Missing\\Deep"));
    EXPECT_FALSE(store->findPath(u"Missing\\Deep"));
    EXPECT_FALSE(store->findPath(u"Missing"));
    EXPECT_TRUE(store->findPath(u"")) << "the top level always exists";
}

TEST_P(MappedDataContract, SetInt32CreatesTheSectionAndTheValue) {
    store->setInt32(u"Timer", u"Hour", 7);
    EXPECT_TRUE(store->findPath(u"Timer"));
    EXPECT_TRUE(store->hasKey(u"Timer", u"Hour"));
    EXPECT_TRUE(store->hasKey(u"Timer", u"HOUR")) << "keys compare ignoring case";
    EXPECT_EQ(store->getInt32(u"Timer", u"hour", 0), 7);
    EXPECT_FALSE(store->hasKey(u"Timer", u"Minute"));
}

TEST_P(MappedDataContract, EveryTypeReadsBackWhatWasSet) {
    const char16_t* p = u"Types\\Edge";
    store->setUInt8(p, u"u8", 255);
    store->setUInt16(p, u"u16", 65535);
    store->setUInt32(p, u"u32", std::numeric_limits<std::uint32_t>::max());
    store->setUInt64(p, u"u64", std::numeric_limits<std::uint64_t>::max());
    store->setInt8(p, u"i8", -128);
    store->setInt16(p, u"i16", -32768);
    store->setInt32(p, u"i32", std::numeric_limits<std::int32_t>::min());
    store->setInt64(p, u"i64", std::numeric_limits<std::int64_t>::min());
    store->setFloat(p, u"f", -0.5f);
    store->setDouble(p, u"d", 1234.125);
    store->setBool(p, u"yes", true);
    store->setBool(p, u"no", false);
    store->setString(p, u"s", u"C:\\Music\\alarm.mp3");
    store->setExpandString(p, u"e", u"%APPDATA%\\x");
    EXPECT_EQ(store->getUInt8(p, u"u8", 0), 255);
    EXPECT_EQ(store->getUInt16(p, u"u16", 0), 65535);
    EXPECT_EQ(store->getUInt32(p, u"u32", 0), std::numeric_limits<std::uint32_t>::max());
    EXPECT_EQ(store->getUInt64(p, u"u64", 0), std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(store->getInt8(p, u"i8", 0), -128);
    EXPECT_EQ(store->getInt16(p, u"i16", 0), -32768);
    EXPECT_EQ(store->getInt32(p, u"i32", 0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(store->getInt64(p, u"i64", 0), std::numeric_limits<std::int64_t>::min());
    EXPECT_FLOAT_EQ(store->getFloat(p, u"f", 0), -0.5f);
    EXPECT_DOUBLE_EQ(store->getDouble(p, u"d", 0), 1234.125);
    EXPECT_TRUE(store->getBool(p, u"yes", false));
    EXPECT_FALSE(store->getBool(p, u"no", true));
    EXPECT_EQ(text(store->getString(p, u"s", nullptr)), u"C:\\Music\\alarm.mp3");
    EXPECT_EQ(text(store->getString(p, u"e", nullptr, nullptr, false)), u"%APPDATA%\\x");
}

TEST_P(MappedDataContract, TheEmptyKeyIsTheSectionsOwnValue) {
    store->setString(u"Skin", u"", u"Thin Blue");
    store->setString(u"Skin", u"Name", u"other");
    EXPECT_TRUE(store->hasKey(u"Skin", u""));
    EXPECT_EQ(text(store->getString(u"Skin", u"", u"default")), u"Thin Blue");
    EXPECT_EQ(text(store->getString(u"Skin", u"Name", u"default")), u"other");
}

TEST_P(MappedDataContract, GetBoolReadsAValueSetByUInt8) {
    store->setUInt8(u"View", u"OnTop", 1);
    store->setUInt8(u"View", u"Iconized", 0);
    EXPECT_TRUE(store->getBool(u"View", u"OnTop", false));
    EXPECT_FALSE(store->getBool(u"View", u"Iconized", true));
}

TEST_P(MappedDataContract, GetStringOnAnIntegerValue) {
    store->setInt32(u"Timer", u"Hour", 7);
    const char16_t* def = u"default";
    const char16_t* got = store->getString(u"Timer", u"Hour", def);
    if (GetParam().typedValues)
        EXPECT_EQ(got, def);
    else
        EXPECT_EQ(text(got), u"7");
}

TEST_P(MappedDataContract, A64BitValueThroughThe32BitGetter) {
    store->setInt64(u"Timer", u"Target", std::int64_t{1} << 40);
    std::int32_t got = store->getInt32(u"Timer", u"Target", -5);
    if (GetParam().typedValues)
        EXPECT_EQ(got, -5) << "eight bytes are no 32-bit value";
    else
        EXPECT_EQ(got, std::numeric_limits<std::int32_t>::max()) << "the decimal text, clamped";
}

TEST_P(MappedDataContract, RemovePathOfOneSegmentTakesTheSubtree) {
    store->setString(u"Skin", u"", u"Thin");
    store->setInt32(u"Skin\\Schedule", u"Days", 3);
    store->setInt32(u"Other", u"k", 1);
    EXPECT_TRUE(store->removePath(u"Skin"));
    EXPECT_FALSE(store->findPath(u"Skin"));
    EXPECT_FALSE(store->findPath(u"Skin\\Schedule"));
    EXPECT_EQ(store->getInt32(u"Skin\\Schedule", u"Days", 0), 0);
    EXPECT_EQ(store->getInt32(u"Other", u"k", 0), 1);
    EXPECT_FALSE(store->removePath(u"Skin"));
}

TEST_P(MappedDataContract, RemovePathOfTwoSegmentsLeavesTheParent) {
    store->setInt32(u"A", u"k", 1);
    store->setInt32(u"A\\B", u"k", 2);
    store->setInt32(u"A\\C", u"k", 3);
    EXPECT_TRUE(store->removePath(u"A\\B"));
    EXPECT_FALSE(store->findPath(u"A\\B"));
    EXPECT_EQ(store->getInt32(u"A", u"k", 0), 1);
    EXPECT_EQ(store->getInt32(u"A\\C", u"k", 0), 3);
}

TEST_P(MappedDataContract, FindPathOfTheCachedPathInAnotherCase) {
    store->setInt32(u"MainWindow\\View", u"Width", 640);
    EXPECT_TRUE(store->findPath(u"mainwindow\\VIEW"));
    EXPECT_EQ(store->getInt32(u"MAINWINDOW\\view", u"width", 0), 640);
}

TEST_P(MappedDataContract, RemoveKeyRemovesOnlyThatKey) {
    store->setInt32(u"View", u"Width", 640);
    store->setInt32(u"View", u"Height", 480);
    EXPECT_TRUE(store->removeKey(u"View", u"width"));
    EXPECT_FALSE(store->hasKey(u"View", u"Width"));
    EXPECT_EQ(store->getInt32(u"View", u"Width", -1), -1);
    EXPECT_EQ(store->getInt32(u"View", u"Height", 0), 480);
    EXPECT_FALSE(store->removeKey(u"View", u"Width"));
}

TEST_P(MappedDataContract, BytesReadBack) {
    const std::uint8_t data[] = {0x00, 0x01, 0xAB, 0xFF, 0x7F};
    s::col::ArrayU08 bytes;
    bytes.append(data, sizeof data);
    store->setBytes(u"Blob", u"b", &bytes);
    s::col::ArrayU08* got = store->getBytes(u"Blob", u"b", nullptr);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(std::vector<std::uint8_t>(static_cast<const std::uint8_t*>(got->data()),
                                        static_cast<const std::uint8_t*>(got->data()) + got->length()),
              std::vector<std::uint8_t>(data, data + sizeof data));
    store->setBytes(u"Blob", u"b", nullptr);
    EXPECT_EQ(store->getBytes(u"Blob", u"b", got), got);
    EXPECT_EQ(got->length(), 0u) << "no bytes replace the old ones";
    got->release();
}

} // namespace storage_test
