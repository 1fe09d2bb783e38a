#include "toolkit/menu/MenuItem.h"

#include "foundation/objects/Pools.h"
#include "localization/Localizer.h"

namespace s::gui::menuitem {

base::IObject* MenuItem::newInstance() const {
    return thread::take<MenuItem>();
}

void MenuItem::release() {
    thread::giveBack(this);
}

void MenuItem::clear() {
    localizer_ = nullptr;
    text_.clear();
    textId_ = -1;
    commandId_ = -1;
    checked_ = radioChecked_ = separator_ = startsColumn_ = false;
    tag_ = 0;
}

MenuItem* MenuItem::make(const char16_t* text, std::int32_t commandId) {
    MenuItem* item = thread::take<MenuItem>();
    item->setText(text);
    item->commandId_ = commandId;
    return item;
}

MenuItem* MenuItem::makeById(std::int32_t textId, std::int32_t commandId) {
    MenuItem* item = make(u"", commandId);
    item->textId_ = textId;
    return item;
}

MenuItem* MenuItem::makeSeparator() {
    MenuItem* item = make(u"", -1);
    item->separator_ = true;
    return item;
}

const char16_t* MenuItem::getShownText() const {
    if (textId_ != -1 && localizer_ != nullptr)
        return localizer_->getText(textId_).cStr();
    return text_.cStr();
}

} // namespace s::gui::menuitem
