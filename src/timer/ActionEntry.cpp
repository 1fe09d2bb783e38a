#include "timer/ActionEntry.h"

#include "timer/TextIds.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {
const char16_t* const kActionKeys[] = {u"Play", u"Open", u"Execute", u"WebPage", u"Shutdown"};
} // namespace

ActionKind actionOfKey(const str::StrBuffer& key) {
    for (int i = 0; i < 5; ++i) {
        str::StrBuffer candidate(kActionKeys[i]);
        if (key.equalsIgnoreCase(&candidate))
            return static_cast<ActionKind>(kPlay + i);
    }
    return kPlay;
}

const char16_t* keyOfAction(ActionKind kind) {
    return kind >= kPlay && kind <= kShutdown ? kActionKeys[kind - kPlay] : kActionKeys[0];
}

std::int32_t actionNameId(ActionKind kind) {
    return ids::kFirstActionName + ids::kActionNameStep * (kind - kPlay);
}

} // namespace s::sound::gui::dialogs::plinkett
