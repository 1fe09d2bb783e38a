#include "toolkit/box/Box.h"

#include "toolkit/native/NativePeerFactory.h"

namespace s::gui::win {

void Box::addListener(int eventId, events::IEventListener* listener) {
    listeners_[eventId - 1].add(listener);
}

void Box::forgetListeners() {
    for (col::ArrayP& list : listeners_)
        list.freeMemory();
}

// The list is read afresh at every step: a listener may register another.
void Box::raiseEvent(int eventId) {
    if (eventId < 1 || eventId > kEventKinds)
        return;
    col::ArrayP& list = listeners_[eventId - 1];
    for (std::uint32_t i = 0; i < list.length(); ++i)
        static_cast<events::IEventListener*>(list.at(i))
            ->handleEvent(static_cast<IComponent*>(this), eventId);
}

bool Box::hasListeners(int eventId) const {
    return eventId >= 1 && eventId <= kEventKinds && listeners_[eventId - 1].length() > 0;
}

bool Box::keepsPresses() const {
    if (clickThrough_)
        return false;
    return hasListeners(kClicked) || hoverColourOn_ || acceptFiles_ || acceptUrls_;
}

bool Box::raisePaint(void* surface) {
    paintHandled_ = false;
    paintDC_ = surface;
    raiseEvent(kPainting);
    paintDC_ = nullptr;
    return paintHandled_;
}

void Box::addDropListener(events::IEventListener* listener) {
    addListener(kFilesDropped, listener);
}

void Box::addWheelListener(events::IEventListener* listener) {
    addListener(kWheel, listener);
}

void Box::addLayoutListener(events::IEventListener* listener) {
    addListener(kLaidOut, listener);
}

void Box::addMoveListener(events::IEventListener* listener) {
    addListener(kMoved, listener);
}

void Box::addPaintListener(events::IEventListener* listener) {
    addListener(kPainting, listener);
}

void Box::addUrlDropListener(events::IEventListener* listener) {
    addListener(kUrlDropped, listener);
}

void Box::addClickListener(events::IEventListener* listener) {
    addListener(kClicked, listener);
    clickThrough_ = false;
}

void Box::setAcceptFiles(bool accept) {
    acceptFiles_ = accept;
    if (nativePeer() != nullptr)
        nativePeer()->setAcceptFiles(accept);
}

void Box::setAcceptUrls(bool accept) {
    acceptUrls_ = accept;
    if (nativePeer() != nullptr)
        nativePeer()->setAcceptUrls(accept);
}

void Box::setHoverColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    hoverColour_ = rgb(r, g, b);
    hoverColourOn_ = true;
}

void Box::releaseBackBuffer() {
    if (nativePeer() != nullptr)
        nativePeer()->releaseBackBuffer();
}

win::BackBuffer* Box::getBackgroundImage(std::int32_t& x, std::int32_t& y) {
    if (nativePeer() != nullptr && nativePeer()->backBuffer() != nullptr)
        return nativePeer()->backBuffer();
    return Component::getBackgroundImage(x, y);
}

// A hidden box keeps its native window and waits off the parent's area; the
// parent lays out twice on its return, as a flow settles in the second pass.
void Box::setVisible(bool visible, bool refresh) {
    if (visibilityLocked_)
        return;
    if (!visible) {
        park();
        releaseBackBuffer();
        return;
    }
    showParked(refresh);
}

void Box::showOnly(std::int32_t index) {
    for (std::uint32_t i = 0; i < children_.length(); ++i) {
        if (static_cast<std::int32_t>(i) != index)
            childAt(i)->setVisible(false, true);
    }
    if (IComponent* shown = getComponent(index))
        shown->setVisible(true, true);
}

// The hidden children are also pushed far down by their origin and locked,
// so that layouts and stray setVisible calls leave them out of sight.
void Box::showOnlyParked(std::int32_t index) {
    for (std::uint32_t i = 0; i < children_.length(); ++i) {
        if (static_cast<std::int32_t>(i) == index)
            continue;
        IComponent* child = childAt(i);
        child->setVisible(false, true);
        child->setOrigin(0, 3000);
        if (auto* box = dynamic_cast<IBox*>(child))
            box->setVisibilityLocked(true);
    }
    IComponent* shown = getComponent(index);
    if (shown == nullptr)
        return;
    if (auto* box = dynamic_cast<IBox*>(shown))
        box->setVisibilityLocked(false);
    shown->setOrigin(0, 0);
    shown->setVisible(true, true);
}

} // namespace s::gui::win
