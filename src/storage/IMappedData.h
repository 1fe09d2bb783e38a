#pragma once

#include "foundation/objects/IObject.h"

#include <cstdint>

namespace s::col::_array {
class ArrayU08;
}
namespace s::str::strarray {
class StrArray;
}

namespace s::map {

// The settings store: sections addressed by a path of names joined with "\"
// (the empty path is the store's top level), named keys inside a section
// (the empty key is the section's own value), typed getters that answer the
// caller's default for anything missing or unreadable, and typed setters
// that create the section and change nothing when they cannot write.
// Section and key names compare ignoring case. A store is not synchronised.
//
// Each store remembers the last path it resolved with its section, so that
// several keys of one section in a row cost one lookup.
class IMappedData : public base::IObject {
public:
    // Writes the store out where it has somewhere to write to.
    virtual void flush() = 0;
    // Creates the section with every missing parent and remembers it.
    virtual bool selectPath(const char16_t* path) = 0;
    // Removes the section with everything below it; true when it existed.
    virtual bool removePath(const char16_t* path) = 0;
    // Whether the section exists; creates nothing.
    virtual bool findPath(const char16_t* path) = 0;
    virtual bool hasKey(const char16_t* path, const char16_t* key) = 0;

    virtual std::uint8_t getUInt8(const char16_t* path, const char16_t* key, std::uint8_t def) = 0;
    virtual std::uint16_t getUInt16(const char16_t* path, const char16_t* key,
                                    std::uint16_t def) = 0;
    virtual std::uint32_t getUInt32(const char16_t* path, const char16_t* key,
                                    std::uint32_t def) = 0;
    virtual std::uint64_t getUInt64(const char16_t* path, const char16_t* key,
                                    std::uint64_t def) = 0;
    virtual std::int8_t getInt8(const char16_t* path, const char16_t* key, std::int8_t def) = 0;
    virtual std::int16_t getInt16(const char16_t* path, const char16_t* key, std::int16_t def) = 0;
    virtual std::int32_t getInt32(const char16_t* path, const char16_t* key, std::int32_t def) = 0;
    virtual std::int64_t getInt64(const char16_t* path, const char16_t* key, std::int64_t def) = 0;
    virtual float getFloat(const char16_t* path, const char16_t* key, float def) = 0;
    virtual double getDouble(const char16_t* path, const char16_t* key, double def) = 0;
    virtual bool getBool(const char16_t* path, const char16_t* key, bool def) = 0;
    // The store's own copy of the text (or def), valid until the next string
    // read on this store. outIsExpandable, when given, tells whether the
    // value holds environment variables; expand asks for them to be expanded.
    virtual const char16_t* getString(const char16_t* path, const char16_t* key,
                                      const char16_t* def, bool* outIsExpandable = nullptr,
                                      bool expand = true) = 0;
    // A new pooled string array the caller releases, or null.
    virtual str::strarray::StrArray* getStringArray(const char16_t* path, const char16_t* key) = 0;
    // The bytes, into array (replacing its content) or, when array is null, a
    // new pooled array the caller releases; array is answered unchanged when
    // the value is missing.
    virtual col::_array::ArrayU08* getBytes(const char16_t* path, const char16_t* key,
                                            col::_array::ArrayU08* array) = 0;
    // True when the key existed.
    virtual bool removeKey(const char16_t* path, const char16_t* key) = 0;

    virtual void setUInt8(const char16_t* path, const char16_t* key, std::uint8_t value) = 0;
    virtual void setUInt16(const char16_t* path, const char16_t* key, std::uint16_t value) = 0;
    virtual void setUInt32(const char16_t* path, const char16_t* key, std::uint32_t value) = 0;
    virtual void setUInt64(const char16_t* path, const char16_t* key, std::uint64_t value) = 0;
    virtual void setInt8(const char16_t* path, const char16_t* key, std::int8_t value) = 0;
    virtual void setInt16(const char16_t* path, const char16_t* key, std::int16_t value) = 0;
    virtual void setInt32(const char16_t* path, const char16_t* key, std::int32_t value) = 0;
    virtual void setInt64(const char16_t* path, const char16_t* key, std::int64_t value) = 0;
    virtual void setFloat(const char16_t* path, const char16_t* key, float value) = 0;
    virtual void setDouble(const char16_t* path, const char16_t* key, double value) = 0;
    virtual void setBool(const char16_t* path, const char16_t* key, bool value) = 0;
    virtual void setString(const char16_t* path, const char16_t* key, const char16_t* text) = 0;
    // A string that holds environment variables such as %APPDATA%.
    virtual void setExpandString(const char16_t* path, const char16_t* key,
                                 const char16_t* text) = 0;
    virtual void setStringArray(const char16_t* path, const char16_t* key,
                                const str::strarray::StrArray* array) = 0;
    virtual void setBytes(const char16_t* path, const char16_t* key,
                          const col::_array::ArrayU08* bytes) = 0;

    // With auto-flush on, every change is followed by flush().
    virtual bool isAutoFlush() = 0;
    virtual void setAutoFlush(bool on) = 0;
};

} // namespace s::map
