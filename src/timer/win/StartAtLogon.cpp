#include "timer/win/StartAtLogon.h"

#include "foundation/objects/Pooled.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/strings/win/WideText.h"
#include "storage/win/RegDir.h"

#include <windows.h>

#include <vector>

namespace s::sound::gui::dialogs::plinkett {

namespace {
using RunKey = thread::Pooled<reg::win::RegDir>;

RunKey openRunKey() { return RunKey(reg::win::RegDir::opened(reg::kCurrentUser, kRunKeyPath)); }

// The executable's path, however long.
str::StrBuffer executablePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size())
            return str::StrBuffer(str::win::fromWide(path.data()));
        path.resize(path.size() * 2);
    }
}
} // namespace

bool startsAtLogon() {
    RunKey run = openRunKey();
    return run->exists() && run->getValueSize(kRunValueName) != 0;
}

bool setStartAtLogon(bool on) {
    RunKey run = openRunKey();
    if (!on)
        return !run->exists() || run->getValueSize(kRunValueName) == 0 || run->removeValue(kRunValueName);
    if (!run->exists() && !run->create())
        return false;
    str::StrBuffer command(u"\"");
    command.append(executablePath().cStr());
    command.append(u"\" -startup");
    return run->setString(kRunValueName, command.cStr());
}

} // namespace s::sound::gui::dialogs::plinkett
