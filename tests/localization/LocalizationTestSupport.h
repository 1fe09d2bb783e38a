#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "localization/LangPack.h"
#include "localization/Localizer.h"
#include "storage/Node.h"

#include <memory>
#include <string>

namespace localization_test {

struct LocalizerRelease {
    void operator()(s::lang::Localizer* localizer) const { localizer->release(); }
};
using LocalizerPtr = std::unique_ptr<s::lang::Localizer, LocalizerRelease>;

// A localizer over a pack written in the test, with no language chosen yet.
inline LocalizerPtr packFromText(const char16_t* xml) {
    LocalizerPtr localizer(s::thread::take<s::lang::Localizer>());
    auto* root = s::thread::take<s::xml::Node>();
    root->parse(xml);
    localizer->loadPack(*root);
    root->release();
    return localizer;
}

// A pack document parsed into one tree first and loaded from it, with no
// language chosen yet.
inline LocalizerPtr packFromTree(const s::col::ArrayU08* bytes) {
    LocalizerPtr localizer(s::thread::take<s::lang::Localizer>());
    auto* root = s::thread::take<s::xml::Node>();
    root->parseUtf8(bytes);
    localizer->loadPack(*root);
    root->release();
    return localizer;
}

inline const char16_t* sourcePackPath() { return u"" TARNWICK_LANGPACK_PATH; }

// The localizer over the pack's source file.
inline LocalizerPtr packFromSourceFile() {
    auto* bytes = s::thread::take<s::col::ArrayU08>();
    s::platform::readFile(sourcePackPath(), bytes);
    LocalizerPtr localizer(s::lang::Localizer::createFromUtf8(bytes));
    bytes->release();
    return localizer;
}

// The real pack as the product gets it: from the resource under Windows;
// the host build has no resources and reads the source file.
inline LocalizerPtr realPack() {
#ifdef _WIN32
    return LocalizerPtr(s::lang::Localizer::create(nullptr, u"IDR_XML", 130));
#else
    return packFromSourceFile();
#endif
}

inline std::u16string text(const s::str::StrBuffer& buffer) {
    return std::u16string(buffer.cStr(), buffer.length());
}

// Every language with its names and numbered texts in order, and its text
// named "n", on one line each. Each language is made current in turn, so
// that a localizer that keeps the current language's texts only reads
// them; the last language stays current.
inline std::u16string describe(s::lang::Localizer& localizer) {
    std::u16string out;
    for (std::int32_t l = 0; l < localizer.languageCount(); ++l) {
        localizer.selectLanguageAt(l);
        const s::lang::LangPack* language = localizer.languageAt(l);
        out += text(language->tagName()) + u"|" + text(language->engName()) + u"|" +
               text(language->trueName());
        for (std::uint32_t i = 0; i < language->textCount(); ++i) {
            s::str::StrBuffer id;
            id.set(language->idAt(i));
            out += u" " + text(id) + u"=" + text(language->textAt(i));
        }
        if (const s::str::StrBuffer* named = language->findNamedText(u"n"))
            out += u" n=" + text(*named);
        out += u"\n";
    }
    return out;
}

inline std::u16string currentName(const s::lang::Localizer& localizer) {
    const s::lang::LangPack* language = localizer.currentLanguage();
    return language != nullptr ? text(language->engName()) : u"(none)";
}

} // namespace localization_test
