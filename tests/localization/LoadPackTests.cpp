#include "localization/Localizer.h"

#include "foundation/system/OsVersion.h"
#include "localization/LocalizationTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using s::lang::LangPack;
using s::lang::Localizer;
using namespace localization_test;

namespace {

// English, German and French; names in any letter case, a comment, an
// element that is no "entry", a translator's note, an entry whose first
// element is no language, a repeated identifier, a named and an empty entry.
const char16_t* const kSmallPack =
    u"<lang><!-- note --><Languages>"
    u"<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
    u"<other tagName=\"xxx\" engName=\"Other\"/>"
    u"<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
    u"<ENTRY tagName=\"fra\" engName=\"French\" trueName=\"Fran&amp;ais\"/>"
    u"</Languages><entries>"
    u"<entry id=\"1\">a note<eng>One</eng><DEU>Eins</DEU><fra> Un </fra></entry>"
    u"<entry id=\"2\"><eng>Two</eng><deu>Zwei</deu></entry>"
    u"<entry id=\"3\"><note>Drei</note><deu>Drei</deu><xyz>?</xyz><eng>Three</eng></entry>"
    u"<entry id=\"4\"><eng>Four</eng><eng>Vier</eng></entry>"
    u"<entry id=\"1\"><eng>Again</eng></entry>"
    u"<entry id=\"n\"><eng>Title</eng><fra>Titre</fra></entry>"
    u"<entry id=\"5\"></entry>"
    u"<item id=\"6\"><eng>Six</eng></item>"
    u"</entries></lang>";

std::u16string textIn(const LangPack* language, std::int32_t id) {
    const s::str::StrBuffer* found = language->findText(id);
    return found != nullptr ? text(*found) : u"(missing)";
}

TEST(LoadPack, EveryLanguageGetsEveryTextItsOwnOrTheEntrysFirst) {
    LocalizerPtr pack = packFromText(kSmallPack);
    ASSERT_EQ(pack->languageCount(), 3);
    const LangPack* english = pack->languageAt(0);
    const LangPack* german = pack->languageAt(1);
    const LangPack* french = pack->languageAt(2);
    EXPECT_EQ(text(french->trueName()), u"Fran&ais");
    EXPECT_EQ(textIn(german, 1), u"Eins");
    EXPECT_EQ(textIn(french, 1), u"Un");
    EXPECT_EQ(textIn(french, 2), u"Two");
    // The entry's first text in a language, never the text of the entry before.
    EXPECT_EQ(textIn(french, 3), u"Drei");
    EXPECT_EQ(textIn(english, 3), u"Three");
    // Of two texts for one identifier the first is found.
    EXPECT_EQ(textIn(english, 4), u"Four");
    EXPECT_EQ(textIn(english, 1), u"One");
    EXPECT_EQ(textIn(german, 5), u"");
    EXPECT_EQ(textIn(english, 6), u"(missing)") << "only \"entry\" elements count";
    ASSERT_NE(german->findNamedText(u"n"), nullptr);
    EXPECT_EQ(text(*german->findNamedText(u"n")), u"Title");
    EXPECT_EQ(text(*french->findNamedText(u"n")), u"Titre");
    EXPECT_EQ(french->findNamedText(u"N"), nullptr);
}

TEST(LoadPack, ReadFromTextOnlyTheLanguageInUseKeepsItsTexts) {
    s::str::StrBuffer document(kSmallPack);
    s::col::ArrayU08* bytes = document.toUtf8Unterminated(nullptr, false);
    LocalizerPtr pack(Localizer::createFromUtf8(bytes));
    bytes->release();
    ASSERT_EQ(pack->languageCount(), 3);
    const LangPack* english = pack->languageAt(0);
    const LangPack* german = pack->languageAt(1);
    const LangPack* french = pack->languageAt(2);
    pack->selectLanguage(u"French");
    EXPECT_EQ(textIn(french, 1), u"Un");
    EXPECT_EQ(textIn(french, 2), u"Two") << "a text it lacks is the entry's first";
    EXPECT_EQ(text(*french->findNamedText(u"n")), u"Titre");
    EXPECT_EQ(english->textCount() + german->textCount(), 0u);

    pack->selectLanguage(u"German");
    EXPECT_EQ(text(pack->getText(1)), u"Eins");
    EXPECT_EQ(text(pack->getText(3)), u"Drei");
    EXPECT_EQ(french->textCount(), 0u);
    EXPECT_EQ(french->findNamedText(u"n"), nullptr);
    EXPECT_EQ(text(french->trueName()), u"Fran&ais") << "the names stay";

    pack->loadTextOfEveryLanguage(1);
    EXPECT_EQ(textIn(english, 1), u"One");
    EXPECT_EQ(textIn(french, 1), u"Un");
    EXPECT_EQ(english->textCount(), 1u);
    EXPECT_EQ(german->textCount(), 5u) << "the current language as it was";
    pack->selectLanguageAt(0);
    EXPECT_EQ(textIn(english, 4), u"Four");
    EXPECT_EQ(german->textCount() + french->textCount(), 0u);
}

class Venetian : public ::testing::Test {
protected:
    void TearDown() override { s::system::OsVersion::setForTesting(s::system::queryOsVersion()); }

