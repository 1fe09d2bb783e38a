#pragma once

#include "foundation/collections/Arrays.h"
#include "TestSupport.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "storage/Node.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

namespace storage_test {

using s::test::TempFolder;

struct NodeRelease {
    void operator()(s::xml::Node* node) const { node->release(); }
};
using NodePtr = std::unique_ptr<s::xml::Node, NodeRelease>;

inline NodePtr newNode(const char16_t* name = nullptr) {
    NodePtr node(s::thread::take<s::xml::Node>());
    if (name != nullptr)
        node->setName(name);
    return node;
}

inline NodePtr parsed(const char16_t* text) {
    NodePtr node = newNode();
    node->parse(text);
    return node;
}

inline std::u16string serialised(const s::xml::Node& node) {
    s::str::IStr* text = node.toString();
    std::u16string out(text->cStr(), text->length());
    text->release();
    return out;
}

inline std::u16string orEmpty(const char16_t* text) {
    return text != nullptr ? std::u16string(text) : std::u16string();
}

// The decoded value, or "(missing)".
inline std::u16string decoded(const s::xml::Node& node, const char16_t* name) {
    s::str::StrBuffer out;
    node.getString(name, &out, u"(missing)", false);
    return std::u16string(out.cStr(), out.length());
}

inline std::string fileBytes(const std::u16string& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::u16string& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out << bytes;
}

} // namespace storage_test
