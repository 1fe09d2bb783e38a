#pragma once

#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::sound::gui::dialogs::plinkett {

// The actions, numbered as they are captured for a run.
enum ActionKind : std::int32_t { kPlay = 1, kOpen = 2, kExecute = 3, kWebPage = 4, kShutdown = 5 };

// The shutdown kinds, numbered as the keys of the shutdown list.
enum ShutdownType : std::int32_t {
    kStandBy = 1,
    kHibernate = 2,
    kLogOff = 3,
    kReboot = 4,
    kPowerOff = 5
};

// What the action box shows: the selected action's key ("Play", "Open",
// "Execute", "WebPage" or "Shutdown"), the texts of the path and parameter
// fields, the Repeat check, and the keys of the volume and shutdown lists.
struct ActionEntry {
    str::StrBuffer actionKey{u"Play"};
    str::StrBuffer pathText;
    str::StrBuffer parameterText;
    bool repeatChecked = true;
    std::int32_t volumeKey = 50;
    std::int32_t shutdownKey = kPowerOff;
};

// The action of a key, compared without regard to case; the first item,
// Play, for any other text.
ActionKind actionOfKey(const str::StrBuffer& key);

// The key of an action as the action list and the store spell it.
const char16_t* keyOfAction(ActionKind kind);

// The language text of an action's name ("Play Sound", ...).
std::int32_t actionNameId(ActionKind kind);

} // namespace s::sound::gui::dialogs::plinkett
