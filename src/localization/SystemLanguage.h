#pragma once

#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::lang {

// The English name of the user's default user-interface language, capital
// first letter and the rest in lower case: "Japanese", "Chinese_simplified",
// "Portuguese_portugal". Empty when the language has no name. Asked of the
// system once; later calls answer the same string.
const char16_t* systemLanguageName();

// The name for a Windows language identifier: the name of its LANG_
// constant ("JAPANESE" for 0x0411), or of the few identifiers that a
// sublanguage tells apart (Chinese scripts, Portuguese and Serbian
// variants), written as systemLanguageName writes it; out is replaced.
void languageNameOf(std::uint16_t languageId, str::StrBuffer& out);

// GetUserDefaultUILanguage; the host build has no such setting and answers 0.
std::uint16_t queryUserUiLanguage();

} // namespace s::lang
