#include "toolkit/component/Component.h"

#include "localization/Localizer.h"
#include "toolkit/ISkinHolder.h"
#include "toolkit/component/IContainer.h"
#include "toolkit/native/NativePeerFactory.h"
#include "toolkit/window/IWindow.h"

#include <algorithm>
#include <utility>

namespace s::gui {

Component::Component() {
    resetComponent();
}

Component::~Component() {
    destroyPeer();
}

void Component::handleEvent(void* source, int) {
    if (source == nullptr || window_ == nullptr)
        return;
    lang::Localizer* localizer = window_->getLocalizer();
    if (localizer != nullptr && source == static_cast<void*>(localizer)) {
        if (textId_ != -1)
            refreshText(localizer->getText(textId_).cStr());
        return;
    }
    ISkinHolder* holder = window_->getSkinHolder();
    if (holder != nullptr && source == holder->eventSource())
        refreshSkin(*holder);
}

void Component::refreshText(const char16_t* text) {
    if (peer_ != nullptr)
        peer_->setText(text);
}

void Component::clear() {
    destroyPeer();
    resetComponent();
}

void Component::resetComponent() {
    x_ = y_ = 0;
    originX_ = originY_ = 0;
    width_ = height_ = 0;
    minimumWidth_ = minimumHeight_ = 0;
    preferredWidth_ = preferredHeight_ = 0;
    percentWidth_ = percentHeight_ = -1;
    fixedWidth_ = fixedHeight_ = -1;
    unparkedX_ = unparkedY_ = 0;
    parked_ = false;
    visible_ = true;
    enabled_ = true;
    backgroundTransparent_ = false;
    frozen_ = false;
    boundsPending_ = false;
    background_ = systemColour(SystemColour::ButtonFace);
    parent_ = nullptr;
    window_ = nullptr;
    textId_ = -1;
}

std::int32_t Component::getScreenX() {
    std::int32_t sx = 0, sy = 0;
    if (peer_ != nullptr && peer_->screenPosition(sx, sy))
        return sx;
    return originX_ + x_;
}

std::int32_t Component::getScreenY() {
    std::int32_t sx = 0, sy = 0;
    if (peer_ != nullptr && peer_->screenPosition(sx, sy))
        return sy;
    return originY_ + y_;
}

bool Component::containsScreenPoint(std::int32_t sx, std::int32_t sy) {
    if (!isShowing())
        return false;
    std::int32_t left = getScreenX(), top = getScreenY();
    return left <= sx && sx <= left + width_ && top <= sy && sy <= top + height_;
}

std::int32_t Component::getInnerWidth() const {
    std::int32_t insets = horizontalInsets();
    return insets == 0 ? width_ : std::max(width_ - insets, 0);
}

std::int32_t Component::getInnerHeight() const {
    std::int32_t insets = verticalInsets();
    return insets == 0 ? height_ : std::max(height_ - insets, 0);
}

void Component::setInnerWidth(std::int32_t w) {
    setWidth(std::max(w + horizontalInsets(), 0));
}

void Component::setInnerHeight(std::int32_t h) {
    setHeight(std::max(h + verticalInsets(), 0));
}

void Component::placeBounds(bool move, bool size) {
    if (frozen_) {
        boundsPending_ = true;
        return;
    }
    if (peer_ == nullptr)
        return;
    // A control hidden on purpose stays hidden however its container moves it.
    if (move && size)
        peer_->setBounds(x_ + originX_, y_ + originY_, width_, height_, visible_);
    else if (move)
        peer_->move(x_ + originX_, y_ + originY_, visible_);
    else
        peer_->resize(width_, height_, visible_);
}

void Component::setLocation(std::int32_t x, std::int32_t y) {
    x_ = x;
    y_ = y;
    placeBounds(true, false);
    boundsChanged();
}

void Component::setSize(std::int32_t w, std::int32_t h) {
    width_ = w;
    height_ = h;
    placeBounds(false, true);
    boundsChanged();
}

void Component::setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    x_ = x;
    y_ = y;
    width_ = w;
    height_ = h;
    placeBounds(true, true);
    boundsChanged();
}

