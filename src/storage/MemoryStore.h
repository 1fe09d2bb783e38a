#pragma once

#include "storage/IMappedData.h"

#include <map>
#include <variant>

namespace s::map {

// A store that keeps its values in memory for the life of the process.
class MemoryStore : public IMappedData {
public:
    bool hasKey(const std::u16string& path, const std::u16string& key) override;
    bool getBool(const std::u16string& path, const std::u16string& key, bool def) override;
    std::int64_t getInt64(const std::u16string& path, const std::u16string& key,
                          std::int64_t def) override;
    void setBool(const std::u16string& path, const std::u16string& key, bool value) override;
    void setInt64(const std::u16string& path, const std::u16string& key,
                  std::int64_t value) override;

private:
    using Value = std::variant<bool, std::int64_t>;
    static std::u16string slot(const std::u16string& path, const std::u16string& key);

    std::map<std::u16string, Value> values_;
};

} // namespace s::map
