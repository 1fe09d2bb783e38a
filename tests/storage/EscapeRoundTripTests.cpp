#include "StorageTestSupport.h"
#include "foundation/collections/Arrays.h"
#include "storage/Node.h"
#include "storage/XmlMappedData.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using s::xml::MappedData;
using s::xml::Node;
using namespace storage_test;

namespace {

// Strings made of the units the escapes and the whitespace handling care
// about, entity look-alikes included, with a bias to put whitespace at the
// ends where the parser and the decoder trim.
std::u16string randomValue(std::mt19937& random) {
    static const std::vector<std::u16string> pieces = {
        u"a", u"Z", u" ", u"  ", u"\r", u"\n", u"\r\n", u"\t", u"&", u"<", u">", u"\"", u"'",
        u"=", u"/", u"\u3000", u"\u00e9", u"\u20ac", u"\U0001F600", u"&amp;", u"&#160;", u"&#10;",
        u"&lt;", u"&quot;", u"&#", u";", u"-->", u"<!--", u"</a>"};
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> count(0, 12);
    std::u16string value;
    if (random() % 3 == 0)
        value += random() % 2 ? u" " : u"\u3000";
    for (int i = count(random); i > 0; --i)
        value += pieces[piece(random)];
    if (random() % 3 == 0)
        value += random() % 2 ? u"  " : u"\t\u3000";
    return value;
}

std::u16string throughUtf8(const Node& node) {
    s::col::ArrayU08* bytes = node.toUtf8();
    NodePtr again = newNode();
    again->parseUtf8(bytes);
    bytes->release();
    return decoded(*again->getChild(u"S"), u"");
}

TEST(EscapeRoundTrip, EveryStringReadsBackIdenticalAsTextAndAsAttribute) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::u16string value = randomValue(random);
        const std::string shown = testing::PrintToString(value);

        NodePtr root = newNode(u"savedata");
        MappedData* store = MappedData::createOverElement(root.release());
        store->setString(u"S", u"", value.c_str());
        store->setString(u"S", u"k", value.c_str());
        ASSERT_EQ(std::u16string(store->getString(u"S", u"", u"(missing)")), value) << shown;
        ASSERT_EQ(std::u16string(store->getString(u"S", u"k", u"(missing)")), value) << shown;

        // And through the writer and the parser, as a file holds it.
        NodePtr reparsed = parsed(serialised(*store->root()).c_str());
        Node* section = reparsed->getChild(u"S");
        ASSERT_NE(section, nullptr) << shown;
        ASSERT_EQ(decoded(*section, u"k"), value) << shown;
        // Empty text is not written at all, so it reads back as missing.
        if (!value.empty()) {
            ASSERT_EQ(decoded(*section, u""), value) << shown;
            ASSERT_EQ(throughUtf8(*store->root()), value) << shown;
        }
        store->release();
    }
}

} // namespace
