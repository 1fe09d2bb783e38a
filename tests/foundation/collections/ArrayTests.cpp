#include "foundation/collections/ArrayBase.h"
#include "TestSupport.h"
#include "foundation/collections/ArrayIterator.h"
#include "foundation/collections/Arrays.h"
#include "foundation/collections/CollectionInputStream.h"
#include "foundation/collections/Comparators.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using s::test::narrow;

using s::col::ArrayP;
using s::col::ArrayS08;
using s::col::ArrayS32;
using s::col::ArrayS64;
using s::col::ArrayU08;
using s::str::StrBuffer;

namespace {

template <class Array, class T> void fill(Array& array, std::initializer_list<T> values) {
    for (T v : values)
        array.add(v);
}

template <class Array> auto elements(const Array& array) {
    std::vector<decltype(array.at(0))> out;
    for (std::uint32_t i = 0; i < array.length(); ++i)
        out.push_back(array.at(i));
    return out;
}

// The text of a pooled string the array returned, which is given back.
std::string taken(s::str::IStr* str) {
    std::string out = narrow(str);
    static_cast<s::io::IInputStream*>(str)->release();
    return out;
}

} // namespace

TEST(ArrayGrowth, FirstAppendReservesHundredAndTheHundredFirstTriples) {
    ArrayS32 array;
    EXPECT_EQ(array.data(), nullptr) << "arrays start without a block";
    array.add(0);
    EXPECT_EQ(array.capacity(), 100u);
    for (int i = 1; i < 100; ++i)
        array.add(i);
    EXPECT_EQ(array.capacity(), 100u);
    array.add(100);
    EXPECT_EQ(array.capacity(), 300u);
    EXPECT_EQ(array.at(0), 0);
    EXPECT_EQ(array.at(100), 100) << "the content survives the move to the new block";

    ArrayU08 exact;
    exact.setLength(150);
    EXPECT_EQ(exact.capacity(), 150u) << "setLength reserves exactly";
    exact.dropFirst(100);
    EXPECT_EQ(exact.capacity(), 150u) << "nothing but freeMemory and fitToLength shrinks the block";
    exact.fitToLength();
    EXPECT_EQ(exact.capacity(), 50u);
    array.fitToLength();
    EXPECT_EQ(array.capacity(), 101u);
    EXPECT_EQ(array.at(100), 100) << "the content survives fitting";
    array.add(101);
    EXPECT_EQ(array.at(101), 101) << "a fitted array grows again";
    ArrayS32 empty;
    empty.add(1);
    empty.dropFirst(1);
    empty.fitToLength();
    EXPECT_EQ(empty.data(), nullptr) << "an empty array keeps no block";
}

TEST(ArrayEditing, InsertAtTheEndsBehavesAsAppendAndPrepend) {
    const std::int32_t two[] = {8, 9};
    ArrayS32 appended, inserted, prepended, front;
    for (ArrayS32* a : {&appended, &inserted, &prepended, &front})
        fill(*a, {1, 2, 3});
    appended.append(two, 2);
    inserted.insert(inserted.length(), two, 2);
    prepended.prepend(two, 2);
    front.insert(0, two, 2);
    EXPECT_EQ(elements(inserted), elements(appended));
    EXPECT_EQ(elements(front), elements(prepended));
    EXPECT_EQ(elements(prepended), (std::vector<std::int32_t>{8, 9, 1, 2, 3}));

    ArrayS32 middle;
    fill(middle, {1, 2, 3});
    middle.insert(1, two, 1, 1);
    EXPECT_EQ(elements(middle), (std::vector<std::int32_t>{1, 9, 2, 3})) << "srcIndex picks 9";
}