void Component::setOrigin(std::int32_t ox, std::int32_t oy) {
    originX_ = ox;
    originY_ = oy;
    placeBounds(true, false);
}

void Component::moveOrigin(std::int32_t dx, std::int32_t dy) {
    setOrigin(originX_ + dx, originY_ + dy);
}

std::int32_t Component::getMinimumWidth() const {
    return fixedWidth_ >= 0 ? fixedWidth_ : minimumWidth_;
}

std::int32_t Component::getMinimumHeight() const {
    return fixedHeight_ >= 0 ? fixedHeight_ : minimumHeight_;
}

// A percentage needs the parent's inner size; before the component is
// attached it falls back to the natural size.
std::int32_t Component::getPreferredWidth() const {
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    if (percentWidth_ >= 0 && parent_ != nullptr)
        return static_cast<std::int32_t>(std::int64_t{parent_->getInnerWidth()} * percentWidth_ /
                                         100);
    return std::max(minimumWidth_, preferredWidth_);
}

std::int32_t Component::getPreferredHeight() const {
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    if (percentHeight_ >= 0 && parent_ != nullptr)
        return static_cast<std::int32_t>(std::int64_t{parent_->getInnerHeight()} * percentHeight_ /
                                         100);
    return std::max(minimumHeight_, preferredHeight_);
}

void Component::setVisible(bool visible, bool refresh) {
    visible_ = visible;
    if (peer_ != nullptr)
        peer_->show(visible);
    if (visible && refresh)
        repaint();
}

void Component::park() {
    if (!parked_) {
        unparkedX_ = x_;
        unparkedY_ = y_;
        parked_ = true;
    }
    visible_ = false;
    setLocation(kParkedX, kParkedY);
}

void Component::unpark() {
    visible_ = true;
    bool wasParked = parked_;
    parked_ = false;
    if (wasParked && parent_ == nullptr)
        setLocation(unparkedX_, unparkedY_);
}

void Component::showParked(bool refresh) {
    unpark();
    showPeer();
    if (IContainer* parent = getParent()) {
        parent->revalidate();
        parent->revalidate();
    }
    if (refresh)
        repaint();
}

void Component::setEnabled(bool on) {
    enabled_ = on;
    if (peer_ != nullptr)
        peer_->enable(on);
}

// Each offset is 0 when the component is not smaller than the parent.
void Component::centerInParent() {
    if (parent_ == nullptr)
        return;
    std::int32_t pw = parent_->getInnerWidth(), ph = parent_->getInnerHeight();
    setLocation(width_ < pw ? (pw - width_) / 2 : 0, height_ < ph ? (ph - height_) / 2 : 0);
}

void Component::centerHorizontally() {
    if (parent_ == nullptr)
        return;
    std::int32_t pw = parent_->getInnerWidth();
    setLocation(width_ < pw ? (pw - width_) / 2 : 0, y_);
}

void Component::centerVertically() {
    if (parent_ == nullptr)
        return;
    std::int32_t ph = parent_->getInnerHeight();
    setLocation(x_, height_ < ph ? (ph - height_) / 2 : 0);
}

void Component::setBackgroundTransparent(bool repaint) {
    backgroundTransparent_ = true;
    if (repaint)
        this->repaint();
}

void Component::setBackgroundSystem(bool repaint) {
    backgroundTransparent_ = false;
    background_ = systemColour(SystemColour::ButtonFace);
    if (repaint)
        this->repaint();
}

// Half way between mid-grey and the inactive caption text.
void Component::setBackgroundLight(bool repaint) {
    std::uint32_t c = systemColour(SystemColour::InactiveCaptionText);
    auto light = [c](int shift) {
        return static_cast<std::uint8_t>(128 + (((c >> shift) & 0xFF) >> 1));
    };
    setBackground(light(0), light(8), light(16), repaint);
}

void Component::setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b, bool repaint) {
    backgroundTransparent_ = false;
    background_ = rgb(r, g, b);
    if (repaint)
        this->repaint();
}

