#include "localization/Localizer.h"

#include "foundation/objects/Pools.h"
#include "localization/LangPack.h"
#include "localization/SystemLanguage.h"
#include "localization/IEventListener.h"

namespace s::lang {

namespace {
bool sameIgnoringCase(const str::StrBuffer& a, const char16_t* b) {
    return a.regionMatchesIgnoreCase(0, b, 0, -1);
}
} // namespace

void Localizer::createDependentPools() { thread::poolOf<LangPack>(); }

Localizer::Localizer() { languages_.setDestroyer(&thread::poolOf<LangPack>()); }

Localizer::~Localizer() {
    // Destroyed outright: the pack pool may be gone when an idle localizer
    // is destroyed at exit.
    for (std::uint32_t i = 0; i < languages_.length(); ++i)
        delete static_cast<LangPack*>(languages_.at(i));
    languages_.setDestroyer(nullptr);
    delete bytes_;
}

base::IObject* Localizer::newInstance() const { return thread::take<Localizer>(); }

void Localizer::release() { thread::giveBack(this); }

void Localizer::clear() {
    languages_.freeMemory();
    languages_.setDestroyer(&thread::poolOf<LangPack>());
    current_ = nullptr;
    listeners_.freeMemory();
    source_ = Source::kNone;
    archive_ = nullptr;
    resourceName_.freeMemory();
    resourceId_ = 0;
    if (bytes_ != nullptr)
        bytes_->release();
    bytes_ = nullptr;
}

LangPack* Localizer::languageAt(std::int32_t index) const {
    if (index < 0 || index >= languageCount())
        return nullptr;
    return static_cast<LangPack*>(languages_.at(static_cast<std::uint32_t>(index)));
}

LangPack* Localizer::findLanguage(const char16_t* name) const {
    auto named = [this](const char16_t* engName) -> LangPack* {
        for (std::int32_t i = 0; i < languageCount(); ++i)
            if (sameIgnoringCase(languageAt(i)->engName(), engName))
                return languageAt(i);
        return nullptr;
    };
    if (name == nullptr)
        return nullptr;
    if (LangPack* exact = named(name))
        return exact;
    // The system names a family member the pack may lack ("Chinese",
    // "Portuguese_portugal", "Serbian"): take the pack's nearest one.
    struct Family {
        const char16_t* prefix;
        const char16_t* first;
        const char16_t* second;
    };
    static const Family kFamilies[] = {
        {u"Chinese", u"CHINESE_SIMPLIFIED", u"CHINESE_TRADITIONAL"},
        {u"Portuguese", u"PORTUGUESE_BRAZILIAN", u"PORTUGUESE_PORTUGAL"},
        {u"Serbian", u"SERBIAN_CYRILLIC", u"SERBIAN_LATIN"},
    };
    str::StrBuffer requested(name);
    for (const Family& family : kFamilies) {
        if (!requested.startsWithIgnoreCase(family.prefix))
            continue;
        if (LangPack* member = named(family.first))
            return member;
        return named(family.second);
    }
    return nullptr;
}

LangPack* Localizer::defaultLanguage() const {
    if (LangPack* fromSystem = findLanguage(systemLanguageName()))
        return fromSystem;
    return languageAt(0);
}

LangPack* Localizer::currentLanguage() const {
    if (current_ == nullptr)
        current_ = defaultLanguage();
    return current_;
}

void Localizer::selectLanguage(const char16_t* engName) {
    LangPack* current = currentLanguage();
    if (current == nullptr || engName == nullptr || sameIgnoringCase(current->engName(), engName))
        return;
    LangPack* chosen = findLanguage(engName);
    if (chosen == nullptr)
        chosen = findLanguage(u"English");
    if (chosen == nullptr)
        chosen = languageAt(0);
    makeCurrent(chosen);
}

void Localizer::selectLanguageAt(std::int32_t index) {
    if (LangPack* language = languageAt(index))
        makeCurrent(language);
}

void Localizer::makeCurrent(LangPack* language) {
    if (language == current_)
        return;
    current_ = language;
    if (hasSource()) {
        // Only the new language keeps texts, read afresh from the pack.
        for (std::int32_t i = 0; i < languageCount(); ++i)
            languageAt(i)->clearTexts();
        Wanted wanted;
        wanted.language = language;
        loadTexts(wanted);
    }
    for (std::uint32_t i = 0; i < listeners_.length(); ++i)
        static_cast<gui::events::IEventListener*>(listeners_.at(i))->handleEvent(this, 0);
}

void Localizer::addListener(gui::events::IEventListener* listener) { listeners_.add(listener); }

void Localizer::removeListener(gui::events::IEventListener* listener) {
    for (std::uint32_t i = listeners_.length(); i-- > 0;) {
        if (listeners_.at(i) == listener)
            listeners_.remove(i, 1);
    }
}

const str::StrBuffer& Localizer::getText(std::int32_t id) const {
    static const str::StrBuffer empty;
    const LangPack* language = currentLanguage();
    const str::StrBuffer* text = language != nullptr ? language->findText(id) : nullptr;
    return text != nullptr ? *text : empty;
}

} // namespace s::lang
