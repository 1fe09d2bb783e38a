#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::lang {
class Localizer;
}

namespace s::gui::menuitem {

// One entry of a popup menu: a separator, or a text (literal, or by
// language-pack identifier when textId is not -1) with the command
// identifier reported when it is chosen. Pooled; a menu owns its items.
class MenuItem final : public base::IObject, public thread::IPoolable {
public:
    MenuItem() = default;

    const char16_t* getClassName() const override { return u"s_gui_menuitem_MenuItem"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    // From the pool, with the check mark off. The caller hands them to a menu.
    static MenuItem* make(const char16_t* text, std::int32_t commandId);
    static MenuItem* makeById(std::int32_t textId, std::int32_t commandId);
    static MenuItem* makeSeparator();

    // The text shown: the localizer's text for textId when both are set,
    // else the literal text.
    const char16_t* getShownText() const;

    lang::Localizer* getLocalizer() const { return localizer_; }
    void setLocalizer(lang::Localizer* localizer) { localizer_ = localizer; }
    const char16_t* getText() const { return text_.cStr(); }
    void setText(const char16_t* text) { text_.set(text != nullptr ? text : u""); }
    std::int32_t getTextId() const { return textId_; }
    void setTextId(std::int32_t id) { textId_ = id; }
    std::int32_t getCommandId() const { return commandId_; }
    void setCommandId(std::int32_t id) { commandId_ = id; }
    bool isChecked() const { return checked_; }
    void setChecked(bool on) { checked_ = on; }
    bool isRadioChecked() const { return radioChecked_; }
    void setRadioChecked(bool on) { radioChecked_ = on; }
    bool isSeparator() const { return separator_; }
    void setSeparator(bool on) { separator_ = on; }
    // The entry begins a new column of its menu.
    bool startsColumn() const { return startsColumn_; }
    void setStartsColumn(bool on) { startsColumn_ = on; }
    std::int32_t getTag() const { return tag_; }
    void setTag(std::int32_t tag) { tag_ = tag; }

private:
    lang::Localizer* localizer_ = nullptr;
    str::StrBuffer text_;
    std::int32_t textId_ = -1;
    std::int32_t commandId_ = -1;
    bool checked_ = false;
    bool radioChecked_ = false;
    bool separator_ = false;
    bool startsColumn_ = false;
    std::int32_t tag_ = 0;
};

} // namespace s::gui::menuitem
