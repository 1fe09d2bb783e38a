#include "storage/Node.h"

#include "StorageTestSupport.h"
#include "foundation/collections/Arrays.h"
#include "foundation/strings/StrBuffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using s::xml::Node;
using namespace storage_test;

namespace {

struct Shape {
    const char16_t* input;
    const char16_t* written;
};

class ParseAndWrite : public ::testing::TestWithParam<Shape> {};

TEST_P(ParseAndWrite, WritesTheShapeBackOnOneLine) {
    NodePtr node = parsed(GetParam().input);
    EXPECT_EQ(serialised(*node), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Node, ParseAndWrite,
    ::testing::Values(
        // Empty elements in either form come back with start and end tag.
        Shape{u"<a/>", u"<a></a>"}, Shape{u"<a></a>", u"<a></a>"}, Shape{u"< a\n/>", u"<a></a>"},
        Shape{u"<a x=\"1\" />", u"<a x=\"1\"></a>"},
        // Only the first text stretch is written.
        Shape{u"<a x=\"1\" y=\"2\">hi<b/>there</a>", u"<a x=\"1\" y=\"2\">hi<b></b></a>"},
        // Indentation between elements is not text.
        Shape{u"<r>\n  <a>\n    <b/>\n  </a>\n</r>", u"<r><a><b></b></a></r>"},
        // Comments inside elements are dropped.
        Shape{u"<r><!-- <x/> --><a/><!----></r>", u"<r><a></a></r>"},
        // Whatever begins "<!" is a comment up to the next "-->".
        Shape{u"<r><!DOCTYPE x><y/>--><z/></r>", u"<r><z></z></r>"},
        // Any end tag closes the innermost element.
        Shape{u"<r><a><b></c><d/></a></r>", u"<r><a><b></b><d></d></a></r>"},
        // Values are kept exactly as found, entities and all.
        Shape{u"<a v=\"&lt;&amp;x;&#9;\">&gt;&#160;</a>", u"<a v=\"&lt;&amp;x;&#9;\">&gt;&#160;</a>"},
        // Whatever follows the root is ignored; leading text is skipped.
        Shape{u"junk<a/><b/>", u"<a></a>"},
        // Text that runs out closes every open element.
        Shape{u"<a><b>text", u"<a><b>text</b></a>"}, Shape{u"<a x=\"1", u"<a x=\"1\"></a>"},
        Shape{u"<a x", u"<a></a>"}, Shape{u"<a", u"<a></a>"}));

TEST(Node, TextAfterAChildIsASecondTextStretch) {
    NodePtr node = parsed(u"<a x=\"1\" y=\"2\">hi<b/>there</a>");
    ASSERT_EQ(node->getAttributes().count(), 4);
    EXPECT_EQ(std::u16string(node->getAttributes().at(2)->name), u"");
    EXPECT_EQ(std::u16string(node->getAttributes().at(3)->name), u"");
    EXPECT_EQ(std::u16string(node->getAttributes().at(3)->value), u"there");
    EXPECT_EQ(decoded(*node, u""), u"hi");
    ASSERT_EQ(node->childCount(), 1);
    EXPECT_TRUE(node->childAt(0)->nameEquals(u"b"));
}

TEST(Node, IndentedTextReadsBackWithoutItsIndentation) {
    NodePtr node = parsed(u"<a>\n    first line\n    second line\n</a>");
    EXPECT_EQ(decoded(*node, u""), u"first line\n    second line");
}

TEST(Node, ParseAnswersThePositionAfterTheElement) {
    const char16_t* text = u"<a><b/></a><c/>";
    NodePtr node = newNode();
    EXPECT_EQ(std::u16string(node->parse(text)), u"<c/>");
    const char16_t* comment = u"<!-- x --> rest";
    EXPECT_EQ(std::u16string(newNode()->parse(comment)), u" rest");
}

TEST(Node, Utf8DocumentsSkipAByteOrderMarkAndLeadingComments) {
    const std::string document = "\xEF\xBB\xBF<!-- settings -->\n<r n=\"\xC3\xA9\xE2\x82\xAC\"/>";
    s::col::ArrayU08 bytes;
    bytes.append(document.data(), static_cast<std::uint32_t>(document.size()));
    NodePtr node = newNode();
    node->parseUtf8(&bytes);
    EXPECT_TRUE(node->nameEquals(u"r"));
    EXPECT_EQ(orEmpty(node->getString(u"n", nullptr)), u"\u00e9\u20ac");
}

TEST(Node, NestingDeeperThanAnyStackParsesWritesAndReleases) {
    constexpr int kDepth = 200000;
    std::u16string text;
    for (int i = 0; i < kDepth; ++i)
        text += u"<a>";
    NodePtr node = parsed(text.c_str());
    int depth = 1;
    for (const Node* n = node.get(); n->childCount() > 0; n = n->childAt(0))
        ++depth;
    EXPECT_EQ(depth, kDepth);
    EXPECT_EQ(serialised(*node).size(), static_cast<std::size_t>(kDepth) * 7);
}

TEST(Node, NameEqualsWholeIgnoresCaseCountedIsExact) {
    NodePtr node = newNode(u"Timer");
    EXPECT_TRUE(node->nameEquals(u"timer"));
    EXPECT_TRUE(node->nameEquals(u"TIMER", -1));
    EXPECT_FALSE(node->nameEquals(u"Time"));
    EXPECT_TRUE(node->nameEquals(u"Timer", 5));
    EXPECT_FALSE(node->nameEquals(u"timer", 5));
    EXPECT_FALSE(node->nameEquals(u"Timers", 6)) << "a longer name with the same beginning";
    EXPECT_FALSE(newNode(u"Timers")->nameEquals(u"Timer", 5)) << "the name goes on after 5 units";
    EXPECT_TRUE(newNode(u"Tim")->nameEquals(u"Timer", 3)) << "only the first 3 units count";
    EXPECT_FALSE(newNode()->nameEquals(u"", 0)) << "an unnamed node";
    EXPECT_FALSE(newNode()->nameEquals(u""));
}

TEST(Node, DuplicateAttributesAreKeptAndTheFirstIsRead) {
    NodePtr node = newNode(u"a");
    node->addAttribute(u"k", u"first");
    node->addAttribute(u"K", u"second");
    EXPECT_EQ(node->getAttributes().count(), 2);
    EXPECT_EQ(orEmpty(node->getString(u"k", nullptr)), u"first");
    EXPECT_EQ(serialised(*node), u"<a k=\"first\" K=\"second\"></a>");
}

TEST(Node, StringWritersEscapeAttributesAndTextDifferently) {
    NodePtr node = newNode(u"a");
    node->addAttribute(u"v", u"say \"<hi>\" & go\r\n");
    node->addAttribute(u"", u" fish & chips ");
    EXPECT_EQ(orEmpty(node->getString(u"v", nullptr)), u"say &quot;&lt;hi>&quot; &amp; go&#13;&#10;")
        << "greater-than stays as it is in attributes";
    EXPECT_EQ(orEmpty(node->getString(u"", nullptr)), u"&#160;fish&#160;&amp;&#160;chips&#160;");
    NodePtr again = parsed(serialised(*node).c_str());
    EXPECT_EQ(decoded(*again, u"v"), u"say \"<hi>\" & go\r\n");
    EXPECT_EQ(decoded(*again, u""), u" fish & chips ") << "outer spaces survive as &#160;";
}

TEST(Node, DecodingRecognisesOnlyItsOwnEntities) {
    struct Case {
        const char16_t* stored;
        const char16_t* attribute;
        const char16_t* text;
    } cases[] = {
        {u"&amp;lt;", u"&lt;", u"&lt;"},
        {u"&gt;&quot;", u"&gt;\"", u">&quot;"},
        {u"&#160;&nbsp;&#32;", u"&#160;&nbsp;&#32;", u" &nbsp;&#32;"},
        {u"a&", u"a&", u"a&"},
        {u"&#1", u"&#1", u"&#1"},
        // Text decoding drops raw outer whitespace but keeps escaped spaces.
        {u" \t x \t", u" \t x \t", u"x"},
        {u"\r\n&#10; x &#160;\u3000 ", u"\r\n\n x &#160;\u3000 ", u"\n x  "},
    };
    for (const Case& c : cases) {
        NodePtr node = newNode(u"a");
        node->getAttributes().add(u"v", -1, c.stored, -1);
        node->getAttributes().add(u"", -1, c.stored, -1);
        EXPECT_EQ(decoded(*node, u"v"), c.attribute) << testing::PrintToString(std::u16string(c.stored));
        EXPECT_EQ(decoded(*node, u""), c.text) << testing::PrintToString(std::u16string(c.stored));
    }
}

TEST(Node, GetBoolTakesOneOrALeadingLowerCaseTrue) {
    struct Case {
        const char16_t* value;
        bool expected;
    } cases[] = {{u"1", true},     {u"10", true},  {u"true", true}, {u"trueish", true},
                 {u"TRUE", false}, {u"yes", false}, {u"0", false},  {u"", false},
                 {u"tru", false},  {u" 1", false}};
    for (const Case& c : cases) {
        NodePtr node = newNode(u"a");
        node->getAttributes().add(u"b", -1, c.value, -1);
        EXPECT_EQ(node->getBool(u"b", !c.expected), c.expected)
            << testing::PrintToString(std::u16string(c.value));
    }
    NodePtr node = newNode(u"a");
    EXPECT_TRUE(node->getBool(u"missing", true));
    EXPECT_FALSE(node->getBool(u"missing", false));
}

TEST(Node, NumericGettersConvertLikeTheCLibraryAndTruncate) {
    NodePtr node = parsed(u"<a s=\" -12abc\" big=\"99999999999\" wide=\"300\" neg=\"-1\" "
                          u"hi=\"200\" none=\"x7\" plus=\"+5\" huge=\"-99999999999999999999\"/>");
    EXPECT_EQ(node->getInt32(u"s", 0), -12);
    EXPECT_EQ(node->getInt32(u"big", 0), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(node->getInt64(u"big", 0), 99999999999LL);
    EXPECT_EQ(node->getInt8(u"hi", 0), -56);
    EXPECT_EQ(node->getInt16(u"big", 0), -1) << "the clamped 32-bit value, truncated";
    EXPECT_EQ(node->getUInt8(u"wide", 0), 44);
    EXPECT_EQ(node->getUInt16(u"neg", 0), 0xFFFF);
    EXPECT_EQ(node->getUInt32(u"neg", 0), 0xFFFFFFFFu);
    EXPECT_EQ(node->getUInt32(u"big", 0), 0xFFFFFFFFu) << "out of range for wcstoul";
    EXPECT_EQ(node->getUInt64(u"neg", 0), std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(node->getInt64(u"huge", 0), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(node->getInt32(u"none", 9), 0) << "no digits convert to 0";
    EXPECT_EQ(node->getUInt32(u"plus", 0), 5u);
    EXPECT_EQ(node->getInt32(u"missing", 9), 9);
    EXPECT_EQ(node->getUInt64(u"missing", 9), 9u);
}

TEST(Node, TypedWritersUseTheCFormats) {
    NodePtr node = newNode(u"a");
    node->addAttribute(u"u64", std::numeric_limits<std::uint64_t>::max());
    node->addAttribute(u"u32", std::numeric_limits<std::uint32_t>::max());
    node->addAttribute(u"u16", std::uint16_t{65535});
    node->addAttribute(u"u8", std::uint8_t{255});
    node->addAttribute(u"i64", std::numeric_limits<std::int64_t>::min());
    node->addAttribute(u"i32", std::int32_t{-7});
    node->addAttribute(u"i16", std::int16_t{-32768});
    node->addAttribute(u"i8", std::int8_t{-128});
    node->addAttribute(u"f", 0.1f);
    node->addAttribute(u"d", 1e20);
    EXPECT_EQ(serialised(*node),
              u"<a u64=\"-1\" u32=\"4294967295\" u16=\"65535\" u8=\"255\" "
              u"i64=\"-9223372036854775808\" i32=\"-7\" i16=\"-32768\" i8=\"-128\" "
              u"f=\"0.100000\" d=\"100000000000000000000.000000\"></a>");
    EXPECT_EQ(node->getUInt64(u"u64", 0), std::numeric_limits<std::uint64_t>::max());
}

TEST(Node, ArrayWritersDumpFixedWidthLowerCaseHex) {
    const std::uint64_t u64[] = {1, 0xABCDEF0123456789ULL};
    const std::int32_t i32[] = {-1, 16};
    const std::int16_t i16[] = {-1, 2};
    const std::uint8_t u8[] = {0xAB, 0x01};
    const std::int8_t i8[] = {-1};
    const float f[] = {1.0f, -2.0f};
    const double d[] = {1.0};
    NodePtr node = newNode(u"a");
    node->addAttribute(u"u64", u64, 2);
    node->addAttribute(u"i32", i32, 2);
    node->addAttribute(u"i16", i16, 2);
    node->addAttribute(u"u8", u8, 2);
    node->addAttribute(u"i8", i8, 1);
    node->addAttribute(u"f", f, 2);
    node->addAttribute(u"d", d, 1);
    node->addAttribute(u"none", u8, 0);
    EXPECT_EQ(serialised(*node), u"<a u64=\"0000000000000001abcdef0123456789\" i32=\"ffffffff00000010\" "
                                 u"i16=\"ffff0002\" u8=\"ab01\" i8=\"ff\" f=\"3f800000c0000000\" "
                                 u"d=\"000000003ff00000\" none=\"\"></a>");
}

TEST(Node, SaveCreatesMissingDirectoriesAndLoadReadsTheFileBack) {
    TempFolder dir;
    std::u16string path = dir.file(u"one/two/settings.xml");
    NodePtr node = newNode(u"savedata");
    Node* view = node->addChild(u"View");
    view->addAttribute(u"Width", std::int32_t{640});
    view->addAttribute(u"", u"caf\u00e9 au lait");
    ASSERT_TRUE(node->save(path.c_str()));
    EXPECT_EQ(fileBytes(path),
              "<savedata><View Width=\"640\">caf\xC3\xA9&#160;au&#160;lait</View></savedata>")
        << "UTF-8 without byte-order mark, declaration or line break";
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path + u".tmp")));
    NodePtr loaded = newNode();
    EXPECT_TRUE(loaded->load(path.c_str()));
    EXPECT_EQ(serialised(*loaded), serialised(*node));
}

} // namespace
