#include "localization/SystemLanguage.h"

#include "localization/LocalizationTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace localization_test;

namespace {

struct NameCase {
    std::uint16_t languageId;
    const char16_t* name;
    // The pack language the name leads to, null for none.
    const char16_t* packLanguage;
};

class LanguageNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(LanguageNames, NameTheLanguageAndLeadToItsPackLanguage) {
    s::str::StrBuffer name(u"stale");
    s::lang::languageNameOf(GetParam().languageId, name);
    EXPECT_EQ(text(name), GetParam().name);

    static LocalizerPtr pack = realPack();
    const s::lang::LangPack* language = pack->findLanguage(name.cStr());
    std::u16string expected = GetParam().packLanguage != nullptr ? GetParam().packLanguage : u"(none)";
    EXPECT_EQ(language != nullptr ? text(language->engName()) : u"(none)", expected);
}

INSTANTIATE_TEST_SUITE_P(
    Localizer, LanguageNames,
    ::testing::Values(
        NameCase{0x0411, u"Japanese", u"Japanese"}, NameCase{0x0C07, u"German", u"German"},
        NameCase{0x0429, u"Persian", u"Persian"}, NameCase{0x042A, u"Vietnamese", u"Vietnamese"},
        // Identifiers told apart beyond their primary language.
        NameCase{0x1004, u"Chinese_simplified", u"Chinese_Simplified"},
        NameCase{0x0C04, u"Chinese_traditional", u"Chinese_Traditional"},
        NameCase{0x7C04, u"Chinese_traditional", u"Chinese_Traditional"},
        NameCase{0x7804, u"Chinese", u"Chinese_Simplified"},
        NameCase{0x0416, u"Portuguese_brazilian", u"Portuguese_Brazilian"},
        NameCase{0x0816, u"Portuguese_portugal", u"Portuguese_Brazilian"},
        NameCase{0x1C1A, u"Serbian_cyrillic", u"Serbian_Cyrillic"},
        NameCase{0x181A, u"Serbian_latin", u"Serbian_Latin"},
        NameCase{0x141A, u"Serbian", u"Serbian_Cyrillic"},
        NameCase{0x101A, u"Croatian", u"Croatian"}, NameCase{0x201A, u"Bosnian", nullptr},
        NameCase{0x082E, u"Lower_sorbian", nullptr},
        // Languages the pack lacks, and identifiers that name no language.
        NameCase{0x0414, u"Norwegian", nullptr}, NameCase{0x0000, u"", nullptr},
        NameCase{0x007F, u"", nullptr}, NameCase{0x0455, u"", nullptr}));

} // namespace
