#pragma once

#include <cstdint>

namespace s::map {

// A hierarchical key/value store: a section path of names joined with "\",
// a key inside the section, typed getters with defaults and typed setters.
// Names compare ignoring case.
class IMappedData {
public:
    virtual ~IMappedData() = default;

    virtual bool hasKey(const char16_t* path, const char16_t* key) = 0;
    virtual bool getBool(const char16_t* path, const char16_t* key, bool def) = 0;
    virtual std::int64_t getInt64(const char16_t* path, const char16_t* key,
                                  std::int64_t def) = 0;
    virtual void setBool(const char16_t* path, const char16_t* key, bool value) = 0;
    virtual void setInt64(const char16_t* path, const char16_t* key,
                          std::int64_t value) = 0;
};

} // namespace s::map