TEST(ArrayEditing, PopExtractRemoveAndDropFirstTakeTheNamedElements) {
    ArrayS64 array;
    fill<ArrayS64, std::int64_t>(array, {10, 11, 12, 13, 14, 15, 16, 17});
    std::int64_t out[4] = {};

    array.popLast(out, 2, 1);
    EXPECT_EQ(out[1], 16);
    EXPECT_EQ(out[2], 17);
    array.popFirst(out, 1);
    EXPECT_EQ(out[0], 10);
    EXPECT_EQ(elements(array), (std::vector<std::int64_t>{11, 12, 13, 14, 15}));

    array.extract(1, out, 2);
    EXPECT_EQ(out[0], 12);
    EXPECT_EQ(out[1], 13);
    EXPECT_EQ(elements(array), (std::vector<std::int64_t>{11, 14, 15}));

    array.add(16);
    array.remove(1, 1);
    EXPECT_EQ(elements(array), (std::vector<std::int64_t>{11, 15, 16}));
    array.dropFirst(2);
    EXPECT_EQ(elements(array), (std::vector<std::int64_t>{16}));
    array.dropLast(5);
    EXPECT_EQ(array.length(), 0u) << "dropping more than the length empties the array";

    fill<ArrayS64, std::int64_t>(array, {1, 2, 3, 4, 5});
    array.reverse();
    EXPECT_EQ(elements(array), (std::vector<std::int64_t>{5, 4, 3, 2, 1}));
    array.swap(0, 4);
    EXPECT_EQ(elements(array), (std::vector<std::int64_t>{1, 4, 3, 2, 5}));
}

TEST(ArrayCopy, CopyToAndCopyFromPutRangesAndGrowTheTarget) {
    ArrayS32 source, target;
    fill(source, {1, 2, 3, 4});
    fill(target, {9});

    source.copyTo(&target, 1, 2);
    EXPECT_EQ(elements(target), (std::vector<std::int32_t>{9, 3, 4})) << "count -1: to the end";
    target.copyFrom(&source, 0, 0, 2);
    EXPECT_EQ(elements(target), (std::vector<std::int32_t>{1, 2, 4})) << "overwrites, keeps length";

    // The source block is the one being reallocated.
    ArrayS32 self;
    self.setLength(3);
    for (std::int32_t i = 0; i < 3; ++i)
        self.put(&i, 1, 0, static_cast<std::uint32_t>(i));
    self.copyFrom(&self, 0, 3);
    EXPECT_EQ(elements(self), (std::vector<std::int32_t>{0, 1, 2, 0, 1, 2}));
    self.insert(1, self.data(), 2, 4);
    EXPECT_EQ(elements(self), (std::vector<std::int32_t>{0, 1, 2, 1, 2, 0, 1, 2}));

    std::int32_t out[3] = {};
    source.copyOut(out, 1, 2);
    EXPECT_EQ(out[1], 3);
    EXPECT_EQ(out[2], 4);
}

TEST(ArrayCompare, LengthDecidesBeforeTheElements) {
    struct Case {
        std::vector<std::int32_t> a, b;
        std::int32_t expected;
    };
    const Case cases[] = {
        {{5}, {1, 2}, -1},     {{1, 2}, {5}, 1},    {{1, 3}, {1, 2}, 1},
        {{1, -3}, {1, 2}, -1}, {{1, 2}, {1, 2}, 0}, {{}, {}, 0},
    };
    for (const Case& c : cases) {
        ArrayS32 a, b;
        for (std::int32_t v : c.a)
            a.add(v);
        for (std::int32_t v : c.b)
            b.add(v);
        EXPECT_EQ(a.compareTo(&b), c.expected)
            << testing::PrintToString(c.a) << " vs " << testing::PrintToString(c.b);
        EXPECT_EQ(a.equals(&b), c.expected == 0);
    }
}

