#include "toolkit/controls/TitleText.h"

namespace s::gui::controls {

void literalTitle(const char16_t* text, str::StrBuffer& shown) {
    shown.set(u"");
    for (const char16_t* c = text != nullptr ? text : u""; *c != 0; ++c) {
        if (*c == u'&')
            shown.append(u'&');
        shown.append(*c);
    }
}

} // namespace s::gui::controls
