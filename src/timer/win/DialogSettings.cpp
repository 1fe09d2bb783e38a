// The timer's records in the settings store.

#include "timer/win/Dialog.h"

#include "storage/IMappedData.h"
#include "toolkit/IAppWindow.h"

namespace s::sound::gui::dialogs::plinkett {

void Dialog::storeTimerOn(bool on) {
    if (store_ != nullptr && appWindow_ != nullptr)
        store_->setBool(appWindow_->getSectionPath(u"View"), u"TimerOn", on);
}

void Dialog::storeInt64(const char16_t* key, std::int64_t value) {
    if (store_ != nullptr && appWindow_ != nullptr)
        store_->setInt64(appWindow_->getSectionPath(u"View"), key, value);
}

} // namespace s::sound::gui::dialogs::plinkett
