#include "localization/LangPack.h"

#include "foundation/objects/Pools.h"

namespace s::lang {

void LangPack::createDependentPools() { thread::poolOf<str::StrBuffer>(); }

base::IObject* LangPack::newInstance() const { return thread::take<LangPack>(); }

void LangPack::release() { thread::giveBack(this); }

void LangPack::clear() {
    tagName_.freeMemory();
    engName_.freeMemory();
    trueName_.freeMemory();
    clearTexts();
}

void LangPack::clearTexts() {
    ids_.freeMemory();
    texts_.clear();
    names_.clear();
    namedTexts_.clear();
}

void LangPack::addText(std::int32_t id, str::StrBuffer* text) {
    ids_.add(id);
    texts_.add(text);
}

// Linear searches: the pack has 161 identifiers.
std::int32_t LangPack::indexOf(std::int32_t id) const {
    const auto* ids = static_cast<const std::int32_t*>(ids_.data());
    std::uint32_t count = ids_.length();
    for (std::uint32_t i = 0; i < count; ++i)
        if (ids[i] == id)
            return static_cast<std::int32_t>(i);
    return -1;
}

// From the end: while the pack loads, the identifier asked for is nearly
// always the one just added.
bool LangPack::hasText(std::int32_t id) const {
    const auto* ids = static_cast<const std::int32_t*>(ids_.data());
    for (std::uint32_t i = ids_.length(); i > 0; --i)
        if (ids[i - 1] == id)
            return true;
    return false;
}

const str::StrBuffer* LangPack::findText(std::int32_t id) const {
    std::int32_t i = indexOf(id);
    return i >= 0 ? texts_.at(static_cast<std::uint32_t>(i)) : nullptr;
}

void LangPack::addNamedText(const str::StrBuffer& name, str::StrBuffer* text) {
    str::StrBuffer* key = thread::take<str::StrBuffer>();
    key->set(name);
    names_.add(key);
    namedTexts_.add(text);
}

std::int32_t LangPack::indexOfName(const char16_t* name) const {
    for (std::uint32_t i = 0; i < names_.count(); ++i)
        if (names_.at(i)->equals(name))
            return static_cast<std::int32_t>(i);
    return -1;
}

const str::StrBuffer* LangPack::findNamedText(const char16_t* name) const {
    std::int32_t i = indexOfName(name);
    return i >= 0 ? namedTexts_.at(static_cast<std::uint32_t>(i)) : nullptr;
}

} // namespace s::lang
