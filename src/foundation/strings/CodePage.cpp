#include "foundation/strings/CodePage.h"

#include "foundation/system/Platform.h"

#include <algorithm>

namespace s::system::codepage {

const std::vector<CodePage>& CodePage::table() {
    // Magic statics serialise the first build of the table.
    static const std::vector<CodePage> pages = [] {
        std::vector<CodePage> list;
        for (std::uint32_t number : {kUtf8, kUtf16Le, kUtf16Be})
            list.emplace_back(number);
        for (std::uint32_t number : platform::systemCodePages())
            if (std::none_of(list.begin(), list.end(),
                             [number](const CodePage& p) { return p.number() == number; }))
                list.emplace_back(number);
        return list;
    }();
    return pages;
}

CodePage CodePage::oem() {
    return CodePage(platform::oemCodePage());
}

} // namespace s::system::codepage
