#include "foundation/collections/Arrays.h"
#include "TestSupport.h"
#include "foundation/strings/CodePage.h"
#include "foundation/strings/NumberFormat.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrArray.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/strings/StrIterator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using s::test::narrow;

using s::str::StrArray;
using s::str::StrBuffer;

namespace {

std::vector<std::string> pieces(StrArray* array) {
    std::vector<std::string> out;
    for (std::uint32_t i = 0; i < array->count(); ++i)
        out.push_back(narrow(*array->at(i)));
    array->release();
    return out;
}

std::string taken(s::str::IStr* s) {
    std::string out = narrow(*static_cast<StrBuffer*>(s));
    s->release();
    return out;
}

} // namespace

TEST(StrBuffer, EmptyStringHasValidViewsAndHashesToZero) {
    StrBuffer s;
    ASSERT_NE(s.cStr(), nullptr);
    EXPECT_EQ(s.cStr()[0], 0);
    EXPECT_EQ(s.terminate(), nullptr);
    EXPECT_EQ(s.hashCode(), 0);
    EXPECT_EQ(s.buffer(), nullptr);
    s.append(u'x');
    ASSERT_NE(s.terminate(), nullptr);
    EXPECT_EQ(s.cStr()[1], 0);
}

TEST(StrBuffer, CompareToUsesRawLittleEndianBytesAndLengthLast) {
    StrBuffer high(u"\u0100"), low(u"\u0001");
    EXPECT_EQ(high.compareTo(&low), -1);
    EXPECT_EQ(low.compareTo(&high), 1);
    StrBuffer ab(u"ab"), abc(u"abc"), AB(u"AB");
    EXPECT_EQ(ab.compareTo(&abc), -1);
    EXPECT_EQ(abc.compareTo(&ab), 1);
    EXPECT_EQ(ab.compareToIgnoreCase(&AB), 0);
    EXPECT_TRUE(ab.equalsIgnoreCase(&AB));
    EXPECT_FALSE(ab.equals(&AB));
    EXPECT_EQ(ab.hashCodeIgnoreCase(), AB.hashCodeIgnoreCase());
    EXPECT_NE(ab.hashCode(), AB.hashCode());
}

TEST(StrBuffer, HashShiftsAndFoldsTheTopBit) {
    StrBuffer s(u"ab");
    EXPECT_EQ(s.hashCode(), ('a' << 1) ^ 'b');
    // 33 units of 1: the top bit wraps round into bit 0.
    StrBuffer ones;
    std::uint32_t h = 0;
    for (int i = 0; i < 40; ++i) {
        ones.append(u'\u8001');
        h <<= 1;
        if (h & 0x80000000u)
            h |= 1;
        h ^= 0x8001;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(ones.hashCode()), h);
}

TEST(StrBuffer, BackwardSearchesStartBelowTheLimit) {
    StrBuffer s(u"abcabc");
    std::uint32_t at = 99;
    EXPECT_TRUE(s.lastIndexOf(u'c', at, StrBuffer::kEnd));
    EXPECT_EQ(at, 5u);
    EXPECT_TRUE(s.lastIndexOf(u'c', at, 3));
    EXPECT_EQ(at, 2u);
    EXPECT_FALSE(s.lastIndexOf(u'c', at, 2));
    EXPECT_TRUE(s.lastIndexOf(u"bc", at));
    EXPECT_EQ(at, 4u);
    EXPECT_TRUE(s.lastIndexOf(u"bc", at, 5));
    EXPECT_EQ(at, 1u);
    EXPECT_TRUE(s.lastIndexOfIgnoreCase(u"BC", at, 5));
    EXPECT_EQ(at, 1u);
    EXPECT_TRUE(s.lastIndexOfAny(u"xa", 2, at));
    EXPECT_EQ(at, 3u);
}

