#include "localization/SystemLanguage.h"

#include "localization/LocalizationTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

using namespace localization_test;

namespace {

std::u16string fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    std::u16string out;
    for (const char* p = value != nullptr ? value : ""; *p != 0; ++p)
        out += static_cast<char16_t>(static_cast<unsigned char>(*p));
    return out;
}

// Run by CTest once per system language, with LC_ALL set for Wine and the
// expected names beside it.
TEST(SystemLanguage, TheFirstLanguageFollowsTheUserInterfaceLanguage) {
    std::u16string systemName = fromEnvironment("TARNWICK_EXPECTED_SYSTEM_NAME");
    std::u16string language = fromEnvironment("TARNWICK_EXPECTED_LANGUAGE");
    if (language.empty())
        GTEST_SKIP() << "run with LC_ALL and the expected names (see tests/CMakeLists.txt)";
    EXPECT_EQ(std::u16string(s::lang::systemLanguageName()), systemName)
        << "user-interface language " << std::hex << GetUserDefaultUILanguage();
    LocalizerPtr pack = realPack();
    EXPECT_EQ(currentName(*pack), language);
}

// The compact form compiled in reads as the readable source does.
TEST(EmbeddedPack, ReadsTheSameAsItsSource) {
    LocalizerPtr embedded = realPack();
    LocalizerPtr source = packFromSourceFile();
    ASSERT_EQ(source->languageCount(), 34) << "cannot read the source file";
    EXPECT_TRUE(describe(*embedded) == describe(*source));
}

} // namespace
