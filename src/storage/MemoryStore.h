#pragma once

#include "storage/IMappedData.h"

#include <map>
#include <string>
#include <variant>

namespace s::map {

// A store that keeps its values in memory for the life of the process, until
// the settings go to the registry.
class MemoryStore : public IMappedData {
public:
    bool hasKey(const char16_t* path, const char16_t* key) override;
    bool getBool(const char16_t* path, const char16_t* key, bool def) override;
    std::int64_t getInt64(const char16_t* path, const char16_t* key,
                          std::int64_t def) override;
    void setBool(const char16_t* path, const char16_t* key, bool value) override;
    void setInt64(const char16_t* path, const char16_t* key,
                  std::int64_t value) override;

private:
    using Value = std::variant<bool, std::int64_t>;
    static std::u16string slot(const char16_t* path, const char16_t* key);

    std::map<std::u16string, Value> values_;
};

} // namespace s::map
