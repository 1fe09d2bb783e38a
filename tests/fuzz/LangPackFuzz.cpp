// The language pack loader on arbitrary documents: nothing may crash; read
// an entry at a time it must load what the whole parsed tree gives, for the
// current language and no other; every language must have a text for every
// identifier; and selecting a language by its English name must make a
// language of that name current.

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"
#include "localization/LangPack.h"
#include "localization/Localizer.h"
#include "storage/Node.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using s::lang::LangPack;
using s::lang::Localizer;

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkSameTexts(const LangPack* x, const LangPack* y) {
    check(x->tagName().equals(&y->tagName()) && x->engName().equals(&y->engName()) &&
          x->trueName().equals(&y->trueName()) && x->textCount() == y->textCount());
    for (std::uint32_t i = 0; i < x->textCount(); ++i)
        check(x->idAt(i) == y->idAt(i) && x->textAt(i).equals(&y->textAt(i)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    s::col::ArrayU08 bytes;
    bytes.append(data, static_cast<std::uint32_t>(size));
    Localizer* localizer = Localizer::createFromUtf8(&bytes);
    Localizer* fromTree = s::thread::take<Localizer>();
    auto* root = s::thread::take<s::xml::Node>();
    root->parseUtf8(&bytes);
    fromTree->loadPack(*root);
    root->release();

    std::int32_t count = localizer->languageCount();
    check(count == fromTree->languageCount());
    check((count == 0) == (localizer->currentLanguage() == nullptr));
    for (std::int32_t l = 0; l < count; ++l) {
        // Read from text, only the current language keeps texts.
        localizer->selectLanguageAt(l);
        const LangPack* language = localizer->languageAt(l);
        checkSameTexts(language, fromTree->languageAt(l));
        for (std::int32_t other = 0; other < count; ++other)
            check(other == l || localizer->languageAt(other)->textCount() == 0);
        const LangPack* first = fromTree->languageAt(0);
        for (std::uint32_t i = 0; i < first->textCount(); ++i)
            check(language->hasText(first->idAt(i)));
        check(language->textCount() == 0 || first->hasText(language->idAt(0)));
        localizer->selectLanguage(language->engName().cStr());
        check(localizer->currentLanguage()->engName().regionMatchesIgnoreCase(
            0, language->engName().cStr(), 0, -1));
    }
    fromTree->release();
    localizer->release();
    return 0;
}
