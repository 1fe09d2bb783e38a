#include "localization/Localizer.h"

#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/OsVersion.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pooled.h"
#include "foundation/objects/Pools.h"
#include "localization/LangPack.h"
#include "localization/SystemLanguage.h"
#include "storage/Node.h"
#include "storage/XmlText.h"

#include <string>
#include <vector>

namespace s::lang {

namespace {

bool sameIgnoringCase(const str::StrBuffer& a, const char16_t* b) {
    return a.regionMatchesIgnoreCase(0, b, 0, -1);
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Hands texts to the languages during one load. XP's fonts lack U+019A (the
// barred l of Venetian spelling); before Vista the Venetian texts get
// U+0142 (l with stroke), which looks close and which those fonts have.
class TextAdder {
public:
    TextAdder() : replaceBarredL_(!system::OsVersion::get().vistaOrLater) {}

    bool changes(const LangPack* language) const {
        return replaceBarredL_ && sameIgnoringCase(language->tagName(), u"vec");
    }

    // Takes text, a pooled string, over.
    void add(LangPack* language, const str::StrBuffer& id, bool numbered, std::int32_t number,
             str::StrBuffer* text) const {
        if (changes(language))
            text->replaceAll(u"\u019A", u"\u0142");
        if (numbered)
            language->addText(number, text);
        else
            language->addNamedText(id, text);
    }

private:
    bool replaceBarredL_;
};

// Finds the language an element of an entry names: the first whose tagName
// equals the element name ignoring case. Entries list their languages in
// pack order, so the language after the one found last is tried first.
class TagMatcher {
public:
    explicit TagMatcher(const col::ArrayP& languages) : languages_(languages) {
        // Of two languages with one tag only the first ever gets texts.
        std::uint32_t count = languages.length();
        firstOfTag_.resize(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            firstOfTag_[i] = i;
            for (std::uint32_t j = 0; j < i; ++j)
                if (sameIgnoringCase(tagOf(j), tagOf(i).cStr())) {
                    firstOfTag_[i] = j;
                    break;
                }
        }
    }

    LangPack* find(const char16_t* name, std::int32_t length) {
        std::uint32_t count = languages_.length();
        if (name == nullptr || length <= 0)
            return nullptr;
        if (next_ < count && matches(next_, name, length))
            return found(next_);
        for (std::uint32_t i = 0; i < count; ++i)
            if (matches(i, name, length))
                return found(i);
        return nullptr;
    }

private:
    const str::StrBuffer& tagOf(std::uint32_t i) const {
        return static_cast<const LangPack*>(languages_.at(i))->tagName();
    }
    bool matches(std::uint32_t i, const char16_t* name, std::int32_t length) const {
        const str::StrBuffer& tag = tagOf(i);
        return tag.length() == static_cast<std::uint32_t>(length) &&
               tag.regionMatchesIgnoreCase(0, name, 0, length);
    }
    LangPack* found(std::uint32_t i) {
        next_ = i + 1;
        return static_cast<LangPack*>(languages_.at(firstOfTag_[i]));
    }

    const col::ArrayP& languages_;
    std::vector<std::uint32_t> firstOfTag_;
    std::uint32_t next_ = 0;
};

// Loads the entries of one pack into its languages: into every language,
// into one (language), or only the numbered entry id into every language
// that lacks it (oneId).
class EntryLoader {
public:
    EntryLoader(col::ArrayP& languages, LangPack* language, bool oneId, std::int32_t id)
        : languages_(languages), matcher_(languages), only_(language), oneId_(oneId), id_(id) {}

    void load(const xml::Node& entry) {
        entry.getString(u"id", &name_, u"", false);
        numbered_ = name_.length() > 0 && isDigit(name_.charAt(0));
        number_ = numbered_ ? name_.toInt() : 0;
        if (oneId_ && (!numbered_ || number_ != id_))
            return;
        // The fallback belongs to this entry alone: its first text in a
        // language of the pack (the English one in our pack). An entry
        // whose elements name no language hands on the empty text, never
        // the text of an earlier entry.
        const str::StrBuffer* fallback = nullptr;
        for (std::int32_t c = 0; c < entry.childCount(); ++c) {
            const xml::Node* element = entry.childAt(c);
            LangPack* language = matcher_.find(element->getName(), element->getNameLength());
            if (language == nullptr)
                continue;
            if (!wants(language)) {
                // Only its first text matters, as the fallback.
                if (fallback == nullptr) {
                    element->getString(u"", &fallbackCopy_, u"", false);
                    fallback = &fallbackCopy_;
                }
                continue;
            }
            auto* text = thread::take<str::StrBuffer>();
            // Sized once, to the escaped text, which decodes to no more
            // units: the texts live until the language changes, and a
            // string grown by appending would start at a hundred units.
            if (const xml::Attr* raw = element->getAttributes().find(u""))
                text->reserveExact(static_cast<std::uint32_t>(raw->valueLength));
            element->getString(u"", text, u"", false);
            if (fallback == nullptr) {
                fallback = text;
                if (adder_.changes(language)) {
                    fallbackCopy_.set(*text);
                    fallback = &fallbackCopy_;
                }
            }
            add(language, text);
        }
        for (std::uint32_t l = 0; l < languages_.length(); ++l) {
            auto* language = static_cast<LangPack*>(languages_.at(l));
            if (!wants(language) ||
                (numbered_ ? language->hasText(number_) : language->hasNamedText(name_.cStr())))
                continue;
            auto* text = thread::take<str::StrBuffer>();
            if (fallback != nullptr) {
                text->reserveExact(fallback->length());
                text->set(*fallback);
            }
            add(language, text);
        }
    }

private:
    // With one identifier, a language that has it already (the current
    // one) is left as it is.
    bool wants(const LangPack* language) const {
        if (oneId_)
            return !language->hasText(id_);
        return only_ == nullptr || language == only_;
    }
    void add(LangPack* language, str::StrBuffer* text) {
        adder_.add(language, name_, numbered_, number_, text);
    }

    col::ArrayP& languages_;
    TextAdder adder_;
    TagMatcher matcher_;
    LangPack* only_;
    bool oneId_;
    std::int32_t id_;
    str::StrBuffer name_;
    bool numbered_ = false;
    std::int32_t number_ = 0;
    str::StrBuffer fallbackCopy_;
};

bool isSpace(char16_t c) { return c == u' ' || c == u'\n' || c == u'\t' || c == u'\r'; }

// The next "<" at or after p, or the terminator.
const char16_t* nextTag(const char16_t* p) {
    while (*p != 0 && *p != u'<')
        ++p;
    return p;
}

// Whether the element that starts at p (a "<") is named name, ignoring case;
// its name is read as the document parser reads it.
bool elementNamed(const char16_t* p, const char16_t* name) {
    ++p;
    while (isSpace(*p))
        ++p;
    const char16_t* start = p;
    while (*p != 0 && !isSpace(*p) && *p != u'/' && *p != u'>')
        ++p;
    return xml::text::equalsIgnoreCase(start, static_cast<std::int32_t>(p - start), name,
                                       xml::text::length(name));
}

} // namespace

namespace {
void decode(const col::ArrayU08& bytes, str::StrBuffer* text) {
    text->fromUtf8(static_cast<const std::uint8_t*>(bytes.data()), false,
                   static_cast<std::int32_t>(bytes.length()));
}
} // namespace

Localizer* Localizer::create(const void* archive, const char16_t* resourceName,
                             std::int32_t resourceId) {
    Localizer* localizer = thread::take<Localizer>();
    thread::Pooled<col::ArrayU08> bytes(thread::take<col::ArrayU08>());
    if (!platform::readResource(archive, resourceName, resourceId, bytes.get())) {
        log::write("localizer: no language pack resource " + std::to_string(resourceId));
    } else if (bytes->length() > 0) {
        localizer->source_ = Source::kResource;
        localizer->archive_ = archive;
        localizer->resourceName_.set(resourceName);
        localizer->resourceId_ = resourceId;
        thread::Pooled<str::StrBuffer> text(thread::take<str::StrBuffer>());
        decode(*bytes, text.get());
        // The bytes go before the texts are made.
        bytes->freeMemory();
        localizer->loadPackText(text->cStr(), true, Wanted());
    }
    localizer->selectLanguage(systemLanguageName());
    return localizer;
}

Localizer* Localizer::createFromUtf8(const col::ArrayU08* bytes) {
    Localizer* localizer = thread::take<Localizer>();
    if (bytes != nullptr && bytes->length() > 0) {
        localizer->source_ = Source::kBytes;
        localizer->bytes_ = thread::take<col::ArrayU08>();
        localizer->bytes_->append(bytes->data(), bytes->length());
        thread::Pooled<str::StrBuffer> text(thread::take<str::StrBuffer>());
        decode(*bytes, text.get());
        localizer->loadPackText(text->cStr(), true, Wanted());
    }
    localizer->selectLanguage(systemLanguageName());
    return localizer;
}

void Localizer::loadPack(const xml::Node& root) {
    if (const xml::Node* list = root.getChild(u"languages"))
        loadLanguages(*list);
    if (const xml::Node* list = root.getChild(u"entries"))
        loadEntries(*list, Wanted());
}

LangPack* Localizer::startLanguage() const {
    const char16_t* system = systemLanguageName();
    LangPack* language = findLanguage(system);
    if (language == nullptr && system != nullptr)
        language = findLanguage(u"English");
    return language != nullptr ? language : languageAt(0);
}

bool Localizer::readSource(str::StrBuffer* text) const {
    if (source_ == Source::kBytes) {
        decode(*bytes_, text);
        return true;
    }
    if (source_ != Source::kResource)
        return false;
    thread::Pooled<col::ArrayU08> bytes(thread::take<col::ArrayU08>());
    if (!platform::readResource(archive_, resourceName_.cStr(), resourceId_, bytes.get()) ||
        bytes->length() == 0)
        return false;
    decode(*bytes, text);
    return true;
}

void Localizer::loadTexts(const Wanted& wanted) {
    thread::Pooled<str::StrBuffer> text(thread::take<str::StrBuffer>());
    if (!readSource(text.get())) {
        // The language keeps no texts: its lookups give the empty text.
        log::write("localizer: the language pack could not be read again");
        return;
    }
    loadPackText(text->cStr(), false, wanted);
}

void Localizer::loadTextOfEveryLanguage(std::int32_t id) {
    if (!hasSource())
        return;
    Wanted wanted;
    wanted.oneId = true;
    wanted.id = id;
    loadTexts(wanted);
}

void Localizer::loadLanguages(const xml::Node& list) {
    for (std::int32_t i = 0; i < list.childCount(); ++i) {
        const xml::Node* entry = list.childAt(i);
        if (!entry->nameEquals(u"entry"))
            continue;
        LangPack* language = thread::take<LangPack>();
        entry->getString(u"tagName", &language->tagName(), u"", false);
        entry->getString(u"engName", &language->engName(), u"", false);
        entry->getString(u"trueName", &language->trueName(), u"", false);
        languages_.add(language);
    }
}

void Localizer::loadEntries(const xml::Node& list, const Wanted& wanted) {
    EntryLoader loader(languages_, wanted.language, wanted.oneId, wanted.id);
    for (std::int32_t i = 0; i < list.childCount(); ++i)
        if (list.childAt(i)->nameEquals(u"entry"))
            loader.load(*list.childAt(i));
}

// Parsed into one tree, the pack is some five thousand nodes, and building
// and releasing them took most of the start-up time under Wine. This walk
// parses the root's children one at a time and the entries one at a time,
// and loads exactly what loadPack loads from the whole tree: the first
// "languages" and the first "entries" child, languages first; of the
// texts, only those wanted.
void Localizer::loadPackText(const char16_t* text, bool firstReading, Wanted wanted) {
    xml::Node* element = thread::take<xml::Node>();
    // Comments before the root are skipped, as by the document parser.
    bool open = false;
    const char16_t* p = text;
    while (*p != 0) {
        element->removeAll();
        p = element->parseStart(p, open);
        if (!element->isComment())
            break;
        open = false;
    }
    // Read again, the pack's languages are known already.
    bool languagesRead = !firstReading;
    bool entriesRead = false;
    xml::Node* laterEntries = nullptr;
    while (open && *p != 0 && p[1] != u'/') {
        element->removeAll();
        if (!entriesRead && elementNamed(p, u"entries")) {
            entriesRead = true;
            if (!languagesRead) {
                // Entries before the languages wait for them, whole.
                laterEntries = thread::take<xml::Node>();
                p = laterEntries->parse(p);
            } else {
                p = loadEntriesText(p, *element, wanted);
            }
        } else {
            p = element->parse(p);
            if (!languagesRead && element->nameEquals(u"languages")) {
                languagesRead = true;
                loadLanguages(*element);
                current_ = startLanguage();
                wanted.language = current_;
            }
        }
        p = nextTag(p);
    }
    if (laterEntries != nullptr) {
        loadEntries(*laterEntries, wanted);
        laterEntries->release();
    }
    element->release();
}

// From the "<" of the entries element, parsing each entry into scratch;
// answers the position after the element.
const char16_t* Localizer::loadEntriesText(const char16_t* p, xml::Node& scratch,
                                           const Wanted& wanted) {
    bool open = false;
    p = scratch.parseStart(p, open);
    EntryLoader loader(languages_, wanted.language, wanted.oneId, wanted.id);
    while (open && *p != 0) {
        if (p[1] == u'/') {
            // The end tag, whatever name it gives.
            while (*p != 0 && *p != u'>')
                ++p;
            return *p != 0 ? p + 1 : p;
        }
        scratch.removeAll();
        p = scratch.parse(p);
        if (scratch.nameEquals(u"entry"))
            loader.load(scratch);
        p = nextTag(p);
    }
    return p;
}

} // namespace s::lang
