#pragma once

#include "foundation/collections/Arrays.h"
#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/strings/StrArray.h"
#include "foundation/strings/StrBuffer.h"
#include "toolkit/ISkinHolder.h"

#include <cstdint>

namespace s::gui::events {
class IEventListener;
}

namespace s::gui::drawer {

class ISkin;

// A skin set: skins in display order with a copy of each name, one current
// skin, and listeners told of every change of the current skin through
// handleEvent (set, 0). The set's name decides which skin class it holds.
// Used on the user-interface thread only. Pooled; a set made with new is
// destroyed with its skins as well.
class Skinner final : public base::IObject, public thread::IPoolable, public ISkinHolder {
public:
    // The skins and names go back to their pools, which must outlive this one.
    static void createDependentPools();

    Skinner() = default;
    ~Skinner() override;
    Skinner(const Skinner&) = delete;
    Skinner& operator=(const Skinner&) = delete;

    const char16_t* getClassName() const override { return u"s_gui_drawer_Skinner"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Releases the skins and forgets the names, the current skin, the
    // listeners and the set's name.
    void clear() override;

    void setName(const char16_t* name) { name_.set(name); }
    const str::StrBuffer& getName() const { return name_; }

    // Appends the skin, which the set owns from now on, and a copy of its name.
    void addSkin(ISkin* skin);
    // Removes and releases the skin at index; later ones move down. When it
    // was the current skin the set has none afterwards.
    void removeSkinAt(std::int32_t index);
    std::int32_t skinCount() const { return static_cast<std::int32_t>(skins_.length()); }
    // Null outside 0 .. skinCount () - 1.
    ISkin* skinAt(std::int32_t index) const;
    const str::StrBuffer* nameAt(std::int32_t index) const;
    // The first skin whose name equals name ignoring case, or null;
    // outIndex, when given, receives its position or -1.
    ISkin* findSkin(const char16_t* name, std::int32_t* outIndex = nullptr) const;

    ISkin* currentSkin() const { return current_; }
    // -1 when there is no current skin.
    std::int32_t currentIndex() const;
    // Makes a skin of this set current and notifies when it was not yet;
    // null leaves the set without a current skin. A skin of another set
    // changes nothing.
    void selectSkin(ISkin* skin);
    // The skin findSkin finds, else the first one.
    void selectSkinByName(const char16_t* name);
    // A skin other than the current one, each equally likely; nothing with
    // fewer than two skins.
    void selectRandomSkin();
    void notify();

    // As the skin holder of windows: the current skin's drawers, and the
    // listeners above (notices carry the set itself, as a Skinner*).
    IDrawer* getPainter(PainterKind kind) override;
    void addSkinListener(events::IEventListener* listener) override { addListener(listener); }
    const void* eventSource() const override { return this; }
    const char16_t* currentSkinName() const override;

    // Not owned; appended without a duplicate check.
    void addListener(events::IEventListener* listener);
    // Removes the first entry of that listener, when there is one.
    void removeListener(events::IEventListener* listener);
    std::int32_t listenerCount() const { return static_cast<std::int32_t>(listeners_.length()); }

private:
    void releaseSkins();

    str::StrBuffer name_;
    col::ArrayP skins_;
    str::StrArray names_;
    ISkin* current_ = nullptr;
    col::ArrayP listeners_;
};

} // namespace s::gui::drawer