    static std::u16string loaded(std::int32_t language) {
        LocalizerPtr pack = packFromText(
            u"<lang><languages><entry tagName=\"eng\" engName=\"English\"/>"
            u"<entry tagName=\"VEC\" engName=\"Venetian\"/></languages><entries>"
            u"<entry id=\"1\"><eng>\u019Aa \u019A</eng><vec>Desinsta\u019Aa \u019A\u019A</vec></entry>"
            u"</entries></lang>");
        return textIn(pack->languageAt(language), 1);
    }
};

TEST_F(Venetian, BarredLBecomesLWithStrokeOnlyBeforeVista) {
    s::system::OsVersion::setForTesting({true, 5, 1});
    EXPECT_EQ(loaded(1), u"Desinsta\u0142a \u0142\u0142");
    EXPECT_EQ(loaded(0), u"\u019Aa \u019A") << "other languages keep their letters";
    s::system::OsVersion::setForTesting({true, 6, 0});
    EXPECT_EQ(loaded(1), u"Desinsta\u019Aa \u019A\u019A");
}

class ReadAnEntryAtATime : public ::testing::TestWithParam<const char16_t*> {};

TEST_P(ReadAnEntryAtATime, LoadsWhatTheWholeTreeLoads) {
    s::str::StrBuffer document(GetParam());
    s::col::ArrayU08* bytes = document.toUtf8Unterminated(nullptr, false);
    LocalizerPtr streamed(Localizer::createFromUtf8(bytes));
    LocalizerPtr fromTree = packFromTree(bytes);
    bytes->release();
    EXPECT_EQ(describe(*streamed), describe(*fromTree));
}

#define LANGS u"<languages><entry tagName=\"eng\"/><entry tagName=\"deu\" engName=\"German\"/></languages>"
#define ENTRIES(text) u"<entries><entry id=\"1\"><eng>" text u"</eng><deu>Eins</deu></entry><entry id=\"n\"><eng>N</eng></entry><entry id=\"2\"><deu>Zwei</deu></entry></entries>"

INSTANTIATE_TEST_SUITE_P(
    Localizer, ReadAnEntryAtATime,
    ::testing::Values(
        kSmallPack, u"\uFEFF<!-- a --> <!-- b --><lang>" LANGS ENTRIES(u"One") u"</lang>",
        // Entries before the languages; second lists; an empty first list.
        u"< lang ><x/>" ENTRIES(u"One") LANGS u"</lang>",
        u"<lang>" LANGS ENTRIES(u"One") u"<languages><entry tagName=\"fra\"/></languages>"
            ENTRIES(u"Again") u"</lang>",
        u"<lang>" LANGS u"<entries/>" ENTRIES(u"One") u"</lang>",
        u"<lang>" LANGS u"<Entries note=\"a/b>c\" > text <!-- c --><entry id=\"1\"><eng>x</eng>"
            u"</entry> more </entries>tail</lang>",
        // An end tag closes the innermost element whatever its name.
        u"<lang>" LANGS u"<entries><entry id=\"1\"><eng>x</eng></entries><entry id=\"2\"><eng>y</eng>"
            u"</entry></lang>",
        // Cut short; and nothing after the root counts.
        u"<lang>" LANGS u"<entries><entry id=\"1\"><eng>cut", u"<lang>" LANGS u"</lang>" ENTRIES(u"After"),
        u"<lang/>" LANGS, u"<!-- only -->", u"no markup"));

#undef LANGS
#undef ENTRIES

TEST(ReadAnEntryAtATime, LoadsTheRealPackAsTheWholeTreeDoes) {
    auto* bytes = s::thread::take<s::col::ArrayU08>();
    ASSERT_TRUE(s::platform::readFile(sourcePackPath(), bytes));
    LocalizerPtr streamed(Localizer::createFromUtf8(bytes));
    LocalizerPtr fromTree = packFromTree(bytes);
    bytes->release();
    ASSERT_EQ(streamed->languageCount(), 34);
    EXPECT_TRUE(describe(*streamed) == describe(*fromTree));
}

} // namespace
