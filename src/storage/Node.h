#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/IPoolable.h"
#include "storage/Attributes.h"
#include "storage/IXml.h"

#include <cstdint>

namespace s::xml {

// One element of an XML tree: a name, attributes with the element's text
// among them (under the empty name), and child elements in document order.
// Nodes come from their pool (take<Node>() or newInstance) and go back with
// release(), which gives the whole subtree back. A tree is not synchronised.
//
// Where a name takes a length, -1 means "up to the terminator".
class Node final : public IXml, public thread::IPoolable {
public:
    // Idle nodes hold no records, but a node destroyed at exit gives its
    // records back: the record pool must outlive the node pool.
    static void createDependentPools();

    Node();
    ~Node() override;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    const char16_t* getClassName() const override { return u"s_xml_Node"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override { removeAll(); }

    std::int32_t childCount() const { return static_cast<std::int32_t>(children_.length()); }
    // Frees the name and gives back every attribute and child.
    void removeAll();

    // Parses the element that starts at the first "<" of text (terminated)
    // into this node, appending to what it holds; answers the position just
    // after the element. Never fails: malformed input ends where the scan
    // runs out of text.
    const char16_t* parse(const char16_t* text);
    // Parses a whole document given as UTF-8: a byte-order mark and any
    // comments before the first element are skipped. Answers whether the
    // document is complete and well-formed (see isCompleteDocument); what
    // could be read is kept either way.
    bool parseUtf8(const col::ArrayU08* bytes);
    // Parses only the start of the element at the first "<" of text: its
    // name, attributes and the text before its first child. Answers the
    // position after that; open tells whether content follows, and then the
    // position is at the "<" of a child or of the end tag. For reading a
    // large document a child at a time: each child is a parse() from there,
    // and "</" ends the element.
    const char16_t* parseStart(const char16_t* text, bool& open);

    // Null until a name is set.
    const char16_t* getName() const { return name_; }
    std::int32_t getNameLength() const { return nameLength_; }
    void setName(const char16_t* name, std::int32_t length = -1);
    // Length -1: the whole names compared ignoring case. Otherwise exactly
    // length units, case-sensitively, and the name must have that length.
    bool nameEquals(const char16_t* name, std::int32_t length = -1) const;
    bool isComment() const { return name_ != nullptr && name_[0] == u'!'; }

    // No bounds check: index must be below childCount().
    Node* childAt(std::int32_t index) const {
        return static_cast<Node*>(children_.at(static_cast<std::uint32_t>(index)));
    }
    // A new child from the pool, named and appended.
    Node* addChild(const char16_t* name, std::int32_t length = -1);
    // Appends node, which this node owns from now on.
    Node* appendChild(Node* node);
    void removeChildAt(std::int32_t index);
    // The first child for which nameEquals (name, length) holds.
    bool findChild(const char16_t* name, std::int32_t* outIndex = nullptr,
                   std::int32_t length = -1) const;
    Node* getChild(const char16_t* name, std::int32_t length = -1) const;

    // Each appends a new attribute without looking for one of that name.
    // 64-bit unsigned values are written as signed ("%I64d"), so values from
    // 2^63 up read back through getUInt64 but show as negative numbers.
    void addAttribute(const char16_t* name, std::uint64_t value);
    void addAttribute(const char16_t* name, std::uint32_t value);
    void addAttribute(const char16_t* name, std::uint16_t value);
    void addAttribute(const char16_t* name, std::uint8_t value);
    void addAttribute(const char16_t* name, std::int64_t value);
    void addAttribute(const char16_t* name, std::int32_t value);
    void addAttribute(const char16_t* name, std::int16_t value);
    void addAttribute(const char16_t* name, std::int8_t value);
    void addAttribute(const char16_t* name, float value);
    void addAttribute(const char16_t* name, double value);
    // Escaped: the attribute escape for a name, the text escape for "".
    void addAttribute(const char16_t* name, const char16_t* value);

    // Fixed-width lower-case hex of each element, no separators; floats by
    // their bits, doubles as two 32-bit fields, the lower word first.
    void addAttribute(const char16_t* name, const std::uint64_t* values, std::int32_t count);
    void addAttribute(const char16_t* name, const std::uint32_t* values, std::int32_t count);
    void addAttribute(const char16_t* name, const std::uint16_t* values, std::int32_t count);
    void addAttribute(const char16_t* name, const std::uint8_t* values, std::int32_t count);
    void addAttribute(const char16_t* name, const std::int64_t* values, std::int32_t count);
    void addAttribute(const char16_t* name, const std::int32_t* values, std::int32_t count);
    void addAttribute(const char16_t* name, const std::int16_t* values, std::int32_t count);
    void addAttribute(const char16_t* name, const std::int8_t* values, std::int32_t count);
    void addAttribute(const char16_t* name, const float* values, std::int32_t count);
    void addAttribute(const char16_t* name, const double* values, std::int32_t count);

    // The getters read the first attribute of that name (ignoring case) and
    // answer def when there is none.

    // The stored, still escaped value.
    const char16_t* getString(const char16_t* name, const char16_t* def) const;
    // True for a value beginning with "1" or with "true".
    bool getBool(const char16_t* name, bool def) const;
    // Decimal conversion as the C library's: leading whitespace and a sign
    // accepted, stopping at the first non-digit; the result is truncated to
    // the getter's width.
    std::int8_t getInt8(const char16_t* name, std::int8_t def) const;
    std::int16_t getInt16(const char16_t* name, std::int16_t def) const;
    std::int32_t getInt32(const char16_t* name, std::int32_t def) const;
    std::int64_t getInt64(const char16_t* name, std::int64_t def) const;
    std::uint8_t getUInt8(const char16_t* name, std::uint8_t def) const;
    std::uint16_t getUInt16(const char16_t* name, std::uint16_t def) const;
    std::uint32_t getUInt32(const char16_t* name, std::uint32_t def) const;
    std::uint64_t getUInt64(const char16_t* name, std::uint64_t def) const;
    // The decoded value (text decoding for "", attribute decoding otherwise),
    // or def, into out: appended, or replacing its content.
    void getString(const char16_t* name, str::IStr* out, const char16_t* def, bool append) const;

    // One line: start and end tag always, attributes in order, the first text
    // stretch, the children; no declaration, no whitespace added. Into out
    // (emptied unless append), or a new pooled string the caller releases.
    str::IStr* toString(str::IStr* out = nullptr, bool append = false) const;
    // The same as UTF-8 without a terminator, into array or a new pooled one.
    col::ArrayU08* toUtf8(col::ArrayU08* array = nullptr, bool append = false) const;

    Attributes& getAttributes() { return attributes_; }
    const Attributes& getAttributes() const { return attributes_; }

    // Parses the whole file (what could be read of it); false when it could
    // not be read completely or is not a complete document.
    bool load(const char16_t* pathText);
    // Whether text is one whole element, with nothing but space and comments
    // around it, every tag closed, every attribute value in double quotes and
    // every element ended. The parser itself takes anything.
    static bool isCompleteDocument(const char16_t* text);
    // Writes the document to a new file beside the target and puts it in the
    // target's place only when it is completely written, so that the old file
    // survives any failure; creates missing directories. False on failure.
    bool save(const char16_t* pathText) const;

private:
    const char16_t* parseAttributes(const char16_t* p);
    const char16_t* addTextUpToTag(const char16_t* p);
    void freeName();
    void releaseChildren();
    template <class T> void addNumber(const char16_t* name, T value);
    template <class Bits, class T>
    void addHex(const char16_t* name, const T* values, std::int32_t count);
    void writeStart(str::IStr& out) const;
    void writeEnd(str::IStr& out) const;

    col::ArrayP children_;
    Attributes attributes_;
    char16_t* name_ = nullptr;
    std::int32_t nameLength_ = 0;
};

} // namespace s::xml
