#include "storage/MemoryStore.h"

namespace s::map {

std::u16string MemoryStore::slot(const char16_t* path, const char16_t* key) {
    std::u16string name = path != nullptr ? path : u"";
    name += u'\n';
    name += key != nullptr ? key : u"";
    for (char16_t& c : name)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return name;
}

bool MemoryStore::hasKey(const char16_t* path, const char16_t* key) {
    return values_.count(slot(path, key)) != 0;
}

bool MemoryStore::getBool(const char16_t* path, const char16_t* key, bool def) {
    auto it = values_.find(slot(path, key));
    if (it == values_.end())
        return def;
    if (auto* value = std::get_if<bool>(&it->second))
        return *value;
    return std::get<std::int64_t>(it->second) != 0;
}

std::int64_t MemoryStore::getInt64(const char16_t* path, const char16_t* key,
                                   std::int64_t def) {
    auto it = values_.find(slot(path, key));
    if (it == values_.end())
        return def;
    if (auto* value = std::get_if<std::int64_t>(&it->second))
        return *value;
    return std::get<bool>(it->second) ? 1 : 0;
}

void MemoryStore::setBool(const char16_t* path, const char16_t* key, bool value) {
    values_[slot(path, key)] = value;
}

void MemoryStore::setInt64(const char16_t* path, const char16_t* key,
                           std::int64_t value) {
    values_[slot(path, key)] = value;
}

} // namespace s::map