TEST(ArrayCompare, CompareRangeIsByteWiseAndTheShorterRangeIsSmaller) {
    ArrayU08 array;
    fill<ArrayU08, std::uint8_t>(array, {1, 2, 3, 4});
    const std::uint8_t src[] = {0, 2, 3, 9};
    EXPECT_EQ(array.compareRange(1, src, 3, 1), 1) << "2 3 4 against the shorter 2 3";
    EXPECT_EQ(array.compareRange(1, src, 4, 1), -1) << "4 below 9";
    EXPECT_EQ(array.compareRange(1, src, 4, 1, 2), 0) << "count limits both ranges";
    EXPECT_EQ(array.compareRange(2, src, 4, 1), 1) << "3 above 2";
    EXPECT_EQ(array.compareRange(4, src, 4, 3), -1) << "an empty range is the shorter";
}

TEST(Comparators, SignednessAndWidthDecideTheOrder) {
    const std::uint8_t b80 = 0x80, b7f = 0x7F;
    const std::int64_t minusOne = -1, zero = 0, above = 0x100000000LL, below = 0xFFFFFFFFLL;
    const std::uint32_t high = 0x80000000u, one = 1;
    // Addresses above 4 GiB: a 32-bit comparison would see 0 against 0xFFFFFFFF.
    const std::uintptr_t farPointer = std::uintptr_t{1} << 32, nearPointer = 0xFFFFFFFFu;
    struct Case {
        s::base::IComparator& comparator;
        const void *a, *b;
        std::int32_t expected;
        const char* what;
    };
    const Case cases[] = {
        {s::comp::CompS08::instance(), &b80, &b7f, -1, "S08 0x80 < 0x7F"},
        {s::comp::CompU08::instance(), &b80, &b7f, 1, "U08 0x80 > 0x7F"},
        {s::comp::CompS64::instance(), &minusOne, &zero, -1, "S64 -1 < 0"},
        {s::comp::CompS64::instance(), &above, &below, 1, "S64 across the 32-bit boundary"},
        {s::comp::CompS64::instance(), &above, &above, 0, "S64 equal"},
        {s::comp::CompU32::instance(), &high, &one, 1, "U32 0x80000000 > 1"},
        {s::comp::CompS32::instance(), &high, &one, -1, "S32 0x80000000 < 1"},
        {s::comp::CompP::instance(), &farPointer, &nearPointer, 1, "P compares all 64 bits"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.comparator.compare(c.a, c.b), c.expected) << c.what;
        EXPECT_EQ(c.comparator.compare(c.b, c.a), -c.expected) << c.what << ", reversed";
    }
}

TEST(ArrayStream, FiveBytesIntoAnEmptyArrayS32CountOneElement) {
    ArrayS32 array;
    const std::uint8_t bytes[] = {1, 2, 3, 4, 5};
    std::uint32_t count = 0;
    ASSERT_TRUE(array.write(bytes, 5, &count));
    EXPECT_EQ(count, 5u);
    EXPECT_EQ(array.length(), 1u);
    EXPECT_EQ(array.position(), 5);

    array.rewind();
    std::uint8_t back[8] = {};
    ASSERT_TRUE(array.read(back, 5, &count));
    EXPECT_EQ(count, 4u) << "only whole elements are part of the stream";
    EXPECT_EQ(std::memcmp(back, bytes, 4), 0);
    EXPECT_FALSE(array.read(back, 5, &count));
    EXPECT_EQ(count, 0u);

    array.seekFromEnd(2);
    EXPECT_EQ(array.position(), 2);
    array.skipBack(10);
    EXPECT_EQ(array.position(), 0) << "positions stop at 0";
    EXPECT_EQ(array.seekToEnd(), 4);
}

