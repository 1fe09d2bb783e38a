#include "toolkit/box/Box.h"

#include "toolkit/component/IContainer.h"

#include <algorithm>
#include <cmath>

namespace s::gui::win {

// A box collapsed to no height (or width) takes no room at all: what it
// holds would need width (or height) only once it shows.
std::int32_t Box::getMinimumWidth() const {
    if (zeroMinimumWidth_ || getFixedHeight() == 0)
        return 0;
    if (getFixedWidth() >= 0)
        return getFixedWidth();
    std::int32_t minimum = insetLeft_ + insetRight_ + layoutMinWidth_;
    return minimumWidthFloor_ >= 0 ? std::max(minimum, minimumWidthFloor_) : minimum;
}

std::int32_t Box::getMinimumHeight() const {
    if (zeroMinimumHeight_ || getFixedWidth() == 0)
        return 0;
    if (getFixedHeight() >= 0)
        return getFixedHeight();
    return insetTop_ + insetBottom_ + layoutMinHeight_;
}

// A box's percentage is rounded half away from zero; before the box is
// attached there is no parent to take it from.
std::int32_t Box::percentOfParent(std::int32_t percent, bool width) const {
    IContainer* parent = getParent();
    double inner = width ? parent->getInnerWidth() : parent->getInnerHeight();
    return static_cast<std::int32_t>(std::lround(inner * percent / 100.0));
}

std::int32_t Box::getPreferredWidth() const {
    if (getFixedWidth() >= 0)
        return getFixedWidth();
    if (getPercentWidth() >= 0 && getParent() != nullptr)
        return percentOfParent(getPercentWidth(), true);
    return insetLeft_ + insetRight_ + std::max(layoutMinWidth_, layoutPrefWidth_);
}

std::int32_t Box::getPreferredHeight() const {
    if (getFixedHeight() >= 0)
        return getFixedHeight();
    if (getPercentHeight() >= 0 && getParent() != nullptr)
        return percentOfParent(getPercentHeight(), false);
    return insetTop_ + insetBottom_ + std::max(layoutMinHeight_, layoutPrefHeight_);
}

// The inner sizes are the outer ones less the insets, so that for every
// setting outer = inner + insets holds.
std::int32_t Box::getMinimumInnerWidth() const {
    return std::max(getMinimumWidth() - insetLeft_ - insetRight_, 0);
}

std::int32_t Box::getMinimumInnerHeight() const {
    return std::max(getMinimumHeight() - insetTop_ - insetBottom_, 0);
}

std::int32_t Box::getPreferredInnerWidth() const {
    return std::max(getPreferredWidth() - insetLeft_ - insetRight_, 0);
}

std::int32_t Box::getPreferredInnerHeight() const {
    return std::max(getPreferredHeight() - insetTop_ - insetBottom_, 0);
}

void Box::setSizeWithinLimits(std::int32_t w, std::int32_t h) {
    Component::setSizeWithinLimits(w, h);
    std::uint32_t pass = LayoutPass::current();
    if (pass != 0 && pass == laidOutPass_ && getWidth() == laidOutWidth_ &&
        getHeight() == laidOutHeight_)
        return;
    doLayout();
}

void Box::childOriginsToInsets() {
    for (std::uint32_t i = 0; i < children_.length(); ++i)
        childAt(i)->setOrigin(insetLeft_, insetTop_);
}

void Box::setInsetLeft(std::int32_t n) {
    insetLeft_ = n;
    childOriginsToInsets();
}

void Box::setInsetRight(std::int32_t n) {
    insetRight_ = n;
    childOriginsToInsets();
}

void Box::setInsetTop(std::int32_t n) {
    insetTop_ = n;
    childOriginsToInsets();
}

void Box::setInsetBottom(std::int32_t n) {
    insetBottom_ = n;
    childOriginsToInsets();
}

void Box::setInsetsHorizontal(std::int32_t n) {
    insetLeft_ = insetRight_ = n;
    childOriginsToInsets();
}

void Box::setInsetsVertical(std::int32_t n) {
    insetTop_ = insetBottom_ = n;
    childOriginsToInsets();
}

void Box::setInsets(std::int32_t n) {
    insetLeft_ = insetRight_ = insetTop_ = insetBottom_ = n;
    childOriginsToInsets();
}

void Box::fillParent() {
    storePercentWidth(100);
    storePercentHeight(100);
}

void Box::relayoutAfterSizeSetting(bool relayoutParent) {
    if (nativeDeferred_ && !collapsed())
        createDeferredNatives();
    if (nativePeer() == nullptr)
        return;
    doLayout();
    if (relayoutParent)
        this->relayoutParent(true);
}

void Box::setPercentWidth(std::int32_t p, bool relayoutParent) {
    storePercentWidth(p);
    relayoutAfterSizeSetting(relayoutParent);
}

void Box::setPercentHeight(std::int32_t p, bool relayoutParent) {
    storePercentHeight(p);
    relayoutAfterSizeSetting(relayoutParent);
}

void Box::setFixedWidth(std::int32_t w, bool relayoutParent) {
    storeFixedWidth(w);
    relayoutAfterSizeSetting(relayoutParent);
}

void Box::setFixedHeight(std::int32_t h, bool relayoutParent) {
    storeFixedHeight(h);
    relayoutAfterSizeSetting(relayoutParent);
}

} // namespace s::gui::win