void Component::rememberParent(IContainer* parent) {
    destroyPeer();
    parent_ = parent;
    window_ = parent != nullptr ? parent->getWindow() : nullptr;
}

void Component::setParent(IContainer* parent) {
    rememberParent(parent);
    if (parent != nullptr && createPeer(peerOf(parent)))
        showPeer();
    if (parent != nullptr)
        takeSkinOfWindow();
}

void Component::takeSkinOfWindow() {
    if (window_ != nullptr)
        if (ISkinHolder* holder = window_->getSkinHolder())
            refreshSkin(*holder);
}

bool Component::createPeer(INativePeer* parentPeer) {
    INativePeerFactory* factory = nativePeerFactory();
    if (factory == nullptr || (parentPeer == nullptr && parent_ != nullptr))
        return false;
    peer_ = factory->makePeer(*this);
    if (peer_ == nullptr)
        return false;
    if (!peer_->create(parentPeer)) {
        peer_.reset();
        return false;
    }
    // A frozen component is placed (and shown) once, when it thaws.
    if (frozen_)
        boundsPending_ = true;
    else
        peer_->setBounds(x_ + originX_, y_ + originY_, width_, height_, false);
    if (!enabled_)
        peer_->enable(false);
    return true;
}

void Component::orderBeforeLaterSiblings() {
    if (peer_ == nullptr || parent_ == nullptr)
        return;
    bool after = false;
    for (std::int32_t i = 0; i < parent_->getComponentCount(); ++i) {
        IComponent* sibling = parent_->getComponent(i);
        if (INativePeer* next = peerOf(sibling); after && next != nullptr) {
            peer_->orderBefore(next);
            return;
        }
        after = after || sibling == static_cast<IComponent*>(this);
    }
}

void Component::showPeer() {
    if (peer_ == nullptr || !visible_)
        return;
    if (frozen_)
        boundsPending_ = true;
    else
        peer_->show(true);
}

void Component::destroyPeer() {
    if (peer_ == nullptr)
        return;
    peer_->destroy();
    peer_.reset();
}

void Component::repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    if (isShowing())
        peer_->repaintArea(x, y, w, h);
}

void Component::repaint() {
    if (isShowing())
        peer_->repaint();
}

void Component::setSizeWithinLimits(std::int32_t w, std::int32_t h) {
    std::int32_t width = std::max(getMinimumWidth(), std::min(w, getPreferredWidth()));
    std::int32_t height = std::max(getMinimumHeight(), std::min(h, getPreferredHeight()));
    setSize(width, height);
}

win::BackBuffer* Component::getBackgroundImage(std::int32_t& x, std::int32_t& y) {
    if (parent_ == nullptr)
        return nullptr;
    x += x_ + originX_;
    y += y_ + originY_;
    return parent_->getBackgroundImage(x, y);
}

void Component::unfreeze() {
    frozen_ = false;
    if (boundsPending_) {
        boundsPending_ = false;
        setBounds(x_, y_, width_, height_);
    }
}

void Component::setMinimumSize(std::int32_t w, std::int32_t h) {
    minimumWidth_ = w;
    minimumHeight_ = h;
}

void Component::setPreferredSize(std::int32_t w, std::int32_t h) {
    preferredWidth_ = w;
    preferredHeight_ = h;
}

void Component::storePercentWidth(std::int32_t p) {
    percentWidth_ = p;
    fixedWidth_ = -1;
}

void Component::storePercentHeight(std::int32_t p) {
    percentHeight_ = p;
    fixedHeight_ = -1;
}

void Component::storeFixedWidth(std::int32_t w) {
    fixedWidth_ = w;
    percentWidth_ = -1;
}

void Component::storeFixedHeight(std::int32_t h) {
    fixedHeight_ = h;
    percentHeight_ = -1;
}

void Component::swapAxisSettings() {
    std::swap(percentWidth_, percentHeight_);
    std::swap(fixedWidth_, fixedHeight_);
}

} // namespace s::gui
