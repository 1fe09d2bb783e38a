// The XML parser on arbitrary input, as UTF-8 bytes and as UTF-16 units:
// nothing may crash, parse must answer a position inside the text, every
// element must come from a "<" of its own, and whatever tree comes out must
// be writable and parse again.

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "storage/Node.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

std::size_t elementsIn(const s::xml::Node* root) {
    std::size_t count = 0;
    std::vector<const s::xml::Node*> pending{root};
    while (!pending.empty()) {
        const s::xml::Node* node = pending.back();
        pending.pop_back();
        ++count;
        for (std::int32_t i = 0; i < node->childCount(); ++i)
            pending.push_back(node->childAt(i));
    }
    return count;
}

std::size_t openersIn(const char16_t* text) {
    std::size_t count = 0;
    for (; *text != 0; ++text)
        count += *text == u'<';
    return count;
}

void writeAndParseAgain(const s::xml::Node& node) {
    s::str::IStr* written = node.toString();
    auto* again = s::thread::take<s::xml::Node>();
    const char16_t* text = written->cStr();
    const char16_t* end = again->parse(text);
    check(end >= text && end <= text + written->length());
    again->release();
    written->release();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using s::xml::Node;

    s::col::ArrayU08 bytes;
    bytes.append(data, static_cast<std::uint32_t>(size));
    Node* document = s::thread::take<Node>();
    document->parseUtf8(&bytes);
    writeAndParseAgain(*document);
    document->release();

    // The same bytes as units, terminated where the input ends.
    std::vector<char16_t> units(size / 2 + 1, 0);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units[i / 2] = static_cast<char16_t>(data[i] | data[i + 1] << 8);
    const char16_t* text = units.data();
    Node* node = s::thread::take<Node>();
    const char16_t* end = node->parse(text);
    std::size_t length = 0;
    while (text[length] != 0)
        ++length;
    check(end >= text && end <= text + length);
    if (node->getName() != nullptr)
        check(elementsIn(node) <= openersIn(text));
    writeAndParseAgain(*node);
    node->release();
    return 0;
}
