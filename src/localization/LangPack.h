#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrArray.h"
#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::lang {

// One language of the pack: its names and its texts, numbered and named.
// A text added twice under one identifier or name is kept twice; lookups
// find the first. The localizer keeps the texts of the language in use
// only; the others hold their names. Language packs are pooled
// (take<LangPack>(), release()).
class LangPack final : public base::IObject, public thread::IPoolable {
public:
    // Clearing a pack gives its texts to the string pool, which must
    // therefore outlive this one.
    static void createDependentPools();

    LangPack() = default;
    LangPack(const LangPack&) = delete;
    LangPack& operator=(const LangPack&) = delete;

    const char16_t* getClassName() const override { return u"s_lang_LangPack"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    // "eng": the element name of the language's texts in the pack.
    str::StrBuffer& tagName() { return tagName_; }
    const str::StrBuffer& tagName() const { return tagName_; }
    // "Japanese": the value of the "Language" setting.
    str::StrBuffer& engName() { return engName_; }
    const str::StrBuffer& engName() const { return engName_; }
    // "日本語": the name the language menu shows.
    str::StrBuffer& trueName() { return trueName_; }
    const str::StrBuffer& trueName() const { return trueName_; }

    // Gives every text back to the string pool; the names stay.
    void clearTexts();
    // Takes text, a pooled string, over.
    void addText(std::int32_t id, str::StrBuffer* text);
    bool hasText(std::int32_t id) const;
    // The first text for id, or null.
    const str::StrBuffer* findText(std::int32_t id) const;
    std::uint32_t textCount() const { return ids_.length(); }
    // The identifiers and texts in the order they were added; i below
    // textCount ().
    std::int32_t idAt(std::uint32_t i) const { return ids_.at(i); }
    const str::StrBuffer& textAt(std::uint32_t i) const { return *texts_.at(i); }

    // Named texts; names are compared case-sensitively. Takes text over.
    void addNamedText(const str::StrBuffer& name, str::StrBuffer* text);
    bool hasNamedText(const char16_t* name) const { return indexOfName(name) >= 0; }
    const str::StrBuffer* findNamedText(const char16_t* name) const;

private:
    std::int32_t indexOf(std::int32_t id) const;
    std::int32_t indexOfName(const char16_t* name) const;

    str::StrBuffer tagName_;
    str::StrBuffer engName_;
    str::StrBuffer trueName_;
    col::ArrayS32 ids_;
    str::StrArray texts_;
    // Parallel arrays like ids_ and texts_: a name added again is kept, but
    // only its first text is ever found.
    str::StrArray names_;
    str::StrArray namedTexts_;
};

} // namespace s::lang
