#include "storage/Node.h"

#include "foundation/strings/NumberFormat.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "storage/XmlText.h"

#include <cstdlib>
#include <cstring>

namespace s::xml {

namespace {

const char16_t* endOf(const Attr* record) { return record->value + record->valueLength; }

// wcstoul in base 10 for a 32-bit unsigned long: a negative value wraps, an
// out-of-range one gives the maximum.
std::uint32_t toUnsigned32(const Attr* record) {
    constexpr std::int64_t kMax = 0xFFFFFFFF;
    std::int64_t value = str::number::parseInt64(record->value, endOf(record));
    if (value > kMax || value < -kMax)
        return 0xFFFFFFFF;
    return static_cast<std::uint32_t>(value);
}

} // namespace

void Node::createDependentPools() { AttrFactory::instance(); }

Node::Node() { children_.setDestroyer(&thread::poolOf<Node>()); }

Node::~Node() { removeAll(); }

base::IObject* Node::newInstance() const { return thread::take<Node>(); }

// The subtree goes back first, outside the pool's lock that the give-back of
// this node holds while it clears it.
void Node::release() {
    releaseChildren();
    thread::giveBack(this);
}

void Node::freeName() {
    std::free(name_);
    name_ = nullptr;
    nameLength_ = 0;
}

void Node::removeAll() {
    freeName();
    attributes_.removeAll();
    releaseChildren();
}

// Gives the subtree back one node at a time, each emptied of its children
// first, without recursion: a tree parsed from a file can be nested deeper
// than the stack would allow.
void Node::releaseChildren() {
    if (children_.length() == 0) {
        children_.freeMemory();
        return;
    }
    col::ArrayP pending;
    auto detachChildren = [&pending](Node* node) {
        if (node->children_.length() > 0)
            pending.append(node->children_.data(), node->children_.length());
        node->children_.setLength(0);
        node->children_.freeMemory();
    };
    detachChildren(this);
    while (pending.length() > 0) {
        auto* node = static_cast<Node*>(pending.at(pending.length() - 1));
        pending.dropLast(1);
        detachChildren(node);
        node->release();
    }
}

void Node::setName(const char16_t* name, std::int32_t length) {
    if (length < 0)
        length = text::length(name);
    auto* copy = static_cast<char16_t*>(std::malloc(2 * (static_cast<std::size_t>(length) + 1)));
    if (length > 0)
        std::memcpy(copy, name, 2 * static_cast<std::size_t>(length));
    copy[length] = 0;
    freeName();
    name_ = copy;
    nameLength_ = length;
}

bool Node::nameEquals(const char16_t* name, std::int32_t length) const {
    if (name_ == nullptr || name == nullptr)
        return false;
    if (length < 0)
        return text::equalsIgnoreCase(name_, name);
    return nameLength_ == length && std::memcmp(name_, name, 2 * static_cast<std::size_t>(length)) == 0;
}

Node* Node::addChild(const char16_t* name, std::int32_t length) {
    Node* child = thread::take<Node>();
    child->setName(name, length);
    return appendChild(child);
}

Node* Node::appendChild(Node* node) {
    children_.add(node);
    return node;
}

void Node::removeChildAt(std::int32_t index) {
    Node* child = childAt(index);
    children_.remove(static_cast<std::uint32_t>(index), 1);
    child->release();
}

bool Node::findChild(const char16_t* name, std::int32_t* outIndex, std::int32_t length) const {
    for (std::int32_t i = 0; i < childCount(); ++i) {
        if (childAt(i)->nameEquals(name, length)) {
            if (outIndex != nullptr)
                *outIndex = i;
            return true;
        }
    }
    return false;
}

Node* Node::getChild(const char16_t* name, std::int32_t length) const {
    std::int32_t index;
    return findChild(name, &index, length) ? childAt(index) : nullptr;
}

const char16_t* Node::getString(const char16_t* name, const char16_t* def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr ? record->value : def;
}

bool Node::getBool(const char16_t* name, bool def) const {
    const Attr* record = attributes_.find(name);
    if (record == nullptr)
        return def;
    const char16_t* v = record->value;
    return v[0] == u'1' || (v[0] == u't' && v[1] == u'r' && v[2] == u'u' && v[3] == u'e');
}

std::int8_t Node::getInt8(const char16_t* name, std::int8_t def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr
               ? static_cast<std::int8_t>(str::number::parseInt32(record->value, endOf(record)))
               : def;
}

std::int16_t Node::getInt16(const char16_t* name, std::int16_t def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr
               ? static_cast<std::int16_t>(str::number::parseInt32(record->value, endOf(record)))
               : def;
}

std::int32_t Node::getInt32(const char16_t* name, std::int32_t def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr ? str::number::parseInt32(record->value, endOf(record)) : def;
}

std::int64_t Node::getInt64(const char16_t* name, std::int64_t def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr ? str::number::parseInt64(record->value, endOf(record)) : def;
}

std::uint8_t Node::getUInt8(const char16_t* name, std::uint8_t def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr ? static_cast<std::uint8_t>(toUnsigned32(record)) : def;
}

std::uint16_t Node::getUInt16(const char16_t* name, std::uint16_t def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr ? static_cast<std::uint16_t>(toUnsigned32(record)) : def;
}

std::uint32_t Node::getUInt32(const char16_t* name, std::uint32_t def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr ? toUnsigned32(record) : def;
}

// The 64-bit unsigned getter reads through the signed conversion, the
// counterpart of the signed form its writer uses.
std::uint64_t Node::getUInt64(const char16_t* name, std::uint64_t def) const {
    const Attr* record = attributes_.find(name);
    return record != nullptr
               ? static_cast<std::uint64_t>(str::number::parseInt64(record->value, endOf(record)))
               : def;
}

void Node::getString(const char16_t* name, str::IStr* out, const char16_t* def, bool append) const {
    if (!append)
        out->reset();
    const Attr* record = attributes_.find(name);
    if (record == nullptr) {
        if (def != nullptr)
            out->append(def);
        return;
    }
    if (record->nameLength == 0)
        text::appendTextDecoded(*out, record->value, record->valueLength);
    else
        text::appendAttributeDecoded(*out, record->value, record->valueLength);
}

bool Node::load(const char16_t* pathText) {
    thread::Pooled<col::ArrayU08> bytes(thread::take<col::ArrayU08>());
    bool complete = platform::readFile(pathText, bytes.get());
    complete = parseUtf8(bytes.get()) && complete;
    return complete;
}

bool Node::save(const char16_t* pathText) const {
    str::StrBuffer path(pathText);
    if (path.length() == 0)
        return false;
    std::uint32_t separator;
    if (path.lastIndexOfAny(u"\\/", 2, separator) && separator > 0) {
        str::StrBuffer directory(path);
        directory.setLength(separator);
        platform::createDirectories(directory.cStr());
    }
    // Beside the target, so that the replacing move stays on one volume.
    str::StrBuffer temporary(path);
    temporary.append(u".tmp");
    col::ArrayU08* bytes = toUtf8();
    bool saved = platform::writeFile(temporary.cStr(), bytes->data(), bytes->length()) &&
                 platform::replaceFile(temporary.cStr(), path.cStr());
    bytes->release();
    if (!saved)
        platform::deleteFile(temporary.cStr());
    return saved;
}

} // namespace s::xml
