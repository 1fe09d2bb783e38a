#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/strings/StrBuffer.h"
#include "storage/IRegDir.h"

#include <cstdint>

namespace s::reg::win {

// A registry key reached through the native registry interface of NTDLL,
// resolved once per process. Keys are always opened with full access.
class RegDir : public IRegDir {
public:
    RegDir();
    ~RegDir() override;
    RegDir(const RegDir&) = delete;
    RegDir& operator=(const RegDir&) = delete;

    const char16_t* getClassName() const override { return u"s_reg_win_RegDir"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Closes the key and frees the buffers.
    void clear() override;

    // A pooled directory opened on rootValue and path.
    static RegDir* opened(std::uint32_t rootValue, const char16_t* path);

    const char16_t* getDisplayPath() const override;
    const char16_t* getNativePath() const override;
    IRegDir* getParent() const override;
    col::_array::ArrayP* listSubKeys() override;
    col::_array::ArrayP* listSubKeysStartingWith(const char16_t* prefix) override;
    std::uint32_t getRoot() const override;
    void setRoot(std::uint32_t rootValue) override;
    const char16_t* getKeyPath() const override;
    void setKeyPath(const char16_t* path) override;
    str::IStr* getName(str::IStr* out, bool append) const override;
    void open(const char16_t* displayPath) override;
    void open(std::uint32_t rootValue, const char16_t* path) override;
    void close() override;
    bool exists() override;
    bool create() override;
    void remove(bool withKey) override;
    bool rename(const char16_t* newName) override;
    void flush() override;
    bool queryValue(const char16_t* name, std::uint32_t* outType, std::uint32_t* outSize,
                    std::int32_t requiredType = -1) override;
    str::strarray::StrArray* listValueNames() override;
    std::uint64_t totalSize(bool recursive, std::uint32_t* outValueCount,
                            std::uint32_t* outKeyCount, bool withValues) override;
    std::uint32_t getValueSize(const char16_t* name) override;
    std::uint8_t getUInt8(const char16_t* name, std::uint8_t def) override;
    std::uint16_t getUInt16(const char16_t* name, std::uint16_t def) override;
    std::uint32_t getUInt32(const char16_t* name, std::uint32_t def) override;
    std::uint64_t getUInt64(const char16_t* name, std::uint64_t def) override;
    std::int8_t getInt8(const char16_t* name, std::int8_t def) override;
    std::int16_t getInt16(const char16_t* name, std::int16_t def) override;
    std::int32_t getInt32(const char16_t* name, std::int32_t def) override;
    std::int64_t getInt64(const char16_t* name, std::int64_t def) override;
    float getFloat(const char16_t* name, float def) override;
    double getDouble(const char16_t* name, double def) override;
    bool getBool(const char16_t* name, bool def) override;
    const char16_t* getString(const char16_t* name, const char16_t* def,
                              bool* outIsExpandable = nullptr, bool expand = false) override;
    str::strarray::StrArray* getStringArray(const char16_t* name) override;
    col::_array::ArrayU08* getBytes(const char16_t* name, col::_array::ArrayU08* array) override;
    bool removeValue(const char16_t* name) override;
    bool setUInt8(const char16_t* name, std::uint8_t value) override;
    bool setUInt16(const char16_t* name, std::uint16_t value) override;
    bool setUInt32(const char16_t* name, std::uint32_t value) override;
    bool setUInt64(const char16_t* name, std::uint64_t value) override;
    bool setInt8(const char16_t* name, std::int8_t value) override;
    bool setInt16(const char16_t* name, std::int16_t value) override;
    bool setInt32(const char16_t* name, std::int32_t value) override;
    bool setInt64(const char16_t* name, std::int64_t value) override;
    bool setFloat(const char16_t* name, float value) override;
    bool setDouble(const char16_t* name, double value) override;
    bool setBool(const char16_t* name, bool value) override;
    bool setString(const char16_t* name, const char16_t* value) override;
    bool setExpandString(const char16_t* name, const char16_t* value) override;
    bool setStringArray(const char16_t* name, const str::strarray::StrArray* value) override;
    bool setBytes(const char16_t* name, const col::_array::ArrayU08* value) override;

    // Whether the native functions were all found.
    static bool nativeReady();
    // The native path of the current user's key: \\Registry\\User\\ and the user's SID.
    static const char16_t* currentUserPath();

private:
    bool openHandle();
    bool writeValue(const char16_t* name, std::uint32_t type, const void* data, std::uint32_t size);
    bool readSized(const char16_t* name, std::uint32_t size);
    void rebuildPaths();
    col::_array::ArrayP* subKeys(const char16_t* prefix);

    col::_array::ArrayU08 valueData_;
    str::StrBuffer expandBuffer_;
    void* handle_ = nullptr;
    std::uint32_t root_ = kCurrentUser;
    str::StrBuffer rootName_;
    str::StrBuffer rootPath_;
    str::StrBuffer keyPath_;
    str::StrBuffer displayPath_;
    str::StrBuffer nativePath_;
};

} // namespace s::reg::win
