#include "skins/Skinner.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/Platform.h"
#include "localization/IEventListener.h"
#include "skins/ISkin.h"
#include "skins/ThinWindow.h"

#include <random>

namespace s::gui::drawer {

namespace {

// One generator for the process, seeded from the clock on first use; the
// sets live on the user-interface thread.
std::minstd_rand& generator() {
    static std::minstd_rand engine(
        static_cast<std::uint32_t>(platform::realSystemFileTime() / 10000));
    return engine;
}

} // namespace

void Skinner::createDependentPools() {
    thread::poolOf<skin::ThinWindow>();
    thread::poolOf<str::StrBuffer>();
}

Skinner::~Skinner() {
    // Destroyed outright: at exit the skin pool may already be gone.
    for (std::uint32_t i = 0; i < skins_.length(); ++i)
        delete static_cast<ISkin*>(skins_.at(i));
}

base::IObject* Skinner::newInstance() const {
    return thread::take<Skinner>();
}

void Skinner::release() {
    thread::giveBack(this);
}

void Skinner::clear() {
    releaseSkins();
    names_.clear();
    current_ = nullptr;
    listeners_.freeMemory();
    name_.freeMemory();
}

void Skinner::releaseSkins() {
    for (std::uint32_t i = 0; i < skins_.length(); ++i)
        static_cast<ISkin*>(skins_.at(i))->release();
    skins_.freeMemory();
}

void Skinner::addSkin(ISkin* skin) {
    if (skin == nullptr)
        return;
    skins_.add(skin);
    auto* name = thread::take<str::StrBuffer>();
    name->set(skin->getName());
    names_.add(name);
}

void Skinner::removeSkinAt(std::int32_t index) {
    ISkin* skin = skinAt(index);
    if (skin == nullptr)
        return;
    auto at = static_cast<std::uint32_t>(index);
    names_.at(at)->release();
    names_.strings().remove(at, 1);
    skins_.remove(at, 1);
    // The current skin is kept by address, so the others need nothing; a
    // released current skin must not stay current.
    if (skin == current_)
        current_ = nullptr;
    skin->release();
}

ISkin* Skinner::skinAt(std::int32_t index) const {
    if (index < 0 || index >= skinCount())
        return nullptr;
    return static_cast<ISkin*>(skins_.at(static_cast<std::uint32_t>(index)));
}

const str::StrBuffer* Skinner::nameAt(std::int32_t index) const {
    if (index < 0 || index >= skinCount())
        return nullptr;
    return names_.at(static_cast<std::uint32_t>(index));
}

ISkin* Skinner::findSkin(const char16_t* name, std::int32_t* outIndex) const {
    if (outIndex != nullptr)
        *outIndex = -1;
    if (name == nullptr)
        return nullptr;
    str::StrBuffer wanted(name);
    for (std::int32_t i = 0; i < skinCount(); ++i) {
        if (nameAt(i)->equalsIgnoreCase(&wanted)) {
            if (outIndex != nullptr)
                *outIndex = i;
            return skinAt(i);
        }
    }
    return nullptr;
}

std::int32_t Skinner::currentIndex() const {
    if (current_ == nullptr)
        return -1;
    for (std::int32_t i = 0; i < skinCount(); ++i)
        if (skinAt(i) == current_)
            return i;
    return -1;
}

void Skinner::selectSkin(ISkin* skin) {
    if (skin == current_)
        return;
    if (skin != nullptr) {
        bool ours = false;
        for (std::int32_t i = 0; i < skinCount() && !ours; ++i)
            ours = skinAt(i) == skin;
        if (!ours)
            return;
    }
    // A skin made lazily gets its drawers here, on the selecting thread,
    // before the windows (each on its own thread) ask for them.
    if (skin != nullptr)
        skin->getWindowDrawer();
    current_ = skin;
    notify();
}

void Skinner::selectSkinByName(const char16_t* name) {
    ISkin* found = findSkin(name);
    selectSkin(found != nullptr ? found : skinAt(0));
}

void Skinner::selectRandomSkin() {
    std::int32_t count = skinCount();
    if (count < 2)
        return;
    // Drawn among the skins that are not current, so that every other skin
    // is equally likely and no draw is wasted.
    std::int32_t current = currentIndex();
    std::int32_t choices = current < 0 ? count : count - 1;
    std::uniform_int_distribution<std::int32_t> pick(0, choices - 1);
    std::int32_t index = pick(generator());
    if (current >= 0 && index >= current)
        ++index;
    selectSkin(skinAt(index));
}

void Skinner::notify() {
    for (std::uint32_t i = 0; i < listeners_.length(); ++i)
        static_cast<events::IEventListener*>(listeners_.at(i))->handleEvent(this, 0);
}

IDrawer* Skinner::getPainter(PainterKind kind) {
    if (current_ == nullptr)
        return nullptr;
    switch (kind) {
    case kWindowPainter: return current_->getWindowDrawer();
    case kButtonPainter: return current_->getButtonDrawer();
    case kTextPainter: return current_->getTextDrawer();
    case kScrollbarPainter: return current_->getScrollbarDrawer();
    case kCheckboxPainter: return current_->getCheckboxDrawer();
    case kRadioButtonPainter: return current_->getRadioButtonDrawer();
    case kSliderPainter: return current_->getSliderDrawer();
    case kCounterPainter: return current_->getCounterDrawer();
    case kListHeaderPainter: return current_->getListHeaderDrawer();
    case kListBoxPainter: return current_->getListBoxDrawer();
    case kStatusBarPainter: return current_->getStatusBarDrawer();
    case kMenuPainter: return current_->getMenuDrawer();
    case kComboBoxPainter: return current_->getComboBoxDrawer();
    case kGroupBoxPainter: return current_->getGroupBoxDrawer();
    case kTabBoxPainter: return current_->getTabBoxDrawer();
    }
    return nullptr;
}

void Skinner::addListener(events::IEventListener* listener) {
    if (listener != nullptr)
        listeners_.add(listener);
}

void Skinner::removeListener(events::IEventListener* listener) {
    for (std::uint32_t i = 0; i < listeners_.length(); ++i) {
        if (listeners_.at(i) == listener) {
            listeners_.remove(i, 1);
            return;
        }
    }
}

const char16_t* Skinner::currentSkinName() const {
    return current_ != nullptr ? current_->getName().cStr() : nullptr;
}

} // namespace s::gui::drawer
