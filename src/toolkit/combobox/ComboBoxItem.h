#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrBuffer.h"

#include <cstdint>

namespace s::gui::combobox {

// How an item is drawn in the opened list; the flags combine.
enum ItemFlag : std::uint32_t {
    kBold = 1,
    kGrey = 2,
    kWhite = 4,
    // A header: bold, white, centred under a dark cap, and indented by the
    // drop-down width rule.
    kHeader = 8,
    // Only a thin grey line across the item.
    kSeparatorLine = 16,
    // Only a light line, inset further.
    kLightSeparatorLine = 32,
};

// The font slot text that marks an item as a separator line.
inline constexpr char16_t kSeparatorFont[] = u"Separator";

// One entry of a combo box: its text, an id (-1 when unset), drawing flags,
// an optional per-item font (a face name, or kSeparatorFont) and an optional
// object the item owns and releases with itself.
class ComboBoxItem final : public base::IObject, public thread::IPoolable {
public:
    ComboBoxItem() = default;
    ~ComboBoxItem() override;
    ComboBoxItem(const ComboBoxItem&) = delete;
    ComboBoxItem& operator=(const ComboBoxItem&) = delete;

    const char16_t* getClassName() const override { return u"s_gui_combobox_ComboBoxItem"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    const char16_t* getText() const { return text_.cStr(); }
    void setText(const char16_t* text) { text_.set(text != nullptr ? text : u""); }
    std::int32_t getId() const { return id_; }
    void setId(std::int32_t id) { id_ = id; }
    std::uint32_t getFlags() const { return flags_; }
    void setFlags(std::uint32_t flags) { flags_ = flags; }
    bool hasFlag(std::uint32_t flag) const { return (flags_ & flag) != 0; }

    // The face name of the item's own font; empty when it has none.
    const char16_t* getFont() const { return font_.cStr(); }
    void setFont(const char16_t* font) { font_.set(font != nullptr ? font : u""); }
    bool isSeparatorFont() const { return font_.equals(kSeparatorFont); }

    // The object the item owns; setting another releases the one held.
    base::IObject* getObject() const { return object_; }
    void setObject(base::IObject* object);

private:
    str::StrBuffer text_;
    str::StrBuffer font_;
    std::int32_t id_ = -1;
    std::uint32_t flags_ = 0;
    base::IObject* object_ = nullptr;
};

// Whether the list draws (and the drop-down width rule measures) the item's
// text in bold.
constexpr bool drawsBold(std::uint32_t flags) {
    return (flags & (kBold | kHeader)) != 0;
}

} // namespace s::gui::combobox
