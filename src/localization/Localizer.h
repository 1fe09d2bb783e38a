#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::xml {
class Node;
}
namespace s::gui::events {
class IEventListener;
}

namespace s::lang {

class LangPack;

// The language pack: its languages, the current one, and text lookups by
// identifier in it. A localizer made from a pack's text keeps the names of
// every language but the texts of the current one only, and reads that
// language's texts from the pack again when the current language changes.
// Listeners hear of every change of the current language through
// handleEvent (localizer, 0). Used from the user-interface thread
// only. Localizers are pooled; create() takes one, release() gives it back.
class Localizer final : public base::IObject, public thread::IPoolable {
public:
    // Clearing gives the languages to their pool, which must outlive this one.
    static void createDependentPools();

    // A localizer over the pack compiled into a module as resource
    // resourceId of type resourceName ("IDR_XML", 130), with the system's
    // language selected. archive is the module's handle, null for the
    // executable. Without that resource the localizer has no languages and
    // every text is empty. The resource is read again at each change of the
    // current language.
    static Localizer* create(const void* archive, const char16_t* resourceName,
                             std::int32_t resourceId);
    // The same over a pack given as UTF-8 bytes. The document is read an
    // entry at a time rather than parsed into one tree first; what loads is
    // what loadPack loads from the tree, for the current language. Keeps a
    // copy of the bytes to read other languages from.
    static Localizer* createFromUtf8(const col::ArrayU08* bytes);

    Localizer();
    ~Localizer() override;
    Localizer(const Localizer&) = delete;
    Localizer& operator=(const Localizer&) = delete;

    const char16_t* getClassName() const override { return u"s_lang_Localizer"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Forgets the languages, the current language and the listeners.
    void clear() override;

    // Appends the languages and texts of a pack document. After loading,
    // every language has a text for every identifier of the pack: where an
    // entry lacks a language, that language gets the entry's first text.
    // Loaded from a tree, every language keeps its texts: there is no text
    // to read them from again.
    void loadPack(const xml::Node& root);

    // Reads the text for id of every language that lacks it from the pack,
    // so that languageAt (i)->findText (id) finds it for every i until the
    // next change of language. For the few texts a program needs in every
    // language (its title, to find a running copy of itself).
    void loadTextOfEveryLanguage(std::int32_t id);

    std::int32_t languageCount() const { return static_cast<std::int32_t>(languages_.length()); }
    // Null outside 0 .. languageCount () - 1.
    LangPack* languageAt(std::int32_t index) const;
    // The language whose English name is name ignoring case; for a name of
    // the Chinese, Portuguese or Serbian family without an exact match, the
    // pack's member of that family. Null when none fits.
    LangPack* findLanguage(const char16_t* name) const;
    // Chooses the default language first when none is current yet: the
    // system's, else the first of the pack. Null only for an empty pack.
    LangPack* currentLanguage() const;

    // Makes the language with that English name current; an unknown name
    // selects English, else the first language.
    void selectLanguage(const char16_t* engName);
    // Makes the language at index current (an index outside the pack
    // changes nothing).
    void selectLanguageAt(std::int32_t index);
    // Not owned; no duplicate check.
    void addListener(gui::events::IEventListener* listener);
    // Every registration of listener; for listeners that go away before the
    // localizer (a released menu).
    void removeListener(gui::events::IEventListener* listener);
    std::int32_t listenerCount() const { return static_cast<std::int32_t>(listeners_.length()); }

    // The current language's text for id, or the empty string for an
    // identifier not in the pack. Valid as long as the localizer.
    const str::StrBuffer& getText(std::int32_t id) const;

private:
    // Which texts a reading of the pack loads: every language's, one
    // language's, or the text of one numbered identifier.
    struct Wanted {
        LangPack* language = nullptr;
        bool oneId = false;
        std::int32_t id = 0;
    };

    LangPack* defaultLanguage() const;
    // The language createFromUtf8 ends with: the system's, else English,
    // else the first.
    LangPack* startLanguage() const;
    void makeCurrent(LangPack* language);
    bool hasSource() const { return source_ != Source::kNone; }
    // The pack's text from the resource or the kept bytes; false when it
    // cannot be read.
    bool readSource(str::StrBuffer* text) const;
    void loadTexts(const Wanted& wanted);
    void loadLanguages(const xml::Node& list);
    void loadEntries(const xml::Node& list, const Wanted& wanted);
    // Reads the languages when firstReading, else only the texts wanted;
    // on the first reading the start language's texts are wanted and it
    // becomes current.
    void loadPackText(const char16_t* text, bool firstReading, Wanted wanted);
    const char16_t* loadEntriesText(const char16_t* p, xml::Node& scratch, const Wanted& wanted);

    enum class Source { kNone, kResource, kBytes };
    Source source_ = Source::kNone;
    const void* archive_ = nullptr;
    str::StrBuffer resourceName_;
    std::int32_t resourceId_ = 0;
    col::ArrayU08* bytes_ = nullptr;

    col::ArrayP languages_;
    // Chosen lazily by the lookups, which are const for their callers.
    mutable LangPack* current_ = nullptr;
    col::ArrayP listeners_;
};

} // namespace s::lang
