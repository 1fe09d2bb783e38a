#include "toolkit/win/MessageBox.h"

#include "foundation/Platform.h"
#include "foundation/Pools.h"

#include <windows.h>

#undef MessageBox

namespace s::gui::win {

namespace {
struct Title {
    platform::CriticalSection lock;
    std::u16string text = u"Vexa Tarnwick";
};

Title& sharedTitle() {
    static Title title;
    return title;
}

int show(const std::u16string& text, UINT flags) {
    std::u16string caption = MessageBox::title();
    return ::MessageBoxW(GetActiveWindow(), reinterpret_cast<const wchar_t*>(text.c_str()),
                       reinterpret_cast<const wchar_t*>(caption.c_str()), flags);
}
} // namespace

base::IObject* MessageBox::newInstance() const { return thread::take<MessageBox>(); }

void MessageBox::release() { thread::giveBack(this); }

void MessageBox::setTitle(const std::u16string& title) {
    Title& shared = sharedTitle();
    platform::CriticalSectionGuard guard(shared.lock);
    shared.text = title;
}

std::u16string MessageBox::title() {
    Title& shared = sharedTitle();
    platform::CriticalSectionGuard guard(shared.lock);
    return shared.text;
}

void MessageBox::showInformation(const std::u16string& text) { show(text, MB_OK | 0x40); }

void MessageBox::showWarning(const std::u16string& text) { show(text, MB_OK | 0x30); }

void MessageBox::showError(const std::u16string& text) { show(text, MB_OK | 0x10); }

bool MessageBox::askYesNo(const std::u16string& text) { return show(text, 0x24) == IDYES; }

bool MessageBox::askYesNoCancel(const std::u16string& text, bool& answer) {
    int result = show(text, 0x23);
    if (result == IDCANCEL) {
        answer = false;
        return false;
    }
    answer = result == IDYES;
    return true;
}

} // namespace s::gui::win
