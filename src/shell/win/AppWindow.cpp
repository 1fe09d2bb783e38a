#include "shell/win/AppWindow.h"

#include "shell/win/AppBase.h"

namespace s::app::win {

void AppWindow::create(AppBase* appBase, const char16_t* name,
                       const AppWindowDefaults& defaults, gui::drawer::Skinner* skinSet) {
    appBase_ = appBase;
    name_.set(name);
    defaults_ = defaults;
    skinSet_ = skinSet;
}

const char16_t* AppWindow::getSectionPath(const char16_t* section) {
    pathBuffer_.set(name_);
    pathBuffer_.append(u'\\');
    pathBuffer_.append(section);
    return pathBuffer_.cStr();
}

map::IMappedData* AppWindow::getStore() {
    return appBase_ != nullptr ? appBase_->getStore() : nullptr;
}

lang::Localizer* AppWindow::getLocalizer() {
    return appBase_ != nullptr ? appBase_->getLocalizer() : nullptr;
}

} // namespace s::app::win
