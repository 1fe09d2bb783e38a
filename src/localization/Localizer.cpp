#include "localization/Localizer.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace s::lang {

namespace {
struct Entry {
    std::int32_t id;
    const char16_t* text;
};

// Sorted by identifier.
const Entry kEnglish[] = {
    {500000, u"Vexa Tarnwick"},
    {3010000, u"Start"},
    {3010100, u"(Paused)"},
    {3010500, u"Stop"},
    {3010501, u"\u00a0 Stop \u00a0"},
    {3010550, u"It's Time!"},
    {3010600, u"\u00a0 Test \u00a0"},
    {3810010, u"d"},
    {3810020, u"h"},
    {3810030, u"m"},
    {3810040, u"s"},
    {3901000, u"Play Sound"},
    {3902000, u"Open File"},
    {3903000, u"Execute Program"},
    {3904000, u"Open Web Page"},
    {3905000, u"Shutdown System"},
};
} // namespace

const str::StrBuffer& Localizer::getText(std::int32_t id) const {
    // Texts are made once and live as long as the process, as the pack's do.
    static const std::vector<str::StrBuffer> texts = [] {
        std::vector<str::StrBuffer> list;
        for (const Entry& e : kEnglish)
            list.emplace_back(e.text);
        return list;
    }();
    static const str::StrBuffer empty;
    auto it = std::lower_bound(std::begin(kEnglish), std::end(kEnglish), id,
                               [](const Entry& e, std::int32_t key) { return e.id < key; });
    if (it == std::end(kEnglish) || it->id != id)
        return empty;
    return texts[static_cast<std::size_t>(it - std::begin(kEnglish))];
}

} // namespace s::lang
