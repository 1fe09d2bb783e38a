#include "toolkit/component/Spacer.h"

#include "foundation/objects/Pools.h"
#include "toolkit/box/IBox.h"

namespace s::gui::win {

namespace {
constexpr std::int32_t kRowLayout = 0;
constexpr std::int32_t kColumnLayout = 1;
} // namespace

Spacer::Spacer() {
    resetSpacer();
}

base::IObject* Spacer::newInstance() const {
    return thread::take<Spacer>();
}

void Spacer::release() {
    thread::giveBack(this);
}

void Spacer::clear() {
    Component::clear();
    resetSpacer();
}

void Spacer::resetSpacer() {
    horizontal_ = true;
    storeFixedWidth(1);
    storeFixedHeight(1);
    // Shows the parent's background unless given a colour.
    setBackgroundTransparent(false);
}

bool Spacer::flatInParent(std::int32_t layoutType) const {
    auto* box = dynamic_cast<IBox*>(getParent());
    return box != nullptr && box->getLayoutType() == layoutType;
}

std::int32_t Spacer::getMinimumWidth() const {
    return !horizontal_ && flatInParent(kRowLayout) ? 0 : Component::getMinimumWidth();
}

std::int32_t Spacer::getPreferredWidth() const {
    return !horizontal_ && flatInParent(kRowLayout) ? 0 : Component::getPreferredWidth();
}

std::int32_t Spacer::getMinimumHeight() const {
    return horizontal_ && flatInParent(kColumnLayout) ? 0 : Component::getMinimumHeight();
}

std::int32_t Spacer::getPreferredHeight() const {
    return horizontal_ && flatInParent(kColumnLayout) ? 0 : Component::getPreferredHeight();
}

// Only a change of orientation exchanges the axes, so that a spacer made
// 10 wide and then turned vertical is 10 high, and asking twice is harmless.
void Spacer::setHorizontal() {
    if (!horizontal_)
        swapAxisSettings();
    horizontal_ = true;
}

void Spacer::setVertical() {
    if (horizontal_)
        swapAxisSettings();
    horizontal_ = false;
}

void Spacer::setVisible(bool visible, bool refresh) {
    if (!visible) {
        park();
        return;
    }
    showParked(refresh);
}

} // namespace s::gui::win
