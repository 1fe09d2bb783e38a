#pragma once

#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"
#include "storage/IMappedData.h"

namespace s::reg::win {
class RegDir;
}

namespace s::reg {

// The settings store in the registry: below a base key of HKEY_CURRENT_USER,
// one key per section and one value per key, written through at every
// setter. The key is created only when something is written.
class MappedData : public map::IMappedData, public thread::IPoolable {
public:
    // A pooled store over HKEY_CURRENT_USER\keyPath.
    static MappedData* create(const char16_t* keyPath);

    MappedData();
    ~MappedData() override;
    MappedData(const MappedData&) = delete;
    MappedData& operator=(const MappedData&) = delete;

    const char16_t* getClassName() const override { return u"s_reg_MappedData"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;
    static void createDependentPools();

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
    void setExpandString(const char16_t* path, const char16_t* key, const char16_t* text) override;
    void setStringArray(const char16_t* path, const char16_t* key,
                        const str::strarray::StrArray* array) override;
    void setBytes(const char16_t* path, const char16_t* key,
                  const col::_array::ArrayU08* bytes) override;
    bool isAutoFlush() override;
    void setAutoFlush(bool on) override;

private:
    // The key of path, opened (and with create, created); null when it
    // cannot be reached.
    win::RegDir* section(const char16_t* path, bool create);

    str::StrBuffer keyPath_;
    str::StrBuffer cachedPath_;
    win::RegDir* base_ = nullptr;
    win::RegDir* current_ = nullptr;
    bool autoFlush_ = false;
};

} // namespace s::reg