TEST(StrBuffer, ForwardSearchesFindCharactersAndStrings) {
    StrBuffer s(u"Hello World");
    std::uint32_t at = 0;
    EXPECT_TRUE(s.indexOf(u'o', at));
    EXPECT_EQ(at, 4u);
    EXPECT_TRUE(s.indexOf(u'o', at, 5));
    EXPECT_EQ(at, 7u);
    EXPECT_FALSE(s.indexOf(u'z', at));
    EXPECT_TRUE(s.indexOfIgnoreCase(u'w', at));
    EXPECT_EQ(at, 6u);
    EXPECT_TRUE(s.indexOf(u"World", at));
    EXPECT_EQ(at, 6u);
    EXPECT_FALSE(s.indexOf(u"world", at));
    EXPECT_TRUE(s.indexOfIgnoreCase(u"WORLD", at));
    EXPECT_EQ(at, 6u);
    EXPECT_TRUE(s.indexOfAny(u"rW", 2, at));
    EXPECT_EQ(at, 6u);
    EXPECT_FALSE(s.indexOf(u"World!", at));
}

TEST(StrBuffer, RegionMatchesWithMinusOneMustReachTheEnd) {
    StrBuffer abcd(u"abcd"), abcde(u"abcde");
    EXPECT_TRUE(abcd.regionMatches(2, u"cd", 0, -1));
    EXPECT_FALSE(abcde.regionMatches(2, u"cd", 0, -1));
    EXPECT_TRUE(abcde.regionMatches(2, u"cd", 0, 2));
    EXPECT_TRUE(abcde.regionMatches(2, u"xcd", 1, 2));
    EXPECT_FALSE(abcde.regionMatches(4, u"ef", 0, 2));
    EXPECT_TRUE(abcde.regionMatchesIgnoreCase(0, u"ABC", 0, 3));
    EXPECT_TRUE(abcde.startsWith(u"ab"));
    EXPECT_TRUE(abcde.endsWith(u"de"));
    EXPECT_FALSE(abcde.endsWith(u"xabcde"));
    EXPECT_TRUE(abcde.endsWithIgnoreCase(u"DE"));
    EXPECT_TRUE(abcde.startsWithIgnoreCase(u"AB"));
    EXPECT_EQ(abcde.compareAt(2, u"cde", 0, -1), 0);
    EXPECT_EQ(abcde.compareAt(2, u"cdf", 0, -1), -1);
    EXPECT_EQ(abcde.compareAt(2, u"cdf", 0, 2), 0);
    EXPECT_EQ(abcde.compareAt(9, u"a", 0, -1), -1);
    EXPECT_EQ(abcde.compareAtIgnoreCase(0, u"ABCDE", 0, -1), 0);
}