TEST(ArrayText, TextAndXmlForms) {
    ArrayS32 numbers;
    fill(numbers, {1, 2, 3});
    EXPECT_EQ(taken(numbers.toText()), "s_col__array_ArrayS32 [1 2 3]");

    ArrayU08 bytes;
    fill<ArrayU08, std::uint8_t>(bytes, {0x0A, 0xFF});
    EXPECT_EQ(taken(bytes.toXml()),
              "<s_col__array_ArrayU08 length=\"2\">0aff</s_col__array_ArrayU08>");

    StrBuffer given(u"old ");
    bytes.toText(&given, true);
    EXPECT_EQ(narrow(&given), "old s_col__array_ArrayU08 [10 255]");
    bytes.toText(&given, false);
    EXPECT_EQ(narrow(&given), "s_col__array_ArrayU08 [10 255]") << "without append it is emptied";

    ArrayS08 signedBytes;
    fill<ArrayS08, std::int8_t>(signedBytes, {-1, 127});
    EXPECT_EQ(taken(signedBytes.toText()), "s_col__array_ArrayS08 [-1 127]");
    EXPECT_EQ(taken(signedBytes.appendAllHex()), "ff7f");

    ArrayS64 wide;
    fill<ArrayS64, std::int64_t>(wide, {-2, 0x123456789LL});
    EXPECT_EQ(taken(wide.toText()), "s_col__array_ArrayS64 [-2 4886718345]");
    EXPECT_EQ(taken(wide.appendAllHex()), "fffffffffffffffe0000000123456789");
    EXPECT_EQ(taken(ArrayS32().toXml()),
              "<s_col__array_ArrayS32 length=\"0\"></s_col__array_ArrayS32>");
}

TEST(ArrayP, ElementTextIsTheClassNameAndTheAddress) {
    ArrayP array;
    StrBuffer element;
    array.add(&element);
    std::string address = std::to_string(reinterpret_cast<std::intptr_t>(&element));
    EXPECT_EQ(taken(array.toText()),
              "s_col__array_ArrayP [s_str_strbuffer_StrBuffer(" + address + ")]");
    EXPECT_EQ(array.elementSize(), sizeof(void*));
}

TEST(ArrayP, ClearingWithTheStringPoolAsDestroyerGivesEveryStringBack) {
    s::thread::EasyPooler& strings = s::thread::poolOf<StrBuffer>();
    ArrayP* array = s::thread::take<ArrayP>();
    array->setDestroyer(&strings);
    std::vector<StrBuffer*> added;
    for (int i = 0; i < 5; ++i) {
        added.push_back(s::thread::take<StrBuffer>());
        added.back()->append(u"text");
        array->add(added.back());
    }
    const std::int32_t idleBefore = strings.idleCount();
    array->clear();
    EXPECT_EQ(strings.idleCount(), idleBefore + 5);
    EXPECT_EQ(array->destroyer(), nullptr);
    EXPECT_EQ(array->length(), 0u);
    EXPECT_EQ(array->data(), nullptr);
    std::vector<StrBuffer*> again;
    for (std::size_t i = 0; i < added.size(); ++i)
        again.push_back(s::thread::take<StrBuffer>());
    EXPECT_EQ(again, std::vector<StrBuffer*>(added.rbegin(), added.rend()))
        << "the pool holds the array's strings, last given back first";
    for (StrBuffer* string : again) {
        EXPECT_EQ(string->length(), 0u);
        string->release();
    }

    // Given back through its own pool, the array disposes of its elements too.
    array->setDestroyer(&strings);
    array->add(s::thread::take<StrBuffer>());
    const std::int32_t idleWithOne = strings.idleCount();
    array->release();
    EXPECT_EQ(strings.idleCount(), idleWithOne + 1);
}

