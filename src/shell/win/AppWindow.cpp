#include "shell/win/AppWindow.h"

#include "shell/win/AppBase.h"

namespace s::app::win {

void AppWindow::create(AppBase* appBase, const std::u16string& name,
                       const AppWindowDefaults& defaults, gui::drawer::Skinner* skinSet) {
    appBase_ = appBase;
    name_ = name;
    defaults_ = defaults;
    skinSet_ = skinSet;
}

std::u16string AppWindow::getSectionPath(const std::u16string& section) const {
    return name_ + u"\\" + section;
}

map::IMappedData* AppWindow::getStore() {
    return appBase_ != nullptr ? appBase_->getStore() : nullptr;
}

lang::Localizer* AppWindow::getLocalizer() {
    return appBase_ != nullptr ? appBase_->getLocalizer() : nullptr;
}

} // namespace s::app::win