TEST(StrBuffer, SplitDropsEmptyPieces) {
    EXPECT_EQ(pieces(StrBuffer(u"/a//b/").split(u'/')), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(pieces(StrBuffer(u"abc").split(u'/')), (std::vector<std::string>{"abc"}));
    EXPECT_TRUE(pieces(StrBuffer(u"").split(u'/')).empty());
    EXPECT_TRUE(pieces(StrBuffer(u"///").split(u'/')).empty());
}

TEST(StrBuffer, SplitWordsDropsDuplicatesAndOptionallyStopWords) {
    EXPECT_EQ(pieces(StrBuffer(u"The cat and the dog").splitWords(true)),
              (std::vector<std::string>{"cat", "dog"}));
    EXPECT_EQ(pieces(StrBuffer(u"The cat and the dog").splitWords(false)),
              (std::vector<std::string>{"The", "cat", "and", "dog"}));
    // Latin-1 letters separate words; other units from 256 up are word units.
    EXPECT_EQ(pieces(StrBuffer(u"a\u00e9b 5% +1 \u65e5\u672c\u3001x").splitWords(false)),
              (std::vector<std::string>{"a", "b", "5%", "+1", "??", "x"}));
}

TEST(StrBuffer, TrimmingUsesTheWhitespaceSetAndTheMinimumLength) {
    StrBuffer s(u"  ab \t\r\n\u3000");
    s.trimRight();
    EXPECT_EQ(narrow(s), "  ab");
    s.trimLeft();
    EXPECT_EQ(narrow(s), "ab");
    StrBuffer padded(u"ab   ");
    padded.trimRight(3u);
    EXPECT_EQ(narrow(padded), "ab ");
    StrBuffer dots(u"..x..");
    dots.trimRight(u".", -1);
    dots.trimLeft(u".", -1);
    EXPECT_EQ(narrow(dots), "x");
    StrBuffer keep(u"x....");
    keep.trimRight(u".", 2u, -1);
    EXPECT_EQ(narrow(keep), "x.");
}

TEST(StrBuffer, StreamWritesBytesAndReadsWholeUnits) {
    StrBuffer s;
    std::uint8_t bytes[3] = {0x41, 0x00, 0x42};
    std::uint32_t count = 0;
    EXPECT_TRUE(s.write(bytes, 3, &count));
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(s.length(), 1u);
    EXPECT_EQ(s.position(), 3);
    s.rewind();
    std::uint8_t in[8] = {};
    EXPECT_TRUE(s.read(in, 8, &count));
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(in[0], 0x41);
    EXPECT_FALSE(s.read(in, 8, &count));
    EXPECT_EQ(count, 0u);
    EXPECT_TRUE(s.read(in, 0, &count));
    EXPECT_EQ(s.seekToEnd(), 2);
    s.skipBack(10);
    EXPECT_EQ(s.position(), 0);
}

TEST(StrBuffer, ReplaceAllInPlaceCompactingAndThroughAScratch) {
    struct Case {
        const char16_t *text, *find, *replacement;
        const char* expected;
        bool ignoreCase;
    };
    const Case cases[] = {
        {u"abcAB", u"AB", u"x", "xcx", true},      {u"abcAB", u"AB", u"x", "abcx", false},
        {u"aaaa", u"aa", u"bb", "bbbb", false},    {u"aaa", u"aa", u"bb", "bba", false},
        {u"x-y-z", u"-", u"--", "x--y--z", false}, {u"x-y-z", u"-", u"", "xyz", false},
        {u"abc", u"abcd", u"", "abc", false},      {u"abc", u"q", u"zz", "abc", false},
        {u"-", u"-", u"+++", "+++", false},
    };
    for (const Case& c : cases) {
        StrBuffer s(c.text);
        if (c.ignoreCase)
            s.replaceAllIgnoreCase(c.find, c.replacement);
        else
            s.replaceAll(c.find, c.replacement);
        EXPECT_EQ(narrow(s), c.expected) << narrow(StrBuffer(c.text));
    }
}

TEST(StrBuffer, CapacityGrowsByTheGrowthRule) {
    StrBuffer s;
    s.append(u'a');
    EXPECT_EQ(s.capacity(), 100u);
    s.setLength(100);
    s.append(u'b');
    EXPECT_EQ(s.capacity(), 300u);
    EXPECT_EQ(s.length(), 101u);
    StrBuffer big;
    big.reserveExact(10000000);
    big.setLength(10000000);
    big.append(u'c');
    EXPECT_EQ(big.capacity(), 20000000u);
    StrBuffer exact;
    exact.set(u"hello");
    EXPECT_EQ(exact.capacity(), 5u);
}

TEST(StrBuffer, EditingKeepsRangesAndCutsCopies) {
    StrBuffer s(u"Hello World");
    EXPECT_EQ(taken(s.substring(6, 99)), "World");
    EXPECT_EQ(taken(s.beforeLast(u'o')), "Hello W");
    EXPECT_EQ(taken(s.beforeLast(u'z')), "");
    EXPECT_EQ(taken(s.beforeLast(u"lo")), "Hel");
    EXPECT_EQ(taken(s.clone()), "Hello World");
    s.prepend(u">>", 2);
    EXPECT_EQ(narrow(s), ">>Hello World");
    s.keepRange(2, 7);
    EXPECT_EQ(narrow(s), "Hello");
    s.append(s.buffer(), 2);
    EXPECT_EQ(narrow(s), "HelloHe");
    s.capitalize();
    EXPECT_EQ(narrow(s), "Hellohe");
    s.reverse();
    EXPECT_EQ(narrow(s), "eholleH");
    s.toUpperCase();
    EXPECT_EQ(narrow(s), "EHOLLEH");
}

TEST(NumberText, FormattingMatchesTheCLibrary) {
    struct Case {
        double value;
        const char* expected;
    };
    // The texts glibc's printf("%f") gives for these values.
    const Case fixed[] = {
        {0.0, "0.000000"},
        {-0.0, "-0.000000"},
        {0.5, "0.500000"},
        {2.5, "2.500000"},
        {-1.0, "-1.000000"},
        {1e-7, "0.000000"},
        {1.5e-6, "0.000002"},
        {2.5e-6, "0.000003"},
        {123.4567895, "123.456789"},
        {9.9999995, "9.999999"},
        {0.1, "0.100000"},
        {1e15, "1000000000000000.000000"},
        {5e-324, "0.000000"},
        {1e300, "1000000000000000052504760255204420248704468581108159154915854115511802457988908195"
                "7863713750804478640437044438328838781769425232353604305756447921847867069828483872"
                "0092657580373783023379478809005936895323497079994508111903896764088007465274278014"
                "2494579258788820056842838115669472196386865459400540160.000000"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {-std::numeric_limits<double>::quiet_NaN(), "nan"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
    };
    for (const Case& c : fixed) {
        StrBuffer s;
        s.append(c.value);
        EXPECT_EQ(narrow(s), c.expected) << c.value;
    }
    StrBuffer s;
    s.append(static_cast<std::int32_t>(0));
    s.append(u' ');
    s.append(static_cast<std::int32_t>(-1));
    s.append(u' ');
    s.append(std::numeric_limits<std::int32_t>::min());
    s.append(u' ');
    s.append(std::numeric_limits<std::int64_t>::min());
    s.append(u' ');
    s.append(std::numeric_limits<std::uint32_t>::max());
    s.append(u' ');
    s.append(static_cast<std::int8_t>(-128));
    s.append(u' ');
    s.append(static_cast<std::uint8_t>(255));
    s.append(u' ');
    s.append(0.5f);
    EXPECT_EQ(narrow(s), "0 -1 -2147483648 -9223372036854775808 4294967295 -128 255 0.500000");
    s.set(static_cast<std::int64_t>(42));
    EXPECT_EQ(narrow(s), "42");
    s.set(2.5);
    EXPECT_EQ(narrow(s), "2.500000");
}

TEST(NumberText, HexAppendsAreZeroPaddedLowerCase) {
    StrBuffer s;
    std::uint8_t bytes[] = {0x0A, 0xFF};
    std::uint16_t shorts[] = {0xBEEF};
    std::uint32_t words[] = {0x1, 0xDEADBEEF};
    std::uint64_t longs[] = {0x0123456789ABCDEFULL};
    s.appendHex8(bytes, 2);
    s.appendHex16(shorts, 1);
    s.appendHex32(words, 2);
    s.appendHex64(longs, 1);
    s.appendHex32Pairs(words, 1);
    EXPECT_EQ(narrow(s), "0affbeef00000001deadbeef0123456789abcdef00000001deadbeef");
}

TEST(NumberText, ParsingFollowsTheCLibraryIncludingOverflow) {
    struct Case {
        const char16_t* text;
        std::int32_t asInt;
        std::int64_t asInt64;
    };
    const Case cases[] = {
        {u"42", 42, 42},
        {u"  -17xyz", -17, -17},
        {u"+8", 8, 8},
        {u"abc", 0, 0},
        {u"", 0, 0},
        {u"2147483648", 2147483647, 2147483648LL},
        {u"-2147483649", -2147483647 - 1, -2147483649LL},
        {u"99999999999999999999", 2147483647, 9223372036854775807LL},
        {u"-9223372036854775808", -2147483647 - 1, std::numeric_limits<std::int64_t>::min()},
        {u"- 5", 0, 0},
    };
    for (const Case& c : cases) {
        StrBuffer s(c.text);
        EXPECT_EQ(s.toInt(), c.asInt) << narrow(s);
        EXPECT_EQ(s.toInt64(), c.asInt64) << narrow(s);
    }
    EXPECT_FLOAT_EQ(StrBuffer(u" 2.5e1x").toFloat(), 25.0f);
    EXPECT_TRUE(StrBuffer(u"-12").isInteger());
    EXPECT_FALSE(StrBuffer(u"-").isInteger());
    EXPECT_FALSE(StrBuffer(u"1.0").isInteger());
}

TEST(StrBuffer, HexTextBecomesBytes) {
    StrBuffer s(u"0aFfx");
    EXPECT_FALSE(s.isHex());
    EXPECT_TRUE(StrBuffer(u"0aFf").isHex());
    EXPECT_EQ(s.hexDigitAt(3), 15);
    EXPECT_EQ(s.hexDigitAt(4), 0);
    auto* bytes = s.hexToBytes(nullptr, false);
    ASSERT_EQ(bytes->length(), 2u);
    EXPECT_EQ(bytes->at(0), 0x0A);
    EXPECT_EQ(bytes->at(1), 0xFF);
    StrBuffer(u"01").hexToBytes(bytes, true);
    EXPECT_EQ(bytes->length(), 3u);
    EXPECT_EQ(bytes->at(2), 0x01);
    bytes->release();
}

TEST(Utf8, EveryBmpUnitOutsideSurrogatesRoundTrips) {
    StrBuffer all;
    for (std::uint32_t c = 1; c <= 0xFFFF; ++c)
        if (c < 0xD800 || c > 0xDFFF)
            all.append(static_cast<char16_t>(c));
    auto* bytes = all.toUtf8(nullptr, false);
    EXPECT_EQ(bytes->at(bytes->length() - 1), 0) << "the terminator is counted";
    StrBuffer back;
    back.fromUtf8(static_cast<const std::uint8_t*>(bytes->data()), false, -1);
    EXPECT_TRUE(back.equals(&all));
    bytes->release();
}

TEST(Utf8, SurrogatePairsUseFourBytesAndStrayOnesBecomeReplacements) {
    StrBuffer pair(u"\U0001F600");
    auto* bytes = pair.toUtf8Unterminated(nullptr, false);
    ASSERT_EQ(bytes->length(), 4u);
    EXPECT_EQ(bytes->at(0), 0xF0);
    StrBuffer back;
    back.fromUtf8(static_cast<const std::uint8_t*>(bytes->data()), false, 4);
    EXPECT_TRUE(back.equals(u"\U0001F600"));
    StrBuffer lone;
    lone.append(u'a');
    lone.append(static_cast<char16_t>(0xD800));
    lone.append(u'b');
    lone.toUtf8Unterminated(bytes, false);
    ASSERT_EQ(bytes->length(), 5u);
    EXPECT_EQ(bytes->at(1), 0xEF);
    EXPECT_EQ(bytes->at(2), 0xBF);
    EXPECT_EQ(bytes->at(3), 0xBD);
    bytes->release();
}

TEST(Utf8, IllFormedInputDecodesToReplacementCharacters) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::u16string expected;
    };
    const Case cases[] = {
        {{0x80}, u"\uFFFD"},
        {{0xC0, 0xAF}, u"\uFFFD\uFFFD"},                         // overlong
        {{0xE2, 0x82}, u"\uFFFD"},                               // cut short
        {{0xE2, 0x82, 0x41}, u"\uFFFDA"},                        // broken by a new character
        {{0xED, 0xA0, 0x80}, u"\uFFFD\uFFFD\uFFFD"},             // encoded surrogate
        {{0xF4, 0x90, 0x80, 0x80}, u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {{0xFF, 0x41}, u"\uFFFDA"},
        {{0xE2, 0x82, 0xAC}, u"\u20AC"},
    };
    for (const Case& c : cases) {
        StrBuffer s;
        s.fromUtf8(c.bytes.data(), false, static_cast<std::int32_t>(c.bytes.size()));
        EXPECT_EQ(std::u16string(s.cStr(), s.length()), c.expected) << c.bytes.size() << " bytes";
    }
}

TEST(Utf8, DecodingAppendsInAppendMode) {
    StrBuffer s;
    for (int i = 0; i < 500; ++i)
        s.append(u'x');
    const std::uint8_t text[] = "ok";
    s.fromUtf8(text, true, -1);
    EXPECT_EQ(s.length(), 502u);
    EXPECT_EQ(s.charAt(0), u'x');
    EXPECT_EQ(s.charAt(501), u'k');
    s.fromUtf8(text, false, -1);
    EXPECT_EQ(narrow(s), "ok");
}

TEST(CodePages, Utf16FormsKeepOrSwapTheBytes) {
    StrBuffer s(u"A\u20AC");
    s::system::codepage::CodePage le(1200), be(1201);
    auto* bytes = s.toCodePageUnterminated(be, nullptr, false);
    ASSERT_EQ(bytes->length(), 4u);
    EXPECT_EQ(bytes->at(0), 0x00);
    EXPECT_EQ(bytes->at(1), 0x41);
    EXPECT_EQ(bytes->at(2), 0x20);
    StrBuffer back;
    back.fromCodePage(be, static_cast<const std::uint8_t*>(bytes->data()), false, 4);
    EXPECT_TRUE(back.equals(&s));
    s.toCodePage(le, bytes, false);
    EXPECT_EQ(bytes->length(), 6u) << "a whole zero unit ends UTF-16 text";
    EXPECT_EQ(bytes->at(0), 0x41);
    EXPECT_EQ(bytes->at(1), 0x00);
    back.fromCodePage(le, static_cast<const std::uint8_t*>(bytes->data()), false, -1);
    EXPECT_TRUE(back.equals(&s));
    bytes->release();
}

TEST(StrIterator, WalksBothWays) {
    StrBuffer s(u"abc");
    auto* it = s.iterator();
    EXPECT_EQ(it->index(), -1);
    std::string forward;
    while (it->hasNext())
        forward += static_cast<char>(*static_cast<char16_t*>(it->next()));
    EXPECT_EQ(forward, "abc");
    it->release();
    auto* at = s.iteratorAt(1);
    EXPECT_EQ(*static_cast<char16_t*>(at->next()), u'b');
    at->release();
    auto* back = s.iteratorAtEnd();
    EXPECT_EQ(*static_cast<char16_t*>(back->previous()), u'c');
    EXPECT_EQ(back->index(), 2);
    back->release();
    auto* fromEnd = s.iteratorFromEnd(1);
    EXPECT_EQ(*static_cast<char16_t*>(fromEnd->next()), u'c');
    fromEnd->release();
}

TEST(StrPool, StringsComeBackEmptyWithoutABuffer) {
    auto* s = s::thread::take<StrBuffer>();
    s->append(u"some text");
    s->release();
    auto* again = s::thread::take<StrBuffer>();
    EXPECT_EQ(again, s);
    EXPECT_EQ(again->length(), 0u);
    EXPECT_EQ(again->capacity(), 0u);
    EXPECT_EQ(again->buffer(), nullptr);
    again->release();
}
