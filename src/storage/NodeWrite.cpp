#include "storage/Node.h"

#include "foundation/strings/NumberFormat.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "storage/XmlText.h"

#include <bit>
#include <type_traits>

namespace s::xml {

namespace {
// Room for the longest number text: "%f" of the largest double.
constexpr std::size_t kNumberRoom = str::number::kMaxFixedLength;
} // namespace

// Numbers are formatted on the stack, so the writers share no scratch and
// need no lock; the text holds nothing to escape.
template <class T> void Node::addNumber(const char16_t* name, T value) {
    char digits[kNumberRoom];
    std::size_t n;
    if constexpr (std::is_floating_point_v<T>)
        n = str::number::formatFixed(static_cast<double>(value), digits);
    else if constexpr (std::is_signed_v<T> || sizeof(T) == 8)
        n = str::number::formatSigned(static_cast<std::int64_t>(value), digits);
    else
        n = str::number::formatUnsigned(value, digits);
    char16_t units[kNumberRoom];
    for (std::size_t i = 0; i < n; ++i)
        units[i] = static_cast<char16_t>(digits[i]);
    attributes_.add(name, -1, units, static_cast<std::int32_t>(n));
}

void Node::addAttribute(const char16_t* name, std::uint64_t value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, std::uint32_t value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, std::uint16_t value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, std::uint8_t value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, std::int64_t value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, std::int32_t value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, std::int16_t value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, std::int8_t value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, float value) { addNumber(name, value); }
void Node::addAttribute(const char16_t* name, double value) { addNumber(name, value); }

void Node::addAttribute(const char16_t* name, const char16_t* value) {
    str::StrBuffer escaped;
    if (name != nullptr && name[0] != 0)
        text::appendAttributeEscaped(escaped, value, text::length(value));
    else
        text::appendTextEscaped(escaped, value, text::length(value));
    attributes_.add(name, -1, escaped.buffer(), static_cast<std::int32_t>(escaped.length()));
}

// Each element as its unsigned bits of the same width, fixed-width hex.
template <class Bits, class T>
void Node::addHex(const char16_t* name, const T* values, std::int32_t count) {
    static_assert(sizeof(Bits) == sizeof(T));
    str::StrBuffer hex;
    for (std::int32_t i = 0; i < count; ++i) {
        auto bits = std::bit_cast<Bits>(values[i]);
        if constexpr (sizeof(Bits) == 8)
            hex.appendHex64(&bits, 1);
        else if constexpr (sizeof(Bits) == 4)
            hex.appendHex32(&bits, 1);
        else if constexpr (sizeof(Bits) == 2)
            hex.appendHex16(&bits, 1);
        else
            hex.appendHex8(&bits, 1);
    }
    attributes_.add(name, -1, hex.buffer(), static_cast<std::int32_t>(hex.length()));
}

void Node::addAttribute(const char16_t* name, const std::uint64_t* values, std::int32_t count) {
    addHex<std::uint64_t>(name, values, count);
}
void Node::addAttribute(const char16_t* name, const std::uint32_t* values, std::int32_t count) {
    addHex<std::uint32_t>(name, values, count);
}
void Node::addAttribute(const char16_t* name, const std::uint16_t* values, std::int32_t count) {
    addHex<std::uint16_t>(name, values, count);
}
void Node::addAttribute(const char16_t* name, const std::uint8_t* values, std::int32_t count) {
    addHex<std::uint8_t>(name, values, count);
}
void Node::addAttribute(const char16_t* name, const std::int64_t* values, std::int32_t count) {
    addHex<std::uint64_t>(name, values, count);
}
void Node::addAttribute(const char16_t* name, const std::int32_t* values, std::int32_t count) {
    addHex<std::uint32_t>(name, values, count);
}
void Node::addAttribute(const char16_t* name, const std::int16_t* values, std::int32_t count) {
    addHex<std::uint16_t>(name, values, count);
}
void Node::addAttribute(const char16_t* name, const std::int8_t* values, std::int32_t count) {
    addHex<std::uint8_t>(name, values, count);
}
void Node::addAttribute(const char16_t* name, const float* values, std::int32_t count) {
    addHex<std::uint32_t>(name, values, count);
}

// Two 32-bit fields per double, the lower word first, whatever the byte
// order of the machine.
void Node::addAttribute(const char16_t* name, const double* values, std::int32_t count) {
    str::StrBuffer hex;
    for (std::int32_t i = 0; i < count; ++i) {
        auto bits = std::bit_cast<std::uint64_t>(values[i]);
        std::uint32_t words[2] = {static_cast<std::uint32_t>(bits),
                                  static_cast<std::uint32_t>(bits >> 32)};
        hex.appendHex32(words, 2);
    }
    attributes_.add(name, -1, hex.buffer(), static_cast<std::int32_t>(hex.length()));
}

void Node::writeStart(str::IStr& out) const {
    out.append(u'<');
    out.append(name_, static_cast<std::uint32_t>(nameLength_));
    const Attr* text = nullptr;
    for (std::int32_t i = 0; i < attributes_.count(); ++i) {
        const Attr* record = attributes_.at(i);
        if (record->nameLength == 0) {
            if (text == nullptr)
                text = record;
            continue;
        }
        out.append(u' ');
        out.append(record->name, static_cast<std::uint32_t>(record->nameLength));
        out.append(u"=\"");
        out.append(record->value, static_cast<std::uint32_t>(record->valueLength));
        out.append(u'"');
    }
    out.append(u'>');
    if (text != nullptr)
        out.append(text->value, static_cast<std::uint32_t>(text->valueLength));
}

void Node::writeEnd(str::IStr& out) const {
    out.append(u"</");
    out.append(name_, static_cast<std::uint32_t>(nameLength_));
    out.append(u'>');
}

// Depth first with an explicit stack of (element, next child), so that any
// tree the parser can build can also be written.
str::IStr* Node::toString(str::IStr* out, bool append) const {
    if (out == nullptr)
        out = thread::take<str::StrBuffer>();
    else if (!append)
        out->reset();
    col::ArrayP open;
    col::ArrayS32 next;
    writeStart(*out);
    open.add(const_cast<Node*>(this));
    next.add(0);
    while (open.length() > 0) {
        std::uint32_t top = open.length() - 1;
        auto* node = static_cast<const Node*>(open.at(top));
        std::int32_t i = next.at(top);
        if (i < node->childCount()) {
            std::int32_t following = i + 1;
            next.put(&following, 1, 0, top);
            Node* child = node->childAt(i);
            child->writeStart(*out);
            open.add(child);
            next.add(0);
        } else {
            node->writeEnd(*out);
            open.dropLast(1);
            next.dropLast(1);
        }
    }
    return out;
}

col::ArrayU08* Node::toUtf8(col::ArrayU08* array, bool append) const {
    str::IStr* text = toString();
    array = text->toUtf8Unterminated(array, append);
    text->release();
    return array;
}

} // namespace s::xml
