#include "storage/MemoryStore.h"

namespace s::map {

std::u16string MemoryStore::slot(const std::u16string& path, const std::u16string& key) {
    std::u16string name = path;
    name += u'\n';
    name += key;
    for (char16_t& c : name)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return name;
}

bool MemoryStore::hasKey(const std::u16string& path, const std::u16string& key) {
    return values_.count(slot(path, key)) != 0;
}

bool MemoryStore::getBool(const std::u16string& path, const std::u16string& key, bool def) {
    auto it = values_.find(slot(path, key));
    if (it == values_.end())
        return def;
    if (auto* value = std::get_if<bool>(&it->second))
        return *value;
    return std::get<std::int64_t>(it->second) != 0;
}

std::int64_t MemoryStore::getInt64(const std::u16string& path, const std::u16string& key,
                                   std::int64_t def) {
    auto it = values_.find(slot(path, key));
    if (it == values_.end())
        return def;
    if (auto* value = std::get_if<std::int64_t>(&it->second))
        return *value;
    return std::get<bool>(it->second) ? 1 : 0;
}

void MemoryStore::setBool(const std::u16string& path, const std::u16string& key, bool value) {
    values_[slot(path, key)] = value;
}

void MemoryStore::setInt64(const std::u16string& path, const std::u16string& key,
                           std::int64_t value) {
    values_[slot(path, key)] = value;
}

} // namespace s::map
