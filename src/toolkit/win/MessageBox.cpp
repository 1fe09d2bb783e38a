#include "toolkit/win/MessageBox.h"

#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/strings/win/WideText.h"

#include <windows.h>

#undef MessageBox

namespace s::gui::win {

namespace {
struct Title {
    platform::CriticalSection lock;
    str::StrBuffer text{u"Vexa Tarnwick"};
};

Title& sharedTitle() {
    static Title title;
    return title;
}

int show(const char16_t* text, UINT flags) {
    str::StrBuffer caption;
    {
        Title& shared = sharedTitle();
        platform::CriticalSectionGuard guard(shared.lock);
        caption.set(shared.text);
    }
    return ::MessageBoxW(GetActiveWindow(), str::win::wide(text), str::win::wide(caption.cStr()),
                         flags);
}
} // namespace

base::IObject* MessageBox::newInstance() const { return thread::take<MessageBox>(); }

void MessageBox::release() { thread::giveBack(this); }

void MessageBox::setTitle(const char16_t* title) {
    Title& shared = sharedTitle();
    platform::CriticalSectionGuard guard(shared.lock);
    shared.text.set(title);
}

void MessageBox::showInformation(const char16_t* text) { show(text, MB_OK | 0x40); }

void MessageBox::showWarning(const char16_t* text) { show(text, MB_OK | 0x30); }

void MessageBox::showError(const char16_t* text) { show(text, MB_OK | 0x10); }

bool MessageBox::askYesNo(const char16_t* text) { return show(text, 0x24) == IDYES; }

bool MessageBox::askYesNoCancel(const char16_t* text, bool& answer) {
    int result = show(text, 0x23);
    if (result == IDCANCEL) {
        answer = false;
        return false;
    }
    answer = result == IDYES;
    return true;
}

} // namespace s::gui::win
