#include "localization/Localizer.h"

#include "localization/LocalizationTestSupport.h"
#include "localization/IEventListener.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using s::lang::LangPack;
using s::lang::Localizer;
using namespace localization_test;

namespace {

class RealPack : public ::testing::Test {
protected:
    void SetUp() override {
        pack = realPack();
        ASSERT_EQ(pack->languageCount(), 34) << "the pack did not load";
    }
    LocalizerPtr pack;
};

TEST_F(RealPack, EveryLanguageHasATextForEveryIdentifier) {
    pack->selectLanguageAt(0);
    const LangPack* english = pack->languageAt(0);
    ASSERT_EQ(text(english->engName()), u"English");
    ASSERT_EQ(english->textCount(), 178u);
    std::vector<std::int32_t> ids;
    for (std::uint32_t i = 0; i < english->textCount(); ++i)
        ids.push_back(english->idAt(i));
    for (std::int32_t l = 0; l < pack->languageCount(); ++l) {
        pack->selectLanguageAt(l);
        for (std::int32_t id : ids)
            EXPECT_TRUE(pack->languageAt(l)->hasText(id)) << "language " << l << ", text " << id;
    }
    EXPECT_EQ(text(pack->languageAt(7)->trueName()), u"日本語");
    EXPECT_EQ(text(pack->languageAt(33)->tagName()), u"vie");
}

TEST_F(RealPack, TextsAreDecodedAndFollowTheLanguage) {
    pack->selectLanguage(u"English");
    const std::pair<std::int32_t, std::u16string> english[] = {
        {3010550, u"It's Time!"}, {42, u""},
        // "At    &#160;": the escaped space keeps the padding from trimming.
        {2010000, u"At     "}, {3006000, u"  Browse  "}, {300000, u"Vexa Tarnwick"}};
    for (const auto& [id, expected] : english)
        EXPECT_EQ(text(pack->getText(id)), expected) << "text " << id;
    pack->selectLanguage(u"Japanese");
    EXPECT_NE(text(pack->getText(3010550)), u"It's Time!");
    EXPECT_EQ(text(pack->getText(300000)), u"Vexa Tarnwick");
    // Read again at the change; English let its texts go.
    EXPECT_EQ(pack->currentLanguage()->textCount(), 178u);
    EXPECT_EQ(pack->languageAt(0)->textCount(), 0u);
    pack->selectLanguage(u"English");
    EXPECT_EQ(text(pack->getText(3010550)), u"It's Time!");
}

TEST_F(RealPack, TheTitleCanBeHadInEveryLanguage) {
    pack->selectLanguage(u"Greek");
    pack->loadTextOfEveryLanguage(300000);
    pack->loadTextOfEveryLanguage(300000); // nothing twice
    for (std::int32_t l = 0; l < pack->languageCount(); ++l) {
        const LangPack* language = pack->languageAt(l);
        ASSERT_NE(language->findText(300000), nullptr) << "language " << l;
        EXPECT_EQ(text(*language->findText(300000)), u"Vexa Tarnwick");
        EXPECT_EQ(language->textCount(), language == pack->currentLanguage() ? 178u : 1u);
    }
    pack->selectLanguage(u"Turkish");
    EXPECT_EQ(pack->findLanguage(u"Greek")->textCount(), 0u);
    EXPECT_EQ(pack->languageAt(0)->textCount(), 0u);
}

struct Selection {
    const char16_t* requested;
    const char16_t* selected;
};

class SelectLanguage : public RealPack, public ::testing::WithParamInterface<Selection> {};

TEST_P(SelectLanguage, FindsTheLanguageOrFallsBackToEnglish) {
    pack->selectLanguage(u"French");
    ASSERT_EQ(currentName(*pack), u"French");
    pack->selectLanguage(GetParam().requested);
    EXPECT_EQ(currentName(*pack), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(
    Localizer, SelectLanguage,
    ::testing::Values(Selection{u"JAPANESE", u"Japanese"}, Selection{u"sERBIAN_lATIN", u"Serbian_Latin"},
                      // Family names the system gives where the pack has another member.
                      Selection{u"Chinese", u"Chinese_Simplified"},
                      Selection{u"Portuguese_portugal", u"Portuguese_Brazilian"},
                      Selection{u"Serbian", u"Serbian_Cyrillic"},
                      // Names no language has.
                      Selection{u"Klingon", u"English"}, Selection{u"", u"English"},
                      Selection{u"Japanese ", u"English"}));

class Recorder : public s::gui::events::IEventListener {
public:
    Recorder(std::vector<std::pair<int, void*>>& calls, int tag) : calls_(calls), tag_(tag) {}
    void handleEvent(void* source, int eventId) override { calls_.emplace_back(tag_ + eventId, source); }

private:
    std::vector<std::pair<int, void*>>& calls_;
    int tag_;
};

TEST_F(RealPack, ListenersHearOfChangesOnlyInTheOrderTheyCame) {
    pack->selectLanguage(u"English");
    std::vector<std::pair<int, void*>> calls;
    Recorder first(calls, 10), second(calls, 20);
    pack->addListener(&first);
    pack->addListener(&second);

    pack->selectLanguage(u"ENGLISH");
    pack->selectLanguage(u"Klingon"); // English again
    pack->selectLanguageAt(0);
    pack->selectLanguageAt(34);
    EXPECT_TRUE(calls.empty()) << calls.size() << " calls";

    pack->selectLanguage(u"korean");
    pack->selectLanguageAt(8); // Korean again
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(10, static_cast<void*>(pack.get())));
    EXPECT_EQ(calls[1], std::make_pair(20, static_cast<void*>(pack.get())));
    pack->selectLanguageAt(5);
    EXPECT_EQ(calls.size(), 4u);
    EXPECT_EQ(currentName(*pack), u"French");
}

TEST(Localizer, TheDefaultIsTheFirstLanguageAndAnUnknownNamePrefersEnglish) {
    // Names no system reports: the first language is the default, and the
    // fallback for an unknown name when there is no English.
    LocalizerPtr pack = packFromText(u"<lang><languages><entry engName=\"Alpha\"/>"
                                     u"<entry engName=\"Beta\"/></languages></lang>");
    EXPECT_EQ(currentName(*pack), u"Alpha");
    pack->selectLanguageAt(1);
    pack->selectLanguage(u"Klingon");
    EXPECT_EQ(currentName(*pack), u"Alpha");

    LocalizerPtr withEnglish = packFromText(u"<lang><languages><entry engName=\"Alpha\"/>"
                                            u"<entry engName=\"ENGLISH\"/></languages></lang>");
    withEnglish->selectLanguageAt(0);
    withEnglish->selectLanguage(u"Klingon");
    EXPECT_EQ(currentName(*withEnglish), u"ENGLISH");
}

TEST(Localizer, AFamilyNameTakesTheMemberThePackHas) {
    LocalizerPtr pack = packFromText(
        u"<lang><languages><entry engName=\"Chinese_Traditional\"/><entry engName=\"Serbian_Latin\"/>"
        u"<entry engName=\"Portuguese_Portugal\"/></languages></lang>");
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"Chinese_simplified", u"Chinese_Traditional"}, {u"SERBIAN", u"Serbian_Latin"},
        {u"Portuguese_brazilian", u"Portuguese_Portugal"}, {u"Chin", u"(none)"}};
    for (const auto& [requested, found] : cases) {
        const LangPack* language = pack->findLanguage(requested);
        EXPECT_EQ(language != nullptr ? text(language->engName()) : u"(none)", found);
    }
}

TEST(Localizer, WithoutAPackEveryTextIsEmpty) {
    LocalizerPtr missing(Localizer::create(nullptr, u"IDR_XML", 9999));
    LocalizerPtr empty = packFromText(u"");
    for (Localizer* localizer : {missing.get(), empty.get()}) {
        EXPECT_EQ(localizer->languageCount(), 0);
        EXPECT_EQ(localizer->currentLanguage(), nullptr);
        localizer->selectLanguage(u"English");
        localizer->selectLanguageAt(0);
        EXPECT_EQ(text(localizer->getText(3010550)), u"");
    }
}

} // namespace
