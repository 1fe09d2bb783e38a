#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::col::_array {
class ArrayP;
class ArrayU08;
} // namespace s::col::_array
namespace s::str {
class IStr;
}
namespace s::str::strarray {
class StrArray;
}

namespace s::reg {

inline constexpr std::uint32_t kClassesRoot = 0x80000000;
inline constexpr std::uint32_t kCurrentUser = 0x80000001;
inline constexpr std::uint32_t kLocalMachine = 0x80000002;
inline constexpr std::uint32_t kUsers = 0x80000003;
inline constexpr std::uint32_t kCurrentConfig = 0x80000005;

// One registry key, named by a predefined root and a path below it: opened,
// created, removed, renamed, listed, and read and written by typed values.
// Getters take the value by its data size and answer the default otherwise.
class IRegDir : public base::IObject, public thread::IPoolable {
public:
    virtual const char16_t* getDisplayPath() const = 0;
    virtual const char16_t* getNativePath() const = 0;
    // A new directory for the parent key; null at the top.
    virtual IRegDir* getParent() const = 0;
    // New directories, one per subkey, in enumeration order.
    virtual col::_array::ArrayP* listSubKeys() = 0;
    virtual col::_array::ArrayP* listSubKeysStartingWith(const char16_t* prefix) = 0;
    virtual std::uint32_t getRoot() const = 0;
    // Unknown roots are ignored.
    virtual void setRoot(std::uint32_t rootValue) = 0;
    virtual const char16_t* getKeyPath() const = 0;
    // Reopens; the handle stays null when the key does not exist.
    virtual void setKeyPath(const char16_t* path) = 0;
    // The last segment of the key path.
    virtual str::IStr* getName(str::IStr* out, bool append) const = 0;
    virtual void open(const char16_t* displayPath) = 0;
    virtual void open(std::uint32_t rootValue, const char16_t* path) = 0;
    virtual void close() = 0;
    virtual bool exists() = 0;
    // Creates missing parents too.
    virtual bool create() = 0;
    virtual void remove(bool withKey) = 0;
    virtual bool rename(const char16_t* newName) = 0;
    virtual void flush() = 0;
    virtual bool queryValue(const char16_t* name, std::uint32_t* outType, std::uint32_t* outSize,
                            std::int32_t requiredType = -1) = 0;
    virtual str::strarray::StrArray* listValueNames() = 0;
    virtual std::uint64_t totalSize(bool recursive, std::uint32_t* outValueCount,
                                    std::uint32_t* outKeyCount, bool withValues) = 0;
    virtual std::uint32_t getValueSize(const char16_t* name) = 0;
    virtual std::uint8_t getUInt8(const char16_t* name, std::uint8_t def) = 0;
    virtual std::uint16_t getUInt16(const char16_t* name, std::uint16_t def) = 0;
    virtual std::uint32_t getUInt32(const char16_t* name, std::uint32_t def) = 0;
    virtual std::uint64_t getUInt64(const char16_t* name, std::uint64_t def) = 0;
    virtual std::int8_t getInt8(const char16_t* name, std::int8_t def) = 0;
    virtual std::int16_t getInt16(const char16_t* name, std::int16_t def) = 0;
    virtual std::int32_t getInt32(const char16_t* name, std::int32_t def) = 0;
    virtual std::int64_t getInt64(const char16_t* name, std::int64_t def) = 0;
    virtual float getFloat(const char16_t* name, float def) = 0;
    virtual double getDouble(const char16_t* name, double def) = 0;
    virtual bool getBool(const char16_t* name, bool def) = 0;
    // Valid until the next call on this directory.
    virtual const char16_t* getString(const char16_t* name, const char16_t* def,
                                      bool* outIsExpandable = nullptr, bool expand = false) = 0;
    virtual str::strarray::StrArray* getStringArray(const char16_t* name) = 0;
    virtual col::_array::ArrayU08* getBytes(const char16_t* name, col::_array::ArrayU08* array) = 0;
    virtual bool removeValue(const char16_t* name) = 0;
    virtual bool setUInt8(const char16_t* name, std::uint8_t value) = 0;
    virtual bool setUInt16(const char16_t* name, std::uint16_t value) = 0;
    virtual bool setUInt32(const char16_t* name, std::uint32_t value) = 0;
    virtual bool setUInt64(const char16_t* name, std::uint64_t value) = 0;
    virtual bool setInt8(const char16_t* name, std::int8_t value) = 0;
    virtual bool setInt16(const char16_t* name, std::int16_t value) = 0;
    virtual bool setInt32(const char16_t* name, std::int32_t value) = 0;
    virtual bool setInt64(const char16_t* name, std::int64_t value) = 0;
    virtual bool setFloat(const char16_t* name, float value) = 0;
    virtual bool setDouble(const char16_t* name, double value) = 0;
    virtual bool setBool(const char16_t* name, bool value) = 0;
    virtual bool setString(const char16_t* name, const char16_t* value) = 0;
    virtual bool setExpandString(const char16_t* name, const char16_t* value) = 0;
    virtual bool setStringArray(const char16_t* name, const str::strarray::StrArray* value) = 0;
    virtual bool setBytes(const char16_t* name, const col::_array::ArrayU08* value) = 0;
};

} // namespace s::reg
