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
    {3801000, u"AM"},
    {3802000, u"PM"},
    {3803000, u"24"},
    {3810010, u"d"},
    {3810020, u"h"},
    {3810030, u"m"},
    {3810040, u"s"},
    {3901000, u"Play Sound"},
    {3902000, u"Open File"},
    {3903000, u"Execute Program"},
    {3904000, u"Open Web Page"},
    {3905000, u"Shutdown System"},
    {5000100, u"Jan"},
    {5000200, u"Feb"},
    {5000300, u"Mar"},
    {5000400, u"Apr"},
    {5000500, u"May"},
    {5000600, u"Jun"},
    {5000700, u"Jul"},
    {5000800, u"Aug"},
    {5000900, u"Sep"},
    {5001000, u"Oct"},
    {5001100, u"Nov"},
    {5001200, u"Dec"},
    {5100100, u"Sun"},
    {5100200, u"Mon"},
    {5100300, u"Tue"},
    {5100400, u"Wed"},
    {5100500, u"Thu"},
    {5100600, u"Fri"},
    {5100700, u"Sat"},
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
