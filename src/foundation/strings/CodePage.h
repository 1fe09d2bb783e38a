#pragma once

#include "foundation/objects/IObject.h"

#include <cstdint>
#include <vector>

namespace s::system::codepage {

inline constexpr std::uint32_t kUtf8 = 65001;
inline constexpr std::uint32_t kUtf16Le = 1200;
inline constexpr std::uint32_t kUtf16Be = 1201;

// A Windows code-page number. UTF-8 and the two UTF-16 forms are converted
// by the framework itself; every other page by the platform, which only the
// Windows build has.
class CodePage : public base::IObject {
public:
    explicit CodePage(std::uint32_t number = kUtf8) : number_(number) {}

    const char16_t* getClassName() const override { return u"s_system_codepage_CodePage"; }
    base::IObject* newInstance() const override { return new CodePage(number_); }

    std::uint32_t number() const { return number_; }

    // The code pages the system offers, built once; always holds UTF-8 and
    // both UTF-16 forms.
    static const std::vector<CodePage>& table();
    // The descriptor of the system's OEM code page.
    static CodePage oem();

private:
    std::uint32_t number_;
};

} // namespace s::system::codepage
