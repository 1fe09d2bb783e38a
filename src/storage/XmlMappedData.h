#pragma once

#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"
#include "storage/IMappedData.h"

#include <cstdint>

namespace s::xml {

class Node;

// A settings store over an XML tree: one element per section (a path of two
// sections A and B is the root's first child named A and, inside it, the
// first child named B, names compared ignoring case), one attribute per key,
// the element's text for the empty key. Paths take "\" and "/" alike. Values are stored as text: decimal
// numbers, "%f" reals, "1" or "0", escaped strings, hex bytes.
//
// Over a file, the file is read once, when the store is created; afterwards
// the tree is the truth and flush() rewrites the file as a whole. Without a
// file the store lives in memory only. Stores are pooled: release() gives
// one back without flushing it.
class MappedData final : public map::IMappedData, public thread::IPoolable {
public:
    // A store whose flush writes to pathText; the file's document when it
    // can be read, otherwise a new root element named rootName. A file that
    // is there but cannot be read whole is moved to pathText + ".bad" first.
    static MappedData* createOverFile(const char16_t* pathText, const char16_t* rootName);
    // A store over root, which it owns from now on; flush writes nothing.
    static MappedData* createOverElement(Node* root);

    MappedData() = default;
    ~MappedData() override;
    MappedData(const MappedData&) = delete;
    MappedData& operator=(const MappedData&) = delete;

    const char16_t* getClassName() const override { return u"s_xml_MappedData"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Forgets everything, unsaved changes included.
    void clear() override;

    // The document, for reading; changes go through the store.
    const Node* root() const { return root_; }

    void flush() override;
    bool selectPath(const char16_t* path) override;
    bool removePath(const char16_t* path) override;
    bool findPath(const char16_t* path) override;
    bool hasKey(const char16_t* path, const char16_t* key) override;

    std::uint8_t getUInt8(const char16_t* path, const char16_t* key, std::uint8_t def) override;
    std::uint16_t getUInt16(const char16_t* path, const char16_t* key, std::uint16_t def) override;
    std::uint32_t getUInt32(const char16_t* path, const char16_t* key, std::uint32_t def) override;
    std::uint64_t getUInt64(const char16_t* path, const char16_t* key, std::uint64_t def) override;
    std::int8_t getInt8(const char16_t* path, const char16_t* key, std::int8_t def) override;
    std::int16_t getInt16(const char16_t* path, const char16_t* key, std::int16_t def) override;
    std::int32_t getInt32(const char16_t* path, const char16_t* key, std::int32_t def) override;
    std::int64_t getInt64(const char16_t* path, const char16_t* key, std::int64_t def) override;
    float getFloat(const char16_t* path, const char16_t* key, float def) override;
    double getDouble(const char16_t* path, const char16_t* key, double def) override;
    bool getBool(const char16_t* path, const char16_t* key, bool def) override;
    const char16_t* getString(const char16_t* path, const char16_t* key, const char16_t* def,
                              bool* outIsExpandable = nullptr, bool expand = true) override;
    // The XML form keeps no string arrays: always null.
    str::strarray::StrArray* getStringArray(const char16_t* path, const char16_t* key) override;
    col::_array::ArrayU08* getBytes(const char16_t* path, const char16_t* key,
                                    col::_array::ArrayU08* array) override;
    bool removeKey(const char16_t* path, const char16_t* key) override;

    void setUInt8(const char16_t* path, const char16_t* key, std::uint8_t value) override;
    void setUInt16(const char16_t* path, const char16_t* key, std::uint16_t value) override;
    void setUInt32(const char16_t* path, const char16_t* key, std::uint32_t value) override;
    void setUInt64(const char16_t* path, const char16_t* key, std::uint64_t value) override;
    void setInt8(const char16_t* path, const char16_t* key, std::int8_t value) override;
    void setInt16(const char16_t* path, const char16_t* key, std::int16_t value) override;
    void setInt32(const char16_t* path, const char16_t* key, std::int32_t value) override;
    void setInt64(const char16_t* path, const char16_t* key, std::int64_t value) override;
    void setFloat(const char16_t* path, const char16_t* key, float value) override;
    void setDouble(const char16_t* path, const char16_t* key, double value) override;
    void setBool(const char16_t* path, const char16_t* key, bool value) override;
    void setString(const char16_t* path, const char16_t* key, const char16_t* text) override;
    // Stored like any string: the XML form does not mark expandable text.
    void setExpandString(const char16_t* path, const char16_t* key, const char16_t* text) override;
    // Stores nothing.
    void setStringArray(const char16_t* path, const char16_t* key,
                        const str::strarray::StrArray* array) override;
    void setBytes(const char16_t* path, const char16_t* key,
                  const col::_array::ArrayU08* bytes) override;

    bool isAutoFlush() override { return autoFlush_; }
    void setAutoFlush(bool on) override { autoFlush_ = on; }

private:
    void setDamagedFileAside();
    Node* resolve(const char16_t* path, std::int32_t length, bool create);
    Node* existing(const char16_t* path);
    // The section, emptied of every value of key, ready for the new value.
    Node* prepareKey(const char16_t* path, const char16_t* key);
    void changed();
    template <class T> void setNumber(const char16_t* path, const char16_t* key, T value);

    str::StrBuffer file_;
    str::StrBuffer scratch_;
    str::StrBuffer cachedPath_;
    Node* root_ = nullptr;
    Node* current_ = nullptr;
    bool autoFlush_ = false;
};

} // namespace s::xml
