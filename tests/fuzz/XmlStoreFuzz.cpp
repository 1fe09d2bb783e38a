// The XML settings store over an arbitrary document, driven by arbitrary
// operations on paths and keys drawn from a small alphabet (so that they
// meet) or taken from the input: nothing may crash, and every value set must
// read back at once through the same path in any letter case.

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"
#include "storage/Node.h"
#include "storage/XmlMappedData.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

std::u16string wideOf(const std::string& bytes) {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto unit = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                          static_cast<std::uint8_t>(bytes[i + 1]) << 8);
        out += unit != 0 ? unit : u'x';
    }
    return out;
}

std::u16string pathFrom(FuzzedDataProvider& input) {
    static const char16_t* const kSegments[] = {u"A", u"a", u"B", u"View", u"", u"Skin"};
    std::u16string path;
    int segments = input.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < segments; ++i) {
        if (i > 0)
            path += input.ConsumeBool() ? u'\\' : u'/';
        path += input.ConsumeBool() ? std::u16string(kSegments[input.ConsumeIntegralInRange(0, 5)])
                                    : wideOf(input.ConsumeRandomLengthString(8));
    }
    return path;
}

std::u16string keyFrom(FuzzedDataProvider& input) {
    static const char16_t* const kKeys[] = {u"", u"k", u"K", u"Width", u"Height"};
    return input.ConsumeBool() ? std::u16string(kKeys[input.ConsumeIntegralInRange(0, 4)])
                               : wideOf(input.ConsumeRandomLengthString(8));
}

std::u16string upper(std::u16string text) {
    for (char16_t& c : text)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - 32);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using s::xml::MappedData;
    using s::xml::Node;
    FuzzedDataProvider input(data, size);

    std::string document = input.ConsumeRandomLengthString(size);
    s::col::ArrayU08 bytes;
    bytes.append(document.data(), static_cast<std::uint32_t>(document.size()));
    Node* root = s::thread::take<Node>();
    root->parseUtf8(&bytes);
    MappedData* store = MappedData::createOverElement(root);

    while (input.remaining_bytes() > 0) {
        std::u16string path = pathFrom(input);
        std::u16string key = keyFrom(input);
        const char16_t* p = path.c_str();
        const char16_t* k = key.c_str();
        switch (input.ConsumeIntegralInRange(0, 9)) {
        case 0: {
            std::u16string value = wideOf(input.ConsumeRandomLengthString(24));
            store->setString(p, k, value.c_str());
            check(store->getString(upper(path).c_str(), upper(key).c_str(), nullptr) == value);
            break;
        }
        case 1: {
            auto value = input.ConsumeIntegral<std::int32_t>();
            store->setInt32(p, k, value);
            check(store->getInt32(p, k, ~value) == value);
            break;
        }
        case 2: {
            auto value = input.ConsumeIntegral<std::uint64_t>();
            store->setUInt64(p, k, value);
            check(store->getUInt64(p, k, ~value) == value);
            break;
        }
        case 3: {
            bool value = input.ConsumeBool();
            store->setBool(p, k, value);
            check(store->getBool(p, k, !value) == value);
            break;
        }
        case 4: {
            std::string raw = input.ConsumeRandomLengthString(16);
            s::col::ArrayU08 value;
            value.append(raw.data(), static_cast<std::uint32_t>(raw.size()));
            store->setBytes(p, k, &value);
            s::col::ArrayU08* got = store->getBytes(p, k, nullptr);
            check(got != nullptr && got->compareTo(&value) == 0);
            got->release();
            break;
        }
        case 5:
            store->removeKey(p, k);
            check(!store->hasKey(p, k));
            break;
        case 6:
            store->removePath(p);
            break;
        case 7:
            store->selectPath(p);
            check(store->findPath(upper(path).c_str()));
            break;
        case 8:
            store->findPath(p);
            store->hasKey(p, k);
            break;
        default:
            store->getDouble(p, k, 0);
            store->getString(p, k, nullptr);
            store->getUInt8(p, k, 0);
            break;
        }
    }

    s::str::IStr* written = store->root()->toString();
    Node* again = s::thread::take<Node>();
    again->parse(written->cStr());
    again->release();
    written->release();
    store->release();
    return 0;
}