TEST(ArrayIterator, WalksBothWaysAndStartsAnywhere) {
    ArrayS32 array;
    fill(array, {10, 20, 30, 40});
    auto value = [](void* element) { return *static_cast<std::int32_t*>(element); };

    std::vector<std::int32_t> forward, backward;
    s::col::_array::Iterator* it = array.iterator();
    EXPECT_EQ(it->index(), -1);
    while (it->hasNext())
        forward.push_back(value(it->next()));
    EXPECT_EQ(it->index(), 3);
    it->release();
    it = array.iteratorAtEnd();
    EXPECT_EQ(it->index(), 4);
    while (it->hasPrevious())
        backward.push_back(value(it->previous()));
    EXPECT_EQ(it->index(), 0);
    it->release();
    EXPECT_EQ(forward, (std::vector<std::int32_t>{10, 20, 30, 40}));
    EXPECT_EQ(backward, (std::vector<std::int32_t>{40, 30, 20, 10}));

    it = array.iteratorAt(2);
    EXPECT_EQ(value(it->next()), 30);
    it->setIndex(0);
    EXPECT_EQ(value(it->next()), 20) << "setIndex keeps the cursor one behind the index";
    it->release();
    it = array.iteratorFromEnd(1);
    EXPECT_EQ(it->index(), 3);
    EXPECT_EQ(value(it->previous()), 30);
    it->release();
    EXPECT_EQ(value(array.elementPointer(1)), 20);

    ArrayS32 empty;
    it = empty.iterator();
    EXPECT_FALSE(it->hasNext());
    it->release();
}

TEST(CollectionInputStream, ReadsWholeElementsAtMostSixtyFourBytesAtATime) {
    ArrayS32 array;
    for (std::int32_t i = 0; i < 20; ++i)
        array.add(i);
    s::io::IInputStream* stream = array.getInputStream();
    std::int32_t out[20] = {};
    std::uint32_t count = 0;

    ASSERT_TRUE(stream->read(out, 6, &count));
    EXPECT_EQ(count, 4u) << "one whole element fits into 6 bytes";
    EXPECT_EQ(out[0], 0);
    ASSERT_TRUE(stream->read(out, sizeof out, &count));
    EXPECT_EQ(count, 64u);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[15], 16);
    ASSERT_TRUE(stream->read(out, sizeof out, &count));
    EXPECT_EQ(count, 12u);
    EXPECT_EQ(out[2], 19);
    EXPECT_FALSE(stream->read(out, sizeof out, &count));
    EXPECT_EQ(count, 0u);

    stream->close();
    ASSERT_TRUE(stream->read(out, 4, &count)) << "after close reading starts over";
    EXPECT_EQ(out[0], 0);
    stream->release();
}

namespace {

// Records what it is fed and answers the byte count as its result.
class CountingDigester : public s::str::IDigester {
public:
    void update(const void* bytes, std::uint32_t n) override {
        fed.insert(fed.end(), static_cast<const std::uint8_t*>(bytes),
                   static_cast<const std::uint8_t*>(bytes) + n);
    }
    s::str::IStr* result(std::int32_t a, std::int32_t b) override {
        s::str::IStr* str = s::thread::take<StrBuffer>();
        str->append(static_cast<std::uint32_t>(fed.size()));
        str->append(u':');
        str->append(a + b);
        return str;
    }
    std::vector<std::uint8_t> fed;
};

} // namespace

TEST(ArrayDigest, FeedsOnlyTheUsedBytes) {
    ArrayU08 array;
    fill<ArrayU08, std::uint8_t>(array, {7, 8, 9});
    CountingDigester digester;
    EXPECT_EQ(taken(array.digest(&digester, 1, 2)), "3:3");
    EXPECT_EQ(digester.fed, (std::vector<std::uint8_t>{7, 8, 9}));
    EXPECT_EQ(array.digest(nullptr, 0, 0), nullptr);
}

TEST(ArrayPool, ArraysComeBackEmptyWithoutABlock) {
    ArrayU08* first = s::thread::take<ArrayU08>();
    first->add(1);
    first->write("xy", 2, nullptr);
    first->release();
    auto* reused = static_cast<ArrayU08*>(ArrayU08().newInstance());
    EXPECT_EQ(reused, first);
    EXPECT_EQ(reused->length(), 0u);
    EXPECT_EQ(reused->capacity(), 0u);
    EXPECT_EQ(reused->position(), 0);
    reused->release();
}
